#include "batch/BatchFiles.h"

#include <gtest/gtest.h>

#include "tests/support/TempFolder.h"

namespace sylvanor {

TEST(BatchFiles, NoOutputTakesTheFileOfAnInputOrOfAnotherOutput) {
  TempFolder t;
  const std::string dir = t.path().string() + "/";
  for (const char* name : {"plots.vxd", "trees.tre", "link.csv", "prj.vxp", "EF.csv"})
    t.Write(name, "x");
  std::filesystem::create_directory(t.path() / "sub");
  const d_BatchFiles base{dir + "plots.vxd",
                          dir + "trees.tre",
                          dir + "link.csv",
                          dir + "prj.vxp",
                          dir + "out.csv",
                          dir + "err.txt",
                          "",
                          ""};
  const std::vector<d_BatchPath> more = {{"emission factor file", dir + "ef.csv"}};  // any case
  const auto clash = [&](std::string d_BatchFiles::*field, const std::string& path) {
    d_BatchFiles files = base;
    files.*field = path;
    std::string message = OutputClash(BatchInputs(files, more), BatchOutputs(files));
    for (std::size_t at; (at = message.find(dir)) != std::string::npos;)
      message.erase(at, dir.size());
    return message;
  };
  const std::tuple<std::string d_BatchFiles::*, std::string, std::string> rows[] = {
      {&d_BatchFiles::Error, dir + "err2.txt", ""},
      {&d_BatchFiles::Output, dir + "sub/../plots.vxd",
       "The output file sub/../plots.vxd is the plot file plots.vxd: writing it would destroy the "
       "plot file. Name another output file."},
      {&d_BatchFiles::Error, dir + "trees.tre",
       "The error file trees.tre is the tree file trees.tre: writing it would destroy the tree "
       "file. Name another error file."},
      {&d_BatchFiles::Output, dir + "link.csv", "The output file link.csv is the link treatment"},
      {&d_BatchFiles::Output, dir + "prj.vxp", "The output file prj.vxp is the project file"},
      {&d_BatchFiles::Error, dir + "EF.csv", "The error file EF.csv is the emission factor file"},
      {&d_BatchFiles::Output, dir + "link.csv.", ""},
      // the emissions file beside the output: run.csv writes run-Emis.csv
      {&d_BatchFiles::Output, dir + "prj-Emis.csv", ""},
      {&d_BatchFiles::Error, dir + "out.csv",
       "The output file out.csv and the error file out.csv are the same file. Name a file of its "
       "own for each."},
      {&d_BatchFiles::Error, dir + "sub/../out-Emis.csv",
       "The emissions file out-Emis.csv and the error file sub/../out-Emis.csv are the same"},
      {&d_BatchFiles::ProfilePre, dir + "err.txt", "The error file err.txt and the canopy bulk"},
      {&d_BatchFiles::Error, "/dev/null", ""},
  };
  for (const auto& [field, path, message] : rows) {
    const std::string found = clash(field, path);
    EXPECT_EQ(message.empty() ? found : found.substr(0, message.size()), message) << path;
  }
}

}  // namespace sylvanor
