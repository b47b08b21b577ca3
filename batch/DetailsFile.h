#pragma once
// The details file of a batch: one CSV row per computed plot with every
// result the engine and the crown fire assessment hold for it, for data
// frame libraries and spreadsheets. A row of column names (snake_case, no
// blanks), a row of units, then the plots. Numbers are written in full (the
// shortest text that reads back as the same value), texts quoted only when
// they hold a comma, a quote or a line end. The batch computes in English
// units, so every unit is English. docs/details-file.md describes each
// column.

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "engine/CrownFireDriver.h"
#include "engine/Sylvanor.h"

namespace sylvanor {

// The four crown fire indices of the plot output line: at most 100, -1 when
// the crown fire model did not run.
struct d_OutputIndices {
  float PreTorch = -1, PreCrown = -1, PostTorch = -1, PostCrown = -1;
};

// What a details row is made from.
struct d_DetailsSource {
  const Sylvanor& Syl;
  const d_HalRun& Hal;
  const std::string& Plot;
  const std::string& Station;
  const std::string& Treatment;
  d_OutputIndices Indices;
};

// A column: its name, its unit, its value in a plot's row and what it
// means (as docs/details-file.md words it).
struct d_DetailsColumn {
  std::string_view Name, Unit;
  std::string (*Value)(const d_DetailsSource&);
  std::string_view Meaning;
};

// Every column, in the file's order.
std::span<const d_DetailsColumn> DetailsColumns();

// The two heading rows: the names, then the units.
std::string DetailsHeading();

// A plot's row.
std::string DetailsLine(const Sylvanor& syl, const d_HalRun& hal, const std::string& plot,
                        const std::string& station, const std::string& treatment,
                        const d_OutputIndices& indices);

}  // namespace sylvanor
