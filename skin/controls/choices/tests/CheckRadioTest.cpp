// Check boxes and radio buttons: which frame of the skin's box image shows each state, where the
// box sits, and that clicks and state changes repaint it.
#include <string>

#include "ChoiceFixture.h"
#include "SkinCheckBox.h"
#include "SkinRadioButton.h"

using namespace choice_test;
using tk::TCheckBoxState;

namespace {

constexpr int Width = 160, Height = 24;

struct CheckCase {
  TCheckBoxState state;
  bool enabled;
  int frame;
};

const char* Name(TCheckBoxState s) {
  return s == TCheckBoxState::cbUnchecked ? "unchecked" : s == TCheckBoxState::cbChecked ? "checked" : "grayed";
}

class CheckRadioTest : public ChoiceTest {
 protected:
  tk::TCheckBox* CheckBox(TCheckBoxState state, bool enabled, int top = 20) {
    auto* box = Place<tk::TCheckBox>(20, top, Width, Height);
    box->SetCaption("Option");
    box->SetAllowGrayed(true);
    box->SetState(state);
    box->SetEnabled(enabled);
    box->Handle();
    return box;
  }
  tk::TRadioButton* Radio(bool checked, bool enabled, int top = 60) {
    auto* radio = Place<tk::TRadioButton>(20, top, Width, Height);
    radio->SetCaption("Choice");
    radio->SetChecked(checked);
    radio->SetEnabled(enabled);
    radio->Handle();
    return radio;
  }
  // The middle of a box at the left edge.
  static COLORREF LeftBox(HWND wnd) { return At(wnd, BoxSize / 2, Height / 2); }

