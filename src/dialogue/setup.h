// The trip setup at the terminal: cargo, weight, truck, loading, first fuel, worn tires, route.
#pragma once

#include <string>

#include "frontend/form.h"
#include "world/trip.h"

namespace dravlen {

// From the trip start to the route choice with the engine started; the driving loop follows.
void tripSetup(Form& f, Trip& t);

// The steps, in order.
void tripStart(Form& f, Trip& t);
void cargoMenu(Form& f, Trip& t, bool atTerminal);
void loadWeight(Form& f, Trip& t);  // weight and confirmation, back to the cargo on "no"
void truckMenu(Form& f, Trip& t);
void loading(Form& f, Trip& t);
void firstFuel(Form& f, Trip& t);
void wornTires(Form& f, Trip& t);
void routeMenu(Form& f, Trip& t);

// The numeric value of typed text, read from its start as far as it forms a decimal number.
double typedValue(const std::string& text);
// The load weight typed: its value, or a full trailer when it is too long to read out.
double weightTyped(const std::string& text);

}  // namespace dravlen
