#pragma once
// The optional output files of the burnout simulation: the time-step
// emissions file, the time-step table file and the consumed-fuel file. Each
// is written only when it is named.

#include <fstream>
#include <ostream>
#include <string>

#include "treat/BurnEmission.h"

namespace sylvanor {

struct d_BU;

// What one step contributes to the files: the fire intensities (kW/m2) of
// the duff, the woody fuel, the crown and the herbs and shrubs together,
// and what each consumed (kg/m2).
struct d_BUStepLine {
  double time = 0;
  double duffIntensity = 0, duff = 0;
  double woodyIntensity = 0, woody = 0;
  double crownIntensity = 0, crown = 0;
  double herbShrubIntensity = 0, herbShrub = 0;
};

class c_BurnoutFiles {
 public:
  c_BurnoutFiles() = default;
  c_BurnoutFiles(const c_BurnoutFiles&) = delete;
  c_BurnoutFiles& operator=(const c_BurnoutFiles&) = delete;
  ~c_BurnoutFiles() { Close(); }

  // The time-step table file, when named, and the share of the shrubs in the
  // herb and shrub consumption that splits its herb and shrub columns. False
  // with "Can't Open File: %s \n NOTE--> Is it alredy open ?".
  bool OpenTable(const std::string& name, double shrubShare, std::string& message);

  // The time-step emissions file, when named: "#FRAMES#" writes to
  // `standardOutput` (nothing when it is null) between "Emis-Start" and
  // "Emis-End"; "@name" opens name for the flaming/smoldering layout; any
  // other name the combined layout. False when the file cannot be opened.
  bool OpenEmissions(const std::string& name, std::ostream* standardOutput);

  // One step of the burn with its emissions.
  void Step(const d_BUStepLine& line, const d_BEStep& emitted);

  // The consumed-fuel file of a finished burn, when named; the duration of
  // the fire in seconds. False with "Can't open Burnout output consumed
  // file.\n%s".
  bool WriteConsumed(const d_BU& bu, const std::string& name, double duration,
                     std::string& message);

  // Writes the closing lines and closes the files.
  void Close();

 private:
  void EmissionsHeading();
  void TableTotals();

  std::ofstream emisFile_, tableFile_;
  std::ostream* emis_ = nullptr;
  bool frames_ = false;       // writing to standard output
  bool splitLayout_ = false;  // flaming and smoldering apart
  int steps_ = 0;
  double shrubShare_ = 0;
  // the table's maxima of intensity and totals of consumption
  double maxDuffI_ = 0, maxWoodyI_ = 0, maxCrownI_ = 0, maxHerbI_ = 0, maxShrubI_ = 0, maxTotI_ = 0;
  double totDuff_ = 0, totWoody_ = 0, totCrown_ = 0, totHerb_ = 0, totShrub_ = 0;
};

}  // namespace sylvanor
