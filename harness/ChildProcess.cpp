#include "harness/ChildProcess.h"

namespace harness {

std::wstring ProgramBeside(const std::wstring& fileName) {
  wchar_t path[MAX_PATH] = {};
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring directory(path, length);
  size_t slash = directory.find_last_of(L"\\/");
  directory.resize(slash == std::wstring::npos ? 0 : slash + 1);
  return directory + fileName;
}

std::wstring QuoteArgument(const std::wstring& argument) {
  std::wstring quoted = L"\"";
  size_t backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    // Backslashes double only before a quote, which itself is escaped.
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L"\"";
}

ProgramRun RunBeside(const std::wstring& fileName, const std::wstring& arguments, DWORD timeoutMs) {
  ChildProcess child;
  ProgramRun run;
  if (!child.Start(QuoteArgument(ProgramBeside(fileName)) + L" " + arguments)) return run;
  bool ended = child.Wait(timeoutMs);
  run.output = child.Output();
  if (ended) run.exitCode = child.ExitCode();
  return run;
}

ChildProcess::~ChildProcess() {
  if (process_) {
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 1);
    WaitForSingleObject(process_, INFINITE);
    CloseHandle(process_);
  }
  FinishReading();
}

bool ChildProcess::Start(const std::wstring& commandLine) {
  SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
  HANDLE outputWrite = nullptr;
  if (!CreatePipe(&outputRead_, &outputWrite, &inheritable, 0)) return false;
  SetHandleInformation(outputRead_, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = outputWrite;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION info = {};
  std::wstring mutableLine = commandLine;
  BOOL started = CreateProcessW(nullptr, &mutableLine[0], nullptr, nullptr, TRUE, 0, nullptr,
                                nullptr, &startup, &info);
  // Only the child may hold the write end, or the reader never sees the end.
  CloseHandle(outputWrite);
  if (!started) {
    CloseHandle(outputRead_);
    outputRead_ = nullptr;
    return false;
  }
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  reader_ = std::thread([this] {
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(outputRead_, buffer, sizeof buffer, &got, nullptr) && got > 0) {
      output_.append(buffer, got);
    }
  });
  return true;
}

bool ChildProcess::Wait(DWORD timeoutMs) {
  if (!process_) return false;
  bool ended = WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
  if (!ended) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, INFINITE);
  }
  GetExitCodeProcess(process_, &exitCode_);
  FinishReading();
  return ended;
}

void ChildProcess::FinishReading() {
  if (reader_.joinable()) reader_.join();
  if (outputRead_) {
    CloseHandle(outputRead_);
    outputRead_ = nullptr;
  }
}

}  // namespace harness
