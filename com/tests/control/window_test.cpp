// The window layer of the framework: messages reach the object's handler
// whatever other code writes into the window, the owner is held while a
// message is handled, a class is registered while any object uses it (so a
// DLL that unloads leaves no class with a dangling procedure behind),
// superclasses keep the system control's behaviour, shared classes make
// their objects for windows others create, and subclassing chains safely.
#include "com/Window.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <windows.h>

#include "com/ComObject.h"
#include "com/SubclassedWindow.h"

namespace morvex::com {

namespace {

constexpr char kClassName[] = "MorvexWindowTest";
constexpr UINT kAsk = WM_APP + 1;
constexpr LRESULT kAnswer = 42;
const RECT kRect = {0, 0, 100, 50};

class AnsweringWindow : public Window {
 public:
  AnsweringWindow() = default;
  explicit AnsweringWindow(int* finalMessages) : finalMessages_(finalMessages) {}
  using Window::Create;

  int handled = 0;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kAsk) {
      ++handled;
      return kAnswer;
    }
    return DefaultProcessing(message, wParam, lParam);
  }
  void OnFinalMessage() override {
    if (finalMessages_) ++*finalMessages_;
  }

 private:
  int* finalMessages_ = nullptr;
};

bool ClassRegistered(const char* name) {
  WNDCLASSEXA info = {};
  info.cbSize = sizeof info;
  return GetClassInfoExA(GetModuleHandleW(nullptr), name, &info) != FALSE;
}

HWND MakePopup() {
  return CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

TEST(WindowTest, RoutesMessagesAndKeepsItsClassWhileAnObjectUsesIt) {
  const WindowClassSpec spec = {kClassName};
  int finalMessages = 0;
  HWND parent = MakePopup();
  {
    AnsweringWindow first(&finalMessages);
    HWND secondWindow = nullptr;
    {
      AnsweringWindow second(&finalMessages);
      ASSERT_TRUE(first.Create(spec, parent, kRect, WS_CHILD));
      ASSERT_TRUE(second.Create(spec, nullptr, kRect, WS_POPUP));
      secondWindow = second.handle();
      EXPECT_FALSE(first.Create(spec, parent, kRect, WS_CHILD)) << "one window at a time";
      EXPECT_EQ(SendMessageA(first.handle(), kAsk, 0, 0), kAnswer);
      EXPECT_EQ(GetParent(first.handle()), parent);
      EXPECT_EQ(Window::FromHandle(first.handle()), &first);
    }
    EXPECT_FALSE(IsWindow(secondWindow)) << "an object's window goes with it";
    EXPECT_TRUE(ClassRegistered(kClassName)) << "the first object still uses the class";

    // The parent takes the child down; the object learns of it.
    HWND child = first.handle();
    DestroyWindow(parent);
    EXPECT_EQ(first.handle(), nullptr);
    EXPECT_EQ(finalMessages, 1);
    EXPECT_EQ(Window::FromHandle(child), nullptr);
    ASSERT_TRUE(first.Create(spec, nullptr, kRect, WS_POPUP)) << "the same class once more";
    EXPECT_FALSE(first.Create({"MorvexOtherClass"}, nullptr, kRect, WS_POPUP));
  }
  EXPECT_FALSE(ClassRegistered(kClassName));
}

// Other code subclasses our windows the old way and writes their user data.
WNDPROC g_chained = nullptr;
LRESULT CALLBACK ForeignProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(g_chained, window, message, wParam, lParam);
}

TEST(WindowTest, TheObjectIsFoundWhateverOtherCodeWritesIntoItsWindow) {
  AnsweringWindow object;
  ASSERT_TRUE(object.Create({kClassName}, nullptr, kRect, WS_POPUP));
  HWND window = object.handle();
  SetWindowLongPtrA(window, GWLP_USERDATA, 0x12345678);
  g_chained = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ForeignProcedure)));
  EXPECT_EQ(SendMessageA(window, kAsk, 0, 0), kAnswer);
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_USERDATA), 0x12345678) << "their slot stays theirs";
  object.Destroy();
  EXPECT_FALSE(IsWindow(window));
}

