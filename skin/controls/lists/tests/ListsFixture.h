// A skinned form for the list family's tests: the solid skin with the family's parts, painters
// made through the painter factory, pixels read back from the screen, real mouse input.
#pragma once

#include <gtest/gtest.h>

#include "ListSkinParts.h"
#include "PainterFactory.h"
#include "RealInput.h"
#include "SkinnedFormFixture.h"

class ListsTest : public SkinnedFormTest {
 protected:
  void MakeForm(const lists_test::ListPartsOptions& parts = {}) {
    MakeSkinnedForm(500, 360, tk::TFormBorderStyle::bsSizeable, TSkinFormType::sfDialog, lists_test::ListSkin(parts));
    ASSERT_NE(Painter(), nullptr);
    SetForegroundWindow(Wnd());
    MoveAway();
  }

  // The mouse away from every control.
  void MoveAway() {
    skin_test::MoveMouse(ScreenPoint(Wnd(), 5, 5));
    tk::testing::PumpMessages(30);
  }

  template <class T>
  T* Place(int left, int top, int width, int height) {
    auto* control = new T(form);
    control->SetParent(form);
    control->SetBounds(left, top, width, height);
    control->Handle();
    tk::testing::PumpMessages(20);
    return control;
  }

  TSkinControl* Skin(TPainterKind kind, tk::TControl* control) {
    TSkinControl* painter = SkinControlAs(kind, control, Painter(), skin, false, &Painter()->PainterCanvas);
    tk::testing::PumpMessages(30);
    return painter;
  }

  static POINT ScreenPoint(HWND wnd, int x, int y) {
    RECT r{};
    GetWindowRect(wnd, &r);
    return POINT{r.left + x, r.top + y};
  }
  static SIZE Size(HWND wnd) {
    RECT r{};
    GetWindowRect(wnd, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
  }
  // The pixel once it shows the colour, or what it shows when it never does.
  static COLORREF PixelBecomes(HWND wnd, int x, int y, COLORREF expected) {
    tk::testing::PumpUntil([&] { return skin_test::WindowPixel(wnd, x, y) == expected; }, 1500);
    return skin_test::WindowPixel(wnd, x, y);
  }
};
