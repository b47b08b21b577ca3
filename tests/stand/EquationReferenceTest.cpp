#include "stand/EquationReference.h"

#include <gtest/gtest.h>

#include <tuple>

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
    const int found = ET_GetReference(r.code, r.item, name, reference);
    EXPECT_EQ(std::tuple(found, name, reference), std::tuple(0, r.name, r.reference))
        << r.code << " " << r.item;
  }
}

}  // namespace sylvanor
