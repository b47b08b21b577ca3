#include "io/LinkTreatmentIndex.h"

namespace sylvanor {

namespace {

// Plot and station as one key; a NUL cannot occur in either text as read.
std::string LinkKey(const std::string& plot, const std::string& station) {
  std::string key = plot;
  key += '\0';
  key += station;
  return key;
}

}  // namespace

void c_LTFIndex::Build(std::istream& source, int maxRows, const std::string& name) {
  Clear();
  name_ = name;
  source.clear();
  c_TextInput file(source.rdbuf());
  file.seekg(0);
  LTF_SkipHeader(file);
  d_LTF row;
  std::string message;
  int result = 1;
  for (int i = 0; i < maxRows && result > 0; ++i) {
    result = LTF_Get(file, row, message);
    if (result < 0) {
      // a scan stops here: plots after this row are never reached
      readError_ = true;
      readMessage_ = message;
      readLine_ = file.LineNumber();
    } else if (result > 0 &&
               byPlot_.try_emplace(LinkKey(row.Plot, row.MonSta), rows_.size()).second) {
      rows_.push_back(row);
    }
  }
  d_FileNotice limit;
  if (result > 0 && LTF_Get(file, row, message) != 0) {
    limit = RowLimitNotice(name, file.LineNumber(), "Link Treatment File", maxRows);
  }
  notices_ = CutLineNotices(file, name);
  if (!limit.message.empty()) notices_.push_back(limit);
  source.clear();
}

void c_LTFIndex::Clear() {
  rows_.clear();
  byPlot_.clear();
  readError_ = false;
  readMessage_.clear();
  readLine_ = 0;
  name_.clear();
  notices_.clear();
}

int c_LTFIndex::Find(const std::string& plot, const std::string& station, d_LTF& row,
                     std::string& message) const {
  const auto it = byPlot_.find(LinkKey(plot, station));
  if (it != byPlot_.end()) {
    row = rows_[it->second];
    return 1;
  }
  if (readError_) {
    message = readMessage_;
    return -1;
  }
  return 0;
}

}  // namespace sylvanor
