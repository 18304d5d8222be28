// Reflection of child notifications: each message of the list reaches the
// child it names as message + kReflectedMessageBase, with its parameters
// unchanged, and the child's answer is the parent's; what names no child of
// the parent (menus, accelerators, the window's own scroll bars, owned
// popups) is left to the parent. Real controls send through a reflecting
// parent too: an owner-drawn button painting itself, and a trackbar whose
// custom draw goes on as the reflected answer asks.
#include "com/Reflection.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <vector>

namespace morvex::com {

namespace {

constexpr char kParentClass[] = "MorvexReflectingParent";
constexpr char kRecordProperty[] = "MorvexReflectionRecord";
constexpr char kAnswersProperty[] = "MorvexReflectionAnswers";

constexpr int kButtonId = 101;
constexpr int kListId = 102;
constexpr int kScrollBarId = 103;
constexpr int kStaticId = 104;
constexpr int kEditId = 105;
constexpr int kTrackbarId = 106;

constexpr RECT kStaticRect = {10, 200, 110, 230};

LPARAM AsLParam(const void* pointer) { return reinterpret_cast<LPARAM>(pointer); }

struct Seen {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// What a subclassed child received at or above the reflection base, and how
// it answers.
struct ChildRecord {
  HWND window = nullptr;
  WNDPROC original = nullptr;
  LRESULT answer = 0;                       // to every reflected message but custom draw
  LRESULT prePaintAnswer = CDRF_DODEFAULT;  // to the CDDS_PREPAINT stage of custom draw
  std::vector<Seen> reflected;
  std::vector<DWORD> customDrawStages;
};

bool IsReflected(UINT message) {
  return message >= kReflectedMessageBase && message < kReflectedMessageBase + WM_USER;
}

LRESULT CALLBACK RecordingChildProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* record = static_cast<ChildRecord*>(GetPropA(window, kRecordProperty));
  if (!IsReflected(message)) {
    if (message == WM_NCDESTROY) RemovePropA(window, kRecordProperty);
    return CallWindowProcA(record->original, window, message, wParam, lParam);
  }
  record->reflected.push_back({message, wParam, lParam});
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (message == kReflectedMessageBase + WM_NOTIFY && header->code == NM_CUSTOMDRAW) {
    const auto* draw = reinterpret_cast<const NMCUSTOMDRAW*>(lParam);
    record->customDrawStages.push_back(draw->dwDrawStage);
    return draw->dwDrawStage == CDDS_PREPAINT ? record->prePaintAnswer : CDRF_DODEFAULT;
  }
  return record->answer;
}

struct ParentAnswer {
  UINT message;
  LRESULT answer;
};

// The parent under test: it reflects first and keeps each answer it gave.
LRESULT CALLBACK ReflectingParentProcedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  LRESULT result = 0;
  if (ReflectNotification(window, message, wParam, lParam, &result)) {
    auto* answers = static_cast<std::vector<ParentAnswer>*>(GetPropA(window, kAnswersProperty));
    if (answers) answers->push_back({message, result});
    return result;
  }
  if (message == WM_NCDESTROY) RemovePropA(window, kAnswersProperty);
  return DefWindowProcA(window, message, wParam, lParam);
}

class ReflectionTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ReflectingParentProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kParentClass;
    ASSERT_NE(RegisterClassExA(&windowClass), 0);
    const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&controls));
  }
  static void TearDownTestSuite() { UnregisterClassA(kParentClass, GetModuleHandleA(nullptr)); }

  void SetUp() override {
    // Shown: a click is looked up among visible children only.
    parent_ = CreateWindowExA(0, kParentClass, "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(parent_, nullptr);
    SetPropA(parent_, kAnswersProperty, &parentAnswers_);
    button_ = AddChild("BUTTON", BS_OWNERDRAW, kButtonId, {10, 10, 110, 40});
    list_ = AddChild("LISTBOX", LBS_NOTIFY, kListId, {10, 50, 110, 150});
    scrollBar_ = AddChild("SCROLLBAR", SBS_HORZ, kScrollBarId, {10, 160, 110, 180});
    static_ = AddChild("STATIC", SS_LEFT, kStaticId, kStaticRect);
    edit_ = AddChild("EDIT", ES_LEFT, kEditId, {200, 10, 300, 30});
  }
  void TearDown() override { DestroyWindow(parent_); }

  // Children answer with values of their own, so an answer tells who gave it.
  HWND AddChild(const char* className, DWORD style, int id, const RECT& rect) {
    HWND child = CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, rect.left,
                                 rect.top, rect.right - rect.left, rect.bottom - rect.top, parent_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleA(nullptr), nullptr);
    EXPECT_NE(child, nullptr) << className;
    return Recorded(child, 1000 + id);
  }

  // Subclasses the window so that it records what is reflected to it.
  HWND Recorded(HWND window, LRESULT answer) {
    auto record = std::make_unique<ChildRecord>();
    record->window = window;
    record->answer = answer;
    SetPropA(window, kRecordProperty, record.get());
    record->original = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingChildProcedure)));
    records_.push_back(std::move(record));
    return window;
  }

  ChildRecord& RecordOf(HWND child) {
    for (auto& record : records_) {
      if (record->window == child) return *record;
    }
    ADD_FAILURE() << "no record of that child";
    return *records_.front();
  }

  void ForgetWhatWasSeen() {
    for (auto& record : records_) {
      record->reflected.clear();
      record->customDrawStages.clear();
    }
    parentAnswers_.clear();
  }

  // The answers the parent gave for reflected messages of one kind.
  std::vector<LRESULT> ParentAnswersTo(UINT message) const {
    std::vector<LRESULT> answers;
    for (const ParentAnswer& given : parentAnswers_) {
      if (given.message == message) answers.push_back(given.answer);
    }
    return answers;
  }

  // Paints now, as a control paints itself when the system asks it to.
  static void PaintNow(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }

  HWND parent_ = nullptr;
  HWND button_ = nullptr;
  HWND list_ = nullptr;
  HWND scrollBar_ = nullptr;
  HWND static_ = nullptr;
  HWND edit_ = nullptr;
  std::vector<std::unique_ptr<ChildRecord>> records_;
  std::vector<ParentAnswer> parentAnswers_;
};

