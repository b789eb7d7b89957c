// A property table written as CSV (for a spreadsheet, numbers in round-trip
// precision, as `quorvex eval` prints them), as a Markdown table or as text
// aligned for a terminal (both with six significant digits).
#pragma once

#include <string>

#include "host/table_build.h"

enum class TableFormat { Csv, Markdown, Text };

// "csv", "md" or "text"; false for anything else.
bool tableFormatOfName(const std::string& name, TableFormat& format);

// "Psat (bar)"; a quantity without a unit gives the bare symbol ("Z").
std::string columnHeaderOf(const TableColumn& column, int32_t units);

std::string formatTable(const PropertyTable& table, TableFormat format);
