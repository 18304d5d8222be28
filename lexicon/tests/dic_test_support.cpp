#include "lexicon/tests/dic_test_support.h"

#include <cstdio>
#include <fstream>
#include <sstream>

std::string Bytes(std::initializer_list<BytePiece> pieces) {
  std::string bytes;
  for (const BytePiece& piece : pieces) bytes += piece.bytes;
  return bytes;
}

std::string U16(uint16_t value) {
  return std::string{static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

std::string U32(uint32_t value) { return U16(value & 0xFFFF) + U16(value >> 16); }

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string HeaderBytes(const CDicHeader& h) {
  auto text = [](const char* field) { return std::string(field, CDicHeader::kTextSize); };
  return text(h.signature) + std::string(1, static_cast<char>(h.type)) + U16(h.langIn) +
         U16(h.langOut) + text(h.infoIn) + text(h.infoOut) +
         std::string(1, static_cast<char>(h.access)) + U16(h.version) +
         U32(static_cast<uint32_t>(h.indexOffset)) + U32(static_cast<uint32_t>(h.dataStart)) +
         U32(h.creationTime) + U32(h.articleCount) + std::string(1, static_cast<char>(h.reserved));
}

std::string Hex(const std::string& bytes) {
  std::string hex;
  char digits[4];
  for (unsigned char byte : bytes) {
    std::snprintf(digits, sizeof digits, "%02X ", byte);
    hex += digits;
  }
  return hex;
}
