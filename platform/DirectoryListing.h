#pragma once

#include <string>
#include <vector>

// The names of the plain entries of a folder (folders are skipped), in no
// particular order; empty when the folder is missing or unreadable.
class DirectoryListing {
public:
    static std::vector<std::string> FileNames(const std::string& folder);
};
