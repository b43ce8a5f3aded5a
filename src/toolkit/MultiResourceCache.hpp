#pragma once

#include <map>
#include <memory>
#include <string>
#include <typeindex>

#include "toolkit/ResourceCache.hpp"

namespace tk {

// One ResourceCache per resource type behind a single object, so that callers need not know in
// advance which types will be loaded.
class MultiResourceCache {
public:
    MultiResourceCache() = default;
    MultiResourceCache(const MultiResourceCache&) = delete;
    MultiResourceCache& operator=(const MultiResourceCache&) = delete;
    MultiResourceCache(MultiResourceCache&&) = default;
    MultiResourceCache& operator=(MultiResourceCache&&) = default;

    // Finds or creates the cache of this type, then acquires the file from it.
    template <typename Resource>
    Resource& acquire(const std::string& path) {
        return cacheFor<Resource>().acquire(path);
    }

    // Whether a file was loaded as this type; asking never creates a cache.
    template <typename Resource>
    bool isLoaded(const std::string& path) const {
        const auto found = caches.find(std::type_index(typeid(Resource)));
        return found != caches.end() &&
               static_cast<const ResourceCache<Resource>*>(found->second.get())->isLoaded(path);
    }

private:
    template <typename Resource>
    ResourceCache<Resource>& cacheFor() {
        std::shared_ptr<void>& cache = caches[std::type_index(typeid(Resource))];
        if (!cache) {
            cache = std::make_shared<ResourceCache<Resource>>();
        }
        return *static_cast<ResourceCache<Resource>*>(cache.get());
    }

    // shared_ptr<void> remembers the real type's destructor, which is all the erasure needed.
    std::map<std::type_index, std::shared_ptr<void>> caches;
};

}  // namespace tk
