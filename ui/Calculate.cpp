#include "ui/Calculate.h"

#include "base/CFormat.h"
#include "base/TextUtil.h"
#include "batch/PlotInputs.h"
#include "platform/FileLookup.h"
#include "ui/EquationTable.h"
#include "ui/SettingsForm.h"

namespace sylvanor {

namespace fs = std::filesystem;

namespace {

d_CalcResult Failed(d_CalcResult result, int step, const std::string& message) {
  result.Ok = false;
  result.FailedStep = step;
  result.Message = message + kStepFailure;
  return result;
}

// The factors of an emission group of the table, under its number.
d_EmisFactors Group(const c_NES& nes, const std::string& name) {
  d_EmisFactors set;
  set.Name = name;
  nes.Get_MajFactor(name, set);
  return set;
}

// A grid row's cells as a tree: false with the reason when a number cell
// is not a number.
struct d_RowTree {
  int Num = 0;
  double Dia = 0, Hgt = 0, CrnHgt = 0, TPA = 0, RetPri = 0;
};

bool ReadRow(const GridRow& row, d_RowTree& tree, std::string& reason) {
  const std::pair<std::size_t, double*> numbers[] = {
      {2, &tree.Dia}, {3, &tree.Hgt}, {4, &tree.CrnHgt}, {8, &tree.TPA}, {9, &tree.RetPri}};
  if (!ReadNumber(TrimBlanks(row[0]), tree.Num)) {
    reason = CFormat("%s (%s) is not a whole number", kGridHeadings[0], row[0]);
    return false;
  }
  for (const auto& [column, value] : numbers) {
    if (!ReadNumber(TrimBlanks(row[column]), *value)) {
      reason = CFormat("%s (%s) is not a number", kGridHeadings[column], row[column]);
      return false;
    }
  }
  return true;
}

}  // namespace

d_EmisSettings WindowEmissions(const c_NES& nes, const d_WindowInputs& in, float criFirInt) {
  d_EmisSettings emis;
  emis.Flame = Group(nes, in.EmisFlame);
  emis.Duff = Group(nes, in.EmisDuff);
  emis.Coarse = Group(nes, in.EmisCoarse);
  emis.CriFirInt = criFirInt;
  return emis;
}

d_CalcResult Calculate(Sylvanor& syl, const c_NES& nes, const d_WindowInputs& in,
                       const fs::path& userFolder, const d_HalFields& pre,
                       const d_HalFields& post) {
  d_CalcResult result;
  for (std::size_t r = 0; r < in.Trees.size(); ++r) {
    result.Thinned.push_back(in.Trees[r][10]);
    result.Killed.push_back(in.Trees[r][11]);
  }

  // 2: the engine in English units with the user folder's species file; a
  // species file with a bad row (or no mortality species file) stops the run
  if (!InitEngine(syl, userFolder)) return Failed(result, 2, syl.Get_ErrMes());

  // 3: the canopy bulk density threshold of the settings window
  float threshold = 0;
  std::string message;
  if (!ReadCBDThreshold(in.CBDThreshold, threshold, message)) return Failed(result, 3, message);
  syl.Set_CBDCriThr(threshold);

  // 4: the fuel loads and the emission groups chosen
  d_PlotFuel fuel;
  if (!ReadFuel(in, fuel.Loads, message)) return Failed(result, 4, message);
  SetInputs(syl, fuel);
  const d_EmisSettings emis = WindowEmissions(nes, in, nes.Get_CriFirInt());
  syl.Set_CriFirInt(emis.CriFirInt);
  syl.Set_EmisFactor("Flame", emis.Flame);
  syl.Set_EmisFactor("Duff", emis.Duff);
  syl.Set_EmisFactor("Smolder", emis.Coarse);

  // 5: the treatment, the batch's way, and its checks
  d_TMS tms;
  if (!ReadTreatment(in, tms, message)) return Failed(result, 5, message);
  TMS_LoadVX(syl, tms, FindFileNoCase(userFolder / "qor_spp.csv").string());
  if (!syl.Check_InputsLG()) return Failed(result, 5, syl.Get_ErrMes());

  // 6: every grid row that is not selected
  syl.PTL_InitTbl();
  std::vector<int> treeNums(in.Trees.size(), 0);
  int added = 0;
  for (std::size_t r = 0; r < in.Trees.size(); ++r) {
    if (r < in.Selected.size() && in.Selected[r]) continue;
    const GridRow& row = in.Trees[r];
    const int rowNum = static_cast<int>(r) + 1;
    d_RowTree tree;
    std::string reason;
    if (!ReadRow(row, tree, reason)) {
      return Failed(result, 6,
                    CFormat("Tree Grid Record in Error --> %d %s \n %s", rowNum, row[1], reason) +
                        "\nIf you are hand entering data fill in every column, include 0 thin & "
                        "kill columns\nOr your input tree file may be in error. ");
    }
    if (!syl.PTL_PutRec(added, tree.Num, row[1], static_cast<float>(tree.Dia),
                        static_cast<float>(tree.Hgt), static_cast<float>(tree.CrnHgt),
                        static_cast<float>(tree.TPA), row[5], row[6],
                        static_cast<float>(tree.RetPri), 0.0f, "English", "", reason)) {
      return Failed(result, 6, CFormat("Tree record %d in error\n %s", rowNum, reason));
    }
    treeNums[r] = tree.Num;
    ++added;
  }

  // 7: the execution
  if (!syl.PTL_Exec()) return Failed(result, 7, syl.Get_ErrMes());

  // 9: each tree's thinned and killed trees per acre into the grid
  for (std::size_t r = 0; r < in.Trees.size(); ++r) {
    if (r < in.Selected.size() && in.Selected[r]) continue;
    std::string species;
    float killed = 0, mortPct = 0, thinned = 0, pctThinned = 0;
    syl.PTL_GetInfo(treeNums[r], species, killed, mortPct, thinned, pctThinned);
    result.Thinned[r] = CFormat("%1.1f", thinned);
    result.Killed[r] = CFormat("%1.1f", killed);
  }

  // 11: the crown fire assessment of both states
  d_OutputIndices& x = result.Indices;
  Hal_Mngr(syl, tms.GrassSAV, tms.ShrubSAV, tms.OneHrSAV, in.MoistScenario, pre, post,
           userFolder.string(), result.Hal, x.PreTorch, x.PreCrown, x.PostTorch, x.PostCrown);
  result.Ok = true;
  return result;
}

}  // namespace sylvanor
