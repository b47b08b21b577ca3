#include "io/PlotTrees.h"

#include <algorithm>
#include <cmath>
#include <fstream>

#include "base/CFormat.h"
#include "base/Keyword.h"
#include "base/TextInput.h"
#include "io/PlotLayouts.h"
#include "platform/FileLookup.h"

namespace sylvanor {

namespace {

constexpr int kMaxRowsVXDPDQ = 900000;
constexpr int kMaxRowsKVT = 1000;

// The second line starts with a blank, then the two of its own.
constexpr const char* kCrownBaseRepair =
    "Crown Base Height is missing or negative in input file.\n"
    " "
    "  Crown Base Height will be set to 50 percent of Tree Height";

bool IsDead(const std::string& status) {
  return SameKeyword(status, "D");
}

bool OpenTreeFile(const std::string& plotFile, c_TextInput& file, std::string& message) {
  const std::string treeFile = TreeFileName(plotFile);
  if (!file.Open(FindFileNoCase(treeFile))) {
    message = TreeFileMissingMessage(treeFile);
    return false;
  }
  std::string heading;
  std::getline(file, heading);
  return true;
}

// Reads up to `maxRows` data rows, calling `take(row, index)` (index counted
// from 1) for each; false, with `readError` filled in `message`, when a row
// cannot be read.
template <class Row, class Take>
bool ForEachRow(std::istream& file, int maxRows, const char* readError, std::string& message,
                Take&& take) {
  Row row;
  std::string rowMessage;
  for (int index = 1; index <= maxRows; ++index) {
    const int result = ReadRow(file, row, rowMessage);
    if (result == 0) break;
    if (result < 0) {
      message = CFormat(readError, rowMessage);
      return false;
    }
    take(row, index);
  }
  return true;
}

void LoadVXD(std::istream& file, const std::string& plotKey, d_PlotTrees& trees) {
  int plotRow = 0;  // the row among the plot's rows, the dead counted
  const auto take = [&](const d_VXDTreeRow& row, int) {
    if (!SameKeyword(PlotKey(row), plotKey)) return;
    ++plotRow;
    d_GridTree tree;
    tree.Num = CFormat("%0.0f", row.Num);
    tree.Species = row.Species;
    tree.DBH = row.DBH;
    tree.Hgt = row.Hgt;
    tree.CrnHgt = row.HgtCrn;
    const std::string repair = FixCrownBaseHeight(tree.Hgt, tree.CrnHgt, -1.0f);
    if (!repair.empty()) {
      trees.warnings.push_back({CFormat("%s\n  %0.0f %s   Hgt:%6.1f  CrnHgt:%6.1f\n", repair,
                                        row.Num, row.Species, tree.Hgt, tree.CrnHgt),
                                IsDead(row.TS)});
    }
    tree.CrnCls = row.CC;
    // a live tree's empty crown class is repaired as the batch repairs it,
    // with the same warning, so that a plot gives the same results in both
    if (!IsDead(row.TS)) {
      std::string warning =
          FixCrownClass(plotRow, tree.Species, tree.DBH, tree.Hgt, tree.CrnHgt, tree.CrnCls);
      if (!warning.empty()) trees.warnings.push_back({std::move(warning), false});
    }
    tree.Status = row.TS;
    tree.TPA = row.TPA;
    trees.trees.push_back(tree);
  };
  trees.ok = ForEachRow<d_VXDTreeRow>(file, kMaxRowsVXDPDQ, "Error Reading Sylvanor Tree File: %s ",
                                      trees.message, take);
}

// The tree as read, for the warnings: plot, monitoring status and order,
// species, TPA, DBH, height, crown base height, status, crown class and
// crown ratio.
std::string PDQ_TreeText(const d_PDQTreeRow& row) {
  return CFormat("%s, %s, %s, %s, %0.3f, %0.3f, %0.3f, %0.3f, %s, %s, %d ", row.Plot, row.MonSta,
                 row.MonOrd, row.Spe, row.TPA, row.DBH, row.Hgt, row.CrnHgt, row.Status, row.CrnCls,
                 row.CrnRat);
}

void LoadPDQ(std::istream& file, const std::string& plotKey, d_PlotTrees& trees) {
  const auto take = [&](const d_PDQTreeRow& row, int) {
    if (!SameKeyword(PlotKey(row), plotKey)) return;
    const bool dead = IsDead(row.Status);
    const std::string text = PDQ_TreeText(row);
    const auto warn = [&](const std::string& warning) {
      trees.warnings.push_back({warning, dead});
    };
    d_GridTree tree;
    tree.Num = CFormat("%03d", static_cast<int>(trees.trees.size()) + 1);
    tree.Species = row.Spe;
    tree.DBH = row.DBH;
    tree.Hgt = row.Hgt;
    tree.CrnHgt = row.CrnHgt;
    tree.Status = row.Status;
    tree.CrnCls = row.CrnCls;
    tree.TPA = row.TPA;

    if (dead && tree.CrnHgt == -1.0f) tree.CrnHgt = 0;

    if (dead && tree.DBH < 0) {
      tree.DBH = 0;
    } else if (tree.DBH >= 0 && tree.DBH <= 0.1f) {
      tree.DBH = 0.1f;
    } else if (tree.DBH < 0) {
      warn(CFormat("%s \n  DBH missing (if seedling please use a 0.1 or 0)", text));
    }

    if (dead && tree.Hgt < 0) tree.Hgt = 0;
    if (tree.Hgt <= 0) warn(CFormat("%s\n  Height is invalid or missing.\n", text));

    const std::string repair =
        FixCrownBaseHeight(tree.Hgt, tree.CrnHgt, static_cast<float>(row.CrnRat));
    if (!repair.empty()) {
      warn(CFormat("%s\n  %s\n  Hgt:%6.1f   CrnHgt:%6.1f\n", text, repair, tree.Hgt, tree.CrnHgt));
    }

    if (tree.CrnCls.empty()) tree.CrnCls = "N";
    if (dead && tree.TPA < 0) tree.TPA = 0;
    trees.trees.push_back(tree);
  };
  trees.ok = ForEachRow<d_PDQTreeRow>(file, kMaxRowsVXDPDQ, "Error Reading PDQ Tree File: %s ",
                                      trees.message, take);
}

struct KVTRow {
  d_KVTTreeRow row;
  int index;  // among the file's data rows, from 1
};

// The crown class of a live KVT tree.
std::string KVT_CrownClass(float hgt, float tallest, float shortest, float totalTPA) {
  if (totalTPA < 20) return "O";
  std::string crnCls = "S";
  if (hgt > 0.8f * tallest) {
    crnCls = "D";
  } else if (hgt > 0.6f * tallest) {
    crnCls = "C";
  } else if (hgt > 0.4f * tallest) {
    crnCls = "I";
  }
  // an even-aged stand, or a tree close to the top, is dominant
  if (tallest - shortest < 10 || tallest - hgt < 7) crnCls = "D";
  return crnCls;
}

// Converts one KVT row into `tree`, or gives the reason it is refused.
std::string KVT_Tree(const KVTRow& kvt, float tallest, float shortest, float totalTPA,
                     d_GridTree& tree) {
  const d_KVTTreeRow& row = kvt.row;
  const std::string key = PlotKey(row);
  if (row.Species.empty()) return CFormat("%s contains no species code", key);
  const bool live = row.TreeVal >= 0 && row.TreeVal < 5.1f;
  if (row.TPA <= 0) {
    return CFormat("%s, %s Tree Per Acre is missing or invalid\n approx tree record index %d", key,
                   row.Species, kvt.index);
  }
  if (row.DBH <= 0) {
    return CFormat("%s %s Tree DBH is missing or invalid\n approx tree record index %d", key,
                   row.Species, kvt.index);
  }
  if (row.Ht <= 0) {
    return CFormat("%s %s Tree Height is missing or invalid\n approx tree record index %d", key,
                   row.Species, kvt.index);
  }
  if (live && row.PctCr <= 0) {
    return CFormat("%s %s Tree Percent Crown is missing or invalid\n approx tree record index %d",
                   key, row.Species, kvt.index);
  }
  tree.Species = row.Species;
  tree.DBH = row.DBH;
  tree.Hgt = row.Ht;
  if (row.Ht < 2) {
    tree.CrnHgt = 0.5f * row.Ht;
  } else {
    const double hgt = row.Ht;
    tree.CrnHgt = static_cast<float>(std::trunc(hgt - row.PctCr / 100.0 * hgt + 0.05));
  }
  tree.Status = live ? "H" : "D";
  tree.CrnCls = live ? KVT_CrownClass(row.Ht, tallest, shortest, totalTPA) : "N";
  tree.TPA = row.TPA;
  return "";
}

void LoadKVT(std::istream& file, const std::string& plotKey, d_PlotTrees& trees) {
  std::vector<KVTRow> rows;
  trees.ok = ForEachRow<d_KVTTreeRow>(file, kMaxRowsKVT, "Error Reading KVT Tree File: %s ",
                                      trees.message, [&](const d_KVTTreeRow& row, int index) {
                                        if (SameKeyword(PlotKey(row), plotKey))
                                          rows.push_back({row, index});
                                      });
  if (!trees.ok || rows.empty()) return;

  float tallest = rows.front().row.Ht;
  float shortest = rows.front().row.Ht;
  float totalTPA = 0;
  for (const KVTRow& kvt : rows) {
    tallest = std::max(tallest, kvt.row.Ht);
    shortest = std::min(shortest, kvt.row.Ht);
    totalTPA += kvt.row.TPA;
  }
  for (const KVTRow& kvt : rows) {
    d_GridTree tree;
    const std::string refusal = KVT_Tree(kvt, tallest, shortest, totalTPA, tree);
    if (!refusal.empty()) {
      trees.refused.push_back(refusal + "\n Not loading this record into tree grid");
      continue;
    }
    tree.Num = CFormat("%03d", static_cast<int>(trees.trees.size()) + 1);
    trees.trees.push_back(tree);
  }
}

void AddSpecies(std::vector<std::string>& list, const std::string& species) {
  if (species.empty()) return;
  const auto same = [&](const std::string& known) { return SameKeyword(known, species); };
  if (std::none_of(list.begin(), list.end(), same)) list.push_back(species);
}

}  // namespace

d_PlotTrees LoadPlotTrees(const std::string& layout, const std::string& plotFile,
                          const std::string& plotKey) {
  d_PlotTrees trees;
  const bool vxd = SameKeyword(layout, "VXD");
  const bool pdq = SameKeyword(layout, "PDQ");
  const bool kvt = SameKeyword(layout, "KVT");
  if (!vxd && !pdq && !kvt) {
    trees.message = CFormat("Invalid Input Plot File Type:\n%s", plotFile);
    return trees;
  }
  c_TextInput file;
  if (!OpenTreeFile(plotFile, file, trees.message)) return trees;
  if (vxd) LoadVXD(file, plotKey, trees);
  if (pdq) LoadPDQ(file, plotKey, trees);
  if (kvt) LoadKVT(file, plotKey, trees);
  return trees;
}

std::string FixCrownBaseHeight(float hgt, float& crnHgt, float crnRatio) {
  if (crnHgt >= 0 || hgt <= 0) return "";
  if (crnRatio >= 0) {
    crnHgt = hgt - crnRatio / 100.0f * hgt;
    return "";
  }
  crnHgt = 0.5f * hgt;
  return kCrownBaseRepair;
}

std::string FixCrownClass(int treeNum, const std::string& species, float dbh, float hgt,
                          float crnHgt, std::string& crnCls) {
  if (!crnCls.empty()) return "";
  crnCls = "N";
  const bool small = dbh < 5.0f;
  const std::string tree =
      small ? CFormat(" %d %s  Hgt:%5.1f  CrnHgt:%5.1f\n", treeNum, species, hgt, crnHgt)
            : CFormat(" %d %s DBH:%5.1f  Hgt:%5.1f  CrnHgt:%5.1f\n", treeNum, species, dbh, hgt,
                      crnHgt);
  return CFormat("Canopy Class for %s tree is missing in input file.\n%s\n%s\n",
                 small ? "Small" : "Large", " Canopy Class will be set to N", tree);
}

d_SpeciesList LoadSpeciesList(const std::string& layout, const std::string& plotFile) {
  d_SpeciesList list;
  const bool vxd = SameKeyword(layout, "VXD");
  const bool pdq = SameKeyword(layout, "PDQ");
  if (SameKeyword(layout, "KVT")) {
    list.ok = true;
    return list;
  }
  if (!vxd && !pdq) {
    list.message = CFormat("Invalid Input Plot File Type:\n%s", plotFile);
    return list;
  }
  c_TextInput file;
  if (!OpenTreeFile(plotFile, file, list.message)) return list;
  if (vxd) {
    list.ok = ForEachRow<d_VXDTreeRow>(
        file, kMaxRowsVXDPDQ, "Error Reading Sylvanor Tree File: %s ", list.message,
        [&](const d_VXDTreeRow& row, int) { AddSpecies(list.species, row.Species); });
  } else {
    list.ok = ForEachRow<d_PDQTreeRow>(
        file, kMaxRowsVXDPDQ, "Error Reading PDQ Tree File: %s ", list.message,
        [&](const d_PDQTreeRow& row, int) { AddSpecies(list.species, row.Spe); });
  }
  return list;
}

}  // namespace sylvanor
