#include "io/ProjectIndex.h"

#include "base/Keyword.h"

namespace sylvanor {

void c_PrjIndex::Build(std::istream& source, const std::string& name) {
  Clear();
  name_ = name;
  source.clear();
  c_TextInput file(source.rdbuf());
  file.seekg(0);
  std::string raw;
  PrjWords words;
  while (Prj_ReadLine(file, raw)) {
    if (!Prj_KeywordWords(raw, words)) continue;
    // the first line of a keyword is the one a search from the start finds
    if (byKeyword_.try_emplace(UpperKeyword(words[0]), entries_.size()).second) {
      entries_.push_back({words, raw, file.LineNumber()});
    }
  }
  notices_ = CutLineNotices(file, name);
  source.clear();
}

void c_PrjIndex::Clear() {
  entries_.clear();
  byKeyword_.clear();
  name_.clear();
  notices_.clear();
}

int c_PrjIndex::LineOf(const std::string& keyword) const {
  const auto it = byKeyword_.find(UpperKeyword(keyword));
  return it == byKeyword_.end() ? 0 : entries_[it->second].lineNumber;
}

int c_PrjIndex::FindSw(const std::string& keyword, PrjWords& values, std::string& line) const {
  const auto it = byKeyword_.find(UpperKeyword(keyword));
  if (it == byKeyword_.end()) {
    values = PrjWords{};
    line.clear();
    return 0;
  }
  values = entries_[it->second].words;
  line = entries_[it->second].line;
  return 1;
}

int Prj_FindSw(const c_PrjIndex& file, const std::string& keyword, PrjWords& values,
               std::string& line) {
  return file.FindSw(keyword, values, line);
}

}  // namespace sylvanor
