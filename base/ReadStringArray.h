// ReadStringArray: reads a definition source (the table language's .txt
// files) into its meaningful lines.
//
// Each line is cut at its first "//", trimmed on both sides and kept when
// something is left. A line `#include "name"` is replaced by the lines of the
// named file, read the same way. The name is resolved against the directory
// of the file that includes it (an absolute name is used as it is), so a data
// directory can include its own siblings whatever the current directory is.
// Includes nest at most kMaxIncludeDepth deep, and a file that is already
// being read further up is never included again, so a cycle stops at once.
//
// A problem with an include (cannot be opened, too deep, a cycle) shows one
// message box captioned "Error open file." and makes the whole call return 0.
// The file holding the bad include line stops there; the files that include
// it read on, so the problems of sibling includes are shown in the same pass.
// Lines read before a problem stay in the array.
//
// Used by the table language (CVars, CVal) to read its sources.
#pragma once

#include "base/BaseExport.h"

class MCFile;
class MCStringArray;

// How many files deep includes may go below the file passed in.
constexpr int kMaxIncludeDepth = 16;

// Appends the lines of file, an open file read from its current position,
// to lines. Returns 1 when every include was read, 0 otherwise.
MBASE_API int ReadStringArray(MCFile& file, MCStringArray& lines);
