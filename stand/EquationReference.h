#pragma once
// Names and literature references of the built-in crown biomass and vertical
// distribution equations, for the equation table window.

#include <span>
#include <string>
#include <string_view>

namespace sylvanor {

// A species group an equation code was fitted for. Kind is "BioMass" or
// "VertDist".
struct d_EqName {
  std::string_view Code;
  std::string_view Kind;
  std::string_view Name;
};

// A literature reference; an empty code ends the list.
struct d_EqRef {
  std::string_view Code;
  std::string_view Text;
};

// The species group name list.
std::span<const d_EqName> ET_NameList();

// The literature reference list, ending row included.
std::span<const d_EqRef> ET_ReferenceList();

// Text of a reference code (without case) in `list`, searched until its
// first empty code; nullptr when it is not there.
const std::string_view* ET_FindReference(std::span<const d_EqRef> list, std::string_view code);

// Names the species group of an equation code and its reference for one of
// the items "Total", "Foliage", "Twig", "1Inch", "3Inch", "3PlusInch" or
// "VertDist". Returns 1 with both found; 0 otherwise, with `reference`
// telling what was missing.
int ET_GetReference(const std::string& code, const std::string& item, std::string& name,
                    std::string& reference);

}  // namespace sylvanor
