#include "ui/RetPriEditor.h"

#include <algorithm>
#include <cmath>

#include "base/CFormat.h"
#include "base/Keyword.h"
#include "base/TextUtil.h"
#include "treat/RetentionPriority.h"

namespace sylvanor {

namespace {

constexpr std::size_t kFieldLength = kPrjFieldCapacity - 1;  // what a record field holds

// A number typed into a cell: the whole text, blanks around it aside, a
// plain number.
bool ReadCell(const std::string& text, double& value) {
  return ReadNumber(TrimBlanks(text), value);
}

std::string Weight(float value) {
  return CFormat("%.1f", value);
}

bool IsNoGroup(const std::string& name) {
  return Prj_SameName(name, std::string(kNoSpeciesGroup));
}

std::string FullMessage(const std::string& group) {
  return CFormat("Species group %s is full: it holds at most %d species rows.", group,
                 kRetPriSpecies);
}

std::string CheckRow(const d_EditGroup& group, std::size_t r) {
  const SpeciesRowTexts& row = group.Rows[r];
  const auto where = CFormat("Species group %s, row %d: ", group.Name, r + 1);
  if (TrimBlanks(row[0]).empty()) return where + "enter a species code or _Other.";
  double dia[2] = {0, 0};
  for (std::size_t k = 1; k <= 2; ++k)
    if (!ReadCell(row[k], dia[k - 1]))
      return where + CFormat("%s must be a number, not \"%s\".", kSpeciesColumns[k], row[k]);
  if (dia[0] > dia[1])
    return where + CFormat("Min DBH (in) %s is above Max DBH (in) %s.", row[1], row[2]);
  double priority = 0;
  if (!ReadCell(row[3], priority) || priority < 0)
    return where + CFormat(
                       "Priority must be a number of 0 or more (99: never thinned), not "
                       "\"%s\".",
                       row[3]);
  return "";
}

}  // namespace

bool SameEditName(const std::string& a, const std::string& b) {
  return SameKeyword(Prj_WordToName(a), Prj_WordToName(b));
}

c_RetPriEditor::c_RetPriEditor(const d_PrjData& project) : chosen_(project.RetPri) {
  for (const d_PrjRetPri& set : project.RetPriSets) {
    RetPriSetTexts& texts = sets_.emplace_back();
    const auto fields = set.Fields();
    for (std::size_t i = 0; i < texts.size(); ++i)
      texts[i] = fields[i]->str();
  }
  int number = 0;
  for (const d_PrjSpeciesGroup& group : project.SpeciesGroups) {
    groups_.push_back({group.Name, group.Number, {}});
    number = std::max(number, group.Number);
  }
  // each row into the group of its name (exactly as the batch matches it)
  for (const d_PrjSpeciesRow& row : project.SpeciesRows) {
    auto group = std::find_if(groups_.begin(), groups_.end(), [&](const d_EditGroup& g) {
      return Prj_SameName(g.Name, row.Group);
    });
    if (group == groups_.end()) group = groups_.insert(groups_.end(), {row.Group, ++number, {}});
    group->Rows.push_back({row.Species, row.MinDia, row.MaxDia, row.Priority});
  }
}

int c_RetPriEditor::FindSet(const std::string& name) const {
  for (std::size_t i = 0; i < sets_.size(); ++i)
    if (SameEditName(sets_[i][0], name)) return static_cast<int>(i);
  return -1;
}

int c_RetPriEditor::FindGroup(const std::string& name) const {
  for (std::size_t i = 0; i < groups_.size(); ++i)
    if (SameEditName(groups_[i].Name, name)) return static_cast<int>(i);
  return -1;
}

std::size_t c_RetPriEditor::AddSet() {
  int n = 1;
  while (FindSet(CFormat("Set %d", n)) >= 0)
    ++n;
  RetPriSetTexts& set = sets_.emplace_back();
  set[0] = CFormat("Set %d", n);
  for (std::size_t k = kRetPriFirstWeight; k < kRetPriGroupColumn; ++k)
    set[k] = Weight(1.0f);
  return sets_.size() - 1;
}

void c_RetPriEditor::DeleteSet(std::size_t set) {
  if (set >= sets_.size()) return;
  if (SameEditName(sets_[set][0], chosen_)) chosen_.clear();
  sets_.erase(sets_.begin() + static_cast<std::ptrdiff_t>(set));
}

std::string c_RetPriEditor::EditSet(std::size_t set, std::size_t column, const std::string& text) {
  if (set >= sets_.size() || column >= kPrjRetPriFields) return "";
  std::string& cell = sets_[set][column];
  if (column == 0) {
    const std::string name = Prj_WordToName(text);
    if (name.empty()) return "A retention priority set needs a name.";
    const int other = FindSet(name);
    if (other >= 0 && other != static_cast<int>(set))
      return CFormat("There is already a retention priority set named %s.", sets_[other][0]);
    if (SameEditName(cell, chosen_)) chosen_ = name;
    cell = name;
  } else if (column == kRetPriGroupColumn) {
    cell = Prj_WordToName(text);
  } else {
    cell = text;
  }
  return "";
}

void c_RetPriEditor::LoadDefaultSets() {
  for (const d_RetPriDefault& d : kDefaultRetPriSets) {
    const std::string name(d.Name);
    const int found = FindSet(name);
    RetPriSetTexts& set = found >= 0 ? sets_[found] : sets_.emplace_back();
    if (found < 0) set[0] = name;
    set[1] = d.Description;
    for (std::size_t k = 0; k < kRetPriWeights; ++k)
      set[kRetPriFirstWeight + k] = Weight(d.Weights[k]);
  }
}

std::string c_RetPriEditor::AddGroup(const std::string& name) {
  const std::string group = Prj_WordToName(name);
  if (group.empty()) return "A species group needs a name.";
  if (const int other = FindGroup(group); other >= 0)
    return CFormat("There is already a species group named %s.", groups_[other].Name);
  int number = 0;
  for (const d_EditGroup& g : groups_)
    number = std::max(number, g.Number);
  groups_.push_back({group, number + 1, {}});
  return "";
}

std::string c_RetPriEditor::DeleteGroup(std::size_t group) {
  if (group >= groups_.size()) return "";
  const std::string& name = groups_[group].Name;
  if (IsNoGroup(name)) return "The species group _None cannot be deleted or renamed.";
  for (const RetPriSetTexts& set : sets_)
    if (Prj_SameName(set[kRetPriGroupColumn], name))
      return CFormat("Species group %s is used by retention priority set %s.", name, set[0]);
  groups_.erase(groups_.begin() + static_cast<std::ptrdiff_t>(group));
  return "";
}

std::string c_RetPriEditor::RenameGroup(std::size_t group, const std::string& name) {
  if (group >= groups_.size()) return "";
  const std::string renamed = Prj_WordToName(name);
  if (IsNoGroup(groups_[group].Name) || IsNoGroup(renamed))
    return "The species group _None cannot be deleted or renamed.";
  if (renamed.empty()) return "A species group needs a name.";
  if (const int other = FindGroup(renamed); other >= 0 && other != static_cast<int>(group))
    return CFormat("There is already a species group named %s.", groups_[other].Name);
  for (RetPriSetTexts& set : sets_)
    if (Prj_SameName(set[kRetPriGroupColumn], groups_[group].Name))
      set[kRetPriGroupColumn] = renamed;
  groups_[group].Name = renamed;
  return "";
}

std::string c_RetPriEditor::AddRow(std::size_t group) {
  if (group >= groups_.size()) return "";
  d_EditGroup& g = groups_[group];
  if (IsNoGroup(g.Name)) return "The species group _None holds no species rows.";
  if (g.Rows.size() >= kRetPriSpecies) return FullMessage(g.Name);
  g.Rows.push_back({"", "0", "999", "1.0"});
  return "";
}

void c_RetPriEditor::DeleteRow(std::size_t group, std::size_t row) {
  if (group >= groups_.size() || row >= groups_[group].Rows.size()) return;
  auto& rows = groups_[group].Rows;
  rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(row));
}

