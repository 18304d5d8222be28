#include "e2e/InstalledProgram.h"

#include <commctrl.h>

#include <cstdlib>

#include "PrefStore.h"
#include "com/Automation.h"
#include "com/ComPtr.h"
#include "com/RegistryKey.h"
#include "com/testing/ControlHosting.h"
#include "harness/WindowProbe.h"

namespace morvex::e2e {

namespace {

constexpr char kMainWindowClass[] = "VelMorvexSolo";

// The options store is a COM server: OLE for the whole run of every
// end-to-end program.
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(
    new com::testing::ControlTestEnvironment(nullptr, com::testing::HostClass::kLeftOut));
constexpr char kOptionsKey[] = "Software\\Kelbrin\\Morvex\\4.0\\Solo";

com::Ptr<IVelMorvexOpt> OptionsStore() {
  com::Ptr<IVelMorvexOpt> options;
  CoCreateInstance(CLSID_VelMorvexOpt, nullptr, CLSCTX_INPROC_SERVER, IID_IVelMorvexOpt,
                   options.PutVoid());
  return options;
}

BOOL CALLBACK CountIfMain(HWND window, LPARAM count) {
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpA(name, kMainWindowClass) == 0) ++*reinterpret_cast<int*>(count);
  return TRUE;
}

// The record of the dictionary window's hot key gets another key.
com::Ptr<IVelHotKeyColl> HotKeysOf(IVelMorvexOpt* options) {
  com::Variant holder;
  com::Ptr<IVelHotKeyColl> keys;
  if (SUCCEEDED(options->GetHkeyColl(holder.Put())) && holder.Type() == VT_DISPATCH)
    holder.Get().pdispVal->QueryInterface(IID_IVelHotKeyColl, keys.PutVoid());
  return keys;
}

// The command's record (the last, were there more than one).
com::Ptr<IVelHotKey> HotKeyOf(IVelMorvexOpt* options, long commandId) {
  com::Ptr<IVelHotKeyColl> keys = HotKeysOf(options);
  com::Ptr<IVelHotKey> found;
  long count = 0;
  if (keys) keys->get_Count(&count);
  for (long i = 1; i <= count; ++i) {
    com::Ptr<IVelHotKey> key;
    long id = 0;
    if (SUCCEEDED(keys->get_Item(i, key.Put())) && key && SUCCEEDED(key->get_CmdID(&id)) &&
        id == commandId)
      found = key;
  }
  return found;
}

void SetDictionaryHotKey(IVelMorvexOpt* options, long virtualKey) {
  if (com::Ptr<IVelHotKey> key = HotKeyOf(options, HKCmdDictionary)) key->put_VirtKey(virtualKey);
}

bool Placed(HWND window) {
  RECT rect = {};
  return GetWindowRect(window, &rect) && rect.right > rect.left;
}

}  // namespace

std::wstring InstalledFile(const wchar_t* name) {
  const char* image = std::getenv("MORVEX_IMAGE");
  std::wstring path = L"Z:";
  for (const char* c = image ? image : ""; *c; ++c) path += *c == '/' ? L'\\' : wchar_t(*c);
  return path + L"\\" + name;
}

HWND FindMainWindow() { return FindWindowA(kMainWindowClass, nullptr); }

int CountMainWindows() {
  int count = 0;
  EnumWindows(CountIfMain, reinterpret_cast<LPARAM>(&count));
  return count;
}

