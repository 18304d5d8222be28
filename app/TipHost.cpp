#include "app/TipHost.h"

#include <olectl.h>

#include "app/DefaultFont.h"
#include "app/HostedControl.h"
#include "app/PrivateMessages.h"
#include "app/Resources.h"
#include "app/SelectionCapture.h"
#include "app/portable/PopupText.h"
#include "com/Automation.h"
#include "com/AxHost.h"
#include "com/Reflection.h"
#include "com/WideText.h"

namespace morvex::solo {

namespace {

// Hidden until a translation places it: shown from creation, a dictionary
// chosen later would retranslate an empty word.
constexpr DWORD kHostStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
// The language ids the tip takes are primary languages.
constexpr long kPrimaryLanguageMask = 0x3FF;
constexpr int kCaptureModeMouse = 1;

enum : DISPID {
  kNeedToHide = 2,
  kNeedToChangeLang = 3,
  kNeedEditMenu = 4,
  kNeedDictViewer = 5,
};

com::Bstr BstrFromAnsi(const std::string& text) {
  return com::Bstr(com::WideFromAnsi(text).c_str());
}

// The dictionary's Find as the lookup asks it; only a non-null article
// counts as found, whatever Find returned.
FoundArticle FindInDictionary(IVelDictionary* dictionary, FindKind kind, const std::string& word) {
  com::Bstr outWord, article;
  dictionary->Find(kind == FindKind::kExact ? vdfFindDictExact : vdfFindDictNear,
                   BstrFromAnsi(word).Get(), outWord.Put(), article.Put());
  FoundArticle found;
  found.found = !article.IsNull();
  if (!outWord.IsNull()) found.word = com::AnsiFromWide(outWord.Text());
  found.article = com::AnsiFromWide(article.Text());
  return found;
}

}  // namespace

const char CTipHost::kClassName[] = "QuickHintHost";

CTipHost::~CTipHost() { Destroy(); }

bool CTipHost::Create(HWND owner) {
  com::WindowClassSpec spec = {kClassName};
  spec.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  spec.background = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
  return Window::Create(spec, owner, RECT{}, kHostStyle);
}

LRESULT CTipHost::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT reflected = 0;
  if (com::ReflectNotification(handle(), message, wParam, lParam, &reflected)) return reflected;
  switch (message) {
    case WM_DESTROY:
      return OnDestroy();
    case WM_CREATE:
      // The host exists with or without its tip.
      return CreateTipControl() ? 1 : 0;
  }
  return DefaultProcessing(message, wParam, lParam);
}

// --- The tip

bool CTipHost::CreateTipControl() {
  if (!CreateEventSink()) return false;
  ControlRequest request;
  request.parent = handle();
  request.clsid = &CLSID_QuickHintCtrl;
  request.id = kControlHostId;
  request.displayNameId = IDS_CONTROL_NAME_TIP;
  request.sinkIid = &DIID__IQuickHintCtrlEvents;
  request.sink = events_.Get();
  HostedControl hosted = HostControl(request);
  controlHost_ = hosted.host;
  if (!hosted.control) return false;
  com::Ptr<IQuickHintCtrl> tip = TipControl();
  if (!tip) return false;
  tip->put_ForeColor(GetSysColor(COLOR_INFOTEXT));

  if (com::Ptr<IFontDisp> font = CreateDefaultFont()) tip->put_FontTip(font.Get());
  return true;
}

bool CTipHost::CreateEventSink() {
  if (FAILED(com::EventSink::Create(DIID__IQuickHintCtrlEvents, &events_))) return false;
  events_->On(kNeedToHide, [this](com::EventArguments&) { OnNeedToHide(); });
  events_->On(kNeedToChangeLang, [this](com::EventArguments& arguments) {
    OnNeedToChangeLang(arguments.Long(1), arguments.Long(2), arguments.Long(3));
  });
  events_->On(kNeedEditMenu, [this](com::EventArguments& arguments) {
    OnNeedEditMenu(arguments.Long(0), arguments.Long(1));
  });
  events_->On(kNeedDictViewer, [this](com::EventArguments&) { OnNeedDictViewer(); });
  return true;
}

// The host lets go of the tip, and so unadvises its events, before the
// handlers' object goes.
LRESULT CTipHost::OnDestroy() {
  if (controlHost_) com::AxDetachControl(controlHost_);
  controlHost_ = nullptr;
  return DefaultProcessing(WM_DESTROY, 0, 0);
}

