#pragma once

#include "util/Colour.h"

#include <string>

namespace qv {

struct ExportGrid;

// The three forms written directly, as the bytes of the file (UTF-8, CR LF).

// Fixed width: every column as wide as its longest text plus one blank, the
// last column too; a text keeps only its first line.
std::string asciiText(const ExportGrid& grid);

// Comma-separated: an empty cell is "", a cell with a comma, a double quote
// or a line break is quoted with its quotes doubled, every other cell is
// written as it is.
std::string csvText(const ExportGrid& grid);

// The platform's active-border colour, which paints the heading row and column 0.
ColourValue activeBorderColour();

// A table element only, one element per line, preceded by the declaration of
// its encoding. Cell texts are escaped; a line break becomes <br>.
std::string htmlText(const ExportGrid& grid, ColourValue activeBorder = activeBorderColour());

}  // namespace qv
