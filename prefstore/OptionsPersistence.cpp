// The options' registry values, read and written in a fixed order.
#include "prefstore/OptionsPersistence.h"

#include <string>
#include <vector>

#include "PrefStoreResource.h"
#include "com/Module.h"
#include "com/RegistryKey.h"
#include "prefstore/FontConversion.h"
#include "prefstore/HotKeyList.h"
#include "prefstore/RegistryValues.h"

namespace morvex::prefstore {

namespace {

struct NumberValue {
  UINT nameId;
  int32_t OptionValues::*field;
};

// The twelve numbers, in two runs: "Position" comes between them when
// reading and after both when writing.
const NumberValue kLeadingNumbers[] = {
    {IDS_VALUE_CLIPAUTOTRANS, &OptionValues::clipAutotrans},
    {IDS_VALUE_TEXTAUTOTRANS, &OptionValues::textAutotrans},
    {IDS_VALUE_ANIMATION, &OptionValues::animation},
    {IDS_VALUE_LANGID, &OptionValues::langId},
    {IDS_VALUE_COMMANDID, &OptionValues::commandId},
    {IDS_VALUE_MAXIMIZED, &OptionValues::maximized},
};
const NumberValue kTrailingNumbers[] = {
    {IDS_VALUE_FORECOLOR, &OptionValues::colorFore},
    {IDS_VALUE_BACKCOLOR, &OptionValues::colorBack},
    {IDS_VALUE_SHADOWCOLOR, &OptionValues::colorShadow},
    {IDS_VALUE_TEXTCOLOR, &OptionValues::colorText},
    {IDS_VALUE_MOUSEKEY, &OptionValues::mouseKey},
    {IDS_VALUE_MOUSEMODIFIER, &OptionValues::mouseModifier},
};

// A string of the module's table in the ANSI code page; false when it has none.
bool LoadName(UINT id, std::string* name) {
  char text[256];
  int length = LoadStringA(com::ModuleInstance(), id, text, sizeof text);
  if (length <= 0) return false;
  name->assign(text, static_cast<size_t>(length));
  return true;
}

bool OpenOptionsKey(com::RegistryKey* key) {
  std::string path;
  for (UINT id :
       {IDS_KEY_SOFTWARE, IDS_KEY_COMPANY, IDS_KEY_PRODUCT, IDS_KEY_VERSION, IDS_KEY_PROGRAM}) {
    std::string part;
    if (!LoadName(id, &part)) return false;
    path += part + "\\";
  }
  return key->OpenOrCreate(HKEY_CURRENT_USER, path);
}

// The value's bytes read into `buffer` of `capacity` bytes; false when the
// name or the value is missing or the value does not fit.
bool QueryNamed(HKEY key, UINT nameId, void* buffer, DWORD capacity, DWORD* size) {
  std::string name;
  return LoadName(nameId, &name) && QueryValue(key, name.c_str(), buffer, capacity, size);
}

void SetNamed(HKEY key, UINT nameId, DWORD type, const void* data, size_t size) {
  std::string name;
  if (LoadName(nameId, &name)) SetValue(key, name.c_str(), type, data, size);
}

void ReadNumbers(HKEY key, const NumberValue* begin, const NumberValue* end, OptionValues* values) {
  for (const NumberValue* number = begin; number != end; ++number) {
    uint8_t bytes[kNumberSize];
    DWORD size = 0;
    if (QueryNamed(key, number->nameId, bytes, sizeof bytes, &size))
      DecodeNumber(bytes, size, &(values->*number->field));
  }
}

void WriteNumbers(HKEY key, const NumberValue* begin, const NumberValue* end,
                  const OptionValues& values) {
  for (const NumberValue* number = begin; number != end; ++number) {
    DWORD value = static_cast<DWORD>(values.*number->field);
    SetNamed(key, number->nameId, REG_DWORD, &value, sizeof value);
  }
}

void ReadPosition(HKEY key, PositionRecord* position) {
  uint8_t bytes[kPositionRecordSize];
  DWORD size = 0;
  if (QueryNamed(key, IDS_VALUE_POSITION, bytes, sizeof bytes, &size) && size != 0)
    DecodePosition(bytes, size, position);
}

void ReadHotKeys(HKEY key, IVelHotKeyColl* hotKeys) {
  std::string name;
  std::vector<BYTE> bytes;
  if (!LoadName(IDS_VALUE_HOTKEYS, &name) || !QueryWholeValue(key, name.c_str(), &bytes)) return;
  std::vector<HotKeyRecord> records = DecodeHotKeys(bytes.data(), bytes.size());
  if (!records.empty()) ReplaceHotKeys(hotKeys, records);
}

// A stored font replaces the held one only once the new font object exists.
void ReadFont(HKEY key, com::Ptr<IFontDisp>* font) {
  uint8_t bytes[kFontRecordSize];
  DWORD size = 0;
  FontRecord record;
  if (QueryNamed(key, IDS_VALUE_FONT, bytes, sizeof bytes, &size) && size != 0 &&
      DecodeFont(bytes, size, &record))
    FontOfRecord(record, font);
}

void ReadLastDict(HKEY key, LastDictRecord* lastDict) {
  uint8_t bytes[kLastDictRecordSize];
  DWORD size = 0;
  if (QueryNamed(key, IDS_VALUE_LASTDICT, bytes, sizeof bytes, &size) && size != 0)
    DecodeLastDictOver(bytes, size, lastDict);
}

}  // namespace

void ReadOptions(Options* options) {
  com::RegistryKey key;
  if (!OpenOptionsKey(&key)) return;
  OptionValues& values = options->values;
  ReadNumbers(key.Get(), std::begin(kLeadingNumbers), std::end(kLeadingNumbers), &values);
  ReadPosition(key.Get(), &values.position);
  ReadNumbers(key.Get(), std::begin(kTrailingNumbers), std::end(kTrailingNumbers), &values);
  if (options->hotKeys) ReadHotKeys(key.Get(), options->hotKeys.Get());
  ReadFont(key.Get(), &options->font);
  ReadLastDict(key.Get(), &values.lastDict);
}

void WriteOptions(const Options& options) {
  com::RegistryKey key;
  if (!OpenOptionsKey(&key)) return;
  const OptionValues& values = options.values;
  WriteNumbers(key.Get(), std::begin(kLeadingNumbers), std::end(kLeadingNumbers), values);
  WriteNumbers(key.Get(), std::begin(kTrailingNumbers), std::end(kTrailingNumbers), values);
  auto position = EncodePosition(values.position);
  SetNamed(key.Get(), IDS_VALUE_POSITION, REG_BINARY, position.data(), position.size());
  // An empty collection leaves the stored hot keys as they were.
  std::vector<HotKeyRecord> hotKeys;
  if (options.hotKeys) hotKeys = HotKeysOf(options.hotKeys.Get());
  if (!hotKeys.empty()) {
    std::vector<uint8_t> bytes = EncodeHotKeys(hotKeys);
    SetNamed(key.Get(), IDS_VALUE_HOTKEYS, REG_BINARY, bytes.data(), bytes.size());
  }
  FontBytes font = EncodeFont(RecordOfFont(options.font.Get()));
  SetNamed(key.Get(), IDS_VALUE_FONT, REG_BINARY, font.data(), font.size());
  auto lastDict = EncodeLastDict(values.lastDict);
  SetNamed(key.Get(), IDS_VALUE_LASTDICT, REG_BINARY, lastDict.data(), lastDict.size());
}

}  // namespace morvex::prefstore
