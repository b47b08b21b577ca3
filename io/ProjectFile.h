#pragma once
// The project file (".vxp", also ".prj"): a keyword text file in which the
// desktop window saves a whole working setup, and from which the batch runner
// takes each plot's treatment, retention priority set and species group rows.
//
// Lines are read whole, each with its line end: a long line is one line, up
// to the 4999 characters every input line may hold (base/TextInput.h, which
// also skips a byte order mark and takes CR, LF and CR LF as line ends).
// A NUL ends the text of a line.
//
// Line kinds:
//   comment  an empty line, a line starting with a line end (CR, LF) or a
//            NUL, or "#" followed by a blank; never matched
//   keyword  "#" followed by the keyword and its values, separated by blanks.
//            When a line is matched "=" and "#" count as blanks, so
//            "#Thin = Yes", "#Thin Yes" and "Thin Yes" all give Thin and Yes.
//
// A value never holds a blank: names are written with "$" for each blank
// and read back with Prj_WordToName. Names (treatments, retention priority
// sets, species groups, emission groups) are compared with Prj_SameName,
// which turns "$" into blanks on both sides, so "Thin$Heavy" in the project
// file and "Thin Heavy" in the link treatment file name the same treatment.

#include <array>
#include <cstddef>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "base/FixedText.h"

namespace sylvanor {

inline constexpr std::size_t kPrjWordCapacity = 1000;  // a keyword line's word, with terminator
inline constexpr std::size_t kPrjSwWords = 6;          // words Prj_FindSw gives back
inline constexpr std::size_t kPrjFieldCapacity = 50;   // a record field, with terminator
inline constexpr std::size_t kPrjTreatmentFields = 20;
inline constexpr std::size_t kPrjRetPriFields = 17;

using PrjField = FixedText<kPrjFieldCapacity>;

// A named treatment ("Treatment-%d" line), its 20 values in file order.
struct d_PrjTreatment {
  PrjField TreatName;
  PrjField ThinType;      // thinning criterion keyword, or "None"
  PrjField ThinCriteria;  // target value of the criterion
  PrjField ThinCutEff;    // percent
  PrjField ThinSubMerc;   // merchantable diameter
  PrjField ThinTopDiam;   // log top diameter
  PrjField ThinYardLose;  // percent
  PrjField ThinMinCut;
  PrjField ThinMaxCut;
  PrjField PruneHgt;
  PrjField PruneMRCR;        // percent
  PrjField PilExiGro;        // surface fuel piled, percent
  PrjField PileSlash;        // slash piled, percent
  PrjField PilePercentBurn;  // percent
  PrjField BBSchHgt;         // scorch height
  PrjField BB10HrMoist;      // percent
  PrjField BB1kHrMoist;      // percent
  PrjField BBDuffMoist;      // percent
  PrjField BBRegion;
  PrjField BBSeason;

  std::array<PrjField*, kPrjTreatmentFields> Fields();
  std::array<const PrjField*, kPrjTreatmentFields> Fields() const;
};

// A retention priority set ("RetPri-%d" line): name, description, the 14
// factors (0 to 1) in the order the engine takes them, and the species group
// whose rows give the species priorities.
struct d_PrjRetPri {
  PrjField Name;
  PrjField Desc;
  PrjField Healthy, Unhealthy, Sick, Dead;  // tree status H, U, S, D
  PrjField Dominant, Codominant, Intermediate, Emergent, Suppressed, OpenGrown;  // crown class
  PrjField None;                                                                 // no crown class
  PrjField CRspec, CRmax;  // crown ratio factors
  PrjField Diameter;
  PrjField SpeciesGroup;

