// The truck stop and the hazards on the scripted platform: diesel, tires, sleep, the rock slide
// and the refrigeration failure.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "frontend/speech.h"
#include "road/hour.h"
#include "road/places.h"
#include "stops/arrival.h"
#include "stops/hazards.h"
#include "stops/roadside.h"
#include "stops/truckstop.h"
#include "trip_rig.h"

namespace dravlen::testing {
namespace {

const std::string kOffer = " Truck stop ahead.  Do you want to stop? ", kYes = " yes ",
                  kSoFar = " So far, you have spent ", kSleep = " Do you want to get some sleep? ",
                  kRestQuestion = "     How many hours of rest", kTooLong = " You can rest at most 99 hours.",
                  kTireMenu = " Do you want to buy a New tire or a retread?",
                  kReferOff = "Sitting with the refer unit off is damaging the oranges.";

// Keys as the rig's tokens, with "." for the key whose character is the decimal point (code 46).
void typeKeys(TripRig& r, const std::string& tokens) {
    std::istringstream in(tokens);
    std::string tok;
    while (in >> tok)
        if (tok == ".")
            r.sp.addKeys(std::vector<scripted::Key>{{46, ".", false}});
        else
            r.sp.addKeys(tok);
}

// Freight at a stop, a spare on board, the given trip hour.
void atTheStop(TripRig& r, const std::string& keys, int tripHours = 0, int cargo = 2) {
    typeKeys(r, keys);
    r.t.cargo = static_cast<int16_t>(cargo);
    r.t.tripHours = static_cast<int16_t>(tripHours);
    r.t.hoursSinceStopOffer = 4;
}

int count(const std::vector<int>& v, int n) { return static_cast<int>(std::count(v.begin(), v.end(), n)); }
int count(const Lines& v, const std::string& s) { return static_cast<int>(std::count(v.begin(), v.end(), s)); }
double priceCents(double draw) { return static_cast<int>(draw * 35) + 85; }

TEST(TruckStop, DecliningAddsAnHourAwakeAndAnythingElseAsksAgain) {
    const std::pair<const char*, int> rows[] = {{"n", 1}, {"down enter", 1}, {"x n", 2}, {"esc n n", 2}};
    for (auto [keys, asked] : rows) {
        TripRig r;
        atTheStop(r, keys);
        truckStop(r.f, r.t);
        EXPECT_EQ(std::tuple(count(r.lines, kOffer), r.t.screenLineCount, r.t.hoursAwake, r.t.hoursSinceStopOffer,
                             r.draws.size(), r.t.tripHours),
                  std::tuple(asked, asked, 4, 4, 0u, 0)) << keys;
    }
}

TEST(TruckStop, GallonsPaymentAndTheSpillAboveTwoHundredAndOne) {
    struct Row {
        const char* keys;
        double fuel, gallons, after;
        int asked;          // times the price and the question were spoken
        int refused;        // more than the pump gives
        const char* spill;  // nullptr: nothing spilled
    } rows[] = {
        {"enter", 100, 0, 100, 1, 0, nullptr},
        {"4 0 enter", 100, 40, 140, 1, 0, nullptr},
        {"5 2 enter", 150, 52, 200, 1, 0, " Your tank only holds 200 gallons.  2 gallons spilled !!"},
        {"5 1 enter", 150, 51, 201, 1, 0, nullptr},
        {"5 2 enter", 149.5, 52, 200, 1, 0, " Your tank only holds 200 gallons.  1 gallon spilled !!"},
        {"9 9 9 enter", 0, 999, 200, 1, 0, " Your tank only holds 200 gallons.  799 gallons spilled !!"},
        {"9 x 1 0 enter", 100, 10, 110, 2, 0, nullptr},
        {"esc n 1 0 enter", 100, 10, 110, 2, 0, nullptr},
        {"1 0 0 0 enter 1 0 enter", 100, 10, 110, 2, 1, nullptr},
        {"9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 enter enter", 100, 0, 100, 2, 1, nullptr},
    };
    for (auto& row : rows) {
        SCOPED_TRACE(row.keys);
        TripRig r;
        atTheStop(r, std::string("y ") + row.keys + " n");
        r.t.fuel = row.fuel;
        truckStop(r.f, r.t);
        ASSERT_EQ(r.draws.size(), 2u) << "the price, and the nozzle's one in ten";
        const double cents = priceCents(r.draws[0]), paid = cents * row.gallons / 100;
        Lines tail{kSoFar, dollarText(190 + paid)};
        if (row.gallons > 0) tail.insert(tail.begin(), {"Pay ", dollarText(paid)});
        if (row.spill) tail.push_back(row.spill);
        tail.insert(tail.end(), {kSleep, kYes, "", " Day Monday", " Time:  9 A.M. "});
        EXPECT_EQ(Lines(r.lines.end() - static_cast<long>(tail.size()), r.lines.end()), tail);
        EXPECT_EQ(std::tuple(count(r.lines, dollarText(cents / 100)), count(r.lines, " The pump gives at most 999 gallons.")),
                  std::tuple(row.asked, row.refused));
        EXPECT_EQ(std::tuple(r.t.fuel, r.t.expenses, r.t.tripHours, r.t.hoursSinceStopOffer),
                  std::tuple(row.after, 190 + paid, 1, 0));
        std::vector<int> sounds{43};
        if (row.gallons > 0) sounds.push_back(27);
        if (static_cast<int>(r.draws[1] * 10) + 1 == 7) sounds.push_back(30);
        sounds.push_back(40);
        if (row.spill) sounds.push_back(26);
        sounds.push_back(44);
        EXPECT_EQ(r.soundsPlayed(), sounds);
    }
}

TEST(TruckStop, PriceFromEightyFiveCentsToADollarNineteenAndTheNozzleOneTimeInTen) {
    struct Row {
        bool (*wanted)(const std::vector<double>&);
        const char* price;
        bool nozzle;
    } rows[] = {
        {[](auto& d) { return d[0] < 1 / 35.0 && d[1] >= 0.6 && d[1] < 0.7; }, " 85 cents", true},
        {[](auto& d) { return d[0] >= 34 / 35.0 && d[1] >= 0.7 && d[1] < 0.8; }, "1 dollor, and,  19 cents", false},
        {[](auto& d) { return d[0] >= 15 / 35.0 && d[0] < 16 / 35.0 && d[1] < 0.6; }, "1 dollor", false},
    };
    for (auto& row : rows) {
        TripRig r("", seedWhere(2, row.wanted));
        atTheStop(r, "y enter n");
        truckStop(r.f, r.t);
        EXPECT_EQ(std::tuple(r.lines[3], count(r.soundsPlayed(), 30)), std::tuple(row.price, row.nozzle ? 1 : 0));
    }
}

TEST(TruckStop, ATireOnlyWithoutASpareNewOrRetreadByTheMenu) {
    struct Row {
        const char* keys;
        int menus;   // times the new-or-retread question was spoken
        int bought;  // 0 none, 1 new, 2 retread
    } rows[] = {
        {"n", 0, 0},          {"x n", 0, 0},           {"y enter", 1, 1},       {"y r enter", 1, 2},
        {"y r n enter", 1, 1}, {"y r up enter", 1, 1},  {"y down enter", 1, 2},  {"y r f3 enter", 2, 1},
        {"y r x enter", 2, 1}, {"y r esc n r enter", 2, 2},
    };
    for (auto& row : rows) {
        SCOPED_TRACE(row.keys);
        TripRig r;
        atTheStop(r, std::string("y enter ") + row.keys + " n");
        r.t.spareTires = 0;
        truckStop(r.f, r.t);
        ASSERT_EQ(r.draws.size(), 4u);
        const int newPrice = static_cast<int>(r.draws[2] * 50) + 200, retread = static_cast<int>(r.draws[3] * 70) + 100;
        EXPECT_EQ(count(r.lines, " A new tire costs $ " + std::to_string(newPrice) + " A retread costs $ " +
                                     std::to_string(retread)), 1);
        EXPECT_EQ(count(r.lines, "     Do you want to buy a tire?"), std::string(row.keys) == "x n" ? 2 : 1);
        EXPECT_EQ(count(r.lines, kTireMenu), row.menus);
        EXPECT_EQ(std::tuple(r.t.spareTires, r.t.expenses),
                  std::tuple(row.bought ? 1 : 0, 190 + (row.bought == 1 ? newPrice : row.bought == 2 ? retread : 0)));
        const std::vector<int> sounds = r.soundsPlayed();
        EXPECT_EQ(std::tuple(count(sounds, 37), count(sounds, 40)), std::tuple(row.bought ? 1 : 0, row.bought ? 2 : 1));
    }
    TripRig r;  // with a spare on board, no tire is offered and no price drawn
    atTheStop(r, "y enter n");
    truckStop(r.f, r.t);
    EXPECT_EQ(std::tuple(r.draws.size(), count(r.lines, "     Do you want to buy a tire?")), std::tuple(2u, 0));
}

TEST(TruckStop, RestQuietAtNightNoisyByDayHalfOfItSlept) {
    struct Row {
        int tripHours;  // before the stop's own hour; h is one more
        const char* hours;
        int awake;
        int quiet, noisy;  // sounds 24 and 25
        int tripAfter, sleepAfter, awakeAfter;
        int realSleep;     // -1: no daytime-noise line
        int refused;
    } rows[] = {
        {12, "8", 3, 8, 0, 21, 15, 0, -1, 0},  // 9 P.M.
        {5, "8", 3, 0, 8, 14, 11, 0, 4, 0},    // 2 P.M.: four hours of real sleep clear the hours awake
        {11, "3", 7, 3, 0, 15, 10, 4, -1, 0},  // 8 P.M. is quiet; 3.5 rounds to 4
        {10, "3", 7, 0, 3, 14, 9, 4, 2, 0},    // 7 P.M. is noisy
        {10, "3", 5, 0, 3, 14, 9, 2, 2, 0},    // 2.5 rounds to 2
        {20, "2", 9, 2, 0, 23, 9, 4, -1, 0},   // 5 A.M. is quiet; 4.5 rounds to 4
        {21, "8", 3, 0, 8, 30, 11, 0, 4, 0},   // 6 A.M. is noisy
        {12, "8 . 5", 3, 8, 0, 22, 16, 0, -1, 0},
        {12, "2 . 5", 3, 2, 0, 16, 10, 2, -1, 0},
        {5, "1", 3, 0, 1, 7, 8, 2, 1, 0},      // Int(1.1)
        {5, "2 . 9", 3, 0, 3, 9, 9, 2, 2, 0},  // Int(2.05)
        {12, "1 0 0 enter 9 9", 3, 99, 0, 112, 106, 0, -1, 1},
    };
    for (auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.tripHours) + " " + row.hours);
        TripRig r;
        atTheStop(r, std::string("y enter y ") + row.hours + " enter", row.tripHours);
        r.t.hoursAwake = static_cast<int16_t>(row.awake);
        truckStop(r.f, r.t);
        const std::vector<int> sounds = r.soundsPlayed();
        EXPECT_EQ(std::tuple(count(sounds, 24), count(sounds, 25), count(sounds, 23), sounds.back()),
                  std::tuple(row.quiet, row.noisy, 1, 44));
        EXPECT_EQ(std::tuple(r.t.tripHours, r.t.sleepHours, r.t.hoursAwake), std::tuple(row.tripAfter, row.sleepAfter, row.awakeAfter));
        EXPECT_EQ(count(r.lines, " Thanks to the daytime noise, you got only " + std::to_string(row.realSleep) +
                                     "hours real sleep."), row.realSleep < 0 ? 0 : 1);
        EXPECT_EQ(count(r.lines, kTooLong), row.refused);
        EXPECT_EQ(r.lines[r.lines.size() - 2], " Day " + r.t.dayNames[(row.tripAfter + 8) / 24]);
    }
}

