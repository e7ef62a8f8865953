// The front end around the game: the settings file and folder, sound effects and waits that
// sleep, dollar amounts, the pending key and the window's close, the launcher hand-off and the
// farewell draw. (How one-shots play, pan and give way to a key, typed entry, the key and digit
// readers and the screen's replay, the stories tell.)
#include "rig.h"

using namespace dravlen;
using namespace dravlen::testing;

TEST(FrontSettings, TheFilesOverrideTheDefaultsNeverGoPastFullScaleAndReadBackAsWritten) {
    // The legacy file in the current folder and the file in the settings folder (its name in any case);
    // the settings they give, and the engine's voice once applied (of two voices, 0 and 1). (No file at
    // all, the stories tell.)
    struct Case { std::string legacy, own; int nv; double vr, vv, wavol; int voice; const char* name = "dravlen.cfg"; };
    const Case cases[] = {
        {" 1 \r\n-2 \r\n 50 \r\n-700 \r\n", "", 1, -2, 90, 0, 1},  // the legacy file gives two values only
        {" 0 \r\n 3 \r\n", " 1 \r\n-2 \r\n 50 \r\n-700 \r\n", 1, -2, 50, -700, 1},
        {"", " 1 \n 4 \n 55 \n-300 \n", 1, 4, 55, -300, 1, "DRAVLEN.CFG"},
        {"", " 3 \r\n 4 \r\n 60 \r\n 0 \r\n", 3, 4, 60, 0, 0},  // no such voice: the default stays
        // short, or garbage that ends the reading: the rest stays
        {"", " 1 \r\n 3 \r\n", 1, 3, 90, 0, 1}, {"", " 1 \r\n 3 \r\nloud\r\n-100\r\n", 1, 3, 90, 0, 1},
        {"", " 0 \r\n 0 \r\n 500 \r\n 2000 \r\n", 0, 0, 100, 0, 0},  // never past full scale
        {"", "99999\r\n1e300\r\n-5\r\n-20000\r\n", 0, 0, 0, -10000, 0},
        {"", std::string("\0\xff\xfe", 3), 0, 0, 90, 0, 0}, {"", "nan\r\ninf\r\n", 0, 0, 90, 0, 0},
    };
    const auto home = fs::current_path();
    for (auto& c : cases) {
        Rig r;
        fs::current_path(freshDir("-cwd"));
        if (!c.legacy.empty()) std::ofstream("dravlen.cfg", std::ios::binary) << c.legacy;
        if (!c.own.empty()) std::ofstream(r.settings + "/" + c.name, std::ios::binary) << c.own;
        readSettings(r.f);
        applySettings(r.f);
        const auto expected = std::tuple(c.nv, c.vr, c.vv, c.wavol);
        EXPECT_EQ(std::tuple(r.f.nv, r.f.vr, r.f.vv, r.f.wavol), expected) << c.own;
        EXPECT_EQ(std::tuple(r.sp.voice(), r.sp.rate(), r.sp.volume()), std::tuple(c.voice, c.vr, c.vv)) << c.own;
        printCFG(r.f);  // written beside the old file and renamed over it
        std::tie(r.f.nv, r.f.vr, r.f.vv, r.f.wavol) = std::tuple(5, 5, 5, -5);
        readSettings(r.f);
        fs::current_path(home);
        EXPECT_EQ(std::tuple(r.f.nv, r.f.vr, r.f.vv, r.f.wavol), expected) << c.own;
        EXPECT_EQ(std::distance(fs::directory_iterator(r.settings), fs::directory_iterator()), 1) << c.own;
    }
}

TEST(FrontSettings, TheSettingsFolderIsMadeWhenMissingAndIsTheCurrentFolderWhenNone) {
    Rig r;
    for (const std::string& folder : {r.settings + "/deeper/quillonwerk", std::string()}) {
        r.sp.setSettingsFolder(folder);
        getkp(r.f);
        EXPECT_EQ(r.f.kp, folder.empty() ? fs::current_path().string() : folder);
        EXPECT_TRUE(fs::is_directory(r.f.kp));
    }
}

TEST(FrontSound, FadesStepByHundredthsOfADecibelGlidesByOneHertzAndOneShotsAreReleased) {
    Rig r;
    r.sound(44, 14.0);
    r.sound(45, 0.2);
    r.f.engineBuf = r.f.p.sound.load(soundPath(r.f, 46));
    r.f.wavol = -3500;
    engineStartSound(r.f, r.t.wetWeather);
    engineStopSound(r.f);
    glideEngine(r.f, 20050, 22055, 4000);
    EXPECT_NEAR(r.sp.now(), 15.0, 0.05);  // the start sound to its end, half a second each for fade and glide
    glideEngine(r.f, 22055, 22050, 4000);
    glideEngine(r.f, 22050, 22050, 4000);
    Longs volumes{-10000}, hertz;  // -10000 before playing, up to -3500, then down from -1 to -10000
    for (long v = -10000; v <= -3500; ++v) volumes.push_back(v);
    for (long v = -1; v >= -10000; --v) volumes.push_back(v);
    for (long hz = 20050; hz <= 22055; ++hz) hertz.push_back(hz);
    for (long hz = 22055; hz >= 22050; --hz) hertz.push_back(hz);
    EXPECT_TRUE(r.values("sound.volume", r.f.engineBuf) == volumes);
    EXPECT_TRUE(r.values("sound.frequency", r.f.engineBuf) == hertz);
    // One-shots play at their rate + 1, but a rate too wide for sixteen bits plays as it is; each is
    // released once it has played.
    r.sound(7, 0.1, 48000);
    r.sound(8, 0.1, 32766);
    play(r.f, 7);
    play3(r.f, 8, 5);
    EXPECT_EQ(r.values("sound.frequency").back(), 32767);
    EXPECT_EQ(std::pair(r.values("sound.pan").back(), r.values("sound.release").size()), std::pair(0L, 4ul));
}

