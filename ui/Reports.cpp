#include "ui/Reports.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>

#include "base/CFormat.h"
#include "base/CsvRow.h"
#include "stand/TreeList.h"
#include "treat/Pollutants.h"
#include "ui/ResultBoxes.h"

namespace sylvanor {

namespace {

using S = Sylvanor;
using Getter = float (Sylvanor::*)() const;

std::string YesNo(bool on) {
  return on ? "Yes" : "No";
}

// A column of a CSV file as its description row tells it: its meaning
// (names in backquotes as plain words) and its unit.
std::string Description(std::string_view meaning, std::string_view unit) {
  std::string text(meaning);
  text.erase(std::remove(text.begin(), text.end(), '`'), text.end());
  return CsvQuoted(text + " (" + std::string(unit) + ")");
}

// ---- the plot report -----------------------------------------------------------

// The unit of the thinning target of each criterion.
struct d_TargetUnit {
  const char* Crit;
  const char* Unit;
};
constexpr d_TargetUnit kTargetUnits[] = {{"CanopyFuelLoad", "t/ac"}, {"CanopyBulkDensity", "kg/m3"},
                                         {"TreeDensity", "tpa"},     {"StandDensityIndex", "tpa"},
                                         {"CanopyCover", "%"},       {"BasalArea", "ft2/ac"}};

std::string TargetLabel(const std::string& crit) {
  for (const d_TargetUnit& t : kTargetUnits)
    if (crit == t.Crit) return CFormat("Thin To Target (%s)", t.Unit);
  return "Thin To Target";
}

// A setting as its box shows it: label and value.
using Setting = std::pair<std::string, const std::string*>;

// A treatment group: its switch, then its boxes, one line each.
void Group(std::string& out, const char* title, bool on, std::initializer_list<Setting> boxes) {
  out += CFormat("  %-30s %s\n", title, YesNo(on));
  for (const Setting& box : boxes)
    out += CFormat("    %-28s %s\n", box.first, *box.second);
}

std::string Settings(const d_WindowInputs& in) {
  std::string out = "Treatment settings (as entered)\n";
  Group(out, "Thinning", in.Thin,
        {{"Thinning type", &in.ThinCrit},
         {TargetLabel(in.ThinCrit), &in.ThinTarget},
         {"Cut Efficiency %", &in.CutEff},
         {"Minimum <DBH> (in)", &in.MinDia},
         {"Maximum <DBH> (in)", &in.MaxDia},
         {"Merch dia >= (in)", &in.MerchDia},
         {"Top Diameter (in)", &in.TopDia},
         {"Yard Loss %", &in.YardLoss}});
  Group(out, "Pruning", in.Prune, {{"Height (ft)", &in.PruneHgt}, {"M R C R %", &in.PruneMRCR}});
  Group(out, "Piling", in.Pile,
        {{"Slash %", &in.PileSlash},
         {"Consumed %", &in.PileConsumed},
         {"Surface %", &in.PileSurface}});
  Group(out, "Broadcast burn", in.Burn,
        {{"Scorch Hgt (ft)", &in.ScorchHgt},
         {"10 Hr moisture (%)", &in.Moist10Hr},
         {"1k Hr moisture (%)", &in.Moist1kHr},
         {"Moss+Lichen %", &in.MossLichen},
         {"Pre-burn Duff Depth (in)", &in.DuffDepth},
         {"Duff Moisture (%)", &in.DuffMoist},
         {"Region", &in.Region},
         {"Season", &in.Season}});
  out += "  Fire behaviour fuel model selector\n";
  const Setting selector[] = {{"Herb SAV (1/ft)", &in.HerbSAV},
                              {"Shrub SAV (1/ft)", &in.ShrubSAV},
                              {"1 Hr SAV (1/ft)", &in.OneHrSAV},
                              {"Fuel bed depth (in)", &in.BedDepth},
                              {"Climate", &in.Climate},
                              {"Model set", &in.ModelSet},
                              {"Moisture scenario", &in.MoistScenario},
                              {"CBD threshold (kg/m3)", &in.CBDThreshold},
                              {"Emission groups F/D/C", nullptr}};
  for (const Setting& box : selector) {
    const std::string value =
        box.second ? *box.second : in.EmisFlame + " / " + in.EmisDuff + " / " + in.EmisCoarse;
    out += CFormat("    %-28s %s\n", box.first, value);
  }
  return out;
}

// The loads the run took (t/ac), two to a line.
std::string EnteredLoads(const d_ReportSource& source) {
  std::string out = "Surface fuel loads entered (t/ac)\n";
  const auto loads = Loads(source.Syl.Settings().Fuel);
  const std::string format = CFormat("  %%-28s %%10.%df", std::clamp(source.Decimals, 1, 3));
  for (std::size_t k = 0; k < loads.size(); ++k)
    out += CFormat(format, kFuelLabels[k], *loads[k]) + (k % 2 ? "\n" : "");
  return out;
}

std::string Results(const d_ReportSource& source) {
  std::string out, group;
  for (const d_ResultBox& box : ResultBoxes(source.Syl, source.Indices, source.Decimals)) {
    if (box.Group != group) {
      group = box.Group;
      out += box.Group == "Stand"
                 ? CFormat("\n%-48s %14s %14s\n", group, "Pre-treatment", "Post-treatment")
                 : CFormat("\n%-48s %14s %14s\n", group, "", "Value");
    }
    out += CFormat("  %-46s %14s %14s\n", box.Label, box.Pre, box.Post);
  }
  return out;
}

// ---- trees ----------------------------------------------------------------------

// A tree of the plot tree list with the trees per acre the grid shows as
// thinned and killed (looked up by tree number, as the grid is filled) and
// the trees per acre left.
struct d_TreeRow {
  const d_PTLRec& Rec;
  float Thinned = 0, Killed = 0, Left = 0;
};

std::vector<d_TreeRow> TreeRows(const Sylvanor& syl) {
  const d_PTLTable& table = syl.Context().Trees;
  std::vector<d_TreeRow> rows;
  for (int i = 0, n = PTL_Count(table); i < n; ++i) {
    const d_PTLRec& rec = table[static_cast<std::size_t>(i)];
    d_TreeRow row{rec};
    std::string species;
    float mortPct = 0, pctThinned = 0;
    PTL_GetInfo(table, rec.TreeNum, species, row.Killed, mortPct, row.Thinned, pctThinned);
    row.Left = static_cast<float>(static_cast<double>(rec.TPA) - row.Thinned - row.Killed);
    rows.push_back(row);
  }
  return rows;
}

// The columns of the tree CSV file.
struct d_TreeColumn {
  std::string_view Name, Unit, Meaning;
  std::string (*Value)(const d_TreeRow&);
};

template <float d_PTLRec::*Field>
std::string RecNumber(const d_TreeRow& t) {
  return ShortestText(t.Rec.*Field);
}
template <float d_TreeRow::*Field>
std::string RowNumber(const d_TreeRow& t) {
  return ShortestText(t.*Field);
}

constexpr d_TreeColumn kTreeColumns[] = {
    {"num", "number", "tree number",
     [](const d_TreeRow& t) { return CFormat("%d", t.Rec.TreeNum); }},
    {"species", "code", "species code",
     [](const d_TreeRow& t) { return CsvQuoted(t.Rec.Species); }},
    {"dbh", "in", "tree diameter at breast height", RecNumber<&d_PTLRec::Dia>},
    {"height", "ft", "total tree height", RecNumber<&d_PTLRec::Hgt>},
    {"crown_base_height", "ft", "crown base height, as entered", RecNumber<&d_PTLRec::CrnHgt>},
    {"crown_class", "code", "crown class",
     [](const d_TreeRow& t) { return CsvQuoted(t.Rec.CrnCls); }},
    {"status", "code", "tree status", [](const d_TreeRow& t) { return CsvQuoted(t.Rec.Status); }},
    {"tpa", "tpa", "trees per acre, as entered", RecNumber<&d_PTLRec::TPA>},
    {"retention_priority", "index", "retention priority", RecNumber<&d_PTLRec::RetPri>},
    {"thinned", "tpa", "trees per acre the thinning took", RowNumber<&d_TreeRow::Thinned>},
    {"killed", "tpa", "trees per acre the broadcast burn killed", RowNumber<&d_TreeRow::Killed>},
    {"tpa_after", "tpa", "trees per acre left after thinning and burn",
     RowNumber<&d_TreeRow::Left>},
};

// ---- smoke ----------------------------------------------------------------------

using Smoke = std::array<float, 7>;

// The burn's smoke of a keyword ("Flame", "Smolder", "Total"), lb/ac.
Smoke BurnSmoke(const Sylvanor& s, const std::string& keyword) {
  Smoke v{};
  s.Get_EmiTot(keyword, v[0], v[1], v[2], v[3], v[4], v[5], v[6]);
  return v;
}
// The burned piles' smoke of a keyword ("Flame" or "Smolder"), lb/ac.
Smoke PileSmoke(const Sylvanor& s, const std::string& keyword) {
  Smoke v{};
  s.Get_PileEmis(keyword, v[0], v[1], v[2], v[3], v[4], v[5], v[6]);
  return v;
}
Smoke Sum(const Smoke& a, const Smoke& b) {
  Smoke v{};
  for (std::size_t p = 0; p < v.size(); ++p)
    v[p] = static_cast<float>(static_cast<double>(a[p]) + b[p]);
  return v;
}

// The smoke per pollutant in three columns: flaming, smoldering, total.
std::string SmokeTable(const Smoke& flame, const Smoke& smolder, const Smoke& total) {
  std::string out =
      CFormat("  %-12s %14s %14s %14s\n", "Pollutant", "Flaming", "Smoldering", "Total");
  for (std::size_t p = 0; p < kPollutantLabels.size(); ++p)
    out += CFormat("  %-12s %14.2f %14.2f %14.2f\n", kPollutantLabels[p], flame[p], smolder[p],
                   total[p]);
  return out;
}

struct d_Consumed {
  const char* Label;
  Getter Get;
};
constexpr d_Consumed kConsumed[] = {{"Litter", &S::Get_BBC_Litter},
                                    {"Lichen", &S::Get_BBC_Lichen},
                                    {"Moss", &S::Get_BBC_Moss},
                                    {"Herb", &S::Get_BBC_Grass},
                                    {"Shrub", &S::Get_BBC_Shrub},
                                    {"Duff", &S::Get_BBC_Duff},
                                    {"1 Hour", &S::Get_BBC_1Hr},
                                    {"10 Hour", &S::Get_BBC_10Hr},
                                    {"100 Hour", &S::Get_BBC_100Hr},
                                    {"1000 Hr Sound 1", &S::Get_BBC_SC1Snd},
                                    {"1000 Hr Sound 2", &S::Get_BBC_SC2Snd},
                                    {"1000 Hr Sound 3", &S::Get_BBC_SC3Snd},
                                    {"1000 Hr Sound 4", &S::Get_BBC_SC4Snd},
                                    {"1000 Hr Sound 5", &S::Get_BBC_SC5Snd},
                                    {"1000 Hr Rotten 1", &S::Get_BBC_SC1Rot},
                                    {"1000 Hr Rotten 2", &S::Get_BBC_SC2Rot},
                                    {"1000 Hr Rotten 3", &S::Get_BBC_SC3Rot},
                                    {"1000 Hr Rotten 4", &S::Get_BBC_SC4Rot},
                                    {"1000 Hr Rotten 5", &S::Get_BBC_SC5Rot}};

}  // namespace

std::string NoReportReason(const c_MainWindowState& state) {
  if (state.CurrentPlot() < 0) return "No plot is shown: open a project or load a plot file.";
  if (!state.LastRun().Ok) return "The plot has not been calculated: use Calculate first.";
  return "";
}

d_ReportSource ReportSource(const c_MainWindowState& state) {
  const int k = state.CurrentPlot();
  const bool shown = k >= 0 && k < static_cast<int>(state.Plots().size());
  return {state.Engine(),
          state.Inputs(),
          state.LastRun().Hal,
          state.LastRun().Indices,
          shown ? state.Plots()[static_cast<std::size_t>(k)] : "",
          state.ProjectFile(),
          state.Project().DecimalPrecision};
}

std::string PlotReport(const d_ReportSource& source) {
  std::string out = "\n\n                       Plot Report \n\n";
  out += CFormat("Plot: %s\n", source.Plot);
  out += CFormat("Project: %s\n", source.Project.empty() ? "(none)" : source.Project);
  out += CFormat("Treatment Name: %s\n\n", source.In.TreatName);
  out += Settings(source.In) + '\n' + EnteredLoads(source) + Results(source);
  return out;
}

std::string TreeReport(const Sylvanor& syl, const std::string& plot, const std::string& treatName,
                       const std::string& thinType, const std::string& burn) {
  std::string out = "\n\n                       Tree Report \n\n";
  out += CFormat("Plot: %s\n", plot);
  out += "  Num   Spec   DBH   TH    CBH  CC   TS     TPA    RP    Thin    Kill     TPA\n";
  out += "              (in)  (ft)  (ft)                          (tpa)   (tpa)    Post\n";
  for (const d_TreeRow& t : TreeRows(syl)) {
    const d_PTLRec& r = t.Rec;
    out += CFormat("%5d  %s  %5.1f %5.1f %5.1f   %s    %s  %6.1f  %4.2f  %6.1f  %6.1f  %6.1f\n",
                   r.TreeNum, r.Species, r.Dia, r.Hgt, r.CrnHgt, r.CrnCls, r.Status, r.TPA,
                   r.RetPri, t.Thinned, t.Killed, t.Left);
  }
  out += CFormat("\n\n Treatment Name: %s \n", treatName);
  out += CFormat(" Thinning Type:  %s\n", thinType);
  out += CFormat(" Broadcast Burn: %s \n", burn);
  return out;
}

std::string TreeReport(const d_ReportSource& source) {
  const d_WindowInputs& in = source.In;
  return TreeReport(source.Syl, source.Plot, in.TreatName, in.Thin ? in.ThinCrit : "None",
                    YesNo(in.Burn));
}

std::string PlotTreeReport(const d_ReportSource& source) {
  return PlotReport(source) + TreeReport(source);
}

std::string PlotCsv(const d_ReportSource& source, e_CsvForm form) {
  std::string names, meanings;
  for (const d_DetailsColumn& column : DetailsColumns()) {
    if (!names.empty()) names += ',', meanings += ',';
    names += column.Name;
    meanings += Description(column.Meaning, column.Unit);
  }
  const std::string row =
      DetailsLine(source.Syl, source.Hal, source.Plot, "", source.In.TreatName, source.Indices);
  if (form == e_CsvForm::DataOnly) return row;
  if (form == e_CsvForm::DataHeadings) return names + '\n' + row;
  return names + '\n' + meanings + '\n' + row;
}

std::string TreeCsv(const d_ReportSource& source, e_CsvForm form) {
  std::string names = "plot_id", meanings = Description("plot identifier", "text"), rows;
  for (const d_TreeColumn& column : kTreeColumns) {
    names += ',' + std::string(column.Name);
    meanings += ',' + Description(column.Meaning, column.Unit);
  }
  for (const d_TreeRow& tree : TreeRows(source.Syl)) {
    rows += CsvQuoted(source.Plot);
    for (const d_TreeColumn& column : kTreeColumns)
      rows += ',' + column.Value(tree);
    rows += '\n';
  }
  if (form == e_CsvForm::DataOnly) return rows;
  if (form == e_CsvForm::DataHeadings) return names + '\n' + rows;
  return names + '\n' + meanings + '\n' + rows;
}

std::string EmissionReport(const d_ReportSource& source) {
  const Sylvanor& s = source.Syl;
  const std::string loads = CFormat("%%14.%df", std::clamp(source.Decimals, 1, 3));
  std::string out = "\n\n                       Emission Report \n\n";
  out += CFormat("Plot: %s\n", source.Plot);
  out += CFormat("Treatment Name: %s\n\n", source.In.TreatName);

  const std::string ignition = s.Get_BurnIgnition();
  if (ignition.empty()) {
    out += "No broadcast burn in this run.\n";
  } else {
    out += CFormat("Broadcast burn (ignited: %s): emissions (lb/ac)\n", ignition);
    out += SmokeTable(BurnSmoke(s, "Flame"), BurnSmoke(s, "Smolder"), BurnSmoke(s, "Total"));
    out += "\nFuel consumed by the broadcast burn (t/ac)\n";
    for (const d_Consumed& c : kConsumed)
      out += CFormat("  %-28s", c.Label) + CFormat(loads, (s.*c.Get)()) + '\n';
    float flame = 0, smolder = 0, duff = 0;
    s.Get_EmiMass(flame, smolder, duff);
    out += "\nFuel consumed by phase (kg/m2)\n";
    out += CFormat("  %-28s %14.4f\n", "Flaming", flame);
    out += CFormat("  %-28s %14.4f\n", "Smoldering, woody fuel", smolder);
    out += CFormat("  %-28s %14.4f\n", "Smoldering, duff", duff);
  }

  const float burned = s.Get_PilBur();
  if (burned > 0) {
    const Smoke flame = PileSmoke(s, "Flame"), smolder = PileSmoke(s, "Smolder");
    out += "\nBurned piles (t/ac): " + CFormat(loads, burned) + '\n';
    out += "Pile emissions (lb/ac)\n" + SmokeTable(flame, smolder, Sum(flame, smolder));
  } else {
    out += "\nNo piles burned in this run.\n";
  }
  out += "\nTotal consumed, burn and burned piles (t/ac):" + CFormat(loads, s.Get_ConsumedTotal()) +
         '\n';
  return out;
}

std::string EmissionSummaryCsv(const d_ReportSource& source) {
  const Sylvanor& s = source.Syl;
  std::string out = "plot_id,source,phase";
  for (const char* name : kPollutantColumns)
    out += CFormat(",%s_lb_ac", name);
  out += '\n';
  const Smoke pileFlame = PileSmoke(s, "Flame"), pileSmolder = PileSmoke(s, "Smolder");
  const Smoke burnTotal = BurnSmoke(s, "Total"), pileTotal = Sum(pileFlame, pileSmolder);
  const std::pair<const char*, Smoke> rows[] = {{"burn,Flame", BurnSmoke(s, "Flame")},
                                                {"burn,Smolder", BurnSmoke(s, "Smolder")},
                                                {"burn,Total", burnTotal},
                                                {"piles,Flame", pileFlame},
                                                {"piles,Smolder", pileSmolder},
                                                {"piles,Total", pileTotal},
                                                {"all,Total", Sum(burnTotal, pileTotal)}};
  for (const auto& [name, smoke] : rows) {
    out += CsvQuoted(source.Plot) + ',' + name;
    for (const float value : smoke)
      out += ',' + ShortestText(value);
    out += '\n';
  }
  return out;
}

std::string ReportText(const d_ReportSource& source, std::string_view entry, e_CsvForm form) {
  using Make = std::string (*)(const d_ReportSource&, e_CsvForm);
  const std::pair<std::string_view, Make> makers[] = {
      {"Plot/Tree Report", [](const d_ReportSource& x, e_CsvForm) { return PlotTreeReport(x); }},
      {"Plot Report", [](const d_ReportSource& x, e_CsvForm) { return PlotReport(x); }},
      {"Tree Report", [](const d_ReportSource& x, e_CsvForm) { return TreeReport(x); }},
      {"Plot CSV File ", PlotCsv},
      {"Tree CSV File", TreeCsv},
      {"Emission Report", [](const d_ReportSource& x, e_CsvForm) { return EmissionReport(x); }},
      {"Emission Summary .csv",
       [](const d_ReportSource& x, e_CsvForm) { return EmissionSummaryCsv(x); }}};
  for (const auto& [name, make] : makers)
    if (name == entry) return make(source, form);
  return "";
}

std::string FileNameText(std::string text) {
  for (char& c : text)
    if (std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos ||
        static_cast<unsigned char>(c) < 32)
      c = '_';
  return text;
}

std::string ReportFileName(const std::string& plot, std::string_view entry) {
  const std::string name = FileNameText(plot.empty() ? "Sylvanor" : plot);
  for (const d_ReportEntry& e : kReportEntries)
    if (e.Entry == entry) return name + std::string(e.Suffix);
  return name + ".txt";
}

int SaveText(const std::string& path, const std::string& text, std::string& message) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::path(path).parent_path();
  std::error_code ec;
  if (!folder.empty() && !fs::is_directory(folder, ec)) {
    message =
        CFormat("Can't save the file %s:\nthe folder %s does not exist.", path, folder.string());
    return 0;
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) {
    message = CFormat("Can't open the file %s for writing.", path);
    return 0;
  }
  file << text;
  file.close();
  if (!file) {
    message = CFormat("Can't write the whole text to the file %s.", path);
    return 0;
  }
  message.clear();
  return 1;
}

}  // namespace sylvanor
