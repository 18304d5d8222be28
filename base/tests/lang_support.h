// Helpers of the language-table tests: where the shipped alphabets and the
// build's compiled copy are, loading them into a private CLangData, reading
// a file's bytes, and comparing two sets of loaded languages.
#pragma once

#include <string>

#include "base/CLangData.h"
#include "base/tests/wordlist_support.h"

// data/Lang.txt of the source tree, and the build's data directory that
// holds the Lang.dat compiled from it (set by base/CMakeLists.txt).
std::string ShippedLangTxtPath();
std::string BuiltDataDir();
// base/tests/data/<name>.
std::string TestDataPath(const std::string& name);

// The file's bytes; throws when it cannot be read.
std::string ReadBytes(const std::string& path);

// Copies the shipped Lang.txt into dir and loads it from there, which also
// writes dir's Lang.dat. Returns Load's result.
int LoadShippedText(CLangData& data, const ScratchDir& dir);

// Expects both to hold the same languages with the same names,
// abbreviations and letter rows.
void ExpectSameLanguages(const CLangData& expected, const CLangData& actual);

// Language ids of the shipped alphabets.
constexpr unsigned short kRussianId = 0x419;
constexpr unsigned short kEnglishId = 0x409;
constexpr unsigned short kGermanId = 0x407;
constexpr unsigned short kFrenchId = 0x40C;
