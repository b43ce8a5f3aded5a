#include "toolkit/Connection.hpp"

namespace tk {

void Connection::disconnect() {
    // Holding the slot while its remover runs keeps the function alive until it returns,
    // even though the remover destroys the container's own reference to the slot.
    if (const std::shared_ptr<ConnectionSlot> alive = slot.lock()) {
        const std::function<void()> remove = alive->remove;
        remove();
    }
    slot.reset();
}

}  // namespace tk
