#include "batch/BatchRunner.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <memory>

#include "base/CFormat.h"
#include "base/Keyword.h"
#include "base/TextUtil.h"
#include "batch/DetailsFile.h"
#include "batch/OrderedRun.h"
#include "batch/PlotInputs.h"
#include "io/PlotFuel.h"
#include "platform/FileLookup.h"

namespace sylvanor {

namespace {

// Why an input cannot be read though it exists: " <path> is not a file\n"
// for a folder or a device; empty otherwise.
std::string NotAFile(const std::string& path) {
  return ExistsAsNonFile(FindFileNoCase(path)) ? CFormat(" %s is not a file\n", path)
                                               : std::string();
}

// Opens an input for reading; 0 with the reason in `reason` when it exists
// but is not a file.
int OpenForReading(std::ifstream& file, const std::string& path, std::string& reason) {
  file.close();
  file.clear();
  reason = NotAFile(path);
  if (!reason.empty()) return 0;
  file.open(FindFileNoCase(path), std::ios::binary);
  return file.is_open() ? 1 : 0;
}

void Rewind(std::istream& file) {
  file.clear();
  file.seekg(0);
}

}  // namespace

int c_FBC::OpenLinkTreatment(const std::string& path, std::string& message) {
  m_HaveLink = false;
  m_Link.Clear();
  std::ifstream file;
  std::string reason;
  if (!OpenForReading(file, path, reason)) {
    message = CFormat("Can't Open Link Treatment File : %s\n", path) + reason;
    return 0;
  }
  UseLinkTreatment(file, path);
  return 1;
}

int c_FBC::OpenProject(const std::string& path, std::string& message) {
  m_HaveProj = false;
  m_Proj.Clear();
  std::ifstream file;
  std::string reason;
  if (!OpenForReading(file, path, reason)) {
    message = CFormat("Can't Open Batch Project File: %s\n", path) + reason;
    return 0;
  }
  UseProject(file, path);
  return 1;
}

void c_FBC::UseLinkTreatment(std::istream& file, const std::string& name) {
  m_Link.Build(file, RowLimit(kLinkTreatmentRows), name);
  m_HaveLink = true;
}

void c_FBC::UseProject(std::istream& file, const std::string& name) {
  m_Proj.Build(file, name);
  m_HaveProj = true;
}

int c_FBC::LoadPlotPrescription(const std::string& plot, const std::string& station,
                                std::string& moistScenario, std::string& message) {
  message.clear();
  if (!m_HaveLink) {
    message = "Link Treatment File is not open";
    return 0;
  }
  if (!m_HaveProj) {
    message = "Batch Project File is not open";
    return 0;
  }
  return sylvanor::Load_Prescription(m_Link, m_Proj, m_NES, plot, station, m_Pre, moistScenario,
                                     message);
}

int c_FBC::Load_Prescription(const std::string& plot, const std::string& station,
                             std::string& moistScenario, std::string& message) {
  if (!LoadPlotPrescription(plot, station, moistScenario, message)) return 0;
  PutRetentionPriorities(m_Syl, m_Pre);
  return 1;
}

void c_FBC::Put_RSL(const std::array<float, kRetPriValues>& values,
                    const std::vector<d_RetSpe>& species) {
  m_Pre.RetPri = values;
  m_Pre.RetSpe.fill(d_RetSpe{});
  m_Pre.RetSpeCount = std::min(species.size(), kRetSpeRows);
  std::copy_n(species.begin(), m_Pre.RetSpeCount, m_Pre.RetSpe.begin());
}

void c_FBC::Set_RetPri() {
  PutRetPriValues(m_Syl, m_Pre);
}

void c_FBC::Set_RetPriSpe() {
  PutRetPriSpecies(m_Syl, m_Pre);
}

void c_FBC::SetUserFolder(const std::string& folder) {
  m_UserFolder = folder;
  m_UserData = UserFolderInputs(folder)[1].path;
}

int c_FBC::RowLimit(int limit) const {
  return m_Limited ? limit : std::numeric_limits<int>::max();
}

// ---------------------------------------------------------------------------
// The batch

int c_FBC::Init(const std::string& mode) {
  CloseFile();
  m_Plots.clear();
  m_PlotIdx = -1;
  m_ErrCount = 0;
  m_TreeNums.clear();
  m_FileType.clear();
  m_Message.clear();
  m_InUnits = "English";
  m_OutUnits = "English";
  m_Syl.Init_LarGUI(m_InUnits, m_OutUnits, SameKeyword(mode, "Batch") ? "Batch" : "");
  m_Syl.Set_CBDCriThr(0.012f);
  return 1;
}

int c_FBC::OpenOutput(c_OutputFile& file, const std::string& path, const char* failure) {
  if (file.Open(path)) return 1;
  m_Message = CFormat(failure, path);
  return 0;
}

int c_FBC::OpenFiles(const d_BatchFiles& files, const std::vector<d_BatchPath>& moreInputs) {
  m_Message.clear();
  m_Files = files;
  m_FileType = PlotFileLayout(files.Plot);
  if (m_FileType != "VXD" && m_FileType != "PDQ") {
    m_FileType.clear();
    m_Message = CFormat("Invalid Input Plot File Type:\n%s", files.Plot);
    return 0;
  }

  std::string reason = NotAFile(files.Plot);
  if (!reason.empty() || !m_PlotFile.Open(FindFileNoCase(files.Plot))) {
    m_PlotFile.Close();
    m_Message = CFormat("Can't Open Plot File: %s\n", files.Plot) + reason;
    return 0;
  }
  std::ifstream treeFile;
  if (!OpenForReading(treeFile, files.Tree, reason)) {
    m_Message = CFormat("Can't Open Tree File: %s\n", files.Tree) + reason;
    return 0;
  }
  m_Trees.Build(treeFile, m_FileType, RowLimit(kBatchTreeRows), files.Tree);
  if (!files.Link.empty()) {
    std::string message;
    if (!OpenLinkTreatment(files.Link, message) || !OpenProject(files.Project, message)) {
      m_Message = message;
      return 0;
    }
  }

  if (std::string clash = OutputClash(BatchInputs(files, moreInputs), BatchOutputs(files));
      !clash.empty()) {
    m_Message = std::move(clash);
    return -1;
  }
  m_Headings = {};
  if (!OpenOutput(m_Out, files.Output, "Can't Open Output Plot File: %s\n")) return 0;
  if (!OpenOutput(m_Emi, EmissionFileName(files.Output), "Can't Open Output Emission File: %s\n"))
    return 0;
  if (!OpenOutput(m_Err, files.Error, "Can't Open Output Error File: %s\n")) return 0;
  if (!files.ProfilePre.empty() &&
      !OpenOutput(m_ProPre, files.ProfilePre, "Can't Open Canopy Bulk Density Pre File: %s\n"))
    return 0;
  if (!files.ProfilePost.empty() &&
      !OpenOutput(m_ProPost, files.ProfilePost, "Can't Open Canopy Bulk Density Post File: %s\n"))
    return 0;
  if (!files.Details.empty() &&
      !OpenOutput(m_Details, files.Details, "Can't Open Details File: %s\n"))
    return 0;
  for (c_OutputFile* profile : {&m_ProPre, &m_ProPost}) {
    if (profile->is_open()) profile->Stream() << ProfileHeading();
  }
  if (m_Details.is_open()) m_Details.Stream() << DetailsHeading();

  for (const std::vector<d_FileNotice>* notices :
       {&m_Trees.Notices(), &m_Link.Notices(), &m_Proj.Notices()}) {
    for (const d_FileNotice& notice : *notices)
      Log_FileNotice(notice);
  }
  return 1;
}

int c_FBC::LoadPlotNames() {
  m_Plots.clear();
  m_PlotIdx = -1;
  m_Message.clear();
  if (!m_PlotFile.is_open()) {
    m_Message = "Plot File is not open";
    return 0;
  }
  const bool pdq = m_FileType == "PDQ";
  Rewind(m_PlotFile);
  SkipHeadingLine(m_PlotFile);
  const int capacity = m_Limited ? m_PlotCapacity : std::numeric_limits<int>::max();
  for (int i = 0; i < RowLimit(kBatchPlotListRows); ++i) {
    std::string message;
    const int result = ReadPlotRow(message);
    if (result == 0) break;
    if (result < 0) {
      m_Plots.clear();
      m_Message = AtFileLine(CFormat("Error Reading Sylvanor Plot File: %s ", message),
                             m_Files.Plot, m_PlotFile.LineNumber());
      return 0;
    }
    if (static_cast<int>(m_Plots.size()) >= capacity) {
      m_Plots.clear();
      m_Message = CFormat("Max # (%d) of input plots exceeded", capacity);
      return 0;
    }
    d_BatchPlot plot;
    plot.Plot = pdq ? m_PDQRow.Plot : m_VXDRow.Plot;
    plot.MonSta = pdq ? m_PDQRow.MonSta : std::string();
    plot.Num = static_cast<int>(m_Plots.size());
    m_Plots.push_back(std::move(plot));
  }
  if (m_Plots.empty()) {
    // without a plot there is no batch to run; say why rather than fail silently
    m_Message = "No plots found in Plot File";
    return 0;
  }
  // the plot file is read twice: its long lines are told once, from this pass
  for (const d_FileNotice& notice : CutLineNotices(m_PlotFile, m_Files.Plot))
    Log_FileNotice(notice);
  // back to the first row: the plots are read forward from here, and the
  // heading is not a plot
  Rewind(m_PlotFile);
  SkipHeadingLine(m_PlotFile);
  return PlotCount();
}

int c_FBC::NextPlot(std::string& plot, std::string& station) {
  ++m_PlotIdx;
  if (m_PlotIdx >= PlotCount()) return -1;
  d_PlotTask task;
  ReadPlot(m_Plots[static_cast<std::size_t>(m_PlotIdx)], task);
  plot = task.Plot.Plot;
  station = task.Plot.MonSta;
  std::vector<std::string> entries = std::move(task.Entries);
  const int result =
      task.Read == 1 ? ExecutePlot(m_Syl, task, RunEnv(), m_TreeNums, entries) : task.Read;
  // the emission groups a plot row names stay the runner's, for its lines
  m_Pre.Emis = task.Pre.Emis;
  for (const std::string& entry : entries)
    Log_Errors(entry, plot, station);
  return result;
}

void c_FBC::ReadPlot(const d_BatchPlot& p, d_PlotTask& task) {
  task.Plot = p;
  if (FindPlotRow(p, task.Entries) != 1) {
    task.Read = -1;
    return;
  }
  const bool pdq = m_FileType == "PDQ";
  task.Fuel = pdq ? PDQ_PlotFuel(m_PDQRow) : VXD_PlotFuel(m_VXDRow);
  // a plot without a measured duff depth burns with the depth its fuel row
  // estimates from the duff load
  d_TMS& tms = m_Pre.TMS;
  tms.DuffDepth = task.Fuel.DuffDepth;
  if (task.Fuel.DuffDepthEstimated && task.Fuel.DuffDepth > 0 &&
      !SameKeyword(tms.BroBurInc.str(), "No")) {
    task.Entries.push_back(
        CFormat("No duff depth given: the broadcast burn takes 0.1 x duff load, %4.2f in\n",
                task.Fuel.DuffDepth));
  }
  if (pdq) TakePlotSAVs(m_PDQRow, tms);
  task.Pre = m_Pre;
  task.Trees = &m_Trees.Rows(p.Plot, p.MonSta);
  if (m_Trees.ReadError()) {
    task.TreeReadError =
        AtFileLine(CFormat("Error Reading Sylvanor Tree File: %s ", m_Trees.ReadMessage()),
                   m_Files.Tree, m_Trees.ReadLine());
  }
  task.Read = 1;
}

d_PlotRunEnv c_FBC::RunEnv() const {
  d_PlotRunEnv env;
  env.Nes = &m_NES;
  env.UserData = m_UserData;
  env.UserFolder = m_UserFolder;
  env.Pdq = m_FileType == "PDQ";
  env.Profiles = m_ProPre.is_open() || m_ProPost.is_open();
  env.Details = m_Details.is_open();
  return env;
}

int c_FBC::ReadPlotRow(std::string& message) {
  return m_FileType == "PDQ" ? ReadRow(m_PlotFile, m_PDQRow, message)
                             : ReadRow(m_PlotFile, m_VXDRow, message);
}

int c_FBC::FindPlotRow(const d_BatchPlot& p, std::vector<std::string>& entries) {
  const bool pdq = m_FileType == "PDQ";
  for (int i = 0; i < kBatchPlotScanRows; ++i) {
    std::string message;
    const int result = ReadPlotRow(message);
    if (result == 0) break;
    if (result < 0) {
      entries.push_back(AtFileLine("Error Reading Sylvanor Plot Fuel File", m_Files.Plot,
                                   m_PlotFile.LineNumber()));
      return -1;
    }
    const bool found =
        pdq ? SameKeyword(m_PDQRow.Plot, p.Plot) && SameKeyword(m_PDQRow.MonSta, p.MonSta)
            : SameKeyword(m_VXDRow.Plot, p.Plot);
    if (found) return 1;
  }
  entries.push_back("Logic Error - Plot Num not found in Plot File \n");
  return -1;
}

void c_FBC::Log_Errors(const std::string& message, const std::string& plot,
                       const std::string& station) {
  if (m_Err.is_open()) {
    m_Err.Stream() << CFormat("Plot: %s - MonSta: %s \n %s\n\n", plot, station, message);
  }
  ++m_ErrCount;
}

void c_FBC::Log_FileNotice(const d_FileNotice& notice) {
  if (m_Err.is_open()) {
    m_Err.Stream() << CFormat("File: %s - Line: %d \n %s\n\n", notice.file, notice.line,
                              notice.message);
  }
  ++m_ErrCount;
}

std::string c_FBC::WriteFailure() const {
  for (const c_OutputFile* file : {&m_Out, &m_Emi, &m_Err, &m_ProPre, &m_ProPost, &m_Details}) {
    if (file->Failed()) return CFormat("Error writing %s: %s", file->Path(), file->ErrorText());
  }
  return {};
}

std::string c_FBC::CloseFile() {
  m_PlotFile.Close();
  std::string failure;
  for (c_OutputFile* file : {&m_Out, &m_Emi, &m_Err, &m_ProPre, &m_ProPost, &m_Details}) {
    const std::string path = file->Path();
    if (const std::string reason = file->Close(); !reason.empty() && failure.empty())
      failure = CFormat("Error writing %s: %s", path, reason);
  }
  m_Trees.Clear();
  return failure;
}

void c_FBC::WritePlot(const d_BatchPlot& plot, const d_PlotResult& result) {
  for (const std::string& entry : result.Entries)
    Log_Errors(entry, plot.Plot, plot.MonSta);
  if (!result.Processed) return;
  // each form's heading lines go before its first plot lines
  const auto put = [](c_OutputFile& file, bool& headed, const std::string& heading,
                      const std::string& lines) {
    if (!file.is_open()) return;
    if (!headed) file.Stream() << heading;
    headed = true;
    file.Stream() << lines;
  };
  put(m_Out, m_Headings.Output, OutputHeading(), result.Output);
  put(m_Emi, result.EmisExpanded ? m_Headings.EmisExpand : m_Headings.EmisDefault,
      result.EmisHeading, result.Emis);
  if (m_ProPre.is_open()) m_ProPre.Stream() << result.ProfilePre;
  if (m_ProPost.is_open()) m_ProPost.Stream() << result.ProfilePost;
  if (m_Details.is_open()) m_Details.Stream() << result.Details;
}

d_BatchOutcome c_FBC::RunBatch(const d_BatchFiles& files, const std::string& userFolder,
                               const d_BatchOptions& options) {
  d_BatchOutcome outcome;
  const auto fail = [&](std::string message) {
    CloseFile();
    outcome.result = -1;
    outcome.message = std::move(message);
    outcome.errors = m_ErrCount;
    return outcome;
  };

  Init("CLB");
  m_Limited = options.limits;
  // the user folder's files are inputs too: no output may take their place
  SetUserFolder(userFolder);
  const std::vector<d_BatchPath> userFiles = UserFolderInputs(userFolder);
  const std::string emissionFile = userFiles[0].path;
  std::vector<d_BatchPath> userInputs;
  if (!userFolder.empty()) userInputs = userFiles;
  if (const int opened = OpenFiles(files, userInputs); opened != 1) {
    if (opened < 0) return fail(m_Message);
    return fail(
        CFormat("Error opening file(s). Make sure existing files are closed\n %s", m_Message));
  }

  std::string message;
  if (userFolder.empty() || m_NES.LoadFile(emissionFile, message) <= 0) {
    return fail(CFormat("Can't open Emission Factor File in User Folder.\n %s\n", userFolder));
  }

  if (!LoadPlotNames()) return fail(m_Message);
  outcome.plots = PlotCount();

  // this runner's engine and, for more jobs, engines sharing its species table
  const int jobs = std::clamp(options.jobs, 1, std::max(PlotCount(), 1));
  std::vector<std::unique_ptr<Sylvanor>> more;
  std::vector<Sylvanor*> engines = {&m_Syl};
  for (int k = 1; k < jobs; ++k) {
    auto& engine = more.emplace_back(std::make_unique<Sylvanor>());
    engine->ShareSpeciesTable(m_Syl);
    engine->Init_LarGUI(m_InUnits, m_OutUnits, "Batch");
    engine->Set_CBDCriThr(0.012f);
    engines.push_back(engine.get());
  }
  const d_PlotRunEnv env = RunEnv();
  std::string failure;

  d_OrderedStages<d_PlotTask, d_PlotResult> stages;
  stages.read = [&](std::size_t i, d_PlotTask& task) {
    m_PlotIdx = static_cast<int>(i);
    const d_BatchPlot& plot = m_Plots[i];
    std::string reason;
    if (!LoadPlotPrescription(plot.Plot, plot.MonSta, task.MoistScenario, reason) ||
        !reason.empty()) {
      task.Plot = plot;
      task.Read = 0;
      task.Entries.push_back(reason);
      return true;
    }
    ReadPlot(plot, task);
    return true;
  };
  stages.compute = [&](int worker, d_PlotTask& task, d_PlotResult& result) {
    RunPlot(*engines[static_cast<std::size_t>(worker)], task, env, result);
  };
  stages.write = [&](std::size_t i, d_PlotResult& result) {
    WritePlot(m_Plots[i], result);
    if (result.Processed) {
      ++outcome.processed;
      m_Hal = std::move(result.Hal);
    } else {
      // skipped or failed (its entry is in the error file): no output lines
      ++outcome.skipped;
    }
    // a write that failed ends the batch: what is written stays, and the
    // batch is not reported as complete
    failure = WriteFailure();
    if (!failure.empty()) return false;
    if (options.progress) options.progress(static_cast<int>(i) + 1, PlotCount());
    return true;
  };
  if (!RunInOrder(m_Plots.size(), jobs, stages)) return fail(std::move(failure));

  // the temporary fuel model files and input dumps of the crown fire model
  // hold the last plot computed, for checking it by hand
  if (outcome.processed > 0) Hal_WriteFiles(m_Hal, userFolder);
  outcome.errors = m_ErrCount;
  if (std::string closing = CloseFile(); !closing.empty()) return fail(std::move(closing));
  outcome.result = 1;
  return outcome;
}

}  // namespace sylvanor
