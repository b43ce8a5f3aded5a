#pragma once

#include <functional>
#include <memory>

namespace tk {

// The strong half of a connection: whoever registers an entry keeps the only shared_ptr to
// its slot next to the entry, so the slot dies exactly when the entry goes away.
struct ConnectionSlot {
    std::function<void()> remove;  // erases the entry from its container
};

// A handle to something registered in a container (a callback, an emitter, an affector).
// Copies track the same entry; destroying a handle never disconnects anything.
class Connection {
public:
    Connection() = default;
    explicit Connection(std::weak_ptr<ConnectionSlot> slot) : slot(std::move(slot)) {}

    bool isConnected() const { return !slot.expired(); }

    // Removes the entry if it still exists; every copy of this handle then reads disconnected.
    void disconnect();

private:
    std::weak_ptr<ConnectionSlot> slot;
};

}  // namespace tk
