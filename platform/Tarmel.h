#pragma once
// The volume library of the program. Its three operations keep the names the
// program calls them by: TARMELVER, TARMELEQ and TARMELVOLUME. Volumes come
// from our own stem model (platform/StemTaper.h); the model family of an
// equation identifier is checked but every family uses the same model with
// the coefficients of the identifier's species number.

#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace sylvanor {

// Error numbers of TARMELVOLUME. 2, 7, 8 and 9 belong to inputs this model
// does not take (form class, product log heights, upper stem measurements)
// and are never given.
inline constexpr int kTarmelOk = 0;
inline constexpr int kTarmelBadEquation = 1;   // malformed identifier or unknown family
inline constexpr int kTarmelBadDbhHeight = 3;  // DBH under 1 in, or height not above 0
inline constexpr int kTarmelShortTree = 4;     // height 4.5 ft or less
inline constexpr int kTarmelD2H = 5;           // DBH^2 * height out of bounds
inline constexpr int kTarmelNoSpecies = 6;     // no coefficients for the species number

// Upper bound of DBH^2 (in^2) * height (ft): 300 in x 300 in x 1000 ft. It
// admits every tree up to 300 in DBH and 1000 ft tall and refuses absurd
// input before it can reach the model.
inline constexpr double kTarmelMaxD2H = 9.0e7;

// The volume array and the entries the model fills; the others stay 0.
inline constexpr std::size_t kTarmelVolumes = 15;
inline constexpr std::size_t kVolTotalCuFt = 0;  // total cubic feet, ground to tip
inline constexpr std::size_t kVolBoardFt = 1;    // Scribner board feet
inline constexpr std::size_t kVolMerchCuFt = 3;  // merchantable cubic feet, stump to top

// Inputs TARMELVOLUME accepts for the program's call and does not read.
struct d_TarmelFixed {
  int Region = 0;
  int FormClass = 0;  // Girard form class
  std::array<int, 6> VolumeFlags{};
  int OtherFlag = 0;
};

struct d_TarmelResult {
  std::array<float, kTarmelVolumes> Vol{};  // all 0 on an error
  int Error = kTarmelOk;
  std::string EqId;  // the identifier settled on, upper-cased
};

// Every equation identifier is this long.
inline constexpr std::size_t kTarmelEqIdLength = 10;

// The default identifier of each plant symbol TARMELEQ knows, shared by
// every forest.
inline constexpr std::array<std::pair<std::string_view, std::string_view>, 16> kTarmelDefaultEq = {{
    {"ALRU", "A00CURW260"},    // red alder
    {"PSME", "I00FW2W202"},    // Douglas-fir
    {"PIPO", "I00FW2W122"},    // ponderosa pine
    {"ABCO", "200FW2W015"},    // white fir
    {"ABGR", "I00FW2W017"},    // grand fir
    {"ABLA", "I00FW2W019"},    // subalpine fir
    {"LAOC", "I00FW2W073"},    // western larch
    {"PICO", "I00FW2W108"},    // lodgepole pine
    {"PIEN", "I00FW2W093"},    // Engelmann spruce
    {"PILA", "400MATW117"},    // sugar pine
    {"CADE27", "400MATW081"},  // incense cedar
    {"THPL", "I00FW2W242"},    // western redcedar
    {"TSHE", "I00FW2W260"},    // western hemlock
    {"ARME", "B00BEHW361"},    // Pacific madrone
    {"POTR5", "200DVEW746"},   // quaking aspen
    {"JUOC", "101DVEW999"},    // western juniper
}};

// Version number of the library, as yyyymmdd.
int TARMELVER();

// Default equation identifier for a species given as a plant symbol
// ("PSME"; compared without case). Defaults are kept per forest: an empty
// forest has none and gives "". Every non-empty forest shares one table, and
// a symbol not in it gives "". The region and district are not read.
std::string TARMELEQ(int region, const std::string& forest, const std::string& district,
                     const std::string& species);

// Volumes of one tree by an equation identifier (compared without case) of
// exactly 10 characters: a three-character variant of letters or digits
// ("I00", "400"), a model family (FW2, CUR, DVE, MAT, WO2 or BEH), a letter
// and a three-digit species number, e.g. "I00FW2W202". The DBH is outside
// bark in inches, the height total height in feet, the top the merchantable
// top diameter inside bark in inches (0 or less, or not a number: the tip).
// Checks, in order: the identifier (error 1, then 6 for a species number
// without coefficients), the DBH and height (3), the height above breast
// height (4), DBH^2 * height (5). No volume is ever NaN or infinite.
d_TarmelResult TARMELVOLUME(const std::string& eqId, float dbh, float height, float topDia,
                            const d_TarmelFixed& fixed);

}  // namespace sylvanor
