#include "platform/DirectoryListing.h"

#include <filesystem>
#include <system_error>

std::vector<std::string> DirectoryListing::FileNames(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code kindError;
        if (!it->is_directory(kindError)) {
            names.push_back(it->path().filename().string());
        }
    }
    return names;
}
