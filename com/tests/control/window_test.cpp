// The window class of the framework: messages reach the object's handler,
// and the class is registered while any object uses it, so a DLL that
// unloads leaves no class with a dangling window procedure behind.
#include "com/Window.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace morvex::com {

namespace {

constexpr wchar_t kClassName[] = L"MorvexWindowTest";
constexpr UINT kAsk = WM_APP + 1;

class AnsweringWindow : public Window {
 public:
  explicit AnsweringWindow(int* finalMessages) : finalMessages_(finalMessages) {}
  using Window::Create;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kAsk) return 42;
    return DefaultProcessing(message, wParam, lParam);
  }
  void OnFinalMessage() override { ++*finalMessages_; }

 private:
  int* finalMessages_;
};

bool ClassRegistered() {
  WNDCLASSEXW info = {};
  info.cbSize = sizeof info;
  return GetClassInfoExW(GetModuleHandleW(nullptr), kClassName, &info) != FALSE;
}

TEST(WindowTest, RoutesMessagesAndKeepsItsClassWhileAnObjectUsesIt) {
  const WindowClassSpec spec = {kClassName};
  const RECT rect = {0, 0, 100, 50};
  int finalMessages = 0;
  HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  {
    AnsweringWindow first(&finalMessages);
    HWND secondWindow = nullptr;
    {
      AnsweringWindow second(&finalMessages);
      ASSERT_TRUE(first.Create(spec, parent, rect, WS_CHILD));
      ASSERT_TRUE(second.Create(spec, nullptr, rect, WS_POPUP));
      secondWindow = second.handle();
      EXPECT_FALSE(first.Create(spec, parent, rect, WS_CHILD)) << "one window at a time";
      EXPECT_EQ(SendMessageW(first.handle(), kAsk, 0, 0), 42);
      EXPECT_EQ(GetParent(first.handle()), parent);
    }
    EXPECT_FALSE(IsWindow(secondWindow)) << "an object's window goes with it";
    EXPECT_TRUE(ClassRegistered()) << "the first object still uses the class";

    // The parent takes the child down; the object learns of it.
    DestroyWindow(parent);
    EXPECT_EQ(first.handle(), nullptr);
    EXPECT_EQ(finalMessages, 1);
    ASSERT_TRUE(first.Create(spec, nullptr, rect, WS_POPUP)) << "the same class once more";
    EXPECT_FALSE(first.Create({L"MorvexOtherClass"}, nullptr, rect, WS_POPUP));
  }
  EXPECT_FALSE(ClassRegistered());
}

}  // namespace

}  // namespace morvex::com
