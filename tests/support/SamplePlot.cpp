#include "tests/support/SamplePlot.h"

namespace sylvanor {

std::filesystem::path SampleCopy(const std::filesystem::path& folder) {
  namespace fs = std::filesystem;
  const fs::path copy = folder / "sample";
  fs::create_directories(copy);
  for (const fs::directory_entry& file : fs::directory_iterator(SYLVANOR_DATA_DIR "/sample"))
    if (file.is_regular_file() && file.path().filename() != "SylvanorWarning.txt")
      fs::copy_file(file.path(), copy / file.path().filename(),
                    fs::copy_options::overwrite_existing);
  return copy;
}

std::unique_ptr<SamplePlot> CalculatedSamplePlot(int index) {
  auto plot = std::make_unique<SamplePlot>();
  c_MainWindowState& state = plot->state;
  const std::vector<std::string> shown =
      state.Start(SYLVANOR_PROGRAM_DIR, plot->folder.path() / "home");
  std::string message;
  const std::string sample = SampleCopy(plot->folder.path()).string() + "/";
  if (!shown.empty())
    plot->failure = shown.front();
  else if (!state.OpenProject(sample + "Sample.vxp", message) ||
           !state.LoadPlotFile(sample + "Sample.vxd", "VXD", message))
    plot->failure = message;
  else if (const d_ShowPlot plotShown = state.ShowPlot(index); !plotShown.Ok)
    plot->failure = plotShown.Message;
  else if (const d_CalcResult result = state.Calculate(); !result.Ok)
    plot->failure = result.Message;
  return plot;
}

}  // namespace sylvanor
