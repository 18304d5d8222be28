// OpenUrl: opens a web or mail address with the shell's "open" verb and,
// when that fails, starts the program that ".htm" files are associated with,
// the address quoted behind its command. Addresses come from dictionary
// articles and from settings, outside data: only "http://", "https://" and
// "mailto:" addresses without quotes or control characters are opened;
// anything else starts nothing.
//
// Used by the dictionary viewer for the web links of its articles and by
// HyperLinkStatic (the about panel's link). Kept apart from the link so that
// the viewer compiles the opener alone.
#pragma once

#include <windows.h>
// After windows.h, which it needs: the shell's result codes.
#include <shellapi.h>

#include <cstddef>
#include <string>

namespace morvex::controls {

// What OpenUrl starts. The system's by default; tests give their own, so
// that they see what would run and no browser or mail program ever starts.
class UrlStarter {
 public:
  // The shell's "open" of the address: no parameters, no directory.
  virtual INT_PTR OpenWithShell(const char* address, int show) const = 0;
  // Starts a program by its command line; the result of WinExec.
  virtual INT_PTR StartProcess(const char* commandLine, int show) const = 0;
  // Where ".htm" and the open command of its class are read.
  virtual HKEY ClassesRoot() const = 0;

 protected:
  ~UrlStarter() = default;
};

// ShellExecuteA, WinExec and HKEY_CLASSES_ROOT.
const UrlStarter& SystemUrlStarter();

// The result of an address OpenUrl refuses (the shell's "access denied").
constexpr INT_PTR kUrlRefused = SE_ERR_ACCESSDENIED;
// The longest command line the association fallback starts.
constexpr size_t kMaxUrlCommandLine = 527;

// Opens the address with `show` (an SW_ value). The shell's result, or the
// fallback's when the shell failed and ".htm" has an open command; above 32
// means success. kUrlRefused, with nothing started, for an address that is
// not openable; the shell's result, with nothing started, when the
// fallback's command line would be longer than kMaxUrlCommandLine.
INT_PTR OpenUrl(const char* address, int show, const UrlStarter& starter = SystemUrlStarter());

// Whether the address begins with "http://", "https://" or "mailto:" (in
// any case): what the viewer's links open rather than look up.
bool HasWebScheme(const char* address);

// --- Details, exposed for the tests.

// Whether the address has a web scheme (HasWebScheme) and holds no double
// quote and no control character.
bool IsOpenableUrl(const char* address);

// The association's command cut at its "%1" placeholder (at the opening
// quote of a quoted one; everything after it is dropped), then a blank and
// the address in double quotes. Empty when longer than kMaxUrlCommandLine.
std::string UrlCommandLine(const std::string& associationCommand, const char* address);

}  // namespace morvex::controls
