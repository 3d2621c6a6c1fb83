// Caption buttons of a skinned form under real mouse input (SendInput, so the system hit-tests and
// routes the messages): hover, press, release, the action of each button, disabled buttons, hints
// and buttons of the program's own.
#include <windows.h>

#include <commctrl.h>

#include "Application.h"
#include "FrameTestSupport.h"
#include "RealInput.h"

using namespace skin_test;

namespace {

using CaptionButtonsTest = SkinnedFrameTest;

TEST_F(CaptionButtonsTest, HoverShowsTheHotPictureUntilTheCursorLeaves) {
  MakeSkinnedForm(400, 300);
  Activate();
  EXPECT_EQ(PixelOf(kClose), CaptionButtonColour(0, 1));
  MoveMouse(Centre(kClose));
  ASSERT_TRUE(WaitFor([&] { return Painter()->HotObject == &Button(kClose); }));
  EXPECT_EQ(PixelOf(kClose), CaptionButtonColour(0, 3));
  // From one button straight to the next: the first leaves.
  MoveMouse(Centre(kMaximize));
  ASSERT_TRUE(WaitFor([&] { return Painter()->HotObject == &Button(kMaximize); }));
  EXPECT_EQ(PixelOf(kClose), CaptionButtonColour(0, 1));
  EXPECT_EQ(PixelOf(kMaximize), CaptionButtonColour(1, 3));
  // Into the client area: no non-client message comes, the frame timer notices.
  MoveMouse(ClientPoint());
  ASSERT_TRUE(WaitFor([&] { return Painter()->HotObject == nullptr; }));
  EXPECT_EQ(PixelOf(kMaximize), CaptionButtonColour(1, 1));
  EXPECT_EQ(Button(kMaximize).State, ncsNormal);
}

TEST_F(CaptionButtonsTest, AFullFramePaintClearsTheHotButton) {
  MakeSkinnedForm(400, 300);
  Activate();
  MoveMouse(Centre(kClose));
  ASSERT_TRUE(WaitFor([&] { return Painter()->HotObject == &Button(kClose); }));
  SendMessageW(Wnd(), SKM_REPAINTFRAME, 0, 0);
  EXPECT_EQ(Painter()->HotObject, nullptr);
  tk::testing::PumpMessages(100);
  EXPECT_EQ(PixelOf(kClose), CaptionButtonColour(0, 1));
}

TEST_F(CaptionButtonsTest, PressShowsThePressedPictureAndAReleaseElsewhereDoesNothing) {
  MakeSkinnedForm(400, 300);
  Activate();
  MoveMouse(Centre(kMaximize));
  LeftDown(Centre(kMaximize));
  ASSERT_TRUE(WaitFor([&] { return Button(kMaximize).State == ncsPressed; }));
  EXPECT_EQ(PixelOf(kMaximize), CaptionButtonColour(1, 2));
  // Off the button, still pressed, and released on the caption.
  const POINT elsewhere = ScreenPoint(EmptyCaption());
  MoveMouse(elsewhere);
  ASSERT_TRUE(WaitFor([&] { return Painter()->HotObject == nullptr; }));
  EXPECT_EQ(PixelOf(kMaximize), CaptionButtonColour(1, 1));
  LeftUp(elsewhere);
  tk::testing::PumpMessages(300);
  EXPECT_FALSE(IsZoomed(Wnd()));
  EXPECT_EQ(Painter()->ShowState, ssNormal);

  // Pressed, then released in the client area.
  MoveMouse(Centre(kMinimize));
  LeftDown(Centre(kMinimize));
  ASSERT_TRUE(WaitFor([&] { return Button(kMinimize).State == ncsPressed; }));
  MoveMouse(ClientPoint());
  LeftUp(ClientPoint());
  tk::testing::PumpMessages(400);
  EXPECT_FALSE(IsIconic(Wnd()));
  EXPECT_EQ(Painter()->ShowState, ssNormal);
}

TEST_F(CaptionButtonsTest, MaximizeButtonMaximizesAndTheRestoreButtonRestores) {
  MakeSkinnedForm(400, 300);
  Activate();
  EXPECT_TRUE(Button(kMaximize).Visible);
  EXPECT_FALSE(Button(kRestore).Visible);
  MoveMouse(Centre(kMaximize));
  LeftDown(Centre(kMaximize));
  LeftUp(Centre(kMaximize));
  ASSERT_TRUE(WaitFor([&] { return IsZoomed(Wnd()) != FALSE; }));
  MoveMouse(ClientPoint());
  tk::testing::PumpMessages(400);
  EXPECT_EQ(Painter()->ShowState, ssMaximized);
  EXPECT_FALSE(Button(kMaximize).Visible);
  ASSERT_TRUE(Button(kRestore).Visible);
  EXPECT_EQ(PixelOf(kRestore), RestoreColour(1));

  MoveMouse(Centre(kRestore));
  LeftDown(Centre(kRestore));
  LeftUp(Centre(kRestore));
  ASSERT_TRUE(WaitFor([&] { return !IsZoomed(Wnd()); }));
  tk::testing::PumpMessages(100);
  EXPECT_EQ(Painter()->ShowState, ssNormal);
  EXPECT_TRUE(Button(kMaximize).Visible);
  RECT client{};
  GetClientRect(Wnd(), &client);
  EXPECT_EQ(client.right, 400);
  EXPECT_EQ(client.bottom, 300);
}

TEST_F(CaptionButtonsTest, MinimizeButtonMinimizes) {
  MakeSkinnedForm(400, 300);
  Activate();
  MoveMouse(Centre(kMinimize));
  LeftDown(Centre(kMinimize));
  LeftUp(Centre(kMinimize));
  ASSERT_TRUE(WaitFor([&] { return IsIconic(Wnd()) != FALSE; }));
  EXPECT_EQ(Painter()->ShowState, ssMinimized);
}

TEST_F(CaptionButtonsTest, CloseButtonClosesTheForm) {
  MakeSkinnedForm(400, 300);
  int closes = 0;
  form->OnClose = [&](tk::TObject*, tk::TCloseAction&) { ++closes; };
  Activate();
  MoveMouse(Centre(kClose));
  LeftDown(Centre(kClose));
  LeftUp(Centre(kClose));
  ASSERT_TRUE(WaitFor([&] { return closes == 1; }));
  tk::testing::PumpMessages(50);
  EXPECT_FALSE(IsWindowVisible(Wnd()));
}

TEST_F(CaptionButtonsTest, WithoutAMinimizeBoxTheMinimizeButtonIsDrawnDisabledAndIgnoresClicks) {
  beforeSkin = [](tk::TForm& f) { f.SetBorderIcons({tk::TBorderIcon::biSystemMenu, tk::TBorderIcon::biMaximize}); };
  MakeSkinnedForm(400, 300);
  Activate();
  ASSERT_TRUE(Button(kMinimize).Visible);
  EXPECT_FALSE(Button(kMinimize).Enabled);
  EXPECT_TRUE(Button(kMaximize).Enabled);
  EXPECT_EQ(PixelOf(kMinimize), CaptionButtonColour(2, 4));
  MoveMouse(Centre(kMinimize));
  ASSERT_TRUE(WaitFor([&] { return Painter()->HotObject == &Button(kMinimize); }));
  EXPECT_EQ(PixelOf(kMinimize), CaptionButtonColour(2, 4));
  LeftDown(Centre(kMinimize));
  LeftUp(Centre(kMinimize));
  tk::testing::PumpMessages(400);
  EXPECT_FALSE(IsIconic(Wnd()));
  EXPECT_EQ(Painter()->ShowState, ssNormal);
  EXPECT_EQ(PixelOf(kMinimize), CaptionButtonColour(2, 4));
}

TEST_F(CaptionButtonsTest, AnInactiveWindowDrawsItsButtonsInactiveAndIgnoresHovering) {
  MakeSkinnedForm(400, 300);
  Activate();
  Deactivate();
  EXPECT_EQ(PixelOf(kClose), CaptionButtonColour(0, 4));
  EXPECT_EQ(PixelOf(kMaximize), CaptionButtonColour(1, 4));
  MoveMouse(Centre(kClose));
  tk::testing::PumpMessages(300);
  EXPECT_EQ(Painter()->HotObject, nullptr);
  EXPECT_EQ(PixelOf(kClose), CaptionButtonColour(0, 4));
}

TEST_F(CaptionButtonsTest, PressingAButtonOfAnInactiveWindowActivatesIt) {
  MakeSkinnedForm(400, 300);
  Activate();
  Deactivate();
  // Sent straight to the window: the press alone must activate it.
  const POINT at = Centre(kMaximize);
  SendMessageW(Wnd(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y));
  ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == Wnd(); }));
  EXPECT_EQ(Button(kMaximize).State, ncsPressed);
}

