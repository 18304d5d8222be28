// What the client tests of the dictionary system server share: the
// framework's client-side helpers (HRESULT printing, objects made by ProgID,
// late-bound calls, the error information a failed call left), the
// registry lists of installed dictionaries written by the test (the user's
// own lists are set aside while the tests run and put back afterwards), and
// the directories of the test build.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "LexiconHub.h"
#include "com/Automation.h"
#include "com/ComPtr.h"
#include "com/testing/ServerClient.h"

// The framework's client-side helpers, used throughout these tests.
using namespace morvex::com::testing;

// The HRESULT of the server's error with string id `id`.
constexpr HRESULT ErrorResult(UINT id) { return static_cast<HRESULT>(0x80040000u + id); }

// Directories of the test build, each with a trailing backslash.
std::wstring ProgramDirectory();  // bin\, where the server and the engine are
std::string ProgramDirectoryAnsi();

// The registry lists the server reads, under the current user.
inline constexpr char kDictionaryKey[] = "Software\\Kelbrin\\Morvex\\4.0\\Dictionary";
inline constexpr char kThemeNameKey[] = "Software\\Kelbrin\\Morvex\\4.0\\Dictionary\\Name";

// Empties the lists (the test's own, not the user's, which stay set aside).
void ClearDictionaryLists();
// Sets value `name` of key `subkey` (under the dictionary key) to `size`
// bytes of `data`, of type `type`.
void SetListValue(const std::string& subkey, const std::string& name, DWORD type, const void* data,
                  DWORD size);
// A REG_SZ value with its terminating NUL.
void SetListString(const std::string& subkey, const std::string& name, const std::string& text);
void MakeListKey(const std::string& subkey);

// Sets the user's own lists aside for the length of the test program.
class DictionaryListsEnvironment : public ::testing::Environment {
 public:
  void SetUp() override;
  void TearDown() override;
};

// An apartment per test; after each test every object of the server must
// be gone, or DllCanUnloadNow says otherwise.
class HubTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};
