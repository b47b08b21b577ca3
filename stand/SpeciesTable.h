#pragma once
// Loading, linking and checking a species table, and the item queries of
// its rows.

#include <string>

#include "stand/EquationTable.h"

namespace sylvanor {

// Loads `table` from the species file at `path` (the built-in rows when the
// path is empty or the file cannot be opened), links every component entry
// to its crown biomass equation and checks every row's codes against the
// equation tables, the volume library and the mortality species file
// "qor_Spp.csv" of the species file's folder. Returns 1, or 0 with the first
// problem and advice in `message`; the table stays as loaded.
int ET_Setup(d_ETTable& table, std::string& message, const std::string& path);

// The parts of ET_Setup.
void ET_Load(d_ETTable& table, const std::string& path);
void ET_LinkEq(d_ETTable& table);
// 1 all rows pass, 0 a row fails (message), -1 the mortality species file
// cannot be read (message).
int ET_Check(const d_ETTable& table, const std::string& path, std::string& message);

// The text of an item ("Species", "OrderNumber", "CommonName", "HarCon",
// "Include", "Total", "Foliage", "Twig", "1Inch", "3Inch", "3InchPlus",
// "VertDist", "CrownClass", "Canopy", "Bole", "Mortality"; compared without
// case) of a species record. False for any other item.
bool ET_ItemText(const d_ET& et, const std::string& item, std::string& text);

// Engine queries: an item of row `row` of a species table (with "Source",
// its source: 1 for a file, 0 for "Internal"; 0 for a row past the table;
// -1 with "Bullshit Request %s" for an unknown item), and of the built-in
// table (0 past its last row; 1 with an empty text for an unknown item).
int ET_GetItem(const d_ETTable& table, int row, const std::string& item, std::string& text);
int ESD_GetItem(int row, const std::string& item, std::string& text);

}  // namespace sylvanor
