// The combo box painter with each way of drawing its button, its states under real mouse input,
// right-to-left boxes, the edit part and the handles it keeps.
#include <algorithm>

#include "EditsFixture.h"
#include "SkinComBox.h"
#include "StdCtrls.h"

using namespace edits_test;
using skin_test::LeftDown;
using skin_test::LeftUp;
using skin_test::MoveMouse;
using skin_test::WindowPixel;

namespace {

constexpr COLORREF White = RGB(255, 255, 255);
constexpr int ComboWidth = 160, ComboHeight = 21;

class ComboPainterTest : public EditsTest {
 protected:
  tk::TComboBox* MakeCombo(tk::TComboBoxStyle style = tk::TComboBoxStyle::csDropDownList, bool rightToLeft = false) {
    // Something else holds the focus: a focused box shows the hot frame.
    focus = Place<tk::TEdit>(20, 200, 100, 24);
    focus->SetFocus();
    auto* combo = Place<tk::TComboBox>(20, 20, ComboWidth, ComboHeight);
    combo->SetStyle(style);
    combo->Items().Add("one");
    combo->Items().Add("two");
    combo->Items().Add("three");
    combo->SetItemIndex(0);
    if (rightToLeft) {
      HWND wnd = combo->Handle();
      SetWindowLongPtrW(wnd, GWL_EXSTYLE, GetWindowLongPtrW(wnd, GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
    }
    tk::testing::PumpMessages(20);
    return combo;
  }
  TSkinComBox* SkinCombo(tk::TComboBox* combo) {
    auto* painter = dynamic_cast<TSkinComBox*>(Skin(TPainterKind::pkComBox, combo));
    if (painter) InvalidateRect(combo->Handle(), nullptr, TRUE);
    tk::testing::PumpMessages(30);
    return painter;
  }
  // The flat button: the frame ring, then inside a 2-pixel margin the button strip's frame at the side.
  POINT FlatButtonPoint(bool left = false) const {
    const int x = left ? 2 + ComboButtonFrameWidth / 2 : ComboWidth - 2 - ComboButtonFrameWidth / 2;
    return POINT{x, ComboHeight / 2};
  }
  void Hover(HWND wnd, POINT at) { MoveMouse(ScreenPoint(wnd, at.x, at.y)); }

  tk::TEdit* focus = nullptr;
};

// --- the flat way (Style 1) ---

class FlatComboTest : public ComboPainterTest {
 protected:
  void SetUp() override {
    ComboPainterTest::SetUp();
    MakeForm(ComboParts{1, false, true});
  }
};

TEST_F(FlatComboTest, TheBoxGetsAShadowFrameAndTheNormalButton) {
  auto* combo = MakeCombo();
  HWND wnd = combo->Handle();
  const POINT b = FlatButtonPoint();
  EXPECT_NE(WindowPixel(wnd, b.x, b.y), ComboButtonColour(1));
  TSkinComBox* painter = SkinCombo(combo);
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(PixelBecomes(wnd, b.x, b.y, ComboButtonColour(1)), ComboButtonColour(1));
  EXPECT_EQ(WindowPixel(wnd, 0, 10), ShadowColour());
  EXPECT_EQ(WindowPixel(wnd, ComboWidth - 1, 10), ShadowColour());
  EXPECT_EQ(WindowPixel(wnd, 1, 10), White);  // the box's own background brush
  // The button fills the interior's height at the right.
  EXPECT_EQ(WindowPixel(wnd, b.x, 2), ComboButtonColour(1));
  EXPECT_EQ(WindowPixel(wnd, b.x, ComboHeight - 3), ComboButtonColour(1));
  EXPECT_EQ(WindowPixel(wnd, ComboWidth - 2, 10), White);
  EXPECT_EQ(painter->ButtonRect.right, ComboWidth - 2);
  EXPECT_EQ(painter->ButtonRect.left, ComboWidth - 2 - ComboButtonFrameWidth);
}

TEST_F(FlatComboTest, OnlyTheButtonLightsUpUnderTheMouse) {
  auto* combo = MakeCombo();
  HWND wnd = combo->Handle();
  ASSERT_NE(SkinCombo(combo), nullptr);
  const POINT b = FlatButtonPoint();
  ASSERT_EQ(PixelBecomes(wnd, b.x, b.y, ComboButtonColour(1)), ComboButtonColour(1));
  Hover(wnd, POINT{30, 10});
  Hover(wnd, POINT{60, 12});
  tk::testing::PumpMessages(100);
  EXPECT_EQ(WindowPixel(wnd, b.x, b.y), ComboButtonColour(1));
  Hover(wnd, b);
  EXPECT_EQ(PixelBecomes(wnd, b.x, b.y, ComboButtonColour(4)), ComboButtonColour(4));
  Hover(wnd, POINT{60, 12});
  EXPECT_EQ(PixelBecomes(wnd, b.x, b.y, ComboButtonColour(1)), ComboButtonColour(1));
  Hover(wnd, b);
  ASSERT_EQ(PixelBecomes(wnd, b.x, b.y, ComboButtonColour(4)), ComboButtonColour(4));
  // Leaving the box altogether.
  Hover(Wnd(), POINT{5, 5});
  EXPECT_EQ(PixelBecomes(wnd, b.x, b.y, ComboButtonColour(1)), ComboButtonColour(1));
}

TEST_F(FlatComboTest, TheButtonShowsPressedWhileTheLeftButtonIsDownOnIt) {
  auto* combo = MakeCombo();
  HWND wnd = combo->Handle();
  ASSERT_NE(SkinCombo(combo), nullptr);
  const POINT b = FlatButtonPoint();
  Hover(wnd, b);
  ASSERT_EQ(PixelBecomes(wnd, b.x, b.y, ComboButtonColour(4)), ComboButtonColour(4));
  LeftDown(ScreenPoint(wnd, b.x, b.y));
  EXPECT_EQ(PixelBecomes(wnd, b.x, b.y, ComboButtonColour(2)), ComboButtonColour(2));
  EXPECT_TRUE(tk::testing::PumpUntil([&] { return combo->DroppedDown(); }, 1500));
  LeftUp(ScreenPoint(wnd, b.x, b.y));
  // Up again: focused (and hot), no longer pressed.
  EXPECT_EQ(PixelBecomes(wnd, b.x, b.y, ComboButtonColour(4)), ComboButtonColour(4));
  skin_test::SendKey(VK_ESCAPE, false);
  skin_test::SendKey(VK_ESCAPE, true);
  EXPECT_TRUE(tk::testing::PumpUntil([&] { return !combo->DroppedDown(); }, 1500));
}

TEST_F(FlatComboTest, ADisabledBoxShowsTheDisabledButton) {
  auto* combo = MakeCombo();
  HWND wnd = combo->Handle();
  ASSERT_NE(SkinCombo(combo), nullptr);
  const POINT b = FlatButtonPoint();
  combo->SetEnabled(false);
  EXPECT_EQ(PixelBecomes(wnd, b.x, b.y, ComboButtonColour(3)), ComboButtonColour(3));
  // The mouse over a disabled box lights nothing.
  Hover(wnd, b);
  tk::testing::PumpMessages(100);
  EXPECT_EQ(WindowPixel(wnd, b.x, b.y), ComboButtonColour(3));
  combo->SetEnabled(true);
  EXPECT_NE(PixelBecomes(wnd, b.x, b.y, ComboButtonColour(3)), ComboButtonColour(3));
}

TEST_F(FlatComboTest, ARightToLeftBoxHasItsButtonAtTheLeft) {
  auto* combo = MakeCombo(tk::TComboBoxStyle::csDropDownList, true);
  HWND wnd = combo->Handle();
  TSkinComBox* painter = SkinCombo(combo);
  ASSERT_NE(painter, nullptr);
  const POINT b = FlatButtonPoint(true);
  EXPECT_EQ(PixelBecomes(wnd, b.x, b.y, ComboButtonColour(1)), ComboButtonColour(1));
  EXPECT_NE(WindowPixel(wnd, FlatButtonPoint().x, b.y), ComboButtonColour(1));
  EXPECT_EQ(painter->ButtonRect.left, 2);
  Hover(wnd, b);
  EXPECT_EQ(PixelBecomes(wnd, b.x, b.y, ComboButtonColour(4)), ComboButtonColour(4));
}

TEST_F(FlatComboTest, ClicksInTheEditPartPressTheButtonAndLettingGoGivesTheEditBack) {
  auto* combo = MakeCombo(tk::TComboBoxStyle::csDropDown);
  HWND wnd = combo->Handle();
  HWND edit = GetTopWindow(wnd);
  ASSERT_NE(edit, nullptr);
  const LONG_PTR ownProc = GetWindowLongPtrW(edit, GWLP_WNDPROC);
  TSkinComBox* painter = SkinCombo(combo);
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(painter->EditChild, edit);
  const POINT b = FlatButtonPoint();
  ASSERT_EQ(PixelBecomes(wnd, b.x, b.y, ComboButtonColour(1)), ComboButtonColour(1));
  RECT er{};
  GetWindowRect(edit, &er);
  const POINT inEdit{er.left + 10, (er.top + er.bottom) / 2};
  MoveMouse(inEdit);
  LeftDown(inEdit);
  EXPECT_EQ(PixelBecomes(wnd, b.x, b.y, ComboButtonColour(2)), ComboButtonColour(2));
  LeftUp(inEdit);
  // Released: the edit part has the focus, which shows as the hot frame.
  EXPECT_EQ(PixelBecomes(wnd, b.x, b.y, ComboButtonColour(4)), ComboButtonColour(4));
  painter->Unskin();
  EXPECT_EQ(painter->EditChild, nullptr);
  EXPECT_EQ(GetWindowLongPtrW(edit, GWLP_WNDPROC), ownProc);
}

TEST_F(FlatComboTest, ANewWindowOfAnotherStyleGetsItsEditPartTakenOverToo) {
  auto* combo = MakeCombo();
  TSkinComBox* painter = SkinCombo(combo);
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(painter->EditChild, nullptr);  // a list-only box has no edit part
  combo->SetStyle(tk::TComboBoxStyle::csDropDown);
  HWND wnd = combo->Handle();
  tk::testing::PumpMessages(30);
  ASSERT_NE(GetTopWindow(wnd), nullptr);
  EXPECT_EQ(painter->EditChild, GetTopWindow(wnd));
  EXPECT_EQ(painter->ComboStyle & 3, static_cast<DWORD>(CBS_DROPDOWN));
  const POINT b = FlatButtonPoint();
  InvalidateRect(wnd, nullptr, TRUE);
  EXPECT_EQ(PixelBecomes(wnd, b.x, b.y, ComboButtonColour(1)), ComboButtonColour(1));
}

TEST_F(FlatComboTest, ASimpleBoxKeepsItsListWindowAndADropDownBoxNone) {
  auto* simple = MakeCombo(tk::TComboBoxStyle::csSimple);
  TSkinComBox* painter = SkinCombo(simple);
  ASSERT_NE(painter, nullptr);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(simple->Handle(), &info));
  EXPECT_EQ(painter->ListWindow, info.hwndList);
  EXPECT_EQ(painter->EditChild, nullptr);
  // No scroll painter for lists yet: the lists keep the platform's bars.
  EXPECT_EQ(painter->ListScroll, nullptr);
  auto* dropDown = Place<tk::TComboBox>(20, 100, ComboWidth, ComboHeight);
  TSkinComBox* second = SkinCombo(dropDown);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->ListWindow, nullptr);
  EXPECT_EQ(second->DropScroll, nullptr);
}

TEST_F(FlatComboTest, AMissingButtonElementLeavesTheBoxAsItIs) {
  auto* combo = MakeCombo();
  HWND wnd = combo->Handle();
  skin->ComboButton.reset();
  ASSERT_NE(SkinCombo(combo), nullptr);
  tk::testing::PumpMessages(50);
  EXPECT_NE(WindowPixel(wnd, 0, 10), ShadowColour());
}

TEST_F(FlatComboTest, RepaintsLeaveGdiAndUserCountsFlat) {
  auto* combo = MakeCombo();
  auto* edit = Place<tk::TEdit>(20, 60, 120, 24);
  ASSERT_NE(SkinCombo(combo), nullptr);
  ASSERT_NE(Skin(TPainterKind::pkEdit, edit), nullptr);
  HWND wnds[] = {combo->Handle(), edit->Handle()};
  auto repaint = [&](int times) {
    for (int i = 0; i < times; ++i)
      for (HWND w : wnds) RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
  };
  repaint(20);
  const int gdi = tk::testing::GdiObjectCount();
  const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  const int windows = tk::testing::ThreadWindowCount();
  repaint(1000);
  tk::testing::PumpMessages(20);
  EXPECT_LE(tk::testing::GdiObjectCount(), gdi + 2);
  EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), user + 2);
  EXPECT_EQ(tk::testing::ThreadWindowCount(), windows);
}