TEST(FrontSpeech, DollarAmountsReadAsTheTableSaysWithHalfCentsToEven) {
    struct Case { double amount; const char* text; } cases[] = {
        {190, "190 dollors"}, {1, "1 dollor"}, {1.01, "1 dollor, and,  1 cent"}, {0.5, " 50 cents"}, {0.01, " 1 cent"},
        {2500.75, "2,500 dollors, and,  75 cents"}, {1000000, "1,000,000 dollors"}, {999, "999 dollors"},
        {123456.02, "123,456 dollors, and,  2 cents"}, {2.125, "2 dollors, and,  12 cents"},
        {2.375, "2 dollors, and,  38 cents"}, {0, ""}, {0.004, ""}, {-12.9, ""},
    };
    for (auto& c : cases) EXPECT_EQ(dollarText(c.amount), c.text) << c.amount;
}

TEST(FrontKeys, ClkEmptiesThePendingKeyAndAWindowCloseLeavesTheGameOnce) {
    Rig r("!a");
    Form_KeyDown(r.f, 'Q');
    clk(r.f);  // a key arriving in its first yield stays pending, without its character
    EXPECT_EQ(r.f.g + "|" + r.f.g2, "65|");
    r.sp.requestClose();  // leaves as the exit question's yes does
    EXPECT_THROW(clk(r.f), GameOver);
    EXPECT_TRUE(std::filesystem::exists(r.settings + "/dravlen.cfg"));
    EXPECT_EQ(r.values("beep").size(), 2u);
    r.sp.requestClose();  // once leaving, another close does not start the leaving again
    EXPECT_NO_THROW(clk(r.f));
}

TEST(FrontGame, TheLauncherStartsOnlyWhenAnExecutableFileOfItsNameIsInTheCurrentFolder) {
    struct Case { const char* name; fs::perms perms; bool launched; } cases[] = {  // perms none: a folder
        {"lobbarin.exe", fs::perms::owner_all, true},  {"LobBarin.EXE", fs::perms::owner_all, true},
        {"LOBBARIN", fs::perms::owner_all, true},      {"lobbarin.exe", fs::perms::owner_read, false},
        {"lobbarin", fs::perms::none, false},          {"lobbarin.sh", fs::perms::owner_all, false}};
    for (auto& c : cases) {
        RunOptions o{.keys = "esc y", .cwd = freshDir("-cwd")};
        const std::string path = o.cwd + "/" + c.name;
        if (c.perms == fs::perms::none) fs::create_directories(path);
        else std::ofstream(path) << "#!/bin/sh\n";
        fs::permissions(path, c.perms == fs::perms::none ? fs::perms::owner_all : c.perms);
        std::string heard;  // the beeps, launches and words, in order
        for (auto& e : runScript(o).events)
            if (e.op == "beep" || e.op == "launch" || (e.op == "speak" && !e.text.empty())) heard += e.op + " " + e.text + "|";
        const std::string end = c.launched ? "speak  Thank you for playing Dravlen By Brannock |launch " + path + "|"
                                     : "beep |beep |speak Sorry, but I could not find the Quillonwerk game menu program.|";
        EXPECT_EQ(heard.substr(heard.size() - std::min(heard.size(), end.size())), end) << c.name;
    }
}

TEST(FrontGame, TheEndingPlaysTwoDifferentFarewellsThenTheOpeningSound) {
    const std::vector<int> table = {4, 34, 35, 41, 40, 29, 30};
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        for (int last : {0, 3}) {  // 3: the last game ended on sound 35, which must not open this one
            Rig r;
            r.t.rng.seed(seed);
            r.t.lastFarewell = last;
            EXPECT_THROW(gameEnding(r.f, r.t), GameOver);
            std::vector<int> sounds;
            for (auto& e : r.sp.events())
                if (e.op == "sound.load") sounds.push_back(e.sound);
            ASSERT_EQ(sounds.size(), 3u);
            auto place = [&](int s) { return std::find(table.begin(), table.end(), s) - table.begin() + 1; };
            const long a = place(sounds[0]), b = place(sounds[1]);
            EXPECT_TRUE(a <= 7 && b <= 7 && a != b && a != last) << seed;
            EXPECT_EQ(std::pair(sounds[2], static_cast<long>(r.t.lastFarewell)), std::pair(1, b)) << seed;
        }
    }
}
