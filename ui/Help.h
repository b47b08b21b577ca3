#pragma once
// The Help menu without the window: the user guide and the quick reference
// shipped beside the program, and the about text.

#include <filesystem>
#include <string>

namespace sylvanor {

inline constexpr const char* kVersion = "0.22";
inline constexpr const char* kUserGuide = "user-guide.html";
inline constexpr const char* kQuickReference = "quick-reference.txt";

// A help file as the viewer shows it: HTML or plain text, or why it could
// not be read.
struct d_HelpText {
  bool Ok = false;
  bool Html = false;  // the file's name ends in ".html"
  std::string Text;
  std::string Message;
};

// The help file `name` of the program's folder, its name matched without
// regard to case.
d_HelpText ReadHelp(const std::filesystem::path& programDir, const std::string& name);

// The about box: the program, its version and what it does.
std::string AboutText();

}  // namespace sylvanor
