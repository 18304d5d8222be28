// What the client tests of the dictionary system server share: HRESULTs
// that print in hexadecimal, objects created as a client creates them (by
// ProgID), the error information a failed call left, late-bound calls, the
// registry lists of installed dictionaries written by the test (the user's
// own lists are set aside while the tests run and put back afterwards), and
// the directories of the test build.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "LexiconHub.h"
#include "com/Automation.h"
#include "com/ComPtr.h"

struct Hr {
  HRESULT value;
  bool operator==(const Hr& other) const { return value == other.value; }
};
void PrintTo(const Hr& hr, std::ostream* out);

// The HRESULT of the server's error with string id `id`.
constexpr HRESULT ErrorResult(UINT id) { return static_cast<HRESULT>(0x80040000u + id); }

// An object of the server made by ProgID through CoCreateInstance.
template <class Itf>
morvex::com::Ptr<Itf> Create(const wchar_t* progId) {
  CLSID clsid;
  morvex::com::Ptr<Itf> object;
  EXPECT_EQ(Hr{CLSIDFromProgID(progId, &clsid)}, Hr{S_OK}) << "is LexiconHub registered?";
  EXPECT_EQ(
      Hr{CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, __uuidof(Itf), object.PutVoid())},
      Hr{S_OK});
  return object;
}

// The thread's error information, taken (and so cleared) by GetErrorInfo.
struct ErrorRecord {
  bool present = false;
  std::wstring description;
  std::wstring source;
  GUID iid = GUID_NULL;
};
ErrorRecord TakeErrorInfo();

// A member called by name, as a script calls it; arguments in declared order.
struct LateCall {
  morvex::com::Ptr<IDispatch> object;
  DISPID Id(const wchar_t* name) const;
  HRESULT Invoke(const wchar_t* name, WORD flags, std::vector<morvex::com::Variant> arguments,
                 VARIANT* result, EXCEPINFO* exception = nullptr) const;
};

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