TEST(TruckStop, TooLittleRestIsNoneAndNoNumberIsAskedForAgain) {
    // Less than an hour (or no number) ends the stop with the engine, without a clock readout.
    for (const char* hours : {". 5", "", "a b c", "0"}) {
        TripRig r;
        atTheStop(r, std::string("y enter y ") + hours + " enter", 12);
        truckStop(r.f, r.t);
        EXPECT_EQ(std::tuple(r.lines.back(), r.t.tripHours, r.t.sleepHours, r.soundsPlayed().back()),
                  std::tuple(kRestQuestion, 13, 7, 44)) << hours;
    }
    // Hundreds of digits make no finite number: asked again, like a rest too long.
    std::string digits;
    for (int i = 0; i < 400; ++i) digits += "9 ";
    TripRig r;
    atTheStop(r, "y enter y " + digits + "enter 2 enter", 12);
    truckStop(r.f, r.t);
    EXPECT_EQ(std::tuple(count(r.lines, kTooLong), count(r.lines, kRestQuestion), r.t.tripHours), std::tuple(1, 2, 15));
}

TEST(TruckStop, OrangesBurnDieselThroughTheRestAndMayBuyMore) {
    struct Row {
        double fuel;
        const char* keys;
        const char* left;
        bool dry;
    } rows[] = {
        {20, "4 enter n", " You now have  0 gallons of fuel.", true},  // 28 gallons needed
        {28, "4 enter n", " You now have  0 gallons of fuel.", false},
        {100, "4 . 5 enter x n", " You now have  68 gallons of fuel.", false},
    };
    for (auto& row : rows) {
        SCOPED_TRACE(row.left);
        TripRig r;
        atTheStop(r, std::string("y enter y ") + row.keys, 12, 1);
        r.t.fuel = row.fuel;
        truckStop(r.f, r.t);
        ASSERT_EQ(r.draws.size(), row.dry ? 3u : 2u);
        const int damage = row.dry ? static_cast<int>(r.draws[2] * 3) : 0;
        EXPECT_EQ(std::tuple(r.t.damagePoints, r.t.engineOff, count(r.lines, kReferOff), count(r.soundsPlayed(), 41)),
                  std::tuple(damage, 0, row.dry ? 1 : 0, row.dry ? 1 : 0));
        const Lines tail{row.left, " Do you want to buy more? ", kYes};
        const int asked = std::string(row.keys).find('x') != std::string::npos ? 2 : 1;
        EXPECT_EQ(Lines(r.lines.end() - 3, r.lines.end()), tail);
        EXPECT_EQ(count(r.lines, row.left), asked);
        EXPECT_EQ(r.soundsPlayed().back(), 44);
    }
    // Buying more is a whole second pass: the pump's own sound, a new price, another hour, the
    // sleep question again.
    TripRig r;
    atTheStop(r, "y enter y 4 enter y 1 0 enter n", 12, 1);
    r.t.fuel = 100;
    truckStop(r.f, r.t);
    ASSERT_EQ(r.draws.size(), 4u);
    const std::vector<int> sounds = r.soundsPlayed();
    EXPECT_EQ(std::tuple(count(sounds, 43), count(sounds, 29), count(r.lines, kSleep)), std::tuple(1, 1, 2));
    EXPECT_EQ(std::tuple(r.t.tripHours, r.t.fuel, r.t.hoursSinceStopOffer), std::tuple(18, 82, 0));
    EXPECT_EQ(r.t.expenses, 190 + priceCents(r.draws[2]) * 10 / 100) << "paid at the second pass's price";
}

