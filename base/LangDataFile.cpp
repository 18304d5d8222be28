#include "base/LangDataFile.h"

#include <cstdint>
#include <cstring>

using namespace lang_data_file;

namespace {

// The letter's field of compiled column c (0..6), in the file's order.
char& ColumnField(CLangLetter& letter, std::size_t c) {
  char* const fields[kColumns] = {&letter.lower,      &letter.upper,    &letter.baseLower,
                                  &letter.baseUpper,  &letter.oemLower, &letter.oemUpper,
                                  &letter.letterClass};
  return *fields[c];
}

void PutU16(std::string& out, unsigned value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

// Reads the file front to back; every read is bounded by what is left.
class Reader {
 public:
  Reader(const unsigned char* bytes, std::size_t size) : p_(bytes), left_(size) {}

  bool Take(std::size_t count, const unsigned char** field) {
    if (count > left_) return false;
    *field = p_;
    p_ += count;
    left_ -= count;
    return true;
  }
  bool U8(unsigned* value) {
    const unsigned char* field;
    if (!Take(1, &field)) return false;
    *value = field[0];
    return true;
  }
  bool U16(unsigned* value) {
    const unsigned char* field;
    if (!Take(2, &field)) return false;
    *value = field[0] | (field[1] << 8);
    return true;
  }
  bool AtEnd() const { return left_ == 0; }

 private:
  const unsigned char* p_;
  std::size_t left_;
};

std::unique_ptr<CLang> DecodeRecord(Reader& reader) {
  unsigned id, nameLength, letterCount;
  const unsigned char *name, *abbreviation, *columns, *transliteration;
  if (!reader.U16(&id) || id == 0 || !reader.U8(&nameLength) ||
      nameLength > CLang::kMaxNameLength || !reader.Take(nameLength, &name) ||
      !reader.Take(kAbbreviationBytes, &abbreviation) || !reader.U8(&letterCount) ||
      letterCount > CLang::kMaxLetters || !reader.Take(kColumns * letterCount, &columns) ||
      !reader.Take(kTransliterationBytes, &transliteration)) {
    return nullptr;
  }
  char nameText[CLang::kMaxNameLength + 1] = {};
  char abbreviationText[kAbbreviationBytes + 1] = {};
  std::memcpy(nameText, name, nameLength);
  std::memcpy(abbreviationText, abbreviation, kAbbreviationBytes);
  std::unique_ptr<CLang> lang(
      new CLang(nameText, abbreviationText, static_cast<unsigned short>(id)));
  if (!lang) return nullptr;
  for (unsigned i = 0; i < letterCount; ++i) {
    CLangLetter letter = {};
    for (std::size_t c = 0; c < kColumns; ++c) {
      ColumnField(letter, c) = static_cast<char>(columns[c * letterCount + i]);
    }
    std::memcpy(letter.transliteration, transliteration + i * kTransliterationSlotBytes,
                CLang::kTransliterationLength);
    if (!lang->SetLetter(static_cast<int>(i), letter)) return nullptr;
  }
  lang->SetLetterCount(static_cast<int>(letterCount));
  return lang;
}

}  // namespace

std::string EncodeLangDataFile(const std::vector<const CLang*>& languages) {
  std::string out;
  PutU16(out, static_cast<unsigned>(languages.size()));
  for (const CLang* lang : languages) {
    const char* name = lang->GetLanguageString(nullptr);
    const char* abbreviation = lang->GetLangStr(nullptr);
    const int letterCount = lang->GetLetterCount();
    PutU16(out, lang->GetLangId());
    out += static_cast<char>(std::strlen(name));
    out += name;
    // The field holds up to 2 characters and its NUL: a shorter
    // abbreviation brings its padding along.
    out.append(abbreviation, kAbbreviationBytes);
    out += static_cast<char>(letterCount);
    for (std::size_t c = 0; c < kColumns; ++c) {
      for (int i = 0; i < letterCount; ++i) {
        CLangLetter letter = lang->GetLetter(i);
        out += ColumnField(letter, c);
      }
    }
    for (int i = 0; i < CLang::kMaxLetters; ++i) {
      // A row outside the alphabet reads as zeros: its slot is padding.
      const CLangLetter letter = lang->GetLetter(i);
      out.append(letter.transliteration, kTransliterationSlotBytes);
    }
  }
  return out;
}

bool DecodeLangDataFile(const unsigned char* bytes, std::size_t size,
                        std::vector<std::unique_ptr<CLang>>* languages) {
  languages->clear();
  Reader reader(bytes, size);
  unsigned count;
  if (!reader.U16(&count) || count == 0) return false;
  std::vector<std::unique_ptr<CLang>> read;
  for (unsigned n = 0; n < count; ++n) {
    std::unique_ptr<CLang> lang = DecodeRecord(reader);
    if (!lang) return false;
    for (const auto& earlier : read) {
      if (earlier->GetLangId() == lang->GetLangId()) return false;
    }
    read.push_back(std::move(lang));
  }
  if (!reader.AtEnd()) return false;
  *languages = std::move(read);
  return true;
}
