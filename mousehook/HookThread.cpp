#include "mousehook/HookThread.h"

#include "mousehook/TriggerFilter.h"

namespace morvex::mousehook {

namespace {

// What Start hands the new thread and what the thread answers. It lives in
// Start's frame until ready is set.
struct StartRequest {
  HMODULE module;
  HANDLE ready;
  bool installed = false;
};

// The filter of the running hook thread; the hook procedure runs on that
// thread only.
TriggerFilter* runningFilter = nullptr;

LRESULT CALLBACK OnMouseEvent(int code, WPARAM message, LPARAM event) {
  if (code == HC_ACTION && runningFilter != nullptr &&
      runningFilter->Take(message, reinterpret_cast<const MSLLHOOKSTRUCT*>(event)->pt)) {
    return 1;
  }
  return CallNextHookEx(nullptr, code, message, event);
}

DWORD WINAPI RunHook(void* parameter) {
  auto* request = static_cast<StartRequest*>(parameter);
  HMODULE module = request->module;
  // The queue exists before Start returns, so Stop's WM_QUIT finds it.
  MSG message;
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
  TriggerFilter filter;
  runningFilter = &filter;
  HHOOK hook = SetWindowsHookExW(WH_MOUSE_LL, OnMouseEvent, module, 0);
  request->installed = hook != nullptr;
  SetEvent(request->ready);
  if (hook != nullptr) {
    // The hook procedure is called from inside GetMessageW.
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    }
    UnhookWindowsHookEx(hook);
  }
  runningFilter = nullptr;
  // The thread held the library loaded: a FreeLibrary while it ran must
  // not pull the code from under it.
  FreeLibraryAndExitThread(module, 0);
}

}  // namespace

bool HookThread::Start() {
  StartRequest request{};
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                          reinterpret_cast<LPCWSTR>(&runningFilter), &request.module)) {
    return false;
  }
  HANDLE thread = nullptr;
  request.ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (request.ready != nullptr) {
    thread = CreateThread(nullptr, 0, RunHook, &request, 0, &threadId_);
    // The thread always answers, hook or not.
    if (thread != nullptr) WaitForSingleObject(request.ready, INFINITE);
    CloseHandle(request.ready);
  }
  if (thread == nullptr) {
    FreeLibrary(request.module);
    return false;
  }
  if (!request.installed) {
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    return false;
  }
  thread_ = thread;
  return true;
}

void HookThread::Stop() {
  if (thread_ == nullptr) return;
  PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
  WaitForSingleObject(thread_, INFINITE);
  CloseHandle(thread_);
  thread_ = nullptr;
  threadId_ = 0;
}

}  // namespace morvex::mousehook
