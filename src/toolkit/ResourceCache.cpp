#include "toolkit/ResourceCache.hpp"

namespace tk {

std::string fileKey(const std::string& path) {
    return "[FromFile] " + path;
}

}  // namespace tk