TEST(RockSlide, ClearedInZeroToFiveHoursWithANapOfHalfAndOrangesBurnSevenGallonsAnHour) {
    struct Row {
        int cargo, hours;
        double fuel, after;
        bool dry;  // 1 gallon or less left
    } rows[] = {{2, 0, 190, 190, false}, {2, 1, 190, 190, false}, {2, 2, 190, 190, false}, {2, 3, 190, 190, false},
                {2, 4, 190, 190, false}, {2, 5, 190, 190, false}, {1, 5, 100, 65, false}, {1, 5, 37, 2, false},
                {1, 5, 36, 55, true},    {1, 5, 30, 55, true}};
    const int naps[] = {0, 0, 1, 2, 2, 3};
    for (auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.hours) + " " + std::to_string(row.fuel));
        TripRig r(2, [&](auto& d) { return d[0] >= 0.75 && static_cast<int>(d[1] * 6) == row.hours; });
        r.t.cargo = static_cast<int16_t>(row.cargo);
        r.t.eventCode = 6.75;
        r.t.fuel = row.fuel;
        r.t.tripHours = 17;  // 1 A.M. Tuesday
        r.t.hoursAwake = 9;
        rockSlide(r.f, r.t);
        ASSERT_EQ(r.draws.size(), row.dry ? 4u : 2u);
        const int wasted = row.dry ? static_cast<int>(r.draws[2] * 5) : 0, nap = row.dry ? 0 : naps[row.hours];
        Lines said{" A rock slide has blocked the Alleghany Tunnel entrance.",
                   "     THE HIGHWAY DEPARTMENT WILL HAVE IT CLEARED IN  " + std::to_string(row.hours) + " HOURS.",
                   "     While waiting, you got  " + std::to_string(nap) + " hours of sleep", "", " Day Tuesday",
                   " Time:  " + std::to_string(1 + row.hours + wasted) + " A.M. "};
        if (row.dry) said.insert(said.begin() + 2, r.lines.begin() + 2, r.lines.begin() + 6);
        EXPECT_EQ(r.lines, said);
        EXPECT_EQ(std::tuple(r.t.fuel, r.t.expenses, r.t.tripHours, r.t.sleepHours, r.t.engineOff),
                  std::tuple(row.after, row.dry ? 390 : 190, 17 + row.hours + wasted, 7 + nap, 0));
        // 9 hours awake halve to 4 (4.5 to the even); the waiting hours are not hours awake.
        EXPECT_EQ(r.t.hoursAwake, row.dry ? 9 + wasted : nap > 0 ? 4 : 9);
        EXPECT_EQ(r.t.damagePoints, row.dry ? static_cast<int>(r.draws[3] * 3) : 0);
        // The engine loop runs on through the wait: no stop or start sound.
        const std::vector<int> sounds = r.soundsPlayed();
        EXPECT_EQ(std::tuple(count(sounds, 41), count(sounds, 44), count(sounds, 45), count(sounds, 24)),
                  std::tuple(row.dry ? 1 : 0, 0, 0, nap));
        EXPECT_EQ(count(r.lines, "     You ran out of gas while waiting"), row.dry ? 1 : 0);
    }
    TripRig r(1, [](auto& d) { return d[0] < 0.75; });
    r.t.eventCode = 6.75;
    rockSlide(r.f, r.t);
    EXPECT_EQ(std::tuple(r.lines.size(), r.draws.size(), r.t.tripHours), std::tuple(0u, 1u, 0));
}