// Only the values: the languages live in subkeys of the same key.
void ForgetOptions() {
  com::RegistryKey key;
  if (!key.Open(HKEY_CURRENT_USER, kOptionsKey, KEY_ALL_ACCESS)) return;
  char name[256];
  for (;;) {
    DWORD length = sizeof name;
    if (RegEnumValueA(key.Get(), 0, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    if (RegDeleteValueA(key.Get(), name) != ERROR_SUCCESS) break;
  }
}

void StoreOptions(const OptionsToStore& stored) {
  ForgetOptions();
  com::Ptr<IVelMorvexOpt> options = OptionsStore();
  if (!options) return;
  options->Read();
  options->put_Left(stored.position.left);
  options->put_Top(stored.position.top);
  options->put_Right(stored.position.right);
  options->put_Bottom(stored.position.bottom);
  options->put_LangID(stored.languageId);
  options->put_MouseModifier(stored.mouseModifier);
  options->put_MouseKey(stored.mouseKey);
  SetDictionaryHotKey(options.Get(), stored.dictionaryHotKey);
  options->Write();
}

com::Ptr<IVelMorvexOpt> ReadStoredOptions() {
  com::Ptr<IVelMorvexOpt> options = OptionsStore();
  if (options && FAILED(options->Read())) options.Reset();
  return options;
}

bool StoredHotKey(IVelMorvexOpt* options, long commandId, long* modifiers, long* virtualKey) {
  com::Ptr<IVelHotKey> key = options ? HotKeyOf(options, commandId) : com::Ptr<IVelHotKey>();
  return key && SUCCEEDED(key->get_Modifiers(modifiers)) && SUCCEEDED(key->get_VirtKey(virtualKey));
}

void AddStoredHotKey(const HotKeyRecord& record) {
  com::Ptr<IVelMorvexOpt> options = OptionsStore();
  if (!options) return;
  options->Read();
  com::Ptr<IVelHotKeyColl> keys = HotKeysOf(options.Get());
  com::Ptr<IVelHotKey> key;
  if (!keys || FAILED(CoCreateInstance(CLSID_VelHotKey, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_IVelHotKey, key.PutVoid())))
    return;
  key->put_CmdID(record.commandId);
  key->put_Modifiers(record.modifiers);
  key->put_VirtKey(record.virtualKey);
  keys->Add(key.Get());
  options->Write();
}

void StoreLastDictionary(long theme, long langIn, long langOut) {
  com::Ptr<IVelMorvexOpt> options = OptionsStore();
  if (!options) return;
  options->Read();
  options->PutLastDictInfo(theme, langIn, langOut);
  options->Write();
}

StoredOptions ReadOptions() {
  StoredOptions stored;
  com::RegistryKey key;
  stored.present =
      key.Open(HKEY_CURRENT_USER, kOptionsKey, KEY_READ) &&
      RegQueryValueExA(key.Get(), "Position", nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  com::Ptr<IVelMorvexOpt> options = OptionsStore();
  if (!stored.present || !options) return stored;
  options->Read();
  options->get_Left(&stored.position.left);
  options->get_Top(&stored.position.top);
  options->get_Right(&stored.position.right);
  options->get_Bottom(&stored.position.bottom);
  options->get_LangID(&stored.languageId);
  return stored;
}

// A test that failed half-way leaves no program behind for the next one.
InstalledProgram::~InstalledProgram() {
  if (!started_ || ended_) return;
  DWORD exitCode = 0;
  CloseFromOutside();
  WaitForExit(kExitTimeoutMs, &exitCode);
}

bool InstalledProgram::Start(const wchar_t* dllOverrides) {
  if (dllOverrides) SetEnvironmentVariableW(L"WINEDLLOVERRIDES", dllOverrides);
  started_ = process_.Start(harness::QuoteArgument(InstalledFile(L"MorvexSolo.exe")));
  if (dllOverrides) SetEnvironmentVariableW(L"WINEDLLOVERRIDES", nullptr);
  return started_;
}

HWND VisibleSplash() {
  HWND splash = FindWindowA("VelSplashAboutHost", nullptr);
  return splash && IsWindowVisible(splash) ? splash : nullptr;
}

HWND DescendantOfClass(HWND parent, const char* className) {
  return harness::FindDescendant(parent, [&](HWND child) {
    char name[64] = {};
    GetClassNameA(child, name, sizeof name);
    return lstrcmpiA(name, className) == 0 && IsWindowVisible(child);
  });
}

bool PostedMessagesHandled(HWND mainWindow, DWORD timeoutMs) {
  HWND bar = GetDlgItem(mainWindow, kStatusBarId);
  auto simple = [&] {
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(bar, SB_ISSIMPLE, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &answer) &&
           answer != 0;
  };
  // Messages posted to any window of a thread are handled in the order
  // they were posted.
  if (!bar || simple() || !PostMessageW(bar, SB_SIMPLE, TRUE, 0)) return false;
  const bool handled = WaitUntil(simple, timeoutMs);
  PostMessageW(bar, SB_SIMPLE, FALSE, 0);
  return handled;
}

HWND InstalledProgram::WaitForMainWindow(DWORD timeoutMs) {
  HWND window = nullptr;
  if (!WaitUntil([&] { return (window = FindMainWindow()) && Placed(window); }, timeoutMs)) {
    return nullptr;
  }
  // Answered only from the message loop: the creation is over.
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &answer);
  return window;
}

bool InstalledProgram::SkipSplash() {
  if (HWND splash = VisibleSplash()) {
    if (HWND ok = DescendantOfClass(splash, "Button")) PostMessageA(ok, BM_CLICK, 0, 0);
  }
  return WaitUntil([] { return VisibleSplash() == nullptr; }, kStartTimeoutMs);
}

void InstalledProgram::CloseFromOutside() {
  if (HWND window = FindMainWindow()) PostMessageA(window, WM_CLOSE, 0, 0);
}

bool InstalledProgram::WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
  ended_ = true;  // ended by now, or terminated
  if (!process_.Wait(timeoutMs)) return false;
  *exitCode = process_.ExitCode();
  return true;
}

}  // namespace morvex::e2e
