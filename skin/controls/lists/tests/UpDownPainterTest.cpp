// The up-down painter: each half in its own frame by state (normal, hot, pressed, disabled),
// vertical and horizontal; real clicks change the buddy's value; inside an edit the buttons keep
// clear of the edit's frame; without the skin's element, plain buttons.
#include <string>

#include "ListsFixture.h"
#include "SkinEdit.h"
#include "SkinUpDown.h"
#include "UpDown.h"
#include "UpDownButtons.h"

namespace {

using namespace lists_test;

class UpDownPainterTest : public ListsTest {
 protected:
  // An up-down of 20 x 40 (vertical) or 40 x 20 (horizontal) beside a buddy edit.
  TSkinUpDown* MakeUpDown(tk::TUDOrientation orientation, TPainterKind kind = TPainterKind::pkUpDown) {
    buddy = Place<tk::TEdit>(20, 20, 60, 22);
    const bool vertical = orientation == tk::TUDOrientation::udVertical;
    upDown = Place<tk::TUpDown>(90, 20, vertical ? 20 : 40, vertical ? 40 : 20);
    upDown->SetOrientation(orientation);
    upDown->SetMin(-50);
    upDown->SetMax(50);
    upDown->SetAssociate(buddy);
    auto* painter = dynamic_cast<TSkinUpDown*>(Skin(kind, upDown));
    EXPECT_NE(painter, nullptr);
    return painter;
  }
  HWND Ud() const { return upDown->HandleIfAllocated(); }
  // Points in the first and second half: near the corner (the button's frame), and the centre
  // (the glyph).
  POINT Corner(int half) const {
    const SIZE s = Size(Ud());
    const bool vertical = s.cy > s.cx;
    return half == 0 ? POINT{2, 2} : (vertical ? POINT{2, s.cy / 2 + 2} : POINT{s.cx / 2 + 2, 2});
  }
  POINT Centre(int half) const {
    const SIZE s = Size(Ud());
    const bool vertical = s.cy > s.cx;
    if (vertical) return POINT{s.cx / 2, half == 0 ? s.cy / 4 : 3 * s.cy / 4};
    return POINT{half == 0 ? s.cx / 4 : 3 * s.cx / 4, s.cy / 2};
  }
  COLORREF At(POINT p, COLORREF expected) const { return PixelBecomes(Ud(), p.x, p.y, expected); }
  POINT OnScreen(POINT p) const { return ScreenPoint(Ud(), p.x, p.y); }
  std::string BuddyText() const { return buddy->GetText(); }
  void Click(int half) {
    const POINT p = OnScreen(Centre(half));
    skin_test::MoveMouse(p);
    tk::testing::PumpMessages(20);
    skin_test::LeftDown(p);
    skin_test::LeftUp(p);
    tk::testing::PumpMessages(40);
  }

