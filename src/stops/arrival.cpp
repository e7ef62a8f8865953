// Arrival in New York: delivery of the load and the settlement of the trip.
#include "stops/arrival.h"

#include <cmath>
#include <cstdlib>
#include <functional>

#include "dialogue/clock.h"
#include "dialogue/ending.h"
#include "dialogue/screen.h"
#include "frontend/keys.h"
#include "frontend/sound.h"
#include "frontend/speech.h"
#include "stops/roadside.h"
#include "world/numbers.h"

namespace dravlen {

namespace {

// Contract rates, dollars a pound.
constexpr double kOrangesRate = 0.065;
constexpr double kFreightRate = 0.05;
constexpr double kMailRate = 0.0475;
constexpr int kLateFrom = 95;          // freight due by 4 PM Thursday; Friday 7 A.M. is late
constexpr int kMostDamagePoints = 6;   // more spoils the oranges
constexpr double kDumpCost = 50;
constexpr double kTruckCostPerDay = 85;  // payment, insurance and taxes for every day begun

const char* const kRepossessed = " Your rig has been repossessed.";

// Hour of the trip day: 0 is 8 A.M.
int dayHour(int tripHours) { return tripHours - 24 * static_cast<int>(Int(tripHours / 24.0)); }

// What the report applies once per trip, however often it is replayed.
struct Settlement {
    bool firstPass = true;
    double tripExpenses = 0;
    bool costsAdded = false;
};

void repossessedLines(Form& f, Trip& t) {
    dy(f, 0.3);
    sayLine(f, t, kRepossessed);
}

// The report from the trip time to the verdict; a loss goes on to bankruptcy and repossession.
void report(Form& f, Trip& t, Settlement& s) {
    const double tripDays = Int(t.tripHours / 24.0);
    const double tripRestHours = t.tripHours - 24 * tripDays;
    if (s.firstPass) {
        s.costsAdded = false;
        s.tripExpenses = t.expenses;
    }

    std::string time = " You completed the trip in" + number(tripDays) + "days";
    if (tripRestHours > 0) time += " &" + number(tripRestHours) + "hours";
    sayLine(f, t, time + ".");
    sayLine(f, t, "     Trip expenses totaled ");
    saydoll(f, s.tripExpenses);
    const double truckCosts = kTruckCostPerDay * tripDays + kTruckCostPerDay;
    sayLine(f, t, "Truck payment, insurance and taxes cost ");
    saydoll(f, truckCosts);
    if (!s.costsAdded) {
        t.expenses += truckCosts;
        s.costsAdded = true;
    }

    double payment = 0;
    if (t.cargo == 1) {
        if (s.firstPass) {
            const double extra = (tripDays - 4) * Int(t.rng.rnd() * 3);
            if (extra > 0) t.damagePoints = static_cast<int16_t>(rounded(t.damagePoints + extra));
        }
        if (t.damagePoints > kMostDamagePoints) {
            sayLine(f, t, " Your oranges have spoiled.  Haul them to the dump!");
            payment = -kDumpCost;
        } else {
            sayLine(f, t, " Collect six-and-a-half cents per pound for good oranges.");
            payment = t.pounds * kOrangesRate;
            sayLine(f, t, "     Total for the load ");
            saydoll(f, cutDecimals(payment, 2));
            if (t.damagePoints >= 1) {
                sayLine(f, t, "     Part of the load is damaged.  Subtract" + number(5 * t.damagePoints) + " percent");
                payment -= payment * t.damagePoints / 20;
                sayLine(f, t, "Net payment is ");
                saydoll(f, cutDecimals(payment, 2));
            }
        }
    } else if (t.cargo == 2) {
        payment = t.pounds * kFreightRate;
        sayLine(f, t, " Collect five cents a pound for freight.");
        sayLine(f, t, "Total for load ");
        saydoll(f, payment);
        if (t.tripHours >= kLateFrom) {
            sayLine(f, t, "     You're late!!  Subtract ten percent penalty.");
            payment -= payment / 10;
        }
    } else {
        sayLine(f, t, " Postmaster pays 4.75 cents per pound on delivery.");
        payment = t.pounds * kMailRate;
    }

    payment -= t.expenses;
    if (s.firstPass) t.runningProfit += payment;
    s.firstPass = false;
    // Cut to whole cents, downwards; as written, so that 660 is not cut to 659.99 by binary noise.
    payment = cutDecimals(payment, 2);

    if (payment >= 0) {
        sayLine(f, t, "Your net profit this trip was ");
        saydoll(f, payment);
        if (payment > 100) sayLine(f, t, "     GOOD   WORK  !!");
        const double average = t.tripCount > 0 ? t.runningProfit / t.tripCount : t.runningProfit;
        if (payment < 200 || average < 250) sayLine(f, t, "     You'd make more money washing dishes !");
        return;
    }
    sayLine(f, t, "Bad trip. . . You lost $" + number(std::fabs(payment)));
    if (t.runningProfit < 0) {
        sayLine(f, t, "     You are bankrupt !!!");
        repossessedLines(f, t);
    }
}

// " press any key ": Esc asks whether to leave, F1 to F3 (F4 is the volume key, kept by getkey)
// replay what the player missed, anything else ends the game.
[[noreturn]] void closingPrompt(Form& f, Trip& t, const std::function<void()>& replay) {
    for (;;) {
        sayLine(f, t, " press any key ");
        getkey(f);
        const int key = f.g.empty() ? -1 : std::atoi(f.g.c_str());
        if (key == 27) {
            exitQuestion(f, t);
            continue;
        }
        if (key > 111 && key < 116) {
            replay();
            continue;
        }
        gameEnding(f, t);
    }
}

}  // namespace

void arrival(Form& f, Trip& t) {
    trafficSound(f, t);
    engineStopSound(f);
    clearScreen(t);
    t.prompt = " WELCOME TO NEW YORK";
    sayLineWait(f, t);
    dy(f, 0.2);
    clearScreen(t);
    for (int n : {34, 34, 35, 34}) play(f, n);
    clockReadout(f, t);

    const int h = dayHour(t.tripHours);
    if (h >= 10 && h <= 21) {
        sayLine(f, t, " The warehouse is closed for the night.  Come back tomorrow.");
        t.tripHours = static_cast<int16_t>(t.tripHours + 24 - h);
        dy(f, 0.2);
        clockReadout(f, t);
    }

    play(f, 32);
    for (SoundId id : {f.shotBuf, f.wetBuf, f.blizzardBuf, f.engineBuf}) f.p.sound.stop(id);
    f.wetLoopOn = 0;
    f.windLoopOn = 0;

    Settlement s;
    report(f, t, s);
    closingPrompt(f, t, [&] { report(f, t, s); });
}

void repossession(Form& f, Trip& t, const std::vector<std::string>& jailLines) {
    repossessedLines(f, t);
    closingPrompt(f, t, [&] {
        for (const std::string& l : jailLines) say2(f, l);
        say2(f, kRepossessed);
    });
}

}  // namespace dravlen
