// Where the desktop keeps the game's files: the settings folder and the program's own folder.
#pragma once

#include <string>

namespace dravlen::desktop {

// The user's documents folder: XDG_DOCUMENTS_DIR from user-dirs.dirs in `configHome` (with
// $HOME expanded), else `home`/Documents, each only if it exists; else `currentFolder`.
// Then "/quillonwerk" is added and created if missing. Empty when no such folder can be had.
std::string settingsFolderIn(const std::string& home, const std::string& configHome,
                             const std::string& currentFolder);
// The same for this user and this process.
std::string settingsFolder();

// The folder of the running executable.
std::string executableFolder();
// Where the sound pack is for an executable in `exeFolder`: that folder when dravlen1.wav is
// there, else `exeFolder`/../share/dravlen when it is there, else `exeFolder`.
std::string soundFolderFor(const std::string& exeFolder);
// The folder the game's wave files are read from: soundFolderFor(executableFolder()).
std::string programFolder();

// Starts the program at `path` detached from this process (its own session), without a shell.
// False when it could not be started.
bool launchDetached(const std::string& path);

}  // namespace dravlen::desktop
