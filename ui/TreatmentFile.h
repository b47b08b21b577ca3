#pragma once
// The treatment file window without the window: the project's named
// treatments, one of them shown field by field, renamed, deleted or loaded
// into the main window's treatment boxes. "Save Treatment" on the main
// window adds them (c_MainWindowState::SaveTreatment).

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "io/ProjectFile.h"
#include "ui/WindowInputs.h"

namespace sylvanor {

class c_MainWindowState;

// A field of a treatment: its heading, the record's field and the main
// window's box that holds it.
struct d_TreatmentField {
  std::string_view Caption;
  PrjField d_PrjTreatment::*Field;
  std::string d_WindowInputs::*Box;
};

// The twenty fields in the record's order.
inline constexpr std::array<d_TreatmentField, kPrjTreatmentFields> kTreatmentFields = {{
    {"Treatment name", &d_PrjTreatment::TreatName, &d_WindowInputs::TreatName},
    {"Thinning criterion", &d_PrjTreatment::ThinType, &d_WindowInputs::ThinCrit},
    {"Thin to target", &d_PrjTreatment::ThinCriteria, &d_WindowInputs::ThinTarget},
    {"Cut efficiency (%)", &d_PrjTreatment::ThinCutEff, &d_WindowInputs::CutEff},
    {"Merchantable diameter (in)", &d_PrjTreatment::ThinSubMerc, &d_WindowInputs::MerchDia},
    {"Log top diameter (in)", &d_PrjTreatment::ThinTopDiam, &d_WindowInputs::TopDia},
    {"Yarding loss (%)", &d_PrjTreatment::ThinYardLose, &d_WindowInputs::YardLoss},
    {"Minimum DBH cut (in)", &d_PrjTreatment::ThinMinCut, &d_WindowInputs::MinDia},
    {"Maximum DBH cut (in)", &d_PrjTreatment::ThinMaxCut, &d_WindowInputs::MaxDia},
    {"Prune height (ft)", &d_PrjTreatment::PruneHgt, &d_WindowInputs::PruneHgt},
    {"Minimum residual crown ratio (%)", &d_PrjTreatment::PruneMRCR, &d_WindowInputs::PruneMRCR},
    {"Surface fuel piled (%)", &d_PrjTreatment::PilExiGro, &d_WindowInputs::PileSurface},
    {"Slash piled (%)", &d_PrjTreatment::PileSlash, &d_WindowInputs::PileSlash},
    {"Pile consumed (%)", &d_PrjTreatment::PilePercentBurn, &d_WindowInputs::PileConsumed},
    {"Scorch height (ft)", &d_PrjTreatment::BBSchHgt, &d_WindowInputs::ScorchHgt},
    {"10-hour moisture (%)", &d_PrjTreatment::BB10HrMoist, &d_WindowInputs::Moist10Hr},
    {"1000-hour moisture (%)", &d_PrjTreatment::BB1kHrMoist, &d_WindowInputs::Moist1kHr},
    {"Duff moisture (%)", &d_PrjTreatment::BBDuffMoist, &d_WindowInputs::DuffMoist},
    {"Region", &d_PrjTreatment::BBRegion, &d_WindowInputs::Region},
    {"Season", &d_PrjTreatment::BBSeason, &d_WindowInputs::Season},
}};

// The project's treatment names, in the project's order.
std::vector<std::string> TreatmentNames(const d_PrjData& project);

struct d_TreatmentRow {
  std::string Caption, Value;
};

// A treatment as the window shows it: one (heading, value) row per field.
std::vector<d_TreatmentRow> TreatmentView(const d_PrjTreatment& treatment);

// Renames treatment `index`. The name is trimmed and cut to what a record
// holds; an empty name or one another treatment has (Prj_SameName) is
// refused with the reason in `message`. When the treatment was the selected
// one, the selection and the main window's name box follow the new name.
bool RenameTreatment(c_MainWindowState& state, int index, const std::string& name,
                     std::string& message);

// Deletes treatment `index` (false when there is none). When it was the
// selected one, the selection and the main window's name box are emptied.
bool DeleteTreatment(c_MainWindowState& state, int index);

// "Load into window": treatment `index`'s values into the main window's
// treatment boxes (an empty criterion reads "None", an empty region or
// season leaves its box), and it becomes the selected treatment. False
// when there is none; the include switches are left as they are.
bool LoadTreatment(c_MainWindowState& state, int index);

}  // namespace sylvanor
