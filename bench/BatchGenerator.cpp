#include "bench/BatchGenerator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <random>
#include <string_view>
#include <system_error>
#include <vector>

#include "base/CFormat.h"
#include "io/LinkTreatment.h"
#include "io/PlotLayouts.h"
#include "io/ProjectFile.h"

namespace sylvanor {

namespace fs = std::filesystem;

namespace {

// ---------------------------------------------------------------------------
// Draws. The engine's output is fixed by std::mt19937 itself; the values are
// made from its 32-bit words here.

class c_Draw {
 public:
  explicit c_Draw(std::uint32_t seed) : engine_(seed) {}

  // Uniform in [0, 1) with 53 random bits.
  double Unit() {
    const std::uint64_t high = engine_() >> 5;  // 27 bits
    const std::uint64_t low = engine_() >> 6;   // 26 bits
    return static_cast<double>((high << 26) | low) * (1.0 / 9007199254740992.0);
  }

  double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }

  // Standard normal by the Box-Muller transform; the second value of each
  // pair is kept for the next call.
  double Normal() {
    if (haveSpare_) {
      haveSpare_ = false;
      return spare_;
    }
    constexpr double kTwoPi = 6.283185307179586;
    const double radius = std::sqrt(-2.0 * std::log(1.0 - Unit()));  // 1 - u is in (0, 1]
    const double angle = kTwoPi * Unit();
    spare_ = radius * std::sin(angle);
    haveSpare_ = true;
    return radius * std::cos(angle);
  }

  // Weibull by inversion: scale * (-ln(1 - u))^(1 / shape).
  double Weibull(double shape, double scale) {
    return scale * std::pow(-std::log(1.0 - Unit()), 1.0 / shape);
  }

  // An index drawn with the given weights (their sum need not be 1).
  template <std::size_t N>
  std::size_t Pick(const std::array<double, N>& weights) {
    double total = 0;
    for (double w : weights)
      total += w;
    double u = Unit() * total;
    for (std::size_t i = 0; i < N; ++i) {
      if (u < weights[i]) return i;
      u -= weights[i];
    }
    return N - 1;
  }

 private:
  std::mt19937 engine_;
  bool haveSpare_ = false;
  double spare_ = 0;
};

double Round(double value, double step) {
  return std::round(value / step) * step;
}

// ---------------------------------------------------------------------------
// Species and stands.

// A species of the generated stands: its built-in code and the asymptote
// (ft above breast height) of its height-diameter curve on an average site.
struct d_GenSpecies {
  std::string_view code;
  double maxHeight;
};

constexpr std::array<d_GenSpecies, 13> kSpecies = {{
    {"PSME", 165},    // 0 Douglas fir
    {"PIPO", 140},    // 1 ponderosa pine
    {"ABGR", 150},    // 2 grand fir
    {"ABCO", 150},    // 3 white fir
    {"LAOC", 150},    // 4 western larch
    {"PICO", 100},    // 5 lodgepole pine
    {"THPL", 150},    // 6 western red cedar
    {"CADE27", 120},  // 7 incense cedar
    {"PIEN", 140},    // 8 Engelmann spruce
    {"ABLA", 105},    // 9 subalpine fir
    {"PILA", 175},    // 10 sugar pine
    {"PIMO3", 155},   // 11 western white pine
    {"TSHE", 150},    // 12 western hemlock
}};

// A stand type: its share of the plots, the species mix (weights by
// kSpecies index), the range of the diameter distribution's scale (in), the
// range of stems per acre, its surface fuel ranges, and the retention
// priority set of its plots and their share thinned.
struct d_StandType {
  double share;
  std::array<double, kSpecies.size()> mix;
  double scaleLo, scaleHi;
  double densityLo, densityHi;
  double litterHi, duffHi, woodHi, shrubHi, grassHi;
  std::string_view retPri;
  double thinShare;
};

// clang-format off
constexpr std::array<d_StandType, 5> kStandTypes = {{
    // dry ponderosa pine
    {0.25, {0.15, 0.75, 0, 0, 0.05, 0, 0, 0.05, 0, 0, 0, 0, 0},
     8, 13, 80, 300, 3.0, 12, 4, 0.8, 0.6, "Low Thin", 0.75},
    // dry mixed conifer
    {0.25, {0.40, 0.30, 0.15, 0, 0.10, 0, 0, 0.05, 0, 0, 0, 0, 0},
     7, 12, 150, 420, 4.0, 20, 8, 1.2, 0.4, "Low Thin", 0.70},
    // moist mixed conifer
    {0.20, {0.30, 0, 0.30, 0, 0.10, 0, 0.15, 0, 0.03, 0, 0, 0.05, 0.07},
     7, 14, 200, 520, 5.0, 30, 14, 1.5, 0.2, "Low Thin", 0.60},
    // Sierra mixed conifer
    {0.15, {0.15, 0.20, 0, 0.35, 0, 0, 0, 0.20, 0, 0, 0.10, 0, 0},
     8, 15, 120, 400, 5.0, 25, 10, 1.0, 0.3, "Low Thin", 0.70},
    // lodgepole pine and subalpine fir
    {0.15, {0.05, 0, 0, 0, 0, 0.60, 0, 0, 0.15, 0.20, 0, 0, 0},
     4, 8, 300, 900, 3.0, 18, 10, 0.6, 0.2, "Lodgepole", 0.50},
}};
// clang-format on

constexpr std::string_view kThinTreatment = "ThinBA80";
constexpr std::string_view kNoTreatment = "NoTreatment";

// ---------------------------------------------------------------------------
// Files.

// Writes text to a file in pieces; the first failure is kept.
class c_TextFile {
 public:
  explicit c_TextFile(const fs::path& path) : path_(path), file_(path, std::ios::binary) {
    buffer_.reserve(kChunk + 4096);
  }

