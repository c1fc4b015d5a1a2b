#include "content/folder_nodes.h"

#include <algorithm>
#include <filesystem>

namespace zyntra {

namespace fs = std::filesystem;

namespace {

bool IsVisibleFolder(const fs::directory_entry& entry) {
    std::error_code error;
    return !entry.path().filename().string().starts_with(".") && !entry.is_symlink(error) &&
           entry.is_directory(error);
}

// Calls visit with each visible subfolder's name until it returns false.
template <class Visit> void ForEachVisibleSubfolder(const std::string& folder, Visit visit) {
    if (folder.empty())
        return;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (IsVisibleFolder(*it) && !visit(it->path().filename().string()))
            return;
}

} // namespace

std::vector<std::string> VisibleSubfolders(const std::string& folder) {
    std::vector<std::string> names;
    ForEachVisibleSubfolder(folder, [&names](std::string name) {
        names.push_back(std::move(name));
        return true;
    });
    std::sort(names.begin(), names.end());
    return names;
}

bool HasVisibleSubfolder(const std::string& folder) {
    bool found = false;
    ForEachVisibleSubfolder(folder, [&found](const std::string&) {
        found = true;
        return false;
    });
    return found;
}

std::string JoinFolderPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

} // namespace zyntra
