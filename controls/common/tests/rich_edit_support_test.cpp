// The rich-edit support of the viewer and the tip: the OLE callback's
// answers slot by slot and its life, the context menu of a real rich edit
// turned into one message to its parent (and no menu), drag and drop
// revoked, the rich-edit library loaded on request, and the font-change
// listener on real font objects: what reaches the control, one font at a
// time, and nothing left holding the module.
#include <gtest/gtest.h>
#include <ole2.h>
#include <olectl.h>
#include <windows.h>

#include <string>
#include <vector>

#include "com/ComObject.h"
#include "com/Fonts.h"
#include "com/Module.h"
#include "controls/common/ArticleOleCallback.h"
#include "controls/common/FontChangeListener.h"
#include "controls/common/RichEditLibrary.h"

namespace morvex::controls {

namespace {

constexpr char kParentClass[] = "MorvexRichEditSupportTestParent";

struct SeenMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
std::vector<SeenMessage> g_parentSaw;
int g_menuLoops = 0;

LRESULT CALLBACK ParentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_RICHEDIT_CONTEXTMENU) g_parentSaw.push_back({message, wParam, lParam});
  return DefWindowProcA(window, message, wParam, lParam);
}

// Every menu loop entered on this thread, whichever window owns the menu.
LRESULT CALLBACK CountMenuLoops(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && (call->message == WM_ENTERMENULOOP || call->message == WM_INITMENUPOPUP))
    ++g_menuLoops;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

class RichEditSupportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ParentProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kParentClass;
    RegisterClassA(&windowClass);  // fails harmlessly once registered
    parent_ = CreateWindowExA(0, kParentClass, "rich edit support", WS_POPUP | WS_VISIBLE, 0, 0,
                              400, 300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(parent_, nullptr);
    g_parentSaw.clear();
    g_menuLoops = 0;
  }
  void TearDown() override {
    if (parent_) DestroyWindow(parent_);
    OleUninitialize();
  }

  HWND MakeRichEdit() {
    EXPECT_TRUE(LoadRichEditLibrary());
    return CreateWindowExA(0, "RichEdit20A", "word", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 10, 10,
                           300, 200, parent_, reinterpret_cast<HMENU>(622),
                           GetModuleHandleA(nullptr), nullptr);
  }

  HWND parent_ = nullptr;
};

template <class T>
T* Junk() {
  return reinterpret_cast<T*>(static_cast<UINT_PTR>(0xDEADBEEF));
}

TEST_F(RichEditSupportTest, CallbackAnswersEachSlotAsItsTableSays) {
  com::Ptr<ArticleOleCallback> callback;
  ASSERT_EQ(com::MakeObject(&callback, static_cast<HWND>(nullptr)), S_OK);
  IRichEditOleCallback* slots = callback.Get();

  IStorage* storage = nullptr;
  EXPECT_EQ(slots->GetNewStorage(&storage), E_NOTIMPL);

  IOleInPlaceFrame* frame = Junk<IOleInPlaceFrame>();
  IOleInPlaceUIWindow* document = Junk<IOleInPlaceUIWindow>();
  OLEINPLACEFRAMEINFO frameInfo = {};
  EXPECT_EQ(slots->GetInPlaceContext(&frame, &document, &frameInfo), S_OK);
  EXPECT_EQ(frame, nullptr);
  EXPECT_EQ(document, nullptr);

  EXPECT_EQ(slots->ShowContainerUI(TRUE), S_OK);
  CLSID clsid = CLSID_NULL;
  EXPECT_EQ(slots->QueryInsertObject(&clsid, nullptr, 0), S_OK);
  EXPECT_EQ(slots->DeleteObject(nullptr), S_OK);
  CLIPFORMAT format = CF_TEXT;
  EXPECT_EQ(slots->QueryAcceptData(nullptr, &format, 0, TRUE, nullptr), E_NOTIMPL);
  EXPECT_EQ(slots->ContextSensitiveHelp(TRUE), E_NOTIMPL);

  IDataObject* data = Junk<IDataObject>();
  CHARRANGE range = {0, 4};
  EXPECT_EQ(slots->GetClipboardData(&range, RECO_COPY, &data), E_NOTIMPL);
  EXPECT_EQ(data, nullptr);

  DWORD effect = DROPEFFECT_MOVE | DROPEFFECT_LINK;
  EXPECT_EQ(slots->GetDragDropEffect(TRUE, 0, &effect), E_NOTIMPL);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));

  // The rich edit would track and destroy any handle that came back.
  HMENU menu = Junk<HMENU__>();
  EXPECT_EQ(slots->GetContextMenu(SEL_TEXT, nullptr, &range, &menu), S_OK);
  EXPECT_EQ(menu, nullptr);
}

