// Voice, rate and volume settings: the three adjusters and the settings file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "frontend/settings.h"
#include "front_rig.h"
#include "harness.h"

using namespace dravlen;
using namespace dravlen::testing;

namespace {

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

// The settings read at start-up from the given files (legacy in the current folder, own in kp).
struct Read {
    int nv;
    double vr, vv, wavol;
};
Read readWith(Rig& r, const std::string& legacy, const std::string& own, const std::string& ownName = "dravlen.cfg") {
    std::string cwd = rigDir("cwd");
    if (!legacy.empty()) writeFile(cwd + "/dravlen.cfg", legacy);
    if (!own.empty()) writeFile(r.settings + "/" + ownName, own);
    auto old = std::filesystem::current_path();
    std::filesystem::current_path(cwd);
    r.f.nv = 0;
    r.f.vr = 0;
    r.f.vv = 90;
    r.f.wavol = 0;
    readSettings(r.f);
    std::filesystem::current_path(old);
    return {r.f.nv, r.f.vr, r.f.vv, r.f.wavol};
}

}  // namespace

TEST(FrontSettings, TheFilesOverrideTheDefaultsInOrder) {
    {
        Rig r;
        auto s = readWith(r, "", "");
        EXPECT_EQ(s.nv, 0);
        EXPECT_EQ(s.vr, 0);
        EXPECT_EQ(s.vv, 90);
        EXPECT_EQ(s.wavol, 0);
    }
    {
        Rig r;
        auto s = readWith(r, " 1 \r\n-2 \r\n", "");
        EXPECT_EQ(s.nv, 1);
        EXPECT_EQ(s.vr, -2);
        EXPECT_EQ(s.vv, 90);
    }
    {
        Rig r;
        auto s = readWith(r, " 2 \r\n 3 \r\n", " 1 \r\n-2 \r\n 50 \r\n-700 \r\n");
        EXPECT_EQ(s.nv, 1);
        EXPECT_EQ(s.vr, -2);
        EXPECT_EQ(s.vv, 50);
        EXPECT_EQ(s.wavol, -700);
    }
    {
        // The file name in any case, as a case-blind file system would find it.
        Rig r;
        auto s = readWith(r, "", " 1 \n 4 \n 55 \n-300 \n", "DRAVLEN.CFG");
        EXPECT_EQ(s.vv, 55);
        EXPECT_EQ(s.wavol, -300);
    }
}

TEST(FrontSettings, ShortGarbledOrWildFilesNeverBreakAnythingNorGoPastFullScale) {
    Rig r;
    auto s = readWith(r, "", " 1 \r\n 3 \r\n");  // two values: the rest stays
    EXPECT_EQ(s.nv, 1);
    EXPECT_EQ(s.vr, 3);
    EXPECT_EQ(s.vv, 90);
    s = readWith(r, "", " 1 \r\n 3 \r\nloud\r\n-100\r\n");  // garbage ends the reading
    EXPECT_EQ(s.vr, 3);
    EXPECT_EQ(s.vv, 90);
    EXPECT_EQ(s.wavol, 0);
    s = readWith(r, "", " 0 \r\n 0 \r\n 500 \r\n 2000 \r\n");  // louder than the device plays
    EXPECT_EQ(s.vv, 100);
    EXPECT_EQ(s.wavol, 0);
    s = readWith(r, "", "99999\r\n1e300\r\n-5\r\n-20000\r\n");
    EXPECT_EQ(s.nv, 0);
    EXPECT_EQ(s.vr, 0);
    EXPECT_EQ(s.vv, 0);
    EXPECT_EQ(s.wavol, -10000);
    s = readWith(r, "", std::string("\0\xff\xfe", 3));
    EXPECT_EQ(s.vv, 90);
    s = readWith(r, "", "nan\r\ninf\r\n");
    EXPECT_EQ(s.nv, 0);
}

TEST(FrontSettings, ABadVoiceIndexLeavesTheDefaultVoiceWithRateAndVolumeApplied) {
    Rig r;
    r.sp.setVoices(2);
    readWith(r, "", " 3 \r\n 4 \r\n 60 \r\n 0 \r\n");
    applySettings(r.f);
    EXPECT_EQ(r.sp.voice(), 0);
    EXPECT_EQ(r.sp.rate(), 4);
    EXPECT_EQ(r.sp.volume(), 60);
    EXPECT_EQ(r.values("voice"), std::vector<long>{3});
}

TEST(FrontSettings, PrintCfgWritesTheFourLinesAndReadsBack) {
    Rig r;
    r.f.nv = 1;
    r.f.vr = -2;
    r.f.vv = 50;
    r.f.wavol = -700;
    printCFG(r.f);
    EXPECT_EQ(readFile(r.settings + "/dravlen.cfg"), " 1 \r\n-2 \r\n 50 \r\n-700 \r\n");
    auto s = readWith(r, "", "");
    EXPECT_EQ(s.nv, 1);
    EXPECT_EQ(s.vr, -2);
    EXPECT_EQ(s.vv, 50);
    EXPECT_EQ(s.wavol, -700);
    // Defaults, over an old file; no temporary file is left behind.
    r.f.nv = 0;
    r.f.vr = 0;
    r.f.vv = 90;
    r.f.wavol = 0;
    printCFG(r.f);
    EXPECT_EQ(readFile(r.settings + "/dravlen.cfg"), " 0 \r\n 0 \r\n 90 \r\n 0 \r\n");
    int files = 0;
    for (auto& e : std::filesystem::directory_iterator(r.settings)) files += e.is_regular_file();
    EXPECT_EQ(files, 1);
}

