#include "crownfire/FuelModelFile.h"

#include <array>
#include <cmath>
#include <fstream>
#include <string_view>
#include <utility>
#include <vector>

#include "base/CFormat.h"
#include "base/TextUtil.h"

namespace sylvanor {

namespace {

constexpr std::size_t kFields = 16;

// File units to model units.
struct UnitFactors {
  double load;
  double sav;
  double depth;
  double heat;
};
constexpr UnitFactors kEnglish{0.04591, 1, 1, 1};
constexpr UnitFactors kMetric{0.02048, 30.48, 0.03281, 0.43027};

// A field that is a number and nothing else, locale free; reals must be
// finite.
bool ReadField(std::string_view text, int& value) {
  return ReadWholeNumber(text, value);
}
bool ReadField(std::string_view text, double& value) {
  return ReadWholeNumber(text, value) && std::isfinite(value);
}

// One model line in file units; false when it does not give all sixteen
// fields.
bool ParseModel(std::string_view text, const UnitFactors& units, CFuelModel& model) {
  const std::vector<std::string_view> f = SplitWords(text, kFields);
  if (f.size() < kFields) return false;
  CFuelModel m;
  std::array<double, 12> v{};
  // fields 2-6, 8-14 are the twelve numbers after the number and code
  constexpr std::array<int, 12> kNumberFields{2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14};
  if (!ReadField(f[0], m.Number)) return false;
  for (std::size_t i = 0; i < v.size(); ++i) {
    if (!ReadField(f[kNumberFields[i]], v[i])) return false;
  }
  m.Code = f[1];
  m.Load1Hr = v[0] * units.load;
  m.Load10Hr = v[1] * units.load;
  m.Load100Hr = v[2] * units.load;
  m.LoadLiveHerb = v[3] * units.load;
  m.LoadLiveWoody = v[4] * units.load;
  m.Type = f[7];
  m.SAV1Hr = v[5] * units.sav;
  m.SAVLiveHerb = v[6] * units.sav;
  m.SAVLiveWoody = v[7] * units.sav;
  m.Depth = v[8] * units.depth;
  m.MxDead = v[9] / 100;
  m.HeatDead = v[10] * units.heat;
  m.HeatLive = v[11] * units.heat;
  m.Name = f[15];
  for (const double x : {m.Load1Hr, m.Load10Hr, m.Load100Hr, m.LoadLiveHerb, m.LoadLiveWoody,
                         m.SAV1Hr, m.SAVLiveHerb, m.SAVLiveWoody, m.Depth, m.HeatDead, m.HeatLive})
    if (!std::isfinite(x)) return false;
  model = std::move(m);
  return true;
}

// A word as the reader will split it back out.
std::string FileWord(const std::string& word) {
  if (word.empty()) return "-";
  std::string out = word;
  for (char& c : out) {
    if (static_cast<unsigned char>(c) <= ' ' || c == '\x7f') c = '_';
  }
  return out;
}

bool FuelModelFileText(const std::vector<CFuelModel>& models, bool metric, std::string& text,
                       std::string& message) {
  const UnitFactors& units = metric ? kMetric : kEnglish;
  text = metric ? "METRIC\n" : "ENGLISH\n";
  if (metric) {
    text +=
        "# loads tonne/ha, SAV 1/cm, depth cm, moisture of extinction percent, heat content "
        "kJ/kg\n";
  } else {
    text +=
        "# loads ton/acre, SAV 1/ft, depth ft, moisture of extinction percent, heat content "
        "BTU/lb\n";
  }
  text +=
      "#number code load1 load10 load100 loadHerb loadWoody type sav1 savHerb savWoody depth "
      "mxDead heatDead heatLive name\n";
  for (const CFuelModel& m : models) {
    const std::array<double, 12> values{m.Load1Hr / units.load,       m.Load10Hr / units.load,
                                        m.Load100Hr / units.load,     m.LoadLiveHerb / units.load,
                                        m.LoadLiveWoody / units.load, m.SAV1Hr / units.sav,
                                        m.SAVLiveHerb / units.sav,    m.SAVLiveWoody / units.sav,
                                        m.Depth / units.depth,        m.MxDead * 100,
                                        m.HeatDead / units.heat,      m.HeatLive / units.heat};
    std::string line = CFormat("%d %s", m.Number, FileWord(m.Code));
    for (std::size_t i = 0; i < values.size(); ++i) {
      if (!std::isfinite(values[i])) {
        message = CFormat("Fuel model %d has a value that is not a number\n", m.Number);
        return false;
      }
      if (i == 5) line += " " + FileWord(m.Type);
      line += CFormat(" %.10g", values[i]);
    }
    line += " " + FileWord(m.Name);
    if (line.size() > kFuelModelLineLength) {
      message = CFormat("Fuel model %d does not fit a line of %d characters\n", m.Number,
                        kFuelModelLineLength);
      return false;
    }
    text += line + "\n";
  }
  return true;
}

}  // namespace

bool ReadFuelModelFile(std::istream& file, std::vector<CFuelModel>& models, bool& metric,
                       std::string& message) {
  message.clear();
  models.clear();
  std::string line;
  if (!ReadLineWithEnd(file, line)) return true;
  const std::string_view units = LineText(line);
  if (units == "ENGLISH") {
    metric = false;
  } else if (units == "METRIC") {
    metric = true;
  } else {
    message = "Error, units string missing from first line of fuel model file\n";
    message += "Must be ENGLISH or METRIC\n";
    return false;
  }
  const UnitFactors& factors = metric ? kMetric : kEnglish;
  while (ReadLineWithEnd(file, line)) {
    if (line.front() == '#') continue;
    CFuelModel model;
    if (ParseModel(LineText(line), factors, model)) models.push_back(std::move(model));
  }
  return true;
}

bool LoadFuelModelFile(const std::string& path, std::vector<CFuelModel>& models, bool& metric,
                       std::string& message) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    message = CFormat("Error opening %s as fuel model file\n", path);
    return false;
  }
  return ReadFuelModelFile(file, models, metric, message);
}

bool WriteFuelModelFile(std::ostream& file, const std::vector<CFuelModel>& models, bool metric,
                        std::string& message) {
  message.clear();
  std::string text;
  if (!FuelModelFileText(models, metric, text, message)) return false;
  if (!(file << text)) {
    message = "Can't write the fuel model file\n";
    return false;
  }
  return true;
}

bool WriteFuelModelFile(const std::string& path, const std::vector<CFuelModel>& models, bool metric,
                        std::string& message) {
  message.clear();
  std::string text;
  if (!FuelModelFileText(models, metric, text, message)) return false;
  std::ofstream file(path, std::ios::binary);
  if (!file || !(file << text) || !file.flush()) {
    message = CFormat("Can't create fuel model file %s\n", path);
    return false;
  }
  return true;
}

}  // namespace sylvanor
