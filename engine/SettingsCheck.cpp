#include "engine/SettingsCheck.h"

#include <string>

#include "base/CFormat.h"
#include "base/Keyword.h"
#include "stand/UnitFactors.h"

namespace sylvanor {

namespace {

// Upper limit of every surface fuel load, tons/acre.
constexpr float kMaxLoadTonsPerAcre = 999.0f;

bool IsMissing(float v) {
  return v == kMissing;
}
// Inclusive; a value that is not a number is never in range.
bool InRange(float v, float lo, float hi) {
  return v >= lo && v <= hi;
}

class Checker {
 public:
  Checker(FractionForm form, FixedText<3000>& message) : form_(form), message_(message) {}

  bool Fail(const std::string& text) {
    message_ = text;
    return false;
  }

  // The four limit checks share one shape: a missing value, then the
  // inclusive range; each has its own pair of messages.
  bool Limit(float v, float lo, float hi, const char* label, const char* missingFormat,
             const char* rangeFormat) {
    if (IsMissing(v)) return Fail(CFormat(missingFormat, label));
    if (!InRange(v, lo, hi)) return Fail(CFormat(rangeFormat, label, v, lo, hi));
    return true;
  }

  bool ThinValue(float v, float lo, float hi, const char* label) {
    return Limit(v, lo, hi, label, "Missing thinning criteria value for %s",
                 "%s thinning criteria value %3.2f is out of limit ( %3.2f -> %3.2f )");
  }

  bool Value2(float v, float lo, float hi, const char* label) {
    return Limit(v, lo, hi, label, "Missing value for %s",
                 "%s  (%3.2f) is out of limits ( %3.2f -> %3.2f )");
  }

  bool Value3(float v, float lo, float hi, const char* label) {
    return Limit(v, lo, hi, label, "Missing value for %s",
                 "%s  (%3.3f) is out of limits ( %3.3f -> %3.3f )");
  }

  bool Load(float v, float hi, const char* label) {
    return Limit(v, 0.0f, hi, label, "Missing Fuel Load %s, use 0 for no load",
                 "Fuel Load %s (%4.1f) is out of limit, use %4.1f -> %4.1f");
  }

  bool Fraction(float v, const char* label) {
    if (IsMissing(v)) return Fail(CFormat("Missing value for %s", label));
    if (form_ == FractionForm::kFraction) {
      if (!InRange(v, 0.0f, 1.0f)) {
        return Fail(CFormat("%s percent (%3.2f) is out of limits ( 0 -> 1.0 )", label, v));
      }
      return true;
    }
    if (v == 0.0f) return true;
    // in single precision, as the value is stored: 0.01 is exactly 1 percent
    const float percent = v * 100.0f;
    if (percent < 1.0f) {
      return Fail(CFormat("%s percent (%3.2f) is out of limits, 0 or 1 --> 100 ", label, percent));
    }
    if (!(v <= 1.0f)) {
      return Fail(CFormat("%s percent (%3.0f) is out of limits ( 0 -> 100 )", label, percent));
    }
    return true;
  }

