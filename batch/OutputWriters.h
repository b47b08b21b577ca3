#pragma once
// The batch's output files: the plot output file (one line per plot) and the
// emissions file beside it (three lines per plot, in the default or the
// expanded form). Each form's heading lines go before its first plot lines.

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "batch/Prescription.h"
#include "engine/Sylvanor.h"
#include "treat/EmissionFactors.h"

namespace sylvanor {

// The emissions file named from the output file: its folder and name
// without extension followed by "-Emis.csv".
std::string EmissionFileName(const std::string& outputFile);

// The plot output file: the two heading lines, and a plot's line from the
// engine's results and the four crown fire indices.
std::string OutputHeading();
// The numbers of a plot's output line in its order, from preCFL to HarMBFt:
// available canopy fuel, canopy bulk density, canopy base height, stand
// height, trees per acre, SDI, canopy cover, basal area, QMD and QD75 (each
// before and after treatment), the torching then the crowning index (before
// and after), then standing and harvested cubic feet, merchantable cubic
// feet and board feet.
inline constexpr std::size_t kOutputValues = 30;
using OutputValues = std::array<float, kOutputValues>;
OutputValues PlotOutputValues(const Sylvanor& syl, float preTorch, float preCrown, float postTorch,
                              float postCrown);
std::string OutputLine(const Sylvanor& syl, const std::string& plot, const std::string& station,
                       float preTorch, float preCrown, float postTorch, float postCrown);
// A line of the output values in `format`: the texts `before`, the values,
// then the texts `after`.
std::string FormatOutputValues(const char* format, const std::vector<std::string>& before,
                               const OutputValues& values,
                               const std::vector<std::string>& after = {});

// An emissions value: ",%4.2f" below 1, ",%4.1f" below 10, else ",%4.0f".
std::string EmissionValue(float value);

// The default emissions file: heading lines, and a plot's three lines
// (flaming, smoldering, total, each CO2, CO, CH4, NOX, SO2, PM2.5, PM10).
// The lines begin with `lead` (the plot and station columns) and the type.
std::string EmissionDefaultHeading();
std::string EmissionDefaultLines(const Sylvanor& syl, const std::string& plot,
                                 const std::string& station);
std::string EmissionDefaultRows(const Sylvanor& syl, const std::string& lead);

// The expanded emissions file: heading lines from the flaming group's
// components, and a plot's lines "STFS", "CWDRSC+Duff" and "Total".
std::string EmissionExpandHeading(const c_NES& nes, const d_EmisSettings& emis);
std::string EmissionExpandLines(const Sylvanor& syl, const c_NES& nes, const d_EmisSettings& emis,
                                const std::string& plot, const std::string& station);
std::string EmissionExpandRows(const Sylvanor& syl, const c_NES& nes, const d_EmisSettings& emis,
                               const std::string& lead);
// The headings of the flaming group's components that have a factor, each
// as ",%s" with its commas made semicolons; the codes when `codes`.
std::string EmissionComponentHeadings(const c_NES& nes, const d_EmisSettings& emis,
                                      bool codes = false);

// The canopy bulk density profile files (before and after treatment): the
// two heading lines ("Plot" and the heights 1 to 150), and a plot's line of
// 150 values, the layers of its vertical distribution (kg/m3) from the
// lowest, then -1 where it has no more layers.
inline constexpr int kProfileColumns = 150;
std::string ProfileHeading();
std::string ProfileLine(const std::string& plot, std::span<const float> layers, int layerCount);

// Which heading lines a batch's files have been given.
struct d_OutputHeadings {
  bool Output = false, EmisDefault = false, EmisExpand = false;
};

}  // namespace sylvanor
