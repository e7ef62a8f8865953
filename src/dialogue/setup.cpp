// The trip setup at the terminal: cargo, weight, truck, loading, first fuel, worn tires, route.
#include "dialogue/setup.h"

#include <cctype>
#include <cstdlib>

#include "dialogue/ending.h"
#include "dialogue/screen.h"
#include "frontend/entry.h"
#include "frontend/keys.h"
#include "frontend/sound.h"
#include "frontend/speech.h"
#include "dialogue/clock.h"
#include "world/numbers.h"
#include "world/routes.h"

namespace dravlen {

namespace {

constexpr const char* kCargoLeadIn[] = {
    " Three types of cargo are available:",
    " 1 oranges  (highest profit if they don't spoil)",
    " 2 freight forwarding, penalty for late delivery ",
    " 3 U.S. Mail, lowest rate, but no hurry to arrive ",
    " The cargo is due in New York by 4 PM on Thursday.",
    " Which type of cargo do you want? ",
};
constexpr const char* kCargoItems[] = {" 1 oranges ", " 2 freight ", " 3 U S mail "};
constexpr const char* kCargoWords[] = {"oranges", "freight", "U S mail"};

// Truck makes with their shortcut letters; the make changes nothing else in the game.
struct MenuItem {
    const char* label;
    const char* shortcut;
};
constexpr MenuItem kTrucks[] = {
    {" freight liner ", "f"}, {" international ", "i"}, {" kenworth ", "k"}, {" mac ", "m"}, {" peter built ", "p"},
};
constexpr MenuItem kRoutesMenu[] = {{" northern ", "n"}, {" middle ", "m"}, {" southern ", "s"}};

// The route menu's choice onto the route tables' columns and the road factor.
struct RouteChoice {
    int16_t route;
    int16_t roadFactor;
};
constexpr RouteChoice kRouteChoices[] = {{1, 4}, {0, 2}, {2, 1}};  // northern, middle, southern

constexpr const char* kEnter = "13";
constexpr const char* kEsc = "27";
constexpr const char* kUp = "38";
constexpr const char* kDown = "40";
constexpr const char* kF1 = "112";

// A weight of sixteen digits or more (or fifteen nines and a fraction) no longer reads out as a
// plain number: it would be spoken as "1e+15", "1e+259", or "inf" past the largest number there
// is. It is taken as the fullest load the trailer holds, and confirmed as such.
constexpr double kFullTrailer = 50000;

// Up and Down in a menu of n items that wraps around.
int wrapMove(const Form& f, int item, int n) {
    if (f.g == kUp) item -= 1;
    if (f.g == kDown) item += 1;
    if (item < 1) item = n;
    if (item > n) item = 1;
    return item;
}

// Up and Down in a menu of two items toggle.
int toggle(int item) { return item == 1 ? 2 : 1; }

// Which shortcut of the menu the pending key is (1-based), 0 for none.
template <size_t N>
int shortcut(const Form& f, const MenuItem (&items)[N]) {
    for (size_t i = 0; i < N; ++i)
        if (f.g2 == items[i].shortcut) return static_cast<int>(i) + 1;
    return 0;
}

// A menu of labels that wraps, with letter shortcuts; the question is spoken by `ask`, and
// asked again from the start (item 1) on any key the menu does not know.
template <size_t N, class Ask>
int wrappingMenu(Form& f, Trip& t, const MenuItem (&items)[N], Ask ask) {
    constexpr int n = static_cast<int>(N);
    for (;;) {
        ask();
        int item = 1;
        for (;;) {
            say2(f, items[item - 1].label);
            getkey(f);
            if (f.g == kEsc) exitQuestion(f, t);  // staying empties the key: asked again
            if (f.g == kEnter) return item;
            if (f.g == kUp || f.g == kDown) {
                item = wrapMove(f, item, n);
                continue;
            }
            if (int s = shortcut(f, items)) {
                item = s;
                continue;
            }
            break;
        }
    }
}

}  // namespace

double typedValue(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    const size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool digits = false;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, digits = true;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, digits = true;
    }
    if (!digits) return 0;
    return std::strtod(text.substr(start, i - start).c_str(), nullptr);
}

double weightTyped(const std::string& text) {
    const double pounds = typedValue(text);
    const bool plain = number(pounds).find_first_not_of(" -.0123456789") == std::string::npos;
    return plain ? pounds : kFullTrailer;
}

void tripStart(Form& f, Trip& t) {
    clearScreen(t);
    t.expenses = 190;
    t.odometer = 0;
    t.hoursAwake = 3;
    t.sleepHours = 7;
    t.tripHours = 0;
    clockReadout(f, t);
}

void cargoMenu(Form& f, Trip& t, bool atTerminal) {
    for (;;) {
        if (atTerminal) sayLine(f, t, " You are at the Los Angeles trucking terminal.");
        atTerminal = true;  // F1 and unknown keys speak the whole lead-in
        for (const char* text : kCargoLeadIn) sayLine(f, t, text);
        int item = 1;
        for (;;) {
            say2(f, kCargoItems[item - 1]);
            getkey(f);
            if (f.g == kEsc) exitQuestion(f, t);  // staying empties the key: the lead-in again
            if (f.g == kF1) break;
            if (f.g == kEnter) {
                t.cargo = static_cast<int16_t>(item);
                return;
            }
            if (f.g == kUp || f.g == kDown) {
                item = wrapMove(f, item, 3);
                continue;
            }
            if (f.g2 == "1" || f.g2 == "2" || f.g2 == "3") {
                item = f.g2[0] - '0';
                continue;
            }
            break;
        }
    }
}

