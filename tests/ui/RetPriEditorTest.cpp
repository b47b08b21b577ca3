#include "ui/RetPriEditor.h"

#include <gtest/gtest.h>

#include <functional>

#include "io/ProjectData.h"
#include "tests/support/SamplePlot.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

// A project with the set "Thin Low" using the group "Fire Resistant" (two
// rows), the group "_None" and the chosen set "Thin Low".
d_PrjData Project() {
  d_PrjData p;
  d_PrjRetPri set;
  const char* texts[] = {"Thin Low", "Low", "1.0", "0.7", "0.2",           "0.0",
                         "1.0",      "0.9", "0.6", "1.0", "0.1",           "1.0",
                         "1.0",      "0.5", "0.6", "0.8", "Fire Resistant"};
  for (std::size_t i = 0; i < kPrjRetPriFields; ++i)
    *set.Fields()[i] = texts[i];
  p.RetPriSets = {set};
  p.RetPri = "Thin Low";
  p.SpeciesGroups = {{"_None", 0}, {"Fire Resistant", 1}};
  p.SpeciesRows = {{"Fire Resistant", "PIPO", "0", "20", "1.0"},
                   {"Fire Resistant", "_Other", "0", "999", "0.6"}};
  return p;
}

std::string Joined(const RetPriSetTexts& set) {
  std::string text;
  for (const std::string& t : set)
    text += (text.empty() ? "" : "|") + t;
  return text;
}

TEST(RetPriEditor, AnEditedSetAndItsRowsComeBackFromTheProjectFile) {
  d_PrjData project = Project();
  c_RetPriEditor editor(project);
  EXPECT_EQ(editor.EditSet(0, 10, "0.3"), "");  // Suppressed (S)
  EXPECT_EQ(editor.EditSet(0, 0, "Thin  Below "), "");
  ASSERT_EQ(editor.AddRow(1), "");
  for (std::size_t c = 0; c < 4; ++c)
    editor.EditRow(1, 2, c, std::array{"LAOC", "0", "18", "99"}[c]);
  ASSERT_EQ(editor.Store(project), "");
  // the renamed set stays chosen; blanks are written as '$'
  const std::string text = Prj_Text(project);
  EXPECT_NE(text.find("#RetPri-0 Thin$$Below Low 1.0 0.7 0.2 0.0 1.0 0.9 0.6 1.0 0.3 1.0 1.0 0.5 "
                      "0.6 0.8 Fire$Resistant\n"),
            std::string::npos);
  EXPECT_NE(text.find("#Species-2 Fire$Resistant LAOC 0 18 99\n"), std::string::npos);
  EXPECT_NE(text.find("#RetPri Thin$$Below\n"), std::string::npos);

  TempFolder folder;
  std::string message;
  const std::string path = (folder.path() / "p.vxp").string();
  ASSERT_EQ(Prj_WriteFile(path, project, message), 1) << message;
  d_PrjData read;
  ASSERT_EQ(Prj_ReadFile(path, read, message), 1) << message;
  const c_RetPriEditor back(read);
  ASSERT_EQ(back.Sets().size(), 1u);
  EXPECT_EQ(Joined(back.Sets()[0]), Joined(editor.Sets()[0]));
  ASSERT_EQ(back.Groups().size(), 2u);
  EXPECT_EQ(back.Groups()[1].Rows, editor.Groups()[1].Rows);
  EXPECT_EQ(back.Chosen(), "Thin  Below");
}

TEST(RetPriEditor, DefaultSetsReplaceTheWeightsOfASetOfTheirNameAndAddTheOthers) {
  d_PrjData project = Project();
  c_RetPriEditor editor(project);
  ASSERT_EQ(editor.EditSet(0, 0, "low"), "");  // the name matches without regard to case
  editor.LoadDefaultSets();
  const char* expected[] = {
      "low|Default Low Thinning|1.0|0.7|0.2|0.0|1.0|0.9|0.6|1.0|0.1|1.0|1.0|0.5|0.6|0.8|Fire "
      "Resistant",
      "None|Has no influence|1.0|1.0|1.0|1.0|1.0|1.0|1.0|1.0|1.0|1.0|1.0|1.0|1.0|1.0|",
      "High|Default High Thinning|1.0|0.7|0.2|0.0|0.4|0.5|1.0|0.1|1.0|1.0|1.0|0.5|0.6|0.6|",
      "Diam|Default diameter limit "
      "harvest|1.0|0.1|1.0|1.0|1.0|1.0|1.0|1.0|1.0|1.0|1.0|0.5|1.0|0.1|"};
  ASSERT_EQ(editor.Sets().size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i)
    EXPECT_EQ(Joined(editor.Sets()[i]), expected[i]) << "set " << i;
  ASSERT_EQ(editor.Store(project), "");
  EXPECT_NE(Prj_Text(project).find("#RetPri-3 Diam Default$diameter$limit$harvest 1.0 0.1 1.0 1.0 "
                                   "1.0 1.0 1.0 1.0 1.0 1.0 1.0 0.5 1.0 0.1 $\n"),
            std::string::npos);
}

