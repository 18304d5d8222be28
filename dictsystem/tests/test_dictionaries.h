// Dictionaries the client tests build for themselves through the engine's
// own entry points (the test program links the engine; the server it tests
// binds the same library at run time), and the engine's data directory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TestArticle {
  std::string word;  // ANSI (code page 1251)
  std::string text;  // plain article syntax
};

struct TestDictionaryHeader {
  uint16_t langIn = 1033;
  uint16_t langOut = 1049;
  uint8_t access = 1;
  std::string signature;
  std::string infoIn;
  std::string infoOut;
  uint32_t creationTime = 1700000000;
};

// The build's data directory (Lang.dat and the grammar tables), with a
// trailing backslash, as the engine and the hub take it.
std::string EngineDataDirectory();

// Initialises the engine of this program once; false when it cannot.
bool InitTestEngine();

// Writes a dictionary file at `path` (ANSI) holding `articles`.
bool BuildDictionary(const std::string& path, const TestDictionaryHeader& header,
                     const std::vector<TestArticle>& articles);

// A directory of the test's own under the program directory, made empty.
std::string FreshDirectory(const std::string& name);
