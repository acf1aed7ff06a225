// The practice log's cells: RFC 4180 CSV that any spreadsheet opens safely
// and that the program reads back exactly.
//
// Writing a cell takes three steps, and reading undoes them in reverse:
//  1. A text that a spreadsheet would take for a formula (it begins with
//     = + - @, a tab or a carriage return) gets a leading apostrophe, which
//     spreadsheets show as text; so does a text that itself begins with an
//     apostrophe, so that reading can always drop exactly one.  A plain
//     negative number (-12, -0.5) stays as it is, to be read as a number.
//  2. Backslash, line feed and carriage return become \\, \n and \r, so
//     that every record is one physical line: a line cut short by a crash
//     is then always the last one, and the next line is whole again.
//  3. A cell holding a comma or a double quote is quoted, its quotes
//     doubled.
// Bytes that are not UTF-8 are written as U+FFFD.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmo {

// Appends `text` as one cell, with the comma before it unless `line` is empty.
void AppendCell(std::string& line, std::string_view text);

// The cells of one physical line (without its line end), read back to the
// texts AppendCell was given; false where the line is not well-formed CSV
// (a stray or unclosed quote).  `cells` is reused to spare allocations.
bool SplitCells(std::string_view line, std::vector<std::string>& cells);

} // namespace velmo
