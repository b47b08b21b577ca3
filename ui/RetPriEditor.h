#pragma once
// The retention priority window without the window: the project's
// retention priority sets as rows of texts, its species groups with their
// species rows, the edits the window makes to them, and the check and
// store when the user accepts the window. The project itself is only
// changed by Store, and only when every text passes the check.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "io/ProjectFile.h"

namespace sylvanor {

// A column of the sets grid: the field of the project record it shows, its
// heading and the tip that says what the user types there.
struct d_RetPriColumn {
  std::string_view Field;
  std::string_view Caption;
  std::string_view Tip;
};

inline constexpr std::array<d_RetPriColumn, kPrjRetPriFields> kRetPriColumns = {{
    {"Name", "Name", "Name of the retention priority set"},
    {"Desc", "Description", "What the set is for"},
    {"Healthy", "Healthy (H)", "Weight of a healthy tree (status H), 0 to 1"},
    {"Unhealthy", "Unhealthy (U)", "Weight of an unhealthy tree (status U), 0 to 1"},
    {"Sick", "Sick (S)", "Weight of a sick tree (status S), 0 to 1"},
    {"Dead", "Dead (D)", "Weight of a dead tree (status D), 0 to 1"},
    {"Dominant", "Dominant (D)", "Weight of crown class D, 0 to 1"},
    {"Codominant", "Codominant (C)", "Weight of crown class C, 0 to 1"},
    {"Intermediate", "Intermediate (I)", "Weight of crown class I, 0 to 1"},
    {"Emergent", "Emergent (E)", "Weight of crown class E, 0 to 1"},
    {"Suppressed", "Suppressed (S)", "Weight of crown class S, 0 to 1"},
    {"OpenGrown", "Open grown (O)", "Weight of crown class O, 0 to 1"},
    {"None", "No class (N)", "Weight of crown class N, 0 to 1"},
    {"CRspec", "Crown ratio factor at 0.1 (CRs)",
     "Crown ratio factor of a tree whose crown ratio is 0.1, 0 to 1"},
    {"CRmax", "Crown ratio for factor 1 (CRm)",
     "Crown ratio from which the crown ratio factor is 1, 0 to 1"},
    {"Diameter", "Diameter factor at 0 DBH (Dia)",
     "Diameter factor of a tree of 0 DBH; it rises to 1 at the largest live DBH, 0 to 1"},
    {"SpeciesGroup", "Species group",
     "Species group whose rows give the species priorities (empty or _None: 0.5 for all)"},
}};

static_assert(
    [] {
      for (std::size_t i = 0; i < kPrjRetPriFields; ++i)
        if (kRetPriColumns[i].Field != std::string_view(kPrjRetPriFieldNames[i])) return false;
      return true;
    }(),
    "the sets grid shows the project record's fields in file order");

// The first and last weight columns of a set.
inline constexpr std::size_t kRetPriFirstWeight = 2;
inline constexpr std::size_t kRetPriGroupColumn = kPrjRetPriFields - 1;

// The species rows grid: species code (or "_Other"), DBH range
// (min <= DBH < max) and species priority factor (99: never thinned).
inline constexpr std::array<std::string_view, 4> kSpeciesColumns = {"Species", "Min DBH (in)",
                                                                    "Max DBH (in)", "Priority"};

// The species group that stands for no species rows; it is never saved with
// rows and stays in the project.
inline constexpr std::string_view kNoSpeciesGroup = "_None";

using RetPriSetTexts = std::array<std::string, kPrjRetPriFields>;
using SpeciesRowTexts = std::array<std::string, kSpeciesColumns.size()>;

struct d_EditGroup {
  std::string Name;
  int Number = 0;  // the window's number for the group
  std::vector<SpeciesRowTexts> Rows;
};

// Set and group names are the same name when they only differ in case,
// in blanks around them or in '$' for a blank.
bool SameEditName(const std::string& a, const std::string& b);

class c_RetPriEditor {
 public:
  c_RetPriEditor() = default;
  // The sets, groups and rows of the project, and its chosen set. A group
  // that only species rows name is added after the listed groups.
  explicit c_RetPriEditor(const d_PrjData& project);

  const std::vector<RetPriSetTexts>& Sets() const { return sets_; }
  const std::vector<d_EditGroup>& Groups() const { return groups_; }
  const std::string& Chosen() const { return chosen_; }

  // A new set named "Set <n>" (the first n not taken) with the weights of
  // no influence (1.0) and no species group; gives its index.
  std::size_t AddSet();
  void DeleteSet(std::size_t set);
  // One text of a set. A new name must not be empty nor the name of another
  // set; the message says why it was refused (nothing changed), "" when it
  // was taken. A renamed chosen set stays chosen.
  std::string EditSet(std::size_t set, std::size_t column, const std::string& text);
  // The four default sets: a default whose name a set already has gives
  // that set its description and weights (the set keeps its species group);
  // the others are added at the end with no species group.
  void LoadDefaultSets();

  // A group of a new name ("" or the reason it was refused).
  std::string AddGroup(const std::string& name);
  // Deleting a group deletes its rows; refused while a set uses it.
  std::string DeleteGroup(std::size_t group);
  // Renaming a group renames it in the sets that use it.
  std::string RenameGroup(std::size_t group, const std::string& name);
  // A new empty row at the end of the group; refused when the group holds
  // kRetPriSpecies rows already.
  std::string AddRow(std::size_t group);
  void DeleteRow(std::size_t group, std::size_t row);
  void EditRow(std::size_t group, std::size_t row, std::size_t column, const std::string& text);

  // The first fault of the texts, "" when there is none.
  std::string Check() const;
  // Check, then the sets, groups and rows into the project; the chosen set
  // stays chosen while a set of its name exists, else no set is chosen. On a
  // fault its message is returned and the project is left as it was.
  std::string Store(d_PrjData& project) const;

 private:
  int FindSet(const std::string& name) const;
  int FindGroup(const std::string& name) const;

  std::vector<RetPriSetTexts> sets_;
  std::vector<d_EditGroup> groups_;
  std::string chosen_;
};

}  // namespace sylvanor
