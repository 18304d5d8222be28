// StripHost: the alphabet strip inside the viewer, a LetterStrip control
// hosted by its ProgID in our "AtlAxWin" (child 619), its LetterSelected
// event heard, and the viewer's settings pushed to it. When the host holds
// no control (LetterStrip is not registered) the user is told once and the
// viewer works on without a strip: every push and selection then does
// nothing.
//
// Used by CVelDictViewCtrl.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "LetterStrip.h"
#include "com/ComPtr.h"
#include "com/EventSink.h"

namespace morvex::lookuppane {

// What a push gives the strip.
enum StripSetting : unsigned {
  kStripFont = 1,        // the control font (AbcFont)
  kStripBackColour = 2,  // the interface back colour (AbcBkColor)
  kStripTextColour = 4,  // the interface text colour (AbcTextColor)
  kStripLanguage = 8,    // LangType: 25 for Russian input, else 9
};

struct StripValues {
  IFontDisp* font;
  COLORREF backColour;
  COLORREF textColour;
  bool cyrillic;
};

class StripHost {
 public:
  StripHost() = default;
  StripHost(const StripHost&) = delete;
  StripHost& operator=(const StripHost&) = delete;
  ~StripHost() { Disconnect(); }

  // Creates the host in `parent` and the strip in it; `onLetter` hears each
  // letter chosen (ANSI). Without a strip a box says so.
  void Create(HWND parent, std::function<void(const std::string&)> onLetter);
  // The window's end: the event sink and the strip let go.
  void Disconnect();

  HWND host() const { return host_; }
  bool HasStrip() const { return static_cast<bool>(strip_); }

  void Push(unsigned settings, const StripValues& values);
  // The word's first letter marked; no letter for an empty word.
  void SelectLetterOf(const std::string& word);
  // The strip's own full size; 0, 0 without a strip.
  void GetSize(short* cx, short* cy);

 private:
  HWND host_ = nullptr;
  com::Ptr<IVelLetterStripCtrl> strip_;
  com::Ptr<com::EventSink> sink_;
};

}  // namespace morvex::lookuppane