// A window that answers the query for the program's own caption button, and records its actions.
class QueryAnswer {
 public:
  QueryAnswer(HWND wnd, LRESULT answer) : wnd_(wnd), answer(answer) {
    SetWindowSubclass(wnd, &QueryAnswer::Proc, 1, reinterpret_cast<DWORD_PTR>(this));
  }
  ~QueryAnswer() {
    if (IsWindow(wnd_)) RemoveWindowSubclass(wnd_, &QueryAnswer::Proc, 1);
  }
  LRESULT answer;
  std::vector<std::pair<WPARAM, LPARAM>> queries, actions;

 private:
  static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<QueryAnswer*>(data);
    if (msg == SKM_QUERYBUTTON) {
      self->queries.emplace_back(wParam, lParam);
      return self->answer;
    }
    if (msg == SKM_CUSTOMACTION) self->actions.emplace_back(wParam, lParam);
    return DefSubclassProc(wnd, msg, wParam, lParam);
  }
  HWND wnd_;
};

TEST_F(CaptionButtonsTest, AButtonOfTheProgramsOwnShowsWhenTheWindowSaysSoAndPostsItsAction) {
  SolidSkinOptions options;
  options.customButton = true;
  MakeSkinnedForm(400, 300, tk::TFormBorderStyle::bsSizeable, TSkinFormType::sfDialog, options);
  Activate();
  QueryAnswer window(Wnd(), 0);
  SendMessageW(Wnd(), SKM_REPAINTFRAME, 0, 0);
  ASSERT_FALSE(window.queries.empty());
  EXPECT_EQ(window.queries.back().first, static_cast<WPARAM>(CustomAction));
  EXPECT_EQ(window.queries.back().second, static_cast<LPARAM>(CustomAction));
  EXPECT_FALSE(Button(kCustom).Visible);

  window.answer = 1;
  RepaintFrame();
  ASSERT_TRUE(Button(kCustom).Visible);
  EXPECT_EQ(PixelOf(kCustom), CustomButtonColour(1));
  MoveMouse(Centre(kCustom));
  LeftDown(Centre(kCustom));
  LeftUp(Centre(kCustom));
  ASSERT_TRUE(WaitFor([&] { return !window.actions.empty(); }));
  EXPECT_EQ(window.actions.front().first, static_cast<WPARAM>(CustomAction));
  EXPECT_EQ(window.actions.front().second, 0);
}

