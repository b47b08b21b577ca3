#pragma once
// The files of a batch for the tests, and a stand-in for the batch.

#include <filesystem>
#include <map>
#include <string>

#include "batch/CommandLineBatch.h"
#include "tests/support/Files.h"
#include "tests/support/TempFolder.h"
#include "treat/EmissionFactors.h"

namespace sylvanor {

inline constexpr const char* kLinkHeading =
    "Plot, MonSta, RetPri, Treatment, Thin, Prune, Pile, Burn\n";
inline constexpr const char* kVxdTreeHeading = "Plot,Num,Species,DBH,Hgt,HgtCrn,CC,TS,TPA\n";
// Scenario "Moderate", default emissions, "Scott-40", "Humid", a 0.5 in bed, SAVs 1800 1500 2000.
extern const char* const kProjectSettings;
// Species rows (`species`, else "Dry Pines" PP 0-10 in priority 5 and DF 5.5-20 40, "Wet Firs" GF
// 0-99 20), the retention priority sets "Default" and "Light Touch" (of "Wet Firs" and "Dry
// Pines"), the treatments "Burn Only" and "Thin Heavy" (10-hour moisture `moist10Hr`), `tail`.
std::string TestProject(const std::string& moist10Hr, const std::string& tail,
                        const std::string& species = "");
// A link row of a plot, no station, to "Default" and "Burn Only" with every switch off.
std::string LinkRow(const std::string& plot);
// A VXD plot file with a row of the same loads for each plot of "A,B".
std::string VxdPlots(const std::string& plots);
// Groups "1" (CO2 1600 CO 90 CH4 3 NOx 2.5 SO2 1 PM2.5 12 PM10 14 NH3 1.5), "7" (1400 250 8 0.5 1.7
// 30 33 3) and "8" (1500 200 7 0.8 1.6 25 29 2).
void LoadTestFactors(c_NES& nes);

// The rows of a details file by plot, each by column name (the units row
// left out); a row without a field for every name fails the test.
using DetailsRows = std::map<std::string, std::map<std::string, std::string>>;
DetailsRows ReadDetails(const std::string& file);
// Runs the shipped sample batch with a details file into `out` on `fbc`
// (one job); the details rows.
DetailsRows RunSampleBatch(c_FBC& fbc, const std::filesystem::path& out);

// A program folder (Ship) naming the user folder "Sylvanor Test" (a first line with a CR line end)
// and listing its files (with a blank line, blanks, CR line ends and a name spelt otherwise than
// the file), the files and one more; a data home holding the user folder; and a batch that
// counts its runs, keeps what it is given (files, user folder, options), tells progress over 3
// plots and gives `outcome_`.
class BatchHomeTest : public ::testing::Test {
 protected:
  BatchHomeTest();
  void Ship() const;
  BatchRunnerFn Recorder();
  TempFolder temp_;
  const std::filesystem::path home_ = temp_.path() / "share", user_ = home_ / "Sylvanor Test";
  int runs_ = 0;
  d_BatchFiles files_;
  std::string userFolder_;
  d_BatchOptions options_;
  d_BatchOutcome outcome_{1, "", 3, 2, 1, 4};
};

}  // namespace sylvanor
