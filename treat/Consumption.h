#pragma once
// The surface fuel consumption of a broadcast burn: regression equations
// for the duff, herbs, shrubs and crown, and the woody fuel burnout
// simulation for the litter and the down woody fuels, with the smoke that
// burn makes.

#include <string>

#include "treat/Burnout.h"
#include "treat/ConsumptionTypes.h"

namespace sylvanor {

// Runs the consumption model: the inputs checked, the duff, herb, shrub and
// crown equations, then the burnout of the litter and woody fuels in `bu`
// (emptied first; its time-step records and emissions stay there for the
// caller). Sets in.PctDuffConsumed for the burnout. Returns 1 when the burn
// ignites, 2 when it does not (every consumed amount 0, every load left as
// it was), 0 on an input or simulation error with the message.
int CON_Mngr(d_ConIn& in, d_ConOut& out, std::string& message, d_BU& bu);

// The duff, herb, shrub and crown consumption, and the litter's when the
// coastal plain equation decides it. 1, or 0 with the input check's message.
int CON_Surface(const d_ConIn& in, d_ConOut& out, std::string& message);

// The litter and down woody fuels burned out in `bu`, the log classes, the
// sound and rotten totals and the emissions; the no-ignition reset. 1
// ignited, 2 not ignited, 0 with the message.
int CON_Woody(const d_ConIn& in, d_ConOut& out, std::string& message, d_BU& bu);

// After the burn and percent consumed of a component from its load before
// and its consumed amount; both 0 when there was no load.
void Fue_CalcPP(float pre, float con, float& post, float& pct);

}  // namespace sylvanor
