// The settings folder, the program folder and starting another program, on Linux.
#include "platform/desktop/system_paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace dravlen::desktop {

namespace {

bool isFolder(const std::string& path) {
    struct stat st{};
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// XDG_DOCUMENTS_DIR="$HOME/Documents" in user-dirs.dirs, as written by xdg-user-dirs.
std::string documentsFromUserDirs(const std::string& home, const std::string& configHome) {
    std::ifstream in(configHome + "/user-dirs.dirs");
    std::string line;
    std::string found;
    while (std::getline(in, line)) {
        size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, 18, "XDG_DOCUMENTS_DIR=") != 0) continue;
        std::string value = line.substr(start + 18);
        while (!value.empty() && (value.back() == '\r' || value.back() == ' ' || value.back() == '\t')) value.pop_back();
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
        if (value.rfind("$HOME", 0) == 0) value = home + value.substr(5);
        else if (value.rfind("${HOME}", 0) == 0) value = home + value.substr(7);
        if (!value.empty() && value[0] == '/') found = value;
    }
    return found;
}

std::string environment(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

}  // namespace

std::string settingsFolderIn(const std::string& home, const std::string& configHome,
                             const std::string& currentFolder) {
    std::vector<std::string> bases;
    if (!home.empty()) {
        std::string documents = documentsFromUserDirs(home, configHome);
        // A user-dirs entry that points at the home folder itself means "no documents folder".
        if (isFolder(documents) && documents != home && documents != home + "/") bases.push_back(documents);
        if (isFolder(home + "/Documents")) bases.push_back(home + "/Documents");
    }
    if (isFolder(currentFolder)) bases.push_back(currentFolder);
    for (std::string base : bases) {
        while (base.size() > 1 && base.back() == '/') base.pop_back();
        std::string folder = base + "/quillonwerk";
        if (isFolder(folder) || (mkdir(folder.c_str(), 0755) == 0 && isFolder(folder))) return folder;
    }
    return "";
}

std::string settingsFolder() {
    std::string home = environment("HOME");
    std::string configHome = environment("XDG_CONFIG_HOME");
    if (configHome.empty() && !home.empty()) configHome = home + "/.config";
    std::vector<char> cwd(4096);
    std::string current = getcwd(cwd.data(), cwd.size()) ? cwd.data() : "";
    return settingsFolderIn(home, configHome, current);
}

std::string executableFolder() {
    std::vector<char> buf(4096);
    ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    if (n <= 0) return ".";
    std::string path(buf.data(), static_cast<size_t>(n));
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string soundFolderFor(const std::string& exeFolder) {
    // Beside the executable (the build folder, an unpacked archive), else where an install
    // puts the sound pack: PREFIX/share/dravlen for PREFIX/bin/dravlen, and, as Debian keeps a
    // game's, /usr/share/games/dravlen for /usr/games/dravlen.
    for (const std::string& folder : {exeFolder, exeFolder + "/../share/dravlen", exeFolder + "/../share/games/dravlen"}) {
        struct stat st{};
        if (stat((folder + "/dravlen1.wav").c_str(), &st) == 0 && S_ISREG(st.st_mode)) return folder;
    }
    return exeFolder;
}

std::string programFolder() { return soundFolderFor(executableFolder()); }

bool launchDetached(const std::string& path) {
    if (path.empty() || access(path.c_str(), X_OK) != 0) return false;
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) return false;
    pid_t child = fork();
    if (child < 0) {
        close(report[0]);
        close(report[1]);
        return false;
    }
    if (child == 0) {
        // The middle process starts a new session, forks the program and leaves at once, so the
        // program belongs to no one here and never lingers as a zombie of the game.
        setsid();
        pid_t grandchild = fork();
        if (grandchild == 0) {
            char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
            execv(path.c_str(), argv);
            int error = errno;
            ssize_t ignored = write(report[1], &error, sizeof error);
            (void)ignored;
            _exit(127);
        }
        _exit(grandchild < 0 ? 1 : 0);
    }
    close(report[1]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got;
    do got = read(report[0], &error, sizeof error);
    while (got < 0 && errno == EINTR);
    close(report[0]);
    bool forked = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return forked && got == 0;  // the pipe closed on a successful exec, with nothing written
}

}  // namespace dravlen::desktop
