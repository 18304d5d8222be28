// ArticleOleCallback: the OLE callback of the rich-edit panes of the
// viewer and the tip. Its one real job is the context menu: instead of a
// menu of the rich edit's own, the pane's parent gets
// WM_RICHEDIT_CONTEXTMENU and the control fires its own menu event. The
// rest refuses, or accepts doing nothing.
//
// A control gives each rich edit its callback right after creating (and
// subclassing) it:
//
//   HWND body = CreateWindowExA(0, "RichEdit20A", ...);   // LoadRichEditLibrary() first
//   AttachArticleOleCallback(body);
//
// and handles the message in the rich edit's parent:
//
//   case WM_RICHEDIT_CONTEXTMENU:   // wParam the rich edit, lParam the cursor (screen)
//     FireEvent(..., {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
//
// The rich edit holds the callback's only reference; the callback goes
// with the rich edit.
#pragma once

#include <ole2.h>
#include <richedit.h>
#include <richole.h>
#include <windows.h>

#include "com/ComObject.h"

namespace morvex::controls {

// To the rich edit's parent on a context-menu request: wParam = the rich
// edit, lParam = the cursor position in screen coordinates (MAKELPARAM).
constexpr UINT WM_RICHEDIT_CONTEXTMENU = WM_USER + 500;

// Revokes the rich edit's drag and drop (the panes accept none) and gives
// it a new callback. S_OK, or why not (E_FAIL when the rich edit refuses).
HRESULT AttachArticleOleCallback(HWND richEdit);

class ArticleOleCallback : public com::Object<IRichEditOleCallback> {
 public:
  static const com::InterfaceEntry* Interfaces();
  // The platform headers give this interface no __uuidof: it is answered here.
  HRESULT QueryOtherInterface(REFIID iid, void** out);

  // IRichEditOleCallback
  STDMETHODIMP GetNewStorage(LPSTORAGE* storage) override;
  STDMETHODIMP GetInPlaceContext(LPOLEINPLACEFRAME* frame, LPOLEINPLACEUIWINDOW* document,
                                 LPOLEINPLACEFRAMEINFO frameInfo) override;
  STDMETHODIMP ShowContainerUI(BOOL show) override;
  STDMETHODIMP QueryInsertObject(LPCLSID clsid, LPSTORAGE storage, LONG position) override;
  STDMETHODIMP DeleteObject(LPOLEOBJECT object) override;
  STDMETHODIMP QueryAcceptData(LPDATAOBJECT data, CLIPFORMAT* format, DWORD operation, BOOL really,
                               HGLOBAL metaPicture) override;
  STDMETHODIMP ContextSensitiveHelp(BOOL enterMode) override;
  STDMETHODIMP GetClipboardData(CHARRANGE* range, DWORD operation, LPDATAOBJECT* data) override;
  STDMETHODIMP GetDragDropEffect(BOOL drag, DWORD keyState, LPDWORD effect) override;
  STDMETHODIMP GetContextMenu(WORD selectionType, LPOLEOBJECT object, CHARRANGE* range,
                              HMENU* menu) override;

 protected:
  // Null serves no window: the context menu request then does nothing.
  explicit ArticleOleCallback(HWND richEdit) : richEdit_(richEdit) {}

 private:
  HWND richEdit_;
};

}  // namespace morvex::controls
