// Encoders and decoders of the options store's registry records.
#include "prefstore/OptionRecords.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

namespace morvex::prefstore {

namespace {

template <class Int>
void PutLittle(uint8_t* at, Int value) {
  auto bits = static_cast<std::make_unsigned_t<Int>>(value);
  for (size_t i = 0; i < sizeof(Int); ++i) at[i] = static_cast<uint8_t>(bits >> (8 * i));
}

template <class Int>
Int GetLittle(const uint8_t* at) {
  using Bits = std::make_unsigned_t<Int>;
  Bits bits = 0;
  for (size_t i = 0; i < sizeof(Int); ++i) bits |= static_cast<Bits>(Bits{at[i]} << (8 * i));
  return static_cast<Int>(bits);
}

// Reads `size` stored bytes over `image` (the record's current bytes); false
// when they do not fit.
template <size_t N>
bool Overlay(const uint8_t* bytes, size_t size, std::array<uint8_t, N>* image) {
  if (size > N) return false;
  if (size > 0) std::memcpy(image->data(), bytes, size);
  return true;
}

}  // namespace

bool DecodeNumber(const uint8_t* bytes, size_t size, int32_t* value) {
  std::array<uint8_t, kNumberSize> image{};
  if (!Overlay(bytes, size, &image)) return false;
  *value = GetLittle<int32_t>(image.data());
  return true;
}

std::vector<HotKeyRecord> DecodeHotKeys(const uint8_t* bytes, size_t size) {
  std::vector<HotKeyRecord> records(size / kHotKeyRecordSize);
  for (size_t i = 0; i < records.size(); ++i) {
    const uint8_t* at = bytes + i * kHotKeyRecordSize;
    records[i].cmdId = GetLittle<int32_t>(at + kHotKeyCmdIdOffset);
    records[i].modifiers = GetLittle<int32_t>(at + kHotKeyModifiersOffset);
    records[i].virtKey = GetLittle<int32_t>(at + kHotKeyVirtKeyOffset);
  }
  return records;
}

std::vector<uint8_t> EncodeHotKeys(const std::vector<HotKeyRecord>& records) {
  std::vector<uint8_t> bytes(records.size() * kHotKeyRecordSize);
  for (size_t i = 0; i < records.size(); ++i) {
    uint8_t* at = bytes.data() + i * kHotKeyRecordSize;
    PutLittle(at + kHotKeyCmdIdOffset, records[i].cmdId);
    PutLittle(at + kHotKeyModifiersOffset, records[i].modifiers);
    PutLittle(at + kHotKeyVirtKeyOffset, records[i].virtKey);
  }
  return bytes;
}

FontBytes EncodeFont(const FontRecord& font) {
  FontBytes bytes{};
  PutLittle(&bytes[kFontSizeOffset], font.size);
  PutLittle(&bytes[kFontWeightOffset], font.weight);
  PutLittle(&bytes[kFontCharsetOffset], font.charset);
  PutLittle(&bytes[kFontItalicOffset], font.italic);
  PutLittle(&bytes[kFontUnderlineOffset], font.underline);
  PutLittle(&bytes[kFontStrikethroughOffset], font.strikethrough);
  PutLittle(&bytes[kFontNameLengthOffset], font.nameLength);
  size_t nameBytes = std::min(font.faceName.size(), kFontFaceNameMaxBytes);
  std::memcpy(&bytes[kFontFaceNameOffset], font.faceName.data(), nameBytes);
  return bytes;
}

bool DecodeFont(const uint8_t* bytes, size_t size, FontRecord* font) {
  FontBytes image = EncodeFont(FontRecord());
  if (!Overlay(bytes, size, &image)) return false;
  font->size = GetLittle<int64_t>(&image[kFontSizeOffset]);
  font->weight = GetLittle<int16_t>(&image[kFontWeightOffset]);
  font->charset = GetLittle<int16_t>(&image[kFontCharsetOffset]);
  font->italic = GetLittle<int32_t>(&image[kFontItalicOffset]);
  font->underline = GetLittle<int32_t>(&image[kFontUnderlineOffset]);
  font->strikethrough = GetLittle<int32_t>(&image[kFontStrikethroughOffset]);
  font->nameLength = GetLittle<uint32_t>(&image[kFontNameLengthOffset]);
  // A stored name need not end inside its field; it is cut where the field
  // ends rather than read on past the record.
  const char* name = reinterpret_cast<const char*>(&image[kFontFaceNameOffset]);
  const void* end = std::memchr(name, 0, kFontFaceNameMaxBytes);
  font->faceName.assign(name, end ? static_cast<const char*>(end) - name : kFontFaceNameMaxBytes);
  return true;
}

bool DecodeLastDictOver(const uint8_t* bytes, size_t size, LastDictRecord* record) {
  std::array<uint8_t, kLastDictRecordSize> image = EncodeLastDict(*record);
  if (!Overlay(bytes, size, &image)) return false;
  record->dictId = GetLittle<int32_t>(&image[kLastDictIdOffset]);
  record->langIn = GetLittle<int32_t>(&image[kLastDictLangInOffset]);
  record->langOut = GetLittle<int32_t>(&image[kLastDictLangOutOffset]);
  return true;
}

std::array<uint8_t, kLastDictRecordSize> EncodeLastDict(const LastDictRecord& record) {
  std::array<uint8_t, kLastDictRecordSize> bytes{};
  PutLittle(&bytes[kLastDictIdOffset], record.dictId);
  PutLittle(&bytes[kLastDictLangInOffset], record.langIn);
  PutLittle(&bytes[kLastDictLangOutOffset], record.langOut);
  return bytes;
}

bool DecodePosition(const uint8_t* bytes, size_t size, PositionRecord* position) {
  std::array<uint8_t, kPositionRecordSize> image{};
  if (!Overlay(bytes, size, &image)) return false;
  position->left = GetLittle<int32_t>(&image[kPositionLeftOffset]);
  position->top = GetLittle<int32_t>(&image[kPositionTopOffset]);
  position->right = GetLittle<int32_t>(&image[kPositionRightOffset]);
  position->bottom = GetLittle<int32_t>(&image[kPositionBottomOffset]);
  return true;
}

std::array<uint8_t, kPositionRecordSize> EncodePosition(const PositionRecord& position) {
  std::array<uint8_t, kPositionRecordSize> bytes{};
  PutLittle(&bytes[kPositionLeftOffset], position.left);
  PutLittle(&bytes[kPositionTopOffset], position.top);
  PutLittle(&bytes[kPositionRightOffset], position.right);
  PutLittle(&bytes[kPositionBottomOffset], position.bottom);
  return bytes;
}

PositionRecord DefaultPosition(int32_t width, int32_t height) {
  if (width == 0 || height == 0) {
    width = 800;
    height = 600;
  }
  PositionRecord position;
  position.left = (width - width / 3) / 2;
  position.top = (height - height / 3) / 2;
  position.right = position.left + width / 3;
  position.bottom = position.top + height / 3;
  return position;
}

}  // namespace morvex::prefstore