void c_RetPriEditor::EditRow(std::size_t group, std::size_t row, std::size_t column,
                             const std::string& text) {
  if (group >= groups_.size() || row >= groups_[group].Rows.size() ||
      column >= kSpeciesColumns.size())
    return;
  groups_[group].Rows[row][column] = std::string(TrimBlanks(text));
}

std::string c_RetPriEditor::Check() const {
  for (const RetPriSetTexts& set : sets_) {
    for (std::size_t k = 0; k < set.size(); ++k)
      if (Prj_NameToWord(set[k]).size() > kFieldLength)
        return CFormat("%s of set %s is longer than %d characters.", kRetPriColumns[k].Caption,
                       set[0], kFieldLength);
    for (std::size_t k = kRetPriFirstWeight; k < kRetPriGroupColumn; ++k) {
      double weight = 0;
      if (!ReadCell(set[k], weight) || weight < 0 || weight > 1)
        return CFormat("Set %s: %s must be a number from 0 to 1, not \"%s\".", set[0],
                       kRetPriColumns[k].Caption, set[k]);
    }
    const std::string& group = set[kRetPriGroupColumn];
    const bool known = std::any_of(groups_.begin(), groups_.end(), [&](const d_EditGroup& g) {
      return Prj_SameName(g.Name, group);
    });
    if (!group.empty() && !IsNoGroup(group) && !known)
      return CFormat("Set %s: species group %s does not exist.", set[0], group);
  }
  for (const d_EditGroup& group : groups_) {
    if (group.Rows.size() > kRetPriSpecies) return FullMessage(group.Name);
    for (std::size_t r = 0; r < group.Rows.size(); ++r)
      if (std::string fault = CheckRow(group, r); !fault.empty()) return fault;
  }
  return "";
}

std::string c_RetPriEditor::Store(d_PrjData& project) const {
  if (std::string fault = Check(); !fault.empty()) return fault;
  project.RetPriSets.clear();
  for (const RetPriSetTexts& texts : sets_) {
    d_PrjRetPri& set = project.RetPriSets.emplace_back();
    const auto fields = set.Fields();
    for (std::size_t i = 0; i < texts.size(); ++i)
      *fields[i] = texts[i];
  }
  project.SpeciesGroups.clear();
  project.SpeciesRows.clear();
  for (const d_EditGroup& group : groups_) {
    project.SpeciesGroups.push_back({group.Name, group.Number});
    for (const SpeciesRowTexts& row : group.Rows)
      project.SpeciesRows.push_back({group.Name, row[0], row[1], row[2], row[3]});
  }
  const int chosen = FindSet(chosen_);
  project.RetPri = chosen >= 0 ? sets_[chosen][0] : std::string();
  return "";
}

}  // namespace sylvanor
