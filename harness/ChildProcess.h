// Running a harness program (winprobe, sendkeys) from a test: started with
// its standard output captured, waited for with a bound, its exit code and
// output read afterwards.
//
// Used by the harness's own tests and by any test that drives a dialog or
// presses keys from a second process.
#pragma once

#include <windows.h>

#include <string>
#include <thread>

namespace harness {

// The full path of a program in the directory of the running one (the
// build puts every program and DLL in one directory).
std::wstring ProgramBeside(const std::wstring& fileName);

// An argument quoted for a command line, as CommandLineToArgvW reads it.
std::wstring QuoteArgument(const std::wstring& argument);

// What a program run to its end left behind.
struct ProgramRun {
  // STILL_ACTIVE when the program did not start, or ran past the timeout
  // and was terminated: no exit code of ours looks like that.
  DWORD exitCode = STILL_ACTIVE;
  std::string output;  // its standard output
};

// Runs a program of the build directory with arguments (quoted as the
// caller wants them) and waits at most timeoutMs for it to end.
ProgramRun RunBeside(const std::wstring& fileName, const std::wstring& arguments, DWORD timeoutMs);

class ChildProcess {
 public:
  ChildProcess() = default;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  // A process still running is terminated: a test never leaves one behind.
  ~ChildProcess();

  bool Start(const std::wstring& commandLine);

  // True when the process ended within timeoutMs; else it is terminated.
  bool Wait(DWORD timeoutMs);

  // Valid after Wait returned true.
  DWORD ExitCode() const { return exitCode_; }
  // Everything the process wrote to standard output (UTF-8 for our programs).
  const std::string& Output() const { return output_; }

 private:
  void FinishReading();

  HANDLE process_ = nullptr;
  HANDLE outputRead_ = nullptr;
  std::thread reader_;
  std::string output_;
  DWORD exitCode_ = STILL_ACTIVE;
};

}  // namespace harness
