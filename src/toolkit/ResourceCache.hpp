#pragma once

#include <map>
#include <memory>
#include <stdexcept>
#include <string>

namespace tk {

// Raised when a resource file is missing or cannot be decoded; the text names the key.
class ResourceLoadingError : public std::runtime_error {
public:
    explicit ResourceLoadingError(const std::string& key)
        : std::runtime_error("Failed to load resource \"" + key + "\"") {}
};

// The key under which a file-loaded resource is cached; also the name shown when loading fails.
std::string fileKey(const std::string& path);

// Loads each file once and keeps the object until the cache dies, so that references handed
// out stay valid for as long as the cache lives.
template <typename Resource>
class ResourceCache {
public:
    ResourceCache() = default;
    ResourceCache(const ResourceCache&) = delete;
    ResourceCache& operator=(const ResourceCache&) = delete;
    ResourceCache(ResourceCache&&) = default;
    ResourceCache& operator=(ResourceCache&&) = default;

    // Returns the cached object, loading it with Resource::loadFromFile on the first request.
    // A failed load stores nothing, so a later request tries the file again.
    Resource& acquire(const std::string& path) {
        const std::string key = fileKey(path);
        const auto found = resources.find(key);
        if (found != resources.end()) {
            return *found->second;
        }
        auto resource = std::make_unique<Resource>();
        if (!resource->loadFromFile(path)) {
            throw ResourceLoadingError(key);
        }
        return *resources.emplace(key, std::move(resource)).first->second;
    }

    bool isLoaded(const std::string& path) const { return resources.count(fileKey(path)) != 0; }

private:
    // unique_ptr keeps each object at one address while the map grows.
    std::map<std::string, std::unique_ptr<Resource>> resources;
};

}  // namespace tk
