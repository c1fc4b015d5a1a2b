#pragma once

#include <string>

namespace zyntra {

// Two folders, each with a trailing '/':
// - the program folder, the executable's own: the shipped files (executables, kvdb.dll,
//   iconv.dll, the shipped Lang.ini, the templates init/, data/loading.avi). It may be a
//   read-only system folder, so nothing is ever written there.
// - the user folder: everything the program writes (working copies data/, backup/,
//   snapshots/, scratch copies, window settings, icon files, the lock) and the user's own
//   Lang.ini. A writable program folder that holds working copies (the build tree) is its own
//   user folder; otherwise it is $XDG_DATA_HOME/zyntra/ (~/.local/share/zyntra/).
// Every file is found relative to one of them, never relative to the working directory.
const std::string& ProgramFolder();
const std::string& UserFolder();
bool UserFolderIsProgramFolder();

// The user folder that goes with a program folder, by the rule above.
std::string UserFolderFor(const std::string& programFolder);

// The running executable's own path ("" when it cannot be read).
std::string ExecutablePath();

// Points the process at another program folder, which is then its own user folder; tests
// build one in a temporary directory.
void SetProgramFolder(std::string folder);
// Points the process at a program folder and a separate user folder.
void SetProgramFolders(std::string programFolder, std::string userFolder);

} // namespace zyntra
