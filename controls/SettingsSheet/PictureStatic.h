// PictureStatic: what the colour well and the mouse-trigger picker share. A
// static item of the settings dialog, subclassed, that shows a picture of
// the deliverable's resources held in a 32-bpp DIB section (so that flood
// fills keep exact colours), with its own cursor, a focus frame, and the
// mouse captured while it is over the window (hovering).
//
// ColorWell and MouseTriggerPicker derive from it; the settings dialog
// passes them their WM_DRAWITEM and answers their WM_CTLCOLORSTATIC with
// StaticBackground.
#pragma once

#include <windows.h>

#include "com/SubclassedWindow.h"

namespace morvex::settingssheet {

class PictureStatic : protected com::SubclassedWindow {
 public:
  using com::SubclassedWindow::handle;

  // The static background request: a transparent background, no brush.
  static LRESULT StaticBackground(HDC dc);

 protected:
  PictureStatic() = default;
  ~PictureStatic() override;

  // Takes over `window` with the picture and cursor of the given resources:
  // adds tab stop, notify and owner-draw, and shrinks the window to the
  // picture where the picture is smaller. False when there is no window or
  // a resource is missing.
  bool AttachPicture(HWND window, UINT bitmapId, UINT cursorId);
  void Repaint();

  // The picture, its size, and a memory context to draw on it; the
  // context is selected out again when the Selection goes.
  class Selection {
   public:
    explicit Selection(HBITMAP bitmap);
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection();
    HDC dc() const { return dc_; }

   private:
    HDC dc_;
    HGDIOBJ old_;
  };
  HBITMAP picture() const { return picture_; }
  SIZE pictureSize() const { return size_; }
  // A 32-bpp DIB section of `size` (null on failure).
  static HBITMAP NewCanvas(SIZE size);

  bool focused() const { return focused_; }
  bool hovering() const { return hovering_; }

  // Draws the picture (as it should look now) at (0, 0) of `dc`.
  virtual void Paint(HDC dc) = 0;
  // What a derived class adds to the shared messages; false leaves the
  // message to the shared handling.
  virtual bool OnPictureMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) = 0;

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintWithFocus(HDC dc, const RECT& frame);
  LRESULT OnMouseMove(LPARAM lParam);
  void FreePicture();
  // A fresh 32-bpp copy of bitmap `id` of the module (null on failure).
  static HBITMAP LoadPicture(UINT id);

  HBITMAP picture_ = nullptr;
  SIZE size_ = {};
  HCURSOR cursor_ = nullptr;
  bool focused_ = false;
  bool hovering_ = false;
};

}  // namespace morvex::settingssheet
