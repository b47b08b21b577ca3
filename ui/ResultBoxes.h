#pragma once
// The result boxes of the main window after "&Calculate", as texts: each
// box with its label and, where the stand has two states, its value before
// and after treatment. The widgets only show them.

#include <array>
#include <string>
#include <vector>

#include "batch/DetailsFile.h"
#include "engine/Sylvanor.h"

namespace sylvanor {

// A stand measure of both states: its label with its unit, its getters
// before and after treatment and the format its value is shown in.
struct d_MeasureGetters {
  const char* Label;
  float (Sylvanor::*Pre)() const;
  float (Sylvanor::*Post)() const;
  const char* Format;
};

inline constexpr std::array<d_MeasureGetters, 10> kStandMeasures = {
    {{"Trees (tpa)", &Sylvanor::Get_PreSteDen, &Sylvanor::Get_SteDen, "%1.1f"},
     {"Available canopy fuel (t/ac)", &Sylvanor::Get_PreAvailFuel, &Sylvanor::Get_AvailFuel,
      "%1.2f"},
     {"Canopy bulk density (kg/m3)", &Sylvanor::Get_Precbd, &Sylvanor::Get_cbd, "%1.3f"},
     {"Canopy base height (ft)", &Sylvanor::Get_Precbh, &Sylvanor::Get_cbh, "%1.1f"},
     {"Stand height (ft)", &Sylvanor::Get_Presh, &Sylvanor::Get_sh, "%1.1f"},
     {"Canopy cover (%)", &Sylvanor::Get_PreCanCov, &Sylvanor::Get_CanCov, "%1.1f"},
     {"Basal area (ft2/ac)", &Sylvanor::Get_PreBasal, &Sylvanor::Get_Basal, "%1.1f"},
     {"Stand density index", &Sylvanor::Get_PreStdDenIdx, &Sylvanor::Get_StdDenIdx, "%1.1f"},
     {"QMD (in)", &Sylvanor::Get_PreQuaMeaDia, &Sylvanor::Get_QuaMeaDia, "%1.2f"},
     {"QD75 (in)", &Sylvanor::Get_PreQd75, &Sylvanor::Get_Qd75, "%1.2f"}}};

struct d_ResultBox {
  std::string Group;      // "Stand", "Volumes", "Slash and piles", "Consumed", "After treatment"
  std::string Label;      // with its unit
  std::string Pre, Post;  // Pre empty for a value of one state
};

// Every result box from the engine's getters: stand measures and canopy
// fuel before and after treatment, standing and harvested volumes, slash,
// piles, what the burn consumed and the loads after treatment by component,
// the fuel models and the four crown fire indices (-1 when not run).
// Slash and load values take `decimals` decimals (1 to 3).
std::vector<d_ResultBox> ResultBoxes(const Sylvanor& syl, const d_OutputIndices& indices,
                                     int decimals);

// What a double click on the canopy bulk density or base height box shows.
std::string ThresholdText(const Sylvanor& syl);

}  // namespace sylvanor