TEST(RefrigerationCheck, OrangesOnlyRepairedForAHundredDollarsAndTwoHours) {
    for (int cargo : {2, 3}) {
        TripRig r;
        r.t.cargo = static_cast<int16_t>(cargo);
        r.t.eventCode = 7.8;
        refrigerationCheck(r.f, r.t);
        EXPECT_EQ(std::tuple(r.lines.size(), r.draws.size()), std::tuple(0u, 0u)) << cargo;
    }
    struct Row {
        double code;
        bool (*wanted)(const std::vector<double>&);
        int damage;  // -1: no failure
    } rows[] = {
        {7.9, [](auto& d) { return d[0] >= 0.8 && d[0] < 0.9; }, -1},
        {7.8, [](auto& d) { return d[0] >= 0.8 && d[0] < 0.9 && d[1] < 0.2; }, 0},
        {7.85, [](auto& d) { return d[0] >= 0.85 && d[1] >= 0.8; }, 4},
        {7.8, [](auto& d) { return d[0] < 0.8; }, -1},
    };
    for (auto& row : rows) {
        SCOPED_TRACE(row.code);
        TripRig r("", seedWhere(2, row.wanted));
        r.t.cargo = 1;
        r.t.eventCode = row.code;
        r.t.damagePoints = 3;
        refrigerationCheck(r.f, r.t);
        const bool failed = row.damage >= 0;
        EXPECT_EQ(std::tuple(r.t.damagePoints, r.t.expenses, r.t.tripHours, r.t.hoursAwake, r.draws.size()),
                  failed ? std::tuple(3 + row.damage, 290, 2, 5, 2u) : std::tuple(3, 190, 0, 3, 1u));
        const Lines said{" The trailer refrigeration unit has failed endangering the cargo.",
                         "     Repairs take 2 hours and cost $100.00.", "", " Day Monday", " Time:  10 A.M. "};
        const std::vector<int> sounds{41, 45, 44};
        EXPECT_EQ(r.lines, failed ? said : Lines{});
        EXPECT_EQ(r.soundsPlayed(), failed ? sounds : std::vector<int>{});
    }
}

