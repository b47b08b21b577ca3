#pragma once
// The colours of the chart series, kept in the user folder in the keyword
// file "Chart-Colors.txt": one line per series, its keyword and its colour
// ("PreTreatment #0072b2"); blank lines and lines led by '#' are comments.

#include <array>
#include <filesystem>
#include <string>

namespace sylvanor {

inline constexpr const char* kChartColorsFile = "Chart-Colors.txt";

// Colours as "#rrggbb". The defaults are of a palette told apart with every
// common kind of colour blindness.
struct d_ChartColors {
  std::string PreTreatment = "#0072b2";   // blue
  std::string PostTreatment = "#e69f00";  // orange
  std::string Threshold = "#000000";      // black
  std::string Intensity = "#d55e00";      // vermilion
  std::string Pollutant = "#009e73";      // bluish green
};

// A series' keyword in the file, its caption in the settings window and
// its member.
struct d_ChartColorName {
  const char* Keyword;
  const char* Caption;
  std::string d_ChartColors::*Member;
};

inline constexpr std::array<d_ChartColorName, 5> kChartColorNames = {
    {{"PreTreatment", "Pre-treatment", &d_ChartColors::PreTreatment},
     {"PostTreatment", "Post-treatment", &d_ChartColors::PostTreatment},
     {"Threshold", "Threshold", &d_ChartColors::Threshold},
     {"Intensity", "Fire intensity", &d_ChartColors::Intensity},
     {"Pollutant", "Pollutant", &d_ChartColors::Pollutant}}};

// True for "#" and six hexadecimal digits (either case).
bool IsColorText(const std::string& text);

// The colours of the user folder's file. A missing file gives the
// defaults; a series whose line is missing, or whose colour is not
// "#rrggbb", keeps its default. Keywords are compared without case.
d_ChartColors ReadChartColors(const std::filesystem::path& userFolder);

// Writes every colour to the user folder's file; 1, or 0 with the reason in
// `message` (nothing written when a colour is not "#rrggbb").
int WriteChartColors(const std::filesystem::path& userFolder, const d_ChartColors& colors,
                     std::string& message);

}  // namespace sylvanor
