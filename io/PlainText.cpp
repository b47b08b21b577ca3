#include "io/PlainText.h"

#include <array>
#include <fstream>
#include <iterator>
#include <string_view>
#include <vector>

#include "base/CFormat.h"
#include "base/TextUtil.h"

namespace sylvanor {

namespace {

constexpr std::size_t kFuelValues = 20;
constexpr std::size_t kTreeValues = 9;

bool ToFloat(std::string_view word, float& value) {
  double number = 0;
  if (!ReadNumber(word, number)) return false;
  value = static_cast<float>(number);
  return true;
}

}  // namespace

d_PlotFuelLoad LoadFuelText(const std::string& fileName) {
  d_PlotFuelLoad load;
  std::ifstream file(fileName, std::ios::binary);
  if (!file) {
    load.message = CFormat("Can't open fuel file: %s \n", fileName);
    return load;
  }
  d_SurfaceFuel& f = load.fuel.Loads;
  const std::array<float*, kFuelValues> targets = {
      &f.Litter, &f.Duff,   &f.Lichen, &f.Moss,   &f.Shrub,  &f.Grass,  &f.Hr1,
      &f.Hr10,   &f.Hr100,  &f.Snd[0], &f.Snd[1], &f.Snd[2], &f.Snd[3], &f.Snd[4],
      &f.Rot[0], &f.Rot[1], &f.Rot[2], &f.Rot[3], &f.Rot[4], &f.Pile};
  // the values may stand on one line or on many
  const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  const std::vector<std::string_view> words = SplitWords(text, kFuelValues);
  std::size_t count = 0;
  while (count < words.size() && ToFloat(words[count], *targets[count]))
    ++count;
  if (count < kFuelValues) {
    load.message = CFormat("Error in fuel file: %s \n value %d of 20 is missing or not a number\n",
                           fileName, static_cast<int>(count) + 1);
    return load;
  }
  load.ok = true;
  return load;
}

d_PlotTrees LoadTreeText(const std::string& fileName) {
  d_PlotTrees trees;
  std::ifstream file(fileName, std::ios::binary);
  if (!file) {
    trees.message = CFormat("Can't open tree file: %s \n", fileName);
    return trees;
  }
  int lineNumber = 0;
  for (std::string line; std::getline(file, line);) {
    ++lineNumber;
    const std::vector<std::string_view> words = SplitWords(line);
    if (words.empty()) continue;
    d_GridTree tree;
    tree.Num = CFormat("%d", static_cast<int>(trees.trees.size()) + 1);
    tree.RetPri = 0;
    bool good = words.size() == kTreeValues;
    if (good) {
      tree.Species = words[0];
      tree.CrnCls = words[4];
      tree.Status = words[5];
      tree.Snag = words[6];
      good = ToFloat(words[1], tree.DBH) && ToFloat(words[2], tree.Hgt) &&
             ToFloat(words[3], tree.CrnHgt) && ToFloat(words[7], tree.TPA) &&
             ToFloat(words[8], tree.RetPri);
    }
    if (!good) {
      trees.message = CFormat(
          "Error in tree file: %s \n line %d needs nine values: species, DBH, height, crown base "
          "height, crown class, status, snag, TPA and retention priority\n",
          fileName, lineNumber);
      return trees;
    }
    trees.trees.push_back(tree);
  }
  trees.ok = true;
  return trees;
}

}  // namespace sylvanor
