#include "harness/tests/WindowThread.h"

#include <chrono>

namespace harness_test {

const wchar_t kNotingClass[] = L"MorvexNotingWindow";

namespace {

// A thread message, so that no window's handler sees it.
constexpr UINT kStallMessage = WM_APP;
constexpr DWORD kLongestStallMs = 30000;
constexpr DWORD kStallArrivalMs = 5000;

// The windows of a thread note to the WindowThread running it.
thread_local WindowThread* tNotes = nullptr;

bool Noted(UINT message) {
  return (message >= WM_APP && message <= 0xBFFF) ||
         (message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK);
}

LRESULT CALLBACK NotingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (Noted(message) && tNotes) tNotes->Note({window, message, wParam, lParam});
  return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterNotingClass(HINSTANCE instance) {
  WNDCLASSW windowClass = {};
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = NotingProcedure;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kNotingClass;
  // A second WindowThread finds the class registered already.
  RegisterClassW(&windowClass);
}

}  // namespace

WindowThread::WindowThread(std::function<HWND(HINSTANCE)> build)
    : stalled_(CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      resume_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
  thread_ = std::thread([this, build] { Run(build); });
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return ready_; });
}

WindowThread::~WindowThread() {
  SetEvent(resume_);
  PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
  thread_.join();
  CloseHandle(stalled_);
  CloseHandle(resume_);
}

void WindowThread::Run(const std::function<HWND(HINSTANCE)>& build) {
  tNotes = this;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterNotingClass(instance);
  HWND top = build(instance);
  MSG message;
  // The thread's queue exists before anyone may post WM_QUIT to it.
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
  {
    std::lock_guard<std::mutex> lock(mutex_);
    top_ = top;
    threadId_ = GetCurrentThreadId();
    ready_ = true;
  }
  changed_.notify_all();
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!message.hwnd && message.message == kStallMessage) {
      SetEvent(stalled_);
      WaitForSingleObject(resume_, kLongestStallMs);
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  DestroyWindow(top);
}

std::vector<NotedMessage> WindowThread::WaitForNoted(size_t count, DWORD timeoutMs) {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                    [this, count] { return noted_.size() >= count; });
  std::vector<NotedMessage> noted;
  noted.swap(noted_);
  return noted;
}

void WindowThread::Note(const NotedMessage& message) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    noted_.push_back(message);
  }
  changed_.notify_all();
}

bool WindowThread::Stall() {
  return PostThreadMessageW(threadId_, kStallMessage, 0, 0) &&
         WaitForSingleObject(stalled_, kStallArrivalMs) == WAIT_OBJECT_0;
}

void WindowThread::Resume() { SetEvent(resume_); }

}  // namespace harness_test
