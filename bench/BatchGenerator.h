#pragma once
// Synthetic batches for the batch throughput benchmark: a VXD plot file with
// its tree file, a link treatment file, a project file and a user folder,
// written into one folder.
//
// The stands are western conifer stands of the built-in species (dry
// ponderosa pine, dry and moist mixed conifer, Sierra mixed conifer,
// lodgepole pine and subalpine fir): a reverse-J diameter distribution, a
// height-diameter curve per species scaled by the plot's site, crown classes
// from each tree's height within its plot, crown ratios by crown class, and
// a few unhealthy, sick and dead trees. Tree rows come grouped by plot, in
// plot order, as an inventory writes them.
//
// Everything is drawn from one std::mt19937 with the given seed, and the
// draws are turned into values here (not by the standard library's
// distributions, whose results differ between library versions), so a
// seed gives the same files everywhere.

#include <cstdint>
#include <filesystem>
#include <string>

#include "batch/BatchRunner.h"

namespace sylvanor {

struct d_BatchShape {
  int plots = 1000;
  int treesPerPlot = 50;
  std::uint32_t seed = 20240611u;
  std::string name = "Stands";  // base name of the plot and tree files
  // the criterion and target of the thinning treatment
  std::string thinCrit = "BasalArea", thinTarget = "80";
  // the share of the plots (0 to 1) thinned, their ground fuel and slash
  // piled and a broadcast burn after it
  double burnShare = 0;
};

struct d_GeneratedBatch {
  d_BatchFiles files;      // plot, tree, link, project, output and error files
  std::string userFolder;  // holds qor_Spp.csv and Emission_Factors.csv
  int plots = 0;
  int treeRows = 0;   // rows of the tree file
  int thinPlots = 0;  // plots linked to the thinning treatment
};

// Writes the batch into `folder` (created when missing) and copies the
// mortality equation and emission factor files from `dataFolder` into the
// user folder "<folder>/user". Returns false with the reason in `message`
// when a file cannot be written or copied.
bool GenerateBatch(const std::filesystem::path& folder, const std::filesystem::path& dataFolder,
                   const d_BatchShape& shape, d_GeneratedBatch& batch, std::string& message);

}  // namespace sylvanor
