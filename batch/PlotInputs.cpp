#include "batch/PlotInputs.h"

#include <array>
#include <utility>

#include "base/CFormat.h"
#include "base/Keyword.h"
#include "io/PlotTrees.h"

namespace sylvanor {

namespace {

// Tree numbers lie strictly between minus and plus this (2^31): the range of
// the tree list's numbers.
constexpr float kTreeNumLimit = 2147483648.0f;

}  // namespace

void SetInputs(Sylvanor& syl, const d_PlotFuel& fuel) {
  syl.Set_ESDD(3.0f);
  syl.Set_SurfaceFuel(fuel.Loads);
}

void TakePlotSAVs(const d_PDQPlotRow& row, d_TMS& tms) {
  if (row.SAVGrass > 0.0f) tms.GrassSAV = row.SAVGrass;
  if (row.SAVShrub > 0.0f) tms.ShrubSAV = row.SAVShrub;
  if (row.SAVOneHr > 0.0f) tms.OneHrSAV = row.SAVOneHr;
}

void TMS_LoadVX(Sylvanor& syl, const d_TMS& t, const std::string& userData) {
  syl.Set_UserFolder(userData);
  const bool thin = !SameKeyword(t.ThinCrit.str(), "None") && SameKeyword(t.ThinInc.str(), "Yes");
  syl.Set_ThinInc(thin ? "Yes" : "No");
  syl.Set_ThinCrit(t.ThinCrit.str());
  syl.Set_ThiCriVal(SameKeyword(t.ThinCrit.str(), "CanopyCover") ? t.ThiCriVal / 100.0f
                                                                 : t.ThiCriVal);
  syl.Set_CutEff(t.CutEff / 100.0f);
  syl.Set_MinCutDia(t.MinCutDia);
  syl.Set_MaxCutDia(t.MaxCutDia);
  syl.Set_SubMerDia(t.SubMerDia);
  syl.Set_LogTopDia(t.LogTopDia);
  syl.Set_Yardloss(t.Yardloss / 100.0f);

  syl.Set_PrunInc(t.PrunInc.str());
  syl.Set_PrunHgt(t.PrunHgt);
  syl.Set_PrunMRCR(t.PrunMRCR / 100.0f);

  const bool pile = SameKeyword(t.PileInc.str(), "Yes");
  syl.Set_PilGroFra(pile ? t.PilGroPct / 100.0f : 0.0f);
  syl.Set_PilTPFra(pile ? t.PilSlaPct / 100.0f : 0.0f);
  syl.Set_PilBurFra(pile ? t.PilBurPct / 100.0f : 0.0f);

  if (SameKeyword(t.BroBurInc.str(), "No")) {
    syl.Set_BroBurInc("No");
  } else {
    syl.Set_BroBurInc("Yes");
    syl.Set_ScoHgt(t.ScoHgt);
    syl.Set_DuffDepth(t.DuffDepth);
    syl.Set_MLCons(t.MLCons / 100.0f);
    syl.Set_Moist10Hr(t.Moist10Hr / 100.0f);
    syl.Set_Moist1kHr(t.Moist1kHr / 100.0f);
    syl.Set_DuffMoist(t.DuffMoist / 100.0f);
    syl.Set_Region(t.Region.str());
    syl.Set_Season(t.Season.str());
  }

  syl.Set_FueModSet(t.FueModSet);
  syl.Set_Climate(t.Climate);
  syl.Set_FueBedDep(t.FueBedDep);
  syl.Set_GrassSAV(t.GrassSAV);
  syl.Set_ShrubSAV(t.ShrubSAV);
  syl.Set_1HrSAV(t.OneHrSAV);
}

void PutRetentionPriorities(Sylvanor& syl, const d_Prescription& pre) {
  PutRetPriValues(syl, pre);
  PutRetPriSpecies(syl, pre);
}

void PutRetPriValues(Sylvanor& syl, const d_Prescription& pre) {
  const auto& r = pre.RetPri;
  syl.PLT_PutRetPri(r[0], r[1], r[2], r[3], r[4], r[5], r[6], r[7], r[8], r[9], r[10], r[11], r[12],
                    r[13]);
}

void PutRetPriSpecies(Sylvanor& syl, const d_Prescription& pre) {
  syl.PLT_PutRetPriSpe("Init", 0.0f, 0.0f, 0.0f);
  for (std::size_t i = 0; i < pre.RetSpeCount; ++i) {
    const d_RetSpe& spe = pre.RetSpe[i];
    syl.PLT_PutRetPriSpe(spe.Species.str(), spe.MinDia, spe.MaxDia, spe.Pri);
  }
}

std::string NextPlotEmis(Sylvanor& syl, const c_NES& nes, const d_PlotFuel& fuel,
                         d_EmisSettings& emis) {
  const std::array<const std::string*, 3> names = {&fuel.EmiFlame, &fuel.EmiDuff, &fuel.EmiCoarse};
  int unnamed = 0;
  for (const std::string* name : names) {
    if (name->empty() || name->front() == '0') ++unnamed;
  }
  if (unnamed == 3) return {};  // the plot keeps the current factors

  std::array<d_EmisFactors, 3> groups;
  int found = 0;
  for (std::size_t i = 0; i < names.size(); ++i) {
    groups[i].Name = *names[i];
    found += nes.Get_MajFactor(groups[i].Name, groups[i]);
  }
  if (found < 3) {
    return "Missing or invalid emissions factors detected. The emissions factors set on the GUI "
           "will be used.\n";
  }
  emis.Flame = groups[0];
  emis.Duff = groups[1];
  emis.Coarse = groups[2];
  emis.CriFirInt = nes.Get_CriFirInt();
  GiveEmissions(syl, emis);
  return {};
}

void GiveEmissions(Sylvanor& syl, const d_EmisSettings& emis) {
  syl.Set_CriFirInt(emis.CriFirInt);
  syl.Set_EmisFactor("Flame", emis.Flame);
  syl.Set_EmisFactor("Duff", emis.Duff);
  syl.Set_EmisFactor("Smolder", emis.Coarse);
}

void PutTree(Sylvanor& syl, const d_BatchTree& tree, int rowNum, bool pdq,
             std::vector<int>& treeNums, std::vector<std::string>& messages) {
  const int accepted = static_cast<int>(treeNums.size());
  // a tree number must be one the tree list can hold
  if (!pdq && !(tree.Num > -kTreeNumLimit && tree.Num < kTreeNumLimit)) {
    messages.push_back(CFormat(" Tree number out of range.  %d %s Dia:%5.1f Hgt:%5.1f.", rowNum,
                               tree.Species, tree.DBH, tree.Hgt) +
                       " - Tree record will be ignored");
    return;
  }
  const int treeNum = pdq ? accepted + 1 : static_cast<int>(tree.Num);

  float crnHgt = tree.CrnHgt;
  const std::string crownBase =
      FixCrownBaseHeight(tree.Hgt, crnHgt, pdq ? static_cast<float>(tree.CrnRat) : -1.0f);
  if (!crownBase.empty()) {
    messages.push_back(CFormat("%d  %s  DHB:%4.2f  Hgt:%4.1f  HgtCrn:%4.1f\n%s ", rowNum,
                               tree.Species, tree.DBH, tree.Hgt, crnHgt, crownBase));
  }
  const std::string species(tree.Species);
  std::string crnCls(tree.CrnCls);
  std::string crownClass = FixCrownClass(rowNum, species, tree.DBH, tree.Hgt, crnHgt, crnCls);
  if (!crownClass.empty()) messages.push_back(std::move(crownClass));

  std::string message;
  if (!syl.PTL_PutRec(accepted, treeNum, species, tree.DBH, tree.Hgt, crnHgt, tree.TPA, crnCls,
                      std::string(tree.Status), 0.0f, 0.0f, "English", "", message)) {
    messages.push_back(CFormat(" %s  %d %s Dia:%5.1f Hgt:%5.1f.", message, rowNum, tree.Species,
                               tree.DBH, tree.Hgt) +
                       " - Tree record will be ignored");
    return;
  }
  treeNums.push_back(treeNum);
}

void PutTrees(Sylvanor& syl, const std::vector<d_BatchTree>& rows, bool pdq,
              std::vector<int>& treeNums, std::vector<std::string>& messages) {
  int rowNum = 0;
  for (const d_BatchTree& tree : rows) {
    ++rowNum;
    if (SameKeyword(tree.Status, "D")) continue;  // dead trees carry no canopy fuel
    PutTree(syl, tree, rowNum, pdq, treeNums, messages);
  }
}

}  // namespace sylvanor
