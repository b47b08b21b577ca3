#pragma once
// The rows of a link treatment file, read once and looked up by plot
// identifier and station, compared exactly.
//
// The index answers as a scan from the file's start would: the first row of
// the plot among the first rows the scan reads; when an unreadable row comes
// first, the scan's read error.

#include <istream>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/TextInput.h"
#include "io/LinkTreatment.h"

namespace sylvanor {

class c_LTFIndex {
 public:
  // Reads the header and at most `maxRows` rows, stopping at the first row
  // that cannot be read. `name` is the file's name in messages and notices:
  // lines cut for their length, and rows left unread past `maxRows`.
  void Build(std::istream& file, int maxRows, const std::string& name = {});
  void Clear();

  // 1 with the plot's row, 0 when the scan would not find it, -1 when the
  // scan would stop at an unreadable row first (the reader's message in
  // `message`, and ReadLine() its line).
  int Find(const std::string& plot, const std::string& station, d_LTF& row,
           std::string& message) const;

  const std::string& Name() const { return name_; }
  int ReadLine() const { return readLine_; }
  const std::vector<d_FileNotice>& Notices() const { return notices_; }

 private:
  std::vector<d_LTF> rows_;
  std::unordered_map<std::string, std::size_t> byPlot_;  // plot and station -> first row
  bool readError_ = false;
  std::string readMessage_;
  int readLine_ = 0;
  std::string name_;
  std::vector<d_FileNotice> notices_;
};

}  // namespace sylvanor
