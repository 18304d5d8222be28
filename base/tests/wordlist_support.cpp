#include "base/tests/wordlist_support.h"

#include <atomic>
#include <fstream>
#include <random>
#include <stdexcept>

namespace {

std::vector<RecordedMessage>& Recorded() {
  static std::vector<RecordedMessage> messages;
  return messages;
}

int Record(const char* text, const char* caption, unsigned /*type*/) {
  Recorded().push_back({text ? text : "", caption ? caption : "(null)"});
  return 1;
}

}  // namespace

std::string Cp1251(const std::string& utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const unsigned char lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      out += static_cast<char>(lead);
      continue;
    }
    if (i + 1 >= utf8.size() || (lead & 0xE0) != 0xC0) throw std::invalid_argument(utf8);
    const unsigned code = ((lead & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3Fu);
    if (code >= 0x410 && code <= 0x44F) {
      out += static_cast<char>(0xC0 + (code - 0x410));
    } else if (code == 0x401) {
      out += '\xA8';
    } else if (code == 0x451) {
      out += '\xB8';
    } else {
      throw std::invalid_argument(utf8);
    }
  }
  return out;
}

MessageRecorder::MessageRecorder() : previous_(MSetMessageBoxHandler(Record)) {
  Recorded().clear();
}

MessageRecorder::~MessageRecorder() { MSetMessageBoxHandler(previous_); }

const std::vector<RecordedMessage>& MessageRecorder::messages() const { return Recorded(); }

ScratchDir::ScratchDir() {
  static std::atomic<int> serial{0};
  root_ =
      std::filesystem::temp_directory_path() /
      ("wordlist-test-" + std::to_string(std::random_device{}()) + "-" + std::to_string(++serial));
  std::filesystem::create_directories(root_);
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

std::string ScratchDir::Path(const std::string& name) const {
  return (root_ / std::filesystem::path(name).make_preferred()).string();
}

std::string ScratchDir::DirWithSeparator() const {
  return root_.string() + static_cast<char>(std::filesystem::path::preferred_separator);
}

void ScratchDir::Write(const std::string& name, const std::string& bytes) const {
  const std::filesystem::path path = root_ / std::filesystem::path(name).make_preferred();
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path.string());
}
