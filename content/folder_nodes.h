#pragma once

#include <string>
#include <vector>

namespace zyntra {

// The names of the folders that the computer tree shows below folder, sorted: real directories
// whose names do not start with '.'. Links to folders are left out, so that a link back up the
// tree cannot grow it without end. A folder that cannot be read has none.
std::vector<std::string> VisibleSubfolders(const std::string& folder);

// Whether folder has at least one such subfolder; stops at the first one found.
bool HasVisibleSubfolder(const std::string& folder);

// folder and name joined by one '/', also when folder is the root or already ends with one.
std::string JoinFolderPath(const std::string& folder, const std::string& name);

} // namespace zyntra
