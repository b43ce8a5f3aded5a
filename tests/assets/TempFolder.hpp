#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

// A fresh folder under the system's temporary folder, removed again with everything in it.
class TempFolder {
public:
    explicit TempFolder(const std::string& name)
        : path(std::filesystem::temp_directory_path() /
               ("zembrook-" + name + "-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path path;
};
