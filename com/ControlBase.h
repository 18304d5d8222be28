// The windowed ActiveX control base: the OLE control protocol that a
// container speaks to a control, so that each control writes only its own
// interface, its drawing and its window messages.
//
//   IOleObject               client site, verbs (in-place and UI
//                            activation, hide), extent, close, misc status
//   IOleInPlaceObject        the control's own window: created on in-place
//                            activation inside the site's window, moved by
//                            SetObjectRects, destroyed on deactivation
//   IOleInPlaceActiveObject  accelerators (none by default)
//   IOleControl              ambient-change notification, frozen events
//   IViewObject2             drawing into a container's device context
//   IPersistStreamInit       InitNew; nothing is persisted
//
// and the stock properties BackColor, ForeColor and Font for the control's
// own put and get members (ControlStockProperties.cpp).
//
// SetClientSite and InitNew may come in either order (OLEMISC_
// SETCLIENTSITEFIRST asks for the site first; not every host honours it).
// Ambient properties come from the site's IDispatch when it has one, else
// the defaults of com/Ambient.h. The control UI-activates itself when its
// window gets the focus or a click, and gives the frame and the document
// window their active object back when it UI-deactivates.
//
// IUnknown is left to the object base that completes the class; events,
// the property-change connection point and the class information are
// added by com/Control.h, which is what controls derive from.
#pragma once

#include <ole2.h>
#include <olectl.h>
#include <windows.h>

#include "com/ComPtr.h"
#include "com/Fonts.h"
#include "com/Window.h"

namespace morvex::com {

// Whether the focus is on the window or one of its descendants: a control
// that gives the focus to a child of its own keeps it there.
bool HasFocusWithin(HWND window);

// OLEMISC_SETCLIENTSITEFIRST | ACTIVATEWHENVISIBLE | INSIDEOUT |
// CANTLINKINSIDE | RECOMPOSEONRESIZE, the status every control registers.
constexpr DWORD kControlMiscStatus = 131473;

class ControlBase : public IOleObject,
                    public IOleInPlaceObject,
                    public IOleInPlaceActiveObject,
                    public IOleControl,
                    public IViewObject2,
                    public IPersistStreamInit {
 public:
  // IOleObject
  STDMETHODIMP SetClientSite(IOleClientSite* site) override;
  STDMETHODIMP GetClientSite(IOleClientSite** site) override;
  STDMETHODIMP SetHostNames(LPCOLESTR containerApp, LPCOLESTR containerObject) override;
  STDMETHODIMP Close(DWORD saveOption) override;
  STDMETHODIMP SetMoniker(DWORD which, IMoniker* moniker) override;
  STDMETHODIMP GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
  STDMETHODIMP InitFromData(IDataObject* data, BOOL creation, DWORD reserved) override;
  STDMETHODIMP GetClipboardData(DWORD reserved, IDataObject** data) override;
  STDMETHODIMP DoVerb(LONG verb, LPMSG message, IOleClientSite* activeSite, LONG index, HWND parent,
                      LPCRECT rect) override;
  STDMETHODIMP EnumVerbs(IEnumOLEVERB** verbs) override;
  STDMETHODIMP Update() override;
  STDMETHODIMP IsUpToDate() override;
  STDMETHODIMP GetUserClassID(CLSID* clsid) override;
  STDMETHODIMP GetUserType(DWORD form, LPOLESTR* userType) override;
  STDMETHODIMP SetExtent(DWORD aspect, SIZEL* size) override;
  STDMETHODIMP GetExtent(DWORD aspect, SIZEL* size) override;
  STDMETHODIMP Advise(IAdviseSink* sink, DWORD* connection) override;
  STDMETHODIMP Unadvise(DWORD connection) override;
  STDMETHODIMP EnumAdvise(IEnumSTATDATA** advises) override;
  STDMETHODIMP GetMiscStatus(DWORD aspect, DWORD* status) override;
  STDMETHODIMP SetColorScheme(LOGPALETTE* palette) override;

  // IOleWindow, shared by IOleInPlaceObject and IOleInPlaceActiveObject
  STDMETHODIMP GetWindow(HWND* window) override;
  STDMETHODIMP ContextSensitiveHelp(BOOL enterMode) override;

  // IOleInPlaceObject
  STDMETHODIMP InPlaceDeactivate() override;
  STDMETHODIMP UIDeactivate() override;
  STDMETHODIMP SetObjectRects(LPCRECT position, LPCRECT clip) override;
  STDMETHODIMP ReactivateAndUndo() override;

  // IOleInPlaceActiveObject
  STDMETHODIMP TranslateAccelerator(LPMSG message) override;
  STDMETHODIMP OnFrameWindowActivate(BOOL activate) override;
  STDMETHODIMP OnDocWindowActivate(BOOL activate) override;
  STDMETHODIMP ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frame) override;
  STDMETHODIMP EnableModeless(BOOL enable) override;

