#pragma once
// Data files are named by the program in one spelling ("qor_Spp.csv") but may
// be stored in another ("QOR_SPP.CSV"); on a case-blind desktop both name the
// same file, so a fixed file name is looked up in its folder ignoring case.

#include <filesystem>

namespace sylvanor {

// The path as given when it names an existing entry; otherwise the entry of
// the same folder whose name matches its last component ignoring ASCII case
// (the first in name order when several do); otherwise the path unchanged, so
// that opening it fails the usual way.
std::filesystem::path FindFileNoCase(const std::filesystem::path& path);

// True when both paths name one file: for two existing entries, the same
// file by identity (links and spellings such as "a/../b" seen through); for
// two paths that do not exist yet, the same place once made absolute and
// normal. An existing and a missing path are never the same file.
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// True when the path names an existing entry that is not a regular file (a
// folder, a device, a pipe), which a reader of files must refuse.
bool ExistsAsNonFile(const std::filesystem::path& path);

}  // namespace sylvanor