TEST_F(ReflectionTest, EachMessageOfTheListReachesTheChildItNames) {
  // Owned top-level windows (tooltips) notify their owner without being
  // its children.
  HWND popup = Recorded(CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, parent_, nullptr,
                                        GetModuleHandleA(nullptr), nullptr),
                        2000);

  DRAWITEMSTRUCT draw = {};
  draw.CtlType = ODT_BUTTON;
  draw.CtlID = kButtonId;
  draw.hwndItem = button_;
  // A menu item's handle field holds a menu: the type decides, whatever
  // the field holds.
  DRAWITEMSTRUCT menuDraw = draw;
  menuDraw.CtlType = ODT_MENU;
  MEASUREITEMSTRUCT measure = {};
  measure.CtlType = ODT_LISTBOX;
  measure.CtlID = kListId;
  MEASUREITEMSTRUCT menuMeasure = measure;
  menuMeasure.CtlType = ODT_MENU;
  MEASUREITEMSTRUCT measureOfNoChild = measure;
  measureOfNoChild.CtlID = 4321;
  COMPAREITEMSTRUCT compare = {};
  compare.CtlType = ODT_LISTBOX;
  compare.CtlID = kListId;
  compare.hwndItem = list_;
  DELETEITEMSTRUCT deleted = {};
  deleted.CtlType = ODT_LISTBOX;
  deleted.CtlID = kListId;
  deleted.hwndItem = list_;
  const NMHDR fromList = {list_, static_cast<UINT_PTR>(kListId), static_cast<UINT>(NM_CLICK)};
  const NMHDR fromPopup = {popup, 0, static_cast<UINT>(NM_CLICK)};
  const LPARAM onStatic = MAKELPARAM(kStaticRect.left + 5, kStaticRect.top + 5);

  const struct {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    HWND child;  // null: not reflected
  } cases[] = {
      {"command from a control", WM_COMMAND, MAKEWPARAM(kButtonId, BN_CLICKED), AsLParam(button_),
       button_},
      {"notification", WM_NOTIFY, kListId, AsLParam(&fromList), list_},
      {"item drawn", WM_DRAWITEM, kButtonId, AsLParam(&draw), button_},
      {"item measured, found by its id", WM_MEASUREITEM, kListId, AsLParam(&measure), list_},
      {"items compared", WM_COMPAREITEM, kListId, AsLParam(&compare), list_},
      {"item deleted", WM_DELETEITEM, kListId, AsLParam(&deleted), list_},
      {"horizontal scroll bar control", WM_HSCROLL, SB_LINEDOWN, AsLParam(scrollBar_), scrollBar_},
      {"vertical scroll from a control", WM_VSCROLL, SB_LINEUP, AsLParam(list_), list_},
      {"message box colour", WM_CTLCOLORMSGBOX, 0, AsLParam(static_), static_},
      {"edit colour", WM_CTLCOLOREDIT, 0, AsLParam(edit_), edit_},
      {"list box colour", WM_CTLCOLORLISTBOX, 0, AsLParam(list_), list_},
      {"button colour", WM_CTLCOLORBTN, 0, AsLParam(button_), button_},
      {"scroll bar colour", WM_CTLCOLORSCROLLBAR, 0, AsLParam(scrollBar_), scrollBar_},
      {"static colour", WM_CTLCOLORSTATIC, 0, AsLParam(static_), static_},
      {"child created", WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, kEditId), AsLParam(edit_), edit_},
      {"child destroyed", WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, kEditId), AsLParam(edit_), edit_},

      {"menu command", WM_COMMAND, MAKEWPARAM(40001, 0), 0, nullptr},
      {"accelerator command", WM_COMMAND, MAKEWPARAM(40001, 1), 0, nullptr},
      {"menu item drawn", WM_DRAWITEM, 0, AsLParam(&menuDraw), nullptr},
      {"menu item measured", WM_MEASUREITEM, 0, AsLParam(&menuMeasure), nullptr},
      {"item measured for an id no child has", WM_MEASUREITEM, 4321, AsLParam(&measureOfNoChild),
       nullptr},
      {"the window's own scroll bar", WM_VSCROLL, SB_LINEDOWN, 0, nullptr},
      {"notification from an owned popup", WM_NOTIFY, 0, AsLParam(&fromPopup), nullptr},
      {"the parent's own colour", WM_CTLCOLORDLG, 0, AsLParam(parent_), nullptr},
      {"click on a child: the parent's own", WM_PARENTNOTIFY, WM_LBUTTONDOWN, onStatic, nullptr},
      {"a message not of the list", WM_SETCURSOR, reinterpret_cast<WPARAM>(button_),
       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE), nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ForgetWhatWasSeen();
    LRESULT result = -1;
    EXPECT_EQ(ReflectNotification(parent_, c.message, c.wParam, c.lParam, &result),
              c.child != nullptr);
    for (const auto& record : records_) {
      if (record->window != c.child) {
        EXPECT_TRUE(record->reflected.empty()) << "reached child " << GetDlgCtrlID(record->window);
        continue;
      }
      ASSERT_EQ(record->reflected.size(), 1u);
      EXPECT_EQ(record->reflected[0].message, kReflectedMessageBase + c.message);
      EXPECT_EQ(record->reflected[0].wParam, c.wParam);
      EXPECT_EQ(record->reflected[0].lParam, c.lParam);
      EXPECT_EQ(result, record->answer);
    }
  }
}