 private:
  FractionForm form_;
  FixedText<3000>& message_;
};

// "Yes"/"No" switches: anything but "No" must be "Yes".
bool IsNo(std::string_view v) {
  return SameKeyword(v, "No");
}
bool IsYes(std::string_view v) {
  return SameKeyword(v, "Yes");
}

bool CheckThinning(const d_Settings& s, bool metric, Checker& c) {
  const std::string_view crit = s.ThinCrit;
  const float v = s.ThiCriVal;
  bool ok = true;
  if (SameKeyword(crit, "BasalArea")) {
    ok = c.ThinValue(v, 0, 99999, "Basal Area");
  } else if (SameKeyword(crit, "CanopyCover")) {
    ok = c.Fraction(v, "Canopy Cover Thin Criteria Value");
  } else if (SameKeyword(crit, "StandDensityIndex")) {
    ok = c.ThinValue(v, 0, 99999, "Stand Density Index");
  } else if (SameKeyword(crit, "TreeDensity")) {
    ok = c.ThinValue(v, 0, 99999, "Tree Density");
  } else if (SameKeyword(crit, "ExceedingTreeDensity")) {
    ok = c.ThinValue(v, 0, 99999, "Exceeding Tree Density DBH");
  } else if (SameKeyword(crit, "CanopyFuelLoad")) {
    ok = c.ThinValue(v, 0, 99999, "Canopy Fuel Load");
  } else if (SameKeyword(crit, "CanopyBulkDensity")) {
    ok = c.ThinValue(v, 0, 2.0f, "Canopy Bulk Density (CBD kg/m3)");
  } else if (!SameKeyword(crit, "Free")) {
    return c.Fail(
        CFormat("Invalid/Missing Thinning Criteria Specified -> %s \n Use: %s  %s  %s  %s\n  %s  "
                "%s  %s  %s",
                crit, "BasalArea", "CanopyCover", "StandDensityIndex", "TreeDensity",
                "ExceedingTreeDensity", "CanopyFuelLoad", "CanopyBulkDensity", "Free"));
  }
  if (!ok) return false;
  if (!c.Fraction(s.CutEff, "Thinning Cutting Efficency")) return false;
  if (!c.Value2(s.MinCutDia, 0, 9999, "Minimum Cut Diameter")) return false;
  if (!c.Value2(s.MaxCutDia, 0, 9999, "Maximum Cut Diameter")) return false;
  if (!(s.MinCutDia < s.MaxCutDia)) {
    return c.Fail(
        CFormat("Minumum  %6.2f Cut Diameter exceeds Maximum %6.2f", s.MinCutDia, s.MaxCutDia));
  }
  if (!c.Value2(s.SubMerDia, 0, 9999, "Submerchant Diameter")) return false;
  if (!c.Value2(s.LogTopDia, 0, metric ? 15.24f : 6.0f, "Log Top Diameter")) return false;
  return c.Fraction(s.Yardloss, "Yardloss");
}

bool CheckBroadcastBurn(const d_Settings& s, bool metric, Checker& c) {
  const std::string_view region = s.Region;
  if (!SameKeyword(region, "SouthEast") && !SameKeyword(region, "InteriorWest") &&
      !SameKeyword(region, "PacificWest") && !SameKeyword(region, "NorthEast")) {
    return c.Fail(CFormat("Invalid/Missing Broadcast Burn Region, use %s, %s, %s, %s", "SouthEast",
                          "InteriorWest", "PacificWest", "NorthEast"));
  }
  const std::string_view season = s.Season;
  if (!SameKeyword(season, "Winter") && !SameKeyword(season, "Spring") &&
      !SameKeyword(season, "Summer") && !SameKeyword(season, "Fall")) {
    return c.Fail(CFormat("Invalid/Missing Broadcast Burn Season, use %s, %s, %s, %s", "Winter",
                          "Spring", "Summer", "Fall"));
  }
  if (!c.Value3(s.Moist10Hr, 0.03f, 2.98f, "10 Hour Moisture")) return false;
  if (!c.Value3(s.Moist1kHr, 0.01f, 3.0f, "1000 Hour Moisture")) return false;
  if (!c.Fraction(s.MLCons, "Percent of Moss & Lichen to be consumed")) return false;
  const float maxDuffDepth = metric ? 999.0f * kCmPerIn<> : 999.0f;
  if (!c.Value3(s.DuffDepth, 0, maxDuffDepth, "Duff Depth")) return false;
  if (!c.Value3(s.DuffMoist, 0.1f, 2.0f, "Duff Moisture")) return false;
  if (!c.Value2(s.ScoHgt, 0.1f, 300, "Scorch Height")) return false;
  if (s.UserFolder.empty()) {
    return c.Fail(
        "No folder and file name specified for Qorvel mortality equation input file.\n"
        "This file is required when doing a broadcast burn.");
  }
  return true;
}

// The fuel-model set "None" ends validation with success.
bool CheckFuelModel(const d_Settings& s, Checker& c) {
  const std::string_view set = s.FueModSet;
  if (!SameKeyword(set, "Albini-13") && !SameKeyword(set, "Scott-40") && !SameKeyword(set, "All") &&
      !SameKeyword(set, "None")) {
    return c.Fail(CFormat("Invalid/Miss Fuel Model Set, use %s, %s, %s or %s", "Albini-13",
                          "Scott-40", "All", "None"));
  }
  if (SameKeyword(set, "None")) return true;
  const std::string_view climate = s.Climate;
  if (!SameKeyword(climate, "Arid") && !SameKeyword(climate, "Humid")) {
    return c.Fail(CFormat("Invalid/Miss Fuel Model Climate, use %s or %s", "Arid", "Humid"));
  }
  return c.Value2(s.Hr1SAV, 1, 99999, "1 Hour Surface Area to Volume Ratio (SAV)") &&
         c.Value2(s.GrassSAV, 1, 99999, "Grass Surface Area to Volume Ratio (SAV)") &&
         c.Value2(s.ShrubSAV, 1, 99999, "Shrub Surface Area to Volume Ratio (SAV)") &&
         c.Value2(s.FueBedDep, 0, 9999, "Fuel Model Fuel Bed Depth");
}

bool CheckAll(const d_Settings& s, Checker& c) {
  const std::string_view in = s.InUnits;
  const std::string_view out = s.OutUnits;
  if (!SameKeyword(in, "English") && !SameKeyword(in, "Metric")) {
    return c.Fail(CFormat("Invalid/Missing argument for input units (%s), use %s or %s", in,
                          "English", "Metric"));
  }
  if (!SameKeyword(out, "English") && !SameKeyword(out, "Metric")) {
    return c.Fail(CFormat("Invalid/Missing argument for output units (%s), use %s or %s", out,
                          "English", "Metric"));
  }
  const bool metric = SameKeyword(in, "Metric");

  if (!IsNo(s.ThinInc)) {
    if (!IsYes(s.ThinInc)) {
      return c.Fail(CFormat("Invalid argument for Thinning Include, use %s or %s", "Yes", "No"));
    }
    if (!CheckThinning(s, metric, c)) return false;
  }

  if (!IsNo(s.PrunInc)) {
    if (!IsYes(s.PrunInc)) {
      return c.Fail(CFormat("Invalid/Missing Pruning Include, use %s or %s", "Yes", "No"));
    }
    if (!c.Value2(s.PrunHgt, 0, metric ? 30.0f : 100.0f, "Pruning Height")) return false;
    if (!c.Fraction(s.PrunMRCR, "Pruning Minimum Residual Crown Ratio")) return false;
  }

  if (!c.Value2(s.ESDD, 0, 999, "Exceeding Stem Density")) return false;
  if (!c.Value2(s.LayWid, 0.1f, 10, "CBD layer width")) return false;
  if (!c.Value2(s.RASpread, 3, 100, "CBD Running Average Spread")) return false;
  if (!c.Value3(s.CBDCriThr, 0.001f, 1.0f, "CBD Critical Threshold")) return false;

  // a duff load of 0 is no duff; any other load must reach the lower limit
  const float duff = s.Fuel.Duff;
  if (duff != 0.0f) {
    if (!c.Value3(duff, metric ? 0.022f : 0.1f, metric ? 80.0f : 356.78f, "Duff Load")) {
      return false;
    }
  }

  // the loads after the duff, in the record's order
  constexpr const char* kLoadLabels[] = {"Litter",
                                         "Lichen",
                                         "Moss",
                                         "Grass",
                                         "Shrub",
                                         "1 Hour",
                                         "10 Hour",
                                         "100 Hour",
                                         "Size Class 1 Sound",
                                         "Size Class 2 Sound",
                                         "Size Class 3 Sound",
                                         "Size Class 4 Sound",
                                         "Size Class 5 Sound",
                                         "Size Class 1 Rotten",
                                         "Size Class 2 Rotten",
                                         "Size Class 3 Rotten",
                                         "Size Class 4 Rotten",
                                         "Size Class 5 Rotten",
                                         "Existing Pile Load"};
  const float maxLoad = metric ? kMaxLoadTonsPerAcre * kKgM2PerTonAcre<> : kMaxLoadTonsPerAcre;
  const auto loads = Loads(s.Fuel);
  for (std::size_t i = 1; i < loads.size(); ++i) {
    if (!c.Load(*loads[i], maxLoad, kLoadLabels[i - 1])) return false;
  }

  if (!c.Fraction(s.PilGroFra, "Percent of existing ground fuels to put on pile")) return false;
  if (!c.Fraction(s.PilTPFra, "Percent of thin & prune slash activity fuels to put on pile")) {
    return false;
  }
  if (!c.Fraction(s.PilBurFra, "Percent of pile to burn")) return false;

  if (!IsNo(s.BroBurInc)) {
    if (!IsYes(s.BroBurInc)) {
      return c.Fail(CFormat("Invalid/Missing Broadcast Burn Include, use %s or %s", "Yes", "No"));
    }
    if (!CheckBroadcastBurn(s, metric, c)) return false;
  }

  return CheckFuelModel(s, c);
}

}  // namespace

int Check_Settings(const d_Settings& s, FractionForm form, FixedText<3000>& message) {
  message.clear();
  Checker checker(form, message);
  return CheckAll(s, checker) ? 1 : 0;
}

}  // namespace sylvanor
