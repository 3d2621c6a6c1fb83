// A skinned form with this family's skin parts, and pixel reading in a control's client area.
#pragma once

#include "ChoiceSkinParts.h"
#include "ExtCtrls.h"
#include "PainterFactory.h"
#include "SkinnedFormFixture.h"
#include "StdCtrls.h"

class ChoiceTest : public SkinnedFormTest {
 protected:
  void Start(const choice_test::ChoicePartsOptions& parts = {}) {
    MakeSkinnedForm(400, 300, tk::TFormBorderStyle::bsSizeable, TSkinFormType::sfDialog, choice_test::ChoiceSkin(parts));
    ASSERT_NE(Painter(), nullptr);
  }
  TSkinControl* SkinAs(TPainterKind kind, tk::TControl* control, bool recolour = false) {
    return SkinControlAs(kind, control, Painter(), skin, recolour, &Painter()->PainterCanvas);
  }
  TSkinControl* SkinWindow(TPainterKind kind, HWND wnd) {
    return SkinWindowAs(kind, wnd, Painter(), skin, &Painter()->PainterCanvas);
  }
  template <class C>
  C* Place(int left, int top, int width, int height, tk::TWinControl* parent = nullptr) {
    auto* control = new C(form);
    control->SetParent(parent ? parent : form);
    control->SetBounds(left, top, width, height);
    return control;
  }
  HWND Child(const wchar_t* cls, DWORD style, int left, int top, int width, int height, const wchar_t* text = L"") {
    return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, left, top, width, height, Wnd(), nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  }
  // The colour at a point of a window's client area, after its pending paints.
  static COLORREF At(HWND wnd, int x, int y) {
    tk::testing::PumpMessages(30);
    return PixelNow(wnd, x, y);
  }
  // The same without waiting: for scans after one At or pump.
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
