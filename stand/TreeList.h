#pragma once
// The plot tree list: the trees of the plot being computed, one record per
// tree line, to which the engine's steps add each tree's crown fuel, basal
// area, volumes, thinning and mortality results. A table of 5000 slots (each
// engine has its own, stand/Context.h); the list is the run of used slots
// from the first, a slot with an empty species ending it, and at most 4999
// slots are ever used.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/FixedText.h"
#include "stand/EquationTable.h"

namespace sylvanor {

inline constexpr std::size_t kTreeSlots = 5000;

// Where a tree's crown falls in the canopy layers, worked out once per
// execution by the canopy profile and carried with the record when records
// are reordered.
struct d_LayerSpan {
  unsigned Gen = 0;      // the preparation it belongs to; 0 for none
  bool Include = false;  // the species' crown fuel counts in canopy bulk density
  int Walked = 0;        // layers from the ground to the top of the tree
  int First = 0;         // first layer with a share of the crown
  int Count = 0;         // layers with a share, from First on
  int Offset = -1;       // where the shares start in the profile's store; -1 not stored
};

struct d_PTLRec {
  int RecNum = 0;   // the caller's sequence number of the record
  int TreeNum = 0;  // the tree's number
  FixedText<52> Species;
  float Dia = 0.0f;        // DBH, in
  float Hgt = 0.0f;        // total height, ft
  float CrnHgt = 0.0f;     // crown base height as entered, ft
  float CrnHgtPru = 0.0f;  // crown base height after pruning, ft
  float TPA = 0.0f;        // trees per acre as entered
  float TPAadj = 0.0f;     // trees per acre left after thinning
  float Harv = 0.0f;       // trees per acre thinned and taken away
  float Slash = 0.0f;      // trees per acre thinned and left as slash
  FixedText<4> Status;     // "H", "U", "S" or "D" (dead)
  float RetPri = 0.0f;     // retention priority
  FixedText<32> CrnCls;    // crown class
  float CutEff = 0.0f;     // free-thinning cutting efficiency, 0-1
  FixedText<52> Note;
  std::array<float, 6> Bio{};  // crown weights, lb: Total, Foliage, Br-Twg, Br-1in, Br-3in, Br-3inP
  float BasAre = 0.0f;         // basal area, square inches
  float VolCuFt = 0.0f;        // total cubic feet
  float VolBdFt = 0.0f;        // board feet
  float VolMeCuFt = 0.0f;      // merchantable cubic feet
  float PruFra = 0.0f;         // fraction of the crown length pruned
  float MortPct = 0.0f;        // mortality probability after a broadcast burn
  float Killed = 0.0f;         // trees per acre killed by the burn
  d_LayerSpan Span;            // the crown's canopy layers (canopy profile)
};

// The table of kTreeSlots slots.
struct d_PTLTable {
  std::vector<d_PTLRec> Slots = std::vector<d_PTLRec>(kTreeSlots);

  d_PTLRec& operator[](std::size_t slot) { return Slots[slot]; }
  const d_PTLRec& operator[](std::size_t slot) const { return Slots[slot]; }
  auto begin() { return Slots.begin(); }
  auto end() { return Slots.end(); }
  auto begin() const { return Slots.begin(); }
  auto end() const { return Slots.end(); }
};

// The list holds at most this many trees: slots 0 to 4998. The table-full
// message names the table size, kTreeSlots.
inline constexpr int kTreeListMax = 4999;

// Empties every slot and gives back the number of trees the list can hold.
int PTL_InitTbl(d_PTLTable& table);

// Checks one tree line and appends it to the list; its species must be a
// code of speciesTable. `units` "Metric" (without regard to case) means
// dia is in cm, hgt and crnHgt in m and tpa per hectare; anything else means
// in, ft and per acre. The record is stored in English units. Returns 1, or 0
// with the reason in `message` and the table left as it was.
int PTL_PutRec(d_PTLTable& table, const d_ETTable& speciesTable, int recNum, int treeNum,
               const std::string& species, float dia, float hgt, float crnHgt, float tpa,
               const std::string& crnCls, const std::string& status, float retPri, float cutEff,
               const std::string& units, const std::string& note, std::string& message);

// The first tree with number treeNum: its species, the trees per acre killed
// by the burn and its mortality probability, the trees per acre thinned and
// these as a percentage of the trees entered (both 0 when none were thinned).
// Returns 0, copying nothing, when no tree has that number.
int PTL_GetInfo(const d_PTLTable& table, int treeNum, std::string& species, float& killed,
                float& mortPct, float& thinned, float& pctThinned);

// The tree line as stored (English units, crown base height as entered) of
// the last tree with number treeNum. Returns 0, copying nothing, when no
// tree has that number.
int PTL_GetRecInfo(const d_PTLTable& table, int treeNum, std::string& species, float& dia,
                   float& hgt, float& crnHgt, float& tpa, float& retPri, std::string& crnCls,
                   std::string& status);

// Number of trees in the list: the used slots from slot 0 up to the first
// free one.
int PTL_Count(const d_PTLTable& table);

// True for a dead tree (status "D", without regard to case).
bool PTL_IsDead(const d_PTLRec& rec);

// Trees per acre of a record by density code, compared exactly: "TPA" as
// entered, "TPAadj" left after thinning, "Thinned" (TPA - TPAadj) and
// "PostMort" (TPAadj - Killed), the last two never below 0. Any other code
// gives 0.
float PTL_GetTPA(const d_PTLRec& rec, const std::string& code);

// A density code summed over the list, and over the trees whose diameter is
// not below minDia (inches).
float PTL_SumTPA(const d_PTLTable& table, const std::string& code);
float PTL_SumTPA(const d_PTLTable& table, const std::string& code, float minDia);

// At the start of each execution: every tree's TPAadj back to its TPA,
// nothing thinned, pruned or killed, and its basal area from its diameter.
void PTL_Prepare(d_PTLTable& table);

// Reorders the list by retention priority with the exchange scheme the
// thinning relies on: for every position i and every position j, records i
// and j change places when i's priority is below j's. The list ends up in
// ascending priority; records of equal priority need not keep their order.
void PTL_SortRetPri(d_PTLTable& table);

}  // namespace sylvanor
