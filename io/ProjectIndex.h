#pragma once
// The keyword lines of a project file, read once and looked up by keyword.
//
// A batch looks up a plot's treatment, retention priority set, species rows
// and settings by keyword for every plot; searching the file from its start
// each time would make a batch's time grow with the square of its size. The
// index answers exactly as a search from the start would: the first keyword
// line whose keyword matches without regard to case.

#include <istream>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/TextInput.h"
#include "io/ProjectFile.h"

namespace sylvanor {

class c_PrjIndex {
 public:
  // Reads the whole file from its start; the index holds nothing else.
  // `name` is the file's name in messages and in the notices of lines cut
  // for their length.
  void Build(std::istream& file, const std::string& name = {});
  void Clear();

  // As Prj_FindSw on the file the index was built from.
  int FindSw(const std::string& keyword, PrjWords& values, std::string& line) const;
  // The line of the file FindSw finds for the keyword; 0 when none.
  int LineOf(const std::string& keyword) const;

  const std::string& Name() const { return name_; }
  const std::vector<d_FileNotice>& Notices() const { return notices_; }

 private:
  struct Entry {
    PrjWords words;
    std::string line;
    int lineNumber = 0;
  };
  std::vector<Entry> entries_;
  std::unordered_map<std::string, std::size_t> byKeyword_;  // upper-case keyword -> first line
  std::string name_;
  std::vector<d_FileNotice> notices_;
};

// The record and row look-ups of io/ProjectFile.h, answered from an index.
int Prj_FindSw(const c_PrjIndex& file, const std::string& keyword, PrjWords& values,
               std::string& line);
int Prj_FindTreatment(const c_PrjIndex& file, d_PrjTreatment& record, int n);
int Prj_FindRetPri(const c_PrjIndex& file, d_PrjRetPri& record, int n);
int Prj_FindSpecies(const c_PrjIndex& file, std::string& group, std::string& species,
                    std::string& minDia, std::string& maxDia, std::string& priority, int n);

}  // namespace sylvanor
