// make_batch: writes a generated batch (bench/BatchGenerator.h) into a
// folder, for running the programs on it by hand or from a script.
//
//   make_batch FOLDER [--plots N] [--trees N] [--thin CRITERION TARGET]
//              [--burn SHARE] [--data DIR]
//
// Prints the batch's files as `name=path` lines (plot_file, tree_file,
// link_file, project_file, user_folder).

#include <CLI/CLI.hpp>

#include <iostream>
#include <string>
#include <vector>

#include "bench/BatchGenerator.h"

int main(int argc, char** argv) {
  sylvanor::d_BatchShape shape;
  std::string folder, data = SYLVANOR_DATA_DIR;
  std::vector<std::string> thin;
  CLI::App app{"Writes a generated batch into FOLDER"};
  app.add_option("folder", folder, "where the files go")->required();
  app.add_option("--plots", shape.plots, "plots");
  app.add_option("--trees", shape.treesPerPlot, "trees per plot");
  app.add_option("--thin", thin, "thinning criterion and target")->expected(2);
  app.add_option("--burn", shape.burnShare, "share of the plots thinned, piled and burned");
  app.add_option("--data", data, "the shipped data folder");
  CLI11_PARSE(app, argc, argv);
  if (thin.size() == 2) shape.thinCrit = thin[0], shape.thinTarget = thin[1];

  sylvanor::d_GeneratedBatch batch;
  std::string message;
  if (!sylvanor::GenerateBatch(folder, data, shape, batch, message)) {
    std::cerr << "make_batch: " << message << '\n';
    return 1;
  }
  std::cout << "plot_file=" << batch.files.Plot << "\ntree_file=" << batch.files.Tree
            << "\nlink_file=" << batch.files.Link << "\nproject_file=" << batch.files.Project
            << "\nuser_folder=" << batch.userFolder << '\n';
  return 0;
}
