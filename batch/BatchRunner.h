#pragma once
// The batch runner: runs the engine over every plot of a plot file without
// user interaction. For each plot the prescription — treatment, retention
// priority set, species priorities, emission and fuel-model settings — comes
// from the link treatment file and the project file (Load_Prescription);
// the plot's fuels and trees come from the plot and tree files. The steps
// of a plot are in files of their own: its prescription
// (batch/Prescription.h), its inputs into the engine (batch/PlotInputs.h)
// and its output lines (batch/OutputWriters.h).
//
// There is one batch runner for the program; it is large (its engine, the
// emission factor table and the species table), so keep it off the stack.

#include <array>
#include <cstddef>
#include <fstream>
#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "base/TextInput.h"
#include "batch/BatchFiles.h"
#include "batch/OutputWriters.h"
#include "batch/PlotInputs.h"
#include "batch/PlotRun.h"
#include "batch/Prescription.h"
#include "engine/CrownFireDriver.h"
#include "engine/Sylvanor.h"
#include "io/LinkTreatment.h"
#include "io/LinkTreatmentIndex.h"
#include "io/PlotLayouts.h"
#include "io/ProjectIndex.h"
#include "io/TreeFileIndex.h"
#include "platform/OutputFile.h"
#include "treat/EmissionFactors.h"

namespace sylvanor {

inline constexpr int kBatchPlots = 5000;           // plots of one batch
inline constexpr int kBatchPlotListRows = 100000;  // plot file rows read for the plot list
inline constexpr int kBatchPlotScanRows = 200000;  // plot file rows scanned for one plot
inline constexpr int kBatchTreeRows = 500000;      // tree file rows read
inline constexpr std::size_t kBatchPlotIdCapacity = 300;
inline constexpr std::size_t kBatchStationCapacity = 100;

// What a whole batch did: its result (1 completed, -1 could not run, with
// the reason in `message`), the plots of the list, how many were run and
// how many were skipped, and the entries written to the error file.
struct d_BatchOutcome {
  int result = 0;
  std::string message;
  int plots = 0;
  int processed = 0;
  int skipped = 0;
  int errors = 0;
};

// Called after each plot with the plots done so far and the plot count.
using BatchProgress = std::function<void(int done, int total)>;

// How a batch runs: the engines computing plots side by side (each in a
// thread of its own; the files come out the same for any number), whether
// the limits of the six-argument command line hold (kBatchPlots plots,
// kBatchPlotListRows plot file rows, kBatchTreeRows tree rows,
// kLinkTreatmentRows link rows), and what is told after each plot.
struct d_BatchOptions {
  int jobs = 1;
  bool limits = true;
  BatchProgress progress;
};

class c_FBC {
 public:
  c_FBC() = default;
  c_FBC(const c_FBC&) = delete;
  c_FBC& operator=(const c_FBC&) = delete;

  // ---- set-up ---------------------------------------------------------------
  // Clears the files and counters, units "English", initialises the engine
  // with the built-in species table ("Batch" keeps the species table it
  // has) and a CBD threshold of 0.012. Returns 1.
  int Init(const std::string& mode);

  // Opens the batch's files in order: the plot file type from its name, the
  // plot and tree files, the link treatment and project files (only when a
  // link treatment file is named), the output file, the emissions file beside
  // it ("<output without extension>-Emis.csv"), the error file and the
  // profile files that are named. An input that exists but is not a file (a
  // folder, a device) cannot be opened. The first failure sets Message() and
  // returns 0. The link treatment, project and tree files are read once here
  // into their indexes.
  //
  // Before any output is opened, every output is compared with every input
  // (those of `files` and `moreInputs`) and with the other outputs; when one
  // is the same file as another, nothing is opened for writing, Message()
  // names both and the result is -1.
  //
  // Notices about the input files (lines cut for their length, rows past a
  // file's row limit) go to the error file once it is open, each counted as
  // an error.
  int OpenFiles(const d_BatchFiles& files, const std::vector<d_BatchPath>& moreInputs = {});

  // Reads the plot list from the plot file; the number of plots, or 0 with
  // Message() set.
  int LoadPlotNames();

