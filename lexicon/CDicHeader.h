// CDicHeader: the fixed header at the start of every dictionary file, in
// memory, and its one encoder and decoder. CDic keeps one per dictionary and
// writes it back on every change of the dictionary's properties; the file
// rewrite of editing writes it too.
//
// On disk (little-endian, fields back to back from offset 0; the 176-byte
// header region holds 169 written bytes, the 7 after them are never written):
//
//   offset size field
//        0   48 signature text, NUL-padded
//       48    1 dictionary type, 1 to 7
//       49    2 input language id (of the head words)
//       51    2 output language id
//       53   48 information text about the input side, NUL-padded
//      101   48 information text about the output side, NUL-padded
//      149    1 access byte
//      150    2 version
//      152    4 index offset, signed; -1 while the file has no index
//      156    4 data start, the offset of the first article record
//      160    4 creation time, unsigned seconds since 1 January 1970
//      164    4 article count (words in the index)
//      168    1 reserved
//
// Records follow at the data start; the word index lies at the index
// offset: an unsigned 32-bit length n, then n bytes.
#pragma once

#include <stdint.h>

#include "lexicon/LexiconExport.h"

struct MLEX_API CDicHeader {
  // (Enumerators rather than static members: other modules use them
  // without importing anything from the library.)
  enum Size : int {
    kTextSize = 48,         // each of the three text fields
    kEncodedSize = 169,     // bytes written
    kRegionSize = 176,      // bytes reserved before the records
    kSignatureLength = 44,  // characters of kSignature
  };
  enum : int32_t { kNoIndex = -1 };       // index offset without an index
  enum : uint16_t { kVersion = 0x0400 };  // what the engine writes
  static const char kSignature[kSignatureLength + 1];

  // Offsets of the fields in the encoded header.
  enum Offset : int {
    kOffsetSignature = 0,
    kOffsetType = 48,
    kOffsetLangIn = 49,
    kOffsetLangOut = 51,
    kOffsetInfoIn = 53,
    kOffsetInfoOut = 101,
    kOffsetAccess = 149,
    kOffsetVersion = 150,
    kOffsetIndex = 152,
    kOffsetDataStart = 156,
    kOffsetCreationTime = 160,
    kOffsetArticleCount = 164,
    kOffsetReserved = 168,
  };

  // A fresh header: every field 0, the texts all NUL, no index.
  CDicHeader();
  // What CDic::Create writes: a fresh header with the engine's signature,
  // version and data start, and the given creation time.
  static CDicHeader ForNewFile(uint32_t creationTime);

  // The 169 bytes of the header.
  void Encode(unsigned char (&bytes)[kEncodedSize]) const;
  // Reads the fields from 169 bytes; 0 (and the header unchanged) when fewer
  // are given. The texts keep all 48 bytes as stored.
  int Decode(const unsigned char* bytes, unsigned size);

  // A text field from a caller's C string: copied up to its NUL, at most 48
  // characters, the rest NUL-filled.
  static void SetText(char (&field)[kTextSize + 1], const char* text);

  // Each text field carries one byte more than on disk, always NUL, so that
  // a field whose 48 bytes are all used still reads as a C string.
  char signature[kTextSize + 1];
  uint8_t type;
  uint16_t langIn;
  uint16_t langOut;
  char infoIn[kTextSize + 1];
  char infoOut[kTextSize + 1];
  uint8_t access;
  uint16_t version;
  int32_t indexOffset;
  int32_t dataStart;
  uint32_t creationTime;
  uint32_t articleCount;
  uint8_t reserved;
};
