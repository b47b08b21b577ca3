#include "stand/EqFun.h"

#include <array>

#include "stand/CodeTable.h"
#include "stand/EasternSpecies.h"
#include "stand/PinyonJuniper.h"
#include "stand/VertDist.h"
#include "stand/WesternConifer.h"
#include "stand/WesternHardwood.h"

namespace sylvanor {

namespace {

// Each row's function is one family equation bound to its two-letter code
// and component slot.

template <char A, char B>
inline constexpr char kCode[] = {A, B, '\0'};

template <char A, char B, int Slot>
float Conifer(d_EP& ep) {
  return BT_Weight(kCode<A, B>, Slot, ep.DBH);
}

template <char A, char B, int Slot>
float Hardwood(d_EP& ep) {
  return SL_Weight(kCode<A, B>, Slot, ep.DBH);
}

template <char A, char B, int Slot>
float PinyonJuniper(d_EP& ep) {
  return PJ_Weight(kCode<A, B>, Slot, ep.DBH);
}

template <char A, char B, int Slot>
float Eastern(d_EP& ep) {
  return East_Weight(kCode<A, B>, Slot, ep.DBH, ep.Height, ep.CrownBase);
}

// A "VD" evaluation carries the relative crown height in the Height field.
template <char A, char B>
float Vertical(d_EP& ep) {
  return VD_Fraction(std::string_view(kCode<A, B>), ep.Height);
}

// 157 rows and the empty row that ends the table. The reference codes key
// the literature reference list.
constexpr std::array<d_EqFun, 158> kTable = {{
    // western conifers
    {"PP", "Total", Conifer<'P', 'P', kTotal>, "WCON-PP"},
    {"PP", "Foliage", Conifer<'P', 'P', kFoliage>, "WCON-PP"},
    {"PP", "Br-Twg", Conifer<'P', 'P', kTwig>, "WCON-PP"},
    {"PP", "Br-1in", Conifer<'P', 'P', kBr1in>, "WCON-PP"},
    {"PP", "Br-3in", Conifer<'P', 'P', kBr3in>, "WCON-PP"},
    {"PP", "Br-3inP", Conifer<'P', 'P', kBr3inP>, "WCON-PP"},
    {"GF", "Total", Conifer<'G', 'F', kTotal>, "WCON-GF"},
    {"GF", "Foliage", Conifer<'G', 'F', kFoliage>, "WCON-GF"},
    {"GF", "Br-Twg", Conifer<'G', 'F', kTwig>, "WCON-GF"},
    {"GF", "Br-1in", Conifer<'G', 'F', kBr1in>, "WCON-GF"},
    {"GF", "Br-3in", Conifer<'G', 'F', kBr3in>, "WCON-GF"},
    {"GF", "Br-3inP", Conifer<'G', 'F', kBr3inP>, "WCON-GF"},
    {"DF", "Total", Conifer<'D', 'F', kTotal>, "WCON-DF"},
    {"DF", "Foliage", Conifer<'D', 'F', kFoliage>, "WCON-DF"},
    {"DF", "Br-Twg", Conifer<'D', 'F', kTwig>, "WCON-DF"},
    {"DF", "Br-1in", Conifer<'D', 'F', kBr1in>, "WCON-DF"},
    {"DF", "Br-3in", Conifer<'D', 'F', kBr3in>, "WCON-DF"},
    {"DF", "Br-3inP", Conifer<'D', 'F', kBr3inP>, "WCON-DF"},
    {"LP", "Total", Conifer<'L', 'P', kTotal>, "WCON-LP"},
    {"LP", "Foliage", Conifer<'L', 'P', kFoliage>, "WCON-LP"},
    {"LP", "Br-Twg", Conifer<'L', 'P', kTwig>, "WCON-LP"},
    {"LP", "Br-1in", Conifer<'L', 'P', kBr1in>, "WCON-LP"},
    {"LP", "Br-3in", Conifer<'L', 'P', kBr3in>, "WCON-LP"},
    {"LP", "Br-3inP", Conifer<'L', 'P', kBr3inP>, "WCON-LP"},
    {"WL", "Total", Conifer<'W', 'L', kTotal>, "WCON-WL"},
    {"WL", "Foliage", Conifer<'W', 'L', kFoliage>, "WCON-WL"},
    {"WL", "Br-Twg", Conifer<'W', 'L', kTwig>, "WCON-WL"},
    {"WL", "Br-1in", Conifer<'W', 'L', kBr1in>, "WCON-WL"},
    {"WL", "Br-3in", Conifer<'W', 'L', kBr3in>, "WCON-WL"},
    {"WL", "Br-3inP", Conifer<'W', 'L', kBr3inP>, "WCON-WL"},
    {"SF", "Total", Conifer<'S', 'F', kTotal>, "WCON-SF"},
    {"SF", "Foliage", Conifer<'S', 'F', kFoliage>, "WCON-SF"},
    {"SF", "Br-Twg", Conifer<'S', 'F', kTwig>, "WCON-SF"},
    {"SF", "Br-1in", Conifer<'S', 'F', kBr1in>, "WCON-SF"},
    {"SF", "Br-3in", Conifer<'S', 'F', kBr3in>, "WCON-SF"},
    {"SF", "Br-3inP", Conifer<'S', 'F', kBr3inP>, "WCON-SF"},
    {"ES", "Total", Conifer<'E', 'S', kTotal>, "WCON-ES"},
    {"ES", "Foliage", Conifer<'E', 'S', kFoliage>, "WCON-ES"},
    {"ES", "Br-Twg", Conifer<'E', 'S', kTwig>, "WCON-ES"},
    {"ES", "Br-1in", Conifer<'E', 'S', kBr1in>, "WCON-ES"},
    {"ES", "Br-3in", Conifer<'E', 'S', kBr3in>, "WCON-ES"},
    {"ES", "Br-3inP", Conifer<'E', 'S', kBr3inP>, "WCON-ES"},
    {"WB", "Total", Conifer<'W', 'B', kTotal>, "WCON-WB"},
    {"WB", "Foliage", Conifer<'W', 'B', kFoliage>, "WCON-WB"},
    {"WB", "Br-Twg", Conifer<'W', 'B', kTwig>, "WCON-WB"},
    {"WB", "Br-1in", Conifer<'W', 'B', kBr1in>, "WCON-WB"},
    {"WB", "Br-3in", Conifer<'W', 'B', kBr3in>, "WCON-WB"},
    {"WB", "Br-3inP", Conifer<'W', 'B', kBr3inP>, "WCON-WB"},
    {"WP", "Total", Conifer<'W', 'P', kTotal>, "WCON-WP"},
    {"WP", "Foliage", Conifer<'W', 'P', kFoliage>, "WCON-WP"},
    {"WP", "Br-Twg", Conifer<'W', 'P', kTwig>, "WCON-WP"},
    {"WP", "Br-1in", Conifer<'W', 'P', kBr1in>, "WCON-WP"},
    {"WP", "Br-3in", Conifer<'W', 'P', kBr3in>, "WCON-WP"},
    {"WP", "Br-3inP", Conifer<'W', 'P', kBr3inP>, "WCON-WP"},
    {"WC", "Total", Conifer<'W', 'C', kTotal>, "WCON-WC"},
    {"WC", "Foliage", Conifer<'W', 'C', kFoliage>, "WCON-WC"},
    {"WC", "Br-Twg", Conifer<'W', 'C', kTwig>, "WCON-WC"},
    {"WC", "Br-1in", Conifer<'W', 'C', kBr1in>, "WCON-WC"},
    {"WC", "Br-3in", Conifer<'W', 'C', kBr3in>, "WCON-WC"},
    {"WC", "Br-3inP", Conifer<'W', 'C', kBr3inP>, "WCON-WC"},
    {"WH", "Total", Conifer<'W', 'H', kTotal>, "WCON-WH"},
    {"WH", "Foliage", Conifer<'W', 'H', kFoliage>, "WCON-WH"},
    {"WH", "Br-Twg", Conifer<'W', 'H', kTwig>, "WCON-WH"},
    {"WH", "Br-1in", Conifer<'W', 'H', kBr1in>, "WCON-WH"},
    {"WH", "Br-3in", Conifer<'W', 'H', kBr3in>, "WCON-WH"},
    {"WH", "Br-3inP", Conifer<'W', 'H', kBr3inP>, "WCON-WH"},
    // western hardwoods
    {"RA", "Total", Hardwood<'R', 'A', kTotal>, "WHWD-RA"},
    {"RA", "Foliage", Hardwood<'R', 'A', kFoliage>, "WHWD-RA"},
    {"RA", "Br-Twg", Hardwood<'R', 'A', kTwig>, "WHWD-RA"},
    {"RA", "Br-1in", Hardwood<'R', 'A', kBr1in>, "WHWD-RA"},
    {"RA", "Br-3in", Hardwood<'R', 'A', kBr3in>, "WHWD-RA"},
    {"RA", "Br-3inP", Hardwood<'R', 'A', kBr3inP>, "WHWD-RA"},
    {"GC", "Total", Hardwood<'G', 'C', kTotal>, "WHWD-GC"},
    {"GC", "Foliage", Hardwood<'G', 'C', kFoliage>, "WHWD-GC"},
    {"GC", "Br-Twg", Hardwood<'G', 'C', kTwig>, "WHWD-GC"},
    {"GC", "Br-1in", Hardwood<'G', 'C', kBr1in>, "WHWD-GC"},
    {"GC", "Br-3in", Hardwood<'G', 'C', kBr3in>, "WHWD-GC"},
    {"GC", "Br-3inP", Hardwood<'G', 'C', kBr3inP>, "WHWD-GC"},
    {"MA", "Total", Hardwood<'M', 'A', kTotal>, "WHWD-MA"},
    {"MA", "Foliage", Hardwood<'M', 'A', kFoliage>, "WHWD-MA"},
    {"MA", "Br-Twg", Hardwood<'M', 'A', kTwig>, "WHWD-MA"},
    {"MA", "Br-1in", Hardwood<'M', 'A', kBr1in>, "WHWD-MA"},
    {"MA", "Br-3in", Hardwood<'M', 'A', kBr3in>, "WHWD-MA"},
    {"MA", "Br-3inP", Hardwood<'M', 'A', kBr3inP>, "WHWD-MA"},
    {"TO", "Total", Hardwood<'T', 'O', kTotal>, "WHWD-TO"},
    {"TO", "Foliage", Hardwood<'T', 'O', kFoliage>, "WHWD-TO"},
    {"TO", "Br-Twg", Hardwood<'T', 'O', kTwig>, "WHWD-TO"},
    {"TO", "Br-1in", Hardwood<'T', 'O', kBr1in>, "WHWD-TO"},
    {"TO", "Br-3in", Hardwood<'T', 'O', kBr3in>, "WHWD-TO"},
    {"TO", "Br-3inP", Hardwood<'T', 'O', kBr3inP>, "WHWD-TO"},
    {"BM", "Total", Hardwood<'B', 'M', kTotal>, "WHWD-BM"},
    {"BM", "Foliage", Hardwood<'B', 'M', kFoliage>, "WHWD-BM"},
    {"BM", "Br-Twg", Hardwood<'B', 'M', kTwig>, "WHWD-BM"},
    {"BM", "Br-1in", Hardwood<'B', 'M', kBr1in>, "WHWD-BM"},
    {"BM", "Br-3in", Hardwood<'B', 'M', kBr3in>, "WHWD-BM"},
    {"BM", "Br-3inP", Hardwood<'B', 'M', kBr3inP>, "WHWD-BM"},
    // pinyon and juniper
    {"PY", "Total", PinyonJuniper<'P', 'Y', kTotal>, "PNJU-PY"},
    {"PY", "Foliage", PinyonJuniper<'P', 'Y', kFoliage>, "PNJU-PY"},
    {"PY", "Br-Twg", PinyonJuniper<'P', 'Y', kTwig>, "PNJU-PY"},
    {"PY", "Br-1in", PinyonJuniper<'P', 'Y', kBr1in>, "PNJU-PY"},
    {"PY", "Br-3in", PinyonJuniper<'P', 'Y', kBr3in>, "PNJU-PY"},
    {"PY", "Br-3inP", PinyonJuniper<'P', 'Y', kBr3inP>, "PNJU-PY"},
    {"JP", "Total", PinyonJuniper<'J', 'P', kTotal>, "PNJU-JP"},
    {"JP", "Foliage", PinyonJuniper<'J', 'P', kFoliage>, "PNJU-JP"},
    {"JP", "Br-Twg", PinyonJuniper<'J', 'P', kTwig>, "PNJU-JP"},
    {"JP", "Br-1in", PinyonJuniper<'J', 'P', kBr1in>, "PNJU-JP"},
    {"JP", "Br-3in", PinyonJuniper<'J', 'P', kBr3in>, "PNJU-JP"},
    {"JP", "Br-3inP", PinyonJuniper<'J', 'P', kBr3inP>, "PNJU-JP"},
    // eastern species: crown, foliage and twigs only
    {"PB", "Total", Eastern<'P', 'B', kTotal>, "EAST-PB"},
    {"PB", "Foliage", Eastern<'P', 'B', kFoliage>, "EAST-PB"},
    {"PB", "Br-Twg", Eastern<'P', 'B', kTwig>, "EAST-PB"},
    {"YB", "Total", Eastern<'Y', 'B', kTotal>, "EAST-YB"},
    {"YB", "Foliage", Eastern<'Y', 'B', kFoliage>, "EAST-YB"},
    {"YB", "Br-Twg", Eastern<'Y', 'B', kTwig>, "EAST-YB"},
    {"AC", "Total", Eastern<'A', 'C', kTotal>, "EAST-AC"},
    {"AC", "Foliage", Eastern<'A', 'C', kFoliage>, "EAST-AC"},
    {"AC", "Br-Twg", Eastern<'A', 'C', kTwig>, "EAST-AC"},
    {"BF", "Total", Eastern<'B', 'F', kTotal>, "EAST-BF"},
    {"BF", "Foliage", Eastern<'B', 'F', kFoliage>, "EAST-BF"},
    {"BF", "Br-Twg", Eastern<'B', 'F', kTwig>, "EAST-BF"},
    {"EH", "Total", Eastern<'E', 'H', kTotal>, "EAST-EH"},
    {"EH", "Foliage", Eastern<'E', 'H', kFoliage>, "EAST-EH"},
    {"EH", "Br-Twg", Eastern<'E', 'H', kTwig>, "EAST-EH"},
    {"RM", "Total", Eastern<'R', 'M', kTotal>, "EAST-RM"},
    {"RM", "Foliage", Eastern<'R', 'M', kFoliage>, "EAST-RM"},
    {"RM", "Br-Twg", Eastern<'R', 'M', kTwig>, "EAST-RM"},
    {"SM", "Total", Eastern<'S', 'M', kTotal>, "EAST-SM"},
    {"SM", "Foliage", Eastern<'S', 'M', kFoliage>, "EAST-SM"},
    {"SM", "Br-Twg", Eastern<'S', 'M', kTwig>, "EAST-SM"},
    {"QA", "Total", Eastern<'Q', 'A', kTotal>, "EAST-QA"},
    {"QA", "Foliage", Eastern<'Q', 'A', kFoliage>, "EAST-QA"},
    {"QA", "Br-Twg", Eastern<'Q', 'A', kTwig>, "EAST-QA"},
    {"RO", "Total", Eastern<'R', 'O', kTotal>, "EAST-RO"},
    {"RO", "Foliage", Eastern<'R', 'O', kFoliage>, "EAST-RO"},
    {"RO", "Br-Twg", Eastern<'R', 'O', kTwig>, "EAST-RO"},
    {"EP", "Total", Eastern<'E', 'P', kTotal>, "EAST-EP"},
    {"EP", "Foliage", Eastern<'E', 'P', kFoliage>, "EAST-EP"},
    {"EP", "Br-Twg", Eastern<'E', 'P', kTwig>, "EAST-EP"},
    {"LO", "Total", Eastern<'L', 'O', kTotal>, "EAST-LO"},
    {"LO", "Foliage", Eastern<'L', 'O', kFoliage>, "EAST-LO"},
    {"LO", "Br-Twg", Eastern<'L', 'O', kTwig>, "EAST-LO"},
    {"PI", "Total", Eastern<'P', 'I', kTotal>, "EAST-PI"},
    {"PI", "Foliage", Eastern<'P', 'I', kFoliage>, "EAST-PI"},
    {"PI", "Br-Twg", Eastern<'P', 'I', kTwig>, "EAST-PI"},
    {"BS", "Total", Eastern<'B', 'S', kTotal>, "EAST-BS"},
    {"BS", "Foliage", Eastern<'B', 'S', kFoliage>, "EAST-BS"},
    {"BS", "Br-Twg", Eastern<'B', 'S', kTwig>, "EAST-BS"},
    {"RS", "Total", Eastern<'R', 'S', kTotal>, "EAST-RS"},
    {"RS", "Foliage", Eastern<'R', 'S', kFoliage>, "EAST-RS"},
    {"RS", "Br-Twg", Eastern<'R', 'S', kTwig>, "EAST-RS"},
    // crown vertical distribution
    {"PP", "VD", Vertical<'P', 'P'>, "VDIS-PP"},
    {"DF", "VD", Vertical<'D', 'F'>, "VDIS-DF"},
    {"WF", "VD", Vertical<'W', 'F'>, "VDIS-WF"},
    {"LP", "VD", Vertical<'L', 'P'>, "VDIS-LP"},
    {"IC", "VD", Vertical<'I', 'C'>, "VDIS-IC"},
    {"PS", "VD", Vertical<'P', 'S'>, "VDIS-PS"},
    {"UN", "VD", Vertical<'U', 'N'>, "VDIS-UN"},
    {"", "", nullptr, ""},
}};

}  // namespace

int EQ_Find(std::string_view code, std::string_view component) {
  return FindCodeRow(kTable, code, component);
}

const d_EqFun& EQ_Row(int row) {
  // anything but a row the lookup gave lands on the ending row
  return CodeRowOrEnd(kTable, row);
}

}  // namespace sylvanor
