// A private scratch directory for fuzz targets whose parser reads files:
// made once per process under the system's temporary directory and removed
// at exit, with the message box silenced so that parse errors cost no output.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/MCObject.h"

class FuzzScratchDir {
 public:
  static FuzzScratchDir& Get() {
    static FuzzScratchDir dir;
    return dir;
  }

  // The full path of name inside the directory.
  std::string Path(const char* name) const { return root_ + "/" + name; }

  // Replaces name with the bytes; false when it cannot be written.
  bool Write(const char* name, const std::uint8_t* bytes, std::size_t size) const {
    std::FILE* file = std::fopen(Path(name).c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
  }

 private:
  FuzzScratchDir() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/morvex-fuzz-XXXXXX";
    if (!mkdtemp(&pattern[0])) std::abort();
    root_ = pattern;
    MSetMessageBoxHandler([](const char*, const char*, unsigned) { return 1; });
  }

  ~FuzzScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  std::string root_;
};