// The application's hint pauses, shortened for a test and given back afterwards.
class HintPauses {
 public:
  HintPauses(int pause, int hidePause) : pause_(tk::Application->HintPause()), hide_(tk::Application->HintHidePause()) {
    tk::Application->SetHintPause(pause);
    tk::Application->SetHintHidePause(hidePause);
  }
  ~HintPauses() {
    tk::Application->SetHintPause(pause_);
    tk::Application->SetHintHidePause(hide_);
  }

 private:
  int pause_, hide_;
};

TEST_F(CaptionButtonsTest, HoveringAButtonShowsItsHintAfterThePauseAndHidesItLater) {
  HintPauses pauses(100, 1000);
  MakeSkinnedForm(400, 300);
  Activate();
  const POINT at = Centre(kClose);
  MoveMouse(at);
  ASSERT_TRUE(WaitFor([&] { return skin->CaptionHintShown(); }));
  EXPECT_EQ(skin->HintWindow().Text(), "Close");
  RECT hint{};
  GetWindowRect(skin->HintWindow().Handle(), &hint);
  RECT window{};
  GetWindowRect(Wnd(), &window);
  EXPECT_EQ(hint.left, window.left + Button(kClose).Bounds.left);
  EXPECT_EQ(hint.top, at.y + 24);
  ASSERT_TRUE(WaitFor([&] { return !skin->CaptionHintShown(); }));
  EXPECT_EQ(Painter()->HotObject, &Button(kClose));

  // Leaving the button hides the hint at once and starts the count again.
  MoveMouse(Centre(kMaximize));
  ASSERT_TRUE(WaitFor([&] { return skin->CaptionHintShown(); }));
  EXPECT_EQ(skin->HintWindow().Text(), "Maximize");
  MoveMouse(ClientPoint());
  ASSERT_TRUE(WaitFor([&] { return !skin->CaptionHintShown(); }));
  EXPECT_EQ(skin->HintCounter, 0);
}

TEST_F(CaptionButtonsTest, WithoutTheHintOptionNoHintShows) {
  HintPauses pauses(50, 5000);
  MakeSkinnedForm(400, 300);
  skin->SetOptions(skin->Options().Exclude(TSkinOption::xoCaptionButtonHint));
  Activate();
  MoveMouse(Centre(kClose));
  ASSERT_TRUE(WaitFor([&] { return skin->HintCounter >= 250; }));
  tk::testing::PumpMessages(300);
  EXPECT_FALSE(skin->CaptionHintShown());
}

