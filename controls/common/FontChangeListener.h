// FontChangeListener: the property-change sink a control advises on its own
// font object, so that any change to that font (its size, its face ...)
// rebuilds the control's fonts at once. While a listener lives it holds a
// lock on the module it is linked into.
//
// The control holds one counted reference from Create on, listens to every
// font it comes to have and disconnects at its end:
//
//   class Tip : public com::Control<...>, private controls::FontChangeOwner {
//     Tip() { controls::FontChangeListener::Create(this, &fontListener_); }
//     ~Tip() override { if (fontListener_) fontListener_->Disconnect(); }
//     STDMETHODIMP SetClientSite(IOleClientSite* site) override {
//       HRESULT result = Control::SetClientSite(site);
//       TakeInitialFont(controls::kArticleControlFont);
//       if (font() && fontListener_) fontListener_->Listen(font());
//       return result;
//     }
//     void OnFontChanged() override { fontListener_->Listen(font()); ... }  // stock Font puts
//     // and after every font of its own choosing (SetFontQuietly) the same Listen.
//     void RefreshView() override;               // FontChangeOwner
//     void RebuildFonts(bool refresh) override;  // FontChangeOwner
//   };
//
// Listening to a new font unadvises the one before. The listener keeps the
// font it listens to (and so its connection point) alive until then, so
// the unadvise never reaches a font that is gone, whoever released it.
#pragma once

#include <ocidl.h>
#include <windows.h>

#include "com/ComObject.h"
#include "com/Fonts.h"

namespace morvex::controls {

// The font of the viewer and the tip's rich-edit controls when the
// container offers none (ControlBase::TakeInitialFont's fallback).
inline constexpr com::FontSpec kArticleControlFont = {L"Arial", 8, 400, 204, true};

// What a listener asks of its control when the font changed.
class FontChangeOwner {
 public:
  virtual void RefreshView() = 0;
  virtual void RebuildFonts(bool refresh) = 0;

 protected:
  ~FontChangeOwner() = default;
};

class FontChangeListener : public com::Object<IPropertyNotifySink> {
 public:
  static const com::InterfaceEntry* Interfaces();

  // A listener for `owner`, not yet listening; `listener` holds the one
  // reference. E_OUTOFMEMORY when it cannot be made.
  static HRESULT Create(FontChangeOwner* owner, com::Ptr<FontChangeListener>* listener);

  // Listens to `font` (any interface of a font object) from now on,
  // unadvising the font listened to before; null only stops. The same font
  // again changes nothing. Fails (listening to nothing) when the font has no
  // property-change connection point or refuses the advise.
  HRESULT Listen(IUnknown* font);
  // Stops listening and forgets the owner: nothing reaches it any more.
  void Disconnect();

  // The font listened to, or null (no reference added).
  IUnknown* font() const { return font_.Get(); }

  // IPropertyNotifySink
  STDMETHODIMP OnChanged(DISPID dispid) override;
  STDMETHODIMP OnRequestEdit(DISPID dispid) override;

 protected:
  explicit FontChangeListener(FontChangeOwner* owner) : owner_(owner) {}
  ~FontChangeListener() override { Unadvise(); }

 private:
  void Unadvise();

  FontChangeOwner* owner_;  // not counted: the owner holds us
  com::Ptr<IUnknown> font_;
  com::Ptr<IConnectionPoint> point_;
  DWORD cookie_ = 0;
};

}  // namespace morvex::controls
