// Fuzz target for the readers of the plot, project, link treatment and
// emission factor files: the bytes are read as each kind of file, and every
// row read goes through its layout's fuel mapping. Nothing may crash, hang
// or read out of bounds, whatever the file holds.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "io/LinkTreatment.h"
#include "io/PlotFuel.h"
#include "io/PlotLayouts.h"
#include "io/ProjectFile.h"
#include "treat/EmissionFactors.h"

namespace sylvanor {

namespace {

// Every row of a plot or tree file of one layout, at most as many as the
// bytes could hold.
template <class Row, class Map>
void ReadRows(const std::string& text, Map map) {
  std::istringstream file(text);
  Row row;
  std::string message;
  for (std::size_t n = 0; n <= text.size() && ReadRow(file, row, message) > 0; ++n)
    map(row);
}

}  // namespace

}  // namespace sylvanor

using namespace sylvanor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);

  ReadRows<d_VXDPlotRow>(text, [](const d_VXDPlotRow& r) { (void)VXD_PlotFuel(r); });
  ReadRows<d_PDQPlotRow>(text, [](const d_PDQPlotRow& r) {
    const d_PlotFuel fuel = PDQ_PlotFuel(r);
    // loads the mapping raises to 0 stay there
    if (fuel.Loads.Hr1 < 0 || fuel.Loads.Litter < 0 || fuel.Loads.Duff < 0) __builtin_trap();
  });
  ReadRows<d_KVTPlotRow>(text, [](const d_KVTPlotRow& r) {
    const d_PlotFuel fuel = KVT_PlotFuel(r);
    if (fuel.Loads.Hr1 < 0 || fuel.Loads.Litter < 0) __builtin_trap();
  });
  ReadRows<d_VXDTreeRow>(text, [](const d_VXDTreeRow&) {});
  ReadRows<d_PDQTreeRow>(text, [](const d_PDQTreeRow&) {});
  ReadRows<d_KVTTreeRow>(text, [](const d_KVTTreeRow&) {});

  std::istringstream project(text);
  PrjWords words;
  std::string line;
  (void)Prj_FindSw(project, "Thin", words, line);
  d_PrjTreatment treatment;
  (void)Prj_FindTreatment(project, treatment, 0);
  d_PrjRetPri set;
  (void)Prj_FindRetPri(project, set, 1);
  std::string group, species, minDia, maxDia, priority;
  (void)Prj_FindSpecies(project, group, species, minDia, maxDia, priority, 0);
  (void)Prj_AtoF(text);

  std::istringstream link(text);
  LTF_SkipHeader(link);
  d_LTF row;
  std::string message;
  for (std::size_t n = 0; n <= size && LTF_Get(link, row, message) > 0; ++n) {
  }

  std::istringstream emissions(text);
  c_NES table;
  if (table.Read(emissions, "fuzz", message) == 1) {
    float co = 0, co2 = 0, ch4 = 0, pm25 = 0, pm10 = 0, nox = 0, so2 = 0;
    if (table.Get_MajFactor("1", co, co2, ch4, pm25, pm10, nox, so2) != 1) __builtin_trap();
  }
  for (int i = 0; i < table.GroupCount(); ++i) {
    std::string number, cover;
    int mark = 0;
    (void)table.GetGrpCov(i, number, cover, mark);
  }
  return 0;
}
