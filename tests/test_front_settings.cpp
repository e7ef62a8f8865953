// Voice, rate and volume settings: the settings file, the three adjusters and the settings folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "frontend/settings.h"
#include "front_rig.h"

using namespace dravlen;
using namespace dravlen::testing;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

TEST(FrontSettings, TheFilesOverrideTheDefaultsNeverGoPastFullScaleAndReadBackAsWritten) {
    // The legacy file in the current folder and the file in the settings folder (its name in any case);
    // the settings they give, and the engine's voice once applied (of two voices, 0 and 1).
    struct Case { std::string legacy, own; int nv; double vr, vv, wavol; int voice; const char* name = "dravlen.cfg"; };
    const Case cases[] = {
        {"", "", 0, 0, 90, 0, 0},
        {" 1 \r\n-2 \r\n 50 \r\n-700 \r\n", "", 1, -2, 90, 0, 1},  // the legacy file gives two values only
        {" 0 \r\n 3 \r\n", " 1 \r\n-2 \r\n 50 \r\n-700 \r\n", 1, -2, 50, -700, 1},
        {"", " 1 \n 4 \n 55 \n-300 \n", 1, 4, 55, -300, 1, "DRAVLEN.CFG"},
        {"", " 3 \r\n 4 \r\n 60 \r\n 0 \r\n", 3, 4, 60, 0, 0},         // no such voice: the default stays
        {"", " 1 \r\n 3 \r\n", 1, 3, 90, 0, 1},                      // short: the rest stays
        {"", " 1 \r\n 3 \r\nloud\r\n-100\r\n", 1, 3, 90, 0, 1},      // garbage ends the reading
        {"", " 0 \r\n 0 \r\n 500 \r\n 2000 \r\n", 0, 0, 100, 0, 0},  // never past full scale
        {"", "99999\r\n1e300\r\n-5\r\n-20000\r\n", 0, 0, 0, -10000, 0},
        {"", std::string("\0\xff\xfe", 3), 0, 0, 90, 0, 0}, {"", "nan\r\ninf\r\n", 0, 0, 90, 0, 0},
    };
    for (auto& c : cases) {
        Rig r;
        std::string cwd = freshDir("-cwd");
        if (!c.legacy.empty()) std::ofstream(cwd + "/dravlen.cfg", std::ios::binary) << c.legacy;
        if (!c.own.empty()) std::ofstream(r.settings + "/" + c.name, std::ios::binary) << c.own;
        auto old = fs::current_path();
        fs::current_path(cwd);
        readSettings(r.f);
        applySettings(r.f);
        auto expected = std::tuple(c.nv, c.vr, c.vv, c.wavol);
        EXPECT_EQ(std::tuple(r.f.nv, r.f.vr, r.f.vv, r.f.wavol), expected) << c.own;
        EXPECT_EQ(std::tuple(r.sp.voice(), r.sp.rate(), r.sp.volume()), std::tuple(c.voice, c.vr, c.vv)) << c.own;
        printCFG(r.f);  // written beside the old file and renamed over it
        std::tie(r.f.nv, r.f.vr, r.f.vv, r.f.wavol) = std::tuple(5, 5, 5, -5);
        readSettings(r.f);
        fs::current_path(old);
        EXPECT_EQ(std::tuple(r.f.nv, r.f.vr, r.f.vv, r.f.wavol), expected) << c.own;
        EXPECT_EQ(std::distance(fs::directory_iterator(r.settings), fs::directory_iterator()), 1) << c.own;
    }
}