TEST(Pauses, EachEventTakesItsTimeOnTheRoad) {
    // The seconds a step lasts on the virtual clock (silent sounds; speech and pauses take time):
    // a pause dropped or lengthened moves every later word.
    struct Row {
        const char* name;
        Draws draws;
        void (*step)(TripRig&);
        double seconds;
    } rows[] = {
        {"toll", [](auto&) { return true; }, [](TripRig& r) { r.t.eventCode = 2.4; toll(r.f, r.t); }, 15.25},
        {"construction", [](auto& d) { return d[0] >= 0.35; },
         [](TripRig& r) { r.t.eventCode = 3.35; construction(r.f, r.t); }, 0.21},
        {"weighing and a fine", [](auto& d) { return d[0] >= 0.5; },
         [](TripRig& r) { r.t.eventCode = 5.5; r.t.pounds = 50000; r.t.fuel = 150; weighStation(r.f, r.t); }, 28},
        {"the detour", [](auto& d) { return d[0] < 0.5; },
         [](TripRig& r) { r.t.eventCode = 5; r.t.route = 2; r.t.pounds = 45000; weighStation(r.f, r.t); }, 29},
        {"a flat and the spare", [](auto& d) { return d[1] < 0.5; },
         [](TripRig& r) { r.t.roadFactor = 4; r.t.tireWear = 1e7; flatTireRoll(r.f, r.t); }, 18.01},
        {"a flat and the tow truck", [](auto&) { return true; },
         [](TripRig& r) { r.t.roadFactor = 4; r.t.tireWear = 1e7; r.t.spareTires = 0; flatTireRoll(r.f, r.t); }, 25.31},
        {"a dry tank", [](auto&) { return true; },
         [](TripRig& r) { r.t.cargo = 1; r.t.speed = r.t.lastSpeed = 65; r.t.fuel = 2; fuelStep(r.f, r.t); }, 32.77},
        {"a dry tank while waiting", [](auto&) { return true; },
         [](TripRig& r) { r.t.cargo = r.t.engineOff = 1; dryTankWhileWaiting(r.f, r.t); }, 11.28},
        {"a rock slide", [](auto& d) { return d[0] >= 0.75; },
         [](TripRig& r) { r.t.eventCode = 6.75; r.t.cargo = 1; r.t.fuel = 30; rockSlide(r.f, r.t); }, 13.09},
        {"the refrigeration", [](auto& d) { return d[0] >= 0.8; },
         [](TripRig& r) { r.t.eventCode = 7.8; r.t.cargo = 1; refrigerationCheck(r.f, r.t); }, 23.57},
        {"a closed warehouse", [](auto&) { return true; },
         [](TripRig& r) { r.t.cargo = 2; r.t.tripHours = 82; r.t.tripCount = 1; r.sp.addKeys("x");
                          EXPECT_THROW(arrival(r.f, r.t), GameOver); }, 31.1},
    };
    for (auto& row : rows) {
        TripRig r(4, row.draws);
        row.step(r);
        EXPECT_NEAR(r.sp.now(), row.seconds, 0.005) << row.name;
    }
}

}  // namespace
}  // namespace dravlen::testing
