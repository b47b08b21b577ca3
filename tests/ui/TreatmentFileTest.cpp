#include "ui/TreatmentFile.h"

#include <gtest/gtest.h>

#include "ui/MainWindowState.h"

namespace sylvanor {

namespace {

// A project of three treatments, "Burn Only" selected and in the name box.
void ThreeTreatments(c_MainWindowState& state) {
  for (const char* name : {"Thin Heavy", "Burn Only", "Light"})
    state.EditProject().Treatments.emplace_back().TreatName = name;
  state.EditProject().Treatment = state.Inputs().TreatName = "Burn Only";
}

}  // namespace

TEST(TreatmentFileTest, RenameAndDeleteKeepNamesUniqueAndTheSelectionFollows) {
  const char* unchanged = "Thin Heavy|Burn Only|Light|";
  const struct {
    int index;
    const char* rename;  // null: delete
    const char* message;
    const char* names;
    const char* selected;
  } rows[] = {
      {0, "", "A treatment needs a name", unchanged, "Burn Only"},
      {0, " $ ", "A treatment needs a name", unchanged, "Burn Only"},
      {0, "Burn Only", "A treatment named Burn Only already exists", unchanged, "Burn Only"},
      {2, "Burn$Only", "A treatment named Burn Only already exists", unchanged, "Burn Only"},
      {3, "Other", "No treatment is chosen", unchanged, "Burn Only"},
      {1, " Burn Late ", "", "Thin Heavy|Burn Late|Light|", "Burn Late"},
      {1, "Burn Only", "", unchanged, "Burn Only"},
      {0, "Thin Light", "", "Thin Light|Burn Only|Light|", "Burn Only"},
      {1, nullptr, "", "Thin Heavy|Light|", ""},
      {2, nullptr, "", "Thin Heavy|Burn Only|", "Burn Only"},
      {-1, nullptr, "-", unchanged, "Burn Only"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.index) + " to '" + (row.rename ? row.rename : "deleted") + "'");
    c_MainWindowState state;
    ThreeTreatments(state);
    std::string message;
    const bool ok = row.rename ? RenameTreatment(state, row.index, row.rename, message)
                               : DeleteTreatment(state, row.index);
    EXPECT_EQ(ok, *row.message == '\0');
    EXPECT_EQ(message, row.rename ? row.message : "");
    std::string names;
    for (const std::string& name : TreatmentNames(state.Project()))
      names += name + "|";
    EXPECT_EQ(names, row.names);
    EXPECT_EQ(state.Project().Treatment + "/" + state.Inputs().TreatName,
              std::string(row.selected) + "/" + row.selected);
  }
}

TEST(TreatmentFileTest, LoadingFillsTheBoxesThatSaveTreatmentReads) {
  c_MainWindowState state;
  ThreeTreatments(state);
  // every field a value of its own: loading then saving gives the record back
  const auto fields = state.EditProject().Treatments[0].Fields();
  for (std::size_t k = 1; k < fields.size(); ++k)
    *fields[k] = "v" + std::to_string(k);
  const d_PrjTreatment original = state.Project().Treatments[0];
  ASSERT_TRUE(LoadTreatment(state, 0));
  EXPECT_EQ(state.Project().Treatment, "Thin Heavy");
  EXPECT_EQ(state.Inputs().CutEff + state.Inputs().PileConsumed, "v3v13");
  ASSERT_TRUE(state.SaveTreatment());
  ASSERT_EQ(state.Project().Treatments.size(), 3u);
  for (std::size_t k = 0; k < fields.size(); ++k)
    EXPECT_EQ(state.Project().Treatments[0].Fields()[k]->str(), original.Fields()[k]->str())
        << kPrjTreatmentFieldNames[k];
  // an empty criterion reads "None"; an empty region keeps its box
  ASSERT_TRUE(LoadTreatment(state, 2));
  EXPECT_EQ(state.Inputs().ThinCrit + "/" + state.Inputs().Region, "None/v18");
  EXPECT_FALSE(LoadTreatment(state, 3));

  const std::vector<d_TreatmentRow> view = TreatmentView(original);
  ASSERT_EQ(view.size(), 20u);
  EXPECT_EQ(view[3].Caption + "=" + view[3].Value, "Cut efficiency (%)=v3");
  EXPECT_EQ(view[19].Caption + "=" + view[19].Value, "Season=v19");
}

}  // namespace sylvanor
