// The registrar-script parser and its application, natively against the
// in-memory registry: what registration writes, that unregistration takes
// exactly that back, and that malformed scripts are refused with a position
// and write nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "com/registrar/RegistrarApply.h"
#include "com/registrar/RegistrarScript.h"
#include "com/tests/FakeRegistry.h"

namespace morvex::registrar {
namespace {

const char kServerScript[] = R"(HKCR
{
  Morvex.Thing.1 = s 'Thing Class'
  {
    CLSID = s '{11111111-2222-3333-4444-555555555555}'
  }
  Morvex.Thing = s 'Thing Class'
  {
    CLSID = s '{11111111-2222-3333-4444-555555555555}'
    CurVer = s 'Morvex.Thing.1'
  }
  NoRemove CLSID
  {
    ForceRemove {11111111-2222-3333-4444-555555555555} = s 'Thing Class'
    {
      ProgID = s 'Morvex.Thing.1'
      VersionIndependentProgID = s 'Morvex.Thing'
      InprocServer32 = s '%MODULE%'
      {
        val ThreadingModel = s 'Apartment'
      }
      'Programmable'
      TypeLib = s '{66666666-7777-8888-9999-000000000000}'
      'MiscStatus' = s '0'
      {
        '1' = s '131473'
      }
    }
  }
}
)";

const char kModule[] = "Z:\\work\\bin\\Thing.dll";

Script Parse(const std::string& text, std::vector<Variable> variables = {{"MODULE", kModule}}) {
  Script script;
  ParseError error;
  EXPECT_TRUE(ParseScript(text, variables, &script, &error)) << error.ToString();
  return script;
}

// A registry with what other software put there before us.
FakeRegistry Populated() {
  FakeRegistry registry;
  registry.CreateKey(Root::kClassesRoot, "CLSID\\{99999999-0000-0000-0000-000000000000}");
  registry.SetValue(Root::kClassesRoot, "CLSID\\{99999999-0000-0000-0000-000000000000}", "",
                    Value::String("Someone Else"));
  registry.CreateKey(Root::kCurrentUser, "Software\\Other");
  return registry;
}

TEST(RegistrarScriptTest, ParsesTheKeyTree) {
  Script script = Parse(kServerScript);
  ASSERT_EQ(script.roots.size(), 1u);
  const RootBlock& root = script.roots[0];
  EXPECT_EQ(root.root, Root::kClassesRoot);
  ASSERT_EQ(root.keys.size(), 3u);
  EXPECT_EQ(root.keys[0].name, "Morvex.Thing.1");
  EXPECT_EQ(root.keys[0].defaultValue, Value::String("Thing Class"));
  const Key& clsid = root.keys[2];
  EXPECT_EQ(clsid.mode, KeyMode::kNoRemove);
  ASSERT_EQ(clsid.subkeys.size(), 1u);
  const Key& thing = clsid.subkeys[0];
  EXPECT_EQ(thing.mode, KeyMode::kForceRemove);
  EXPECT_EQ(thing.name, "{11111111-2222-3333-4444-555555555555}");
  ASSERT_EQ(thing.subkeys.size(), 6u);
  EXPECT_EQ(thing.subkeys[2].defaultValue, Value::String(kModule));
  ASSERT_EQ(thing.subkeys[2].values.size(), 1u);
  EXPECT_EQ(thing.subkeys[2].values[0].name, "ThreadingModel");
  EXPECT_FALSE(thing.subkeys[3].defaultValue);
  EXPECT_EQ(thing.subkeys[5].subkeys[0].name, "1");
}

TEST(RegistrarScriptTest, ReadsQuotesNumbersVariablesAndRootNames) {
  Script script = Parse(
      "\xEF\xBB\xBFhkey_current_user { noremove 'Soft ware' { val 'It''s' = S 'a''b'\n"
      "val Hex = D '0x1F' val Max = d '4294967295' 'x%%y' = s '%Name%-%name%' } }\n"
      "HKLM { Delete Old } HKEY_CLASSES_ROOT {} HKCU { } ",
      {{"NAME", "v"}});
  std::string trailingNuls("HKCU { A }\0\0", 12);
  Script padded = Parse(trailingNuls);
  EXPECT_EQ(padded.roots.size(), 1u);

  ASSERT_EQ(script.roots.size(), 4u);
  EXPECT_EQ(script.roots[0].root, Root::kCurrentUser);
  EXPECT_EQ(script.roots[1].root, Root::kLocalMachine);
  EXPECT_EQ(script.roots[1].keys[0].mode, KeyMode::kDelete);
  const Key& software = script.roots[0].keys[0];
  EXPECT_EQ(software.mode, KeyMode::kNoRemove);
  EXPECT_EQ(software.name, "Soft ware");
  ASSERT_EQ(software.values.size(), 3u);
  EXPECT_EQ(software.values[0].name, "It's");
  EXPECT_EQ(software.values[0].value, Value::String("a'b"));
  EXPECT_EQ(software.values[1].value, Value::Number(0x1F));
  EXPECT_EQ(software.values[2].value, Value::Number(4294967295u));
  ASSERT_EQ(software.subkeys.size(), 1u);
  EXPECT_EQ(software.subkeys[0].name, "x%y");
  EXPECT_EQ(software.subkeys[0].defaultValue, Value::String("v-v"));
}

TEST(RegistrarScriptTest, KeywordsFollowedByNoNameAreNames) {
  // "Delete = s" names a key Delete; "val {" a key val.
  Script script = Parse("HKCR { Delete = s 'x' val { } NoRemove }");
  const std::vector<Key>& keys = script.roots[0].keys;
  ASSERT_EQ(keys.size(), 3u);
  EXPECT_EQ(keys[0].name, "Delete");
  EXPECT_EQ(keys[0].mode, KeyMode::kNormal);
  EXPECT_EQ(keys[1].name, "val");
  EXPECT_EQ(keys[2].name, "NoRemove");
}

TEST(RegistrarScriptTest, VariableValuesCannotChangeTheStructure) {
  const std::string path = "C:\\Bob's {copy}\\%MODULE% = s 'x'.dll";
  Script script = Parse("HKCR { K = s '%MODULE%' }", {{"MODULE", path}});
  ASSERT_EQ(script.roots[0].keys.size(), 1u);
  EXPECT_EQ(script.roots[0].keys[0].defaultValue, Value::String(path));
  EXPECT_TRUE(script.roots[0].keys[0].subkeys.empty());
}

TEST(RegistrarApplyTest, RegistrationWritesTheServerKeys) {
  FakeRegistry registry = Populated();
  std::string error;
  ASSERT_TRUE(RegisterScript(Parse(kServerScript), registry, &error)) << error;

  const std::string clsid = "CLSID\\{11111111-2222-3333-4444-555555555555}";
  EXPECT_EQ(registry.Get(Root::kClassesRoot, "Morvex.Thing\\CurVer", ""),
            Value::String("Morvex.Thing.1"));
  EXPECT_EQ(registry.Get(Root::kClassesRoot, "morvex.thing.1\\clsid", ""),
            Value::String("{11111111-2222-3333-4444-555555555555}"));
  EXPECT_EQ(registry.Get(Root::kClassesRoot, clsid + "\\InprocServer32", ""),
            Value::String(kModule));
  EXPECT_EQ(registry.Get(Root::kClassesRoot, clsid + "\\InprocServer32", "ThreadingModel"),
            Value::String("Apartment"));
  EXPECT_TRUE(registry.KeyExists(Root::kClassesRoot, clsid + "\\Programmable"));
  EXPECT_EQ(registry.Get(Root::kClassesRoot, clsid + "\\MiscStatus\\1", ""),
            Value::String("131473"));
}

TEST(RegistrarApplyTest, UnregistrationRestoresTheRegistryBeforeRegistration) {
  FakeRegistry registry = Populated();
  const std::string before = registry.Dump();
  Script script = Parse(kServerScript);
  std::string error;
  ASSERT_TRUE(RegisterScript(script, registry, &error)) << error;
  ASSERT_NE(registry.Dump(), before);
  ASSERT_TRUE(UnregisterScript(script, registry, &error)) << error;
  EXPECT_EQ(registry.Dump(), before);
  // A second unregistration finds nothing to do and succeeds.
  EXPECT_TRUE(UnregisterScript(script, registry, &error)) << error;
  EXPECT_EQ(registry.Dump(), before);
}

// Each case: the registry before, the script, and the registry after
// registering and after unregistering it.
struct ModeCase {
  const char* name;
  const char* script;
  const char* registered;
  const char* unregistered;
};

void Prepare(FakeRegistry* registry) {
  registry->CreateKey(Root::kCurrentUser, "App\\Old");
  registry->SetValue(Root::kCurrentUser, "App", "Theirs", Value::Number(1));
}

const ModeCase kModeCases[] = {
    {"NoRemoveKeepsKeyAndDefaultDropsValuesAndSubkeys",
     "HKCU { NoRemove New = s 'mine' { val V = d '5' Sub } }",
     "HKCU\\App\nHKCU\\App Theirs = d '1'\nHKCU\\App\\Old\nHKCU\\New\n"
     "HKCU\\New @ = s 'mine'\nHKCU\\New V = d '5'\nHKCU\\New\\Sub\n",
     "HKCU\\App\nHKCU\\App Theirs = d '1'\nHKCU\\App\\Old\nHKCU\\New\n"
     "HKCU\\New @ = s 'mine'\n"},
    {"ForceRemoveReplacesAndRemovesWhole", "HKCU { ForceRemove App = s 'mine' }",
     "HKCU\\App\nHKCU\\App @ = s 'mine'\n", ""},
    {"DeleteRemovesOnRegistrationOnly", "HKCU { Delete App }", "", ""},
    {"PlainKeyWithOtherContentKeepsIt", "HKCU { App = s 'mine' { val Mine = s 'x' } }",
     "HKCU\\App\nHKCU\\App @ = s 'mine'\nHKCU\\App Mine = s 'x'\nHKCU\\App Theirs = d '1'\n"
     "HKCU\\App\\Old\n",
     "HKCU\\App\nHKCU\\App Theirs = d '1'\nHKCU\\App\\Old\n"},
    {"PlainKeysGoWhenEmpty", "HKCU { App { Old } }",
     "HKCU\\App\nHKCU\\App Theirs = d '1'\nHKCU\\App\\Old\n",
     "HKCU\\App\nHKCU\\App Theirs = d '1'\n"},
};

class RegistrarModeTest : public ::testing::TestWithParam<ModeCase> {};

TEST_P(RegistrarModeTest, RegistersAndUnregistersByMode) {
  const ModeCase& c = GetParam();
  FakeRegistry registry;
  Prepare(&registry);
  Script script = Parse(c.script);
  std::string error;
  ASSERT_TRUE(RegisterScript(script, registry, &error)) << error;
  EXPECT_EQ(registry.Dump(), c.registered);
  ASSERT_TRUE(UnregisterScript(script, registry, &error)) << error;
  EXPECT_EQ(registry.Dump(), c.unregistered);
}

INSTANTIATE_TEST_SUITE_P(Modes, RegistrarModeTest, ::testing::ValuesIn(kModeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RegistrarApplyTest, FailedWriteTakesBackWhatWasWritten) {
  FakeRegistry registry = Populated();
  const std::string before = registry.Dump();
  registry.FailWritesTo("InprocServer32");
  std::string error;
  EXPECT_FALSE(RegisterScript(Parse(kServerScript), registry, &error));
  EXPECT_NE(error.find("InprocServer32"), std::string::npos) << error;
  EXPECT_EQ(registry.Dump(), before);
}

struct MalformedCase {
  const char* name;
  const char* script;
  int line;
  int column;
  const char* message;  // a part of the message
};

const MalformedCase kMalformedCases[] = {
    {"MissingInnerBrace", "HKCR\n{\n  X = s 'x'\n  {\n", 5, 1, "missing '}' for the '{' at line 4"},
    {"MissingRootBrace", "HKCR { X = s 'x' ", 1, 18, "missing '}' for the '{' at line 1, column 6"},
    {"ExtraBrace", "HKCR { X } }", 1, 12, "expected a root key, found '}'"},
    {"UnterminatedString", "HKCR { X = s 'abc }\n}\n", 1, 14, "unterminated string"},
    {"UnknownType", "HKCR { X = q 'x' }", 1, 12, "unknown value type 'q'"},
    {"MissingType", "HKCR { X = 'x' }", 1, 12, "expected a value type"},
    {"TextWithoutQuotes", "HKCR { X = s Apartment }", 1, 14, "expected a quoted text after 's'"},
    {"NumberWithLetters", "HKCR { X = d '12a' }", 1, 14, "is not a number"},
    {"NumberTooLarge", "HKCR { X = d '4294967296' }", 1, 14, "is not a number"},
    {"HexWithoutDigits", "HKCR { X = d '0x' }", 1, 14, "is not a number"},
    {"UnknownVariable", "HKCR { X = s '%NOPE%' }", 1, 14, "unknown variable %NOPE%"},
    {"UnclosedPercent", "HKCR { X = s '100%' }", 1, 14, "'%' without a closing '%'"},
    {"UnknownRoot", "HKXX { }", 1, 1, "unknown root key 'HKXX'"},
    {"RootWithoutBrace", "HKCR X", 1, 6, "expected '{' after HKCR"},
    {"ValueUnderRoot", "HKCR { val X = s 'x' }", 1, 8, "a value must stand inside a key"},
    {"ValueWithoutEquals", "HKCR { K { val X s 'x' } }", 1, 18,
     "expected '=' after the value name"},
    {"EmptyKeyName", "HKCR { '' }", 1, 8, "a key name is empty"},
    {"EmptyValueName", "HKCR { K { val '' = s 'x' } }", 1, 16, "a value name is empty"},
    {"BackslashInName", "HKCR { 'A\\B' }", 1, 8, "holds a backslash"},
    {"DeleteWithSubkeys", "HKCR { Delete K { S } }", 1, 15, "cannot hold values or subkeys"},
    {"ControlCharacter", "HKCR { K\x01 }", 1, 9, "unexpected control character"},
    {"EqualsWithoutKey", "HKCR { = s 'x' }", 1, 8, "expected a key name, found '='"},
};

class MalformedScriptTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedScriptTest, IsRefusedWithItsPosition) {
  const MalformedCase& c = GetParam();
  Script script;
  script.roots.resize(1);  // must come back empty
  ParseError error;
  ASSERT_FALSE(ParseScript(c.script, {{"MODULE", kModule}}, &script, &error));
  EXPECT_TRUE(script.roots.empty());
  EXPECT_EQ(error.line, c.line) << error.ToString();
  EXPECT_EQ(error.column, c.column) << error.ToString();
  EXPECT_NE(error.message.find(c.message), std::string::npos) << error.ToString();
}

INSTANTIATE_TEST_SUITE_P(Cases, MalformedScriptTest, ::testing::ValuesIn(kMalformedCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RegistrarScriptTest, NestingDepthIsBounded) {
  auto nested = [](int depth) {
    std::string text = "HKCR {";
    for (int i = 0; i < depth; ++i) text += " K {";
    for (int i = 0; i <= depth; ++i) text += " }";
    return text;
  };
  Script script;
  ParseError error;
  EXPECT_TRUE(ParseScript(nested(kMaxKeyDepth), {}, &script, &error)) << error.ToString();
  EXPECT_FALSE(ParseScript(nested(kMaxKeyDepth + 1), {}, &script, &error));
  EXPECT_NE(error.message.find("nested deeper"), std::string::npos);
  EXPECT_FALSE(ParseScript(nested(100000), {}, &script, &error));
}

TEST(RegistrarScriptTest, EmptyScriptRegistersNothing) {
  FakeRegistry registry;
  std::string error;
  EXPECT_TRUE(RegisterScript(Parse(" \r\n\t"), registry, &error));
  EXPECT_EQ(registry.Dump(), "");
}

}  // namespace
}  // namespace morvex::registrar
