#pragma once
// The batch run window without the window: every plot of one plot file run
// with the treatment, retention priority set, emission settings and SAVs of
// the main window, into a plot summary file with an average line, an
// emissions file, one tree report per plot, the two canopy bulk density
// profile files and an error file. The window drives the run one plot at a
// time (Step) between its events, so that Pause and Abort reach it.

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "batch/BatchRunner.h"
#include "batch/OutputWriters.h"
#include "ui/MainWindowState.h"

namespace sylvanor {

inline constexpr const char* kSumRepNoRetPri =
    "Please Select A Retention Priority Name in the Dropdown Box";
inline constexpr const char* kSumRepNoPlotFile = "You Need To Select A Plot File";
inline constexpr const char* kSumRepAbortQuestion = "Are you sure you want to abort this run ?";
inline constexpr const char* kSumRepNoFile = "No File Found";
inline constexpr const char* kSumRepCantOpen = "Can't Open Error File";
inline constexpr const char* kSumRepNotOpened =
    "Choose Options > Run Batch Summary in the main window first: it gives this window the "
    "treatment, retention priority set and settings to run.";
inline constexpr const char* kSumRepNoPlotProcessed =
    "No plot was processed, so the summary file has no average line.";

// The window's file boxes.
struct d_SumRepFiles {
  std::string Plot, Tree, Output, Error;
};

// The folder and base name of `file` followed by `suffix`:
// SiblingFile("/data/plots.vxd", "-Out.csv") is "/data/plots-Out.csv".
std::string SiblingFile(const std::string& file, const std::string& suffix);

// The names proposed for a plot file: the tree file with the extension
// "tre", the output file "-Out.csv" and the error file "-Err.txt".
d_SumRepFiles ProposeFiles(const std::string& plotFile);

// The plot summary file: its two heading lines, a plot's line (the values
// of the batch's output line without the station), and the average line
// (without the fuel models). A column's average is taken over the plots
// with a value for it: -1 stands for none (no canopy base or stand height
// without canopy, an index the crown fire model did not give), and is the
// average of a column without any value.
std::string SummaryHeading();
std::string SummaryLine(const std::string& plot, const OutputValues& values,
                        const std::string& preModel, const std::string& postModel);
std::string AverageLine(const OutputValues& averages);

// The emissions file's heading: "Plot,Type" and the flaming group's
// component headings.
std::string SumRepEmissionHeading(const c_NES& nes, const d_EmisSettings& emis);

// A row of the summary grid: a processed plot, or the "Average" row (no
// fuel models).
struct d_SummaryRow {
  std::string Plot;
  OutputValues Values{};
  std::string PreModel, PostModel;
  bool Average = false;
};

// The grid's column headings: "PlotID", the 30 values, the two fuel models.
std::vector<std::string> SummaryColumns();
// A row's cells as the summary file writes them, blanks trimmed.
std::vector<std::string> SummaryCells(const d_SummaryRow& row);

// Which of the window's buttons are enabled.
struct d_SumRepButtons {
  bool Run = true, Close = true, Abort = false, Pause = false, Continue = false;
};

// What one step of the run did, and so what the window does next.
enum class e_SumRepStep {
  Processed,  // a plot ran and its lines are written: step again
  Skipped,    // a plot could not run (its entry is in the error file): step again
  Paused,     // the run waits for Continue, its files open
  AskAbort,   // Abort was pressed: ask kSumRepAbortQuestion and answer it
  Ended,      // the run is over (EndMessages says how)
};

class c_SumRep {
 public:
  c_SumRep();
  c_SumRep(const c_SumRep&) = delete;
  c_SumRep& operator=(const c_SumRep&) = delete;

  // Opening from the main window: the user folder, the SAVs and moisture
  // scenario, the proposed file names, the treatment, the emission settings
  // (the critical fire intensity of the table when the project's EmisType is
  // "Expanded", else the default output) and the chosen retention priority
  // set with its species rows into the batch runner. 1, or 0 with the
  // message (kSumRepNoRetPri, a box that cannot be read, the emission
  // factor file that cannot be read).
  int Open(const c_MainWindowState& main, std::string& message);

  // Run: the engine with the user folder's species table, the files opened,
  // the plots listed, the sums, grid and counts cleared; 1 (running), or 0
  // with the message (ready again; kSumRepNotOpened while the last Open
  // failed or there was none).
  int Run(std::string& message);
  // One plot of the loop, while running and not paused.
  e_SumRepStep Step();
  void Pause();
  void Continue();
  // Abort: the next step asks.
  void Abort() { m_AbortAsked = true; }
  // The answer to kSumRepAbortQuestion: Yes ends the run without the
  // average line; No goes on (or stays paused).
  e_SumRepStep AnswerAbort(bool yes);

  // The error file button: "" when the file was handed to the desktop's
  // viewer, else kSumRepNoFile or kSumRepCantOpen. `viewer` is the program
  // that shows it (the desktop's when empty).
  std::string OpenErrorFile(const std::string& viewer = "") const;

  d_SumRepFiles Files;  // the boxes, as typed

  bool Running() const { return m_Running; }
  bool Paused() const { return m_Paused; }
  d_SumRepButtons Buttons() const;
  int PlotCount() const { return m_Plots; }
  int Processed() const { return m_Processed; }
  int Skipped() const { return m_Skipped; }
  int ErrorCount() const { return m_Fbc->ErrorCount(); }
  const std::string& LastPlot() const { return m_LastPlot; }
  // the summary grid: a row per processed plot, then "Average" after a run
  // that reached its end with a plot processed
  const std::vector<d_SummaryRow>& Rows() const { return m_Rows; }
  // what the end of the run has to tell: the error count message, that no
  // plot was processed, a file that could not be written
  const std::vector<std::string>& EndMessages() const { return m_EndMessages; }

  // the batch runner (its engine holds the last plot run)
  c_FBC& Runner() { return *m_Fbc; }

 private:
  void End(bool average);
  // Writes the plot's tree report beside the tree file; an entry of the
  // error file when it cannot be written or its name is another file's of
  // the run.
  void WriteTreeReport(const std::string& plot, const std::string& station);

  std::unique_ptr<c_FBC> m_Fbc;  // large: kept off the stack
  std::string m_UserFolder;
  float m_GrassSAV = 0, m_ShrubSAV = 0, m_OneHrSAV = 0;
  std::string m_MoistScenario;
  std::string m_TreatName, m_ThinType, m_Burn;  // for the tree reports
  bool m_Opened = false;

  int m_Plots = 0, m_Processed = 0, m_Skipped = 0;
  bool m_Running = false, m_Paused = false, m_AbortAsked = false;
  std::string m_LastPlot;
  // each column's sum over the plots with a value for it, and their number
  OutputValues m_Sums{};
  std::array<int, kOutputValues> m_Counts{};
  std::vector<d_SummaryRow> m_Rows;
  std::vector<std::string> m_EndMessages;
};

}  // namespace sylvanor