TEST_F(RichEditSupportTest, CallbackIsItsOwnIdentityAndGoesWithItsLastReference) {
  const LONG locksBefore = com::ModuleLockCount();
  com::Ptr<ArticleOleCallback> callback;
  ASSERT_EQ(com::MakeObject(&callback, static_cast<HWND>(nullptr)), S_OK);
  IRichEditOleCallback* raw = callback.Detach();

  void* out = Junk<void>();
  EXPECT_EQ(raw->QueryInterface(IID_IDispatch, &out), E_NOINTERFACE);
  EXPECT_EQ(out, nullptr);
  for (const IID* iid : {&IID_IUnknown, &IID_IRichEditOleCallback}) {
    ASSERT_EQ(raw->QueryInterface(*iid, &out), S_OK);
    EXPECT_EQ(out, static_cast<void*>(raw));
    EXPECT_EQ(raw->Release(), 1u);
  }
  EXPECT_EQ(raw->AddRef(), 2u);
  EXPECT_EQ(raw->Release(), 1u);
  EXPECT_GT(com::ModuleLockCount(), locksBefore);
  EXPECT_EQ(raw->Release(), 0u);
  EXPECT_EQ(com::ModuleLockCount(), locksBefore) << "the callback is still alive";
}

TEST_F(RichEditSupportTest, RightClickInARichEditIsOneMessageToItsParentAndNoMenu) {
  HWND richEdit = MakeRichEdit();
  ASSERT_NE(richEdit, nullptr);
  ASSERT_EQ(AttachArticleOleCallback(richEdit), S_OK);
  SetCursorPos(300, 200);
  POINT cursor = {};
  ASSERT_TRUE(GetCursorPos(&cursor));
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, CountMenuLoops, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  SendMessageA(richEdit, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(richEdit), MAKELPARAM(300, 200));
  UnhookWindowsHookEx(hook);

  ASSERT_EQ(g_parentSaw.size(), 1u);
  EXPECT_EQ(g_parentSaw[0].wParam, reinterpret_cast<WPARAM>(richEdit));
  EXPECT_EQ(g_parentSaw[0].lParam, MAKELPARAM(cursor.x, cursor.y));
  EXPECT_EQ(g_menuLoops, 0) << "a menu was shown";

  // Once the rich edit is gone, so is its callback.
  const LONG locksWithRichEdit = com::ModuleLockCount();
  DestroyWindow(richEdit);
  EXPECT_EQ(com::ModuleLockCount(), locksWithRichEdit - 1);
}

class DropTarget : public com::Object<IDropTarget> {
 public:
  static const com::InterfaceEntry* Interfaces() {
    static const com::InterfaceEntry table[] = {com::Entry<DropTarget, IDropTarget>(),
                                                com::kEndOfInterfaces};
    return table;
  }
  STDMETHODIMP DragEnter(IDataObject*, DWORD, POINTL, DWORD*) override { return S_OK; }
  STDMETHODIMP DragOver(DWORD, POINTL, DWORD*) override { return S_OK; }
  STDMETHODIMP DragLeave() override { return S_OK; }
  STDMETHODIMP Drop(IDataObject*, DWORD, POINTL, DWORD*) override { return S_OK; }
};

TEST_F(RichEditSupportTest, AttachingRevokesTheRichEditsDropTarget) {
  com::Ptr<DropTarget> target;
  ASSERT_EQ(com::MakeObject(&target), S_OK);
  HWND richEdit = MakeRichEdit();
  ASSERT_NE(richEdit, nullptr);
  // The rich edit of Windows takes drops of its own; Wine's does not, so
  // one stands in for it.
  RegisterDragDrop(richEdit, target.Get());
  ASSERT_EQ(RegisterDragDrop(richEdit, target.Get()), DRAGDROP_E_ALREADYREGISTERED);
  ASSERT_EQ(AttachArticleOleCallback(richEdit), S_OK);
  EXPECT_EQ(RegisterDragDrop(richEdit, target.Get()), S_OK) << "a drop target is still there";
  RevokeDragDrop(richEdit);
}

TEST_F(RichEditSupportTest, LibraryLoadsOnRequestAndRegistersTheRichEditClass) {
  ASSERT_TRUE(LoadRichEditLibrary());
  EXPECT_TRUE(LoadRichEditLibrary());
  WNDCLASSEXA info = {};
  info.cbSize = sizeof info;
  EXPECT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "RichEdit20A", &info));
}

// The control side of a listener: what reached it, in order.
class RecordingControl : public FontChangeOwner {
 public:
  void RefreshView() override { calls.push_back("refresh"); }
  void RebuildFonts(bool refresh) override {
    calls.push_back(refresh ? "rebuild with refresh" : "rebuild");
  }
  std::vector<std::string> TakeCalls() {
    std::vector<std::string> taken;
    taken.swap(calls);
    return taken;
  }
  std::vector<std::string> calls;
};

