#pragma once
// The window's start-up, without the window: the user folder made ready (as
// sylvanor-batch makes it), the project the settings file names, and the
// emission factor table with the three lists the window offers from it.

#include <filesystem>
#include <string>
#include <vector>

#include "batch/UserFolderSetup.h"
#include "treat/EmissionFactors.h"

namespace sylvanor {

// One choice of an emission factor list: a group number and its cover type.
struct d_EmisChoice {
  std::string Group, Cover;
};

// The window's three emission factor lists, each with the choice selected
// at first (-1 when the list has none): short-term flaming and smoldering
// (group 3 by default), duff residual smoldering (group 8) and coarse wood
// residual smoldering (group 7), in the table's order.
struct d_EmisLists {
  std::vector<d_EmisChoice> Flame, Duff, Coarse;
  int FlameDefault = -1, DuffDefault = -1, CoarseDefault = -1;
};

d_EmisLists EmissionLists(const c_NES& nes);

// The project file the user folder's settings file names (its first line,
// trimmed); empty when there is none.
std::string ReadSettingsProject(const std::filesystem::path& userFolder);

// Writes the settings file naming `project`; 1, or 0 with the reason in
// `message`.
int WriteSettingsProject(const std::filesystem::path& userFolder, const std::string& project,
                         std::string& message);

// What the start-up found.
struct d_WindowStart {
  d_UserFolderSetup Folder;  // the user folder, or why it is not ready
  std::string Project;       // the project to open; empty for none
  std::string EmisMessage;   // why the emission factor table could not be read
};

// Makes the user folder ready (from VX-UD.txt in `programDir` under
// `dataHome`), reads the settings file and loads the emission factor table
// of the user folder into `nes`.
d_WindowStart WindowStartUp(const std::filesystem::path& programDir,
                            const std::filesystem::path& dataHome, c_NES& nes);

}  // namespace sylvanor
