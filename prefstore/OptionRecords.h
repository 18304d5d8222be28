// The byte layouts in which the options store keeps its values in the
// registry: hot-key records, the font record, the last-dictionary record,
// the window position and the 4-byte numbers, with their encoders and
// decoders, and the default window position. Portable (no Windows types),
// so it is also built and tested natively; the store's registry code is its
// only user in the product.
//
// Every layout is little-endian with no padding. Decoders take the bytes a
// registry query gave and never read past them; a stored value longer than
// its record is refused, so that the caller keeps what it had.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace morvex::prefstore {

// --- Records

// One hot key: the program's command, the RegisterHotKey modifier flags, the
// virtual-key code.
struct HotKeyRecord {
  int32_t cmdId = -1;
  int32_t modifiers = 0;
  int32_t virtKey = 0;
};

// A font as the store keeps it. `faceName` is 8-bit text in the ANSI code
// page; `nameLength` is the name's length in characters, written for other
// readers and never used when reading.
struct FontRecord {
  int64_t size = 0;  // points x 10000 (the currency value of a font's Size)
  int16_t weight = 400;
  int16_t charset = 1;
  int32_t italic = 0;
  int32_t underline = 0;
  int32_t strikethrough = 0;
  uint32_t nameLength = 0;
  std::string faceName;
};

// The dictionary in use when the options were last written: its theme id and
// its two language ids.
struct LastDictRecord {
  int32_t dictId = 0;
  int32_t langIn = 0;
  int32_t langOut = 0;
};

// The main window's rectangle in screen coordinates.
struct PositionRecord {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

// --- Sizes and offsets (bytes)

inline constexpr size_t kNumberSize = 4;

inline constexpr size_t kHotKeyCmdIdOffset = 0;
inline constexpr size_t kHotKeyModifiersOffset = 4;
inline constexpr size_t kHotKeyVirtKeyOffset = 8;
inline constexpr size_t kHotKeyRecordSize = 12;

inline constexpr size_t kFontSizeOffset = 0;            // int64, points x 10000
inline constexpr size_t kFontWeightOffset = 8;          // int16
inline constexpr size_t kFontCharsetOffset = 10;        // int16
inline constexpr size_t kFontItalicOffset = 12;         // 32-bit boolean
inline constexpr size_t kFontUnderlineOffset = 16;      // 32-bit boolean
inline constexpr size_t kFontStrikethroughOffset = 20;  // 32-bit boolean
inline constexpr size_t kFontNameLengthOffset = 24;     // uint32, characters
inline constexpr size_t kFontFaceNameOffset = 28;       // ANSI text, NUL-terminated
inline constexpr size_t kFontFaceNameSize = 260;
// The longest face name the record holds: one byte stays for the NUL.
inline constexpr size_t kFontFaceNameMaxBytes = kFontFaceNameSize - 1;
inline constexpr size_t kFontRecordSize = 288;

inline constexpr size_t kLastDictIdOffset = 0;
inline constexpr size_t kLastDictLangInOffset = 4;
inline constexpr size_t kLastDictLangOutOffset = 8;
inline constexpr size_t kLastDictRecordSize = 12;

inline constexpr size_t kPositionLeftOffset = 0;
inline constexpr size_t kPositionTopOffset = 4;
inline constexpr size_t kPositionRightOffset = 8;
inline constexpr size_t kPositionBottomOffset = 12;
inline constexpr size_t kPositionRecordSize = 16;

static_assert(kHotKeyVirtKeyOffset + 4 == kHotKeyRecordSize, "HotKeyRecord is 12 bytes");
static_assert(kFontWeightOffset == kFontSizeOffset + 8 &&
                  kFontCharsetOffset == kFontWeightOffset + 2 &&
                  kFontItalicOffset == kFontCharsetOffset + 2 &&
                  kFontUnderlineOffset == kFontItalicOffset + 4 &&
                  kFontStrikethroughOffset == kFontUnderlineOffset + 4 &&
                  kFontNameLengthOffset == kFontStrikethroughOffset + 4 &&
                  kFontFaceNameOffset == kFontNameLengthOffset + 4,
              "FontRecord fields follow each other without padding");
static_assert(kFontFaceNameOffset + kFontFaceNameSize == kFontRecordSize,
              "FontRecord is 288 bytes");
static_assert(kLastDictLangOutOffset + 4 == kLastDictRecordSize, "LastDictRecord is 12 bytes");
static_assert(kPositionBottomOffset + 4 == kPositionRecordSize, "Position is 16 bytes");

using FontBytes = std::array<uint8_t, kFontRecordSize>;

// --- Numbers

// A 4-byte number from `size` stored bytes over a zeroed buffer (a shorter
// value leaves the high bytes 0). False, and `value` untouched, when the
// value is longer than 4 bytes.
bool DecodeNumber(const uint8_t* bytes, size_t size, int32_t* value);

// --- Hot keys

// The records of a "Hotkeys" value, one per whole 12 bytes; bytes after the
// last whole record are ignored.
std::vector<HotKeyRecord> DecodeHotKeys(const uint8_t* bytes, size_t size);
std::vector<uint8_t> EncodeHotKeys(const std::vector<HotKeyRecord>& records);

// --- Font

// The 288 bytes of `font`; a face name over kFontFaceNameMaxBytes is cut
// there, so that the field always ends in NUL.
FontBytes EncodeFont(const FontRecord& font);

// A blank record with `size` stored bytes read over its beginning. The face
// name ends at the first NUL or at the end of its field, whichever is
// first. False, and `font` untouched, when the value is longer than the
// record.
bool DecodeFont(const uint8_t* bytes, size_t size, FontRecord* font);

// --- Last dictionary and position

// `size` stored bytes read over the record's current bytes: a shorter value
// changes only what it covers. False, and the record untouched, when the
// value is longer than the record.
bool DecodeLastDictOver(const uint8_t* bytes, size_t size, LastDictRecord* record);
std::array<uint8_t, kLastDictRecordSize> EncodeLastDict(const LastDictRecord& record);

// `size` stored bytes over a zeroed record: fields a shorter value does not
// cover are 0. False, and `position` untouched, when the value is longer.
bool DecodePosition(const uint8_t* bytes, size_t size, PositionRecord* position);
std::array<uint8_t, kPositionRecordSize> EncodePosition(const PositionRecord& position);

// --- Defaults

// The centred third of a screen of `width` x `height` pixels; a screen
// whose width or height is 0 counts as 800 x 600.
PositionRecord DefaultPosition(int32_t width, int32_t height);

}  // namespace morvex::prefstore