// A small icon of one colour that the icon picture's 16 bits per pixel keep exactly.
constexpr COLORREF iconColour = RGB(0, 255, 255);
tk::UniqueIcon SolidIcon() {
  const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  tk::TBitmap colour(cx, cy);
  tk::UniqueBrush brush(CreateSolidBrush(iconColour));
  RECT all{0, 0, cx, cy};
  FillRect(colour.Canvas().Handle(), &all, brush.Get());
  tk::TBitmap mask(cx, cy);
  FillRect(mask.Canvas().Handle(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  ICONINFO info{TRUE, 0, 0, mask.Handle(), colour.Handle()};
  return tk::UniqueIcon(CreateIconIndirect(&info));
}

TEST_F(CaptionButtonsTest, TheIconButtonDrawsTheWindowsIcon) {
  MakeSkinnedForm(400, 300);
  Activate();
  tk::UniqueIcon icon = SolidIcon();
  ASSERT_TRUE(icon);
  SendMessageW(Wnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon.Get()));
  const RECT b = Button(kIcon).Bounds;
  EXPECT_EQ(b.left, 4);
  EXPECT_EQ(b.top, 4);
  // Hovering repaints the button alone, straight onto the window.
  MoveMouse(Centre(kIcon));
  ASSERT_TRUE(WaitFor([&] { return Painter()->HotObject == &Button(kIcon); }));
  tk::testing::PumpMessages(100);
  EXPECT_EQ(WindowPixel(Wnd(), b.left + 2, b.top + 2), iconColour);
  EXPECT_EQ(WindowPixel(Wnd(), b.right - 2, b.bottom - 2), iconColour);
  // And a full paint draws it in the title band.
  MoveMouse(ClientPoint());
  SetWindowTextW(Wnd(), L"Repainted");
  RepaintFrame();
  EXPECT_EQ(WindowPixel(Wnd(), b.left + 2, b.top + 2), iconColour);
  EXPECT_EQ(WindowPixel(Wnd(), b.right - 2, b.bottom - 2), iconColour);
  EXPECT_EQ(WindowPixel(Wnd(), b.right + 1, b.top + 2), BorderColour(3, 1));
  SendMessageW(Wnd(), WM_SETICON, ICON_SMALL, 0);
}

// Makes a form the application's main form for a while.
class MainFormFor {
 public:
  explicit MainFormFor(tk::TCustomForm* form) : form_(form) { tk::Application->AddForm(form); }
  ~MainFormFor() { tk::Application->RemoveForm(form_); }

 private:
  tk::TCustomForm* form_;
};

TEST_F(CaptionButtonsTest, TheApplicationsIconIsDrawnEightPixelsInCentredOnTheCaptionText) {
  MakeSkinnedForm(400, 300);
  ASSERT_EQ(tk::Application->MainForm(), nullptr);
  MainFormFor main(form);
  Activate();
  tk::UniqueIcon icon = SolidIcon();
  SendMessageW(Wnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon.Get()));
  RepaintFrame();
  const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  const RECT text = Painter()->TextRect;
  const int top = (text.top + text.bottom - cy) / 2;
  EXPECT_EQ(WindowPixel(Wnd(), 8, top), iconColour);
  EXPECT_EQ(WindowPixel(Wnd(), 8 + cx - 1, top + cy - 1), iconColour);
  EXPECT_EQ(WindowPixel(Wnd(), 7, top + cy / 2), BorderColour(3, 1));
  EXPECT_EQ(WindowPixel(Wnd(), 8 + cx, top + cy / 2), BorderColour(3, 1));
  // Its button's bounds stay where the skin puts them, for clicks.
  EXPECT_EQ(Button(kIcon).Bounds.left, 4);
  SendMessageW(Wnd(), WM_SETICON, ICON_SMALL, 0);
}

TEST_F(CaptionButtonsTest, TheCloseButtonDoesNothingWhenTheSystemMenuHasNoCloseCommand) {
  MakeSkinnedForm(400, 300);
  int closes = 0;
  form->OnClose = [&](tk::TObject*, tk::TCloseAction&) { ++closes; };
  Activate();
  ASSERT_TRUE(DeleteMenu(GetSystemMenu(Wnd(), FALSE), SC_CLOSE, MF_BYCOMMAND));
  MoveMouse(Centre(kClose));
  LeftDown(Centre(kClose));
  LeftUp(Centre(kClose));
  tk::testing::PumpMessages(400);
  EXPECT_EQ(closes, 0);
  EXPECT_TRUE(IsWindowVisible(Wnd()));
}

}  // namespace
