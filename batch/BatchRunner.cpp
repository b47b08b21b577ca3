#include "batch/BatchRunner.h"

#include <filesystem>

#include "base/CFormat.h"
#include "base/Keyword.h"
#include "base/TextUtil.h"
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
  m_Link.Build(file, kLinkTreatmentRows, name);
  m_HaveLink = true;
}

void c_FBC::UseProject(std::istream& file, const std::string& name) {
  m_Proj.Build(file, name);
  m_HaveProj = true;
}

int c_FBC::Load_Prescription(const std::string& plot, const std::string& station,
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
  if (!sylvanor::Load_Prescription(m_Link, m_Proj, m_NES, plot, station, m_Pre, moistScenario,
                                   message)) {
    return 0;
  }
  PutRetentionPriorities(m_Syl, m_Pre);
  return 1;
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
  m_Trees.Build(treeFile, m_FileType, kBatchTreeRows, files.Tree);
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
  for (int i = 0; i < kBatchPlotListRows; ++i) {
    std::string message;
    const int result = ReadPlotRow(message);
    if (result == 0) break;
    if (result < 0) {
      m_Plots.clear();
      m_Message = AtFileLine(CFormat("Error Reading Sylvanor Plot File: %s ", message),
                             m_Files.Plot, m_PlotFile.LineNumber());
      return 0;
    }
    if (static_cast<int>(m_Plots.size()) >= m_PlotCapacity) {
      m_Plots.clear();
      m_Message = CFormat("Max # (%d) of input plots exceeded", m_PlotCapacity);
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
  const d_BatchPlot& p = m_Plots[static_cast<std::size_t>(m_PlotIdx)];
  plot = p.Plot;
  station = p.MonSta;

  if (FindPlotRow(p) != 1) return -1;

  const bool pdq = m_FileType == "PDQ";
  d_TMS& tms = m_Pre.TMS;
  const d_PlotFuel fuel = pdq ? PDQ_PlotFuel(m_PDQRow) : VXD_PlotFuel(m_VXDRow);
  // a plot without a measured duff depth burns with the depth its fuel row
  // estimates from the duff load
  tms.DuffDepth = fuel.DuffDepth;
  if (fuel.DuffDepthEstimated && fuel.DuffDepth > 0 && !SameKeyword(tms.BroBurInc.str(), "No")) {
    Log_Errors(CFormat("No duff depth given: the broadcast burn takes 0.1 x duff load, %4.2f in\n",
                       fuel.DuffDepth),
               p.Plot, p.MonSta);
  }
  if (pdq) TakePlotSAVs(m_PDQRow, tms);
  SetInputs(m_Syl, fuel);
  TMS_LoadVX(m_Syl, tms, m_UserData);

  if (!m_Syl.Check_InputsLG()) {
    Log_Errors(m_Syl.Get_ErrMes() + "Cannot process this plot", p.Plot, p.MonSta);
    return 0;
  }

  // the project's emission settings, unless the plot's fuel row names its own
  GiveEmissions(m_Syl, m_Pre.Emis);
  if (const std::string warning = NextPlotEmis(m_Syl, m_NES, fuel, m_Pre.Emis); !warning.empty()) {
    Log_Errors(warning, p.Plot, p.MonSta);
  }

  m_Syl.PTL_InitTbl();
  if (!LoadTrees(p)) return 0;

  m_Syl.PLT_RetPriCalc();
  if (!m_Syl.PTL_Exec()) {
    Log_Errors(m_Syl.Get_ErrMes(), p.Plot, p.MonSta);
    return 0;
  }
  return 1;
}

int c_FBC::ReadPlotRow(std::string& message) {
  return m_FileType == "PDQ" ? ReadRow(m_PlotFile, m_PDQRow, message)
                             : ReadRow(m_PlotFile, m_VXDRow, message);
}

int c_FBC::FindPlotRow(const d_BatchPlot& p) {
  const bool pdq = m_FileType == "PDQ";
  for (int i = 0; i < kBatchPlotScanRows; ++i) {
    std::string message;
    const int result = ReadPlotRow(message);
    if (result == 0) break;
    if (result < 0) {
      Log_Errors(AtFileLine("Error Reading Sylvanor Plot Fuel File", m_Files.Plot,
                            m_PlotFile.LineNumber()),
                 p.Plot, p.MonSta);
      return -1;
    }
    const bool found =
        pdq ? SameKeyword(m_PDQRow.Plot, p.Plot) && SameKeyword(m_PDQRow.MonSta, p.MonSta)
            : SameKeyword(m_VXDRow.Plot, p.Plot);
    if (found) return 1;
  }
  Log_Errors("Logic Error - Plot Num not found in Plot File \n", p.Plot, p.MonSta);
  return -1;
}

int c_FBC::LoadTrees(const d_BatchPlot& p) {
  m_TreeNums.clear();
  std::vector<std::string> messages;
  PutTrees(m_Syl, m_Trees.Rows(p.Plot, p.MonSta), m_FileType == "PDQ", m_TreeNums, messages);
  for (const std::string& message : messages) {
    Log_Errors(message, p.Plot, p.MonSta);
  }
  if (m_Trees.ReadError()) {
    Log_Errors(AtFileLine(CFormat("Error Reading Sylvanor Tree File: %s ", m_Trees.ReadMessage()),
                          m_Files.Tree, m_Trees.ReadLine()),
               p.Plot, p.MonSta);
    return 0;
  }
  return 1;
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
  for (const c_OutputFile* file : {&m_Out, &m_Emi, &m_Err, &m_ProPre, &m_ProPost}) {
    if (file->Failed()) return CFormat("Error writing %s: %s", file->Path(), file->ErrorText());
  }
  return {};
}

std::string c_FBC::CloseFile() {
  m_PlotFile.Close();
  std::string failure;
  for (c_OutputFile* file : {&m_Out, &m_Emi, &m_Err, &m_ProPre, &m_ProPost}) {
    const std::string path = file->Path();
    if (const std::string reason = file->Close(); !reason.empty() && failure.empty())
      failure = CFormat("Error writing %s: %s", path, reason);
  }
  m_Trees.Clear();
  return failure;
}

d_BatchOutcome c_FBC::RunBatch(const d_BatchFiles& files, const std::string& userFolder,
                               const BatchProgress& progress) {
  d_BatchOutcome outcome;
  const auto fail = [&](std::string message) {
    CloseFile();
    outcome.result = -1;
    outcome.message = std::move(message);
    outcome.errors = m_ErrCount;
    return outcome;
  };

  Init("CLB");
  // the user folder's files are inputs too: no output may take their place
  const std::filesystem::path folder(userFolder);
  const std::string emissionFile =
      FindFileNoCase((folder / "Emission_Factors.csv").string()).string();
  m_UserData = FindFileNoCase((folder / "qor_spp.csv").string()).string();
  std::vector<d_BatchPath> userInputs;
  if (!userFolder.empty()) {
    userInputs = {{"emission factor file", emissionFile}, {"mortality equation file", m_UserData}};
  }
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

  for (int i = 0; i < PlotCount(); ++i) {
    const d_BatchPlot& plot = m_Plots[static_cast<std::size_t>(i)];
    std::string moistScenario;
    message.clear();
    if (!Load_Prescription(plot.Plot, plot.MonSta, moistScenario, message) || !message.empty()) {
      Log_Errors(message, plot.Plot, plot.MonSta);
      SkipPlot();
      ++outcome.skipped;
    } else {
      std::string id, station;
      const int result = NextPlot(id, station);
      if (result == 1 && id != plot.Plot) {
        return fail(CFormat("Logic Error - VXLB_Main()\n %s - %s", id, plot.Plot));
      }
      if (result == 1) {
        // the crown fire assessment of both states; what it tells goes to
        // the error file, and an index it could not compute reads -1
        float preTorch = -1.0f, preCrown = -1.0f, postTorch = -1.0f, postCrown = -1.0f;
        const d_TMS& tms = m_Pre.TMS;
        Hal_Mngr(m_Syl, tms.GrassSAV, tms.ShrubSAV, tms.OneHrSAV, moistScenario, {}, {}, userFolder,
                 m_Hal, preTorch, preCrown, postTorch, postCrown);
        for (const std::string& text : m_Hal.Messages)
          Log_Errors(text, plot.Plot, plot.MonSta);
        if (m_Out.is_open()) {
          Put_Output(m_Out.Stream(), m_Headings, m_Syl, plot.Plot, plot.MonSta, preTorch, preCrown,
                     postTorch, postCrown);
        }
        if (m_Emi.is_open() && m_Pre.Emis.CriFirInt > 0.0f) {
          Put_OutputEmisExpand(m_Emi.Stream(), m_Headings, m_Syl, m_NES, m_Pre.Emis, plot.Plot,
                               plot.MonSta);
        } else if (m_Emi.is_open()) {
          Put_OutputEmisDefault(m_Emi.Stream(), m_Headings, m_Syl, plot.Plot, plot.MonSta);
        }
        ++outcome.processed;
      } else {
        // skipped or failed (its entry is in the error file): no output
        // lines, which would otherwise carry the previous plot's results
        ++outcome.skipped;
      }
    }
    // a write that failed ends the batch: what is written stays, and the
    // batch is not reported as complete
    if (std::string failure = WriteFailure(); !failure.empty()) return fail(std::move(failure));
    if (progress) progress(i + 1, PlotCount());
  }

  // the temporary fuel model files and input dumps of the crown fire model
  // hold the last plot computed, for checking it by hand
  if (outcome.processed > 0) Hal_WriteFiles(m_Hal, userFolder);
  outcome.errors = m_ErrCount;
  if (std::string failure = CloseFile(); !failure.empty()) return fail(std::move(failure));
  outcome.result = 1;
  return outcome;
}

}  // namespace sylvanor
