#include "lexicon/CDicHeader.h"

#include <cstring>

namespace {

// Little-endian fields of the encoded header.
void Put16(unsigned char* at, uint16_t value) {
  at[0] = static_cast<unsigned char>(value);
  at[1] = static_cast<unsigned char>(value >> 8);
}

void Put32(unsigned char* at, uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<unsigned char>(value >> (8 * i));
}

uint16_t Get16(const unsigned char* at) { return static_cast<uint16_t>(at[0] | (at[1] << 8)); }

uint32_t Get32(const unsigned char* at) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | at[i];
  return value;
}

void PutText(unsigned char* at, const char (&field)[CDicHeader::kTextSize + 1]) {
  std::memcpy(at, field, CDicHeader::kTextSize);
}

void GetText(const unsigned char* at, char (&field)[CDicHeader::kTextSize + 1]) {
  std::memcpy(field, at, CDicHeader::kTextSize);
  field[CDicHeader::kTextSize] = '\0';
}

}  // namespace

// 36 characters and 8 blanks; the field's last 4 bytes stay NUL.
const char CDicHeader::kSignature[kSignatureLength + 1] =
    "KLX word store, format 4.00, Kelbrin        ";
static_assert(sizeof(CDicHeader::kSignature) == CDicHeader::kSignatureLength + 1,
              "the signature fills 44 of its field's 48 bytes");

CDicHeader::CDicHeader()
    : signature(),
      type(0),
      langIn(0),
      langOut(0),
      infoIn(),
      infoOut(),
      access(0),
      version(0),
      indexOffset(kNoIndex),
      dataStart(0),
      creationTime(0),
      articleCount(0),
      reserved(0) {}

CDicHeader CDicHeader::ForNewFile(uint32_t creationTime) {
  CDicHeader header;
  SetText(header.signature, kSignature);
  header.version = kVersion;
  header.dataStart = kRegionSize;
  header.creationTime = creationTime;
  return header;
}

void CDicHeader::Encode(unsigned char (&bytes)[kEncodedSize]) const {
  PutText(bytes + kOffsetSignature, signature);
  bytes[kOffsetType] = type;
  Put16(bytes + kOffsetLangIn, langIn);
  Put16(bytes + kOffsetLangOut, langOut);
  PutText(bytes + kOffsetInfoIn, infoIn);
  PutText(bytes + kOffsetInfoOut, infoOut);
  bytes[kOffsetAccess] = access;
  Put16(bytes + kOffsetVersion, version);
  Put32(bytes + kOffsetIndex, static_cast<uint32_t>(indexOffset));
  Put32(bytes + kOffsetDataStart, static_cast<uint32_t>(dataStart));
  Put32(bytes + kOffsetCreationTime, creationTime);
  Put32(bytes + kOffsetArticleCount, articleCount);
  bytes[kOffsetReserved] = reserved;
}

int CDicHeader::Decode(const unsigned char* bytes, unsigned size) {
  if (bytes == nullptr || size < static_cast<unsigned>(kEncodedSize)) return 0;
  GetText(bytes + kOffsetSignature, signature);
  type = bytes[kOffsetType];
  langIn = Get16(bytes + kOffsetLangIn);
  langOut = Get16(bytes + kOffsetLangOut);
  GetText(bytes + kOffsetInfoIn, infoIn);
  GetText(bytes + kOffsetInfoOut, infoOut);
  access = bytes[kOffsetAccess];
  version = Get16(bytes + kOffsetVersion);
  indexOffset = static_cast<int32_t>(Get32(bytes + kOffsetIndex));
  dataStart = static_cast<int32_t>(Get32(bytes + kOffsetDataStart));
  creationTime = Get32(bytes + kOffsetCreationTime);
  articleCount = Get32(bytes + kOffsetArticleCount);
  reserved = bytes[kOffsetReserved];
  return 1;
}

void CDicHeader::SetText(char (&field)[kTextSize + 1], const char* text) {
  std::memset(field, 0, sizeof field);
  if (text == nullptr) return;
  for (int i = 0; i < kTextSize && text[i] != '\0'; ++i) field[i] = text[i];
}
