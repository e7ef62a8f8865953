// The truck stop: diesel, tires and sleep, offered from the fourth hour after the last stop.
#include "stops/truckstop.h"

#include <string>

#include "dialogue/clock.h"
#include "dialogue/ending.h"
#include "dialogue/screen.h"
#include "dialogue/setup.h"
#include "frontend/entry.h"
#include "frontend/keys.h"
#include "frontend/sound.h"
#include "frontend/speech.h"
#include "stops/roadside.h"
#include "world/numbers.h"

namespace dravlen {

namespace {

constexpr int kOranges = 1;
constexpr double kTankGallons = 200;
constexpr double kSpillAbove = 201;          // a gallon of slack before the pump overflows
constexpr double kReferGallonsPerHour = 7;   // the oranges' refrigeration runs on the truck's diesel
// The pump's limit on one purchase: far beyond any tank, so that overfilling still spills and is
// paid for, but a run of digits cannot make a bill no one could read out.
constexpr double kMostGallons = 999;
// The longest rest one answer may ask for. A rest plays one sound an hour that no key stops,
// and the trip clock has 16 bits.
constexpr double kMostRestHours = 99;

constexpr int kPullInSound = 43;
constexpr int kBuyMoreSound = 29;
constexpr int kPumpSound = 27;
constexpr int kNozzleSound = 30;  // one pass in ten
constexpr int kCashSound = 40;
constexpr int kSpillSound = 26;
constexpr int kTireSound = 37;
constexpr int kQuietHourSound = 24;
constexpr int kNoisyHourSound = 25;
constexpr int kWakeSound = 23;
constexpr int kReferSound = 41;

const std::string kEnter = "13", kEsc = "27", kUp = "38", kDown = "40", kF3 = "114";

enum class Again { remembered, spokenOnly };

// A yes/no question asked until it is answered yes or no; asked again, it is remembered once more
// or only spoken. True for yes.
bool askYesNo(Form& f, Trip& t, const std::string& question, Again again) {
    sayLine(f, t, question);
    for (;;) {
        yesNo(f, t);
        if (t.answer != 3) return t.answer == 1;
        if (again == Again::remembered)
            sayLine(f, t, question);
        else
            say2(f, question);
    }
}

// Hours added to a 16-bit clock; a sum that does not fit is not made, and the clock keeps its hour.
void addHours(int16_t& clock, double hours) {
    const double sum = rounded(clock + hours);
    if (sum >= -32768 && sum <= 32767) clock = static_cast<int16_t>(sum);
}

// Price, gallons, payment and the spill. A key that is not a digit or Enter, or more than the pump
// gives, repeats the same price and the question.
void buyFuel(Form& f, Trip& t, bool buyingMore) {
    const double dieselCents = Int(t.rng.rnd() * 35) + 85;
    if (buyingMore)
        play(f, kBuyMoreSound);
    else
        engineStopSound(f, kPullInSound);

    double gallons = 0;
    for (;;) {
        sayLine(f, t, " Diesel fuel costs ");
        saydoll(f, dieselCents / 100);
        sayLine(f, t, " per gallon.");
        sayLine(f, t, "     How many gallons do you want");
        digitEntry(f, t);
        if (t.badKey == 1) continue;
        gallons = t.typedNumber;
        if (gallons <= kMostGallons) break;
        say2(f, " The pump gives at most 999 gallons.");
    }

    if (gallons > 0) play(f, kPumpSound);
    if (Int(t.rng.rnd() * 10) + 1 == 7) play(f, kNozzleSound);
    play(f, kCashSound);
    if (gallons > 0) {
        const double paid = dieselCents * gallons / 100;
        sayLine(f, t, "Pay ");
        saydoll(f, paid);
        t.expenses += paid;
        t.fuel += gallons;
    }
    sayLine(f, t, " So far, you have spent ");
    saydoll(f, t.expenses);

    if (t.fuel > kSpillAbove) {
        dy(f, 0.3);
        play(f, kSpillSound);
        const double spilled = Int(t.fuel - kTankGallons);
        sayLine(f, t, " Your tank only holds 200 gallons. " + number(spilled) + " gallon" + (spilled > 1 ? "s" : "") +
                        " spilled !!");
        t.fuel = kTankGallons;  // the spilled diesel stays paid for
    }
}

// Offered only when there is no spare on board; the tire bought becomes the spare.
void buyTire(Form& f, Trip& t) {
    const double newTirePrice = Int(t.rng.rnd() * 50) + 200;
    const double retreadPrice = Int(t.rng.rnd() * 70) + 100;
    sayLine(f, t, " A new tire costs $" + number(newTirePrice) + " A retread costs $" + number(retreadPrice));
    if (!askYesNo(f, t, "     Do you want to buy a tire?", Again::spokenOnly)) return;

    for (;;) {
        sayLine(f, t, " Do you want to buy a New tire or a retread?");
        int tireType = 1;
        bool again = false;
        while (!again) {
            say2(f, tireType == 1 ? " new " : " retread ");
            getkey(f);
            if (f.g == kEsc) exitQuestion(f, t);  // staying empties the key: the question again
            if (f.g == kEnter) {
                play(f, kTireSound);
                t.spareTires += 1;
                t.expenses += tireType == 1 ? newTirePrice : retreadPrice;
                play(f, kCashSound);
                return;
            }
            // F3 shares the character "r" with the letter key but asks the question again.
            if ((f.g2 == "n" || f.g2 == "r") && f.g != kF3) {
                saykey(f);
                tireType = f.g2 == "n" ? 1 : 2;
            } else if (f.g == kUp || f.g == kDown) {
                tireType = tireType == 1 ? 2 : 1;
            } else {
                again = true;
            }
        }
    }
}

// The hours of rest typed; a value that is no number is 0, one beyond the longest rest (or no
// finite number at all) is refused and asked for again.
double restHoursTyped(Form& f, Trip& t) {
    t.prompt = "     How many hours of rest";
    for (;;) {
        getter(f, t.prompt);
        const double hours = typedValue(f.r);
        if (hours <= kMostRestHours) return hours;  // false for infinity (hundreds of digits) too
        say2(f, " You can rest at most 99 hours.");
    }
}

// Rest, with the daytime noise and the oranges' refrigeration burning diesel meanwhile. False when
// the hours typed were too few to rest at all (the engine is started again already).
bool rest(Form& f, Trip& t) {
    double restHours = restHoursTyped(f, t);
    if (restHours < 1) {
        engineStartSound(f, t.wetWeather);
        return false;
    }
    clearScreen(t);
    const int h = static_cast<int>(t.tripHours - Int(t.tripHours / 24.0) * 24);  // 0 is 8 A.M.
    const bool daytimeNoise = h < 12 || h > 21;  // quiet from 8 P.M. to 5 A.M.
    const double sounds = rounded(restHours);
    for (double i = 0; i < sounds; ++i) play(f, daytimeNoise ? kNoisyHourSound : kQuietHourSound);
    addHours(t.tripHours, restHours);

    if (t.cargo == kOranges) {
        t.fuel -= kReferGallonsPerHour * restHours;
        if (t.fuel < 0) {
            t.fuel = 0;  // at the pump: no barrel to wait for
            play(f, kReferSound);
            t.engineOff = 1;
            referOffDamage(f, t);
        }
    }

    if (daytimeNoise) {
        restHours = Int(restHours / 2 + 0.6);
        sayLineWait(f, t, " Thanks to the daytime noise, you got only" + number(restHours) + "hours real sleep.");
    }
    addHours(t.sleepHours, restHours);
    if (restHours > 3)
        t.hoursAwake = 0;
    else
        t.hoursAwake = static_cast<int16_t>(rounded(t.hoursAwake / 2.0));
    play(f, kWakeSound);
    clearScreen(t);
    clockReadout(f, t);
    return true;
}

}  // namespace

void truckStop(Form& f, Trip& t) {
    if (!askYesNo(f, t, " Truck stop ahead.  Do you want to stop? ", Again::remembered)) {
        t.hoursAwake += 1;  // the offer comes again next hour
        return;
    }

    bool buyingMore = false;
    for (;;) {
        buyFuel(f, t, buyingMore);
        buyingMore = false;
        if (t.spareTires == 0) buyTire(f, t);
        t.tripHours += 1;
        t.hoursSinceStopOffer = 0;

        if (!askYesNo(f, t, " Do you want to get some sleep? ", Again::spokenOnly)) {
            clearScreen(t);
            clockReadout(f, t);
            engineStartSound(f, t.wetWeather);
            return;
        }
        if (!rest(f, t)) return;
        if (t.cargo != kOranges) {
            engineStartSound(f, t.wetWeather);
            return;
        }
        // The refrigeration drank diesel through the rest: the pump is still there.
        for (;;) {
            sayLine(f, t, " You now have " + number(Int(t.fuel)) + " gallons of fuel.");
            sayLine(f, t, " Do you want to buy more? ");
            yesNo(f, t);
            if (t.answer != 3) break;
        }
        if (t.answer == 2) {
            engineStartSound(f, t.wetWeather);
            return;
        }
        buyingMore = true;
    }
}

}  // namespace dravlen