  std::array<PrjField*, kPrjRetPriFields> Fields();
  std::array<const PrjField*, kPrjRetPriFields> Fields() const;
};

// The words of a keyword line, the keyword first; missing words are empty.
using PrjWords = std::array<std::string, kPrjSwWords>;

// Reads the next line whole, its line end included when it has one. A long
// line (a treatment with long values, a deep plot file path) stays one line:
// its end is never read as a line of its own. False at the end of the file.
bool Prj_ReadLine(std::istream& file, std::string& line);

// The words of a keyword line ("=" and "#" read as blanks, each word cut to
// 999 characters); false for a comment line or a line without words.
bool Prj_KeywordWords(const std::string& line, PrjWords& words);

// Rewinds the file and finds the first keyword line whose first word equals
// `keyword` ignoring case. `values` gets its first six words (each cut to 999
// characters), `line` the line as read, line end included. Returns 1, or 0
// with everything empty when no line matches.
int Prj_FindSw(std::istream& file, const std::string& keyword, PrjWords& values, std::string& line);

// Finds "Treatment-<n>" and reads the 20 words after the keyword of the line
// as read into the record (words past the end of the line stay empty).
// Returns 1, or 0 with the record emptied.
int Prj_FindTreatment(std::istream& file, d_PrjTreatment& record, int n);

// Finds "RetPri-<n>" and reads the 17 words after the keyword of the line as
// read into the record. Returns 1, or 0 with the record emptied.
int Prj_FindRetPri(std::istream& file, d_PrjRetPri& record, int n);

// Finds "Species-<n>" and gives its five values as texts. Returns 1, or 0
// with the texts empty.
int Prj_FindSpecies(std::istream& file, std::string& group, std::string& species,
                    std::string& minDia, std::string& maxDia, std::string& priority, int n);

// A name as a value of the file: blanks trimmed and each inner blank "$".
std::string Prj_NameToWord(const std::string& name);
// A value read back as a name: each "$" a blank, blanks trimmed.
std::string Prj_WordToName(const std::string& word);
// True when both texts name the same thing once read back as names.
bool Prj_SameName(const std::string& a, const std::string& b);

// The number a value text starts with, after leading white space: one
// optional sign, then digits with an optional '.' decimal point (whatever
// the locale) and exponent, or "inf", "infinity" or "nan"; the rest of the
// text is ignored. 0 when the text does not start with a number or the
// number is out of range for a float.
float Prj_AtoF(const std::string& text);

// Prj_AtoF that tells a number it cannot hold: false (the value 0) when the
// text starts with a number beyond the range of a float ("1e39", "1e999",
// forty digits) or with an infinity or "nan". A text that is not a number
// reads as 0, as Prj_AtoF reads it.
bool Prj_ReadFloat(const std::string& text, float& value);

// The names of a record's fields, in file order (as Fields() gives them).
inline constexpr std::array<const char*, kPrjTreatmentFields> kPrjTreatmentFieldNames = {
    "TreatName",   "ThinType",     "ThinCriteria", "ThinCutEff",      "ThinSubMerc",
    "ThinTopDiam", "ThinYardLose", "ThinMinCut",   "ThinMaxCut",      "PruneHgt",
    "PruneMRCR",   "PilExiGro",    "PileSlash",    "PilePercentBurn", "BBSchHgt",
    "BB10HrMoist", "BB1kHrMoist",  "BBDuffMoist",  "BBRegion",        "BBSeason"};
inline constexpr std::array<const char*, kPrjRetPriFields> kPrjRetPriFieldNames = {
    "Name",     "Desc",       "Healthy",      "Unhealthy", "Sick",        "Dead",
    "Dominant", "Codominant", "Intermediate", "Emergent",  "Suppressed",  "OpenGrown",
    "None",     "CRspec",     "CRmax",        "Diameter",  "SpeciesGroup"};

// One row of a species group: group name, species code, DBH range
// (minimum <= DBH < maximum, inches) and retention priority (0 always
// remove, 99 always retain), as the window's grid holds them.
struct d_PrjSpeciesRow {
  std::string Group;
  std::string Species;
  std::string MinDia;
  std::string MaxDia;
  std::string Priority;
};

// A species group of the window: its name and the window's number for it.
struct d_PrjSpeciesGroup {
  std::string Name;
  int Number = 0;
};

struct d_PrjColor {
  int Red = 0, Green = 0, Blue = 0;
};

// Everything the window saves in a project file.
struct d_PrjData {
  std::string CBDThreshold;  // canopy bulk density critical threshold, kg/m3

  std::vector<d_PrjSpeciesRow> SpeciesRows;  // rows of the group "_None" are not saved
  std::vector<d_PrjSpeciesGroup> SpeciesGroups;
  std::vector<d_PrjRetPri> RetPriSets;
  std::string RetPri;  // the set selected in the window
  std::vector<d_PrjTreatment> Treatments;
  std::string Treatment;  // the treatment selected in the window

  // include switches
  bool Thin = false;
  bool Prune = false;
  bool BCB = false;
  bool Pile = false;

  // thinning
  std::string ThinType = "None";
  float ThinCriteria = 0, ThinCutEff = 0, ThinMinCut = 0, ThinMaxCut = 0;
  float ThinSubMer = 0, ThinLogTop = 0, ThinYarLos = 0;

  // pruning
  float PruneHgt = 0, PruneMRCR = 0;

  // broadcast burn: scorch height, duff depth, moss and lichen percent
  // burned, moisture scenario, moistures (percent), region and season
  float BCBScoHgt = 0, BCBDuDep = 0, BCBMosLicBur = 0;
  std::string BCBMoist;
  float BCBMoi10Hr = 0, BCBMoi1kHr = 0, BCBMoiDuf = 0;
  std::string BCBRegion, BCBSeason;

  // emissions: "Expanded" selects the expanded emissions; the factor groups
  // for flaming, duff and coarse wood
  std::string EmisType;
  std::string EmisFlame, EmisDuff, EmisCoarse;

  // piling, percent
  float PileGround = 0, PileSlash = 0, PileBurn = 0;

  // fuel model selector: model set, climate, fuel bed depth (in) and the
  // grass, shrub and 1-hour surface-area-to-volume ratios (1/ft)
  std::string FMSModel, FMSClimate;
  float FMSBedDep = 0, FMSSAVGra = 1800, FMSSAVShu = 1500, FMSSAV1Hr = 2000;

  // display options
  int DecimalPrecision = 2;
  std::string PlotFileName, PlotFileType, PlotName;
  std::string ColorScheme = "Color1";  // "Color1", "Color2" or "ColorCustom"
  d_PrjColor ColorBackground, ColorControl;
  bool FuelModelShow = false;
};

// The whole project file text for the data. Text values are written with
// Prj_NameToWord; inside a line of several values an empty text is written
// as a lone "$" so that the values after it keep their places.
std::string Prj_Text(const d_PrjData& data);

// Writes Prj_Text to the stream; 1, or 0 when the stream fails.
int Prj_Write(std::ostream& file, const d_PrjData& data);

// Writes the project file; 1, or 0 with the reason in `message`.
int Prj_WriteFile(const std::string& path, const d_PrjData& data, std::string& message);

}  // namespace sylvanor
