#include "io/ProjectFile.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <limits>
#include <span>
#include <string_view>
#include <vector>

#include "base/CFormat.h"
#include "base/Keyword.h"
#include "base/TextInput.h"
#include "base/TextUtil.h"
#include "io/ProjectIndex.h"

namespace sylvanor {

namespace {

constexpr std::string_view kSeparator = "\n------------------------------------------\n";
constexpr std::string_view kSeparatorIndented =
    "\n ----------------------------------------------\n";

// Never matched: an empty line, one that starts with a line end (CR, LF) or
// a NUL, and "#" followed by a blank.
bool IsCommentLine(std::string_view line) {
  if (line.empty() || line[0] == '\n' || line[0] == '\r' || line[0] == '\0') return true;
  return line[0] == '#' && line.size() > 1 && line[1] == ' ';
}

// Fills `words` with the first white-space separated words of the line, the
// rest emptied. A NUL ends the line's text.
void FillWords(std::string_view line, std::span<std::string> words) {
  const std::vector<std::string_view> found =
      SplitWords(line.substr(0, line.find('\0')), words.size());
  for (std::size_t i = 0; i < words.size(); ++i)
    words[i] = i < found.size() ? found[i] : std::string_view();
}

// Reads the words after the keyword of a record line into its fields.
template <std::size_t N>
void ReadRecordWords(const std::string& line, const std::array<PrjField*, N>& fields) {
  std::array<std::string, N + 1> words;
  FillWords(line, words);
  for (std::size_t i = 0; i < N; ++i) {
    *fields[i] = words[i + 1];
  }
}

// A value inside a line of several values: never empty, so that the values
// after it keep their places.
std::string ListWord(std::string_view text) {
  std::string word = Prj_NameToWord(std::string(text));
  return word.empty() ? "$" : word;
}

std::string SwitchLine(std::string_view keyword, bool on) {
  return on ? CFormat("#%s Yes\n", keyword) : CFormat("#%s No\n", keyword);
}

std::string NumberLine(std::string_view keyword, float value) {
  return CFormat("#%s %8.4f\n", keyword, value);
}

// "#%s %s \n": a value followed by a blank before the line end.
std::string TextLine(std::string_view keyword, const std::string& value) {
  return CFormat("#%s %s \n", keyword, Prj_NameToWord(value));
}

std::string ColorLine(std::string_view keyword, const d_PrjColor& color) {
  return CFormat("#%s %d %d %d\n", keyword, color.Red, color.Green, color.Blue);
}

std::string SpeciesRowLines(const std::vector<d_PrjSpeciesRow>& rows) {
  std::string text;
  int n = 0;
  for (const d_PrjSpeciesRow& row : rows) {
    if (Prj_SameName(row.Group, "_None")) continue;
    text += CFormat("#Species-%d %s %s %s %s %s\n", n++, ListWord(row.Group), ListWord(row.Species),
                    ListWord(row.MinDia), ListWord(row.MaxDia), ListWord(row.Priority));
  }
  return text;
}

std::string RetPriLine(int n, const d_PrjRetPri& set) {
  std::array<std::string, kPrjRetPriFields> w;
  const auto fields = set.Fields();
  for (std::size_t i = 0; i < w.size(); ++i) {
    w[i] = ListWord(*fields[i]);
  }
  return CFormat("#RetPri-%d %s %s %s %s %s %s %s %s %s %s %s %s %s %s %s %s %s\n", n, w[0], w[1],
                 w[2], w[3], w[4], w[5], w[6], w[7], w[8], w[9], w[10], w[11], w[12], w[13], w[14],
                 w[15], w[16]);
}

std::string TreatmentLine(int n, const d_PrjTreatment& treatment) {
  std::array<std::string, kPrjTreatmentFields> w;
  const auto fields = treatment.Fields();
  for (std::size_t i = 0; i < w.size(); ++i) {
    w[i] = ListWord(*fields[i]);
  }
  return CFormat("#Treatment-%d %s %s %s %s %s  %s %s %s %s %s  %s %s %s %s %s  %s %s %s %s %s \n",
                 n, w[0], w[1], w[2], w[3], w[4], w[5], w[6], w[7], w[8], w[9], w[10], w[11], w[12],
                 w[13], w[14], w[15], w[16], w[17], w[18], w[19]);
}

}  // namespace

namespace {

// The fields of a record in file order, for a record or a const record.
template <class Record>
auto TreatmentFields(Record& r) {
  return std::array{&r.TreatName,   &r.ThinType,        &r.ThinCriteria, &r.ThinCutEff,
                    &r.ThinSubMerc, &r.ThinTopDiam,     &r.ThinYardLose, &r.ThinMinCut,
                    &r.ThinMaxCut,  &r.PruneHgt,        &r.PruneMRCR,    &r.PilExiGro,
                    &r.PileSlash,   &r.PilePercentBurn, &r.BBSchHgt,     &r.BB10HrMoist,
                    &r.BB1kHrMoist, &r.BBDuffMoist,     &r.BBRegion,     &r.BBSeason};
}

template <class Record>
auto RetPriFields(Record& r) {
  return std::array{&r.Name,       &r.Desc,        &r.Healthy,    &r.Unhealthy,    &r.Sick,
                    &r.Dead,       &r.Dominant,    &r.Codominant, &r.Intermediate, &r.Emergent,
                    &r.Suppressed, &r.OpenGrown,   &r.None,       &r.CRspec,       &r.CRmax,
                    &r.Diameter,   &r.SpeciesGroup};
}

}  // namespace

std::array<PrjField*, kPrjTreatmentFields> d_PrjTreatment::Fields() {
  return TreatmentFields(*this);
}
std::array<const PrjField*, kPrjTreatmentFields> d_PrjTreatment::Fields() const {
  return TreatmentFields(*this);
}

std::array<PrjField*, kPrjRetPriFields> d_PrjRetPri::Fields() {
  return RetPriFields(*this);
}
std::array<const PrjField*, kPrjRetPriFields> d_PrjRetPri::Fields() const {
  return RetPriFields(*this);
}

bool Prj_ReadLine(std::istream& file, std::string& line) {
  return ReadLineWithEnd(file, line);
}

bool Prj_KeywordWords(const std::string& line, PrjWords& words) {
  if (IsCommentLine(line)) return false;
  std::string blanked = line;
  StrRepChr(blanked, '=', ' ');
  StrRepChr(blanked, '#', ' ');
  FillWords(blanked, words);
  if (words[0].empty()) return false;
  for (std::string& word : words) {
    word = FixedText<kPrjWordCapacity>(word).str();
  }
  return true;
}

int Prj_FindSw(std::istream& source, const std::string& keyword, PrjWords& values,
               std::string& line) {
  for (std::string& value : values) {
    value.clear();
  }
  line.clear();
  source.clear();
  c_TextInput file(source.rdbuf());
  file.seekg(0);

  std::string raw;
  PrjWords words;
  while (Prj_ReadLine(file, raw)) {
    if (!Prj_KeywordWords(raw, words) || !SameKeyword(words[0], keyword)) continue;
    values = words;
    line = raw;
    return 1;
  }
  return 0;
}

namespace {

// The record look-ups, for a file searched from its start or for an index.
template <class Source>
int FindTreatmentIn(Source& file, d_PrjTreatment& record, int n) {
  record = d_PrjTreatment{};
  PrjWords values;
  std::string line;
  if (!Prj_FindSw(file, CFormat("Treatment-%d", n), values, line)) return 0;
  ReadRecordWords(line, record.Fields());
  return 1;
}

template <class Source>
int FindRetPriIn(Source& file, d_PrjRetPri& record, int n) {
  record = d_PrjRetPri{};
  PrjWords values;
  std::string line;
  if (!Prj_FindSw(file, CFormat("RetPri-%d", n), values, line)) return 0;
  ReadRecordWords(line, record.Fields());
  return 1;
}

template <class Source>
int FindSpeciesIn(Source& file, std::string& group, std::string& species, std::string& minDia,
                  std::string& maxDia, std::string& priority, int n) {
  PrjWords values;
  std::string line;
  const int found = Prj_FindSw(file, CFormat("Species-%d", n), values, line);
  group = values[1];
  species = values[2];
  minDia = values[3];
  maxDia = values[4];
  priority = values[5];
  return found;
}

}  // namespace

int Prj_FindTreatment(std::istream& file, d_PrjTreatment& record, int n) {
  return FindTreatmentIn(file, record, n);
}

int Prj_FindRetPri(std::istream& file, d_PrjRetPri& record, int n) {
  return FindRetPriIn(file, record, n);
}

int Prj_FindSpecies(std::istream& file, std::string& group, std::string& species,
                    std::string& minDia, std::string& maxDia, std::string& priority, int n) {
  return FindSpeciesIn(file, group, species, minDia, maxDia, priority, n);
}

int Prj_FindTreatment(const c_PrjIndex& file, d_PrjTreatment& record, int n) {
  return FindTreatmentIn(file, record, n);
}

int Prj_FindRetPri(const c_PrjIndex& file, d_PrjRetPri& record, int n) {
  return FindRetPriIn(file, record, n);
}

int Prj_FindSpecies(const c_PrjIndex& file, std::string& group, std::string& species,
                    std::string& minDia, std::string& maxDia, std::string& priority, int n) {
  return FindSpeciesIn(file, group, species, minDia, maxDia, priority, n);
}

std::string Prj_NameToWord(const std::string& name) {
  std::string word = name;
  Trim_LT(word);
  StrRepChr(word, ' ', '$');
  return word;
}

std::string Prj_WordToName(const std::string& word) {
  std::string name = word;
  StrRepChr(name, '$', ' ');
  Trim_LT(name);
  return name;
}

bool Prj_SameName(const std::string& a, const std::string& b) {
  return Prj_WordToName(a) == Prj_WordToName(b);
}

float Prj_AtoF(const std::string& text) {
  std::string_view t = text;
  t.remove_prefix(std::min(t.find_first_not_of(kWhiteSpace), t.size()));
  double value = 0.0;
  if (ReadNumberStart(t, value) == 0) return 0.0f;
  if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max()) return 0.0f;
  return static_cast<float>(value);
}

