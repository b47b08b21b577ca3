#include "batch/BatchFiles.h"

#include <filesystem>

#include "base/CFormat.h"
#include "batch/OutputWriters.h"
#include "platform/FileLookup.h"

namespace sylvanor {

std::vector<d_BatchPath> BatchInputs(const d_BatchFiles& files,
                                     const std::vector<d_BatchPath>& more) {
  std::vector<d_BatchPath> inputs;
  const auto add = [&inputs](const char* role, const std::string& path) {
    if (!path.empty()) inputs.push_back({role, FindFileNoCase(path).string()});
  };
  add("plot file", files.Plot);
  add("tree file", files.Tree);
  if (!files.Link.empty()) {
    add("link treatment file", files.Link);
    add("project file", files.Project);
  }
  for (const d_BatchPath& input : more)
    add(input.role.c_str(), input.path);
  return inputs;
}

std::vector<d_BatchPath> UserFolderInputs(const std::string& folder) {
  const std::filesystem::path path(folder);
  return {{"emission factor file", FindFileNoCase(path / "Emission_Factors.csv").string()},
          {"mortality equation file", FindFileNoCase(path / "qor_spp.csv").string()}};
}

std::vector<d_BatchPath> BatchOutputs(const d_BatchFiles& files) {
  std::vector<d_BatchPath> outputs = {{"output file", files.Output},
                                      {"emissions file", EmissionFileName(files.Output)},
                                      {"error file", files.Error}};
  if (!files.ProfilePre.empty())
    outputs.push_back({"canopy bulk density pre file", files.ProfilePre});
  if (!files.ProfilePost.empty())
    outputs.push_back({"canopy bulk density post file", files.ProfilePost});
  if (!files.Details.empty()) outputs.push_back({"details file", files.Details});
  return outputs;
}

std::string OutputClash(const std::vector<d_BatchPath>& inputs,
                        const std::vector<d_BatchPath>& outputs) {
  for (const d_BatchPath& out : outputs) {
    for (const d_BatchPath& in : inputs) {
      if (SameFile(out.path, in.path)) {
        return CFormat("The %s %s is the %s %s: writing it would destroy the %s. Name another %s.",
                       out.role, out.path, in.role, in.path, in.role, out.role);
      }
    }
  }
  for (std::size_t i = 0; i < outputs.size(); ++i) {
    for (std::size_t k = i + 1; k < outputs.size(); ++k) {
      const d_BatchPath& a = outputs[i];
      const d_BatchPath& b = outputs[k];
      // a device takes any number of writers: nothing is lost there
      if (ExistsAsNonFile(a.path) || !SameFile(a.path, b.path)) continue;
      return CFormat("The %s %s and the %s %s are the same file. Name a file of its own for each.",
                     a.role, a.path, b.role, b.path);
    }
  }
  return {};
}

}  // namespace sylvanor