  tk::TEdit* buddy = nullptr;
  tk::TUpDown* upDown = nullptr;
};

int Frame(TUpDownDirection direction, TUpDownHalfState state) { return TUpDownButtons::FrameOf(direction, state); }

TEST_F(UpDownPainterTest, FramesCountFourStatesPerDirection) {
  EXPECT_EQ(Frame(udUp, udsNormal), 1);
  EXPECT_EQ(Frame(udUp, udsHot), 4);
  EXPECT_EQ(Frame(udDown, udsNormal), 5);
  EXPECT_EQ(Frame(udDown, udsDisabled), 7);
  EXPECT_EQ(Frame(udLeft, udsPressed), 2);
  EXPECT_EQ(Frame(udRight, udsHot), 8);
}

TEST_F(UpDownPainterTest, AVerticalUpDownShowsUpAndDownInTheirNormalFrames) {
  MakeForm();
  ASSERT_NE(MakeUpDown(tk::TUDOrientation::udVertical), nullptr);
  EXPECT_EQ(At(Corner(0), VertButtonColour(1)), VertButtonColour(1));
  EXPECT_EQ(At(Corner(1), VertButtonColour(5)), VertButtonColour(5));
  EXPECT_EQ(At(Centre(0), VertGlyphColour(1)), VertGlyphColour(1));
  EXPECT_EQ(At(Centre(1), VertGlyphColour(5)), VertGlyphColour(5));
  EXPECT_EQ(SendMessageW(Ud(), SKM_ISSKINNED, 0, 0), 1);
}

TEST_F(UpDownPainterTest, TheHalfUnderTheMouseIsHotAndPressedWhileTheButtonIsDown) {
  MakeForm();
  ASSERT_NE(MakeUpDown(tk::TUDOrientation::udVertical), nullptr);
  skin_test::MoveMouse(OnScreen(Centre(0)));
  EXPECT_EQ(At(Corner(0), VertButtonColour(4)), VertButtonColour(4));
  EXPECT_EQ(At(Corner(1), VertButtonColour(5)), VertButtonColour(5));

  skin_test::MoveMouse(OnScreen(Centre(1)));
  EXPECT_EQ(At(Corner(1), VertButtonColour(8)), VertButtonColour(8));
  EXPECT_EQ(At(Corner(0), VertButtonColour(1)), VertButtonColour(1));

  skin_test::LeftDown(OnScreen(Centre(1)));
  EXPECT_EQ(At(Corner(1), VertButtonColour(6)), VertButtonColour(6));
  EXPECT_EQ(At(Centre(1), VertGlyphColour(6)), VertGlyphColour(6));
  EXPECT_EQ(At(Corner(0), VertButtonColour(1)), VertButtonColour(1));
  skin_test::LeftUp(OnScreen(Centre(1)));
  EXPECT_EQ(At(Corner(1), VertButtonColour(8)), VertButtonColour(8));

  MoveAway();
  EXPECT_EQ(At(Corner(1), VertButtonColour(5)), VertButtonColour(5));
}

TEST_F(UpDownPainterTest, ClicksOnTheHalvesChangeTheBuddysValue) {
  MakeForm();
  ASSERT_NE(MakeUpDown(tk::TUDOrientation::udVertical), nullptr);
  ASSERT_EQ(BuddyText(), "0");
  Click(0);
  EXPECT_EQ(BuddyText(), "1");
  EXPECT_EQ(upDown->Position(), 1);
  Click(1);
  Click(1);
  EXPECT_EQ(BuddyText(), "-1");
  EXPECT_EQ(upDown->Position(), -1);
}

TEST_F(UpDownPainterTest, AHorizontalUpDownShowsLeftAndRightAndStepsByThem) {
  MakeForm();
  ASSERT_NE(MakeUpDown(tk::TUDOrientation::udHorizontal), nullptr);
  EXPECT_EQ(At(Corner(0), HorzButtonColour(1)), HorzButtonColour(1));
  EXPECT_EQ(At(Corner(1), HorzButtonColour(5)), HorzButtonColour(5));
  EXPECT_EQ(At(Centre(1), HorzGlyphColour(5)), HorzGlyphColour(5));
  skin_test::MoveMouse(OnScreen(Centre(0)));
  EXPECT_EQ(At(Corner(0), HorzButtonColour(4)), HorzButtonColour(4));
  skin_test::LeftDown(OnScreen(Centre(0)));
  EXPECT_EQ(At(Corner(0), HorzButtonColour(2)), HorzButtonColour(2));
  skin_test::LeftUp(OnScreen(Centre(0)));
  tk::testing::PumpMessages(30);
  const int afterLeft = upDown->Position();
  EXPECT_LT(afterLeft, 0);
  Click(1);
  EXPECT_EQ(upDown->Position(), afterLeft + 1);
  EXPECT_EQ(BuddyText(), std::to_string(afterLeft + 1));
}

TEST_F(UpDownPainterTest, TheHorizontalKindTakesTheHorizontalElementWhateverTheStyle) {
  MakeForm();
  auto* painter = MakeUpDown(tk::TUDOrientation::udVertical, TPainterKind::pkUpDownHorz);
  ASSERT_NE(painter, nullptr);
  EXPECT_TRUE(painter->Horizontal);
  EXPECT_FALSE(painter->Embedded);
  // 20 x 40 split into left and right.
  EXPECT_EQ(At(POINT{2, 20}, HorzButtonColour(1)), HorzButtonColour(1));
  EXPECT_EQ(At(POINT{12, 20}, HorzButtonColour(5)), HorzButtonColour(5));
}

TEST_F(UpDownPainterTest, ADisabledUpDownShowsBothHalvesDisabled) {
  MakeForm();
  ASSERT_NE(MakeUpDown(tk::TUDOrientation::udVertical), nullptr);
  upDown->SetEnabled(false);
  skin_test::MoveMouse(OnScreen(Centre(0)));
  EXPECT_EQ(At(Corner(0), VertButtonColour(3)), VertButtonColour(3));
  EXPECT_EQ(At(Corner(1), VertButtonColour(7)), VertButtonColour(7));
  upDown->SetEnabled(true);
  EXPECT_EQ(At(Corner(1), VertButtonColour(5)), VertButtonColour(5));
}

TEST_F(UpDownPainterTest, WithoutTheElementPlainButtonsAreDrawn) {
  MakeForm({.upDownVert = false, .upDownHorz = false});
  ASSERT_NE(MakeUpDown(tk::TUDOrientation::udVertical), nullptr);
  const COLORREF face = skin_test::TableColour(scButtonFace);
  const COLORREF outline = skin_test::TableColour(scButtonDkShadow);
  const COLORREF shadow = skin_test::TableColour(scButtonShadow);
  const COLORREF text = skin_test::TableColour(scButtonText);
  EXPECT_EQ(At(Corner(0), face), face);
  EXPECT_EQ(At(POINT{0, 0}, outline), outline);
  EXPECT_EQ(At(POINT{19, 19}, outline), outline);
  // The arrow's tip row in the middle of each half.
  EXPECT_EQ(At(POINT{10, 9}, text), text);
  skin_test::MoveMouse(OnScreen(Centre(1)));
  EXPECT_EQ(At(Corner(1), shadow), shadow);
  EXPECT_EQ(At(Corner(0), face), face);
}

TEST_F(UpDownPainterTest, InsideAnEditTheButtonsKeepThreePixelsFromItsEdges) {
  MakeForm();
  auto* spin = Place<tk::TSpinEdit>(20, 80, 120, 26);
  spin->SetMaxValue(10);
  auto* edit = dynamic_cast<TSkinEdit*>(Skin(TPainterKind::pkEdit, spin));
  ASSERT_NE(edit, nullptr);
  RedrawWindow(spin->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  tk::testing::PumpUntil([&] { return edit->UpDown != nullptr; }, 1500);
  auto* painter = dynamic_cast<TSkinUpDown*>(edit->UpDown);
  ASSERT_NE(painter, nullptr);
  EXPECT_TRUE(painter->Embedded);
  EXPECT_EQ(painter->Handle, spin->ButtonHandle());
  EXPECT_EQ(painter->Owner(), spin);

  HWND wnd = spin->Handle();
  const SIZE s = Size(wnd);
  RECT buttons{};
  GetWindowRect(spin->ButtonHandle(), &buttons);
  RECT outer{};
  GetWindowRect(wnd, &outer);
  const int x = (buttons.left + buttons.right) / 2 - outer.left;
  const int right = s.cx - 4;  // the last column the buttons may use
  // Up half at the top, down half at the bottom, each 3 pixels in.
  EXPECT_EQ(PixelBecomes(wnd, right, 3, VertButtonColour(1)), VertButtonColour(1));
  EXPECT_NE(skin_test::WindowPixel(wnd, right, 2), VertButtonColour(1));
  EXPECT_NE(skin_test::WindowPixel(wnd, right + 1, 3), VertButtonColour(1));
  EXPECT_EQ(skin_test::WindowPixel(wnd, right, s.cy - 4), VertButtonColour(5));
  EXPECT_NE(skin_test::WindowPixel(wnd, right, s.cy - 3), VertButtonColour(5));
  EXPECT_EQ(skin_test::WindowPixel(wnd, x, 3), VertButtonColour(1));

  // Its buttons step the edit's value.
  const POINT up = ScreenPoint(wnd, x, s.cy / 4 + 1);
  skin_test::MoveMouse(up);
  skin_test::LeftDown(up);
  skin_test::LeftUp(up);
  tk::testing::PumpUntil([&] { return spin->Value() == 1; }, 1500);
  EXPECT_EQ(spin->Value(), 1);
}

TEST_F(UpDownPainterTest, TheButtonsOfADisabledSpinEditLookDisabled) {
  MakeForm();
  auto* spin = Place<tk::TSpinEdit>(20, 80, 120, 26);
  auto* edit = dynamic_cast<TSkinEdit*>(Skin(TPainterKind::pkEdit, spin));
  ASSERT_NE(edit, nullptr);
  RedrawWindow(spin->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  ASSERT_TRUE(tk::testing::PumpUntil([&] { return edit->UpDown != nullptr; }, 1500));
  HWND wnd = spin->Handle();
  const int right = Size(wnd).cx - 4, bottom = Size(wnd).cy - 4;
  ASSERT_EQ(PixelBecomes(wnd, right, 3, VertButtonColour(1)), VertButtonColour(1));
  spin->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(spin->ButtonHandle()));
  EXPECT_EQ(PixelBecomes(wnd, right, 3, VertButtonColour(3)), VertButtonColour(3));
  EXPECT_EQ(skin_test::WindowPixel(wnd, right, bottom), VertButtonColour(7));
  spin->SetEnabled(true);
  EXPECT_EQ(PixelBecomes(wnd, right, 3, VertButtonColour(1)), VertButtonColour(1));
}

}  // namespace
