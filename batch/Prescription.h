#pragma once
// A plot's prescription: its row of the link treatment file names a
// retention priority set and a treatment of the project file and switches
// the treatment's steps on or off; the project file adds the emission
// groups, the fuel-model selector values and the species rows of the set's
// species group. Load_Prescription gathers them into one record; the engine
// gets them from batch/PlotInputs.h.

#include <array>
#include <cstddef>
#include <string>

#include "base/FixedText.h"
#include "io/LinkTreatment.h"
#include "io/LinkTreatmentIndex.h"
#include "io/ProjectIndex.h"
#include "treat/EmissionFactors.h"

namespace sylvanor {

inline constexpr int kLinkTreatmentRows = 50000;  // rows searched for a plot
inline constexpr int kPrjRecords = 10000;         // retention priority sets or treatments searched
inline constexpr int kPrjSpeciesRows = 5000;      // species group rows searched
inline constexpr std::size_t kRetSpeRows = 200;   // species retention table
inline constexpr std::size_t kRetSpeCodeCapacity = 52;
inline constexpr std::size_t kRetPriValues = 14;
inline constexpr std::size_t kTmsTextCapacity = 50;

using TmsText = FixedText<kTmsTextCapacity>;

// The current plot's treatment settings. Texts from the project file and
// the switches from the link treatment file; percentages as percent.
struct d_TMS {
  TmsText TreatName;
  // thinning: criterion keyword (or "None"), target value, cutting
  // efficiency %, cut DBH range, merchantable and log top diameters,
  // yarding loss %
  TmsText ThinCrit;
  float ThiCriVal = 0, CutEff = 0, MinCutDia = 0, MaxCutDia = 0;
  float SubMerDia = 0, LogTopDia = 0, Yardloss = 0;
  // include switches, "Yes" or "No"
  TmsText ThinInc, PrunInc, PileInc, BroBurInc;
  // pruning height and minimum residual crown ratio %
  float PrunHgt = 0, PrunMRCR = 0;
  // piling: surface fuel piled %, slash piled %, piles burned %
  float PilGroPct = 0, PilSlaPct = 0, PilBurPct = 0;
  // broadcast burn: scorch height, duff depth (from the plot's fuel row),
  // moss-lichen consumed %, 10-hour, 1000-hour and duff moisture %
  float ScoHgt = 0, DuffDepth = 0, MLCons = 0;
  float Moist10Hr = 0, Moist1kHr = 0, DuffMoist = 0;
  TmsText Region, Season;
  // fuel model selector: model set, climate, fuel bed depth (in), grass,
  // shrub and 1-hour surface-area-to-volume ratios (1/ft)
  std::string FueModSet, Climate;
  float FueBedDep = 0, GrassSAV = 0, ShrubSAV = 0, OneHrSAV = 0;
};

// The emission groups for flaming, duff and coarse wood. A critical fire
// intensity above 0 selects the expanded emissions output, -1 the default.
struct d_EmisSettings {
  d_EmisFactors Flame, Duff, Coarse;
  float CriFirInt = 0;
};

// One row of the species retention table: species code, DBH range
// (minimum <= DBH < maximum) and priority.
struct d_RetSpe {
  FixedText<kRetSpeCodeCapacity> Species;
  float MinDia = 0, MaxDia = 0, Pri = 0;
};

// The fuel-model selector values of the project file as written there.
struct d_FMSText {
  std::string Model, Climate, BedDep, SAVGra, SAVShu, SAV1Hr;
};

// Everything the prescription of the current plot holds.
struct d_Prescription {
  d_LTF LinkRow;                              // its row of the link treatment file
  d_TMS TMS;                                  // treatment
  d_EmisSettings Emis;                        // emission groups and factors
  std::array<d_RetSpe, kRetSpeRows> RetSpe;   // species retention table
  std::size_t RetSpeCount = 0;                // its rows in use
  std::array<float, kRetPriValues> RetPri{};  // retention priority set values
  d_FMSText FMSText;                          // fuel-model selector texts
};

// Fills `pre` for the plot at the station: its first row of the link
// treatment file, the retention priority set and the treatment the row names
// (the numbered records of the project file end at the first missing
// number), the row's four switches (each "Yes" or "No" without regard to
// case, checked in the order thinning, pruning, piling, broadcast burn), the
// emission groups (EmisFlame, EmisDuff and EmisCoarse with their factors
// from `nes`, 0 for a group `nes` does not hold; the default output, a
// critical fire intensity of -1, unless the project's EmisType is
// "Expanded": then the table's critical fire intensity), the fuel-model selector values, the first
// 200 species rows of the set's species group, and the moisture scenario. Returns 1, or 0 with the
// reason in `message`; fields it did not reach keep their values. The treatment's duff depth and
// moss-lichen consumption are left alone.
int Load_Prescription(const c_LTFIndex& link, const c_PrjIndex& project, const c_NES& nes,
                      const std::string& plot, const std::string& station, d_Prescription& pre,
                      std::string& moistScenario, std::string& message);

// The moisture scenario of a 10-hour moisture (%): up to 6 "VeryDry", up to
// 10 "Dry", up to 16 "Moderate", above that "Wet"; empty when not above 0.
std::string MoistScenario(float moist10Hr);

}  // namespace sylvanor
