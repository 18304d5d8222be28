// Helpers of the word-list, delta-code and source-reading tests: readable
// Cyrillic in code page 1251, a recorder of message boxes, and a scratch
// directory of small source files.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/MCObject.h"

// The UTF-8 text turned into code page 1251 (ASCII and the Russian letters).
std::string Cp1251(const std::string& utf8);

struct RecordedMessage {
  std::string text;
  std::string caption;
};

// Records every message box while it lives, instead of showing it.
class MessageRecorder {
 public:
  MessageRecorder();
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  const std::vector<RecordedMessage>& messages() const;

 private:
  MMessageBoxHandler previous_;
};

// A fresh directory under the system's temporary directory, removed again
// with everything in it.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  // The path of name inside the directory, in the platform's own form.
  std::string Path(const std::string& name) const;
  // The directory itself, ending in the platform's separator.
  std::string DirWithSeparator() const;
  // Writes the bytes to name (subdirectories are made as needed).
  void Write(const std::string& name, const std::string& bytes) const;

 private:
  std::filesystem::path root_;
};
