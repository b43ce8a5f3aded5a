#pragma once

#include <cstddef>
#include <iterator>
#include <list>
#include <memory>
#include <utility>

#include "toolkit/Connection.hpp"

namespace tk {

// A list of registered values, each removable through the Connection handed out when it was
// added. Callbacks and emitters run while the list is being walked and may disconnect entries
// (even themselves) or add new ones, so removal is deferred until the walk ends.
template <typename Value>
class SlotList {
public:
    SlotList() : storage(std::make_unique<Storage>()) {}

    // Appends the value; the handle reads connected until the entry is removed or the list dies.
    Connection add(Value value) {
        Storage& store = *storage;
        store.entries.push_back(Entry{std::move(value), std::make_shared<ConnectionSlot>()});
        const auto position = std::prev(store.entries.end());
        Storage* const owner = storage.get();
        // The slot lives inside the entry, so this can only run while the storage exists.
        position->slot->remove = [owner, position] { owner->remove(position); };
        return Connection(position->slot);
    }

    // Calls visit(value) for each live entry present when the walk starts, in insertion order.
    template <typename Visit>
    void forEach(Visit&& visit) {
        Storage& store = *storage;
        if (store.entries.empty()) {
            return;
        }
        const WalkGuard guard(store);
        const auto last = std::prev(store.entries.end());
        for (auto it = store.entries.begin();; ++it) {
            if (it->slot) {
                visit(it->value);
            }
            if (it == last) {
                break;
            }
        }
    }

    // Removes every live entry for which expired(value) holds; their handles read disconnected.
    template <typename Predicate>
    void removeIf(Predicate&& expired) {
        Storage& store = *storage;
        for (auto it = store.entries.begin(); it != store.entries.end();) {
            const auto current = it++;
            if (current->slot && expired(current->value)) {
                store.remove(current);
            }
        }
    }

    // The number of live entries.
    std::size_t size() const {
        std::size_t count = 0;
        for (const Entry& entry : storage->entries) {
            count += entry.slot ? 1 : 0;
        }
        return count;
    }

private:
    struct Entry {
        Value value;
        std::shared_ptr<ConnectionSlot> slot;  // null once removed during a walk
    };
    using Iterator = typename std::list<Entry>::iterator;

    // Kept on the heap so that the removers' pointers survive a move of the list.
    struct Storage {
        std::list<Entry> entries;
        int walks = 0;

        void remove(Iterator entry) {
            entry->slot.reset();
            if (walks == 0) {
                entries.erase(entry);
            }
        }

        void eraseRemoved() {
            entries.remove_if([](const Entry& entry) { return !entry.slot; });
        }
    };

    // Ends a walk even when a visited function throws.
    class WalkGuard {
    public:
        explicit WalkGuard(Storage& storage) : storage(storage) { ++storage.walks; }
        ~WalkGuard() {
            if (--storage.walks == 0) {
                storage.eraseRemoved();
            }
        }
        WalkGuard(const WalkGuard&) = delete;
        WalkGuard& operator=(const WalkGuard&) = delete;

    private:
        Storage& storage;
    };

    std::unique_ptr<Storage> storage;
};

}  // namespace tk
