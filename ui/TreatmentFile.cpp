#include "ui/TreatmentFile.h"

#include <algorithm>

#include "base/CFormat.h"
#include "ui/MainWindowState.h"

namespace sylvanor {

namespace {

// The treatment at `index`, or null.
d_PrjTreatment* At(c_MainWindowState& state, int index) {
  auto& list = state.EditProject().Treatments;
  if (index < 0 || index >= static_cast<int>(list.size())) return nullptr;
  return &list[static_cast<std::size_t>(index)];
}

// The selection and the main window's name box: each that names `from`
// takes `to` (a treatment without a name is never the selected one).
void Follow(c_MainWindowState& state, const std::string& from, const std::string& to) {
  if (Prj_WordToName(from).empty()) return;
  for (std::string* name : {&state.EditProject().Treatment, &state.Inputs().TreatName})
    if (Prj_SameName(*name, from)) *name = to;
}

}  // namespace

std::vector<std::string> TreatmentNames(const d_PrjData& project) {
  std::vector<std::string> names;
  for (const d_PrjTreatment& t : project.Treatments)
    names.push_back(t.TreatName.str());
  return names;
}

std::vector<d_TreatmentRow> TreatmentView(const d_PrjTreatment& treatment) {
  std::vector<d_TreatmentRow> rows;
  for (const d_TreatmentField& f : kTreatmentFields)
    rows.push_back({std::string(f.Caption), (treatment.*f.Field).str()});
  return rows;
}

bool RenameTreatment(c_MainWindowState& state, int index, const std::string& name,
                     std::string& message) {
  d_PrjTreatment* t = At(state, index);
  if (!t) {
    message = "No treatment is chosen";
    return false;
  }
  const std::string wanted = PrjField(Prj_WordToName(name)).str();
  if (wanted.empty()) {
    message = "A treatment needs a name";
    return false;
  }
  const auto& list = state.Project().Treatments;
  const bool taken = std::any_of(list.begin(), list.end(), [&](const d_PrjTreatment& other) {
    return &other != t && Prj_SameName(other.TreatName.str(), wanted);
  });
  if (taken) {
    message = CFormat("A treatment named %s already exists", wanted);
    return false;
  }
  const std::string old = t->TreatName.str();
  t->TreatName = wanted;
  Follow(state, old, wanted);
  message.clear();
  return true;
}

bool DeleteTreatment(c_MainWindowState& state, int index) {
  const d_PrjTreatment* t = At(state, index);
  if (!t) return false;
  const std::string old = t->TreatName.str();
  auto& list = state.EditProject().Treatments;
  list.erase(list.begin() + index);
  Follow(state, old, "");
  return true;
}

bool LoadTreatment(c_MainWindowState& state, int index) {
  const d_PrjTreatment* t = At(state, index);
  if (!t) return false;
  d_WindowInputs& in = state.Inputs();
  for (const d_TreatmentField& f : kTreatmentFields) {
    const std::string& value = (t->*f.Field).str();
    const bool choice = f.Box == &d_WindowInputs::Region || f.Box == &d_WindowInputs::Season;
    if (!(choice && value.empty())) in.*f.Box = value;
  }
  if (in.ThinCrit.empty()) in.ThinCrit = "None";
  state.EditProject().Treatment = in.TreatName;
  return true;
}

}  // namespace sylvanor