// --- the whole box in one element (Style 2, made at load from the sunk edge) ---

class WholeComboTest : public ComboPainterTest {
 protected:
  void SetUp() override {
    ComboPainterTest::SetUp();
    MakeForm(ComboParts{1, true, true});
  }
  // In the combined image the button is the fixed right column, the glyph centred on it.
  static int ButtonX() { return ComboWidth - 10; }
};

TEST_F(WholeComboTest, TheLoadMadeTheCombinedImage) {
  ASSERT_TRUE(skin->ComboButton);
  EXPECT_EQ(skin->ComboButton->Style, 2);
  EXPECT_EQ(skin->ComboButton->RightWidth, GetSystemMetrics(SM_CXHSCROLL) + 4);
  ASSERT_TRUE(skin->ComboArrow);
  EXPECT_FALSE(skin->ComboArrow->Bitmap.Empty());
}

TEST_F(WholeComboTest, FrameAndButtonComeFromTheCombinedImagePerState) {
  auto* combo = MakeCombo();
  HWND wnd = combo->Handle();
  TSkinComBox* painter = SkinCombo(combo);
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(PixelBecomes(wnd, ButtonX(), 3, ComboButtonColour(1)), ComboButtonColour(1));
  EXPECT_EQ(WindowPixel(wnd, 0, 10), SunkEdgeColour(1));
  EXPECT_EQ(WindowPixel(wnd, 60, 0), SunkEdgeColour(1));
  EXPECT_EQ(WindowPixel(wnd, ComboWidth - 9, 10), ExtraImageColour(1));
  EXPECT_EQ(painter->ButtonRect.left, ComboWidth - skin->ComboButton->RightWidth);
  Hover(wnd, POINT{ButtonX(), 10});
  EXPECT_EQ(PixelBecomes(wnd, ButtonX(), 3, ComboButtonColour(4)), ComboButtonColour(4));
  EXPECT_EQ(WindowPixel(wnd, 0, 10), SunkEdgeColour(4));
  Hover(wnd, POINT{40, 10});
  EXPECT_EQ(PixelBecomes(wnd, ButtonX(), 3, ComboButtonColour(1)), ComboButtonColour(1));
  combo->SetEnabled(false);
  EXPECT_EQ(PixelBecomes(wnd, ButtonX(), 3, ComboButtonColour(3)), ComboButtonColour(3));
  EXPECT_EQ(WindowPixel(wnd, 0, 10), SunkEdgeColour(3));
}

