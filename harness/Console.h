// Command-line arguments and output of the harness programs: arguments
// arrive wide (captions may be Cyrillic), output leaves as UTF-8 so that
// logs and scripts on the Linux side read it as they read everything else.
#pragma once

#include <string>
#include <vector>

namespace harness {

// The program's arguments without the program name.
std::vector<std::wstring> WideArguments();

std::string ToUtf8(const std::wstring& text);

// Writes text and a line end to standard output, unbuffered, so that a
// waiting script sees each line at once.
void PrintLine(const std::wstring& text);
void PrintError(const std::wstring& text);

}  // namespace harness
