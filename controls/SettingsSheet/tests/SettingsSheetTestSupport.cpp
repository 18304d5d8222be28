#include "SettingsSheetTestSupport.h"

#include <cstdio>

#include "com/testing/ControlHosting.h"
#include "com/testing/MessagePump.h"
#include "harness/Picture.h"

namespace morvex::settingssheet::testing {

namespace {

constexpr wchar_t kFrameClass[] = L"MorvexSettingsSheetTestFrame";
constexpr UINT kTickMs = 30;
// The bound of a script: this many ticks without finishing fails the test.
constexpr int kMaxTicks = 600;

class SettingsSheetEnvironment : public com::testing::ControlTestEnvironment {
 public:
  SettingsSheetEnvironment()
      : ControlTestEnvironment(nullptr, com::testing::HostClass::kRegistered) {}
  void SetUp() override {
    ControlTestEnvironment::SetUp();
    if (::testing::Test::HasFatalFailure()) return;
    ASSERT_TRUE(com::testing::RegisterTestWindowClass(
        kFrameClass, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))));
  }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new SettingsSheetEnvironment);

bool IsDialog(HWND window) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof(name));
  return lstrcmpA(name, "#32770") == 0 && IsWindowVisible(window);
}

// The script of the running dialog; thread timers carry no pointer.
struct Script {
  std::vector<Step> steps;
  size_t next = 0;
  int ticks = 0;
  bool overran = false;
};
Script* g_script = nullptr;

void CloseEverything() {
  // Inner dialogs first: the settings dialog cannot end under a modal one.
  std::vector<HWND> dialogs = ThreadDialogs();
  for (auto it = dialogs.rbegin(); it != dialogs.rend(); ++it)
    PostMessageW(*it, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
  Script* script = g_script;
  if (!script) return;
  if (++script->ticks > kMaxTicks) {
    script->overran = true;
    CloseEverything();
    return;
  }
  if (script->next >= script->steps.size()) return;
  Step& step = script->steps[script->next];
  if (step.ready && !step.ready()) return;
  ++script->next;  // before acting: an act may run a nested loop that ticks on
  if (step.act) step.act();
}

}  // namespace

std::vector<HWND> ThreadDialogs() {
  std::vector<HWND> found;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM list) {
        if (IsDialog(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

void RunScripted(std::vector<Step> steps, const std::function<void()>& modal) {
  Script script;
  script.steps = std::move(steps);
  g_script = &script;
  UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, OnTick);
  modal();
  KillTimer(nullptr, timer);
  g_script = nullptr;
  EXPECT_FALSE(script.overran) << "the script stopped at step " << script.next;
  EXPECT_EQ(script.next, script.steps.size()) << "the dialog ended before the script did";
}

void SettingsSheetTest::SetUp() {
  ASSERT_EQ(GetACP(), 1251u) << "tests run with the Russian ANSI code page";
  frame_ = CreateWindowExW(0, kFrameClass, L"SettingsSheet test", WS_POPUP | WS_VISIBLE, 20, 20,
                           200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(frame_, nullptr);
  ASSERT_TRUE(com::testing::HostByProgId(frame_, kProgId, {0, 0, 20, 20}, 1, &host_, &control_));
  ASSERT_EQ(Hr{com::EventSink::Create(DIID__ISettingsSheetCtrlEvents, &sink_)}, Hr{S_OK});
  for (DISPID id : {1, 2, 3})
    sink_->On(id, [this, id](com::EventArguments& args) {
      events_.push_back({id, args.Long(0), args.Long(1)});
    });
  ASSERT_EQ(Hr{sink_->Connect(control_.Get())}, Hr{S_OK});
}

void SettingsSheetTest::TearDown() {
  if (sink_) sink_->Disconnect();
  sink_.Reset();
  control_.Reset();
  if (frame_) DestroyWindow(frame_);
  com::testing::PumpPending();
  com::testing::ExpectNoLiveObjects(kSettingsSheetDll);
}

long SettingsSheetTest::RunDialog(std::vector<Step> steps) {
  long code = 0;
  HRESULT hr = E_FAIL;
  RunScripted(std::move(steps), [&] { hr = control_->InvokeDialog(HandleToLong(frame_), &code); });
  EXPECT_EQ(Hr{hr}, Hr{S_OK});
  return code;
}

HWND SettingsSheetTest::Dialog() const {
  for (HWND dialog : ThreadDialogs())
    if (GetWindow(dialog, GW_OWNER) == frame_) return dialog;
  return nullptr;
}

HWND SettingsSheetTest::InnerDialog() const {
  HWND settings = Dialog();
  for (HWND dialog : ThreadDialogs())
    if (dialog != settings) return dialog;
  return nullptr;
}

void SettingsSheetTest::Click(int id) const {
  SendMessageW(Dialog(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(Item(id)));
}

Step SettingsSheetTest::PressOk() const {
  return {[this] { return Dialog() != nullptr; }, [this] { Click(228); }};
}

Capture CaptureClient(HWND window) {
  UpdateWindow(window);
  harness::Picture picture = harness::PictureOfWindow(window);
  return {picture.width, picture.height, std::move(picture.colours)};
}

bool SaveCapture(const Capture& capture, const char* path) {
  FILE* file = std::fopen(path, "wb");
  if (!file) return false;
  const int stride = (capture.width * 3 + 3) / 4 * 4;
  const uint32_t imageSize = static_cast<uint32_t>(stride * capture.height);
  BITMAPFILEHEADER header = {0x4D42, 54 + imageSize, 0, 0, 54};
  BITMAPINFOHEADER info = {
      sizeof(info), capture.width, capture.height, 1, 24, BI_RGB, imageSize, 0, 0, 0, 0};
  std::fwrite(&header, sizeof(header), 1, file);
  std::fwrite(&info, sizeof(info), 1, file);
  std::vector<unsigned char> row(static_cast<size_t>(stride));
  for (int y = capture.height - 1; y >= 0; --y) {
    for (int x = 0; x < capture.width; ++x) {
      COLORREF c = capture.At(x, y);
      row[x * 3] = GetBValue(c);
      row[x * 3 + 1] = GetGValue(c);
      row[x * 3 + 2] = GetRValue(c);
    }
    std::fwrite(row.data(), 1, row.size(), file);
  }
  return std::fclose(file) == 0;
}

}  // namespace morvex::settingssheet::testing
