#pragma once
// The crown fire details window without the window: the rows it shows for
// the stand before and after treatment, and the templates that fill its
// dead fuel moisture of extinction and fuel bed depth fields.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/CrownFireDriver.h"

namespace sylvanor {

// A template: its name, the fuel bed depth (ft, or "Auto") and the dead
// fuel moisture of extinction (percent) it fills in.
struct d_HalTemplate {
  std::string_view Name, Depth, DeadMx;
};

inline constexpr std::array<d_HalTemplate, 14> kHalTemplates = {{
    {"Sylvanor Defaults", "Auto", "25"},
    {"1 Short grass", "1.0", "12"},
    {"2 timber grass and understory", "1.0", "15"},
    {"3 tall grass", "2.5", "25"},
    {"4 chaparral", "6.0", "20"},
    {"5 brush", "2.0", "20"},
    {"6 dormant brush", "2.5", "25"},
    {"7 southern rough", "2.5", "40"},
    {"8 compact timber litter", "0.2", "30"},
    {"9 hardwood litter", "0.2", "25"},
    {"10 timber litter and understory", "1.0", "25"},
    {"11 light slash", "1.0", "15"},
    {"12 medium slash", "2.3", "20"},
    {"13 heavy slash", "3.0", "25"},
}};

// The fields a template fills.
d_HalFields TemplateFields(const d_HalTemplate& t);

struct d_HalRow {
  std::string Label, Pre, Post;
};

// The rows of the window for a run: the fire type text, the torching and
// crowning indices unlimited (no decimals), spread rate, fireline
// intensity, flame length and scorch height (two decimals), then the
// model's inputs (four decimals) with the scenario's moistures.
std::vector<d_HalRow> HalDetailRows(const d_HalRun& run);

}  // namespace sylvanor
