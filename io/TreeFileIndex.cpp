#include "io/TreeFileIndex.h"

#include "base/Keyword.h"
#include "base/TextUtil.h"
#include "io/PlotLayouts.h"

namespace sylvanor {

namespace {

// A row's numbers; `text` gives the index's copy of each text.
template <class TextOf>
d_BatchTree BatchTree(const d_VXDTreeRow& row, TextOf text) {
  d_BatchTree tree;
  tree.Num = row.Num;
  tree.Species = text(row.Species);
  tree.DBH = row.DBH;
  tree.Hgt = row.Hgt;
  tree.CrnHgt = row.HgtCrn;
  tree.TPA = row.TPA;
  tree.CrnCls = text(row.CC);
  tree.Status = text(row.TS);
  return tree;
}

template <class TextOf>
d_BatchTree BatchTree(const d_PDQTreeRow& row, TextOf text) {
  d_BatchTree tree;
  tree.Species = text(row.Spe);
  tree.DBH = row.DBH;
  tree.Hgt = row.Hgt;
  tree.CrnHgt = row.CrnHgt;
  tree.TPA = row.TPA;
  tree.CrnCls = text(row.CrnCls);
  tree.Status = text(row.Status);
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
      byPlot_[Key(row.Plot, Station(row))].push_back(
          BatchTree(row, [this](const std::string& text) { return Text(text); }));
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
  for (auto& [key, rows] : byPlot_)
    rows.shrink_to_fit();
  notices_ = CutLineNotices(file, name);
  if (!limit.message.empty()) notices_.push_back(limit);
  source.clear();
}

std::string_view c_TreeIndex::Text(const std::string& text) {
  return *texts_.insert(text).first;
}

void c_TreeIndex::Clear() {
  byPlot_.clear();
  texts_.clear();
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