  // IOleControl
  STDMETHODIMP GetControlInfo(CONTROLINFO* info) override;
  STDMETHODIMP OnMnemonic(MSG* message) override;
  STDMETHODIMP OnAmbientPropertyChange(DISPID dispid) override;
  STDMETHODIMP FreezeEvents(BOOL freeze) override;

  // IViewObject2 (the IOleObject GetExtent above is another overload)
  STDMETHODIMP Draw(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* target,
                    HDC targetDevice, HDC dc, LPCRECTL bounds, LPCRECTL windowBounds,
                    BOOL(STDMETHODCALLTYPE* keepGoing)(ULONG_PTR), ULONG_PTR keepGoingArg) override;
  STDMETHODIMP GetColorSet(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* target,
                           HDC targetDevice, LOGPALETTE** colors) override;
  STDMETHODIMP Freeze(DWORD aspect, LONG index, void* aspectInfo, DWORD* freeze) override;
  STDMETHODIMP Unfreeze(DWORD freeze) override;
  STDMETHODIMP SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) override;
  STDMETHODIMP GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) override;
  STDMETHODIMP GetExtent(DWORD aspect, LONG index, DVTARGETDEVICE* target, LPSIZEL size) override;

  // IPersistStreamInit
  STDMETHODIMP GetClassID(CLSID* clsid) override;
  STDMETHODIMP IsDirty() override;
  STDMETHODIMP Load(LPSTREAM stream) override;
  STDMETHODIMP Save(LPSTREAM stream, BOOL clearDirty) override;
  STDMETHODIMP GetSizeMax(ULARGE_INTEGER* size) override;
  STDMETHODIMP InitNew() override;

 protected:
  // windowClass names the control's window class (unique per control).
  ControlBase(REFCLSID clsid, const WindowClassSpec& windowClass);
  virtual ~ControlBase();

  // --- What a control adds

  // Paints the control into dc within bounds: from WM_PAINT (bounds = the
  // client area) and from IViewObject::Draw.
  virtual void OnDraw(HDC dc, const RECT& bounds);
  // The control's window messages, before the base's own handling (WM_PAINT
  // goes to OnDraw, focus changes to the site). True when handled. The window
  // goes on in-place deactivation (and Close); one still alive when the
  // object dies is destroyed without these handlers. A control
  // routes each message it takes to a handler named after it:
  //   case WM_LBUTTONUP: *result = OnLButtonUp(wParam, lParam); return true;
  virtual bool OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // A new client site (or null) is in place.
  virtual void OnClientSiteChanged() {}
  // InitNew or Load: the object's life as a fresh control begins.
  virtual HRESULT OnInitNew() { return S_OK; }
  // The container changed an ambient property; DISPID_UNKNOWN: any of them.
  virtual void OnAmbientChanged(DISPID /*dispid*/) {}

  // --- What a control uses

  const CLSID& classId() const { return clsid_; }
  HWND window() const { return window_.handle(); }
  IOleClientSite* clientSite() const { return clientSite_.Get(); }
  bool inPlaceActive() const { return inPlaceActive_; }
  bool uiActive() const { return uiActive_; }
  bool eventsFrozen() const { return freezeCount_ > 0; }

  // Ambient properties of the current site, or the defaults.
  bool AmbientBackColor(OLE_COLOR* color) const;
  bool AmbientForeColor(OLE_COLOR* color) const;
  bool AmbientFont(Ptr<IFontDisp>* font) const;
  bool AmbientUserMode(bool* userMode) const;
  // A control with a site and no font yet takes the font it starts with: a
  // clone of the container's ambient font when it offers one, else a new
  // font as `fallback` names it (quietly, as from the container).
  void TakeInitialFont(const FontSpec& fallback);
  // The container's ambient font, cloned, becomes the control's own
  // (quietly); false, the font unchanged, when it offers none.
  bool TakeAmbientFont();

  // The control's look changed: repaint the window, or tell the view's
  // advise sink when there is no window.
  void FireViewChange();

  // Tells the IPropertyNotifySink connections. OnRequestEdit gives S_FALSE
  // when a sink refuses the change.
  virtual HRESULT FireOnRequestEdit(DISPID dispid) = 0;
  virtual void FireOnChanged(DISPID dispid) = 0;

  // --- Stock properties, for a control's BackColor, ForeColor and Font
  // members. A put asks the property sinks first (a refusal keeps the old
  // value and gives S_FALSE), stores, tells the sinks, calls the hook below
  // and repaints.

  HRESULT PutStockBackColor(OLE_COLOR color);
  HRESULT GetStockBackColor(OLE_COLOR* color) const;
  HRESULT PutStockForeColor(OLE_COLOR color);
  HRESULT GetStockForeColor(OLE_COLOR* color) const;
  HRESULT PutStockFont(IFontDisp* font);         // stores a clone (null: no font)
  HRESULT PutRefStockFont(IFontDisp* font);      // stores the font itself
  HRESULT GetStockFont(IFontDisp** font) const;  // a new reference to the stored one

  virtual void OnBackColorChanged() {}
  virtual void OnForeColorChanged() {}
  virtual void OnFontChanged() {}

  OLE_COLOR backColor() const { return backColor_; }
  OLE_COLOR foreColor() const { return foreColor_; }
  IFontDisp* font() const { return font_.Get(); }  // no reference added
  // Without notification or hook: defaults, and values from the container.
  void SetBackColorQuietly(OLE_COLOR color) { backColor_ = color; }
  void SetForeColorQuietly(OLE_COLOR color) { foreColor_ = color; }
  void SetFontQuietly(IFontDisp* font);  // the font itself, referenced

  // The object's last reference went (called by com/Control.h while the
  // object is whole): the window goes now, while every handler still
  // exists, and takes no more references on the object.
  void EndOfLife();

 private:
  class ControlWindow : public Window {
   public:
    explicit ControlWindow(ControlBase* owner) : owner_(owner) {}
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
      return DefaultProcessing(message, wParam, lParam);
    }

   protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

   private:
    ControlBase* owner_;
  };

  HRESULT PutStockColor(DISPID dispid, OLE_COLOR color, OLE_COLOR* stored);
  HRESULT PutFont(IFontDisp* font);
  HRESULT InPlaceActivate(LONG verb);
  HRESULT UIActivate(IOleInPlaceFrame* frame, IOleInPlaceUIWindow* document);
  void UIActivateFromWindow();
  bool CreateOrMoveWindow(HWND parent, const RECT& position);
  LRESULT HandleWindowMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnPaint(HDC given);
  void OnSetFocus();
  void OnKillFocus() { TellSiteOfFocus(false); }
  LRESULT OnMouseActivate(WPARAM wParam, LPARAM lParam);
  void TellSiteOfFocus(bool focused);

  const CLSID clsid_;
  const WindowClassSpec windowClass_;
  ControlWindow window_;
  Ptr<IOleClientSite> clientSite_;
  Ptr<IOleInPlaceSite> inPlaceSite_;
  Ptr<IOleInPlaceFrame> frame_;        // held while UI active
  Ptr<IOleInPlaceUIWindow> document_;  // held while UI active
  Ptr<IOleAdviseHolder> adviseHolder_;
  Ptr<IAdviseSink> viewSink_;
  DWORD viewAspects_ = 0;
  DWORD viewFlags_ = 0;
  SIZEL extent_;
  bool initialized_ = false;
  bool inPlaceActive_ = false;
  bool uiActive_ = false;
  int freezeCount_ = 0;
  OLE_COLOR backColor_;
  OLE_COLOR foreColor_;
  Ptr<IFontDisp> font_;
};

}  // namespace morvex::com
