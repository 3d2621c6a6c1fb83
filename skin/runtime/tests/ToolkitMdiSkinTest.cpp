// Toolkit MDI forms under a component serving every form: the children are skinned as the client
// makes them (as toolkit forms, not bare windows), and a maximised child's three buttons in the
// frame's skinned menu band minimise, restore and close it when clicked.
#include <algorithm>
#include <cstdio>

#include "Menus.h"
#include "MainFormProgram.h"
#include "RealInput.h"
#include "ToolkitWindowsSkin.h"

using namespace skin_test;

namespace {

class ToolkitMdiSkin : public MainFormProgram {
 protected:
  void SetUp() override {
    MainFormProgram::SetUp();
    frame = NewForm("Frame", 20, 20, 640, 440);
    frame->SetFormStyle(tk::TFormStyle::fsMDIForm);
    auto* menu = new tk::TMainMenu(frame);
    auto* file = new tk::TMenuItem(menu);
    file->SetCaption("&File");
    menu->Items()->Add(file);
    auto* quit = new tk::TMenuItem(menu);
    quit->SetCaption("&Quit");
    file->Add(quit);
    frame->SetMenu(menu);
    AddSkinData(frame, TSkinFormType::sfMainform, true, WindowsSkinOptions());
    ShowForm(frame);
    ASSERT_TRUE(WaitAttached(frame->Handle()));
  }

  tk::TForm* NewChild(const std::string& caption, int x) {
    auto* child = new tk::TForm(nullptr);  // the frame frees it
    child->SetFormStyle(tk::TFormStyle::fsMDIChild);
    child->SetCaption(caption);
    child->SetBounds(x, 10, 260, 180);
    child->Show();
    return child;
  }

  static bool OnScreen(const tk::TCustomForm* form) {
    const auto& forms = tk::ScreenForms();
    return std::find(forms.begin(), forms.end(), form) != forms.end();
  }

  // The frame's band button of an MDI action (7 minimise, 8 restore, 9 close), shown or not.
  TWinSysButton* BandButton(int action) {
    for (auto& button : PainterOf(frame->Handle())->CaptionButtons)
      if (button->Element->Action == action) return button.get();
    return nullptr;
  }
  POINT ScreenCentre(const TWinSysButton& button) {
    RECT window{};
    GetWindowRect(frame->Handle(), &window);
    return POINT{window.left + (button.Bounds.left + button.Bounds.right) / 2,
                 window.top + (button.Bounds.top + button.Bounds.bottom) / 2};
  }
  void ClickBand(int action) {
    TWinSysButton* button = BandButton(action);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->Visible) << action;
    const POINT at = ScreenCentre(*button);
    MoveMouse(at);
    tk::testing::PumpMessages(30);
    LeftDown(at);
    tk::testing::PumpMessages(30);
    LeftUp(at);
  }
  void Maximise(tk::TForm* child) {
    SendMessageW(child->Handle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    const bool ok = tk::testing::PumpUntil([&] { return Manager().MDIMaximized && BandButton(mdiMinimise)->Visible; }, 5000);
    TWinSkinForm* p = PainterOf(frame->Handle());
    ASSERT_TRUE(ok) << "maximised " << Manager().MDIMaximized << ", zoomed " << IsZoomed(child->Handle()) << ", band "
                    << p->HasMenuBand();
    tk::testing::PumpMessages(100);
  }

  static constexpr int mdiMinimise = 7, mdiRestore = 8, mdiClose = 9;
  tk::TForm* frame = nullptr;
};

}  // namespace

TEST_F(ToolkitMdiSkin, ChildrenAreSkinnedAsToolkitFormsWithFramesOfTheSkin) {
  EXPECT_EQ(PainterOf(frame->Handle())->FormKind, fkMDIFrame);
  EXPECT_EQ(Manager().MDIClientWnd, frame->ClientHandle());
  tk::TForm* one = NewChild("One", 10);
  // Taken over while the client made it: the painter knows the form behind the window.
  ASSERT_NE(PainterOf(one->Handle()), nullptr);
  EXPECT_EQ(PainterOf(one->Handle())->Form, one);
  EXPECT_EQ(PainterOf(one->Handle())->FormKind, fkMDIChild);
  tk::TForm* two = NewChild("Two", 320);
  ASSERT_TRUE(WaitAttached(one->Handle()));
  ASSERT_TRUE(WaitAttached(two->Handle()));
  tk::testing::PumpMessages(100);
  EXPECT_TRUE(HasSkinMetrics(one->Handle()));
  EXPECT_TRUE(HasSkinMetrics(two->Handle()));
  // The active child shows the active frame, the other the inactive one.
  EXPECT_EQ(frame->ActiveMDIChild(), two);
  ExpectSolidFrame(two->Handle(), 1);
  ExpectSolidFrame(one->Handle(), 2);
}

