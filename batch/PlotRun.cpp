#include "batch/PlotRun.h"

#include "batch/DetailsFile.h"
#include "batch/OutputWriters.h"
#include "batch/PlotInputs.h"

namespace sylvanor {

int ExecutePlot(Sylvanor& syl, d_PlotTask& task, const d_PlotRunEnv& env,
                std::vector<int>& treeNums, std::vector<std::string>& entries) {
  PutRetentionPriorities(syl, task.Pre);
  SetInputs(syl, task.Fuel);
  TMS_LoadVX(syl, task.Pre.TMS, env.UserData);
  if (!syl.Check_InputsLG()) {
    entries.push_back(syl.Get_ErrMes() + "Cannot process this plot");
    return 0;
  }

  // the project's emission settings, unless the plot's fuel row names its own
  GiveEmissions(syl, task.Pre.Emis);
  if (std::string warning = NextPlotEmis(syl, *env.Nes, task.Fuel, task.Pre.Emis);
      !warning.empty()) {
    entries.push_back(std::move(warning));
  }

  syl.PTL_InitTbl();
  treeNums.clear();
  static const std::vector<d_BatchTree> kNoTrees;
  PutTrees(syl, task.Trees ? *task.Trees : kNoTrees, env.Pdq, treeNums, entries);
  if (!task.TreeReadError.empty()) {
    entries.push_back(task.TreeReadError);
    return 0;
  }

  syl.PLT_RetPriCalc();
  if (!syl.PTL_Exec()) {
    entries.push_back(syl.Get_ErrMes());
    return 0;
  }
  return 1;
}

void RunPlot(Sylvanor& syl, d_PlotTask& task, const d_PlotRunEnv& env, d_PlotResult& result) {
  result = {};
  result.Entries = std::move(task.Entries);
  if (task.Read != 1) return;
  std::vector<int> treeNums;
  if (ExecutePlot(syl, task, env, treeNums, result.Entries) != 1) return;
  result.Processed = true;

  // the crown fire assessment of both states; what it tells goes to the
  // error file, and an index it could not compute reads -1
  float preTorch = -1.0f, preCrown = -1.0f, postTorch = -1.0f, postCrown = -1.0f;
  const d_TMS& tms = task.Pre.TMS;
  Hal_Mngr(syl, tms.GrassSAV, tms.ShrubSAV, tms.OneHrSAV, task.MoistScenario, {}, {},
           env.UserFolder, result.Hal, preTorch, preCrown, postTorch, postCrown);
  for (const std::string& text : result.Hal.Messages)
    result.Entries.push_back(text);

  const d_BatchPlot& plot = task.Plot;
  result.Output = OutputLine(syl, plot.Plot, plot.MonSta, preTorch, preCrown, postTorch, postCrown);
  result.EmisExpanded = task.Pre.Emis.CriFirInt > 0.0f;
  if (result.EmisExpanded) {
    result.EmisHeading = EmissionExpandHeading(*env.Nes, task.Pre.Emis);
    result.Emis = EmissionExpandLines(syl, *env.Nes, task.Pre.Emis, plot.Plot, plot.MonSta);
  } else {
    result.EmisHeading = EmissionDefaultHeading();
    result.Emis = EmissionDefaultLines(syl, plot.Plot, plot.MonSta);
  }
  if (env.Profiles) {
    result.ProfilePre = ProfileLine(plot.Plot, syl.Get_PreVDR(), syl.Get_PreVDRlays());
    result.ProfilePost = ProfileLine(plot.Plot, syl.Get_VDR(), syl.Get_VDRlays());
  }
  if (env.Details) {
    result.Details = DetailsLine(syl, result.Hal, plot.Plot, plot.MonSta, tms.TreatName.str(),
                                 {preTorch, preCrown, postTorch, postCrown});
  }
}

}  // namespace sylvanor