// Counts its references; stands for the COM object a window belongs to.
class Owner : public Object<IUnknown> {
 public:
  static const InterfaceEntry* Interfaces() {
    static const InterfaceEntry table[] = {Entry<Owner, IUnknown>(), kEndOfInterfaces};
    return table;
  }
  ULONG References() {
    AddRef();
    return Release();
  }

 protected:
  Owner() = default;
};

class CountingWindow : public Window {
 public:
  using Window::Create;
  Owner* owner = nullptr;
  ULONG seen = 0;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kAsk) seen = owner->References();
    return DefaultProcessing(message, wParam, lParam);
  }
};

TEST(WindowTest, TheOwnerIsHeldWhileAMessageIsHandled) {
  Ptr<Owner> owner;
  ASSERT_EQ(MakeObject(&owner), S_OK);
  CountingWindow window;
  window.owner = owner.Get();
  window.SetOwner(owner.Get());
  ASSERT_TRUE(window.Create({kClassName}, nullptr, kRect, WS_POPUP));
  ULONG outside = owner->References();
  SendMessageA(window.handle(), kAsk, 0, 0);
  EXPECT_EQ(window.seen, outside + 1);
  EXPECT_EQ(owner->References(), outside);
  window.Destroy();
}

// --- Superclasses and shared classes

class TreeWindow : public Window {
 public:
  using Window::Create;
  int insertsSeen = 0;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kAsk) return kAnswer;
    if (message == TVM_INSERTITEMA) ++insertsSeen;
    return DefaultProcessing(message, wParam, lParam);
  }
};

TEST(WindowTest, ASuperclassIsTheSystemControlWithOurHandlersFirst) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TREEVIEW_CLASSES};
  ASSERT_TRUE(InitCommonControlsEx(&controls));
  WindowClassSpec spec = {"MorvexTreeTest"};
  spec.superclassOf = WC_TREEVIEWA;
  {
    TreeWindow tree;
    ASSERT_TRUE(tree.Create(spec, nullptr, kRect, WS_POPUP | TVS_HASLINES));
    EXPECT_TRUE(ClassRegistered("MorvexTreeTest"));
    TVINSERTSTRUCTA item = {};
    item.hParent = TVI_ROOT;
    item.hInsertAfter = TVI_LAST;
    item.item.mask = TVIF_TEXT;
    char text[] = "word";
    item.item.pszText = text;
    EXPECT_NE(SendMessageA(tree.handle(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)), 0);
    EXPECT_EQ(SendMessageA(tree.handle(), TVM_GETCOUNT, 0, 0), 1) << "it is a tree";
    EXPECT_EQ(tree.insertsSeen, 1);
    EXPECT_EQ(SendMessageA(tree.handle(), kAsk, 0, 0), kAnswer);
  }
  EXPECT_FALSE(ClassRegistered("MorvexTreeTest"));

  TreeWindow none;
  spec.superclassOf = "MorvexNoSuchSystemClass";
  EXPECT_FALSE(none.Create(spec, nullptr, kRect, WS_POPUP));
}

int g_made = 0;
int g_final = 0;

class SharedWindow : public Window {
 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kAsk) return kAnswer;
    return DefaultProcessing(message, wParam, lParam);
  }
  void OnFinalMessage() override {
    ++g_final;
    delete this;
  }
};

Window* MakeShared(HWND, const CREATESTRUCTA& creation) {
  if (creation.lpszName && lstrcmpA(creation.lpszName, "refuse") == 0) return nullptr;
  ++g_made;
  return new SharedWindow;
}