namespace {

// The power of ten of a decimal number text too large or too small for a
// double ("1e999" 999, "0.001e-999" -1002); the text starts with its digits
// (after any sign).
long long DecimalPower(std::string_view t) {
  std::size_t i = 0;
  while (i < t.size() && t[i] == '0')
    ++i;
  long long power = -1;
  bool significant = false;
  for (; i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])); ++i) {
    ++power;
    significant = true;
  }
  if (i < t.size() && t[i] == '.') {
    for (++i; i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])); ++i) {
      if (significant) continue;
      if (t[i] == '0') {
        --power;
      } else {
        significant = true;
      }
    }
  }
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    const bool negative = i < t.size() && t[i] == '-';
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
    long long exponent = 0;
    for (; i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])); ++i)
      exponent = std::min(exponent * 10 + (t[i] - '0'), 1000000000LL);
    power += negative ? -exponent : exponent;
  }
  return power;
}

}  // namespace

bool Prj_ReadFloat(const std::string& text, float& value) {
  value = 0.0f;
  std::string_view t = text;
  t.remove_prefix(std::min(t.find_first_not_of(kWhiteSpace), t.size()));
  double read = 0.0;
  if (ReadNumberStart(t, read) == 0) {
    // no number, or one a double cannot hold: too small reads as 0, too
    // large is beyond a float
    const std::string_view digits = t.substr(t.starts_with('+') || t.starts_with('-') ? 1 : 0);
    const bool number = !digits.empty() && (std::isdigit(static_cast<unsigned char>(digits[0])) ||
                                            (digits[0] == '.' && digits.size() > 1 &&
                                             std::isdigit(static_cast<unsigned char>(digits[1]))));
    return !number || DecimalPower(digits) < 0;
  }
  if (!std::isfinite(read) || std::fabs(read) > std::numeric_limits<float>::max()) return false;
  value = static_cast<float>(read);
  return true;
}

