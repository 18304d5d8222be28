// What the tests of the URL opener and the hyperlink give OpenUrl instead of
// the system: a starter that records the shell call and the command line it
// would run, answering with results the test chooses, over a private
// classes root in the current user's registry, where the test writes the
// ".htm" association it needs. Nothing is ever started.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "controls/common/UrlOpener.h"

namespace morvex::controls::testing {

class RecordingStarter final : public UrlStarter {
 public:
  explicit RecordingStarter(HKEY classesRoot) : classesRoot_(classesRoot) {}

  INT_PTR OpenWithShell(const char* address, int show) const override {
    shellAddresses.push_back(address);
    lastShow = show;
    return shellResult;
  }
  INT_PTR StartProcess(const char* commandLine, int show) const override {
    commandLines.push_back(commandLine);
    lastShow = show;
    return processResult;
  }
  HKEY ClassesRoot() const override { return classesRoot_; }

  INT_PTR shellResult = SE_ERR_NOASSOC;
  INT_PTR processResult = 33;
  mutable std::vector<std::string> shellAddresses;
  mutable std::vector<std::string> commandLines;
  mutable int lastShow = -1;

 private:
  HKEY classesRoot_;
};

// A key of this object's own under HKCU, removed with all it holds.
class TemporaryClassesRoot {
 public:
  TemporaryClassesRoot() {
    static int made = 0;
    path_ = "Software\\Morvex\\Tests\\ClassesRoot." + std::to_string(GetCurrentProcessId()) + "." +
            std::to_string(++made);
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                    nullptr);
  }
  TemporaryClassesRoot(const TemporaryClassesRoot&) = delete;
  TemporaryClassesRoot& operator=(const TemporaryClassesRoot&) = delete;
  ~TemporaryClassesRoot() {
    if (key_) RegCloseKey(key_);
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
  }

  HKEY key() const { return key_; }
  // The default value of subKey, made when missing.
  bool SetDefault(const std::string& subKey, const std::string& value) {
    return RegSetValueA(key_, subKey.c_str(), REG_SZ, value.c_str(),
                        static_cast<DWORD>(value.size())) == ERROR_SUCCESS;
  }
  // ".htm" names the class, whose open command is `command`.
  bool SetHtmlAssociation(const std::string& className, const std::string& command) {
    return SetDefault(".htm", className) &&
           SetDefault(className + "\\shell\\open\\command", command);
  }

 private:
  std::string path_;
  HKEY key_ = nullptr;
};

}  // namespace morvex::controls::testing
