// Tab controls and page controls in the skin's look: the strip drawn from the Tabs element (frame 1
// for a tab, frame 2 for the focused one) in a buffer laid horizontally and turned for the side
// the tabs are on, the pane from the Tabs element's second image (or the Tab.Pane element) around
// the display area, close marks on the tabs of a page control tagged 7777. Mode 2 (page controls)
// also paints the control's windowless children.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "WinSubClass.h"

class TSkinTab : public TSkinControl {
  TK_CLASS(TSkinTab)
 public:
  // The side the tabs are on, from the window style.
  enum TTabSide : uint8_t { tsTop = 0, tsBottom = 1, tsLeft = 2, tsRight = 3 };
  static constexpr int PageControlMode = 2;
  static constexpr intptr_t CloseMarksTag = 7777;
  static constexpr int CloseMarkSize = 6;
  static constexpr int MaxTabCaption = 80;

  explicit TSkinTab(tk::TComponent* owner);
  ~TSkinTab() override;

  void Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) override;
  void AttachWindow(HWND handle, TSkinData* skin, TWinSkinForm* form, tk::TCanvas* canvas) override;
  bool BeforeMessage(tk::TMessage& msg) override;
  void Draw(HDC dc, const RECT& rect) override;
  void SkinChanged() override;

  static TTabSide SideOfStyle(LONG_PTR style);

  std::vector<RECT> CloseRects;  // client coordinates, one per tab (empty without a mark)
  TTabSide TabSide = tsTop;
  tk::TBitmap TabImage;
  tk::TBitmap PaneImage;
  tk::TBitmap TabBuffer;  // the strip laid horizontally, 24 bits per pixel
  TSkinControl* UpDown = nullptr;  // painter of the scroll arrows, owned by the form painter
  uint8_t CloseButtons = 0;

 protected:
  void Notification(tk::TComponent* component, tk::TOperation operation) override;

 private:
  void PrepareImages();
  // Gives the scroll arrows their painter; whether they are visible.
  bool AttachUpDown();
  HWND UpDownWindow() const;
  bool ShouldShowCloseMarks() const;
  RECT DisplayArea(const RECT& rect) const;
  void DrawStrip(HDC work, const RECT& rect, const RECT& display);
  void DrawPane(HDC work, const RECT& display);
  // Moves a tab's rectangle into the buffer, and a buffer rectangle back into the client area.
  RECT ToBuffer(const RECT& item, const RECT& rect, const RECT& display) const;
  RECT ToClient(const RECT& buffer, const RECT& rect, const RECT& display) const;
  std::wstring TabCaption(int index, int* imageIndex) const;
  bool CloseTabAt(POINT p);
  tk::TBitmap Work;  // the whole control, composed before the one copy
};
