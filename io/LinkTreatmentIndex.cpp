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

void c_LTFIndex::Build(std::istream& file, int maxRows) {
  Clear();
  file.clear();
  file.seekg(0);
  LTF_SkipHeader(file);
  d_LTF row;
  for (int i = 0; i < maxRows; ++i) {
    std::string message;
    const int result = LTF_Get(file, row, message);
    if (result == 0) break;
    if (result < 0) {
      // a scan stops here: plots after this row are never reached
      readError_ = true;
      readMessage_ = message;
      break;
    }
    if (byPlot_.try_emplace(LinkKey(row.Plot, row.MonSta), rows_.size()).second) {
      rows_.push_back(row);
    }
  }
  file.clear();
}

void c_LTFIndex::Clear() {
  rows_.clear();
  byPlot_.clear();
  readError_ = false;
  readMessage_.clear();
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
