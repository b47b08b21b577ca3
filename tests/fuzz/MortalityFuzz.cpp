// Fuzz target for the mortality species equation file and the mortality
// equations: the bytes are read as a whole file, then every record's species
// is run through the mortality computation for trees of every size the tree
// list admits, derived from the same bytes. A probability is always 0 to 1,
// or -1 with a message.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "stand/MortalitySpecies.h"
#include "treat/BarkThickness.h"
#include "treat/Mortality.h"

namespace sylvanor {

namespace {

// A number from 0 to `top` taken from the bytes at `at`.
float Scaled(const uint8_t* data, size_t size, size_t at, float top) {
  if (size == 0) return 0.0f;
  const unsigned v = data[at % size] * 256u + data[(at + 1) % size];
  return top * static_cast<float>(v) / 65535.0f;
}

}  // namespace

}  // namespace sylvanor

using namespace sylvanor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream file(std::string(reinterpret_cast<const char*>(data), size));
  MortalityTable table;
  MRT_ReadSpe(file, table);
  if (table.size() > kMortalityRecords) __builtin_trap();

  std::string message;
  size_t at = 0;
  for (const d_MortSpe& record : table) {
    if (record.Species.empty()) __builtin_trap();
    d_MI mi;
    mi.Species = record.Species.str();
    mi.EqType = "CRNSCH";
    mi.TPA = 10;
    mi.DBH = Scaled(data, size, at, 300.0f);
    mi.Hgt = Scaled(data, size, at + 2, 1000.0f);
    mi.CR = Scaled(data, size, at + 4, 100.0f);
    mi.ScoFla = Scaled(data, size, at + 6, 300.0f);
    mi.ScoFlaKind = (data[at % size] & 1) ? "S" : "F";
    mi.FireSev = (data[at % size] & 2) ? "Low" : "";
    at += 8;
    const float p = MRT_CalcMngr(table, mi, message);
    if (std::isnan(p) || p != mi.Prob) __builtin_trap();
    if (p == -1.0f ? message.empty() : (p < 0.0f || p > 1.0f || !message.empty())) {
      __builtin_trap();
    }
    const float bark = SMT_CalcBarkThick(table, mi.Species, mi.DBH);
    if (std::isnan(bark) || (bark < 0.0f && bark != -1.0f)) __builtin_trap();
  }
  return 0;
}
