#pragma once
// The built-in species table: 55 western and eastern North American tree
// species, used when the user has no species file of their own. Every row
// uses one equation code for its three crown components (total, foliage,
// twigs) and one for its three branch components.

#include <array>
#include <string_view>

#include "stand/EquationTable.h"

namespace sylvanor {

struct d_BuiltInSpecies {
  int Num;
  std::string_view Species;
  std::string_view CommonName;
  std::string_view HarCon;
  std::string_view Include;
  std::string_view Crown;   // Total, Foliage and Twig code
  std::string_view Branch;  // 1Inch, 3Inch and 3InchPlus code
  std::string_view VertDist;
  std::string_view CrownClass;
  std::string_view Canopy;
  std::string_view Bole;
  std::string_view Mortality;
};

// clang-format off
inline constexpr std::array<d_BuiltInSpecies, 55> kBuiltInSpecies = {{
    {1, "ALRU2", "Red Alder", "H", "No", "RA", "RA", "UN", "DF", "22", "A00CURW260", "ALRU2"},
    {2, "ALRH2", "White Alder", "H", "No", "RA", "RA", "UN", "DF", "23", "A00CURW260", "ALRH2"},
    {3, "CHNO", "Alaska Cedar", "C", "Yes", "WC", "WC", "IC", "IC", "09", "A00FW2W042", "CHNO"},
    {4, "CADE27", "Incense Cedar", "C", "Yes", "WC", "WC", "IC", "IC", "18", "400MATW081", "LIDE"},
    {5, "THPL", "Western Red Cedar", "C", "Yes", "WC", "WC", "IC", "WC", "18", "I00FW2W242", "THPL"},
    {6, "PSME", "Douglas Fir", "C", "Yes", "DF", "DF", "DF", "DF", "16", "I00FW2W202", "PSME"},
    {7, "ABGR", "Grand Fir", "C", "Yes", "GF", "GF", "DF", "WF", "03", "I00FW2W017", "ABGR"},
    {8, "ABPR", "Noble Fir", "C", "Yes", "GF", "GF", "DF", "WF", "07", "I00FW2W017", "ABPR"},
    {9, "ABAM", "Pacific Silver Fir", "C", "Yes", "GF", "GF", "DF", "WF", "01", "I00FW2W073", "ABAM"},
    {10, "ABLA", "Subalpine Fir", "C", "Yes", "SF", "SF", "DF", "WF", "04", "I00FW2W019", "ABLA"},
    {11, "ABCO", "White Fir", "C", "Yes", "GF", "GF", "DF", "WF", "02", "200FW2W015", "ABCO"},
    {12, "TSME", "Mountain Hemlock", "C", "Yes", "WH", "WH", "DF", "DF", "20", "I00FW2W260", "TSME"},
    {13, "TSHE", "Western Hemlock", "C", "Yes", "WH", "WH", "DF", "DF", "19", "I00FW2W260", "TSHE"},
    {14, "JUSC2", "Rocky Mountain Juniper", "C", "Yes", "JP", "JP", "DF", "PJ", "29", "101DVEW999", "JUOC"},
    {15, "JUOS", "Utah Juniper", "C", "Yes", "JP", "JP", "DF", "PJ", "29", "101DVEW999", "JUOC"},
    {16, "LALY", "Subalpine Larch", "C", "Yes", "WL", "WL", "DF", "WF", "30", "I00FW2W073", "LALY"},
    {17, "LAOC", "Western Larch", "C", "Yes", "WL", "WL", "PP", "PP", "14", "I00FW2W073", "LAOC"},
    {18, "ARME", "Madrone", "H", "No", "MA", "MA", "UN", "DF", "39", "B00BEHW361", "ARME"},
    {19, "ACMA3", "Bigleaf Maple", "H", "No", "BM", "BM", "UN", "WF", "21", "B00BEHW312", "ACMA3"},
    {20, "ACGL", "Mountain Maple", "H", "No", "BM", "BM", "UN", "WF", "21", "200DVEW746", "ACSP2"},
    {21, "LIDE3", "Tanoak", "H", "No", "TO", "TO", "UN", "DF", "39", "B00BEHW631", "LIDEE"},
    {22, "PIAR", "Bristlecone Pine", "C", "Yes", "LP", "LP", "LP", "LP", "11", "101DVEW999", "PIJE"},
    {23, "PIJE", "Jeffrey Pine", "C", "Yes", "PP", "PP", "PP", "PP", "12", "500WO2W116", "PIJE"},
    {24, "PIFL2", "Limber Pine", "C", "Yes", "WB", "WB", "LP", "LP", "31", "I00FW2W073", "PIFL2"},
    {25, "PICO", "Lodgepole Pine", "C", "Yes", "LP", "LP", "LP", "LP", "11", "I00FW2W108", "PICO"},
    {26, "PIPO", "Ponderosa Pine", "C", "Yes", "PP", "PP", "PP", "PP", "15", "I00FW2W122", "PIPO"},
    {27, "PIAR5", "Ponderosa Pine SW", "C", "Yes", "PP", "PP", "PS", "PS", "15", "I00FW2W122", "PIPO"},
    {28, "PILA", "Sugar Pine", "C", "Yes", "PP", "PP", "PP", "PP", "13", "400MATW117", "PILA"},
    {29, "PIMO3", "Western White Pine", "C", "Yes", "WP", "WP", "LP", "LP", "14", "I00FW2W119", "PIMO3"},
    {30, "PIAL", "Whitebark Pine", "C", "Yes", "WB", "WB", "LP", "LP", "31", "I00FW2W012", "PIAL"},
    {31, "PIED", "Colorado Pinyon", "C", "Yes", "PY", "PY", "DF", "PJ", "29", "101DVEW999", "JUOC"},
    {32, "SEQUO", "Coast Redwood", "C", "Yes", "WC", "WC", "DF", "DF", "17", "500WO2W211", "SESE3"},
    {33, "SEGI2", "Giant Sequoia", "C", "Yes", "WC", "WC", "DF", "DF", "17", "500DVEW212", "SEGI2"},
    {34, "PIPU", "Blue Spruce", "C", "Yes", "ES", "ES", "DF", "DF", "10", "407FW2W093", "PIPU"},
    {35, "PIBR", "Brewer Spruce", "C", "Yes", "ES", "ES", "DF", "DF", "10", "I00FW2W093", "PIPU"},
    {36, "PIEN", "Engelmann Spruce", "C", "Yes", "ES", "ES", "DF", "WF", "10", "I00FW2W093", "PIEN"},
    {37, "PISI", "Sitka Spruce", "C", "Yes", "ES", "ES", "DF", "DF", "10", "407FW2W093", "PISI"},
    {38, "PIGL", "White Spruce", "C", "Yes", "ES", "ES", "DF", "DF", "10", "I00FW2W093", "PIGL"},
    {39, "TABR2", "Pacific Yew", "C", "Yes", "WC", "WC", "DF", "WF", "33", "616BEHW231", "TABR2"},
    {40, "POTR5", "Quaking Aspen", "H", "No", "QA", "BM", "UN", "WF", "26", "200DVEW746", "POTR5"},
    {41, "BEPA", "Paper Birch", "H", "No", "PB", "RA", "UN", "DF", "24", "200DVEW746", "BEPA"},
    {42, "BEAL2", "Yellow Birch", "H", "No", "YB", "RA", "UN", "DF", "24", "200DVEW746", "BEAL2"},
    {43, "CHTH2", "Atlantic White Cedar", "C", "Yes", "AC", "WC", "IC", "IC", "09", "400MATW081", "CHTH2"},
    {44, "ABBA", "Balsam Fir", "C", "Yes", "BF", "GF", "DF", "WF", "02", "I00FW2W012", "ABBA"},
    {45, "TSCA", "Eastern Hemlock", "C", "Yes", "EH", "WH", "DF", "DF", "19", "I00FW2W260", "TSCA"},
    {46, "ACRU", "Red Maple", "H", "No", "RM", "BM", "UN", "WF", "21", "200DVEW746", "ACRU"},
    {47, "ACSA3", "Sugar Maple", "H", "No", "SM", "BM", "UN", "WF", "21", "200DVEW746", "ACSA3"},
    {48, "QUKE", "Calif Black Oak", "H", "No", "TO", "TO", "UN", "DF", "39", "B00BEHW631", "QUKE"},
    {49, "QUMU", "Giant Chinkapin Oak", "H", "No", "GC", "GC", "UN", "DF", "28", "B00BEHW631", "CACHM"},
    {50, "QURU", "Northern Red Oak", "H", "No", "RO", "GC", "UN", "DF", "28", "B00BEHW631", "QURU"},
    {51, "PIST", "Eastern White Pine", "C", "Yes", "EP", "DF", "DF", "DF", "14", "I00FW2W119", "PIST"},
    {52, "PITA", "Loblolly Pine", "C", "Yes", "LO", "DF", "DF", "PP", "15", "I00FW2W119", "PITA"},
    {53, "PIRI", "Pitch Pine", "C", "Yes", "PI", "PP", "PP", "PP", "11", "I00FW2W119", "PIRI"},
    {54, "PIMA", "Black Spruce", "C", "Yes", "BS", "DF", "DF", "DF", "10", "I00FW2W093", "PIMA"},
    {55, "PIRU", "Red Spruce", "C", "Yes", "RS", "DF", "DF", "DF", "10", "407FW2W093", "PIRU"},
}};
// clang-format on

// The species record of a built-in row.
d_ET ET_BuiltInRecord(const d_BuiltInSpecies& row);

}  // namespace sylvanor
