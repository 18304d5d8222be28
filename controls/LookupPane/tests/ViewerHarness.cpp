#include "ViewerHarness.h"

#include "com/Automation.h"
#include "com/Fonts.h"
#include "com/WideText.h"
#include "com/testing/ControlHosting.h"
#include "harness/KeyCombo.h"
#include "harness/MouseInput.h"

namespace morvex::lookuppane::testing {

namespace {

constexpr wchar_t kFrameClass[] = L"MorvexLookupPaneTestFrame";

class HarnessEnvironment : public com::testing::ControlTestEnvironment {
 public:
  HarnessEnvironment()
      : ControlTestEnvironment(kLookupPaneDll, com::testing::HostClass::kRegistered) {}
  void SetUp() override {
    ControlTestEnvironment::SetUp();
    ASSERT_TRUE(com::testing::RegisterTestWindowClass(kFrameClass, GetSysColorBrush(COLOR_WINDOW)));
  }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new HarnessEnvironment);

}  // namespace

void ViewerHarness::SetUp() {
  ASSERT_EQ(GetACP(), 1251u) << "start Wine with LC_ALL=ru_RU.UTF-8";
  frame_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kFrameClass, L"LookupPane test",
                           WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 40, 40, 640, 440, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(frame_, nullptr);
  ASSERT_EQ(Hr{com::EventSink::Create(DIID__IVelDictViewCtrlEvents, &sink_)}, Hr{S_OK});
  for (DISPID id : {kNeedToChangeLang, kNeedToSetLangInput, kNeedPopupMenu}) {
    sink_->On(id, [this, id](com::EventArguments& arguments) {
      Event event{id, {}};
      for (UINT i = 0; i < arguments.Count(); ++i) event.arguments.push_back(arguments.Long(i));
      events_.push_back(event);
    });
  }
  MakeViewer(600, 400);
}

void ViewerHarness::MakeViewer(int width, int height) {
  sink_->Disconnect();
  viewer_.Reset();
  if (host_) DestroyWindow(host_);
  host_ = nullptr;
  ASSERT_TRUE(com::testing::HostByProgId(frame_, kProgId, {10, 10, 10 + width, 10 + height}, 1,
                                         &host_, &viewer_));
  ASSERT_EQ(Hr{sink_->Connect(viewer_.Get())}, Hr{S_OK});
  events_.clear();
  com::testing::PumpPending();
}

void ViewerHarness::SetUpAsTheHostDoes() {
  com::Ptr<IFontDisp> font;
  ASSERT_EQ(Hr{com::CreateFontDisp({L"Tahoma", 8, FW_NORMAL, RUSSIAN_CHARSET, false}, &font)},
            Hr{S_OK});
  ASSERT_EQ(Hr{viewer_->put_BkInterfaceColor(RGB(236, 232, 216))}, Hr{S_OK});
  ASSERT_EQ(Hr{viewer_->put_clrTxtInterface(RGB(0, 0, 128))}, Hr{S_OK});
  ASSERT_EQ(Hr{viewer_->put_BkColorCtrl(RGB(255, 255, 255))}, Hr{S_OK});
  ASSERT_EQ(Hr{viewer_->put_TextCtrl(0, RGB(0, 0, 0))}, Hr{S_OK});
  ASSERT_EQ(Hr{viewer_->put_FontControls(font.Get())}, Hr{S_OK});
  ASSERT_EQ(Hr{viewer_->SetTitles(com::Bstr(L"Type a word:").Get(), com::Bstr(L"Dictionary").Get(),
                                  com::Bstr(L"Translation").Get(), com::Bstr(L"").Get())},
            Hr{S_OK});
  com::testing::PumpPending();
}

void ViewerHarness::TearDown() {
  if (sink_) sink_->Disconnect();
  sink_.Reset();
  viewer_.Reset();
  if (frame_) DestroyWindow(frame_);
  host_ = nullptr;
  com::testing::PumpPending();
  CoFreeUnusedLibraries();
  com::testing::ExpectNoLiveObjects(kLookupPaneDll);
}

HWND ViewerHarness::ControlWindow() const { return GetWindow(host_, GW_CHILD); }

std::vector<std::string> ViewerHarness::Rows() const {
  std::vector<std::string> rows;
  const int count = static_cast<int>(SendMessageA(List(), LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[300] = {};
    SendMessageA(List(), LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    rows.push_back(text);
  }
  return rows;
}

int ViewerHarness::SelectedRow() const {
  return static_cast<int>(SendMessageA(List(), LB_GETCURSEL, 0, 0));
}

std::string ViewerHarness::SelectedWord() const {
  const int row = SelectedRow();
  const std::vector<std::string> rows = Rows();
  return row >= 0 && row < static_cast<int>(rows.size()) ? rows[static_cast<size_t>(row)] : "";
}

std::string ViewerHarness::EntryText() const {
  char text[300] = {};
  GetWindowTextA(Entry(), text, sizeof text);
  return text;
}

std::wstring ViewerHarness::ArticleText() const {
  GETTEXTLENGTHEX lengthOf = {GTL_DEFAULT, 1200};
  const LRESULT length =
      SendMessageW(Article(), EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthOf), 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  GETTEXTEX how = {};
  how.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  how.flags = GT_DEFAULT;
  how.codepage = 1200;
  const LRESULT copied = SendMessageW(Article(), EM_GETTEXTEX, reinterpret_cast<WPARAM>(&how),
                                      reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(copied));
  return text;
}

void ViewerHarness::FocusForInput(HWND window) {
  SetForegroundWindow(frame_);
  SetFocus(window);
  com::testing::Pump(50);
}

void ViewerHarness::Press(const wchar_t* combo) {
  std::vector<harness::KeyStroke> keys;
  std::wstring error;
  ASSERT_TRUE(harness::ParseKeyCombo(combo, &keys, &error)) << error.c_str();
  ASSERT_TRUE(harness::SendKeyCombo(keys));
  com::testing::Pump(100);
}

void ViewerHarness::Type(const std::wstring& text) {
  std::vector<INPUT> inputs;
  for (wchar_t c : text) {
    for (DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
      INPUT input = {};
      input.type = INPUT_KEYBOARD;
      input.ki.wScan = c;
      input.ki.dwFlags = KEYEVENTF_UNICODE | up;
      inputs.push_back(input);
    }
  }
  ASSERT_EQ(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)),
            inputs.size());
  com::testing::Pump(100);
}

void ViewerHarness::Click(HWND window, POINT at) {
  ClientToScreen(window, &at);
  ASSERT_TRUE(harness::SendClick({at}));
  com::testing::Pump(150);
}

LONG ViewerHarness::ArticlePositionOf(const std::wstring& text) const {
  const size_t found = ArticleText().find(text);
  return found == std::wstring::npos ? -1 : static_cast<LONG>(found);
}

std::vector<Event> ViewerHarness::EventsOf(DISPID id) const {
  std::vector<Event> matching;
  for (const Event& event : events_)
    if (event.id == id) matching.push_back(event);
  return matching;
}

ScreenPicture::ScreenPicture(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  com::testing::Pump(200);
  RECT bounds = {};
  GetWindowRect(window, &bounds);
  width_ = bounds.right - bounds.left;
  height_ = bounds.bottom - bounds.top;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* pixels = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width_, height_, screen, bounds.left, bounds.top, SRCCOPY);
  GdiFlush();
  const DWORD* first = static_cast<const DWORD*>(pixels);
  bits_.assign(first, first + static_cast<size_t>(width_) * static_cast<size_t>(height_));
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

COLORREF ScreenPicture::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  const DWORD pixel =
      bits_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

bool ScreenPicture::Save(const char* name) const {
  const DWORD imageSize = static_cast<DWORD>(bits_.size() * sizeof(DWORD));
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof header;
  header.biWidth = width_;
  header.biHeight = -height_;
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biSizeImage = imageSize;
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + imageSize;
  // Opaque pixels: the screen's have no alpha, picture viewers read one.
  std::vector<DWORD> opaque = bits_;
  for (DWORD& pixel : opaque) pixel |= 0xFF000000u;
  char program[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  std::string path = program;
  path = path.substr(0, path.find_last_of('\\') + 1) + name;
  HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (out == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(out, &file, sizeof file, &written, nullptr) &&
            WriteFile(out, &header, sizeof header, &written, nullptr) &&
            WriteFile(out, opaque.data(), imageSize, &written, nullptr) && written == imageSize;
  CloseHandle(out);
  return ok;
}

CHARFORMAT2W FormatAt(HWND view, LONG at) {
  CHARRANGE one = {at, at + 1};
  SendMessageW(view, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&one));
  CHARFORMAT2W format = {};
  format.cbSize = sizeof format;
  SendMessageW(view, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  return format;
}

}  // namespace morvex::lookuppane::testing
