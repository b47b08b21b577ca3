#pragma once
// The plot warnings file: the repairs of a plot load that the user should
// know about, written to "SylvanorWarning.txt" in the project folder, and the
// notice that tells the user about it.

#include <string>
#include <vector>

namespace sylvanor {

// One warning of a plot load. Warnings about dead trees are kept with the
// load but never written to the file.
struct d_PlotWarning {
  std::string text;
  bool deadTree = false;
};

// The plot warnings file of a project folder: the folder joined with
// "SylvanorWarning.txt", an existing file of that name in any case reused.
std::string PlotWarningsFileName(const std::string& projectFolder);

struct d_PlotWarningsFile {
  bool ok = false;      // the file could be opened
  int count = 0;        // warnings written
  std::string path;     // the file
  std::string message;  // why it could not be opened
};

// Writes the warnings of one plot load, replacing what the file held. The
// file's head (how to read the messages and the tree line's columns) goes in
// before the first warning written, so a load without warnings leaves the
// file empty. Each warning is written as a line (a line end is added when it
// has none) followed by a blank line; warnings about dead trees are left
// out. When the file cannot be opened nothing is written and `message` is
// "Error Opening Plot Warning File:\n %s" with the path.
d_PlotWarningsFile WritePlotWarnings(const std::string& projectFolder,
                                     const std::vector<d_PlotWarning>& warnings);

// What the window tells the user after a load that wrote warnings; the user
// answers Yes (open the file in a text viewer), No, or Cancel (no more of
// these notices for the current plot file).
struct d_PlotWarningsNotice {
  std::string title;
  std::string text;
};

// The notice for `count` warnings written to `path`; both texts empty when
// count is 0.
d_PlotWarningsNotice PlotWarningsNotice(int count, const std::string& path);

}  // namespace sylvanor
