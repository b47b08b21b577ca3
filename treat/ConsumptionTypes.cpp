#include "treat/ConsumptionTypes.h"

#include "base/Keyword.h"

namespace sylvanor {

namespace {

struct d_CoverName {
  std::string_view Name, Code;
  CoverGroup Group;
};

constexpr std::array<d_CoverName, 11> kCoverNames = {{
    {"GrassGroup", "GG", CoverGroup::Grass},
    {"ShrubGroup", "SG", CoverGroup::Shrub},
    {"ShrubGroupChaparral", "SGC", CoverGroup::ShrubChaparral},
    {"Sagebrush", "SB", CoverGroup::Sagebrush},
    {"Pocosin", "PC", CoverGroup::Pocosin},
    {"Ponderosa", "PN", CoverGroup::Ponderosa},
    {"WhiPinHem", "WPH", CoverGroup::WhiPinHem},
    {"RedJacPin", "RJP", CoverGroup::RedJacPin},
    {"BalBRWSpr", "BBS", CoverGroup::BalBRWSpr},
    {"PinFlaWoo", "PFL", CoverGroup::PinFlaWoo},
    {"CoastPlain", "CP", CoverGroup::CoastPlain},
}};

}  // namespace

CoverGroup CON_CoverGroup(std::string_view text) {
  if (text.empty()) return CoverGroup::None;
  for (const d_CoverName& c : kCoverNames) {
    if (SameKeyword(text, c.Name) || SameKeyword(text, c.Code)) return c.Group;
  }
  return CoverGroup::Invalid;
}

}  // namespace sylvanor
