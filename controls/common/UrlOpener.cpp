#include "controls/common/UrlOpener.h"

#include <climits>
#include <cstring>
#include <utility>

namespace morvex::controls {

namespace {

class SystemStarter final : public UrlStarter {
 public:
  INT_PTR OpenWithShell(const char* address, int show) const override {
    return reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", address, nullptr, nullptr, show));
  }
  INT_PTR StartProcess(const char* commandLine, int show) const override {
    return static_cast<INT_PTR>(WinExec(commandLine, static_cast<UINT>(show)));
  }
  HKEY ClassesRoot() const override { return HKEY_CLASSES_ROOT; }
};

// The longest class name read from ".htm", as the shell's own buffers hold.
constexpr LONG kMaxClassName = 260;
// The command itself may be of any length: its tail may be cut.
constexpr LONG kAnyLength = LONG_MAX - 1;

// ASCII only: the schemes are, and the ANSI code page's case rules must not
// make another letter match.
bool StartsWithNoCase(const char* text, const char* prefix) {
  for (; *prefix; ++text, ++prefix) {
    char letter = *text;
    if (letter >= 'A' && letter <= 'Z') letter = static_cast<char>(letter - 'A' + 'a');
    if (letter != *prefix) return false;
  }
  return true;
}

// The default value of root\subKey, at most maxLength characters; false when
// it is missing, empty or longer.
bool ReadDefaultValue(HKEY root, const char* subKey, LONG maxLength, std::string* value) {
  LONG size = 0;
  if (RegQueryValueA(root, subKey, nullptr, &size) != ERROR_SUCCESS || size <= 1 ||
      size > maxLength + 1)
    return false;
  std::string text(static_cast<size_t>(size), '\0');
  if (RegQueryValueA(root, subKey, &text[0], &size) != ERROR_SUCCESS) return false;
  text.resize(strnlen(text.c_str(), text.size()));
  if (text.empty()) return false;
  *value = std::move(text);
  return true;
}

// Where "%1" begins in the command, stepping by characters of the ANSI code
// page; npos when absent.
size_t FindPlaceholder(const char* command, const char* placeholder) {
  const size_t length = std::strlen(placeholder);
  for (const char* at = command; *at; at = CharNextA(at))
    if (std::strncmp(at, placeholder, length) == 0) return static_cast<size_t>(at - command);
  return std::string::npos;
}

}  // namespace

const UrlStarter& SystemUrlStarter() {
  static const SystemStarter starter;
  return starter;
}

bool HasWebScheme(const char* address) {
  return address && (StartsWithNoCase(address, "http://") || StartsWithNoCase(address, "https://") ||
                     StartsWithNoCase(address, "mailto:"));
}

bool IsOpenableUrl(const char* address) {
  if (!HasWebScheme(address)) return false;
  for (const char* at = address; *at; ++at) {
    const auto byte = static_cast<unsigned char>(*at);
    if (byte == '"' || byte < 0x20 || byte == 0x7F) return false;
  }
  return true;
}

std::string UrlCommandLine(const std::string& associationCommand, const char* address) {
  std::string command = associationCommand;
  size_t cut = FindPlaceholder(command.c_str(), "\"%1\"");
  if (cut == std::string::npos) cut = FindPlaceholder(command.c_str(), "%1");
  if (cut != std::string::npos) command.resize(cut);
  command += " \"";
  command += address;
  command += '"';
  if (command.size() > kMaxUrlCommandLine) return std::string();
  return command;
}

INT_PTR OpenUrl(const char* address, int show, const UrlStarter& starter) {
  if (!IsOpenableUrl(address)) return kUrlRefused;
  const INT_PTR shellResult = starter.OpenWithShell(address, show);
  if (shellResult > 32) return shellResult;

  std::string className;
  if (!ReadDefaultValue(starter.ClassesRoot(), ".htm", kMaxClassName, &className))
    return shellResult;
  std::string association;
  const std::string commandKey = className + "\\shell\\open\\command";
  if (!ReadDefaultValue(starter.ClassesRoot(), commandKey.c_str(), kAnyLength, &association))
    return shellResult;
  const std::string commandLine = UrlCommandLine(association, address);
  if (commandLine.empty()) return shellResult;
  return starter.StartProcess(commandLine.c_str(), show);
}

}  // namespace morvex::controls