TEST(WindowTest, ASharedClassMakesAnObjectForEveryWindowAnyoneCreates) {
  const WindowClassSpec spec = {"MorvexSharedTest"};
  ASSERT_TRUE(RegisterSharedWindowClass(spec, MakeShared));
  EXPECT_TRUE(RegisterSharedWindowClass(spec, MakeShared)) << "registered before: no failure";
  HWND window = CreateWindowExA(0, "MorvexSharedTest", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(g_made, 1);
  EXPECT_EQ(SendMessageA(window, kAsk, 0, 0), kAnswer);
  DestroyWindow(window);
  EXPECT_EQ(g_final, 1);
  EXPECT_EQ(CreateWindowExA(0, "MorvexSharedTest", "refuse", WS_POPUP, 0, 0, 10, 10, nullptr,
                            nullptr, GetModuleHandleW(nullptr), nullptr),
            nullptr)
      << "a window its maker refuses is not made";
  AnsweringWindow own;
  EXPECT_FALSE(own.Create(spec, nullptr, kRect, WS_POPUP)) << "a shared class is no object's own";
}

// --- Subclassing

class Listener : public SubclassedWindow {
 public:
  int finalMessages = 0;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kAsk) return kAnswer;
    return DefaultProcessing(message, wParam, lParam);
  }
  void OnFinalMessage() override { ++finalMessages; }
};

// A child made by someone else: a static with a text of its own.
HWND MakeStatic(HWND parent) {
  return CreateWindowExA(0, "STATIC", "text", WS_CHILD, 0, 0, 10, 10, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

std::string TextOf(HWND window) {
  char text[32] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

TEST(SubclassedWindowTest, SeesTheMessagesFirstAndGivesTheWindowBack) {
  HWND parent = MakePopup();
  HWND child = MakeStatic(parent);
  LONG_PTR original = GetWindowLongPtrA(child, GWLP_WNDPROC);
  Listener listener;
  ASSERT_TRUE(listener.Subclass(child));
  EXPECT_FALSE(listener.Subclass(child)) << "one window at a time";
  Listener second;
  EXPECT_FALSE(second.Subclass(child)) << "one object of this module per window";
  EXPECT_EQ(SendMessageA(child, kAsk, 0, 0), kAnswer);
  EXPECT_EQ(TextOf(child), "text") << "the rest goes on to the static";

  EXPECT_TRUE(listener.Unsubclass());
  EXPECT_EQ(GetWindowLongPtrA(child, GWLP_WNDPROC), original);
  EXPECT_EQ(SendMessageA(child, kAsk, 0, 0), 0);
  EXPECT_FALSE(listener.Unsubclass());

  ASSERT_TRUE(listener.Subclass(child));
  DestroyWindow(parent);
  EXPECT_EQ(listener.finalMessages, 1);
  EXPECT_EQ(listener.handle(), nullptr);
}

WNDPROC g_afterUs = nullptr;
LRESULT CALLBACK LaterSubclasser(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(g_afterUs, window, message, wParam, lParam);
}

// Someone subclassed after us: we cannot leave the chain, so we stay in it
// as a pass-through, and the window keeps working through both.
TEST(SubclassedWindowTest, LeavesTheChainOnlyWhileItsProcedureIsTheWindows) {
  HWND parent = MakePopup();
  HWND child = MakeStatic(parent);
  {
    Listener listener;
    ASSERT_TRUE(listener.Subclass(child));
    g_afterUs = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LaterSubclasser)));
    EXPECT_EQ(SendMessageA(child, kAsk, 0, 0), kAnswer);
    EXPECT_FALSE(listener.Unsubclass()) << "a later subclasser is in front";
    EXPECT_EQ(GetWindowLongPtrA(child, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(LaterSubclasser));
    EXPECT_EQ(SendMessageA(child, kAsk, 0, 0), 0) << "the object is out of the way";
    EXPECT_EQ(TextOf(child), "text") << "and the chain still reaches the static";

    // An object of ours takes the place left in the chain.
    Listener next;
    ASSERT_TRUE(next.Subclass(child));
    EXPECT_EQ(SendMessageA(child, kAsk, 0, 0), kAnswer);
  }
  EXPECT_EQ(TextOf(child), "text") << "the objects are gone, the window works";
  DestroyWindow(parent);
}

}  // namespace

}  // namespace morvex::com
