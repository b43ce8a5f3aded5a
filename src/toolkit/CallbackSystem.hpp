#pragma once

#include <functional>
#include <map>

#include "toolkit/ActionContext.hpp"
#include "toolkit/Connection.hpp"
#include "toolkit/SlotList.hpp"

namespace tk {

// Maps action identifiers to the functions that react to them, so that input bindings and the
// code they trigger can be written apart.
template <typename ActionId>
class CallbackSystem {
public:
    using Callback = std::function<void(ActionContext<ActionId>)>;

    // An empty callback is not registered; its handle reads disconnected.
    Connection connect(const ActionId& id, Callback callback) {
        if (!callback) {
            return Connection();
        }
        return callbacks[id].add(std::move(callback));
    }

    // Calls every callback of context.actionId, in connection order.
    void triggerEvent(const ActionContext<ActionId>& context) {
        const auto found = callbacks.find(context.actionId);
        if (found != callbacks.end()) {
            found->second.forEach([&context](const Callback& callback) { callback(context); });
        }
    }

private:
    std::map<ActionId, SlotList<Callback>> callbacks;
};

}  // namespace tk
