#include "app/Startup.h"

#include <commctrl.h>
#include <ole2.h>

#include "app/MainWindow.h"
#include "app/Resources.h"
#include "com/AxHost.h"
#include "com/Module.h"

namespace morvex::solo {

namespace {

constexpr char kInstanceMutex[] = "MorvexSoloInstance";
constexpr char kHostClassFailure[] = "AtlAxWinInit failed!";

HMODULE LoadRichEdit() { return LoadLibraryA("RichEd20.dll"); }

// Only the mutex's existence matters; its handle stays open until the
// process ends, so later starts find it.
bool IsAnotherInstanceRunning() {
  HANDLE mutex = CreateMutexA(nullptr, TRUE, kInstanceMutex);
  bool exists = GetLastError() == ERROR_ALREADY_EXISTS;
  if (mutex) ReleaseMutex(mutex);
  return exists;
}

void RunMessageLoop(HWND mainWindow, HACCEL accelerators) {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (TranslateAcceleratorA(mainWindow, accelerators, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace

const StartupSteps kPlatformSteps = {com::AtlAxWinInit, LoadRichEdit};

int RunMorvexSolo(const StartupSteps& steps) {
  if (IsAnotherInstanceRunning()) {
    HWND running = FindWindowA(CMainWindow::kClassName, nullptr);
    if (running) ShowWindow(running, SW_RESTORE);
    return 0;
  }
  // The apartment with the OLE services the rich-edit panes use for drag
  // and drop.
  OleInitialize(nullptr);
  if (!steps.registerHostClass()) {
    MessageBoxA(nullptr, kHostClassFailure, nullptr, MB_SYSTEMMODAL | MB_ICONEXCLAMATION);
    return kExitNoHostClass;
  }
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  if (!steps.loadRichEdit()) return kExitNoRichEdit;

  HCURSOR previousCursor = SetCursor(LoadCursor(nullptr, IDC_APPSTARTING));
  int exitCode = 0;
  {
    CMainWindow mainWindow;
    if (mainWindow.Create()) {
      ShowWindow(mainWindow.handle(), SW_HIDE);
      RECT rect = {};
      bool maximized = false;
      mainWindow.LoadInitialRect(&rect, &maximized);
      MoveWindow(mainWindow.handle(), rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, FALSE);
      SetCursor(previousCursor);
      RunMessageLoop(mainWindow.handle(),
                     LoadAcceleratorsA(com::ModuleInstance(), MAKEINTRESOURCEA(IDR_ACCELERATORS)));
    } else {
      // No window could end a loop, and the mutex would keep every later
      // start out.
      SetCursor(previousCursor);
      exitCode = kExitNoMainWindow;
    }
  }
  OleUninitialize();
  return exitCode;
}

}  // namespace morvex::solo
