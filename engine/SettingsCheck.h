#pragma once
// Validation of the engine's settings: the checks run in a fixed order and
// the first failure leaves its message.

#include "base/FixedText.h"
#include "engine/Settings.h"

namespace sylvanor {

// How fractions (cutting efficiency, pile fractions ...) are checked:
// kFraction takes any value 0-1; kPercent, the form used for values typed or
// read as percentages, takes 0 or 0.01-1 and reports the value in percent.
enum class FractionForm { kFraction, kPercent };

// Returns 1 when every check passes; otherwise 0 with the failing check's
// message in `message`. The message is cleared first.
int Check_Settings(const d_Settings& s, FractionForm form, FixedText<3000>& message);

}  // namespace sylvanor
