#include "tests/support/Files.h"

#include <fstream>
#include <sstream>

#include "base/CFormat.h"

namespace sylvanor {

std::string ReadFile(const std::filesystem::path& path) {
  std::ostringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

std::filesystem::path MakeShippedUserFolder(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  for (const char* name : {"qor_Spp.csv", "Emission_Factors.csv"}) {
    std::filesystem::copy_file(std::filesystem::path(SYLVANOR_DATA_DIR) / name, folder / name,
                               std::filesystem::copy_options::overwrite_existing);
  }
  return folder;
}

std::string WritePlotPair(const std::filesystem::path& folder, const std::string& name,
                          const std::string& plotRows, const std::string& treeRows) {
  const std::string plotFile = (folder / name).string();
  std::ofstream(plotFile, std::ios::binary) << "heading\n" << plotRows;
  std::ofstream(TreeFileName(plotFile), std::ios::binary) << "heading\n" << treeRows;
  return plotFile;
}

std::string WithPath(std::string text, const std::filesystem::path& path) {
  for (auto at = text.find('@'); at != std::string::npos; at = text.find('@', at + 1)) {
    text.replace(at, 1, path.string());
  }
  return text;
}

std::string CsvRows(const std::string& pattern, const std::string& rows) {
  std::string text;
  std::istringstream list(rows);
  for (std::string row; std::getline(list, row, ';'); text += "\n") {
    std::istringstream values(row);
    for (const char c : pattern) {
      std::string value(1, c);
      if (c == '%' && values >> value && value == "-") value.clear();
      text += value;
    }
  }
  return text;
}

std::string FuelText(const d_PlotFuel& fuel) {
  std::string text;
  const d_SurfaceFuel& f = fuel.Loads;
  for (const float load : {f.Litter, f.Duff,   f.Lichen, f.Moss,   f.Shrub,  f.Grass,  f.Hr1,
                           f.Hr10,   f.Hr100,  f.Snd[0], f.Snd[1], f.Snd[2], f.Snd[3], f.Snd[4],
                           f.Rot[0], f.Rot[1], f.Rot[2], f.Rot[3], f.Rot[4], f.Pile}) {
    text += (text.empty() ? "" : " ") + CFormat("%g", load);
  }
  return text;
}

std::string TreeText(const d_GridTree& t) {
  const auto text = [](const std::string& s) { return s.empty() ? std::string("-") : s; };
  return CFormat("%s %s %g %g %g %s %s %s %g %g", t.Num, t.Species, t.DBH, t.Hgt, t.CrnHgt,
                 text(t.CrnCls), text(t.Status), text(t.Snag), t.TPA, t.RetPri);
}

std::string TreesText(const d_PlotTrees& loaded) {
  std::string text;
  for (const d_GridTree& tree : loaded.trees)
    text += (text.empty() ? "" : "; ") + TreeText(tree);
  for (const d_PlotWarning& w : loaded.warnings)
    text += (w.deadTree ? "\ndead: " : "\n") + w.text;
  for (const std::string& refusal : loaded.refused)
    text += "\nrefused: " + refusal;
  return loaded.ok ? text : text + "\nfailed: " + loaded.message;
}

}  // namespace sylvanor
