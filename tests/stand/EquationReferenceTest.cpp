#include "stand/EquationReference.h"

#include <gtest/gtest.h>

#include <array>

namespace sylvanor {

// No built-in equation has a paper yet, so every query answers 0.
TEST(EquationReference, NamesAndReferences) {
  const char* bogus = "Bogus Request sent in !";
  const char* noName = "No Species Name Found For Equation Id Code ???";
  const char* noPaper = "No Research Paper Reference Found - very strange ? ? ";
  const struct {
    const char *code, *item, *name, *reference;
  } rows[] = {
      {"PP", "Branches", "", bogus},     // no such item
      {"PY", "Total", noName, bogus},    // equations but no name row
      {"WF", "Foliage", noName, bogus},  // only a "VertDist" name
      {"pp", "vertdist", "Ponderosa Pine", noPaper},
      {"PS", "VertDist", "Ponderosa Pine Southwest", noPaper},
      {"RS", "Twig", "Red Spruce", noPaper},
      {"PB", "1Inch", "Paper Birch", noPaper},  // a name but no 1 in equation
  };
  for (const auto& r : rows) {
    std::string name = "old", reference = "old";
    EXPECT_EQ(ET_GetReference(r.code, r.item, name, reference), 0) << r.code << " " << r.item;
    EXPECT_EQ(name, r.name) << r.code << " " << r.item;
    EXPECT_EQ(reference, r.reference) << r.code << " " << r.item;
  }
  // a list is searched without case up to its first empty code
  const std::array<d_EqRef, 3> list = {{{"A1", "first"}, {"", ""}, {"B2", "after the end"}}};
  ASSERT_NE(ET_FindReference(list, "a1"), nullptr);
  EXPECT_EQ(*ET_FindReference(list, "a1"), "first");
  EXPECT_EQ(ET_FindReference(list, "B2"), nullptr);
  EXPECT_EQ(ET_FindReference(list, ""), nullptr);
}

}  // namespace sylvanor