TEST_F(WholeComboTest, ARightToLeftBoxUsesTheMirroredImage) {
  auto* combo = MakeCombo(tk::TComboBoxStyle::csDropDownList, true);
  HWND wnd = combo->Handle();
  TSkinComBox* painter = SkinCombo(combo);
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(PixelBecomes(wnd, 9, 3, ComboButtonColour(1)), ComboButtonColour(1));
  EXPECT_EQ(WindowPixel(wnd, 8, 10), ExtraImageColour(1));
  EXPECT_EQ(WindowPixel(wnd, ComboWidth - 1, 10), SunkEdgeColour(1));
  EXPECT_NE(WindowPixel(wnd, ButtonX(), 3), ComboButtonColour(1));
  EXPECT_EQ(painter->ButtonRect.left, 0);
  combo->SetEnabled(false);
  EXPECT_EQ(PixelBecomes(wnd, 9, 3, ComboButtonColour(3)), ComboButtonColour(3));
}

// --- the button on the sunk edge (any other Style) ---

class SunkEdgeComboTest : public ComboPainterTest {
 protected:
  void SetUp() override {
    ComboPainterTest::SetUp();
    MakeForm(ComboParts{1, true, true});
    UsePlainComboImages(*skin, 3);
  }
  static int ArrowWidth() { return GetSystemMetrics(SM_CXHSCROLL); }
};

