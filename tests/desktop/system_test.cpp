// The settings folder, the program folder and starting another program.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/desktop/system_paths.h"
#include "test_files.h"

namespace dravlen::desktop {
namespace {

using testing::ScratchFolder;
namespace fs = std::filesystem;

class SettingsFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(home + "/.config");
        fs::create_directories(cwd);
    }
    ScratchFolder scratch;
    std::string home = scratch / "home";
    std::string cwd = scratch / "work";
};

TEST_F(SettingsFolderTest, DocumentsFolderNamedByUserDirs) {
    fs::create_directories(home + "/Dokumente");
    fs::create_directories(home + "/Documents");
    std::ofstream(home + "/.config/user-dirs.dirs") << "# written by xdg-user-dirs-update\n"
                                                       "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                                                       "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n";
    EXPECT_EQ(settingsFolderIn(home, home + "/.config", cwd), home + "/Dokumente/quillonwerk");
    EXPECT_TRUE(fs::is_directory(home + "/Dokumente/quillonwerk"));
    // Found again when it already exists.
    EXPECT_EQ(settingsFolderIn(home, home + "/.config", cwd), home + "/Dokumente/quillonwerk");
}

TEST_F(SettingsFolderTest, FallsBackToDocumentsThenTheCurrentFolder) {
    // The named folder does not exist: ~/Documents.
    std::ofstream(home + "/.config/user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"$HOME/Gone\"\n";
    fs::create_directories(home + "/Documents");
    EXPECT_EQ(settingsFolderIn(home, home + "/.config", cwd), home + "/Documents/quillonwerk");
    fs::remove_all(home + "/Documents");
    EXPECT_EQ(settingsFolderIn(home, home + "/.config", cwd), cwd + "/quillonwerk");
    EXPECT_EQ(settingsFolderIn("", "", cwd), cwd + "/quillonwerk");
}

TEST_F(SettingsFolderTest, EmptyWhenNothingCanBeMade) {
    if (geteuid() == 0) GTEST_SKIP() << "root can write into read-only folders";
    chmod(cwd.c_str(), 0555);
    EXPECT_EQ(settingsFolderIn(home, home + "/.config", cwd), "");
    chmod(cwd.c_str(), 0755);
}

TEST(ProgramFolder, IsWhereTheTestProgramIs) {
    EXPECT_TRUE(fs::equivalent(programFolder(), DRAVLEN_BUILD_DIR));
}

TEST(Launch, StartsAProgramDetachedAndReportsFailures) {
    ScratchFolder scratch;
    std::string marker = scratch / "started";
    std::string script = scratch / "launcher";
    // The program records its session id and its parent; "detached" means a session of its own.
    std::ofstream(script) << "#!/bin/sh\nps -o sid= -p $$ > '" << marker << ".tmp'\nmv '" << marker << ".tmp' '"
                          << marker << "'\n";
    chmod(script.c_str(), 0755);
    EXPECT_TRUE(launchDetached(script));
    for (int i = 0; i < 200 && !fs::exists(marker); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_TRUE(fs::exists(marker));
    std::ifstream in(marker);
    long sid = 0;
    in >> sid;
    EXPECT_NE(sid, long(getsid(0)));

    EXPECT_FALSE(launchDetached(scratch / "no-such-program"));
    std::string plain = scratch / "not-executable";
    std::ofstream(plain) << "text\n";
    EXPECT_FALSE(launchDetached(plain));
    // Executable, but not a program the system can start.
    std::string junk = scratch / "junk";
    std::ofstream(junk) << "\x7f" "ELF garbage";
    chmod(junk.c_str(), 0755);
    EXPECT_FALSE(launchDetached(junk));
    // Names are never handed to a shell.
    EXPECT_FALSE(launchDetached("true; touch " + marker + "2"));
    EXPECT_FALSE(fs::exists(marker + "2"));
}

}  // namespace
}  // namespace dravlen::desktop
