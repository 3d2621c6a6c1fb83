// A skinned form with the scroll bar elements in its skin, and helpers to read covers and bars.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "PainterFactory.h"
#include "RealInput.h"
#include "ScrollSkinParts.h"
#include "SkinnedFormFixture.h"
#include "StdCtrls.h"
#include "TSkinScrollbar.h"

class ScrollFormTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    skin_test::MoveMouse(POINT{2, 2});
  }

  tk::TForm* MakeScrollForm() {
    return MakeSkinnedForm(420, 320, tk::TFormBorderStyle::bsSizeable, TSkinFormType::sfDialog, scroll_test::ScrollSkinOptions());
  }

  // A memo of many long lines on the form.
  tk::TMemo* AddMemo(tk::TForm& owner, tk::TScrollStyle bars, RECT bounds, int lines = 200) {
    auto* memo = new tk::TMemo(&owner);
    memo->SetParent(&owner);
    memo->SetWordWrap(false);
    memo->SetScrollBars(bars);
    memo->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    std::string text;
    for (int i = 0; i < lines; ++i) text += "line " + std::to_string(i) + " of a text wider than the memo is wide, by some way\r\n";
    memo->SetText(text);
    return memo;
  }

  TSkinScrollbar* SkinScroll(tk::TControl* control, TPainterKind kind = TPainterKind::pkScrollbar) {
    TSkinControl* painter = SkinControlAs(kind, control, Painter(), skin, false, nullptr);
    tk::testing::PumpMessages(30);
    return dynamic_cast<TSkinScrollbar*>(painter);
  }

  static RECT SystemBar(HWND wnd, LONG id) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    GetScrollBarInfo(wnd, id, &info);
    return info.rcScrollBar;
  }
  static RECT ScreenRect(HWND wnd) {
    RECT r{};
    GetWindowRect(wnd, &r);
    return r;
  }
  static int FirstVisibleLine(HWND edit) { return static_cast<int>(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0)); }
  static int ArrowSize() { return GetSystemMetrics(SM_CXHSCROLL); }
  static COLORREF Pixel(POINT p) { return skin_test::ScreenPixel(p.x, p.y); }
};

inline bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline std::ostream& operator<<(std::ostream& out, const RECT& r) {
  return out << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}
