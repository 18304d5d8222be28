// dictd index and data files (tools/dictd/DictdSource.h).
#include "tools/dictd/DictdSource.h"

#include <zlib.h>

#include <cstdio>
#include <memory>

namespace {

constexpr unsigned kMaxNumberDigits = 8;  // 48 bits, far past any real file
constexpr unsigned kReadChunk = 1 << 20;

int DigitValue(char ch) {
  if (ch >= 'A' && ch <= 'Z') return ch - 'A';
  if (ch >= 'a' && ch <= 'z') return ch - 'a' + 26;
  if (ch >= '0' && ch <= '9') return ch - '0' + 52;
  if (ch == '+') return 62;
  if (ch == '/') return 63;
  return -1;
}

bool IsHeaderEntry(std::string_view word) {
  return word.substr(0, 11) == "00-database" || word.substr(0, 10) == "00database";
}

// Walks the index's lines; `handle` gets each line without its end and its
// 1-based number.
template <class Handle>
void ForEachLine(std::string_view text, Handle handle) {
  unsigned number = 0;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    handle(line, ++number);
    start = end + 1;
  }
}

// The three fields of an index line; false when it has a different number.
bool SplitFields(std::string_view line, std::string_view fields[3]) {
  const size_t first = line.find('\t');
  if (first == std::string_view::npos) return false;
  const size_t second = line.find('\t', first + 1);
  if (second == std::string_view::npos || line.find('\t', second + 1) != std::string_view::npos) {
    return false;
  }
  fields[0] = line.substr(0, first);
  fields[1] = line.substr(first + 1, second - first - 1);
  fields[2] = line.substr(second + 1);
  return true;
}

struct GzCloser {
  void operator()(gzFile file) const { gzclose(file); }
};

}  // namespace

bool DecodeDictdNumber(std::string_view digits, uint64_t* value) {
  if (digits.empty() || digits.size() > kMaxNumberDigits) return false;
  uint64_t result = 0;
  for (char ch : digits) {
    const int digit = DigitValue(ch);
    if (digit < 0) return false;
    result = result * 64 + static_cast<uint64_t>(digit);
  }
  *value = result;
  return true;
}

std::vector<DictdIndexEntry> ParseDictdIndex(std::string_view text,
                                             std::vector<std::string>* problems) {
  std::vector<DictdIndexEntry> entries;
  ForEachLine(text, [&](std::string_view line, unsigned number) {
    if (line.empty()) return;
    std::string_view fields[3];
    DictdIndexEntry entry;
    entry.line = number;
    if (!SplitFields(line, fields) || !DecodeDictdNumber(fields[1], &entry.offset) ||
        !DecodeDictdNumber(fields[2], &entry.length)) {
      if (problems) {
        problems->push_back("index line " + std::to_string(number) +
                            ": not a word, an offset and a length");
      }
      return;
    }
    if (IsHeaderEntry(fields[0])) return;
    entry.word.assign(fields[0]);
    entries.push_back(std::move(entry));
  });
  return entries;
}

bool ReadDictdFile(const std::string& path, std::string* content, std::string* error) {
  // zlib reads a file that is not compressed as it is.
  std::unique_ptr<gzFile_s, GzCloser> file(gzopen(path.c_str(), "rb"));
  if (!file) {
    *error = path + ": cannot be opened";
    return false;
  }
  content->clear();
  std::unique_ptr<char[]> chunk(new char[kReadChunk]);
  for (;;) {
    const int read = gzread(file.get(), chunk.get(), kReadChunk);
    if (read < 0) {
      int code = 0;
      *error = path + ": " + gzerror(file.get(), &code);
      return false;
    }
    if (read == 0) break;
    content->append(chunk.get(), static_cast<size_t>(read));
  }
  // A truncated compressed file ends without its trailer: zlib reports it
  // only as an error after the last data.
  int code = Z_OK;
  const char* message = gzerror(file.get(), &code);
  if (code != Z_OK && code != Z_STREAM_END) {
    *error = path + ": " + message;
    return false;
  }
  return true;
}

bool ArticleOf(const std::string& data, const DictdIndexEntry& entry, std::string_view* article) {
  if (entry.offset > data.size() || entry.length > data.size() - entry.offset) return false;
  *article = std::string_view(data).substr(entry.offset, entry.length);
  return true;
}

std::string DictdHeaderValue(std::string_view indexText, const std::string& data,
                             std::string_view name) {
  std::string value;
  ForEachLine(indexText, [&](std::string_view line, unsigned) {
    std::string_view fields[3];
    DictdIndexEntry entry;
    if (!value.empty() || !SplitFields(line, fields) || fields[0] != name ||
        !DecodeDictdNumber(fields[1], &entry.offset) ||
        !DecodeDictdNumber(fields[2], &entry.length)) {
      return;
    }
    std::string_view article;
    if (!ArticleOf(data, entry, &article)) return;
    // The article repeats the entry's name on its first line.
    size_t start = article.find('\n');
    start = start == std::string_view::npos ? 0 : start + 1;
    while (start < article.size() && (article[start] == ' ' || article[start] == '\n')) ++start;
    size_t end = article.find('\n', start);
    if (end == std::string_view::npos) end = article.size();
    value.assign(article.substr(start, end - start));
    while (!value.empty() && (value.back() == ' ' || value.back() == '\r')) value.pop_back();
  });
  return value;
}
