#include "ui/StartUp.h"

#include <gtest/gtest.h>

#include "tests/support/BatchFiles.h"
#include "tests/support/Files.h"

namespace sylvanor {

namespace {

namespace fs = std::filesystem;

TEST(StartUp, EmissionListsByKindWithTheirDefaultGroups) {
  c_NES nes;
  std::string message;
  ASSERT_GT(nes.LoadFile(SYLVANOR_DATA_DIR "/Emission_Factors.csv", message), 0) << message;
  const d_EmisLists lists = EmissionLists(nes);
  const auto selected = [](const std::vector<d_EmisChoice>& list, int k) {
    return k < 0 ? std::string("none") : list[static_cast<std::size_t>(k)].Group;
  };
  EXPECT_EQ(selected(lists.Flame, lists.FlameDefault) + selected(lists.Duff, lists.DuffDefault) +
                selected(lists.Coarse, lists.CoarseDefault),
            "387");
  EXPECT_EQ(lists.Flame.size() + lists.Duff.size() + lists.Coarse.size(),
            static_cast<std::size_t>(nes.GroupCount()));
}

// The start-up on an empty data home: the folder made and filled, the
// settings file naming the sample project, the factor table loaded.
class WindowStart : public BatchHomeTest {};

TEST_F(WindowStart, AnEmptyDataHomeGetsTheUserFolderAndItsProject) {
  fs::remove_all(user_);
  MakeShippedUserFolder(temp_.path() / "shipped");
  fs::copy_file(temp_.path() / "shipped" / "Emission_Factors.csv",
                temp_.path() / "Emission_Factors.csv", fs::copy_options::overwrite_existing);
  c_NES nes;
  const d_WindowStart start = WindowStartUp(temp_.path(), home_, nes);
  ASSERT_EQ(start.Folder.result, 1) << start.Folder.message;
  EXPECT_TRUE(start.Folder.created);
  EXPECT_EQ(start.Project, (user_ / "VX_Sample.vxp").string());
  EXPECT_EQ(start.EmisMessage, "");
  EXPECT_GT(nes.GroupCount(), 3);
  std::string message;
  ASSERT_EQ(WriteSettingsProject(user_, "/p/other project.vxp", message), 1) << message;
  EXPECT_EQ(ReadSettingsProject(user_), "/p/other project.vxp");
}

}  // namespace

}  // namespace sylvanor