std::string Prj_Text(const d_PrjData& d) {
  std::string t;
  t += CFormat("#%s %s\n", "CBDThreshold", Prj_NameToWord(d.CBDThreshold));
  t += kSeparator;

  t += SpeciesRowLines(d.SpeciesRows);
  t += kSeparator;

  for (std::size_t n = 0; n < d.SpeciesGroups.size(); ++n) {
    t += CFormat("#SpeciesGroup-%d %s %d\n", static_cast<int>(n), ListWord(d.SpeciesGroups[n].Name),
                 d.SpeciesGroups[n].Number);
  }
  t += kSeparator;

  for (std::size_t n = 0; n < d.RetPriSets.size(); ++n) {
    t += RetPriLine(static_cast<int>(n), d.RetPriSets[n]);
  }
  t += CFormat("#%s %s\n", "RetPri", Prj_NameToWord(d.RetPri));
  t += kSeparator;

  for (std::size_t n = 0; n < d.Treatments.size(); ++n) {
    t += TreatmentLine(static_cast<int>(n), d.Treatments[n]);
  }
  t += CFormat("#%s %s\n", "Treatment", Prj_NameToWord(d.Treatment));
  t += kSeparatorIndented;

  t += SwitchLine("Thin", d.Thin);
  t += SwitchLine("Prune", d.Prune);
  t += SwitchLine("BCB", d.BCB);
  t += SwitchLine("Pile", d.Pile);

  t += "# Thinning  \n";
  t += CFormat("#%s %s\n", "ThinType", Prj_NameToWord(d.ThinType));
  t += NumberLine("ThinCriteria", d.ThinCriteria);
  t += NumberLine("ThinCutEff", d.ThinCutEff);
  t += NumberLine("ThinMinCut", d.ThinMinCut);
  t += NumberLine("ThinMaxCut", d.ThinMaxCut);
  t += NumberLine("ThinSubMer", d.ThinSubMer);
  t += NumberLine("ThinLogTop", d.ThinLogTop);
  t += NumberLine("ThinYarLos", d.ThinYarLos);

  t += "# Prunning  \n";
  t += NumberLine("PruneHgt", d.PruneHgt);
  t += NumberLine("PruneMRCR", d.PruneMRCR);

  t += "# Broadcast Burning  \n";
  t += NumberLine("BCBScoHgt", d.BCBScoHgt);
  t += NumberLine("BCBDuDep", d.BCBDuDep);
  t += NumberLine("BCBMosLicBur", d.BCBMosLicBur);
  t += TextLine("BCBMoist", d.BCBMoist);
  t += NumberLine("BCBMoi10Hr", d.BCBMoi10Hr);
  t += NumberLine("BCBMoi1kHr", d.BCBMoi1kHr);
  t += NumberLine("BCBMoiDuf", d.BCBMoiDuf);
  t += TextLine("BCBRegion", d.BCBRegion);
  t += TextLine("BCBSeason", d.BCBSeason);
  t += TextLine("EmisType", d.EmisType);
  t += TextLine("EmisFlame", d.EmisFlame);
  t += TextLine("EmisDuff", d.EmisDuff);
  t += TextLine("EmisCoarse", d.EmisCoarse);

  t += "# Piling  \n";
  t += NumberLine("PileGround", d.PileGround);
  t += NumberLine("PileSlash", d.PileSlash);
  t += NumberLine("PileBurn", d.PileBurn);

  t += "# Fuel Model Selector  \n";
  t += TextLine("FMSModel", d.FMSModel);
  t += TextLine("FMSClimate", d.FMSClimate);
  t += NumberLine("FMSBedDep", d.FMSBedDep);
  t += NumberLine("FMSSAVGra", d.FMSSAVGra);
  t += NumberLine("FMSSAVShu", d.FMSSAVShu);
  t += NumberLine("FMSSAV1Hr", d.FMSSAV1Hr);
  t += kSeparatorIndented;

  t += CFormat("#%s %d\n", "DecimalPrecision", d.DecimalPrecision);
  t += TextLine("PlotFileName", d.PlotFileName);
  t += TextLine("PlotFileType", d.PlotFileType);
  t += TextLine("PlotName", d.PlotName);
  // the colour scheme is a choice of one: only the chosen keyword is written
  if (const std::string scheme = Prj_NameToWord(d.ColorScheme); !scheme.empty()) {
    t += CFormat("#%s \n", scheme);
  }
  t += ColorLine("ColorBackground", d.ColorBackground);
  t += ColorLine("ColorControl", d.ColorControl);
  t += SwitchLine("FuelModelShow", d.FuelModelShow);
  return t;
}

int Prj_Write(std::ostream& file, const d_PrjData& data) {
  file << Prj_Text(data);
  return file.good() ? 1 : 0;
}

int Prj_WriteFile(const std::string& path, const d_PrjData& data, std::string& message) {
  message.clear();
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) {
    message = CFormat("Can't Open Project File: %s\n", path);
    return 0;
  }
  if (!Prj_Write(file, data)) {
    message = CFormat("Error Writing Project File: %s\n", path);
    return 0;
  }
  return 1;
}

}  // namespace sylvanor
