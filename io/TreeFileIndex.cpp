#include "io/TreeFileIndex.h"

#include "base/Keyword.h"
#include "base/TextUtil.h"
#include "io/PlotLayouts.h"

namespace sylvanor {

namespace {

d_BatchTree BatchTree(const d_VXDTreeRow& row) {
  d_BatchTree tree;
  tree.Num = row.Num;
  tree.Species = row.Species;
  tree.DBH = row.DBH;
  tree.Hgt = row.Hgt;
  tree.CrnHgt = row.HgtCrn;
  tree.TPA = row.TPA;
  tree.CrnCls = row.CC;
  tree.Status = row.TS;
  return tree;
}

d_BatchTree BatchTree(const d_PDQTreeRow& row) {
  d_BatchTree tree;
  tree.Species = row.Spe;
  tree.DBH = row.DBH;
  tree.Hgt = row.Hgt;
  tree.CrnHgt = row.CrnHgt;
  tree.TPA = row.TPA;
  tree.CrnCls = row.CrnCls;
  tree.Status = row.Status;
  tree.CrnRat = row.CrnRat;
  return tree;
}

const std::string& Station(const d_VXDTreeRow&) {
  static const std::string none;
  return none;
}

const std::string& Station(const d_PDQTreeRow& row) {
  return row.MonSta;
}

}  // namespace

std::string c_TreeIndex::Key(const std::string& plot, const std::string& station) const {
  std::string key = UpperKeyword(plot);
  if (pdq_) {
    key += '\0';
    key += UpperKeyword(station);
  }
  return key;
}

void c_TreeIndex::Build(std::istream& source, const std::string& layout, int maxRows,
                        const std::string& name) {
  Clear();
  pdq_ = SameKeyword(layout, "PDQ");
  source.clear();
  c_TextInput file(source.rdbuf());
  file.seekg(0);
  SkipHeadingLine(file);

  d_FileNotice limit;  // rows left unread, when there are
  const auto readAll = [&](auto row) {
    std::string message;
    for (int i = 0; i < maxRows; ++i) {
      const int result = ReadRow(file, row, message);
      if (result == 0) return;
      if (result < 0) {
        // a scan of the file stops here, for every plot
        readError_ = true;
        readMessage_ = message;
        readLine_ = file.LineNumber();
        return;
      }
      byPlot_[Key(row.Plot, Station(row))].push_back(BatchTree(row));
    }
    if (ReadRow(file, row, message) != 0) {
      limit = RowLimitNotice(name, file.LineNumber(), "Tree File", maxRows);
    }
  };
  if (pdq_) {
    readAll(d_PDQTreeRow{});
  } else {
    readAll(d_VXDTreeRow{});
  }
  notices_ = CutLineNotices(file, name);
  if (!limit.message.empty()) notices_.push_back(limit);
  source.clear();
}

void c_TreeIndex::Clear() {
  byPlot_.clear();
  readError_ = false;
  readMessage_.clear();
  readLine_ = 0;
  notices_.clear();
}

const std::vector<d_BatchTree>& c_TreeIndex::Rows(const std::string& plot,
                                                  const std::string& station) const {
  static const std::vector<d_BatchTree> none;
  const auto it = byPlot_.find(Key(plot, station));
  return it == byPlot_.end() ? none : it->second;
}

}  // namespace sylvanor
