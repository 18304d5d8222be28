#include "StripHost.h"

#include "com/Automation.h"
#include "com/AxHost.h"
#include "com/WideText.h"

namespace morvex::lookuppane {

namespace {

constexpr UINT kStripHostId = 619;
constexpr char kStripProgId[] = "LetterStrip.VelLetterStripCtrl.1";
constexpr DISPID kLetterSelected = 1;
constexpr long kRussian = 25;
constexpr long kEnglish = 9;

}  // namespace

void StripHost::Create(HWND parent, std::function<void(const std::string&)> onLetter) {
  com::AtlAxWinInit();
  host_ = com::AxCreateHostWindow(parent, kStripProgId, RECT{0, 0, 0, 0}, kStripHostId);
  com::Ptr<IUnknown> control;
  if (!host_ || FAILED(com::AtlAxGetControl(host_, control.Put())) || FAILED(control.As(&strip_))) {
    strip_ = nullptr;
    MessageBoxA(parent, "Unable to create control LetterStrip", "Error", MB_OK);
    return;
  }
  if (FAILED(com::EventSink::Create(DIID__IVelLetterStripCtrlEvents, &sink_))) return;
  sink_->On(kLetterSelected, [onLetter](com::EventArguments& arguments) {
    onLetter(com::AnsiFromWide(arguments.String(0)));
  });
  sink_->Connect(strip_.Get());
}

void StripHost::Disconnect() {
  if (sink_) sink_->Disconnect();
  sink_ = nullptr;
  strip_ = nullptr;
}

void StripHost::Push(unsigned settings, const StripValues& values) {
  if (!strip_) return;
  if ((settings & kStripFont) && values.font) strip_->put_AbcFont(values.font);
  if (settings & kStripBackColour) strip_->put_AbcBkColor(values.backColour);
  if (settings & kStripTextColour) strip_->put_AbcTextColor(values.textColour);
  if (settings & kStripLanguage) strip_->put_LangType(values.cyrillic ? kRussian : kEnglish);
}

void StripHost::SelectLetterOf(const std::string& word) {
  if (!strip_) return;
  if (word.empty()) {
    strip_->SetCurSel(-1);
    return;
  }
  const std::wstring letter = com::WideFromAnsi(word.substr(0, 1));
  com::Bstr text(letter.c_str(), static_cast<UINT>(letter.size()));
  strip_->SelectLetter(text.Get());
}

void StripHost::GetSize(short* cx, short* cy) {
  *cx = 0;
  *cy = 0;
  if (strip_) strip_->GetSize(cx, cy);
}

}  // namespace morvex::lookuppane
