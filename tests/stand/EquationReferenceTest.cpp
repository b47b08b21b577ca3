#include "stand/EquationReference.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "stand/EqFun.h"

namespace sylvanor {

namespace {

constexpr const char* kNoPaper = "No Research Paper Reference Found - very strange ? ? ";

TEST(EquationReference, UnknownItem) {
  std::string name = "old", reference;
  EXPECT_EQ(ET_GetReference("PP", "Branches", name, reference), 0);
  EXPECT_EQ(name, "");
  EXPECT_EQ(reference, "Bogus Request sent in !");
}

TEST(EquationReference, CodeWithoutAGroupName) {
  std::string name, reference;
  // "PY" has equations but no name row; "WF" has only a "VertDist" name
  EXPECT_EQ(ET_GetReference("PY", "Total", name, reference), 0);
  EXPECT_EQ(name, "No Species Name Found For Equation Id Code ???");
  EXPECT_EQ(reference, "Bogus Request sent in !");
  EXPECT_EQ(ET_GetReference("WF", "Foliage", name, reference), 0);
  EXPECT_EQ(name, "No Species Name Found For Equation Id Code ???");
}

TEST(EquationReference, NamedCodesHaveNoPaper) {
  std::string name, reference;
  EXPECT_EQ(ET_GetReference("pp", "vertdist", name, reference), 0);
  EXPECT_EQ(name, "Ponderosa Pine");
  EXPECT_EQ(reference, kNoPaper);
  EXPECT_EQ(ET_GetReference("PS", "VertDist", name, reference), 0);
  EXPECT_EQ(name, "Ponderosa Pine Southwest");
  EXPECT_EQ(ET_GetReference("RS", "Twig", name, reference), 0);
  EXPECT_EQ(name, "Red Spruce");
  EXPECT_EQ(reference, kNoPaper);
  // an eastern code has a name but no 1 in equation, so no reference code
  EXPECT_EQ(ET_GetReference("PB", "1Inch", name, reference), 0);
  EXPECT_EQ(name, "Paper Birch");
  EXPECT_EQ(reference, kNoPaper);
}

TEST(EquationReference, Lists) {
  int bioMass = 0, vertDist = 0;
  for (const d_EqName& row : ET_NameList()) {
    if (row.Kind == "BioMass") ++bioMass;
    if (row.Kind == "VertDist") ++vertDist;
  }
  EXPECT_EQ(bioMass, 31);
  EXPECT_EQ(vertDist, 7);

  // the built-in list names no paper of any equation
  for (int i = 0; !EQ_Row(i).Code.empty(); ++i) {
    EXPECT_EQ(ET_FindReference(ET_ReferenceList(), EQ_Row(i).RefCode), nullptr);
  }

  // a list is searched without case up to its first empty code
  const std::array<d_EqRef, 3> list = {{{"A1", "first"}, {"", ""}, {"B2", "after the end"}}};
  ASSERT_NE(ET_FindReference(list, "a1"), nullptr);
  EXPECT_EQ(*ET_FindReference(list, "a1"), "first");
  EXPECT_EQ(ET_FindReference(list, "B2"), nullptr);
  EXPECT_EQ(ET_FindReference(list, ""), nullptr);
}

}  // namespace

}  // namespace sylvanor
