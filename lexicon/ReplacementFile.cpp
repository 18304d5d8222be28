#include "lexicon/ReplacementFile.h"

#include <algorithm>

namespace {

// The fresh names are made from this pattern, its six X replaced.
constexpr char kTemporaryPattern[] = "mdXXXXXX";
constexpr unsigned kCopyChunk = 1024 * 1024;
// The name MakeTemp created exists already and is empty: opened as it is.
constexpr unsigned kOpenTemporary = MCFile::kTypeBinary | MCFile::kModeWrite;

std::string DirectoryOf(const std::string& path) {
  const size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

}  // namespace

ReplacementFile::~ReplacementFile() { Discard(); }

int ReplacementFile::Begin(const char* target) {
  if (target == nullptr || *target == '\0' || !temporary_.empty()) return 0;
  std::string pattern = DirectoryOf(target) + kTemporaryPattern;
  if (MCFile::MakeTemp(&pattern[0]) == nullptr) return 0;
  target_ = target;
  temporary_ = pattern;
  if (!file_.Open(temporary_.c_str(), kOpenTemporary)) {
    failed_ = true;
    return 0;
  }
  return 1;
}

int ReplacementFile::Write(const void* bytes, unsigned count) {
  if (failed_ || temporary_.empty()) return 0;
  if (count != 0 && file_.Write(bytes, count) != count) failed_ = true;
  return failed_ ? 0 : 1;
}

int ReplacementFile::CopyFrom(MCFile& source, long offset, unsigned count) {
  if (failed_ || temporary_.empty()) return 0;
  if (source.Seek(offset, MCFile::kBegin) != offset) {
    failed_ = true;
    return 0;
  }
  copyBuffer_.resize(std::min(count, kCopyChunk));
  while (count > 0) {
    const unsigned chunk = std::min(count, kCopyChunk);
    if (source.Read(copyBuffer_.data(), chunk) != chunk || !Write(copyBuffer_.data(), chunk)) {
      failed_ = true;
      return 0;
    }
    count -= chunk;
  }
  return 1;
}

int ReplacementFile::Commit() {
  if (failed_ || temporary_.empty()) return 0;
  const bool flushed = file_.Flush() != 0;
  const bool closed = file_.Close() != 0;
  if (!flushed || !closed || !MCFile::Rename(temporary_.c_str(), target_.c_str())) {
    failed_ = true;
    return 0;
  }
  committed_ = true;
  return 1;
}

void ReplacementFile::Discard() {
  if (temporary_.empty() || committed_) return;
  file_.Close();
  MCFile::Remove(temporary_.c_str());
}
