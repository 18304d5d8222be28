// What goes with attribute ids outside the tables: their value types, the
// packed paradigm, and the part-of-speech codes kept for callers.

#include <cstdint>

#include "grammar/GrammarTables.h"

namespace {

constexpr uint32_t kNoParadigmPacked = 0xFFFFFFFFu;
constexpr uint32_t kParaNumMask = 0xFFFFu;
constexpr int kParaBaseShift = 16;

char g_unknownSyn = '?';
char g_digitSyn = 'H';
char g_idSyn = '#';

}  // namespace

extern "C" {

int GetGramIdType(unsigned id) {
  switch (id) {
    case 129:  // the word
    case 130:
    case 185:  // the paradigm name
    case 254:
      return kGramIdText;
    default:
      return kGramIdNumber;
  }
}

short GetParaNum(int packed) {
  return static_cast<short>(static_cast<uint32_t>(packed) & kParaNumMask);
}

int GetParaBase(unsigned packed) { return static_cast<int>(packed >> kParaBaseShift); }

int MakeParadigm(int num, int base) {
  const uint32_t number = static_cast<uint32_t>(num) & kParaNumMask;
  // Unsigned, so that a base of 0x8000 or more shifts without overflow.
  const uint32_t packed = number == kParaNumMask
                              ? kNoParadigmPacked
                              : (static_cast<uint32_t>(base) << kParaBaseShift) | number;
  return static_cast<int>(packed);
}

char GetUnknownSyn() { return g_unknownSyn; }

char SetUnknownSyn(char syn) { return g_unknownSyn = syn; }

char GetIdSyn() { return g_idSyn; }

char SetIdSyn(char syn) { return g_idSyn = syn; }

char GetDigitSyn() { return g_digitSyn; }

char SetDigitSyn(char syn) { return g_digitSyn = syn; }

}  // extern "C"
