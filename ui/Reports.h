#pragma once
// The Report menu of the main window without the window: the plot and tree
// reports the report window shows, the plot and tree CSV files in their
// three forms, the emission report and the emission summary file, their
// default file names, and writing a text to a file. Every value is read
// from the engine after a run of the window's plot; docs/reports.md
// describes each layout.

#include <array>
#include <string>
#include <string_view>

#include "batch/DetailsFile.h"
#include "engine/CrownFireDriver.h"
#include "engine/Sylvanor.h"
#include "ui/MainWindowState.h"
#include "ui/WindowInputs.h"

namespace sylvanor {

// What a report is made from: the engine after a run of the window's plot.
struct d_ReportSource {
  const Sylvanor& Syl;
  const d_WindowInputs&
      In;                   // the boxes and grid the run read (treatment name, switches, criterion)
  const d_HalRun& Hal;      // the crown fire assessment of the run
  d_OutputIndices Indices;  // the four indices (at most 100, -1 not run)
  std::string Plot;         // plot identifier
  std::string Project;      // project file name, may be empty
  int Decimals = 2;         // decimals of slash and load values, 1 to 3
};

// Why the state has nothing to report (no plot calculated, or its last run
// failed); empty when it has.
std::string NoReportReason(const c_MainWindowState& state);

// The source of the state's last run: its engine, boxes and crown fire
// assessment, the plot shown, the project file and its decimals.
d_ReportSource ReportSource(const c_MainWindowState& state);

// The plot report: the plot, the project, the treatment with its settings
// as entered, the surface fuel loads the run took, and the result boxes
// (pre- and post-treatment values, fuel models, crown fire indices).
std::string PlotReport(const d_ReportSource& source);

// The tree report of the plot tree list, the batch run window's layout:
// one line per tree with the trees per acre thinned, killed and left, then
// the treatment name, the thinning type ("None" without thinning) and the
// broadcast burn switch ("Yes" or "No").
std::string TreeReport(const Sylvanor& syl, const std::string& plot, const std::string& treatName,
                       const std::string& thinType, const std::string& burn);
// The same for the source's plot and boxes.
std::string TreeReport(const d_ReportSource& source);

// The plot report followed by the tree report.
std::string PlotTreeReport(const d_ReportSource& source);

// The three forms of a CSV file: the data rows only; a row of column names
// then the data; the names, a row describing each column with its unit,
// then the data.
enum class e_CsvForm { DataOnly, DataHeadings, DataHeadingDesc };
inline constexpr std::array<const char*, 3> kCsvForms = {"Data Only", "Data + Headings",
                                                         "Data + Heading + Desc."};

// The plot CSV file: the details file's columns and the plot's row, the
// station empty and the treatment name of the boxes.
std::string PlotCsv(const d_ReportSource& source, e_CsvForm form);

// The tree CSV file: one row per tree of the plot tree list.
std::string TreeCsv(const d_ReportSource& source, e_CsvForm form);

// The emission report: the broadcast burn's flaming, smoldering and total
// smoke per pollutant (lb/ac), the burned piles' smoke, the fuel the burn
// consumed by component (t/ac) and by phase (kg/m2).
std::string EmissionReport(const d_ReportSource& source);

// The emission summary file: a row of names (with their units), then the
// burn's, the piles' and all smoke per phase and pollutant (lb/ac).
std::string EmissionSummaryCsv(const d_ReportSource& source);

// An entry of the Report menu, the end of the file name its text is saved
// under by default (after the plot identifier; a ".csv" entry is saved as
// a file, the others are shown in the report window), and whether it comes
// in the three CSV forms.
struct d_ReportEntry {
  std::string_view Entry, Suffix;
  bool Forms = false;
};
inline constexpr std::array<d_ReportEntry, 7> kReportEntries = {{
    {"Plot/Tree Report", "-PlotTree.txt"},
    {"Plot Report", "-Plot.txt"},
    {"Tree Report", "-Tree.txt"},
    {"Plot CSV File ", "-Plot.csv", true},
    {"Tree CSV File", "-Tree.csv", true},
    {"Emission Report", "-Emission.txt"},
    {"Emission Summary .csv", "-Emission.csv"},
}};

// The text of a Report menu entry (`form` for the two CSV files); empty for
// an entry that is not one.
std::string ReportText(const d_ReportSource& source, std::string_view entry,
                       e_CsvForm form = e_CsvForm::DataHeadings);

// The text with every character a file name cannot hold ("/\\:*?\"<>|" and
// control characters) made '_'.
std::string FileNameText(std::string text);

// The file name offered when saving an entry's text: the plot identifier
// (characters a file name cannot hold made '_'; "Sylvanor" when empty)
// followed by the entry's suffix, e.g. "SYL-12-Plot.csv".
std::string ReportFileName(const std::string& plot, std::string_view entry);

// Writes the text to the file as it stands (replacing the file); 1, or 0
// with the reason in `message`.
int SaveText(const std::string& path, const std::string& text, std::string& message);

}  // namespace sylvanor