  void Put(const std::string& text) {
    buffer_ += text;
    if (buffer_.size() >= kChunk) Flush();
  }

  bool Close(std::string& message) {
    Flush();
    file_.close();
    if (!file_) {
      message = CFormat("Cannot write %s", path_.string());
      return false;
    }
    return true;
  }

 private:
  static constexpr std::size_t kChunk = 1 << 20;

  void Flush() {
    file_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
  }

  fs::path path_;
  std::ofstream file_;
  std::string buffer_;
};

template <std::size_t N, class Row>
std::string Heading(const std::array<d_Column<Row>, N>& columns) {
  std::string line;
  for (std::size_t i = 0; i < N; ++i) {
    if (i > 0) line += ',';
    line += columns[i].name;
  }
  line += '\n';
  return line;
}

// One tree of a plot before its crown class is known.
struct d_GenTree {
  std::size_t species = 0;
  double dbh = 0, height = 0, weight = 0;
};

// A plot's fuel row: surface loads in ton/acre, duff depth in inches.
std::string FuelRow(c_Draw& draw, const std::string& plot, const d_StandType& type) {
  const double duff = Round(draw.Range(0.25, 1.0) * type.duffHi, 0.01);
  const double duffDepth = Round(duff / draw.Range(8, 14), 0.01);  // about 11 t/ac per inch
  const double grass = Round(draw.Range(0.02, 1.0) * type.grassHi, 0.001);
  const double moss = Round(draw.Range(0, 0.15), 0.001);
  const double shrub = Round(draw.Range(0.05, 1.0) * type.shrubHi, 0.001);
  const double litter = Round(draw.Range(0.3, 1.0) * type.litterHi, 0.01);
  const double hr1 = Round(draw.Range(0.2, 1.0), 0.01);
  const double hr10 = Round(draw.Range(0.5, 3.0), 0.01);
  const double hr100 = Round(draw.Range(0.5, 4.0), 0.01);
  // coarse wood: most in the smaller classes, a fifth to a third rotten
  std::array<double, 5> sound{}, rotten{};
  const double wood = draw.Range(0.1, 1.0) * type.woodHi;
  constexpr std::array<double, 5> kClassShare = {0.35, 0.25, 0.2, 0.12, 0.08};
  for (std::size_t c = 0; c < 5; ++c) {
    const double load = wood * kClassShare[c] * draw.Range(0.5, 1.5);
    const double rotShare = draw.Range(0.2, 0.35);
    sound[c] = Round(load * (1 - rotShare), 0.01);
    rotten[c] = Round(load * rotShare, 0.01);
  }
  return CFormat(
      "%s,%.2f,%.2f,%.3f,%.1f,%.3f,%.3f,%.2f,%.2f,%.2f,%.2f,"
      "%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.1f\n",
      plot, duff, duffDepth, grass, 0.0, moss, shrub, litter, hr1, hr10, hr100, sound[0], sound[1],
      sound[2], sound[3], sound[4], rotten[0], rotten[1], rotten[2], rotten[3], rotten[4], 0.0);
}

// The trees of one plot, as tree file rows.
void PutTrees(c_Draw& draw, const std::string& plot, const d_StandType& type, int count,
              c_TextFile& file, std::vector<d_GenTree>& trees) {
  const double site = draw.Range(0.8, 1.2);
  const double scale = draw.Range(type.scaleLo, type.scaleHi);
  const double density = draw.Range(type.densityLo, type.densityHi);

  trees.assign(static_cast<std::size_t>(count), d_GenTree{});
  double maxHeight = 0, totalWeight = 0;
  for (d_GenTree& t : trees) {
    t.species = draw.Pick(type.mix);
    // reverse-J diameters from 1 in up, the biggest trees capped at 60 in
    t.dbh = Round(std::min(1.0 + draw.Weibull(1.3, scale), 60.0), 0.1);
    // Chapman-Richards height over breast height, with each tree's scatter
    const double curve = std::pow(1.0 - std::exp(-0.04 * t.dbh), 1.15);
    const double scatter = std::clamp(1.0 + 0.08 * draw.Normal(), 0.75, 1.25);
    t.height = Round(4.5 + kSpecies[t.species].maxHeight * site * curve * scatter, 0.1);
    maxHeight = std::max(maxHeight, t.height);
    // small trees are tallied on a smaller subplot and stand for more stems
    t.weight = t.dbh < 5.0 ? 3.0 : 1.0;
    totalWeight += t.weight;
  }

  int number = 0;
  for (const d_GenTree& t : trees) {
    ++number;
    const double relative = t.height / maxHeight;
    const char* crownClass;
    double ratioLo, ratioHi;
    if (relative > 0.8) {
      crownClass = "D", ratioLo = 0.45, ratioHi = 0.65;
    } else if (relative > 0.6) {
      crownClass = "C", ratioLo = 0.35, ratioHi = 0.55;
    } else if (relative > 0.4) {
      crownClass = "I", ratioLo = 0.25, ratioHi = 0.45;
    } else {
      crownClass = "S", ratioLo = 0.2, ratioHi = 0.4;
    }
    const double crownBase = Round(t.height * (1.0 - draw.Range(ratioLo, ratioHi)), 0.1);
    const double u = draw.Unit();
    const char* status = u < 0.04 ? "D" : u < 0.09 ? "U" : u < 0.11 ? "S" : "H";
    const double tpa = Round(density * t.weight / totalWeight, 0.001);
    file.Put(CFormat("%s,%d,%s,%.1f,%.1f,%.1f,%s,%s,%.3f\n", plot, number, kSpecies[t.species].code,
                     t.dbh, t.height, crownBase, crownClass, status, std::max(tpa, 0.001)));
  }
}

// ---------------------------------------------------------------------------
// The project file.

d_PrjRetPri RetPriSet(std::string_view name, std::string_view description,
                      const std::array<float, 14>& weights, std::string_view group) {
  d_PrjRetPri set;
  const auto fields = set.Fields();
  *fields[0] = name;
  *fields[1] = description;
  for (std::size_t i = 0; i < weights.size(); ++i)
    *fields[2 + i] = CFormat("%.2f", weights[i]);
  *fields[16] = group;
  return set;
}

d_PrjTreatment Treatment(std::string_view name, std::string_view thinType,
                         std::string_view thinTarget) {
  d_PrjTreatment t;
  t.TreatName = name;
  t.ThinType = thinType;
  t.ThinCriteria = thinTarget;
  t.ThinCutEff = "90";
  t.ThinSubMerc = "5";
  t.ThinTopDiam = "4";
  t.ThinYardLose = "10";
  t.ThinMinCut = "0";
  t.ThinMaxCut = "21";
  t.PruneHgt = "8";
  t.PruneMRCR = "40";
  t.PilExiGro = "20";
  t.PileSlash = "80";
  t.PilePercentBurn = "90";
  t.BBSchHgt = "15";
  t.BB10HrMoist = "9";
  t.BB1kHrMoist = "18";
  t.BBDuffMoist = "60";
  t.BBRegion = "InteriorWest";
  t.BBSeason = "Fall";
  return t;
}

d_PrjData Project(const std::string& plotFile, const d_BatchShape& shape) {
  d_PrjData d;
  d.CBDThreshold = "0.012";

  // species priorities: keep the big fire-resistant pines and larch, favour
  // the pines over the shade-tolerant firs
  const std::array<d_PrjSpeciesRow, 16> rows = {{
      {"Mixed Conifer", "PIPO", "20", "999", "99"},
      {"Mixed Conifer", "PIPO", "0", "20", "0.9"},
      {"Mixed Conifer", "LAOC", "20", "999", "99"},
      {"Mixed Conifer", "LAOC", "0", "20", "0.9"},
      {"Mixed Conifer", "PILA", "0", "999", "0.9"},
      {"Mixed Conifer", "PSME", "0", "999", "0.7"},
      {"Mixed Conifer", "CADE27", "0", "999", "0.5"},
      {"Mixed Conifer", "ABGR", "0", "999", "0.3"},
      {"Mixed Conifer", "ABCO", "0", "999", "0.3"},
      {"Mixed Conifer", "THPL", "0", "999", "0.4"},
      {"Mixed Conifer", "_Other", "0", "999", "0.5"},
      {"Subalpine", "PIEN", "0", "999", "0.7"},
      {"Subalpine", "PICO", "0", "999", "0.5"},
      {"Subalpine", "ABLA", "0", "999", "0.2"},
      {"Subalpine", "PSME", "0", "999", "0.8"},
      {"Subalpine", "_Other", "0", "999", "0.5"},
  }};
  d.SpeciesRows.assign(rows.begin(), rows.end());
  d.SpeciesGroups = {{"Mixed Conifer", 1}, {"Subalpine", 2}};

  d.RetPriSets = {
      RetPriSet("None", "No preference", {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
                "Mixed Conifer"),
      RetPriSet(
          "Low Thin", "Thin from below",
          {1.0f, 0.7f, 0.2f, 0.0f, 1.0f, 0.9f, 0.6f, 1.0f, 0.1f, 1.0f, 1.0f, 0.5f, 0.6f, 0.8f},
          "Mixed Conifer"),
      RetPriSet(
          "Lodgepole", "Thin from below, keep spruce",
          {1.0f, 0.7f, 0.2f, 0.0f, 1.0f, 0.9f, 0.6f, 1.0f, 0.1f, 1.0f, 1.0f, 0.5f, 0.6f, 0.8f},
          "Subalpine"),
  };
  d.RetPri = "Low Thin";
  d.Treatments = {Treatment(kNoTreatment, "None", "0"),
                  Treatment(kThinTreatment, shape.thinCrit, shape.thinTarget)};
  d.Treatment = std::string(kThinTreatment);

  d.Thin = true;
  d.ThinType = "BasalArea";
  d.ThinCriteria = 80;
  d.ThinCutEff = 90;
  d.ThinMinCut = 0;
  d.ThinMaxCut = 21;
  d.ThinSubMer = 5;
  d.ThinLogTop = 4;
  d.ThinYarLos = 10;
  d.PruneHgt = 8;
  d.PruneMRCR = 40;
  d.BCBScoHgt = 15;
  d.BCBDuDep = 1;
  d.BCBMosLicBur = 0;
  d.BCBMoist = "Dry";
  d.BCBMoi10Hr = 9;
  d.BCBMoi1kHr = 18;
  d.BCBMoiDuf = 60;
  d.BCBRegion = "InteriorWest";
  d.BCBSeason = "Fall";
  d.EmisType = "Default";
  d.EmisFlame = "3";
  d.EmisDuff = "8";
  d.EmisCoarse = "7";
  d.PileGround = 20;
  d.PileSlash = 80;
  d.PileBurn = 90;
  d.FMSModel = "Scott-40";
  d.FMSClimate = "Humid";
  d.FMSBedDep = 0;
  d.FMSSAVGra = 1800;
  d.FMSSAVShu = 1500;
  d.FMSSAV1Hr = 2000;
  d.PlotFileName = plotFile;
  d.PlotFileType = "VXD";
  return d;
}

bool CopyInto(const fs::path& source, const fs::path& folder, std::string& message) {
  std::error_code error;
  fs::copy_file(source, folder / source.filename(), fs::copy_options::overwrite_existing, error);
  if (error) {
    message =
        CFormat("Cannot copy %s into %s: %s", source.string(), folder.string(), error.message());
    return false;
  }
  return true;
}

}  // namespace

bool GenerateBatch(const fs::path& folder, const fs::path& dataFolder, const d_BatchShape& shape,
                   d_GeneratedBatch& batch, std::string& message) {
  message.clear();
  batch = d_GeneratedBatch{};
  if (shape.plots < 1 || shape.treesPerPlot < 1) {
    message = "A batch needs at least one plot and one tree per plot";
    return false;
  }
  const long long rows = static_cast<long long>(shape.plots) * shape.treesPerPlot;

  const fs::path user = folder / "user";
  std::error_code error;
  fs::create_directories(user, error);
  if (error) {
    message = CFormat("Cannot create %s: %s", user.string(), error.message());
    return false;
  }
  if (!CopyInto(dataFolder / "qor_Spp.csv", user, message) ||
      !CopyInto(dataFolder / "Emission_Factors.csv", user, message)) {
    return false;
  }

  d_BatchFiles& files = batch.files;
  files.Plot = (folder / (shape.name + ".vxd")).string();
  files.Tree = (folder / (shape.name + ".tre")).string();
  files.Link = (folder / kLinkTreatmentFileName).string();
  files.Project = (folder / (shape.name + ".vxp")).string();
  files.Output = (folder / (shape.name + "-Output.csv")).string();
  files.Error = (folder / (shape.name + "-Errors.txt")).string();
  batch.userFolder = user.string();

  c_Draw draw(shape.seed);
  std::array<double, kStandTypes.size()> typeShares{};
  for (std::size_t i = 0; i < kStandTypes.size(); ++i)
    typeShares[i] = kStandTypes[i].share;

  c_TextFile plotFile(files.Plot), treeFile(files.Tree);
  plotFile.Put(Heading(kVXDPlotColumns));
  treeFile.Put(Heading(kVXDTreeColumns));
  std::vector<d_LTF> links;
  links.reserve(static_cast<std::size_t>(shape.plots));
  std::vector<d_GenTree> trees;
  const int width = shape.plots >= 10000 ? 5 : 4;
  for (int p = 0; p < shape.plots; ++p) {
    const d_StandType& type = kStandTypes[draw.Pick(typeShares)];
    const std::string plot = CFormat("ST%02d-%0*d", p / 250 + 1, width, p + 1);
    plotFile.Put(FuelRow(draw, plot, type));
    PutTrees(draw, plot, type, shape.treesPerPlot, treeFile, trees);

    // a share strictly between 0 and 1 takes a draw of its own
    const bool burn =
        shape.burnShare >= 1.0 || (shape.burnShare > 0 && draw.Unit() < shape.burnShare);
    const bool thin = draw.Unit() < type.thinShare || burn;
    d_LTF link;
    link.Plot = plot;
    link.MonSta = "";  // a VXD plot has no monitoring station
    link.RPName = thin ? std::string(type.retPri) : "None";
    link.TmName = std::string(thin ? kThinTreatment : kNoTreatment);
    link.Thin = thin ? "Yes" : "No";
    link.Prune = "No";
    link.Pile = burn ? "Yes" : "No";
    link.Burb = burn ? "Yes" : "No";
    links.push_back(std::move(link));
    if (thin) ++batch.thinPlots;
  }
  if (!plotFile.Close(message) || !treeFile.Close(message)) return false;
  if (!LTF_WriteFile(files.Link, links, message)) return false;
  if (!Prj_WriteFile(files.Project, Project(files.Plot, shape), message)) return false;

  batch.plots = shape.plots;
  batch.treeRows = static_cast<int>(rows);
  return true;
}

}  // namespace sylvanor
