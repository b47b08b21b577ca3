#pragma once
// Retention priorities: which trees a thinning keeps longest. A priority is
// computed per tree from a retention priority set (weights by tree status,
// crown class, crown ratio and diameter) and a species list with diameter
// ranges; lower priorities are removed first, 0 is cut first and 99 never
// by a criterion.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "base/FixedText.h"
#include "stand/TreeList.h"

namespace sylvanor {

inline constexpr std::size_t kRetPriSpecies = 200;
inline constexpr std::size_t kRetPriWeights = 14;

// A retention priority set: the 14 weights in the order of the project
// file, and the smallest and largest DBH of the plot's live trees. A new set
// holds -1 everywhere.
struct d_RetPriSet {
  float Hea = -1, UHe = -1, Sic = -1, Dea = -1;                                // status H, U, S, D
  float Dom = -1, CoD = -1, Int = -1, Emr = -1, Sup = -1, OpG = -1, Non = -1;  // crown class
  float CRs = -1;                  // crown ratio factor at a crown ratio of 0.1
  float CRm = -1;                  // crown ratio from which the factor is 1
  float Dia = -1;                  // diameter factor at zero DBH
  float MinDia = -1, MaxDia = -1;  // of the plot's live trees
};

// One row of the species list: a species code or "_Other", the DBH range
// (min <= DBH < max) and the species priority factor.
struct d_RetPriSpe {
  FixedText<100> Name;
  float MinDia = 0;
  float MaxDia = 0;
  float Pri = 0;
};

// The species list; the first row with an empty name ends it.
using RetPriSpeList = std::array<d_RetPriSpe, kRetPriSpecies>;

// Empties every name of the list.
void RPC_Init_SpeLis(RetPriSpeList& list);

// Puts a row into the first row with an empty name and gives its index, or
// kRetPriSpecies (nothing stored) when the list is full.
int RPC_SetSpe(RetPriSpeList& list, const std::string& name, float minDia, float maxDia, float pri);

// A default retention priority set the settings window offers: its name, its
// description and the 14 weights in set order (Hea, UHe, Sic, Dea, Dom, CoD,
// Int, Emr, Sup, OpG, Non, CRs, CRm, Dia). Its species group is empty.
struct d_RetPriDefault {
  std::string_view Name;
  std::string_view Description;
  std::array<float, kRetPriWeights> Weights;
};

inline constexpr std::array<d_RetPriDefault, 4> kDefaultRetPriSets = {{
    {"None",
     "Has no influence",
     {1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f}},
    {"Low",
     "Default Low Thinning",
     {1.0f, 0.7f, 0.2f, 0.0f, 1.0f, 0.9f, 0.6f, 1.0f, 0.1f, 1.0f, 1.0f, 0.5f, 0.6f, 0.8f}},
    {"High",
     "Default High Thinning",
     {1.0f, 0.7f, 0.2f, 0.0f, 0.4f, 0.5f, 1.0f, 0.1f, 1.0f, 1.0f, 1.0f, 0.5f, 0.6f, 0.6f}},
    {"Diam",
     "Default diameter limit harvest",
     {1.0f, 0.1f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.5f, 1.0f, 0.1f}},
}};

// The species factor of a tree: the first row whose name is the species code
// (case counts) and whose range holds the DBH; failing that the last "_Other"
// row whose range holds it; failing that 0.5.
float RPC_Species_GetPri(const RetPriSpeList& list, const std::string& species, float dbh);

// The retention priority of one tree. crownRatio is (height - crown base
// height) / height, worked out by the caller, and 0 when the height is not
// above 0. The set's MaxDia must already hold the largest live DBH of the
// plot. A species factor of 99 gives 99. Otherwise, with w the status weight,
// s the species factor, c the crown class weight, r the crown ratio factor
// and d the diameter factor, a live tree gets w * s * c * r * d and a dead one
// (status "D") w * s * d. The set is not const: a CRs or CRm strictly between
// 0 and 0.1 is raised to 0.1 in the set the first time a crown ratio factor is
// worked out.
float RPC_Get_RetPri(d_RetPriSet& set, const RetPriSpeList& list, const std::string& species,
                     const std::string& crownClass, float crownRatio, const std::string& status,
                     float dbh);

// Recomputes the retention priority of every tree in the plot tree list: the
// smallest and largest DBH of the live trees go into the set first (9999 and 0
// when there is no live tree), then each tree's priority replaces whatever
// was entered. Returns 1.
int PLT_RetPriCalc(d_PTLTable& table, d_RetPriSet& set, const RetPriSpeList& list);

}  // namespace sylvanor
