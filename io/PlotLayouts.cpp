#include "io/PlotLayouts.h"

#include <algorithm>
#include <filesystem>
#include <span>

#include "base/CFormat.h"
#include "base/ColumnReader.h"
#include "base/Keyword.h"

namespace sylvanor {

namespace {

using VP = d_VXDPlotRow;
using VT = d_VXDTreeRow;
using PP = d_PDQPlotRow;
using PT = d_PDQTreeRow;
using KP = d_KVTPlotRow;
using KT = d_KVTTreeRow;

// Points each column of the table at its field of `row` and reads one row.
template <class Row, std::size_t N>
int ReadWith(const std::array<d_Column<Row>, N>& columns, std::istream& file, Row& row,
             std::string& message) {
  std::array<d_CDF, N> table{};
  for (std::size_t i = 0; i < N; ++i) {
    const d_Column<Row>& column = columns[i];
    table[i].name = column.name;
    table[i].type = column.type;
    table[i].width = column.width;
    std::visit([&](auto field) { table[i].target = &(row.*field); }, column.field);
  }
  return CDF_Get(std::span<const d_CDF>(table), file, message);
}

char UpperChar(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
char LowerChar(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
std::string WithCase(std::string text, char (*change)(char)) {
  std::transform(text.begin(), text.end(), text.begin(), change);
  return text;
}

}  // namespace

// clang-format off
const std::array<d_Column<VP>, 22> kVXDPlotColumns{{
    {"Plot", 's', 300, &VP::Plot},
    {"Duff", 'f', 0, &VP::Duff},
    {"DuffDept", 'f', 0, &VP::DuffDept},
    {"Grass", 'f', 0, &VP::Grass},
    {"Lichen", 'f', 0, &VP::Lichen},
    {"Moss", 'f', 0, &VP::Moss},
    {"Shrub", 'f', 0, &VP::Shrub},
    {"Litter", 'f', 0, &VP::Litter},
    {"1Hr", 'f', 0, &VP::Hr1},
    {"10Hr", 'f', 0, &VP::Hr10},
    {"100Hr", 'f', 0, &VP::Hr100},
    {"SC1Snd", 'f', 0, &VP::SC1Snd},
    {"SC2Snd", 'f', 0, &VP::SC2Snd},
    {"SC3Snd", 'f', 0, &VP::SC3Snd},
    {"SC4Snd", 'f', 0, &VP::SC4Snd},
    {"SC5Snd", 'f', 0, &VP::SC5Snd},
    {"SC1Rot", 'f', 0, &VP::SC1Rot},
    {"SC2Rot", 'f', 0, &VP::SC2Rot},
    {"SC3Rot", 'f', 0, &VP::SC3Rot},
    {"SC4Rot", 'f', 0, &VP::SC4Rot},
    {"SC5Rot", 'f', 0, &VP::SC5Rot},
    {"Pile", 'f', 0, &VP::Pile},
}};

const std::array<d_Column<VT>, 9> kVXDTreeColumns{{
    {"Plot", 's', 300, &VT::Plot},
    {"Num", 'f', 0, &VT::Num},
    {"Species", 's', 50, &VT::Species},
    {"DBH", 'f', 0, &VT::DBH},
    {"Hgt", 'f', 0, &VT::Hgt},
    {"HgtCrn", 'f', 0, &VT::HgtCrn},
    {"CC", 's', 50, &VT::CC},
    {"TS", 's', 50, &VT::TS},
    {"TPA", 'f', 0, &VT::TPA},
}};

const std::array<d_Column<PP>, 49> kPDQPlotColumns{{
    {"cr_Plot ", 's', 300, &PP::Plot},
    {"cr_MonSta ", 's', 90, &PP::MonSta},
    {"cr_MonOrd ", 's', 90, &PP::MonOrd},
    {"f_Duff ", 'f', 0, &PP::Duff},
    {"f_DuffDepth ", 'f', 0, &PP::DuffDepth},
    {"f_Litter ", 'f', 0, &PP::Litter},
    {"f_Lichen ", 'f', 0, &PP::Lichen},
    {"f_MossLive ", 'f', 0, &PP::MossLive},
    {"f_MossDead ", 'f', 0, &PP::MossDead},
    {"f_1Hr ", 'f', 0, &PP::Hr1},
    {"f_10Hr ", 'f', 0, &PP::Hr10},
    {"f_100Hr ", 'f', 0, &PP::Hr100},
    {"f_Dc1Sz1 ", 'f', 0, &PP::Dc1Sz1},
    {"f_Dc1Sz2 ", 'f', 0, &PP::Dc1Sz2},
    {"f_Dc1Sz3 ", 'f', 0, &PP::Dc1Sz3},
    {"f_Dc1Sz4 ", 'f', 0, &PP::Dc1Sz4},
    {"f_Dc1Sz5 ", 'f', 0, &PP::Dc1Sz5},
    {"f_Dc2Sz1 ", 'f', 0, &PP::Dc2Sz1},
    {"f_Dc2Sz2 ", 'f', 0, &PP::Dc2Sz2},
    {"f_Dc2Sz3 ", 'f', 0, &PP::Dc2Sz3},
    {"f_Dc2Sz4 ", 'f', 0, &PP::Dc2Sz4},
    {"f_Dc2Sz5 ", 'f', 0, &PP::Dc2Sz5},
    {"f_Dc3Sz1 ", 'f', 0, &PP::Dc3Sz1},
    {"f_Dc3Sz2 ", 'f', 0, &PP::Dc3Sz2},
    {"f_Dc3Sz3 ", 'f', 0, &PP::Dc3Sz3},
    {"f_Dc3Sz4 ", 'f', 0, &PP::Dc3Sz4},
    {"f_Dc3Sz5 ", 'f', 0, &PP::Dc3Sz5},
    {"f_Dc4Sz1 ", 'f', 0, &PP::Dc4Sz1},
    {"f_Dc4Sz2 ", 'f', 0, &PP::Dc4Sz2},
    {"f_Dc4Sz3 ", 'f', 0, &PP::Dc4Sz3},
    {"f_Dc4Sz4 ", 'f', 0, &PP::Dc4Sz4},
    {"f_Dc4Sz5 ", 'f', 0, &PP::Dc4Sz5},
    {"f_Dc5Sz1 ", 'f', 0, &PP::Dc5Sz1},
    {"f_Dc5Sz2 ", 'f', 0, &PP::Dc5Sz2},
    {"f_Dc5Sz3 ", 'f', 0, &PP::Dc5Sz3},
    {"f_Dc5Sz4 ", 'f', 0, &PP::Dc5Sz4},
    {"f_Dc5Sz5 ", 'f', 0, &PP::Dc5Sz5},
    {"f_GrassDead ", 'f', 0, &PP::GrassDead},
    {"f_GrassLive ", 'f', 0, &PP::GrassLive},
    {"f_ShrubLive ", 'f', 0, &PP::ShrubLive},
    {"f_ShrubDead ", 'f', 0, &PP::ShrubDead},
    {"f_SAVShrub ", 'f', 0, &PP::SAVShrub},
    {"f_SAVGrass ", 'f', 0, &PP::SAVGrass},
    {"f_SAVOneHr ", 'f', 0, &PP::SAVOneHr},
    {"FracGrnCov ", 'f', 0, &PP::FracGrnCov},
    {"f_PileLoad ", 'f', 0, &PP::PileLoad},
    {"cr_EmiFla ", 's', 100, &PP::EmiFla},
    {"cr_EmiDuf ", 's', 100, &PP::EmiDuf},
    {"cr_EmiCoa ", 's', 100, &PP::EmiCoa},
}};

const std::array<d_Column<PT>, 20> kPDQTreeColumns{{
    {"cr_Plot ", 's', 300, &PT::Plot},
    {"cr_MonSta ", 's', 90, &PT::MonSta},
    {"cr_MonOrd ", 's', 90, &PT::MonOrd},
    {"cr_Spe ", 's', 50, &PT::Spe},
    {"f_TPA ", 'f', 0, &PT::TPA},
    {"f_DBH ", 'f', 0, &PT::DBH},
    {"f_Hgt ", 'f', 0, &PT::Hgt},
    {"f_CrnHgt ", 'f', 0, &PT::CrnHgt},
    {"cr_Status ", 's', 50, &PT::Status},
    {"cr_CrnCls ", 's', 50, &PT::CrnCls},
    {"i_CrnRat ", 'i', 0, &PT::CrnRat},
    {"f_BolCha ", 'f', 0, &PT::BolCha},
    {"f_CrnScoPer ", 'f', 0, &PT::CrnScoPer},
    {"f_CrnScoHgt ", 'f', 0, &PT::CrnScoHgt},
    {"f_CKF ", 'f', 0, &PT::CKF},
    {"cr_BeeDam ", 's', 50, &PT::BeeDam},
    {"cr_EquTyp ", 's', 50, &PT::EquTyp},
    {"f_FlaSco ", 'f', 0, &PT::FlaSco},
    {"cr_FS ", 's', 20, &PT::FS},
    {"cr_FirSev ", 's', 20, &PT::FirSev},
}};

const std::array<d_Column<KP>, 13> kKVTPlotColumns{{
    {"ID", 's', 50, &KP::ID},
    {"CaseID", 's', 50, &KP::CaseID},
    {"StandID", 's', 100, &KP::StandID},
    {"Year", 's', 50, &KP::Year},
    {"Litter", 'f', 0, &KP::Litter},
    {"Duff", 'f', 0, &KP::Duff},
    {"Lt3", 'f', 0, &KP::Lt3},
    {"Ge3", 'f', 0, &KP::Ge3},
    {"3To6", 'f', 0, &KP::In3To6},
    {"6To12", 'f', 0, &KP::In6To12},
    {"Ge12", 'f', 0, &KP::Ge12},
    {"Herb", 'f', 0, &KP::Herb},
    {"Shrub", 'f', 0, &KP::Shrub},
}};

const std::array<d_Column<KT>, 18> kKVTTreeColumns{{
    {"ID", 's', 50, &KT::ID},
    {"CaseID", 's', 50, &KT::CaseID},
    {"StandID", 's', 100, &KT::StandID},
    {"Year", 's', 50, &KT::Year},
    {"PrdLen", 'f', 0, &KT::PrdLen},
    {"TreeId", 'f', 0, &KT::TreeId},
    {"TreeIx", 'f', 0, &KT::TreeIx},
    {"Species", 's', 50, &KT::Species},
    {"TreeVal", 'f', 0, &KT::TreeVal},
    {"SSCD", 'f', 0, &KT::SSCD},
    {"PtIndex", 'f', 0, &KT::PtIndex},
    {"TPA", 'f', 0, &KT::TPA},
    {"MortPA", 'f', 0, &KT::MortPA},
    {"DBH", 'f', 0, &KT::DBH},
    {"DG", 'f', 0, &KT::DG},
    {"Ht", 'f', 0, &KT::Ht},
    {"HtG", 'f', 0, &KT::HtG},
    {"PctCr", 'f', 0, &KT::PctCr},
}};
// clang-format on

int ReadRow(std::istream& file, d_VXDPlotRow& row, std::string& message) {
  return ReadWith(kVXDPlotColumns, file, row, message);
}
int ReadRow(std::istream& file, d_VXDTreeRow& row, std::string& message) {
  return ReadWith(kVXDTreeColumns, file, row, message);
}
int ReadRow(std::istream& file, d_PDQPlotRow& row, std::string& message) {
  return ReadWith(kPDQPlotColumns, file, row, message);
}
int ReadRow(std::istream& file, d_PDQTreeRow& row, std::string& message) {
  return ReadWith(kPDQTreeColumns, file, row, message);
}
int ReadRow(std::istream& file, d_KVTPlotRow& row, std::string& message) {
  return ReadWith(kKVTPlotColumns, file, row, message);
}
int ReadRow(std::istream& file, d_KVTTreeRow& row, std::string& message) {
  return ReadWith(kKVTTreeColumns, file, row, message);
}

std::string PlotFileLayout(const std::string& fileName) {
  const std::string name = WithCase(fileName, UpperChar);
  for (const char* layout : {"VXD", "PDQ", "KVT"}) {
    if (name.find(std::string(".") + layout) != std::string::npos) return layout;
  }
  return "";
}

std::string TreeFileName(const std::string& plotFile) {
  return std::filesystem::path(plotFile).replace_extension(".tre").string();
}

std::string TreeFileMissingMessage(const std::string& treeFile) {
  return CFormat("Error opening input tree plot file\n %s\n", treeFile) +
         "Input fuels file must have a corresponding tree file\n" +
         "with the same base name as the input fuel load file";
}

d_PlotFileDialog PlotFileDialog(const std::string& layout) {
  d_PlotFileDialog dialog{"Select Plot Input", ""};
  std::string extension = "txt";
  for (const char* known : {"VXD", "PDQ", "KVT"}) {
    if (SameKeyword(layout, known)) {
      dialog.title = CFormat("Select %s Plot Input", known);
      extension = WithCase(known, LowerChar);
    }
  }
  dialog.filter =
      CFormat("Input Fuel Load Files (*.%s)|*.%s|All files (*.*)|*.*", extension, extension);
  return dialog;
}

std::string PlotKey(const d_VXDPlotRow& row) {
  return row.Plot;
}
std::string PlotKey(const d_VXDTreeRow& row) {
  return row.Plot;
}
std::string PlotKey(const d_PDQPlotRow& row) {
  return row.Plot + std::string(kPDQKeyJoin) + row.MonSta;
}
std::string PlotKey(const d_PDQTreeRow& row) {
  return row.Plot + std::string(kPDQKeyJoin) + row.MonSta;
}
std::string PlotKey(const d_KVTPlotRow& row) {
  return CFormat("%s-%s-%s", row.StandID, row.Year, row.CaseID);
}
std::string PlotKey(const d_KVTTreeRow& row) {
  return CFormat("%s-%s-%s", row.StandID, row.Year, row.CaseID);
}

}  // namespace sylvanor
