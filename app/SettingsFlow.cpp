#include "app/SettingsFlow.h"

#include <ole2.h>
#include <olectl.h>

#include "app/HotKeys.h"
#include "app/InterfaceLanguage.h"
#include "app/InterfaceResources.h"
#include "app/PrivateMessages.h"
#include "app/Resources.h"
#include "app/SheetClientSite.h"
#include "app/portable/HotKeyWord.h"
#include "app/portable/Mnemonics.h"
#include "com/Automation.h"
#include "com/WideText.h"

namespace morvex::solo {

namespace {

// The control's events.
constexpr DISPID kNeedToChangeResource = 3;
constexpr long kBigIcon = 1;
constexpr long kLanguageIconWidth = 32, kLanguageIconHeight = 20;
constexpr long kLanguageNameItem = 7;
constexpr long kAcceptedExit = 1;
// What the control's text colour starts as when the options give none:
// the system's window-text colour, as an OLE colour.
constexpr OLE_COLOR kWindowTextColour = 0x80000000u | COLOR_WINDOWTEXT;
// A word no hot key has: the control leaves a word it keeps no value for
// as it was, and such a record is then not written.
constexpr long kNoHotKeyWord = -1;

// The colours, options against control.
struct ColourRow {
  HRESULT (STDMETHODCALLTYPE IVelMorvexOpt::*getOption)(OLE_COLOR*);
  HRESULT (STDMETHODCALLTYPE IVelMorvexOpt::*putOption)(OLE_COLOR);
  HRESULT (STDMETHODCALLTYPE ISettingsSheetCtrl::*getSheet)(OLE_COLOR*);
  HRESULT (STDMETHODCALLTYPE ISettingsSheetCtrl::*putSheet)(OLE_COLOR);
};
const ColourRow kColourRows[] = {
    {&IVelMorvexOpt::get_ColorFore, &IVelMorvexOpt::put_ColorFore,
     &ISettingsSheetCtrl::get_ControlColor, &ISettingsSheetCtrl::put_ControlColor},
    {&IVelMorvexOpt::get_ColorBack, &IVelMorvexOpt::put_ColorBack,
     &ISettingsSheetCtrl::get_InterfaceColor, &ISettingsSheetCtrl::put_InterfaceColor},
    {&IVelMorvexOpt::get_ColorShadow, &IVelMorvexOpt::put_ColorShadow,
     &ISettingsSheetCtrl::get_TitleColor, &ISettingsSheetCtrl::put_TitleColor},
};

// The hot keys, by command id, against the control's words.
struct HotKeyRow {
  long command;
  HRESULT (STDMETHODCALLTYPE ISettingsSheetCtrl::*get)(long*);
  HRESULT (STDMETHODCALLTYPE ISettingsSheetCtrl::*put)(long);
};
const HotKeyRow kHotKeyRows[] = {
    {HKCmdTranslate, &ISettingsSheetCtrl::get_HKTranslateCbd,
     &ISettingsSheetCtrl::put_HKTranslateCbd},
    {HKCmdDictionary, &ISettingsSheetCtrl::get_HKDictionary, &ISettingsSheetCtrl::put_HKDictionary},
    {HKCmdQuickTip, &ISettingsSheetCtrl::get_HKQuickTip, &ISettingsSheetCtrl::put_HKQuickTip},
};

const HotKeyRow* HotKeyRowOf(long command) {
  for (const HotKeyRow& row : kHotKeyRows) {
    if (row.command == command) return &row;
  }
  return nullptr;
}

// Each record of the collection whose command the control shows.
template <class Visit>
void ForEachShownHotKey(IVelMorvexOpt* options, Visit visit) {
  com::Ptr<IVelHotKeyColl> keys = HotKeyCollection(options);
  if (!keys) return;
  long count = 0;
  keys->get_Count(&count);
  for (long i = 1; i <= count; ++i) {
    com::Ptr<IVelHotKey> key;
    long command = 0;
    if (FAILED(keys->get_Item(i, key.Put())) || !key || FAILED(key->get_CmdID(&command))) continue;
    if (const HotKeyRow* row = HotKeyRowOf(command)) visit(key.Get(), *row);
  }
}

com::Bstr BstrOf(const std::string& ansi) { return com::Bstr(com::WideFromAnsi(ansi).c_str()); }

// The mnemonic the colour well takes with a caption: 0 for none.
int WellKey(const std::string& caption) {
  const int mnemonic = MnemonicChar(caption);
  return mnemonic == kNoMnemonic ? 0 : mnemonic;
}

void SetLanguageIcon(ISettingsSheetCtrl* sheet, ILocaleKitMngr* manager, long language) {
  long icon = 0;
  if (FAILED(manager->GetLangIcon(language, kBigIcon, &icon)) || !icon) return;
  // The control copies the icon at once.
  sheet->SetResourseBnIcon(icon, icon, kLanguageIconWidth, kLanguageIconHeight);
  DestroyIcon(static_cast<HICON>(LongToHandle(icon)));
}

}  // namespace

void CSettingsFlow::SetOptions(IVelMorvexOpt* options, SettingsOwner* owner) {
  options_ = com::Ptr<IVelMorvexOpt>(options);
  owner_ = owner;
}

void CSettingsFlow::Run(HWND bar) {
  // A control is held only while its dialog runs (the tray's command can
  // come meanwhile): letting go of it then would free it under its dialog.
  if (sheet_) return;
  if (FAILED(CoCreateInstance(CLSID_SettingsSheetCtrl, nullptr, CLSCTX_INPROC_SERVER,
                              IID_ISettingsSheetCtrl, sheet_.PutVoid()))) {
    sheet_.Reset();
    return;
  }
  com::Ptr<IOleObject> object;
  com::Ptr<SheetClientSite> site;
  if (FAILED(sheet_.As(&object)) || FAILED(com::MakeObject(&site, bar))) return End();
  object->SetClientSite(site.Get());

  FillSheetResources();
  FillSheetFromOptions();
  if (SUCCEEDED(com::EventSink::Create(DIID__ISettingsSheetCtrlEvents, &events_))) {
    events_->On(kNeedToChangeResource, [this, bar](com::EventArguments& arguments) {
      OnNeedToChangeResource(bar, arguments.Long(0), arguments.Long(1));
    });
    events_->Connect(sheet_.Get());
  }

  if (owner_) owner_->SuspendHotKeys();
  long exitCode = 0;
  sheet_->InvokeDialog(HandleToLong(bar), &exitCode);
  if (events_) events_->Disconnect();
  events_.Reset();

  if (exitCode == kAcceptedExit) {
    ReadSheetToOptions();
    HWND parent = GetParent(bar);
    if (parent) SendMessageA(parent, WM_OPTIONS_APPLIED, 0, 0);
    if (options_) options_->Write();
  } else if (owner_) {
    owner_->SettingsDismissed();
  }
  object->SetClientSite(nullptr);
  End();
}

void CSettingsFlow::End() { sheet_.Reset(); }

void CSettingsFlow::OnNeedToChangeResource(HWND bar, long x, long y) {
  POINT point = {x, y};
  HWND parent = GetParent(bar);
  if (parent) SendMessageA(parent, WM_LANGMENU_REQUEST, 0, reinterpret_cast<LPARAM>(&point));
}

void CSettingsFlow::FillSheetResources() {
  if (!sheet_) return;
  com::Ptr<ILocaleKitMngr> manager = CreateLocaleKit();
  if (!manager) return;
  SetLanguageIcon(sheet_.Get(), manager.Get(), InterfaceLanguageOf(options_.Get()));

  struct {
    UINT stringId;
    HRESULT (STDMETHODCALLTYPE ISettingsSheetCtrl::*put)(BSTR, int);
  } const captions[] = {
      {IDS_PICTURE_BACKGROUND, &ISettingsSheetCtrl::put_InterfaceBmpTitle},
      {IDS_PICTURE_FOREGROUND, &ISettingsSheetCtrl::put_ControlBmpTitle},
      {IDS_PICTURE_SELECTED_PAGE, &ISettingsSheetCtrl::put_TitleBmpTitle},
  };
  for (const auto& caption : captions) {
    const std::string text = InterfaceString(caption.stringId);
    (sheet_.Get()->*caption.put)(BstrOf(text).Get(), WellKey(text));
  }
  for (long i = 0; i < IDS_SHEET_TEXTS_COUNT; ++i) {
    sheet_->put_DlgItemText(i, BstrOf(InterfaceString(IDS_SHEET_TEXTS_FIRST + i)).Get());
  }
}

void CSettingsFlow::ShowLanguageChoice(long language, long interfaceLanguage) {
  if (!sheet_) return;
  com::Ptr<ILocaleKitMngr> manager = CreateLocaleKit();
  if (!manager) return;
  SetLanguageIcon(sheet_.Get(), manager.Get(), language);
  com::Bstr name;
  if (SUCCEEDED(manager->GetLangName(interfaceLanguage, language, name.Put()))) {
    sheet_->put_DlgItemText(kLanguageNameItem, name.Get());
  }
}

void CSettingsFlow::FillSheetFromOptions() {
  if (!options_) return;
  for (const ColourRow& row : kColourRows) {
    OLE_COLOR colour = 0xFFFFFF;
    if (SUCCEEDED((options_.Get()->*row.getOption)(&colour))) (sheet_.Get()->*row.putSheet)(colour);
  }
  if (SUCCEEDED(options_->get_MouseKey(&mouseKey_))) sheet_->put_MouseButton(mouseKey_);
  if (SUCCEEDED(options_->get_MouseModifier(&mouseModifier_))) {
    sheet_->put_MouseVirtKey(mouseModifier_);
  }
  FillHotKeys();

  OLE_COLOR textColour = kWindowTextColour;
  com::Ptr<IFontDisp> font;
  if (SUCCEEDED(options_->get_ColorText(&textColour)) &&
      SUCCEEDED(options_->get_Font(font.Put())) && font) {
    sheet_->put_TextFont(&textColour, font.Get());
  }
  long animation = 1;
  if (FAILED(options_->get_Animation(&animation))) animation = 1;
  sheet_->put_ChkTip(animation);
}

void CSettingsFlow::FillHotKeys() {
  ISettingsSheetCtrl* sheet = sheet_.Get();
  ForEachShownHotKey(options_.Get(), [sheet](IVelHotKey* key, const HotKeyRow& row) {
    HotKeyRecord record = {0, 0};
    if (FAILED(key->get_Modifiers(&record.modifiers)) ||
        FAILED(key->get_VirtKey(&record.virtualKey))) {
      return;
    }
    (sheet->*row.put)(HotKeyWordFromRecord(record));
  });
}

void CSettingsFlow::ReadSheetToOptions() {
  if (!options_) return;
  for (const ColourRow& row : kColourRows) {
    OLE_COLOR colour = 0;
    if (SUCCEEDED((sheet_.Get()->*row.getSheet)(&colour))) (options_.Get()->*row.putOption)(colour);
  }
  sheet_->get_MouseVirtKey(&mouseModifier_);
  sheet_->get_MouseButton(&mouseKey_);
  options_->put_MouseKey(mouseKey_);
  options_->put_MouseModifier(mouseModifier_);
  ReadHotKeys();

  OLE_COLOR textColour = kWindowTextColour;
  com::Ptr<IFontDisp> font;
  const bool gotFont = SUCCEEDED(sheet_->get_TextFont(&textColour, font.Put()));
  options_->put_ColorText(textColour);
  if (gotFont && font) options_->put_Font(font.Get());
  long animation = 1;
  sheet_->get_ChkTip(&animation);
  options_->put_Animation(animation);
}

void CSettingsFlow::ReadHotKeys() {
  ISettingsSheetCtrl* sheet = sheet_.Get();
  ForEachShownHotKey(options_.Get(), [sheet](IVelHotKey* key, const HotKeyRow& row) {
    long word = kNoHotKeyWord;
    if (FAILED((sheet->*row.get)(&word)) || word == kNoHotKeyWord) return;
    const HotKeyRecord record = HotKeyRecordFromWord(word);
    key->put_Modifiers(record.modifiers);
    key->put_VirtKey(record.virtualKey);
  });
}

}  // namespace morvex::solo
