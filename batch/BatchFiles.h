#pragma once
// The files of one batch, and the rule that keeps its inputs safe: no output
// may be an input or another output, whatever the spelling of its path.

#include <string>
#include <vector>

namespace sylvanor {

// The files of one batch. The link treatment and project files may both be
// empty (the desktop batch run window); the profile files and the details
// file are optional.
struct d_BatchFiles {
  std::string Plot, Tree, Link, Project, Output, Error;
  std::string ProfilePre, ProfilePost;
  std::string Details;
};

// A file of a batch with what it is to the batch ("tree file").
struct d_BatchPath {
  std::string role;
  std::string path;
};

// The inputs of the batch as they will be opened (names looked up in their
// folder ignoring case), the named ones only, followed by `more`.
std::vector<d_BatchPath> BatchInputs(const d_BatchFiles& files,
                                     const std::vector<d_BatchPath>& more);

// The user folder's files a batch reads (the emission factor file and the
// mortality equation file, found without regard to case), which no output
// may replace.
std::vector<d_BatchPath> UserFolderInputs(const std::string& folder);

// The outputs of the batch: the output, its emissions file, the error file
// and the profile and details files that are named.
std::vector<d_BatchPath> BatchOutputs(const d_BatchFiles& files);

// Empty when every output is a file of its own; otherwise the message naming
// the first output that is an input, or failing that the first two outputs
// that are one file. Outputs that are devices (/dev/null) may be shared.
std::string OutputClash(const std::vector<d_BatchPath>& inputs,
                        const std::vector<d_BatchPath>& outputs);

}  // namespace sylvanor
