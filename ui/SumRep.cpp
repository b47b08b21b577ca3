#include "ui/SumRep.h"

#include <filesystem>
#include <fstream>

#include "base/CFormat.h"
#include "base/CsvRow.h"
#include "base/Keyword.h"
#include "engine/CrownFireDriver.h"
#include "platform/FileLookup.h"
#include "platform/OpenInViewer.h"
#include "ui/Calculate.h"
#include "ui/EquationTable.h"
#include "ui/Reports.h"

namespace sylvanor {

namespace fs = std::filesystem;

namespace {

// The cells of the first line of a text of the summary file, blanks trimmed.
std::vector<std::string> Cells(const std::string& text) {
  CsvRules rules;
  rules.trim = true;
  rules.lineEnd = true;
  return SplitFields(text, rules);
}

}  // namespace

std::string SiblingFile(const std::string& file, const std::string& suffix) {
  const fs::path path(file);
  return (path.parent_path() / (path.stem().string() + suffix)).string();
}

d_SumRepFiles ProposeFiles(const std::string& plotFile) {
  if (plotFile.empty()) return {};
  d_SumRepFiles files;
  files.Plot = plotFile;
  files.Tree = fs::path(plotFile).replace_extension(CFormat(".%s", "tre")).string();
  files.Output = SiblingFile(plotFile, "-Out.csv");
  files.Error = SiblingFile(plotFile, "-Err.txt");
  return files;
}

std::string SummaryHeading() {
  return "PlotID, preCFL, postCFL, preCBD, postCBD, preCBH, postCBH, preSH, postSH, preTD, "
         "postTD, preSDI, postSDI, preCC, postCC, preBA, postBA, preQMD, postQMD, preQ75, "
         "postQ75, preTORI, postTORI, preCRNI, postCRNI, stdCubicFt, HarCubicFt, stdMCFt, "
         "HarMCFt, stdMBFt, HarMBFt, preFueMod, postFueMod\n"
         " Units, T/ac,  T/ac,  kg/m3,   kg/m3,     ft,      ft,    ft,     ft,    tpa,     tpa,"
         "    tpa,     tpa, percent,percent,ft2/ac, ft2/ac,     in,      in,     in,      in,   "
         "mi/hr,    mi/hr,   mi/hr,    mi/hr,    ft3/ac,     ft3/ac,  ft3/ac,  ft3/ac,   ft/ac,   "
         "ft/ac,      code,       code\n";
}

std::string SummaryLine(const std::string& plot, const OutputValues& values,
                        const std::string& preModel, const std::string& postModel) {
  return FormatOutputValues(
      "%s, %6.2f, %6.2f, %6.3f, %6.3f, %6.2f, %6.2f, %6.2f, %6.2f, %6.2f, %6.2f, %6.2f, %6.2f,  "
      "%6.2f, %6.2f, %6.2f, %6.2f, %6.2f, %6.2f, %6.2f, %6.2f, %6.0f, %6.0f, %6.0f, %6.0f, %6.2f, "
      "%6.2f, %6.2f, %6.2f,  %6.2f, %6.2f, %s, %s \n",
      {plot}, values, {preModel, postModel});
}

std::string AverageLine(const OutputValues& averages) {
  return FormatOutputValues(
      "Average,  %6.2f, %6.2f, %6.3f, %6.3f, %6.2f, %6.2f, %6.2f, %6.2f, %6.2f, %6.2f, %6.2f, "
      "%6.2f,  %6.2f, %6.2f, %6.2f, %6.2f, %6.2f, %6.2f, %6.2f, %6.2f, %6.0f, %6.0f, %6.0f, "
      "%6.0f,  %6.2f, %6.2f, %6.2f, %6.2f,  %6.2f, %6.2f  \n",
      {}, averages);
}

std::string SumRepEmissionHeading(const c_NES& nes, const d_EmisSettings& emis) {
  return "Plot,Type" + EmissionComponentHeadings(nes, emis) + "\n";
}

std::vector<std::string> SummaryColumns() {
  return Cells(SummaryHeading());
}

std::vector<std::string> SummaryCells(const d_SummaryRow& row) {
  if (row.Average) return Cells(AverageLine(row.Values));
  return Cells(SummaryLine(row.Plot, row.Values, row.PreModel, row.PostModel));
}

c_SumRep::c_SumRep() : m_Fbc(std::make_unique<c_FBC>()) {}

int c_SumRep::Open(const c_MainWindowState& main, std::string& message) {
  message.clear();
  if (m_Running) return 1;  // a run in progress keeps its settings
  m_Opened = false;
  const d_WindowInputs& in = main.Inputs();
  m_UserFolder = main.UserFolder().string();
  m_MoistScenario = in.MoistScenario;
  Files = ProposeFiles(main.PlotFile());

  d_TMS tms;
  if (!ReadTreatment(in, tms, message)) return 0;
  m_GrassSAV = tms.GrassSAV, m_ShrubSAV = tms.ShrubSAV, m_OneHrSAV = tms.OneHrSAV;
  m_TreatName = in.TreatName;
  m_ThinType = in.Thin ? in.ThinCrit : "None";
  m_Burn = in.Burn ? "Yes" : "No";

  d_ChosenRetPri chosen;
  if (!ChosenRetPri(main.Project(), chosen)) {
    message = kSumRepNoRetPri;
    return 0;
  }

  c_NES& nes = m_Fbc->EmissionTable();
  const std::string factors = UserFolderInputs(m_UserFolder)[0].path;
  if (nes.LoadFile(factors, message) <= 0) {
    if (message.empty()) message = "Can't open Emission Factor File: " + factors;
    return 0;
  }
  message.clear();
  const bool expanded = SameKeyword(main.Project().EmisType, "Expanded");
  m_Fbc->Put_TMS(tms);
  m_Fbc->Put_Emis(WindowEmissions(nes, in, expanded ? nes.Get_CriFirInt() : -1.0f));
  m_Fbc->Put_RSL(chosen.Values, chosen.Species);
  m_Fbc->SetUserFolder(m_UserFolder);
  m_Opened = true;
  return 1;
}

int c_SumRep::Run(std::string& message) {
  message.clear();
  if (m_Running) return 1;
  m_Processed = 0;
  m_LastPlot.clear();
  if (Files.Plot.empty()) {
    message = kSumRepNoPlotFile;
    return 0;
  }
  if (!m_Opened) {
    message = kSumRepNotOpened;
    return 0;
  }
  c_FBC& fbc = *m_Fbc;
  // the species table of the main window: the user folder's species file
  if (!InitEngine(fbc.Engine(), m_UserFolder)) {
    message = fbc.Engine().Get_ErrMes();
    return 0;
  }
  fbc.Init("Batch");

  d_BatchFiles files;
  files.Plot = Files.Plot, files.Tree = Files.Tree;
  files.Output = Files.Output, files.Error = Files.Error;
  files.ProfilePre = SiblingFile(Files.Plot, "-CBD-Pre.csv");
  files.ProfilePost = SiblingFile(Files.Plot, "-CBD-Post.csv");
  // the user folder's files are inputs too: no output may take their place
  m_Plots = 0;
  if (fbc.OpenFiles(files, UserFolderInputs(m_UserFolder)) != 1 || fbc.LoadPlotNames() <= 0) {
    message = fbc.Message();
    fbc.CloseFile();
    return 0;
  }
  m_Plots = fbc.PlotCount();

  fbc.Set_RetPri();
  fbc.Set_RetPriSpe();
  m_Sums = {};
  m_Counts = {};
  m_Rows.clear();
  m_EndMessages.clear();
  m_Skipped = 0;
  m_Running = true;
  m_Paused = m_AbortAsked = false;
  return 1;
}

e_SumRepStep c_SumRep::Step() {
  if (!m_Running) return e_SumRepStep::Ended;
  if (m_Paused) return e_SumRepStep::Paused;
  c_FBC& fbc = *m_Fbc;
  std::string plot, station;
  const int next = fbc.NextPlot(plot, station);
  if (next < 0) {
    End(true);
    return e_SumRepStep::Ended;
  }
  e_SumRepStep done = e_SumRepStep::Skipped;
  if (next == 0) {
    ++m_Skipped;
  } else {
    // the crown fire assessment with the main window's SAVs and scenario;
    // what it tells goes to the error file
    const Sylvanor& syl = fbc.Engine();
    d_HalRun hal;
    float preTorch = -1, preCrown = -1, postTorch = -1, postCrown = -1;
    Hal_Mngr(syl, m_GrassSAV, m_ShrubSAV, m_OneHrSAV, m_MoistScenario, {}, {}, m_UserFolder, hal,
             preTorch, preCrown, postTorch, postCrown);
    for (const std::string& text : hal.Messages)
      fbc.Log_Errors(text, plot, station);

    d_SummaryRow row{plot, PlotOutputValues(syl, preTorch, preCrown, postTorch, postCrown),
                     syl.Get_FuelModel_PreTreatment(), syl.Get_FuelModel_PostTreatment()};
    const bool first = m_Processed == 0;
    if (std::ostream* out = fbc.OutputFile()) {
      if (first) *out << SummaryHeading();
      *out << SummaryLine(plot, row.Values, row.PreModel, row.PostModel);
    }
    const d_EmisSettings& emis = fbc.Emission();
    if (std::ostream* emi = fbc.EmissionFile()) {
      if (first) *emi << SumRepEmissionHeading(fbc.EmissionTable(), emis);
      *emi << (emis.CriFirInt > 0.0f ? EmissionExpandRows(syl, fbc.EmissionTable(), emis, plot)
                                     : EmissionDefaultRows(syl, plot));
    }
    if (std::ostream* pre = fbc.ProfilePreFile())
      *pre << ProfileLine(plot, syl.Get_PreVDR(), syl.Get_PreVDRlays());
    if (std::ostream* post = fbc.ProfilePostFile())
      *post << ProfileLine(plot, syl.Get_VDR(), syl.Get_VDRlays());

    WriteTreeReport(plot, station);

    for (std::size_t k = 0; k < kOutputValues; ++k) {
      if (row.Values[k] < 0.0f) continue;  // none
      m_Sums[k] += row.Values[k];
      ++m_Counts[k];
    }
    m_Rows.push_back(std::move(row));
    ++m_Processed;
    m_LastPlot = plot;
    done = e_SumRepStep::Processed;
  }
  if (m_AbortAsked) return e_SumRepStep::AskAbort;
  if (m_Paused) return e_SumRepStep::Paused;
  return done;
}

void c_SumRep::WriteTreeReport(const std::string& plot, const std::string& station) {
  c_FBC& fbc = *m_Fbc;
  // a plot identifier names a file of its own, never another folder
  const std::string report = SiblingFile(Files.Tree, "-" + FileNameText(plot) + ".txt");
  const std::string failure = CFormat("Can't Open Output Tree File: %s", report);
  // a plot named "Err" would otherwise write over the error file
  for (const std::string& other :
       {Files.Plot, Files.Tree, Files.Output, Files.Error, EmissionFileName(Files.Output)}) {
    if (SameFile(report, other)) {
      fbc.Log_Errors(failure + "\n it is a file of this run", plot, station);
      return;
    }
  }
  std::ofstream file(report, std::ios::binary | std::ios::trunc);
  if (file) file << TreeReport(fbc.Engine(), plot, m_TreatName, m_ThinType, m_Burn);
  if (!file || !file.flush()) fbc.Log_Errors(failure, plot, station);
}

void c_SumRep::Pause() {
  if (m_Running) m_Paused = true;
}

void c_SumRep::Continue() {
  m_Paused = false;
}

e_SumRepStep c_SumRep::AnswerAbort(bool yes) {
  m_AbortAsked = false;
  if (!m_Running) return e_SumRepStep::Ended;
  if (yes) {
    End(false);
    return e_SumRepStep::Ended;
  }
  return m_Paused ? e_SumRepStep::Paused : e_SumRepStep::Processed;
}

void c_SumRep::End(bool average) {
  c_FBC& fbc = *m_Fbc;
  if (average && m_Processed > 0) {
    d_SummaryRow row{"Average", {}, "", "", true};
    for (std::size_t k = 0; k < kOutputValues; ++k)
      row.Values[k] = m_Counts[k] > 0 ? m_Sums[k] / static_cast<float>(m_Counts[k]) : -1.0f;
    if (std::ostream* out = fbc.OutputFile()) *out << AverageLine(row.Values);
    m_Rows.push_back(std::move(row));
  } else if (average) {
    m_EndMessages.push_back(kSumRepNoPlotProcessed);
  }
  if (std::string failure = fbc.CloseFile(); !failure.empty())
    m_EndMessages.push_back(std::move(failure));
  if (fbc.ErrorCount() != 0) {
    m_EndMessages.push_back(
        CFormat("%d Errors encountered and recorded to file\n %s", fbc.ErrorCount(), Files.Error));
  }
  m_Running = m_Paused = m_AbortAsked = false;
}

d_SumRepButtons c_SumRep::Buttons() const {
  if (!m_Running) return {};
  if (m_Paused) return {false, false, false, false, true};
  return {false, false, true, true, false};
}

std::string c_SumRep::OpenErrorFile(const std::string& viewer) const {
  std::error_code ec;
  const fs::path path = FindFileNoCase(Files.Error);
  if (Files.Error.empty() || !fs::is_regular_file(path, ec)) return kSumRepNoFile;
  return OpenInViewer(path, viewer) ? "" : kSumRepCantOpen;
}

}  // namespace sylvanor
