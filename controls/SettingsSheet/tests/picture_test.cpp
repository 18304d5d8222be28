// The settings dialog's pictures by their pixels: the colour well's areas
// recoloured through the real colour dialog and by the host, the picker's
// key and button painted in navy, the language button drawing the host's
// icon after the host freed it, and the art that keeps every flood fill in
// its own item. The dialog's picture is saved as settings_dialog.bmp.
#include <olectl.h>
#include <windows.h>

#include <string>

#include "SettingsSheetResource.h"
#include "SettingsSheetTestSupport.h"
#include "com/Automation.h"
#include "com/AxHost.h"
#include "harness/MouseInput.h"

namespace morvex::settingssheet::testing {

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
// Points of the well's picture: inside the Interface area, off its caption,
// and inside the Title area.
constexpr POINT kInterfacePoint = {10, 40};
constexpr POINT kTitlePoint = {10, 23};

class PictureTest : public SettingsSheetTest {
 protected:
  // The well marks itself while the pointer is over it: the real pointer
  // is put where no dialog comes, wherever an earlier test left it.
  void SetUp() override {
    SettingsSheetTest::SetUp();
    harness::MovePointer({0, 0});
  }
  // Steps that click the well at `at`, answer the colour dialog with
  // `colour` and wait for it to go.
  void ChooseThroughDialog(HWND* well, POINT at, COLORREF colour, std::vector<Step>* steps) {
    steps->push_back({nullptr, [=] {
                        PostMessageW(*well, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
                      }});
    steps->push_back({[this] { return InnerDialog() != nullptr; },
                      [this, colour] {
                        HWND dialog = InnerDialog();
                        SetDlgItemInt(dialog, 706, GetRValue(colour), FALSE);
                        SetDlgItemInt(dialog, 707, GetGValue(colour), FALSE);
                        SetDlgItemInt(dialog, 708, GetBValue(colour), FALSE);
                        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
                      }});
    steps->push_back({[this] { return InnerDialog() == nullptr; }, nullptr});
  }
};

TEST_F(PictureTest, RedBlueRedThroughTheColourDialogChangesOnlyTheInterfaceArea) {
  HWND well = nullptr;
  Capture start, firstRed, lastRed;
  OLE_COLOR reported = 0;
  std::vector<Step> steps = {{[this] { return Dialog() != nullptr; },
                              [&] {
                                well = Item(IDC_COLOR_WELL);
                                start = CaptureClient(well);
                              }}};
  ChooseThroughDialog(&well, kInterfacePoint, kRed, &steps);
  steps.push_back({nullptr, [&] { firstRed = CaptureClient(well); }});
  ChooseThroughDialog(&well, kInterfacePoint, kBlue, &steps);
  ChooseThroughDialog(&well, kInterfacePoint, kRed, &steps);
  steps.push_back({nullptr, [&] {
                     lastRed = CaptureClient(well);
                     SaveCapture(CaptureClient(Dialog()), "settings_dialog.bmp");
                   }});
  steps.push_back(PressOk());
  EXPECT_EQ(RunDialog(steps), 1);

  ASSERT_EQ(start.width, 161);
  ASSERT_EQ(start.height, 111);
  ASSERT_EQ(firstRed.pixels.size(), start.pixels.size());
  EXPECT_EQ(firstRed.At(kInterfacePoint.x, kInterfacePoint.y), kRed);
  int changed = 0;
  for (size_t i = 0; i < start.pixels.size(); ++i) {
    if (firstRed.pixels[i] == start.pixels[i]) continue;
    ++changed;
    EXPECT_EQ(firstRed.pixels[i], kRed) << "pixel " << i % 161 << ", " << i / 161;
  }
  EXPECT_GT(changed, 1000);
  EXPECT_TRUE(lastRed.pixels == firstRed.pixels) << "the captions left traces";
  control_->get_InterfaceColor(&reported);
  EXPECT_EQ(reported, kRed);
}

TEST_F(PictureTest, WhiteForTheTitleIsPaintedOneStepOffAndReportedAsPut) {
  ASSERT_EQ(Hr{control_->put_TitleColor(0xFFFFFF)}, Hr{S_OK});
  COLORREF painted = 0;
  RunDialog(
      {{[this] { return Dialog() != nullptr; },
        [&] { painted = CaptureClient(Item(IDC_COLOR_WELL)).At(kTitlePoint.x, kTitlePoint.y); }},
       PressOk()});
  EXPECT_EQ(painted, 0xFFFFFEu);
  OLE_COLOR reported = 0;
  control_->get_TitleColor(&reported);
  EXPECT_EQ(reported, 0xFFFFFFu);
}

TEST_F(PictureTest, ThePickerPaintsTheChosenKeyAndButtonInNavy) {
  control_->put_MouseVirtKey(VK_MENU);
  control_->put_MouseButton(1);
  struct Look {
    COLORREF leftButton, rightButton, shiftSide, altSide, corner;
  };
  auto look = [](HWND picker) {
    Capture c = CaptureClient(picker);
    return Look{c.At(13, 12), c.At(32, 4), c.At(4, 54), c.At(60, 77), c.At(0, 0)};
  };
  Look before = {}, after = {};
  HWND picker = nullptr;
  RunDialog({{[this] { return Dialog() != nullptr; },
              [&] {
                picker = Item(IDC_MOUSE_PICKER);
                before = look(picker);
                SendMessageW(picker, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(40, 40));
                SendMessageW(picker, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(19, 53));
                after = look(picker);
                // A left click on the left mouse button chooses it; one
                // outside every region changes nothing.
                SendMessageW(picker, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
                SendMessageW(picker, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(70, 20));
              }},
             PressOk()});
  EXPECT_EQ(before.leftButton, kNavy);
  EXPECT_EQ(before.rightButton, 0xFFFFFFu);
  EXPECT_EQ(before.altSide, kNavy);
  EXPECT_NE(before.shiftSide, kNavy);
  EXPECT_EQ(before.corner, GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(after.leftButton, 0xFFFFFFu);
  EXPECT_EQ(after.rightButton, kNavy);
  EXPECT_EQ(after.shiftSide, kNavy);
  EXPECT_NE(after.altSide, kNavy);
  long key = 0, button = 0;
  control_->get_MouseVirtKey(&key);
  control_->get_MouseButton(&button);
  EXPECT_EQ(key, VK_SHIFT);
  EXPECT_EQ(button, 1);
}

TEST_F(PictureTest, TheContainersBackColourBecomesTheButtonsFace) {
  constexpr COLORREF kGreen = RGB(0, 255, 0);
  int green[2] = {};
  RunDialog({{[this] { return Dialog() != nullptr; },
              [&] {
                com::Variant colour(static_cast<long>(kGreen));
                ASSERT_EQ(
                    Hr{com::AxSetAmbientProperty(host_, DISPID_AMBIENT_BACKCOLOR, colour.Get())},
                    Hr{S_OK});
                int k = 0;
                for (int id : {IDC_BUTTON_OK, IDC_BUTTON_FONT}) {
                  for (COLORREF pixel : CaptureClient(Item(id)).pixels) green[k] += pixel == kGreen;
                  ++k;
                }
              }},
             PressOk()});
  EXPECT_GT(green[0], 100) << "OK";
  EXPECT_GT(green[1], 100) << "the font button";
}

HICON SolidIcon(COLORREF colour) {
  HDC screen = GetDC(nullptr);
  HBITMAP image = CreateCompatibleBitmap(screen, 32, 32);
  HBITMAP mask = CreateBitmap(32, 32, 1, 1, nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, image);
  HBRUSH brush = CreateSolidBrush(colour);
  RECT all = {0, 0, 32, 32};
  FillRect(dc, &all, brush);
  SelectObject(dc, mask);
  PatBlt(dc, 0, 0, 32, 32, BLACKNESS);
  SelectObject(dc, old);
  DeleteObject(brush);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  ICONINFO info = {TRUE, 0, 0, mask, image};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(image);
  DeleteObject(mask);
  return icon;
}

TEST_F(PictureTest, TheLanguageButtonDrawsTheHostsIconAfterTheHostFreedIt) {
  HICON icon = SolidIcon(kMagenta);
  ASSERT_NE(icon, nullptr);
  ASSERT_EQ(Hr{control_->SetResourseBnIcon(HandleToLong(icon), HandleToLong(icon), 16, 16)},
            Hr{S_OK});
  DestroyIcon(icon);
  int magenta = 0;
  RunDialog({{[this] { return Dialog() != nullptr; },
              [&] {
                for (COLORREF pixel : CaptureClient(Item(IDC_BUTTON_LANGUAGE)).pixels)
                  magenta += pixel == kMagenta;
              }},
             PressOk()});
  EXPECT_GE(magenta, 16 * 16 / 2);
}

// The module's bitmap `id` as a 32-bpp copy, selected into `dc`.
HBITMAP LoadCopy(UINT id, HDC dc, SIZE* size) {
  HBITMAP source =
      static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(kSettingsSheetDll), MAKEINTRESOURCEW(id),
                                      IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  BITMAP facts = {};
  GetObjectW(source, sizeof(facts), &facts);
  *size = {facts.bmWidth, facts.bmHeight};
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = facts.bmWidth;
  info.bmiHeader.biHeight = facts.bmHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP copy = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC from = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(from, source);
  SelectObject(dc, copy);
  BitBlt(dc, 0, 0, facts.bmWidth, facts.bmHeight, from, 0, 0, SRCCOPY);
  SelectObject(from, old);
  DeleteDC(from);
  DeleteObject(source);
  return copy;
}

TEST(ArtTest, AFloodFromEachSeedStaysInItsItemAndReachesNoOtherSeed) {
  HMODULE module = LoadLibraryW(kSettingsSheetDll);
  ASSERT_NE(module, nullptr);
  struct Seed {
    int item;
    POINT at;
  };
  struct Picture {
    UINT id;
    std::vector<Seed> seeds;
  };
  const Picture pictures[] = {
      {IDB_COLOR_WELL, {{0, {8, 37}}, {1, {8, 21}}, {2, {11, 58}}, {2, {83, 58}}, {2, {84, 41}}}},
      {IDB_MOUSE_PICKER, {{0, {28, 3}}, {1, {12, 12}}}},
  };
  for (const Picture& picture : pictures) {
    for (const Seed& seed : picture.seeds) {
      HDC dc = CreateCompatibleDC(nullptr);
      SIZE size = {};
      HBITMAP copy = LoadCopy(picture.id, dc, &size);
      const COLORREF surface = GetPixel(dc, seed.at.x, seed.at.y);
      HBRUSH brush = CreateSolidBrush(kMagenta);
      HGDIOBJ oldBrush = SelectObject(dc, brush);
      ASSERT_TRUE(ExtFloodFill(dc, seed.at.x, seed.at.y, surface, FLOODFILLSURFACE));
      SelectObject(dc, oldBrush);
      for (const Seed& other : picture.seeds) {
        if (other.item == seed.item) continue;
        EXPECT_NE(GetPixel(dc, other.at.x, other.at.y), kMagenta)
            << picture.id << ": from " << seed.at.x << "," << seed.at.y << " to " << other.at.x
            << "," << other.at.y;
      }
      // Nothing reaches the picture's edge but the background's flood.
      for (int x = 0; x < size.cx; ++x)
        EXPECT_NE(GetPixel(dc, x, 0), kMagenta) << picture.id << " from " << seed.at.x;
      DeleteObject(brush);
      DeleteDC(dc);
      DeleteObject(copy);
    }
  }
  // The picker's background reaches its corner.
  HDC dc = CreateCompatibleDC(nullptr);
  SIZE size = {};
  HBITMAP copy = LoadCopy(IDB_MOUSE_PICKER, dc, &size);
  EXPECT_EQ(GetPixel(dc, 0, 0), 0xC0C0C0u);
  DeleteDC(dc);
  DeleteObject(copy);
  FreeLibrary(module);
}

}  // namespace

}  // namespace morvex::settingssheet::testing