  void ExpectCheckFrames(const std::vector<CheckCase>& cases) {
    for (const CheckCase& c : cases) {
      tk::TCheckBox* box = CheckBox(c.state, c.enabled);
      ASSERT_NE(SkinAs(TPainterKind::pkCheckBox, box), nullptr);
      EXPECT_EQ(LeftBox(box->Handle()), CheckColour(c.frame))
          << Name(c.state) << (c.enabled ? " enabled" : " disabled") << ": frame " << c.frame;
      tk::TComponent::Free(box);
    }
  }
};

TEST_F(CheckRadioTest, FourFrameCheckImageShowsEachStateEnabledAndDisabled) {
  Start({.checkFrames = 4});
  ExpectCheckFrames({{TCheckBoxState::cbUnchecked, true, 1},
                     {TCheckBoxState::cbChecked, true, 2},
                     {TCheckBoxState::cbGrayed, true, 4},
                     {TCheckBoxState::cbUnchecked, false, 3},
                     {TCheckBoxState::cbChecked, false, 4},
                     {TCheckBoxState::cbGrayed, false, 4}});
}

TEST_F(CheckRadioTest, TwelveFrameCheckImageHasItsOwnFramesForCheckedDisabledAndIndeterminate) {
  Start({.checkFrames = 12});
  ExpectCheckFrames({{TCheckBoxState::cbUnchecked, true, 1},
                     {TCheckBoxState::cbChecked, true, 5},
                     {TCheckBoxState::cbGrayed, true, 9},
                     {TCheckBoxState::cbUnchecked, false, 4},
                     {TCheckBoxState::cbChecked, false, 8},
                     {TCheckBoxState::cbGrayed, false, 12}});
}

TEST_F(CheckRadioTest, RadioImagesOfFourAndEightFrames) {
  for (int frames : {4, 8}) {
    Start({.radioFrames = frames});
    struct Case {
      bool checked, enabled;
      int four, eight;
    };
    for (const Case& c : {Case{false, true, 1, 1}, Case{true, true, 2, 5}, Case{false, false, 3, 4}, Case{true, false, 4, 8}}) {
      tk::TRadioButton* radio = Radio(c.checked, c.enabled);
      ASSERT_NE(SkinAs(TPainterKind::pkRadioButton, radio), nullptr);
      const int frame = frames == 4 ? c.four : c.eight;
      EXPECT_EQ(LeftBox(radio->Handle()), RadioColour(frame))
          << frames << " frames, " << (c.checked ? "checked" : "unchecked") << (c.enabled ? " enabled" : " disabled");
      tk::TComponent::Free(radio);
    }
    TearDown();
    SetUp();
  }
}

TEST_F(CheckRadioTest, WithTheTextAtTheLeftTheRadioBoxSitsOnePixelInFromTheRightAndTheCheckBoxAtTheEdge) {
  Start();
  tk::TRadioButton* radio = Radio(false, true);
  radio->SetAlignment(tk::TAlignment::taLeftJustify);
  ASSERT_TRUE(GetWindowLongPtrW(radio->Handle(), GWL_STYLE) & BS_LEFTTEXT);
  SkinAs(TPainterKind::pkRadioButton, radio);
  HWND wnd = radio->Handle();
  const int w = ClientSize(wnd).cx;
  EXPECT_EQ(At(wnd, w - 1, Height / 2), Face());
  EXPECT_EQ(At(wnd, w - 2, Height / 2), RadioColour(1));
  EXPECT_EQ(At(wnd, w - 1 - BoxSize, Height / 2), RadioColour(1));
  EXPECT_EQ(At(wnd, w - 2 - BoxSize, Height / 2), Face());
  EXPECT_EQ(At(wnd, 0, 1), Face());  // above the caption, which starts at the left edge

  tk::TCheckBox* box = CheckBox(TCheckBoxState::cbChecked, true, 100);
  box->SetAlignment(tk::TAlignment::taLeftJustify);
  SkinAs(TPainterKind::pkCheckBox, box);
  HWND check = box->Handle();
  EXPECT_EQ(At(check, w - 1, Height / 2), CheckColour(2));
  EXPECT_EQ(At(check, w - BoxSize, Height / 2), CheckColour(2));
  EXPECT_EQ(At(check, w - 1 - BoxSize, Height / 2), Face());
}

TEST_F(CheckRadioTest, TheBoxIsCentredVerticallyAndTheCaptionIsDrawnBesideIt) {
  Start();
  tk::TCheckBox* box = CheckBox(TCheckBoxState::cbUnchecked, true);
  box->SetCaption("WWWWWWWW");
  box->Font().SetColor(RGB(0, 0, 255));
  SkinAs(TPainterKind::pkCheckBox, box);
  HWND wnd = box->Handle();
  const int top = (Height - BoxSize) / 2;
  EXPECT_EQ(At(wnd, 3, top), CheckColour(1));
  EXPECT_EQ(At(wnd, 3, top + BoxSize - 1), CheckColour(1));
  EXPECT_EQ(At(wnd, 3, top - 1), Face());
  EXPECT_EQ(At(wnd, 3, top + BoxSize), Face());
  // Caption pixels: somewhere right of the box, none that are neither face nor text-like beyond it.
  int inked = 0;
  tk::testing::PumpMessages(30);
  for (int x = BoxSize + 2; x < Width; ++x)
    for (int y = 0; y < Height; ++y)
      if (PixelNow(wnd, x, y) != Face()) ++inked;
  EXPECT_GT(inked, 10);
}

TEST_F(CheckRadioTest, ClicksAndStateChangesRepaintTheBoxAndCheckStateFollowsTheLastSetCheck) {
  Start();
  tk::TCheckBox* box = CheckBox(TCheckBoxState::cbUnchecked, true);
  auto* painter = static_cast<TSkinCheckBox*>(SkinAs(TPainterKind::pkCheckBox, box));
  HWND wnd = box->Handle();
  EXPECT_EQ(painter->Mode, 1);
  EXPECT_EQ(painter->CheckState, 0);
  ASSERT_EQ(LeftBox(wnd), CheckColour(1));
  SendMessageW(wnd, BM_CLICK, 0, 0);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(painter->CheckState, 2);
  EXPECT_EQ(LeftBox(wnd), CheckColour(2));
  SendMessageW(wnd, BM_CLICK, 0, 0);
  EXPECT_EQ(box->State(), TCheckBoxState::cbGrayed);
  EXPECT_EQ(painter->CheckState, 3);
  EXPECT_EQ(LeftBox(wnd), CheckColour(4));
  box->SetState(TCheckBoxState::cbUnchecked);
  EXPECT_EQ(LeftBox(wnd), CheckColour(1));
  box->SetEnabled(false);
  EXPECT_EQ(LeftBox(wnd), CheckColour(3));

  tk::TRadioButton* first = Radio(true, true, 60);
  tk::TRadioButton* second = Radio(false, true, 100);
  SkinAs(TPainterKind::pkRadioButton, first);
  SkinAs(TPainterKind::pkRadioButton, second);
  ASSERT_EQ(LeftBox(first->Handle()), RadioColour(2));
  SendMessageW(second->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(second->Checked());
  EXPECT_FALSE(first->Checked());
  EXPECT_EQ(LeftBox(second->Handle()), RadioColour(2));
  EXPECT_EQ(LeftBox(first->Handle()), RadioColour(1));
}

TEST_F(CheckRadioTest, WithoutABoxImageTheControlPaintsItself) {
  Start({.checkFrames = 0, .radioFrames = 0});
  tk::TCheckBox* box = CheckBox(TCheckBoxState::cbChecked, true);
  auto* painter = SkinAs(TPainterKind::pkCheckBox, box);
  tk::TRadioButton* radio = Radio(true, true);
  auto* radioPainter = SkinAs(TPainterKind::pkRadioButton, radio);
  tk::testing::PumpMessages(30);
  EXPECT_EQ(painter->Mode, 0);
  EXPECT_EQ(radioPainter->Mode, 0);
  // The system's picture: not one flat face over the whole control.
  int notFace = 0;
  for (int x = 0; x < Width; x += 2)
    if (PixelNow(box->Handle(), x, Height / 2) != Face()) ++notFace;
  EXPECT_GT(notFace, 0);
}

TEST_F(CheckRadioTest, BareButtonWindowsGetTheBoxDrawnOverTheSystemsPicture) {
  Start();
  HWND check = Child(L"BUTTON", BS_AUTOCHECKBOX, 20, 20, Width, Height, L"bare");
  HWND radio = Child(L"BUTTON", BS_AUTORADIOBUTTON | BS_LEFTTEXT, 20, 60, Width, Height, L"bare");
  SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
  auto* checkPainter = SkinWindow(TPainterKind::pkCheckBox, check);
  auto* radioPainter = SkinWindow(TPainterKind::pkRadioButton, radio);
  ASSERT_NE(checkPainter, nullptr);
  ASSERT_NE(radioPainter, nullptr);
  EXPECT_EQ(checkPainter->Owner(), Painter());
  EXPECT_EQ(checkPainter->Mode, 0);
  EXPECT_EQ(LeftBox(check), CheckColour(2));
  EXPECT_EQ(At(radio, ClientSize(radio).cx - 2, Height / 2), RadioColour(1));
  SendMessageW(check, BM_SETCHECK, BST_UNCHECKED, 0);
  EXPECT_EQ(LeftBox(check), CheckColour(1));
  EnableWindow(radio, FALSE);
  EXPECT_EQ(At(radio, ClientSize(radio).cx - 2, Height / 2), RadioColour(3));
  DestroyWindow(check);
  DestroyWindow(radio);
}

TEST_F(CheckRadioTest, AHugeCaptionIsCutAndStillPaints) {
  Start();
  tk::TCheckBox* box = CheckBox(TCheckBoxState::cbChecked, true);
  box->SetCaption(std::string(200000, 'W'));
  auto* painter = SkinAs(TPainterKind::pkCheckBox, box);
  EXPECT_EQ(LeftBox(box->Handle()), CheckColour(2));
  EXPECT_LE(painter->Caption.size(), 4096u);
  EXPECT_FALSE(painter->Caption.empty());
}

TEST_F(CheckRadioTest, ParentLookFollowsTheTagAndLetsTheParentShowAroundTheBox) {
  Start();
  form->SetColor(static_cast<tk::TColor>(RGB(90, 20, 160)));
  tk::TCheckBox* box = CheckBox(TCheckBoxState::cbChecked, true);
  box->SetTag(5555);
  auto* painter = static_cast<TSkinCheckBox*>(SkinAs(TPainterKind::pkCheckBox, box));
  EXPECT_EQ(painter->ParentLook, 1);
  tk::TCheckBox* plain = CheckBox(TCheckBoxState::cbChecked, true, 60);
  auto* plainPainter = static_cast<TSkinCheckBox*>(SkinAs(TPainterKind::pkCheckBox, plain));
  EXPECT_EQ(plainPainter->ParentLook, 0);
  EXPECT_EQ(LeftBox(box->Handle()), CheckColour(2));
  EXPECT_EQ(At(box->Handle(), Width - 2, 1), RGB(90, 20, 160));
  EXPECT_EQ(At(plain->Handle(), Width - 2, 1), Face());
}

TEST_F(CheckRadioTest, AFocusRectangleSurroundsTheCaptionExceptOnPlatformsOfMajorVersionSix) {
  Start();
  tk::TCheckBox* box = CheckBox(TCheckBoxState::cbChecked, true);
  box->SetCaption("Focus");
  box->Font().SetColor(RGB(0, 0, 255));
  SkinAs(TPainterKind::pkCheckBox, box);
  HWND wnd = box->Handle();
  auto inked = [&] {
    InvalidateRect(wnd, nullptr, TRUE);
    At(wnd, 0, 0);
    int count = 0;
    for (int x = BoxSize; x < Width; ++x)
      for (int y = 0; y < Height; ++y)
        if (PixelNow(wnd, x, y) != Face()) ++count;
    return count;
  };
  const int unfocused = inked();
  box->SetFocus();
  ASSERT_EQ(GetFocus(), wnd);
  const int focused = inked();
  if (LOBYTE(LOWORD(GetVersion())) == 6) EXPECT_EQ(focused, unfocused);
  else EXPECT_GT(focused, unfocused + 10);
}

TEST_F(CheckRadioTest, AThousandRepaintsLeaveHandleCountsFlat) {
  Start({.checkFrames = 12, .radioFrames = 8});
  tk::TCheckBox* box = CheckBox(TCheckBoxState::cbGrayed, true);
  tk::TRadioButton* radio = Radio(true, true);
  SkinAs(TPainterKind::pkCheckBox, box);
  SkinAs(TPainterKind::pkRadioButton, radio);
  auto repaint = [&] {
    for (HWND wnd : {box->Handle(), radio->Handle()}) {
      InvalidateRect(wnd, nullptr, TRUE);
      UpdateWindow(wnd);
    }
  };
  repaint();
  tk::testing::PumpMessages(20);
  const int gdi = tk::testing::GdiObjectCount();
  const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  for (int i = 0; i < 1000; ++i) repaint();
  tk::testing::PumpMessages(20);
  EXPECT_EQ(tk::testing::GdiObjectCount(), gdi);
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), user);
  EXPECT_EQ(LeftBox(box->Handle()), CheckColour(9));
}

}  // namespace
