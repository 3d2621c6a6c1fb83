// A skinned form with this family's skin parts, page controls and tab controls placed on it, and
// pixel reading in a control's client area.
#pragma once

#include <commctrl.h>

#include <string>

#include "PainterFactory.h"
#include "SkinnedFormFixture.h"
#include "TabSkinParts.h"
#include "Tabs.h"

class TabTest : public SkinnedFormTest {
 protected:
  void Start(const tab_test::TabPartsOptions& parts = {}) {
    MakeSkinnedForm(520, 420, tk::TFormBorderStyle::bsSizeable, TSkinFormType::sfDialog, tab_test::TabSkin(parts));
    ASSERT_NE(Painter(), nullptr);
  }
  TSkinControl* SkinAs(TPainterKind kind, tk::TControl* control) {
    return SkinControlAs(kind, control, Painter(), skin, false, &Painter()->PainterCanvas);
  }
  TSkinControl* SkinWindow(TPainterKind kind, HWND wnd) {
    return SkinWindowAs(kind, wnd, Painter(), skin, &Painter()->PainterCanvas);
  }
  // A page control of `pages` sheets captioned "Page 1", "Page 2" ...
  tk::TPageControl* Pages(int pages, tk::TTabPosition side = tk::TTabPosition::tpTop, int left = 10, int top = 10,
                          int width = 320, int height = 220) {
    auto* control = new tk::TPageControl(form);
    control->SetParent(form);
    control->SetBounds(left, top, width, height);
    control->SetTabPosition(side);
    control->HandleNeeded();
    for (int i = 0; i < pages; ++i) {
      auto* sheet = new tk::TTabSheet(form);
      sheet->SetCaption("Page " + std::to_string(i + 1));
      sheet->SetPageControl(control);
    }
    return control;
  }
  static RECT ItemRect(HWND tabs, int index) {
    RECT r{};
    SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
  }
  static RECT Adjusted(HWND tabs) {
    RECT r{};
    GetClientRect(tabs, &r);
    SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    return r;
  }
  // The colour at a point of a window's client area, after its pending paints.
  static COLORREF At(HWND wnd, int x, int y) {
    tk::testing::PumpMessages(30);
    POINT p{x, y};
    ClientToScreen(wnd, &p);
    return skin_test::ScreenPixel(p.x, p.y);
  }
  static void RepaintNow(HWND wnd) {
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    tk::testing::PumpMessages(30);
  }
  COLORREF Face() const { return skin_test::TableColour(scButtonFace); }
};
