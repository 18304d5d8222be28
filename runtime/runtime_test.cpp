// Checks that Wine gives the system what it relies on. Each failure names
// the setting that is wrong, so a broken prefix or locale fails loudly
// instead of turning Cyrillic into "?" later.
#include <windows.h>
#include <ole2.h>
#include <richedit.h>

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "probe.h"

namespace {

// "Привет" in code page 1251.
const char kCyrillic1251[] = "\xCF\xF0\xE8\xE2\xE5\xF2";

std::wstring ModulePath() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return path;
}

TEST(RuntimeTest, AnsiCodePageIs1251) {
  EXPECT_EQ(GetACP(), 1251u) << "start Wine with LC_ALL=ru_RU.UTF-8";
  EXPECT_EQ(GetOEMCP(), 866u);
}

TEST(RuntimeTest, EmbeddedTypeLibraryLoadsWithItsLibid) {
  ITypeLib* library = nullptr;
  ASSERT_EQ(LoadTypeLibEx(ModulePath().c_str(), REGKIND_NONE, &library), S_OK);
  TLIBATTR* attributes = nullptr;
  ASSERT_EQ(library->GetLibAttr(&attributes), S_OK);
  EXPECT_TRUE(IsEqualGUID(attributes->guid, LIBID_MorvexProbeLib));
  EXPECT_EQ(attributes->wMajorVerNum, 1);
  library->ReleaseTLibAttr(attributes);

  ITypeInfo* info = nullptr;
  EXPECT_EQ(library->GetTypeInfoOfGuid(IID_IMorvexProbe, &info), S_OK);
  if (info) info->Release();
  library->Release();
}

TEST(RuntimeTest, TopLevelWindowIsCreatedAndDestroyed) {
  HWND window = CreateWindowExA(0, "STATIC", "probe", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr) << "no display driver: check Graphics=x11,null in the prefix";
  ShowWindow(window, SW_SHOW);
  EXPECT_TRUE(IsWindow(window));
  EXPECT_TRUE(DestroyWindow(window));
  EXPECT_FALSE(IsWindow(window));
}

TEST(RuntimeTest, CurrentUserRegistryValueRoundTrips) {
  const char* key = "Software\\Kelbrin\\Morvex\\RuntimeProbe";
  HKEY handle = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &handle, nullptr),
            ERROR_SUCCESS);
  DWORD written = 0x12345678;
  ASSERT_EQ(RegSetValueExA(handle, "Probe", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&written),
                           sizeof written),
            ERROR_SUCCESS);
  DWORD read = 0, type = 0, size = sizeof read;
  ASSERT_EQ(RegQueryValueExA(handle, "Probe", nullptr, &type, reinterpret_cast<BYTE*>(&read), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(read, written);
  RegCloseKey(handle);
  EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, key), ERROR_SUCCESS);
}

TEST(RuntimeTest, RichEditHoldsCyrillicText) {
  HMODULE richEdit = LoadLibraryA("RichEd20.dll");
  ASSERT_NE(richEdit, nullptr);
  HWND edit = CreateWindowExA(0, "RichEdit20A", "", WS_OVERLAPPEDWINDOW | ES_MULTILINE, 0, 0, 200,
                              100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(edit, nullptr);
  ASSERT_TRUE(SetWindowTextA(edit, kCyrillic1251));

  char ansi[32] = {};
  GetWindowTextA(edit, ansi, sizeof ansi);
  EXPECT_STREQ(ansi, kCyrillic1251);

  wchar_t wide[32] = {};
  GETTEXTEX request = {};
  request.cb = sizeof wide;
  request.flags = GT_DEFAULT;
  request.codepage = 1200;
  SendMessageW(edit, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
               reinterpret_cast<LPARAM>(wide));
  EXPECT_EQ(std::wstring(wide), std::wstring(L"\x041F\x0440\x0438\x0432\x0435\x0442"));

  DestroyWindow(edit);
  FreeLibrary(richEdit);
}

// Every window and screenshot shows the faces the system names, not a
// substitute: a missing font directory copy gives "DejaVu Sans" for all.
TEST(RuntimeTest, TheFacesTheSystemNamesResolveToThemselves) {
  struct Face {
    const char* name;
    BYTE charset;
  };
  const Face faces[] = {{"Tahoma", RUSSIAN_CHARSET}, {"Marlett", SYMBOL_CHARSET}};
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
  for (const Face& face : faces) {
    HFONT font = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, face.charset, 0, 0,
                             0, 0, face.name);
    ASSERT_NE(font, nullptr);
    HGDIOBJ old = SelectObject(screen, font);
    char chosen[LF_FACESIZE] = {};
    GetTextFaceA(screen, LF_FACESIZE, chosen);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(screen, &metrics);
    SelectObject(screen, old);
    DeleteObject(font);
    EXPECT_STREQ(chosen, face.name) << "the prefix lacks the face (fonts-wine in Fonts)";
    EXPECT_EQ(metrics.tmCharSet, face.charset) << face.name;
  }
  ReleaseDC(nullptr, screen);
}

TEST(RuntimeTest, ComApartmentStarts) {
  // S_FALSE: an earlier test's OLE call already entered the apartment.
  HRESULT entered = CoInitialize(nullptr);
  ASSERT_TRUE(SUCCEEDED(entered)) << std::hex << entered;
  IUnknown* table = nullptr;
  // Any in-box class proves that class objects can be created.
  HRESULT created = CoCreateInstance(CLSID_StdGlobalInterfaceTable, nullptr, CLSCTX_INPROC_SERVER,
                                     IID_IUnknown, reinterpret_cast<void**>(&table));
  EXPECT_EQ(created, S_OK);
  if (table) table->Release();
  CoUninitialize();
}

}  // namespace