void loadWeight(Form& f, Trip& t) {
    for (;;) {
        clearScreen(t);
        for (;;) {
            getter(f, " How many pounds will you carry (40,000 is the legal limit) ");
            t.pounds = weightTyped(f.r);
            if (t.pounds >= 25000) break;
            sayLine(f, t, " You can't make a living on half a load.");
        }
        for (;;) {
            const int16_t cargo = t.cargo >= 1 && t.cargo <= 3 ? t.cargo : 1;
            say2(f, " you have chosen to carry " + number(t.pounds) + " pounds of " + kCargoWords[cargo - 1] +
                        ". Is this correct?");
            yesNo(f, t);
            if (t.answer == 1) return;
            if (t.answer == 2) break;
        }
        cargoMenu(f, t, false);  // " Three types of cargo are available:", not the terminal again
    }
}

void truckMenu(Form& f, Trip& t) {
    t.truckMake = wrappingMenu(f, t, kTrucks, [&] {
        clearScreen(t);
        sayLine(f, t, " Which truck do you wish to drive? ");
    });
}

void loading(Form& f, Trip& t) {
    dy(f, 0.2);
    t.prompt = "They are loading your truck now.";
    sayLineWait(f, t);
    dy(f, 0.5);
    play(f, 32);
    fillRouteTables(t.tables);
    t.tireWear = 10;
    t.fuel = 190;
    t.leg = 1;
    t.spareTires = 1;
    t.speedLimit = 55;
    t.tripCount += 1;
}

void firstFuel(Form& f, Trip& t) {
    if (t.pounds > 50000) {
        t.pounds = 50000;
        sayLine(f, t, " 50,000 pounds of cargo has filled your trailer!");
    }
    dy(f, 0.2);
    t.tripHours += 1;
    clearScreen(t);
    clockReadout(f, t);
    play(f, 29);
    play(f, 27);
    play(f, 40);
    clearScreen(t);
    sayLine(f, t, " You paid $190.00 for a nearly full tank of diesel fuel.");
}

void wornTires(Form& f, Trip& t) {
    for (;;) {
        clearScreen(t);
        sayLine(f, t, " Two of your tires are worn.  Do you want replacements?");
        yesNo(f, t);
        if (t.answer == 2) return;
        if (t.answer == 1) break;
    }

    // Type: new or retread.
    clearScreen(t);
    bool chosen = false;
    while (!chosen) {
        sayLine(f, t, " A new tire costs $200.00.  A retread costs $100.00.");
        sayLine(f, t, "     Which type do you want ");
        t.tireType = 1;
        for (;;) {
            say2(f, t.tireType == 1 ? " new " : " retread ");
            getkey(f);
            if (f.g == kEsc) exitQuestion(f, t);  // staying empties the key: the price line again
            if (f.g == kEnter) {
                chosen = true;
                break;
            }
            if (f.g2 == "n" || f.g2 == "r") {
                saykey(f);
                t.tireType = f.g2 == "n" ? 1 : 2;
                continue;
            }
            if (f.g == kUp || f.g == kDown) {
                t.tireType = toggle(t.tireType);
                continue;
            }
            break;
        }
    }

    // Count: one or two.
    sayLine(f, t, "     How many");
    t.tireCount = 1;
    for (;;) {
        say2(f, number(t.tireCount));
        getkey(f);
        if (f.g == kEsc) exitQuestion(f, t);  // staying empties the key: "How many" again
        if (f.g == kEnter) break;
        if (f.g2 == "1" || f.g2 == "2") {
            t.tireCount = f.g2 == "1" ? 1 : 2;
            continue;
        }
        if (f.g == kUp || f.g == kDown) {
            t.tireCount = toggle(t.tireCount);
            continue;
        }
        say2(f, "     How many");
    }

    // Purchase: a retread takes 3 off the tire wear for $100, a new tire 4 for $200.
    const bool retread = t.tireType == 2;
    t.tireWear -= (retread ? 3 : 4) * t.tireCount;
    t.expenses += (retread ? 100 : 200) * t.tireCount;
    play(f, 37);
    if (t.tireCount == 2) {
        dy(f, 0.2);
        play(f, 37);
    }
    play(f, 40);
}

void routeMenu(Form& f, Trip& t) {
    t.routeChoice = static_cast<int16_t>(wrappingMenu(f, t, kRoutesMenu, [&] {
        clearScreen(t);
        sayLine(f, t, " You may choose the Northern, Middle or Southern route. ");
        sayLine(f, t, "     Which route do you choose? ");
    }));
    clearScreen(t);
    engineStartSound(f, t.wetWeather);
    const RouteChoice& c = kRouteChoices[t.routeChoice - 1];
    t.route = c.route;
    t.roadFactor = c.roadFactor;
}

void tripSetup(Form& f, Trip& t) {
    tripStart(f, t);
    cargoMenu(f, t, true);
    loadWeight(f, t);
    truckMenu(f, t);
    loading(f, t);
    firstFuel(f, t);
    wornTires(f, t);
    routeMenu(f, t);
}

}  // namespace dravlen
