#include "stand/EquationReference.h"

#include <array>

#include "base/Keyword.h"
#include "stand/EqFun.h"

namespace sylvanor {

namespace {

constexpr std::string_view kBioMass = "BioMass";
constexpr std::string_view kVertDist = "VertDist";

constexpr std::array<d_EqName, 38> kNames = {{
    {"PP", kBioMass, "Ponderosa Pine"},
    {"GF", kBioMass, "Grand Fir"},
    {"DF", kBioMass, "Douglas Fir"},
    {"LP", kBioMass, "Lodgepole"},
    {"WL", kBioMass, "Western Larch"},
    {"SF", kBioMass, "Subalpine Fir"},
    {"ES", kBioMass, "Englemann Spruce"},
    {"WB", kBioMass, "Whitebark Pine"},
    {"WP", kBioMass, "Western White Pine"},
    {"WC", kBioMass, "Western Red Cedar"},
    {"WH", kBioMass, "Western Hemlock"},
    {"RA", kBioMass, "Red Alder ALRU2"},
    {"GC", kBioMass, "Giant Chinkapin Oak"},
    {"MA", kBioMass, "Pacific Madrone"},
    {"TO", kBioMass, "Tan Oak Madrone"},
    {"BM", kBioMass, "Bigleaf Maple"},
    {"JP", kBioMass, "Pinyon"},
    {"PB", kBioMass, "Paper Birch"},
    {"YB", kBioMass, "Yellow Birch"},
    {"AC", kBioMass, "Atlantic White Cedar"},
    {"BF", kBioMass, "Balsam Fir"},
    {"EH", kBioMass, "Eastern Hemlock"},
    {"RM", kBioMass, "Red Maple"},
    {"SM", kBioMass, "Sugar Maple"},
    {"QA", kBioMass, "Quaking Aspen"},
    {"RO", kBioMass, "Northern Red Oak"},
    {"EP", kBioMass, "Eastern White Pine"},
    {"LO", kBioMass, "Loblolly Pine"},
    {"PI", kBioMass, "Pitch Pine"},
    {"BS", kBioMass, "Black Spruce"},
    {"RS", kBioMass, "Red Spruce"},
    {"PP", kVertDist, "Ponderosa Pine"},
    {"DF", kVertDist, "Douglas Fir"},
    {"WF", kVertDist, "White Fir"},
    {"LP", kVertDist, "Lodgepole"},
    {"IC", kVertDist, "Incense Cedar"},
    {"PS", kVertDist, "Ponderosa Pine Southwest"},
    {"UN", kVertDist, "Uniform"},
}};

// No paper has been entered for the built-in equations yet, so the query
// never finds one; the list holds only its ending row.
constexpr std::array<d_EqRef, 1> kReferences = {{
    {"", ""},
}};

// Query item, the component it names and the kind of equation.
struct d_Item {
  std::string_view Item;
  std::string_view Component;
  std::string_view Kind;
};

constexpr std::array<d_Item, 7> kItems = {{
    {"Total", "Total", kBioMass},
    {"Foliage", "Foliage", kBioMass},
    {"Twig", "Br-Twg", kBioMass},
    {"1Inch", "Br-1in", kBioMass},
    {"3Inch", "Br-3in", kBioMass},
    {"3PlusInch", "Br-3inP", kBioMass},
    {"VertDist", "VD", kVertDist},
}};

}  // namespace

std::span<const d_EqName> ET_NameList() {
  return kNames;
}

std::span<const d_EqRef> ET_ReferenceList() {
  return kReferences;
}

const std::string_view* ET_FindReference(std::span<const d_EqRef> list, std::string_view code) {
  for (const d_EqRef& ref : list) {
    if (ref.Code.empty()) break;
    if (SameKeyword(ref.Code, code)) return &ref.Text;
  }
  return nullptr;
}

int ET_GetReference(const std::string& code, const std::string& item, std::string& name,
                    std::string& reference) {
  reference = "Bogus Request sent in !";
  name.clear();

  const d_Item* request = nullptr;
  for (const d_Item& it : kItems) {
    if (SameKeyword(it.Item, item)) {
      request = &it;
      break;
    }
  }
  if (request == nullptr) return 0;

  const d_EqName* group = nullptr;
  for (const d_EqName& row : kNames) {
    if (SameKeyword(row.Code, code) && SameKeyword(row.Kind, request->Kind)) {
      group = &row;
      break;
    }
  }
  if (group == nullptr) {
    name = "No Species Name Found For Equation Id Code ???";
    return 0;
  }
  name = group->Name;

  std::string_view refCode;
  const int row = EQ_Find(code, request->Component);
  if (row >= 0) refCode = EQ_Row(row).RefCode;

  reference = "No Research Paper Reference Found - very strange ? ? ";
  const std::string_view* text = ET_FindReference(kReferences, refCode);
  if (text == nullptr) return 0;
  reference = *text;
  return 1;
}

}  // namespace sylvanor
