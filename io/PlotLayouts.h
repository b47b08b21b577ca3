#pragma once
// The three comma-separated plot file layouts: the program's own ("VXD"), the
// plot-database layout ("PDQ") and the growth-simulator export ("KVT").
//
// A plot comes as a pair of files: a plot (fuel load) file with one row per
// plot and a tree file, named like the plot file with the extension "tre",
// with one row per tree record. Each of the six files has a column table
// below, in file order, which the column reader (io/ColumnReader.h) reads one
// row at a time into a plain row record. Every file's first line is a
// heading, which the callers skip before the first row.
//
// Units: loads ton/acre, diameters in, heights ft, duff depth in, SAV 1/ft.

#include <array>
#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <variant>

namespace sylvanor {

// ---------------------------------------------------------------------------
// Row records. A missing or bad value reads as "" (text) or -1 (number).

// VXD plot file. SC1-SC5 are the five coarse-wood size classes, sound (Snd)
// and rotten (Rot).
struct d_VXDPlotRow {
  std::string Plot;
  float Duff = 0, DuffDept = 0;  // DuffDept: duff depth for the broadcast burn
  float Grass = 0, Lichen = 0, Moss = 0, Shrub = 0, Litter = 0;
  float Hr1 = 0, Hr10 = 0, Hr100 = 0;
  float SC1Snd = 0, SC2Snd = 0, SC3Snd = 0, SC4Snd = 0, SC5Snd = 0;
  float SC1Rot = 0, SC2Rot = 0, SC3Rot = 0, SC4Rot = 0, SC5Rot = 0;
  float Pile = 0;
};

// VXD tree file.
struct d_VXDTreeRow {
  std::string Plot;
  float Num = 0;  // tree number
  std::string Species;
  float DBH = 0, Hgt = 0;
  float HgtCrn = 0;  // crown base height
  std::string CC;    // crown class
  std::string TS;    // tree status
  float TPA = 0;
};

// PDQ plot file. DcDSzS is the load of decay class D (1-3 sound, 4-5
// rotten) in coarse-wood size class S.
struct d_PDQPlotRow {
  std::string Plot, MonSta, MonOrd;  // plot, monitoring status and order
  float Duff = 0, DuffDepth = 0, Litter = 0, Lichen = 0, MossLive = 0, MossDead = 0;
  float Hr1 = 0, Hr10 = 0, Hr100 = 0;
  float Dc1Sz1 = 0, Dc1Sz2 = 0, Dc1Sz3 = 0, Dc1Sz4 = 0, Dc1Sz5 = 0;
  float Dc2Sz1 = 0, Dc2Sz2 = 0, Dc2Sz3 = 0, Dc2Sz4 = 0, Dc2Sz5 = 0;
  float Dc3Sz1 = 0, Dc3Sz2 = 0, Dc3Sz3 = 0, Dc3Sz4 = 0, Dc3Sz5 = 0;
  float Dc4Sz1 = 0, Dc4Sz2 = 0, Dc4Sz3 = 0, Dc4Sz4 = 0, Dc4Sz5 = 0;
  float Dc5Sz1 = 0, Dc5Sz2 = 0, Dc5Sz3 = 0, Dc5Sz4 = 0, Dc5Sz5 = 0;
  float GrassDead = 0, GrassLive = 0, ShrubLive = 0, ShrubDead = 0;
  float SAVShrub = 0, SAVGrass = 0, SAVOneHr = 0;
  float FracGrnCov = 0;  // fraction of green cover
  float PileLoad = 0;
  // emission factor set names: flaming, duff smoldering, coarse-wood smoldering
  std::string EmiFla, EmiDuf, EmiCoa;
};

// PDQ tree file.
struct d_PDQTreeRow {
  std::string Plot, MonSta, MonOrd;
  std::string Spe;
  float TPA = 0, DBH = 0, Hgt = 0;
  float CrnHgt = 0;  // crown base height
  std::string Status, CrnCls;
  int CrnRat = 0;                                           // crown ratio, percent
  float BolCha = 0, CrnScoPer = 0, CrnScoHgt = 0, CKF = 0;  // bole char, scorch %, height, kill
  std::string BeeDam, EquTyp;
  float FlaSco = 0;
  std::string FS, FirSev;
};

// KVT plot file. Lt3: wood under 3 in.; Ge3: 3 in. and over; In3To6,
// In6To12, Ge12: coarse wood by diameter class.
struct d_KVTPlotRow {
  std::string ID, CaseID, StandID, Year;
  float Litter = 0, Duff = 0, Lt3 = 0, Ge3 = 0, In3To6 = 0, In6To12 = 0, Ge12 = 0;
  float Herb = 0, Shrub = 0;
};

// KVT tree file. PrdLen, TreeId, TreeIx, SSCD, PtIndex, MortPA, DG and HtG
// are read and not used.
struct d_KVTTreeRow {
  std::string ID, CaseID, StandID, Year;
  float PrdLen = 0, TreeId = 0, TreeIx = 0;
  std::string Species;
  float TreeVal = 0;  // tree value class
  float SSCD = 0, PtIndex = 0, TPA = 0, MortPA = 0, DBH = 0, DG = 0, Ht = 0, HtG = 0;
  float PctCr = 0;  // percent crown
};

// ---------------------------------------------------------------------------
// Column tables.

// One column of a layout: its name (quoted in the reader's messages), type
// ('s' text, 'f' real, 'i' integer), for 's' the size of the text counting a
// terminator (so at most width - 1 characters are kept), and the field of
// the row record that receives the value.
template <class Row>
struct d_Column {
  std::string_view name;
  char type;
  int width;
  std::variant<std::string Row::*, float Row::*, int Row::*> field;
};

extern const std::array<d_Column<d_VXDPlotRow>, 22> kVXDPlotColumns;
extern const std::array<d_Column<d_VXDTreeRow>, 9> kVXDTreeColumns;
// The PDQ column names all end in one blank, as the plot database writes
// them; the blank shows inside the reader's messages ("The 'f_Duff ' ...").
extern const std::array<d_Column<d_PDQPlotRow>, 49> kPDQPlotColumns;
extern const std::array<d_Column<d_PDQTreeRow>, 20> kPDQTreeColumns;
extern const std::array<d_Column<d_KVTPlotRow>, 13> kKVTPlotColumns;
extern const std::array<d_Column<d_KVTTreeRow>, 18> kKVTTreeColumns;

// Reads the next data row of `file` into `row` with the layout's column
// table; returns what CDF_Get returns (1 row, 0 end of file, -1 too few
// fields, -2 invalid table) with the reader's message.
int ReadRow(std::istream& file, d_VXDPlotRow& row, std::string& message);
int ReadRow(std::istream& file, d_VXDTreeRow& row, std::string& message);
int ReadRow(std::istream& file, d_PDQPlotRow& row, std::string& message);
int ReadRow(std::istream& file, d_PDQTreeRow& row, std::string& message);
int ReadRow(std::istream& file, d_KVTPlotRow& row, std::string& message);
int ReadRow(std::istream& file, d_KVTTreeRow& row, std::string& message);

// ---------------------------------------------------------------------------
// Files and keys.

// The layout of a plot file name: the name is upper-cased and searched,
// anywhere (folders included), for ".VXD", giving "VXD"; failing that for
// ".PDQ", giving "PDQ"; failing that for ".KVT", giving "KVT"; otherwise "".
// So "Plots.vxd", "a.VXD.bak" and "x.pdq.vxd" are all "VXD".
std::string PlotFileLayout(const std::string& fileName);

// The tree file of a plot file: the same folder and base name with the
// extension "tre" ("Plots.pdq" -> "Plots.tre").
std::string TreeFileName(const std::string& plotFile);

// The refusal of a plot file whose tree file `treeFile` cannot be opened.
std::string TreeFileMissingMessage(const std::string& treeFile);

// The title and filter of the dialog that chooses a plot file of a layout
// ("VXD", "PDQ" or "KVT" in any case; anything else a generic "txt" choice).
struct d_PlotFileDialog {
  std::string title;   // "Select VXD Plot Input" ...
  std::string filter;  // "Input Fuel Load Files (*.vxd)|*.vxd|All files (*.*)|*.*" ...
};
d_PlotFileDialog PlotFileDialog(const std::string& layout);

// The separator of a PDQ plot's two key parts as the user sees them.
inline constexpr std::string_view kPDQKeyJoin = "_::_";

// The key that names a plot, as the user sees it: VXD the plot; PDQ the plot
// and monitoring status joined by "_::_"; KVT stand, year and case joined as
// "%s-%s-%s". A tree row gives the key of the plot it belongs to.
std::string PlotKey(const d_VXDPlotRow& row);
std::string PlotKey(const d_VXDTreeRow& row);
std::string PlotKey(const d_PDQPlotRow& row);
std::string PlotKey(const d_PDQTreeRow& row);
std::string PlotKey(const d_KVTPlotRow& row);
std::string PlotKey(const d_KVTTreeRow& row);

}  // namespace sylvanor