TEST(FrontSettings, TheAdjustersStepWithinTheirBoundsAndSayWhatTheyDo) {
    using Values = std::tuple<double, double, double, int>;  // vr, vv, wavol, nv
    const std::string rate = "to adjust the speech rate, use the arrow keys and then press enter";
    const std::string end = "  Press enter when you have the volume set the way that you want it. ";
    const std::string v = " use the up and down arrow keys to raise and lower the volume of the voice. " + end;
    const std::string s = " use the up and down arrow keys to adjust the volume of the sounds. " + end;
    const std::string mx = " maximum ", mn = " minimum ", qu = " quieter ", q = "do you want to use this voice";
    struct Case { void (*adjust)(Form&); const char* keys; int voices; Values from, to; Lines said; } cases[] = {
        {adjrate, "up up up enter", 2, {0, 90, 0, 0}, {3, 90, 0, 0}, {rate, "0", "1", "2", "3"}},
        // Any other key, special keys included, repeats the instructions; the rate has no bounds of its own.
        {adjrate, "down f5 down enter", 2, {-10, 90, 0, 0}, {-12, 90, 0, 0}, {rate, "-10", "-11", rate, "-11", "-12"}},
        {adjvol, "up up enter up enter", 2, {0, 95, -100, 0}, {0, 100, 0, 0}, {v, mx, mx, s, mx}},
        {adjvol, "down down enter down down enter", 2, {0, 10, -3400, 0}, {0, 0, -3500, 0}, {v, qu, mn, s, qu, mn}},
        {adjvol, "x enter f1 enter", 2, {0, 90, 0, 0}, {0, 90, 0, 0}, {v, "x", v, s, s}},  // F1: no echo
        {changevoice, "n y", 3, {0, 90, 0, 2}, {0, 90, 0, 0}, {q, " no ", q, " no "}},  // past the last: the first
        {changevoice, "n y", 3, {0, 90, 0, -4}, {0, 90, 0, 0}, {q, " no ", q, " no "}},
        {changevoice, "enter x up enter", 3, {0, 90, 0, 0}, {0, 90, 0, 1}, {q, " no ", q, " no ", q, " no ", " yes "}},
        {changevoice, "", 1, {0, 90, 0, 0}, {0, 90, 0, 0}, {}},  // one voice: nothing said
    };
    for (auto& c : cases) {
        Rig r(c.keys, c.voices);
        std::tie(r.f.vr, r.f.vv, r.f.wavol, r.f.nv) = c.from;
        applySettings(r.f);
        c.adjust(r.f);
        EXPECT_EQ(std::tuple(r.f.vr, r.f.vv, r.f.wavol, r.f.nv), c.to) << c.keys;
        auto [vr, vv, wavol, nv] = c.to;
        EXPECT_EQ(std::tuple(r.sp.rate(), r.sp.volume(), r.sp.voice()), std::tuple(std::clamp(vr, -10.0, 10.0), vv, nv))
            << c.keys;  // the engine's rates are -10 to 10
        EXPECT_EQ(r.spoken(SpeakFlag::async), c.said) << c.keys;
    }
}

TEST(FrontSettings, SoundVolumeSampleIsCutShortByTheNextKey) {
    // Down arrives during the pause before Up's sample: that sample stops at once and Down is
    // handled straight away; Down's own sample plays out.
    Rig r("enter up !down enter");
    r.sound(30, 5.0);
    adjvol(r.f);
    EXPECT_EQ(r.f.wavol, -100);
    std::vector<double> playAt, stopAt;
    for (auto& e : r.sp.events()) {
        if (e.op == "sound.play") playAt.push_back(e.t);
        if (e.op == "sound.stop") stopAt.push_back(e.t);
    }
    ASSERT_EQ(playAt.size(), 3u);
    ASSERT_EQ(stopAt.size(), 4u);                    // the three samples, and the stop before the release
    EXPECT_NEAR(stopAt[0] - playAt[0], 3.0, 0.02);  // the first sample: 3 seconds
    EXPECT_EQ(stopAt[1], playAt[1]);                 // cut at once by the pending Down
    EXPECT_GT(stopAt[2] - playAt[2], 4.9);           // plays to its end
    EXPECT_EQ(r.values("sound.volume"), (std::vector<long>{0, 0, -100}));  // each sample at the volume then set
}

TEST(FrontSettings, TheSettingsFolderIsMadeWhenMissingAndIsTheCurrentFolderWhenNone) {
    Rig r;
    r.sp.setSettingsFolder(r.settings + "/deeper/quillonwerk");
    getkp(r.f);
    EXPECT_EQ(r.f.kp, r.settings + "/deeper/quillonwerk");
    EXPECT_TRUE(fs::is_directory(r.f.kp));
    r.sp.setSettingsFolder("");
    getkp(r.f);
    EXPECT_EQ(r.f.kp, fs::current_path().string());
}