void Resize(IFontDisp* font, LONGLONG tenThousandthsOfAPoint) {
  com::Ptr<IFont> asFont;
  ASSERT_EQ(font->QueryInterface(IID_IFont, asFont.PutVoid()), S_OK);
  CY size;
  size.int64 = tenThousandthsOfAPoint;
  ASSERT_EQ(asFont->put_Size(size), S_OK);
}

// Checked as the controls use it, through its GDI font: the font object
// reports the face and size the system chose (a substitute under Wine).
TEST_F(RichEditSupportTest, DefaultControlFontIsItalicEightPointArialInCyrillic) {
  com::Ptr<IFontDisp> font;
  ASSERT_EQ(com::CreateFontDisp(kArticleControlFont, &font), S_OK);
  com::Ptr<IFont> asFont;
  ASSERT_EQ(font->QueryInterface(IID_IFont, asFont.PutVoid()), S_OK);
  CY size = {};
  asFont->get_Size(&size);
  EXPECT_EQ((size.int64 + 5000) / 10000, 8);
  HFONT gdiFont = nullptr;
  ASSERT_EQ(asFont->get_hFont(&gdiFont), S_OK);
  LOGFONTW described = {};
  ASSERT_TRUE(GetObjectW(gdiFont, sizeof described, &described));
  EXPECT_STREQ(described.lfFaceName, L"Arial");
  EXPECT_TRUE(described.lfItalic);
  EXPECT_FALSE(described.lfUnderline);
  EXPECT_FALSE(described.lfStrikeOut);
  EXPECT_EQ(described.lfWeight, 400);
  EXPECT_EQ(described.lfCharSet, 204);
}

TEST_F(RichEditSupportTest, ListenerRebuildsTheControlOnChangesOfTheOneFontItListensTo) {
  RecordingControl control;
  com::Ptr<FontChangeListener> listener;
  ASSERT_EQ(FontChangeListener::Create(&control, &listener), S_OK);
  com::Ptr<IFontDisp> first, second;
  ASSERT_EQ(com::CreateFontDisp(kArticleControlFont, &first), S_OK);
  ASSERT_EQ(com::CreateFontDisp(kArticleControlFont, &second), S_OK);
  const std::vector<std::string> oneChange = {"refresh", "rebuild with refresh"};

  Resize(first.Get(), 90000);
  EXPECT_TRUE(control.TakeCalls().empty()) << "not listening yet";

  ASSERT_EQ(listener->Listen(first.Get()), S_OK);
  Resize(first.Get(), 100000);
  EXPECT_EQ(control.TakeCalls(), oneChange);

  ASSERT_EQ(listener->Listen(first.Get()), S_OK);  // the same font: still one advise
  Resize(first.Get(), 110000);
  EXPECT_EQ(control.TakeCalls(), oneChange);

  // A new font replaces the first at once.
  ASSERT_EQ(listener->Listen(second.Get()), S_OK);
  Resize(first.Get(), 120000);
  EXPECT_TRUE(control.TakeCalls().empty()) << "the replaced font still reaches the control";
  Resize(second.Get(), 120000);
  EXPECT_EQ(control.TakeCalls(), oneChange);

  ASSERT_EQ(listener->Listen(nullptr), S_OK);
  Resize(second.Get(), 130000);
  EXPECT_TRUE(control.TakeCalls().empty());
  EXPECT_EQ(listener->font(), nullptr);

  // Something that is no font: nothing listened to.
  com::Ptr<FontChangeListener> other;
  ASSERT_EQ(FontChangeListener::Create(&control, &other), S_OK);
  EXPECT_EQ(listener->Listen(other.Get()), E_NOINTERFACE);
  EXPECT_EQ(listener->font(), nullptr);
}

TEST_F(RichEditSupportTest, ListenerKeepsItsFontUntilDisconnectedThenNothingHoldsTheModule) {
  const LONG locksBefore = com::ModuleLockCount();
  RecordingControl control;
  com::Ptr<FontChangeListener> listener;
  ASSERT_EQ(FontChangeListener::Create(&control, &listener), S_OK);
  EXPECT_EQ(com::ModuleLockCount(), locksBefore + 1);
  {
    com::Ptr<IFontDisp> font;
    ASSERT_EQ(com::CreateFontDisp(kArticleControlFont, &font), S_OK);
    ASSERT_EQ(listener->Listen(font.Get()), S_OK);
  }  // the control let go of its font: the listener still reaches it
  com::Ptr<IFontDisp> listened;
  ASSERT_EQ(listener->font()->QueryInterface(IID_IFontDisp, listened.PutVoid()), S_OK);
  Resize(listened.Get(), 140000);
  EXPECT_EQ(control.TakeCalls().size(), 2u);

  listener->Disconnect();
  Resize(listened.Get(), 150000);
  EXPECT_TRUE(control.TakeCalls().empty()) << "a disconnected listener still calls its owner";
  listener.Reset();
  EXPECT_EQ(com::ModuleLockCount(), locksBefore) << "the listener outlived its control";
}

}  // namespace

}  // namespace morvex::controls