  // The next plot of the list: 1 run, 0 skipped or failed (its error file
  // entry written), -1 no plot left or its fuel row not found or unreadable
  // (the entry written).
  int NextPlot(std::string& plot, std::string& station);

  // Moves past the current plot of the list without running it (the loop
  // does so for a plot whose prescription cannot be loaded).
  void SkipPlot() { ++m_PlotIdx; }

  // One entry of the error file: "Plot: %s - MonSta: %s \n %s\n\n".
  void Log_Errors(const std::string& message, const std::string& plot, const std::string& station);
  // An entry about an input file rather than a plot:
  // "File: %s - Line: %d \n %s\n\n". Counted as an error.
  void Log_FileNotice(const d_FileNotice& notice);

  // Empty while every write to the output files has succeeded; otherwise
  // "Error writing <file>: <reason>" for the first file that failed.
  std::string WriteFailure() const;

  // Closes every open file. Returns WriteFailure() after closing the output
  // files, so that a failure to write their last bytes is told as well.
  std::string CloseFile();

  // The whole batch over the six files with the user folder (where the
  // mortality equations and the emission factor file are): 1 completed, -1
  // with the reason in the outcome's message. Plots are read from the files
  // in order, computed by `options.jobs` engines (this runner's and engines
  // sharing its species table), and their lines and error file entries
  // written in plot order, so the files do not depend on the number of
  // engines. `options.progress` is told after each plot is written.
  d_BatchOutcome RunBatch(const d_BatchFiles& files, const std::string& userFolder,
                          const d_BatchOptions& options = {});

  // The most plots a plot list may hold while the limits hold: kBatchPlots
  // unless changed.
  void SetPlotCapacity(int plots) { m_PlotCapacity = plots; }

  // ---- input files --------------------------------------------------------
  // Open the link treatment file and the project file for reading and index
  // them; 1, or 0 with the reason in `message`.
  int OpenLinkTreatment(const std::string& path, std::string& message);
  int OpenProject(const std::string& path, std::string& message);
  // Index a stream instead; `name` stands for the file in messages.
  void UseLinkTreatment(std::istream& file, const std::string& name = "Link Treatment File");
  void UseProject(std::istream& file, const std::string& name = "Batch Project File");

  // ---- prescription of a plot ----------------------------------------------
  // Finds the plot's row of the link treatment file, its retention priority
  // set and treatment in the project file, fills the treatment settings,
  // emission, fuel-model and retention settings, gives the engine the set
  // and its species rows, and gives the plot's moisture scenario
  // ("VeryDry", "Dry", "Moderate", "Wet", or the project's "BCBMoist").
  // Returns 1, or 0 with the reason in `message`.
  int Load_Prescription(const std::string& plot, const std::string& station,
                        std::string& moistScenario, std::string& message);

  // ---- one prescription for every plot ---------------------------------------
  // Without a link treatment file every plot runs with the prescription set
  // here (the desktop batch run window's treatment, emission settings and
  // retention priority set); a plot's fuel row still gives its duff depth,
  // and a PDQ row its own SAVs and emission groups.
  void Put_TMS(const d_TMS& tms) { m_Pre.TMS = tms; }
  void Put_Emis(const d_EmisSettings& emis) { m_Pre.Emis = emis; }
  // The retention priority set's values and its species rows; the rows past
  // kRetSpeRows are left out.
  void Put_RSL(const std::array<float, kRetPriValues>& values,
               const std::vector<d_RetSpe>& species);
  // The engine takes the set's values (Set_RetPri) and its species rows in
  // place of its own (Set_RetPriSpe).
  void Set_RetPri();
  void Set_RetPriSpe();
  // The user folder: its mortality equation file "qor_spp.csv" (found
  // without regard to case) for the burn, and the crown fire model's files.
  void SetUserFolder(const std::string& folder);