TEST_F(ToolkitMdiSkin, AMaximisedChildsBandButtonsMinimiseRestoreAndCloseIt) {
  tk::TForm* one = NewChild("One", 10);
  tk::TForm* two = NewChild("Two", 60);
  ASSERT_TRUE(WaitAttached(two->Handle()));
  EXPECT_FALSE(BandButton(mdiMinimise)->Visible);

  Maximise(two);
  EXPECT_TRUE(IsZoomed(two->Handle()));
  // Drawn in the band, first frame of each.
  for (int action : {mdiMinimise, mdiRestore, mdiClose}) {
    const POINT at = ScreenCentre(*BandButton(action));
    EXPECT_EQ(ScreenPixel(at.x, at.y), MdiButtonColour(action - mdiMinimise, 1)) << action;
  }
  // The child's region went while it is maximised.
  EXPECT_EQ(PainterOf(two->Handle())->Region, nullptr);

  ClickBand(mdiRestore);
  ASSERT_TRUE(tk::testing::PumpUntil([&] { return !IsZoomed(two->Handle()); }, 5000));
  tk::testing::PumpMessages(100);
  EXPECT_FALSE(Manager().MDIMaximized);
  EXPECT_NE(PainterOf(two->Handle())->Region, nullptr);
  ExpectSolidFrame(two->Handle(), 1);

  Maximise(two);
  ClickBand(mdiMinimise);
  ASSERT_TRUE(tk::testing::PumpUntil([&] { return IsIconic(two->Handle()) != FALSE; }, 5000));
  tk::testing::PumpMessages(100);

  SendMessageW(frame->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(one->Handle()), 0);
  Maximise(one);
  bool closed = false;
  one->OnClose = [&](tk::TObject*, tk::TCloseAction&) { closed = true; };
  ClickBand(mdiClose);
  ASSERT_TRUE(tk::testing::PumpUntil([&] { return !OnScreen(one); }, 5000));
  EXPECT_TRUE(closed);
  EXPECT_EQ(frame->MDIChildCount(), 1);
  EXPECT_TRUE(OnScreen(two));
}

TEST_F(ToolkitMdiSkin, FiftySkinnedChildrenOpenedAndClosedLeaveHandleCountsFlat) {
  auto cycle = [&](int i) {
    tk::TForm* child = NewChild("Child", 10 + i);
    if (!WaitAttached(child->Handle())) return false;
    if (i % 2) {
      SendMessageW(child->Handle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
      tk::testing::PumpMessages(10);
    }
    child->Close();
    return tk::testing::PumpUntil([&] { return !OnScreen(child); }, 5000);
  };
  ASSERT_TRUE(cycle(1));  // scratch bitmaps, fonts and the client's buttons made once
  tk::testing::PumpMessages(50);
  Manager().PurgeForms();
  const int gdi = tk::testing::GdiObjectCount(), windows = tk::testing::ThreadWindowCount();
  const size_t painters = Manager().Forms.size();
  for (int i = 0; i < 50; ++i) ASSERT_TRUE(cycle(i)) << i;
  tk::testing::PumpMessages(50);
  Manager().PurgeForms();
  EXPECT_EQ(Manager().Forms.size(), painters);
  EXPECT_EQ(tk::testing::GdiObjectCount(), gdi);
  EXPECT_EQ(tk::testing::ThreadWindowCount(), windows);
  std::printf("skinned MDI children, 50 open/close: GDI %d -> %d, windows %d -> %d\n", gdi, tk::testing::GdiObjectCount(),
              windows, tk::testing::ThreadWindowCount());
}
