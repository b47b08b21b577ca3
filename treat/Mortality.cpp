#include "treat/Mortality.h"

#include <array>
#include <string_view>

#include "base/CFormat.h"
#include "base/Keyword.h"
#include "base/TextUtil.h"
#include "treat/BarkThickness.h"
#include "treat/CrownScorch.h"

namespace sylvanor {

namespace {

constexpr float kFailed = -1.0f;

bool KnownEqType(std::string_view type) {
  return SameKeyword(type, kEqCrownCambium) || SameKeyword(type, kEqCrownScorch) ||
         SameKeyword(type, kEqBoleChar);
}

// The equation code of the first record of the species (compared without
// case) whose equation is of the requested type; a species without records
// uses a final "*InvSpe*" record.
bool FindEquation(const MortalityTable& table, const d_MI& mi, std::string& eqCode,
                  std::string& message) {
  if (!KnownEqType(mi.EqType)) {
    message = CFormat("Invalid Equation Type %s, Use -> %s %s %s", mi.EqType, kEqCrownCambium,
                      kEqCrownScorch, kEqBoleChar);
    return false;
  }
  bool known = false;
  for (const d_MortSpe& record : table) {
    if (!SameKeyword(record.Species, mi.Species)) continue;
    known = true;
    if (SameKeyword(MRT_EqType(record.EqCode), mi.EqType)) {
      eqCode = record.EqCode.str();
      return true;
    }
  }
  if (!known) {
    if (table.empty() || !SameKeyword(table.back().Species, kDefaultMortalitySpecies)) {
      message = CFormat("Species Code not found: %s, %s", mi.Species, mi.EqType);
      return false;
    }
    if (SameKeyword(MRT_EqType(table.back().EqCode), mi.EqType)) {
      eqCode = table.back().EqCode.str();
      return true;
    }
  }
  message = CFormat("Equation Code/Formula not found: %s, %s", mi.Species, mi.EqType);
  return false;
}

float CrownScorchMortality(const MortalityTable& table, d_MI& mi, std::string& message) {
  d_ScorchTree tree;
  tree.DBH = mi.DBH;
  tree.Hgt = mi.Hgt;
  tree.CR = mi.CR;
  if (mi.ScoFlaKind == "S") {
    tree.Scorch = mi.ScoFla;
    tree.Flame = FlameFromScorch(mi.ScoFla);
  } else if (mi.ScoFlaKind == "F") {
    tree.Flame = mi.ScoFla;
    tree.Scorch = ScorchFromFlame(mi.ScoFla);
  } else {
    message = CFormat("Invalid Scorch/Flame Parameter (%s), use %s or %s", mi.ScoFlaKind, "F", "S");
    return kFailed;
  }

  const d_MortSpe* record = MRT_SpeciesRecord(table, mi.Species);
  if (record == nullptr) {
    message = CFormat("Invalid Species: %s", mi.Species);
    return kFailed;
  }
  tree.BarkThick = SMT_CalcBarkThick(table, mi.Species, mi.DBH);
  tree.BarkThick1 = SMT_CalcBarkThick(table, mi.Species, 1.0f);

  if (mi.Hgt * mi.CR / 100.0f == 0.0f) {
    message = "Mortality Calculaton is attempting to Divide by 0";
    return kFailed;
  }
  tree.Crown = CrownScorched(mi.Hgt, mi.CR, tree.Scorch);

  int eqNum = 0;
  if (!ReadNumber(mi.EqCode, eqNum) || !CrownScorchImplemented(eqNum)) {
    message = CFormat("Equation Not implemented,  Equ Num: %d\n", eqNum);
    return kFailed;
  }
  // The general model needs the bark: a bark number outside the table would
  // give a negative thickness and a meaningless probability.
  if ((eqNum == 1 || eqNum == 3) && tree.BarkThick < 0.0f) {
    message = CFormat("Invalid Bark Thickness Number %d, Mortality Code: %s", record->BarkNum,
                      mi.Species);
    return kFailed;
  }
  tree.LowSeverity = SameKeyword(mi.FireSev, "Low") || SameKeyword(mi.FireSev, "L");
  return CrownScorchProb(eqNum, tree);
}

}  // namespace

float MRT_CalcMngr(const MortalityTable& table, d_MI& mi, std::string& message) {
  message.clear();
  mi.Prob = kFailed;
  std::string eqCode;
  if (!FindEquation(table, mi, eqCode, message)) {
    message = CFormat("%s \n Species: %s Equation Type: %s", message, mi.Species, mi.EqType);
    return kFailed;
  }
  mi.EqCode = eqCode;
  if (!SameKeyword(mi.EqType, kEqCrownScorch)) {
    // the crown-cambium and bole-char models are not part of this program
    message = CFormat("Equation Type %s is not implemented, Equation Code: %s", mi.EqType, eqCode);
    return kFailed;
  }
  mi.Prob = CrownScorchMortality(table, mi, message);
  return mi.Prob;
}

}  // namespace sylvanor
