// A skinned form with this family's skin parts, and pixel reading in a window's client area.
#pragma once

#include "PainterFactory.h"
#include "RangeSkinParts.h"
#include "SkinnedFormFixture.h"
#include "WinSkinData.h"

class RangesTest : public SkinnedFormTest {
 protected:
  void Start(const range_test::RangePartsOptions& parts = {}) {
    MakeSkinnedForm(500, 360, tk::TFormBorderStyle::bsSizeable, TSkinFormType::sfDialog, range_test::RangeSkin(parts));
    ASSERT_NE(Painter(), nullptr);
  }
  TSkinControl* SkinAs(TPainterKind kind, tk::TControl* control) {
    return SkinControlAs(kind, control, Painter(), skin, false, &Painter()->PainterCanvas);
  }
  template <class C>
  C* Place(int left, int top, int width, int height) {
    auto* control = new C(form);
    control->SetParent(form);
    control->SetBounds(left, top, width, height);
    if (auto* windowed = dynamic_cast<tk::TWinControl*>(static_cast<tk::TControl*>(control))) windowed->HandleNeeded();
    return control;
  }
  static void Redraw(HWND wnd) {
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
  // The colour at a point of a window's client area, after its pending paints.
  static COLORREF At(HWND wnd, int x, int y) {
    tk::testing::PumpMessages(30);
    return PixelNow(wnd, x, y);
  }
  static COLORREF PixelNow(HWND wnd, int x, int y) {
    POINT p{x, y};
    ClientToScreen(wnd, &p);
    return skin_test::ScreenPixel(p.x, p.y);
  }
  static SIZE ClientSize(HWND wnd) {
    RECT r{};
    GetClientRect(wnd, &r);
    return SIZE{r.right, r.bottom};
  }
  COLORREF Face() const { return skin_test::TableColour(scButtonFace); }
  COLORREF Shadow() const { return skin_test::TableColour(scButtonShadow); }
};