TEST_F(SunkEdgeComboTest, TheButtonImageSitsOnTheEdgeAtTheRightWithTheGlyphOnIt) {
  auto* combo = MakeCombo();
  HWND wnd = combo->Handle();
  TSkinComBox* painter = SkinCombo(combo);
  ASSERT_NE(painter, nullptr);
  const int w = ArrowWidth();
  EXPECT_EQ(PixelBecomes(wnd, ComboWidth - 2, 2, ButtonRightHalfColour(1)), ButtonRightHalfColour(1));
  EXPECT_EQ(WindowPixel(wnd, ComboWidth - w - 2, ComboHeight - 2), ComboButtonColour(1));
  EXPECT_EQ(WindowPixel(wnd, 0, 10), SunkEdgeColour(1));
  EXPECT_EQ(WindowPixel(wnd, 40, 1), SunkEdgeColour(1));
  EXPECT_NE(WindowPixel(wnd, 40, 10), SunkEdgeColour(1));  // the box's text area stays its own
  // The glyph: centred in the button less its right two columns.
  const int glyphCentre = ComboWidth - w - 2 + w / 2;
  EXPECT_EQ(WindowPixel(wnd, glyphCentre, ComboHeight / 2), ExtraImageColour(1));
  EXPECT_EQ(painter->ButtonRect.left, ComboWidth - w - 2);
  Hover(wnd, POINT{ComboWidth - 3, 3});
  EXPECT_EQ(PixelBecomes(wnd, ComboWidth - 2, 2, ButtonRightHalfColour(4)), ButtonRightHalfColour(4));
  EXPECT_EQ(WindowPixel(wnd, glyphCentre, ComboHeight / 2), ExtraImageColour(4));
}