// The button asks for its colours too; the drawing is what is looked at.
TEST_F(ReflectionTest, OwnerDrawnButtonDrawsItselfThroughTheParent) {
  RecordOf(button_).answer = TRUE;
  ForgetWhatWasSeen();
  PaintNow(button_);

  size_t drawRequests = 0;
  for (const Seen& seen : RecordOf(button_).reflected) {
    if (seen.message == kReflectedMessageBase + WM_DRAWITEM) ++drawRequests;
  }
  EXPECT_GT(drawRequests, 0u) << "the button did not ask to be drawn";
  EXPECT_EQ(ParentAnswersTo(WM_DRAWITEM), std::vector<LRESULT>(drawRequests, TRUE));
}

// The trackbar asks for each part's stage only when its first stage was
// answered with CDRF_NOTIFYITEMDRAW: the answer the child gives is the one
// the trackbar gets.
TEST_F(ReflectionTest, CustomDrawGoesOnAsTheChildAnswers) {
  HWND trackbar = AddChild(TRACKBAR_CLASSA, TBS_HORZ, kTrackbarId, {200, 50, 350, 90});
  const struct {
    LRESULT prePaintAnswer;
    bool partsAsked;
  } cases[] = {{CDRF_NOTIFYITEMDRAW, true}, {CDRF_DODEFAULT, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.prePaintAnswer);
    RecordOf(trackbar).prePaintAnswer = c.prePaintAnswer;
    ForgetWhatWasSeen();
    PaintNow(trackbar);

    const std::vector<DWORD>& stages = RecordOf(trackbar).customDrawStages;
    ASSERT_FALSE(stages.empty()) << "no custom draw reached the trackbar";
    EXPECT_EQ(stages[0], static_cast<DWORD>(CDDS_PREPAINT));
    bool partsAsked = false;
    for (DWORD stage : stages) partsAsked = partsAsked || stage == CDDS_ITEMPREPAINT;
    EXPECT_EQ(partsAsked, c.partsAsked);
    ASSERT_FALSE(ParentAnswersTo(WM_NOTIFY).empty());
    EXPECT_EQ(ParentAnswersTo(WM_NOTIFY)[0], c.prePaintAnswer);
  }
}

}  // namespace

}  // namespace morvex::com
