// The inventory row: one line of a comma-separated table that a whole office
// collects, one row per PC, in the system's ANSI code page. The columns have
// stable ASCII names and raw values, the same on every machine whatever its
// regional settings (decimal point '.', no thousands separators). A new
// column only ever goes at the end, with a new format version.
#pragma once

#include <string>

#include "pages/report.h"
#include "present/characters.h"

namespace pages {

// The version of the columns below; the first column of every row.
inline constexpr int kInventoryFormat = 1;

// The header row, its line ended by CR LF.
std::string inventoryHeader();
// The row of the facts, its line ended by CR LF. A field that holds a comma,
// a double quote or a line break is quoted as RFC 4180 says; a control byte
// of a text from the system becomes a blank, so that a row is one line.
std::string inventoryRow(const ReportFacts& facts, const present::LeadByteTest& isLead);

// A field as RFC 4180 quotes it.
std::string csvField(const std::string& value);

}  // namespace pages