TEST_F(SunkEdgeComboTest, ARightToLeftBoxHasTheMirroredImageAtTheLeftInTheSameState) {
  auto* combo = MakeCombo(tk::TComboBoxStyle::csDropDownList, true);
  HWND wnd = combo->Handle();
  TSkinComBox* painter = SkinCombo(combo);
  ASSERT_NE(painter, nullptr);
  const int w = ArrowWidth();
  // Mirrored: the right half's colour at the left, the normal frame's.
  EXPECT_EQ(PixelBecomes(wnd, 1, 2, ButtonRightHalfColour(1)), ButtonRightHalfColour(1));
  EXPECT_EQ(WindowPixel(wnd, w, ComboHeight - 2), ComboButtonColour(1));
  EXPECT_EQ(WindowPixel(wnd, ComboWidth - 1, 10), SunkEdgeColour(1));
  EXPECT_NE(WindowPixel(wnd, ComboWidth - 2, 2), ButtonRightHalfColour(1));
  EXPECT_EQ(painter->ButtonRect.left, 0);
  EXPECT_EQ(painter->ButtonRect.right, w + 2);
  combo->SetEnabled(false);
  EXPECT_EQ(PixelBecomes(wnd, 1, 2, ButtonRightHalfColour(3)), ButtonRightHalfColour(3));
}

}  // namespace
