// Helpers of the dictionary-file and record tests: byte strings written as
// lists of numbers and texts, files read whole, and hand-made dictionary
// files (header, records, index) that do not come from the code under test.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "lexicon/CDicHeader.h"

// A piece of a byte string: a number 0-255 or a text.
struct BytePiece {
  BytePiece(int byte) : bytes(1, static_cast<char>(byte)) {}
  BytePiece(const char* text) : bytes(text) {}
  std::string bytes;
};

std::string Bytes(std::initializer_list<BytePiece> pieces);
// Little-endian numbers.
std::string U16(uint16_t value);
std::string U32(uint32_t value);

// Everything in the file; "" when it cannot be read.
std::string ReadWholeFile(const std::string& path);

// The 169 bytes of a header, encoded by hand from its fields.
std::string HeaderBytes(const CDicHeader& header);

// The printable form of bytes, for failure messages.
std::string Hex(const std::string& bytes);