TEST(RetPriEditor, TheFirstFaultIsToldAndNothingIsStored) {
  using Edit = std::function<std::string(c_RetPriEditor&)>;
  const auto row = [](const char* species, const char* min, const char* max, const char* pri) {
    return [=](c_RetPriEditor& e) {
      e.AddRow(1);
      for (std::size_t c = 0; c < 4; ++c)
        e.EditRow(1, 2, c, std::array{species, min, max, pri}[c]);
      return std::string();
    };
  };
  const std::string group = "Species group Fire Resistant, row 3: ";
  const struct {
    const char* name;
    Edit edit;
    std::string message;
  } cases[] = {
      {"weight 1.5", [](auto& e) { return e.EditSet(0, 4, "1.5"); },
       "Set Thin Low: Sick (S) must be a number from 0 to 1, not \"1.5\"."},
      {"weight x", [](auto& e) { return e.EditSet(0, 15, "x"); },
       "Set Thin Low: Diameter factor at 0 DBH (Dia) must be a number from 0 to 1, not \"x\"."},
      {"weight 0.5x", [](auto& e) { return e.EditSet(0, 2, "0.5x"); },
       "Set Thin Low: Healthy (H) must be a number from 0 to 1, not \"0.5x\"."},
      {"unknown group", [](auto& e) { return e.EditSet(0, 16, "Oaks"); },
       "Set Thin Low: species group Oaks does not exist."},
      {"min > max", row("ABGR", "20", "10", "1"),
       group + "Min DBH (in) 20 is above Max DBH (in) 10."},
      {"max x", row("ABGR", "0", "x", "1"), group + "Max DBH (in) must be a number, not \"x\"."},
      {"priority -1", row("ABGR", "0", "9", "-1"),
       group + "Priority must be a number of 0 or more (99: never thinned), not \"-1\"."},
      {"no species", row("", "0", "9", "1"), group + "enter a species code or _Other."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    d_PrjData project = Project();
    c_RetPriEditor editor(project);
    EXPECT_EQ(c.edit(editor), "");
    const std::string before = Prj_Text(project);
    EXPECT_EQ(editor.Store(project), c.message);
    EXPECT_EQ(Prj_Text(project), before);
  }
}

TEST(RetPriEditor, RefusedEditsLeaveTheSetsAndGroupsAsTheyWere) {
  using Edit = std::function<std::string(c_RetPriEditor&)>;
  const struct {
    const char* name;
    Edit edit;
    std::string message;
  } cases[] = {
      {"201st row",
       [](auto& e) {
         while (e.Groups()[1].Rows.size() < 200)
           e.AddRow(1);
         return e.AddRow(1);
       },
       "Species group Fire Resistant is full: it holds at most 200 species rows."},
      {"same name",
       [](auto& e) {
         e.AddSet();
         return e.EditSet(1, 0, " thin$LOW");
       },
       "There is already a retention priority set named Thin Low."},
      {"empty name", [](auto& e) { return e.EditSet(0, 0, " $ "); },
       "A retention priority set needs a name."},
      {"group in use", [](auto& e) { return e.DeleteGroup(1); },
       "Species group Fire Resistant is used by retention priority set Thin Low."},
      {"same group", [](auto& e) { return e.AddGroup("fire$resistant"); },
       "There is already a species group named Fire Resistant."},
      {"rows of _None", [](auto& e) { return e.AddRow(0); },
       "The species group _None holds no species rows."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    c_RetPriEditor editor(Project());
    EXPECT_EQ(c.edit(editor), c.message);
    EXPECT_EQ(editor.Sets()[0][0], "Thin Low");
    EXPECT_LE(editor.Groups()[1].Rows.size(), 200u);
  }
}

TEST(RetPriEditor, AStoredSetChangesTheRetentionPrioritiesOfTheGrid) {
  const auto plot = CalculatedSamplePlot();
  ASSERT_EQ(plot->failure, "");
  c_MainWindowState& state = plot->state;
  c_RetPriEditor editor(state.Project());
  ASSERT_EQ(Joined(editor.Sets()[0]).substr(0, 15), "Fire Resilient|");
  ASSERT_EQ(editor.Groups()[1].Rows[3][0] + editor.Groups()[1].Rows[3][2], "LAOC18");
  editor.EditSet(0, 7, "0.5");     // Codominant (C) 0.9
  editor.EditRow(1, 3, 3, "0.8");  // LAOC 0 <= DBH < 18: 1.0
  ASSERT_EQ(editor.Store(state.EditProject()), "");
  state.ApplyRetentionPriority();
  // tree 5: LAOC, DBH 12.3, height 66, crown base 45, C, H; largest live DBH
  // 25.4. r = (1 - 0.5) / (0.6 - 0.1) * ((66 - 45) / 66 - 0.6) + 1 = 0.718182,
  // d = 12.3 / 25.4 * (1 - 0.8) + 0.8 = 0.896850;
  // 1.0 * 0.8 * 0.5 * r * d = 0.25764 (0.5797 before, with 1.0 and 0.9)
  std::string rp = "no tree 5";
  for (const auto& tree : state.Inputs().Trees)
    if (tree[0] == "5" && tree[1] == "LAOC") rp = tree[9];
  EXPECT_EQ(rp, "0.2576");
}

}  // namespace

}  // namespace sylvanor
