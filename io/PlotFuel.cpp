#include "io/PlotFuel.h"

#include <algorithm>
#include <fstream>
#include <utility>

#include "base/CFormat.h"
#include "base/Keyword.h"
#include "base/TextInput.h"
#include "platform/FileLookup.h"

namespace sylvanor {

namespace {

constexpr int kMaxRowsVXDPDQ = 50000;
constexpr int kMaxRowsKVT = 1000;

constexpr const char* kNotFound = "Logic Error - Plot Num not found in Plot File \n";

float Positive(float value) {
  return std::max(value, 0.0f);
}

// The rules of a layout's plot file.
template <class Row>
struct PlotFileRules {
  int maxRows;
  const char* cantFind;   // the file cannot be opened
  const char* readError;  // a row cannot be read
  d_PlotFuel (*toFuel)(const Row&);
};

const PlotFileRules<d_VXDPlotRow> kVXD{kMaxRowsVXDPDQ,
                                       "Error - Can't Find Sylvanor Input Plot Fuel File: %s\n",
                                       "Error Reading Sylvanor Plot Fuel File: %s ", VXD_PlotFuel};
const PlotFileRules<d_PDQPlotRow> kPDQ{kMaxRowsVXDPDQ,
                                       "Error - Can't Find Input Plot Fuel File: %s\n",
                                       "Error Reading Sylvanor Plot Fuel File: %s ", PDQ_PlotFuel};
const PlotFileRules<d_KVTPlotRow> kKVT{kMaxRowsKVT, "Error - Can't Find Input Plot Fuel File: %s\n",
                                       "Error Reading KVT Plot Fuel File: %s ", KVT_PlotFuel};

// Calls `act` with the rules of the layout; false for an unknown layout.
template <class Act>
bool WithRules(const std::string& layout, Act&& act) {
  if (SameKeyword(layout, "VXD")) {
    act(kVXD);
  } else if (SameKeyword(layout, "PDQ")) {
    act(kPDQ);
  } else if (SameKeyword(layout, "KVT")) {
    act(kKVT);
  } else {
    return false;
  }
  return true;
}

void SkipHeading(std::istream& file) {
  std::string heading;
  std::getline(file, heading);
}

template <class Row>
d_PlotFuelLoad FindPlot(const PlotFileRules<Row>& rules, const std::string& plotFile,
                        const std::string& plotKey) {
  d_PlotFuelLoad load;
  c_TextInput file;
  if (!file.Open(plotFile)) {
    load.message = CFormat(rules.cantFind, plotFile);
    return load;
  }
  SkipHeading(file);
  Row row;
  std::string message;
  for (int rows = 0; rows < rules.maxRows; ++rows) {
    const int result = ReadRow(file, row, message);
    if (result == 0) break;
    if (result < 0) {
      load.message = CFormat(rules.readError, message);
      return load;
    }
    if (SameKeyword(PlotKey(row), plotKey)) {
      load.fuel = rules.toFuel(row);
      load.ok = true;
      return load;
    }
  }
  load.message = kNotFound;
  return load;
}

template <class Row>
void ReadKeys(const PlotFileRules<Row>& rules, std::istream& file, d_PlotKeys& keys) {
  SkipHeading(file);
  Row row;
  std::string message;
  for (int rows = 0; rows < rules.maxRows; ++rows) {
    const int result = ReadRow(file, row, message);
    if (result == 0) break;
    if (result < 0) {
      keys.message = CFormat(rules.readError, message);
      return;
    }
    const std::string key = PlotKey(row);
    const auto same = [&](const std::string& known) { return SameKeyword(known, key); };
    if (std::none_of(keys.keys.begin(), keys.keys.end(), same)) keys.keys.push_back(key);
  }
  keys.ok = true;
}

}  // namespace

d_PlotFuel VXD_PlotFuel(const d_VXDPlotRow& row) {
  d_PlotFuel fuel;
  fuel.Key = PlotKey(row);
  fuel.Loads.Duff = row.Duff;
  fuel.DuffDepth = row.DuffDept;
  fuel.Loads.Grass = row.Grass;
  fuel.Loads.Lichen = row.Lichen;
  fuel.Loads.Moss = row.Moss;
  fuel.Loads.Shrub = row.Shrub;
  fuel.Loads.Litter = row.Litter;
  fuel.Loads.Hr1 = row.Hr1;
  fuel.Loads.Hr10 = row.Hr10;
  fuel.Loads.Hr100 = row.Hr100;
  fuel.Loads.Snd = {row.SC1Snd, row.SC2Snd, row.SC3Snd, row.SC4Snd, row.SC5Snd};
  fuel.Loads.Rot = {row.SC1Rot, row.SC2Rot, row.SC3Rot, row.SC4Rot, row.SC5Rot};
  fuel.Loads.Pile = row.Pile;
  return fuel;
}

d_PlotFuel PDQ_PlotFuel(const d_PDQPlotRow& row) {
  using R = d_PDQPlotRow;
  // decay class (rows) by size class (columns)
  static constexpr float R::*kDecay[5][5] = {
      {&R::Dc1Sz1, &R::Dc1Sz2, &R::Dc1Sz3, &R::Dc1Sz4, &R::Dc1Sz5},
      {&R::Dc2Sz1, &R::Dc2Sz2, &R::Dc2Sz3, &R::Dc2Sz4, &R::Dc2Sz5},
      {&R::Dc3Sz1, &R::Dc3Sz2, &R::Dc3Sz3, &R::Dc3Sz4, &R::Dc3Sz5},
      {&R::Dc4Sz1, &R::Dc4Sz2, &R::Dc4Sz3, &R::Dc4Sz4, &R::Dc4Sz5},
      {&R::Dc5Sz1, &R::Dc5Sz2, &R::Dc5Sz3, &R::Dc5Sz4, &R::Dc5Sz5}};

  d_PlotFuel fuel;
  fuel.Key = PlotKey(row);
  fuel.Loads.Duff = Positive(row.Duff);
  fuel.Loads.Litter = Positive(row.Litter);
  fuel.Loads.Lichen = Positive(row.Lichen);
  fuel.Loads.Hr1 = Positive(row.Hr1);
  fuel.Loads.Hr10 = Positive(row.Hr10);
  fuel.Loads.Hr100 = Positive(row.Hr100);
  fuel.Loads.Pile = Positive(row.PileLoad);
  for (int size = 0; size < 5; ++size) {
    for (int decay = 0; decay < 5; ++decay) {
      const float load = Positive(row.*kDecay[decay][size]);
      (decay < 3 ? fuel.Loads.Snd : fuel.Loads.Rot)[size] += load;
    }
  }
  fuel.Loads.Grass = Positive(row.GrassDead) + Positive(row.GrassLive);
  fuel.Loads.Moss = Positive(row.MossLive) + Positive(row.MossDead);
  fuel.Loads.Shrub = Positive(row.ShrubLive) + Positive(row.ShrubDead);
  if (row.DuffDepth > 0) {
    fuel.DuffDepth = row.DuffDepth;
  } else {
    fuel.DuffDepth = 0.1f * fuel.Loads.Duff;
    fuel.DuffDepthEstimated = true;
  }
  fuel.GrassSAV = row.SAVGrass < 0 ? 1800.0f : row.SAVGrass;
  fuel.ShrubSAV = row.SAVShrub < 0 ? 1500.0f : row.SAVShrub;
  fuel.OneHrSAV = row.SAVOneHr < 0 ? 2000.0f : row.SAVOneHr;
  fuel.EmiFlame = row.EmiFla;
  fuel.EmiDuff = row.EmiDuf;
  fuel.EmiCoarse = row.EmiCoa;
  return fuel;
}

d_PlotFuel KVT_PlotFuel(const d_KVTPlotRow& row) {
  const float duff = Positive(row.Duff);
  const float lt3 = Positive(row.Lt3);
  const float in3To6 = Positive(row.In3To6);
  const float in6To12 = Positive(row.In6To12);
  const float ge12 = Positive(row.Ge12);

  d_PlotFuel fuel;
  fuel.Key = PlotKey(row);
  fuel.Loads.Duff = duff;
  fuel.DuffDepth = 0.1f * duff;
  fuel.Loads.Shrub = Positive(row.Shrub);
  fuel.Loads.Litter = Positive(row.Litter);
  fuel.Loads.Hr1 = 0.07f * lt3;
  fuel.Loads.Hr10 = 0.18f * lt3;
  fuel.Loads.Hr100 = 0.75f * lt3;
  fuel.Loads.Snd = {0.5f * in3To6, 0.25f * in6To12, 0.25f * in6To12, 0.25f * ge12, 0.25f * ge12};
  fuel.Loads.Rot = fuel.Loads.Snd;
  fuel.FuelBedDepth = 0.0f;
  return fuel;
}

d_PlotFuelLoad LoadPlotFuel(const std::string& layout, const std::string& plotFile,
                            const std::string& plotKey) {
  d_PlotFuelLoad load;
  const bool known =
      WithRules(layout, [&](const auto& rules) { load = FindPlot(rules, plotFile, plotKey); });
  if (!known) load.message = CFormat("Invalid Input Plot File Type:\n%s", plotFile);
  return load;
}

d_PlotKeys LoadPlotKeys(const std::string& layout, const std::string& plotFile) {
  d_PlotKeys keys;
  c_TextInput file;
  if (!file.Open(plotFile)) {
    keys.message = CFormat("Error opening input fuel load file\n %s\n", plotFile);
    return keys;
  }
  const std::string treeFile = TreeFileName(plotFile);
  if (!std::ifstream(FindFileNoCase(treeFile), std::ios::binary)) {
    keys.message = TreeFileMissingMessage(treeFile);
    return keys;
  }
  const bool known = WithRules(layout, [&](const auto& rules) { ReadKeys(rules, file, keys); });
  if (!known) keys.message = CFormat("Invalid Input Plot File Type:\n%s", plotFile);
  return keys;
}

bool EmissionSetsGiven(const d_PlotFuel& fuel) {
  const auto given = [](const std::string& name) { return !name.empty() && name != "0"; };
  return given(fuel.EmiFlame) || given(fuel.EmiDuff) || given(fuel.EmiCoarse);
}

std::string EmissionSetWarning(const d_PlotFuel& fuel,
                               const std::function<bool(const std::string&)>& setExists) {
  if (!EmissionSetsGiven(fuel)) return "";
  const std::pair<const char*, const std::string*> columns[] = {
      {"Flame", &fuel.EmiFlame}, {"Duff", &fuel.EmiDuff}, {"Coarse/Smoldering", &fuel.EmiCoarse}};
  std::string unknown;
  for (const auto& [kind, name] : columns) {
    if (!setExists(*name)) unknown += CFormat("Column: %s  %s\n", kind, *name);
  }
  if (unknown.empty()) return "";
  return "Missing or invalid emissions factors detected. The emissions factors set on the GUI "
         "will be used.\n" +
         CFormat("\nPlot: %s\n", fuel.Key) + unknown;
}

}  // namespace sylvanor
