#pragma once
// The batch runner: runs the engine over every plot of a plot file without
// user interaction. For each plot the prescription — treatment, retention
// priority set, species priorities, emission and fuel-model settings — comes
// from the link treatment file and the project file (Load_Prescription);
// the plot's fuels and trees come from the plot and tree files.
//
// There is one batch runner for the program; it is large (its engine, the
// emission factor table and the species table), so keep it off the stack.

#include <array>
#include <cstddef>
#include <fstream>
#include <istream>
#include <string>

#include "engine/Sylvanor.h"
#include "io/FixedText.h"
#include "io/LinkTreatment.h"
#include "io/ProjectFile.h"
#include "treat/EmissionFactors.h"

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

// One emission factor group: its name and seven factors (g/kg).
struct d_EmisGroup {
  std::string Name;
  float CO = 0, CO2 = 0, CH4 = 0, PM25 = 0, PM10 = 0, NOX = 0, SO2 = 0;
};

// The emission groups for flaming, duff and coarse wood. A critical fire
// intensity above 0 selects the expanded emissions output, -1 the default.
struct d_EmisSettings {
  d_EmisGroup Flame, Duff, Coarse;
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

class c_FBC {
 public:
  c_FBC() = default;
  c_FBC(const c_FBC&) = delete;
  c_FBC& operator=(const c_FBC&) = delete;

  // ---- input files --------------------------------------------------------
  // Open the link treatment file and the project file for reading; 1, or 0
  // with the reason in `message`.
  int OpenLinkTreatment(const std::string& path, std::string& message);
  int OpenProject(const std::string& path, std::string& message);
  // Read from a stream the caller owns instead (it must outlive its use).
  void UseLinkTreatment(std::istream& file);
  void UseProject(std::istream& file);

  // ---- prescription of a plot ----------------------------------------------
  // Finds the plot's row of the link treatment file, its retention priority
  // set and treatment in the project file, fills the treatment settings,
  // emission, fuel-model and retention settings, gives the engine the set
  // and its species rows, and gives the plot's moisture scenario
  // ("VeryDry", "Dry", "Moderate", "Wet", or the project's "BCBMoist").
  // Returns 1, or 0 with the reason in `message`.
  int Load_Prescription(const std::string& plot, const std::string& station,
                        std::string& moistScenario, std::string& message);

  // ---- state ---------------------------------------------------------------
  const d_LTF& LinkRow() const { return m_LinkRow; }
  const d_TMS& Treatment() const { return m_TMS; }
  const d_EmisSettings& Emission() const { return m_Emis; }
  const std::array<d_RetSpe, kRetSpeRows>& RetPriSpecies() const { return m_RetSpe; }
  const std::array<float, kRetPriValues>& RetPriValues() const { return m_RetPri; }
  const d_FMSText& FuelModelText() const { return m_FMSText; }
  Sylvanor& Engine() { return m_Syl; }
  const Sylvanor& Engine() const { return m_Syl; }
  c_NES& EmissionTable() { return m_NES; }
  const c_NES& EmissionTable() const { return m_NES; }

 private:
  // steps of Load_Prescription
  int FindLinkRow(const std::string& plot, const std::string& station, std::string& message);
  void LoadTreatment(const d_PrjTreatment& treatment);
  void LoadEmissions();
  void LoadFuelModel();
  void LoadSpecies(const std::string& group);
  int MoistScenario(std::string& scenario, std::string& message);

  // ---- settings of the current plot ----
  d_LTF m_LinkRow;                              // its row of the link treatment file
  d_TMS m_TMS;                                  // treatment
  d_EmisSettings m_Emis;                        // emission groups and factors
  std::array<d_RetSpe, kRetSpeRows> m_RetSpe;   // species retention table
  std::array<float, kRetPriValues> m_RetPri{};  // retention priority set values
  d_FMSText m_FMSText;                          // fuel-model selector texts

  // ---- the engine and the emission factor table ----
  Sylvanor m_Syl;
  c_NES m_NES;

  // ---- input files ----
  std::ifstream m_LinkFile;  // owned link treatment file, when opened from a path
  std::ifstream m_ProjFile;  // owned project file, when opened from a path
  std::istream* m_Link = nullptr;
  std::istream* m_Proj = nullptr;
};
