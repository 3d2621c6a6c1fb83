// The end of skinning: the manager's shut-down lets every window go and stops watching the
// thread; a skin component freed before the forms it serves takes its painters along.
#include <algorithm>

#include "GdiHandle.h"
#include "MainFormProgram.h"

using namespace skin_test;

namespace {

// A plain window of this program, not a toolkit form.
class PlainWindow {
 public:
  PlainWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TolvaneTestPlainWindow";
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    RegisterClassW(&wc);
    wnd_.Reset(CreateWindowExW(0, wc.lpszClassName, L"Plain", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 300, 300, 200,
                               nullptr, nullptr, wc.hInstance, nullptr));
  }
  HWND Get() const { return wnd_.Get(); }

 private:
  tk::UniqueWindow wnd_;
};

bool OwnsAFramePainter(const tk::TComponent& form) {
  const auto& owned = form.ComponentList();
  return std::any_of(owned.begin(), owned.end(), [](tk::TComponent* c) { return dynamic_cast<TWinSkinForm*>(c); });
}

// The window's frame, measured anew (the frame is recalculated first).
SIZE FrameAround(HWND wnd) {
  SetWindowPos(wnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT window{}, client{};
  GetWindowRect(wnd, &window);
  GetClientRect(wnd, &client);
  return SIZE{(window.right - window.left) - client.right, (window.bottom - window.top) - client.bottom};
}

}  // namespace

TEST_F(MainFormProgram, TheManagersShutDownLetsEveryWindowGoAndStopsWatching) {
  tk::TForm* main = NewForm("Main", 20, 20);
  TSkinData* skin = AddSkinData(main);
  tk::TForm* second = NewForm("Second", 360, 20);
  ShowForm(main);
  ShowForm(second);
  PlainWindow plain;
  SetForegroundWindow(plain.Get());
  for (HWND wnd : {main->Handle(), second->Handle(), plain.Get()}) ASSERT_TRUE(WaitAttached(wnd));
  EXPECT_EQ(PainterOf(plain.Get())->Owner(), nullptr);
  EXPECT_TRUE(OwnsAFramePainter(*second));

  TSkinManage::Destroy();
  EXPECT_EQ(TSkinManage::Instance(), nullptr);
  for (HWND wnd : {main->Handle(), second->Handle(), plain.Get()}) {
    EXPECT_FALSE(AnswersSkinned(wnd));
    // The window procedure is its own again: the frame it computes is the native one.
    const SIZE frame = FrameAround(wnd);
    EXPECT_NE(frame.cx, LeftWidth + RightWidth);
    EXPECT_NE(frame.cy, TitleHeight + BottomHeight);
  }
  EXPECT_FALSE(OwnsAFramePainter(*main));
  EXPECT_FALSE(OwnsAFramePainter(*second));

  // No hook any more: a form shown now stays native, and the forms still work.
  tk::TForm* later = NewForm("Later", 700, 20);
  ShowForm(later);
  tk::testing::PumpMessages(300);
  EXPECT_FALSE(AnswersSkinned(later->Handle()));
  second->SetCaption("Renamed");
  SetForegroundWindow(second->Handle());
  tk::testing::PumpMessages(50);
  wchar_t caption[32] = {};
  GetWindowTextW(second->Handle(), caption, 32);
  EXPECT_STREQ(caption, L"Renamed");
  // The component outlives the manager; freeing it (with its form, at tear-down) asks nothing of it.
  EXPECT_EQ(skin->Owner(), main);
}

TEST_F(MainFormProgram, ASkinComponentFreedFirstTakesThePaintersOfItsFormsAlong) {
  tk::TForm* main = NewForm("Main", 20, 20);
  AddSkinData(main);
  tk::TForm* second = NewForm("Second", 360, 20);
  ShowForm(main);
  ShowForm(second);
  ASSERT_TRUE(WaitAttached(second->Handle()));
  RECT client{};
  GetClientRect(second->Handle(), &client);

  std::erase(forms, main);
  tk::TComponent::Free(main);
  tk::testing::PumpMessages(50);
  EXPECT_TRUE(Manager().Forms.empty());
  EXPECT_TRUE(Manager().SkinDatas.empty());
  EXPECT_EQ(Manager().DefaultSkin, nullptr);
  EXPECT_FALSE(AnswersSkinned(second->Handle()));
  EXPECT_FALSE(OwnsAFramePainter(*second));
  // Given back whole: the native frame around the same client area.
  RECT after{};
  GetClientRect(second->Handle(), &after);
  EXPECT_EQ(after.right, client.right);
  EXPECT_EQ(after.bottom, client.bottom);
  EXPECT_FALSE(HasSkinMetrics(second->Handle()));
  // Nothing is left to skin with.
  tk::TForm* third = NewForm("Third", 700, 20);
  ShowForm(third);
  SetForegroundWindow(second->Handle());
  tk::testing::PumpMessages(100);
  EXPECT_FALSE(AnswersSkinned(third->Handle()));
  EXPECT_FALSE(AnswersSkinned(second->Handle()));
}

TEST_F(MainFormProgram, RepeatedProgramsGiveBackTheirWindowsAndGdiObjects) {
  auto program = [this] {
    tk::TForm* main = NewForm("Main", 20, 20);
    AddSkinData(main);
    tk::TForm* second = NewForm("Second", 360, 20);
    ShowForm(main);
    ShowForm(second);
    WaitAttached(second->Handle());
    TearDown();
  };
  program();
  const int windows = tk::testing::ThreadWindowCount();
  const int gdi = tk::testing::GdiObjectCount();
  for (int i = 0; i < 5; ++i) program();
  EXPECT_EQ(tk::testing::ThreadWindowCount(), windows);
  EXPECT_EQ(tk::testing::GdiObjectCount(), gdi);
}