TEST(FrontSettings, RateAdjusterStepsByOneAndEndsOnEnter) {
    Rig r("up up up enter");
    adjrate(r.f);
    EXPECT_EQ(r.f.vr, 3);
    EXPECT_EQ(r.spoken(SpeakFlag::async),
              (std::vector<std::string>{"to adjust the speech rate, use the arrow keys and then press enter", "0", "1",
                                        "2", "3"}));
    EXPECT_TRUE(r.echoed.empty());  // its own feedback is not in the transcript
    EXPECT_EQ(r.f.g, "");
    // Other keys, special keys included, repeat the instructions; no bounds of its own.
    Rig d("down f5 down enter");
    d.f.vr = -10;
    adjrate(d.f);
    EXPECT_EQ(d.f.vr, -12);
    EXPECT_EQ(d.spoken(SpeakFlag::async),
              (std::vector<std::string>{"to adjust the speech rate, use the arrow keys and then press enter", "-10", "-11",
                                        "to adjust the speech rate, use the arrow keys and then press enter", "-11",
                                        "-12"}));
}

TEST(FrontSettings, VolumeAdjusterStopsAtItsBoundsWithItsWords) {
    const std::string voiceText =
        " use the up and down arrow keys to raise and lower the volume of the voice.   Press enter when you have "
        "the volume set the way that you want it. ";
    const std::string soundText =
        " use the up and down arrow keys to adjust the volume of the sounds.   Press enter when you have the volume "
        "set the way that you want it. ";
    {
        Rig r("up up enter up enter");
        r.f.vv = 95;
        r.f.wavol = -100;
        adjvol(r.f);
        EXPECT_EQ(r.f.vv, 100);
        EXPECT_EQ(r.f.wavol, 0);
        EXPECT_EQ(r.echoed, (std::vector<std::string>{voiceText, " maximum ", " maximum ", soundText, " maximum "}));
        EXPECT_EQ(r.sp.volume(), 100);
    }
    {
        Rig r("down down enter down down enter");
        r.f.vv = 10;
        r.f.wavol = -3400;
        adjvol(r.f);
        EXPECT_EQ(r.f.vv, 0);
        EXPECT_EQ(r.f.wavol, -3500);
        EXPECT_EQ(r.echoed,
                  (std::vector<std::string>{voiceText, " quieter ", " minimum ", soundText, " quieter ", " minimum "}));
    }
    {
        // Any other key echoes and repeats the instructions; F1 only repeats them.
        Rig r("x enter f1 enter");
        adjvol(r.f);
        EXPECT_EQ(r.echoed, (std::vector<std::string>{voiceText, voiceText, soundText, soundText}));
        EXPECT_EQ(r.f.g, "");
    }
}

TEST(FrontSettings, SoundVolumeSampleIsCutShortByTheNextKey) {
    // Up plays the sample at the new volume; Down arrives during the pause before it, so that
    // sample stops at once and Down is handled straight away; Down's own sample plays out.
    Rig r("enter up !down enter");
    r.sound(30, 5.0);
    adjvol(r.f);
    EXPECT_EQ(r.f.wavol, -100);
    std::vector<double> playAt, stopAt;
    for (auto& e : r.events()) {
        if (e.op == "sound.play") playAt.push_back(e.t);
        if (e.op == "sound.stop") stopAt.push_back(e.t);
    }
    ASSERT_EQ(playAt.size(), 3u);
    ASSERT_EQ(stopAt.size(), 4u);  // the three samples, and the stop before the release
    EXPECT_NEAR(stopAt[0] - playAt[0], 3.0, 0.02);  // the first sample: 3 seconds
    EXPECT_NEAR(stopAt[1], playAt[1], 1e-9);         // cut at once by the pending Down
    EXPECT_GT(stopAt[2] - playAt[2], 4.9);           // plays to its end
    EXPECT_EQ(r.values("sound.volume"), (std::vector<long>{0, 0, -100}));
    EXPECT_EQ(r.values("sound.release").size(), 1u);
    EXPECT_EQ(r.f.shotBuf, 0);
    EXPECT_EQ(std::vector<std::string>(r.echoed.end() - 2, r.echoed.end()),
              (std::vector<std::string>{" maximum ", " quieter "}));
}

TEST(FrontSettings, VoiceChooserStepsThroughTheVoicesAndWraps) {
    {
        Rig r("n y", 3);
        r.f.nv = 2;
        changevoice(r.f);
        EXPECT_EQ(r.f.nv, 0);
        EXPECT_EQ(r.sp.voice(), 0);
        EXPECT_EQ(r.echoed, (std::vector<std::string>{"do you want to use this voice", " no ",
                                                      "do you want to use this voice", " no "}));
    }
    {
        // Enter on no moves on, Up then Enter keeps; any other key asks again with no.
        Rig r("enter x up enter", 3);
        changevoice(r.f);
        EXPECT_EQ(r.f.nv, 1);
        EXPECT_EQ(r.echoed.back(), " yes ");
    }
    {
        Rig r("", 1);
        changevoice(r.f);  // one voice: returns at once, nothing said
        EXPECT_TRUE(r.echoed.empty());
    }
}

TEST(FrontSettings, TheSettingsFolderIsMadeWhenMissingAndIsTheCurrentFolderWhenNone) {
    Rig r;
    std::string nested = r.settings + "/deeper/quillonwerk";
    r.sp.setSettingsFolder(nested);
    getkp(r.f);
    EXPECT_EQ(r.f.kp, nested);
    EXPECT_TRUE(std::filesystem::is_directory(nested));
    r.sp.setSettingsFolder("");
    getkp(r.f);
    EXPECT_EQ(r.f.kp, std::filesystem::current_path().string());
}