com::Ptr<IQuickHintCtrl> CTipHost::TipControl() const {
  com::Ptr<IQuickHintCtrl> tip;
  com::Ptr<IUnknown> control;
  if (controlHost_ && SUCCEEDED(com::AtlAxGetControl(controlHost_, control.Put()))) {
    control.As(&tip);
  }
  return tip;
}

// --- The tip's requests

void CTipHost::OnNeedToHide() {
  currentWord_.clear();
  ShowWindow(handle(), SW_HIDE);
}

void CTipHost::OnNeedToChangeLang(long language, long x, long y) {
  if (!MainWindowAlive()) return;
  POINT point = {x, y};
  SendMessageA(mainWindow_, WM_TIP_CHANGELANG, static_cast<WPARAM>(language),
               reinterpret_cast<LPARAM>(&point));
}

void CTipHost::OnNeedEditMenu(long x, long y) {
  if (!MainWindowAlive()) return;
  POINT point = {x, y};
  SendMessageA(mainWindow_, WM_TIP_EDITMENU, 0, reinterpret_cast<LPARAM>(&point));
}

void CTipHost::OnNeedDictViewer() {
  if (MainWindowAlive()) SendMessageA(mainWindow_, WM_TIP_SHOWINDICT, 0, 0);
}

// --- Operations for the main window

void CTipHost::CopyText() {
  if (com::Ptr<IQuickHintCtrl> tip = TipControl()) tip->CopyText();
}

void CTipHost::SelectAll() {
  if (com::Ptr<IQuickHintCtrl> tip = TipControl()) tip->SelectAll();
}

void CTipHost::SetTipIcon(HICON icon, long cx, long cy) {
  const auto handle = reinterpret_cast<LONG_PTR>(icon);
  if (com::Ptr<IQuickHintCtrl> tip = TipControl()) tip->put_SetTipIcon(handle, handle, cx, cy);
}

// --- The popup translation

void CTipHost::TranslateFromWindow(HWND window, long x, long y, int mode,
                                   IVelDictionary* dictionary) {
  if (!window) return;
  const CaptureMode capture =
      mode == kCaptureModeMouse ? CaptureMode::kMouse : CaptureMode::kHotKey;
  std::string text;
  if (!CaptureSelection(window, capture, handle(), &text)) return;
  TrimCapturedWord(&text, IsAnsiLetter);
  currentWord_ = text;
  if (currentWord_.empty()) return;
  LookUp(currentWord_, dictionary);
  PlaceTip(x, y);
}

void CTipHost::Retranslate(IVelDictionary* dictionary) {
  if (!dictionary || currentWord_.empty()) return;
  LookUp(currentWord_, dictionary);
  RECT place = {};
  GetWindowRect(handle(), &place);
  PlaceTip(place.left, place.top);
}

void CTipHost::LookUp(const std::string& word, IVelDictionary* dictionary) {
  com::Ptr<IQuickHintCtrl> tip = TipControl();
  if (!tip || !dictionary) return;
  long langIn = 0, langOut = 0;
  dictionary->get_LangIn(&langIn);
  dictionary->get_LangOut(&langOut);
  const TipText shown = LookUpText(word, [dictionary](FindKind kind, const std::string& asked) {
    return FindInDictionary(dictionary, kind, asked);
  });
  tip->put_InString(BstrFromAnsi(shown.header).Get(), langIn & kPrimaryLanguageMask);
  tip->put_OutString(BstrFromAnsi(shown.body).Get(), langOut & kPrimaryLanguageMask);
}

void CTipHost::PlaceTip(long x, long y) {
  com::Ptr<IQuickHintCtrl> tip = TipControl();
  if (!tip) return;
  int cx = 0, cy = 0;
  tip->GetTipSize(&cx, &cy);
  RECT window = {};
  HWND foreground = GetForegroundWindow();
  const bool hasForeground = foreground && GetWindowRect(foreground, &window);
  const ScreenRect foregroundRect = {window.left, window.top, window.right, window.bottom};
  const TipRect place =
      PlaceTipRect(x, y, cx, cy, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                   hasForeground ? &foregroundRect : nullptr);
  SetWindowPos(handle(), HWND_TOPMOST, place.x, place.y, place.cx, place.cy, SWP_SHOWWINDOW);
  SetWindowPos(controlHost_, nullptr, 0, 0, place.cx, place.cy, SWP_SHOWWINDOW | SWP_NOZORDER);
}

}  // namespace morvex::solo
