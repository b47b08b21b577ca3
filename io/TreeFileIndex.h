#pragma once
// The rows of a batch's tree file, read once and grouped by plot.
//
// The batch loads a plot's trees as a scan of the whole tree file would:
// every row of the plot in file order, the plot and station compared without
// regard to case, and, when a row cannot be read, the rows before it and
// then the read error. The index keeps for each row only what the batch
// uses, and each distinct text (species, crown class, status) once, so that
// an inventory of millions of trees stays small in memory.

#include <istream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "base/TextInput.h"

namespace sylvanor {

// What the batch uses of a tree row, in both layouts. Values as read; a
// missing number is -1. The texts of an index's rows are the index's and
// last as long as it is not cleared or built again.
struct d_BatchTree {
  float Num = 0;  // tree number (VXD)
  std::string_view Species;
  float DBH = 0, Hgt = 0, CrnHgt = 0, TPA = 0;
  std::string_view CrnCls, Status;
  int CrnRat = -1;  // crown ratio, percent (PDQ); none for VXD
};

class c_TreeIndex {
 public:
  // Reads the rows of `file` (its heading line first) in the tree file
  // layout of `layout`, "VXD" or "PDQ": at most `maxRows` rows, stopping at
  // the first row that cannot be read. `name` is the file's name in notices:
  // lines cut for their length, and rows left unread past `maxRows`.
  void Build(std::istream& file, const std::string& layout, int maxRows,
             const std::string& name = {});
  void Clear();

  // The rows of a plot in file order (the station is ignored for VXD).
  const std::vector<d_BatchTree>& Rows(const std::string& plot, const std::string& station) const;

  // True when a row could not be read; its reader message.
  bool ReadError() const { return readError_; }
  const std::string& ReadMessage() const { return readMessage_; }
  // The line of that row.
  int ReadLine() const { return readLine_; }
  const std::vector<d_FileNotice>& Notices() const { return notices_; }

 private:
  std::string Key(const std::string& plot, const std::string& station) const;
  // the index's one copy of a text
  std::string_view Text(const std::string& text);

  bool pdq_ = false;
  std::unordered_map<std::string, std::vector<d_BatchTree>> byPlot_;
  std::unordered_set<std::string> texts_;  // its elements do not move
  bool readError_ = false;
  std::string readMessage_;
  int readLine_ = 0;
  std::vector<d_FileNotice> notices_;
};

}  // namespace sylvanor
