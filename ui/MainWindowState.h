#pragma once
// What the main window holds and decides, without the window: the engine
// and the emission factor table, the user folder, the project and its file,
// the plot file with its plots and the plot shown, the boxes and the grid
// (d_WindowInputs) and the run of "&Calculate". The widgets show this state
// and hand user actions to it; every message they show comes from here.

#include <array>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "batch/Prescription.h"
#include "engine/Sylvanor.h"
#include "io/PlotWarnings.h"
#include "io/ProjectData.h"
#include "treat/EmissionFactors.h"
#include "ui/Calculate.h"
#include "ui/ChartColors.h"
#include "ui/StartUp.h"
#include "ui/WindowInputs.h"

namespace sylvanor {

// What the menu entries without a window of their own say.
inline constexpr const char* kSitelogExport =
    "Sitelog Export: this version has no export of plots from the field-monitoring database.";

// What showing a plot gave: a message to show when it could not be loaded,
// and the plot warnings announcement (empty texts when there is none to
// make) with the warnings file it names.
struct d_ShowPlot {
  bool Ok = false;
  std::string Message;
  d_PlotWarningsNotice Notice;
  std::string WarningsFile;
};

// The retention priority set chosen in a project: its 14 values in the
// order of the set's fields (status H, U, S, D; crown classes; no class;
// crown ratio factors; diameter) and the rows of its species group, in the
// project's order.
struct d_ChosenRetPri {
  std::array<float, kRetPriValues> Values{};
  std::vector<d_RetSpe> Species;
};
// False when no set is chosen or the chosen name is none of the sets.
bool ChosenRetPri(const d_PrjData& project, d_ChosenRetPri& chosen);

class c_MainWindowState {
 public:
  c_MainWindowState() = default;
  c_MainWindowState(const c_MainWindowState&) = delete;
  c_MainWindowState& operator=(const c_MainWindowState&) = delete;

  // The start-up: the user folder, the emission factor lists, and the
  // project the settings file names, opened when there is one. The texts to
  // show (the VX-UD.txt warning, failures) are returned in order.
  std::vector<std::string> Start(const std::filesystem::path& programDir,
                                 const std::filesystem::path& dataHome);

  // Opens a project: its settings into the boxes, its plot file loaded and
  // its plot (or the first) shown. 1, or 0 with the reason in `message`.
  int OpenProject(const std::string& path, std::string& message);
  // Saves the boxes into the project and writes it; 1, or 0 with `message`.
  int SaveProject(const std::string& path, std::string& message);
  // A new project: the window's defaults, no project file.
  void NewProject();

  // Loads the plots of a plot file of `layout` ("VXD", "PDQ" or "KVT"); 1,
  // or 0 with `message`. No plot is shown yet.
  int LoadPlotFile(const std::string& path, const std::string& layout, std::string& message);
  // Shows plot `index` of the plot list: its trees into the grid (the
  // retention priority set applied to the "RP" column), its loads into the
  // fuel boxes, its warnings into the project folder's warnings file.
  d_ShowPlot ShowPlot(int index);
  // "Cancel" on the announcement: no more of them for this plot file.
  void SuppressWarnings() { suppressed_.insert(plotFile_); }

  // Runs the plot shown ("&Calculate"), the grid's cells updated.
  d_CalcResult Calculate();

  // Closing with "Yes": the project saved and named in the settings file.
  int SaveSettings(std::string& message);

  // The retention priority set's priorities ("%6.4f") into the "RP" column.
  void ApplyRetentionPriority();
  // The project's retention priority sets; choosing one applies it.
  std::vector<std::string> RetPriNames() const;
  void ChooseRetPri(const std::string& name);

  // "Save Treatment": the treatment boxes stored in the project under the
  // treatment name (replacing a treatment of that name), which becomes the
  // project's treatment. False, with nothing stored, without a name.
  bool SaveTreatment();

  d_WindowInputs& Inputs() { return in_; }
  const d_WindowInputs& Inputs() const { return in_; }
  const d_PrjData& Project() const { return project_; }
  // The project's records the secondary windows edit (retention priority
  // sets, species groups, treatments, display settings); the boxes are not
  // in it until the project is saved or a treatment is stored.
  d_PrjData& EditProject() { return project_; }
  const std::string& ProjectFile() const { return projectFile_; }
  const std::string& PlotFile() const { return plotFile_; }
  const std::string& PlotLayout() const { return layout_; }
  const std::vector<std::string>& Plots() const { return plots_; }
  int CurrentPlot() const { return current_; }
  const d_EmisLists& EmissionChoices() const { return emisLists_; }
  const std::filesystem::path& UserFolder() const { return userFolder_; }
  // the program's folder, with the data and help files shipped beside it
  const std::filesystem::path& ProgramDir() const { return programDir_; }
  Sylvanor& Engine() { return syl_; }
  const Sylvanor& Engine() const { return syl_; }
  // the crown fire details window's fields, which the next run uses
  d_HalFields HalPre, HalPost;
  // the charts' colours, read from the user folder at the start and kept
  // here as the colour settings window saves them
  d_ChartColors ChartColors;
  const d_CalcResult& LastRun() const { return last_; }

 private:
  void ProjectToInputs();
  void InputsToProject();

  Sylvanor syl_;
  c_NES nes_;
  d_EmisLists emisLists_;
  std::filesystem::path userFolder_, programDir_;
  d_PrjData project_;
  std::string projectFile_;
  std::string plotFile_, layout_;
  std::vector<std::string> plots_;
  int current_ = -1;
  std::set<std::string> suppressed_;  // plot files whose announcements are off
  d_WindowInputs in_;
  d_CalcResult last_;
};

}  // namespace sylvanor