  // ---- state ---------------------------------------------------------------
  const d_Prescription& PlotPrescription() const { return m_Pre; }
  const d_LTF& LinkRow() const { return m_Pre.LinkRow; }
  const d_TMS& Treatment() const { return m_Pre.TMS; }
  const d_EmisSettings& Emission() const { return m_Pre.Emis; }
  const std::array<d_RetSpe, kRetSpeRows>& RetPriSpecies() const { return m_Pre.RetSpe; }
  const std::array<float, kRetPriValues>& RetPriValues() const { return m_Pre.RetPri; }
  const d_FMSText& FuelModelText() const { return m_Pre.FMSText; }
  const std::vector<d_BatchPlot>& PlotList() const { return m_Plots; }
  // the numbers of the trees NextPlot last gave the engine
  const std::vector<int>& TreeNumbers() const { return m_TreeNums; }
  const std::string& PlotFileType() const { return m_FileType; }
  const std::string& Message() const { return m_Message; }
  int PlotCount() const { return static_cast<int>(m_Plots.size()); }
  int ErrorCount() const { return m_ErrCount; }
  // the runner's engine: after NextPlot, and after a batch of one job, it
  // holds the last plot computed
  Sylvanor& Engine() { return m_Syl; }
  const Sylvanor& Engine() const { return m_Syl; }
  c_NES& EmissionTable() { return m_NES; }
  const c_NES& EmissionTable() const { return m_NES; }

  // The output streams while the files are open (null otherwise).
  std::ostream* OutputFile() { return m_Out.is_open() ? &m_Out.Stream() : nullptr; }
  std::ostream* EmissionFile() { return m_Emi.is_open() ? &m_Emi.Stream() : nullptr; }
  std::ostream* ProfilePreFile() { return m_ProPre.is_open() ? &m_ProPre.Stream() : nullptr; }
  std::ostream* ProfilePostFile() { return m_ProPost.is_open() ? &m_ProPost.Stream() : nullptr; }
  std::ostream* DetailsFile() { return m_Details.is_open() ? &m_Details.Stream() : nullptr; }

 private:
  // the next row of the plot file, in its layout (the results of ReadRow)
  int ReadPlotRow(std::string& message);
  // The plot's prescription into m_Pre, leaving the engine alone.
  int LoadPlotPrescription(const std::string& plot, const std::string& station,
                           std::string& moistScenario, std::string& message);
  // Reads a plot whose prescription is in m_Pre from the files into `task`.
  void ReadPlot(const d_BatchPlot& plot, d_PlotTask& task);
  int FindPlotRow(const d_BatchPlot& plot, std::vector<std::string>& entries);
  // A plot's entries and lines into the files.
  void WritePlot(const d_BatchPlot& plot, const d_PlotResult& result);
  d_PlotRunEnv RunEnv() const;
  int RowLimit(int limit) const;
  int OpenOutput(c_OutputFile& file, const std::string& path, const char* failure);

  // ---- settings of the current plot ----
  d_Prescription m_Pre;   // its prescription
  d_VXDPlotRow m_VXDRow;  // its fuel row, VXD
  d_PDQPlotRow m_PDQRow;  // or PDQ

  // ---- the engine and the emission factor table ----
  Sylvanor m_Syl;
  c_NES m_NES;
  std::string m_UserData;  // the mortality equation file given to the engine
  std::string m_UserFolder;
  d_HalRun m_Hal;  // the crown fire assessment of the last plot computed

  // ---- the batch ----
  std::vector<d_BatchPlot> m_Plots;
  int m_PlotIdx = -1;
  int m_PlotCapacity = kBatchPlots;
  bool m_Limited = true;  // the limits of the six-argument command line hold
  int m_ErrCount = 0;
  std::vector<int> m_TreeNums;
  std::string m_FileType;
  std::string m_InUnits = "English", m_OutUnits = "English";
  std::string m_Message;

  // ---- files ----
  d_BatchFiles m_Files;  // as named by the caller
  c_TextInput m_PlotFile;
  c_OutputFile m_Out, m_Emi, m_Err, m_ProPre, m_ProPost, m_Details;
  d_OutputHeadings m_Headings;
  c_PrjIndex m_Proj;    // project lines by keyword
  c_LTFIndex m_Link;    // link treatment rows by plot and station
  c_TreeIndex m_Trees;  // tree rows by plot and station
  bool m_HaveProj = false, m_HaveLink = false;
};

}  // namespace sylvanor
