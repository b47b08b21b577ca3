#pragma once
// The main window's inputs as its boxes hold them: texts, as typed. The
// window hands them over whole; reading them into numbers, with the
// window's messages, is done here, so that no widget computes anything.

#include <array>
#include <string>
#include <vector>

#include "batch/Prescription.h"
#include "stand/SurfaceFuel.h"

namespace sylvanor {

// One row of the tree grid as its twelve cells show it: "Num ", "Species",
// "DBH", "TH", "CBH", "CrCl", "TS", "Snag", "TPA", "RP", "Thinned", "Killed".
inline constexpr std::size_t kGridColumns = 12;
using GridRow = std::array<std::string, kGridColumns>;
inline constexpr std::array<const char*, kGridColumns> kGridHeadings = {
    "Num ", "Species", "DBH", "TH", "CBH", "CrCl", "TS", "Snag", "TPA", "RP", "Thinned", "Killed"};

struct d_WindowInputs {
  // surface fuel loads, tons/acre, in the order of d_SurfaceFuel: duff,
  // litter, lichen, moss, herb, shrub, 1-, 10-, 100-hour, sound and rotten
  // classes 1 to 5, existing piles
  std::array<std::string, 20> Fuel;

  // treatment: the switches, and the boxes of the four groups
  bool Thin = false, Prune = false, Pile = false, Burn = false;
  std::string TreatName;
  std::string ThinCrit = "None";
  std::string ThinTarget, CutEff, MinDia, MaxDia, MerchDia, TopDia, YardLoss;
  std::string PruneHgt, PruneMRCR;
  std::string PileSlash, PileConsumed, PileSurface;
  std::string ScorchHgt, Moist10Hr, Moist1kHr, MossLichen, DuffDepth, DuffMoist;
  std::string Region = "InteriorWest", Season = "Fall";
  std::string MoistScenario = "Moderate";  // of the crown fire assessment

  // fuel model selector
  std::string HerbSAV = "1800", ShrubSAV = "1500", OneHrSAV = "2000", BedDepth = "0";
  std::string Climate = "Humid", ModelSet = "Scott-40";

  // settings window and emission lists
  std::string CBDThreshold = "0.012";
  std::string EmisFlame = "3", EmisDuff = "8", EmisCoarse = "7";

  // the tree grid and the rows selected (left out of the calculation)
  std::vector<GridRow> Trees;
  std::vector<bool> Selected;
};

// The treatment and selector boxes as the engine's treatment record, each
// box read as a number of 0 or more (io/WindowText.h). A box that cannot be
// read gives its message followed by "\nPlease fill in all inputs, Use a 0
// for any unused inputs" and false.
bool ReadTreatment(const d_WindowInputs& in, d_TMS& tms, std::string& message);

// The fuel boxes as loads, each read as a number of 0 or more; false with
// the message of the first box that cannot be read.
bool ReadFuel(const d_WindowInputs& in, d_SurfaceFuel& fuel, std::string& message);

// The labels of the fuel boxes, in the order of d_WindowInputs::Fuel.
extern const std::array<const char*, 20> kFuelLabels;

}  // namespace sylvanor
