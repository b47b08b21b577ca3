#pragma once
// The output field table and the conversion of an execution's results for
// output: the values named in the table from English to metric units when
// metric output is asked for, and the layer loads of the canopy profiles to
// bulk density in every unit system.

#include <span>
#include <string>
#include <string_view>

#include "engine/Stand.h"
#include "stand/CanopyProfile.h"
#include "stand/CanopyTypes.h"

namespace sylvanor {

// One row of the output field table. A row without a print format is a
// heading: it only structures the dump and has neither units nor a value.
struct d_OutField {
  std::string_view Name;
  std::string_view Format;              // printf format of the value; empty for a heading
  std::string_view English;             // unit the engine computes the value in
  std::string_view Metric;              // unit after OU_ToMetric; selects its factor
  float& (*Value)(d_Stand&) = nullptr;  // where the value lives; none for a heading
};

constexpr bool OU_IsHeading(const d_OutField& field) {
  return field.Format.empty();
}

// The output fields of the stand after treatment, in dump order, headings
// included.
std::span<const d_OutField> OU_Table();

// Converts the value of every row of the table from its English unit to its
// metric unit; negative values (results not found) are left as they are.
// Units are compared exactly as written. When any row has a metric unit
// without a known conversion, no value is changed, message tells which row,
// and 0 is returned; otherwise message is left alone and 1 is returned.
int OU_ToMetric(d_Stand& stand, std::span<const d_OutField> table, std::string& message);

// The conversion at the end of an execution. The Load and RunMean arrays of
// the profile after treatment (stand.Post.Prof) and of the snapshot before it
// (pre) become bulk densities in kg/m3, each over its own layer counts and
// with its own layer width in feet, whatever the output units. With output
// units other than "English" (any case) the table's values of the stand are
// then converted to metric, message receiving the reason when that fails.
// The snapshot's other values stay in English units.
void OU_ConvertOutput(d_Stand& stand, d_Profile& pre, const std::string& outUnits,
                      std::string& message);

}  // namespace sylvanor
