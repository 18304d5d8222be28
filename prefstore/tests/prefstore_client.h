// What the client tests of PrefStore share: an apartment per test, the
// current user's registry redirected into a scratch key of the test's own
// (so that no test sees or spoils real options), objects made by ProgID as
// the main program makes them, raw access to the stored values, and a
// check after each test that the server's objects are all gone; and the
// framework's client-side helpers.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "PrefStore.h"
#include "com/ComPtr.h"
#include "com/testing/ServerClient.h"

// The framework's client-side helpers, used throughout these tests.
using namespace morvex::com::testing;

// The options key as the server names it, under the redirected user key.
inline constexpr char kOptionsKey[] = "Software\\Kelbrin\\Morvex\\4.0\\Solo";

// A stored value as RegQueryValueExA gives it.
struct RawValue {
  bool present = false;
  DWORD type = 0;
  std::vector<BYTE> bytes;
};

class PrefStoreTest : public ::testing::Test {
 protected:
  // `scratch` is the key under the real user key that stands in for it.
  explicit PrefStoreTest(const char* scratch = "Software\\MorvexTests\\PrefStore")
      : scratch_(scratch) {}

  void SetUp() override;
  void TearDown() override;

  morvex::com::Ptr<IVelMorvexOpt> MakeOptions();
  morvex::com::Ptr<IVelHotKey> MakeHotKey(long cmdId, long modifiers, long virtKey);

  bool OptionsKeyExists();
  RawValue ReadRaw(const char* name);
  void WriteRaw(const char* name, DWORD type, const std::vector<BYTE>& bytes);

  // Whether the scratch key is emptied before and after the test; a test
  // that reads what another process wrote keeps it on one side.
  bool eraseAtStart_ = true;
  bool eraseAtEnd_ = true;

 private:
  void Redirect();
  void EndRedirect();

  std::string scratch_;
  bool redirected_ = false;
};

// What a font object says about itself.
struct FontFacts {
  std::wstring face;
  LONGLONG size = 0;  // points x 10000
  SHORT weight = 0;
  SHORT charset = 0;
  BOOL italic = FALSE;
  BOOL underline = FALSE;
  BOOL strikethrough = FALSE;
  bool operator==(const FontFacts& other) const;
};
void PrintTo(const FontFacts& facts, std::ostream* out);
// The facts of a font object, or of the options' font; an empty face when
// there is none.
FontFacts FontFactsOf(IFontDisp* font);
FontFacts FontFactsOf(IVelMorvexOpt* options);
// A font object of the platform made from `facts`.
morvex::com::Ptr<IFontDisp> MakeFont(const FontFacts& facts);
// What such a font object reports: the face and size the system realised.
FontFacts Realized(const FontFacts& facts);

// The options' live hot-key collection.
morvex::com::Ptr<IVelHotKeyColl> HotKeysOf(IVelMorvexOpt* options);

// CmdID, Modifiers, VirtKey of each item, in collection order.
using HotKeyFields = std::vector<std::vector<long>>;
HotKeyFields FieldsOf(IVelHotKeyColl* collection);

// Distinct values for every option but the font and the hot keys, put into
// an options object and expected back from one.
void PutSampleOptions(IVelMorvexOpt* options);
void ExpectSampleOptions(IVelMorvexOpt* options);

// Little-endian bytes of 32-bit values, for hand-made records.
std::vector<BYTE> Le32(std::initializer_list<long> values);
