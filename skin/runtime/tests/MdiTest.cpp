// MDI windows under a component serving every form: a child is skinned as it is created, and
// the manager's maximized state takes the children's shaped regions away and gives them back.
#include "GdiHandle.h"
#include "MainFormProgram.h"

using namespace skin_test;

namespace {

LRESULT CALLBACK FrameProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefFrameProcW(wnd, reinterpret_cast<HWND>(GetWindowLongPtrW(wnd, GWLP_USERDATA)), msg, wParam, lParam);
}

// A plain MDI frame of this program, its client and the children made in it.
class MdiFrame {
 public:
  MdiFrame() {
    const HINSTANCE module = GetModuleHandleW(nullptr);
    WNDCLASSW frame{};
    frame.lpfnWndProc = FrameProc;
    frame.hInstance = module;
    frame.hbrBackground = GetSysColorBrush(COLOR_APPWORKSPACE);
    frame.lpszClassName = L"TolvaneTestMdiFrame";
    RegisterClassW(&frame);
    WNDCLASSW child{};
    child.lpfnWndProc = DefMDIChildProcW;
    child.hInstance = module;
    child.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    child.lpszClassName = L"TolvaneTestMdiChild";
    RegisterClassW(&child);
    frame_.Reset(CreateWindowExW(0, frame.lpszClassName, L"Frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 360, 20, 600,
                                 450, nullptr, nullptr, module, nullptr));
    CLIENTCREATESTRUCT ccs{nullptr, 1000};
    client_ = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 580, 400,
                              frame_.Get(), nullptr, module, &ccs);
    SetWindowLongPtrW(frame_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(client_));
  }
  HWND Frame() const { return frame_.Get(); }
  HWND Client() const { return client_; }
  HWND NewChild(const wchar_t* title) {
    MDICREATESTRUCTW mcs{};
    mcs.szClass = L"TolvaneTestMdiChild";
    mcs.szTitle = title;
    mcs.hOwner = GetModuleHandleW(nullptr);
    mcs.x = 10;
    mcs.y = 10;
    mcs.cx = 250;
    mcs.cy = 180;
    return reinterpret_cast<HWND>(SendMessageW(client_, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  }

 private:
  tk::UniqueWindow frame_;
  HWND client_ = nullptr;  // a child of the frame, destroyed with it
};

bool HasRegion(HWND wnd) {
  tk::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  return GetWindowRgn(wnd, region.Get()) != ERROR;
}

}  // namespace

TEST_F(MainFormProgram, AnMdiChildIsSkinnedAsItIsCreatedAndLosesItsShapeWhileChildrenAreMaximized) {
  tk::TForm* main = NewForm("Main", 20, 20);
  SolidSkinOptions shaped;
  shaped.transparentCorners = true;
  AddSkinData(main, TSkinFormType::sfMainform, true, shaped);
  MdiFrame mdi;
  ShowWindow(mdi.Frame(), SW_SHOW);
  SetForegroundWindow(mdi.Frame());
  ASSERT_TRUE(WaitAttached(mdi.Frame()));
  EXPECT_EQ(PainterOf(mdi.Frame())->FormKind, fkMDIFrame);
  EXPECT_EQ(Manager().MDIClientWnd, mdi.Client());

  HWND child = mdi.NewChild(L"Child");
  ASSERT_NE(child, nullptr);
  // Taken over while it was being made, before it ever showed.
  ASSERT_NE(PainterOf(child), nullptr);
  EXPECT_EQ(PainterOf(child)->FormKind, fkMDIChild);
  EXPECT_TRUE(AnswersSkinned(child));
  ASSERT_TRUE(WaitAttached(child));
  tk::testing::PumpMessages(50);
  ASSERT_TRUE(HasRegion(child));

  Manager().SetMDIMaximized(true);
  EXPECT_TRUE(Manager().MDIMaximized);
  EXPECT_FALSE(HasRegion(child));
  EXPECT_EQ(PainterOf(child)->Region, nullptr);
  EXPECT_TRUE(HasRegion(mdi.Frame()));  // not a child: untouched

  Manager().SetMDIMaximized(false);
  EXPECT_FALSE(Manager().MDIMaximized);
  EXPECT_EQ(PainterOf(child)->ShowState, ssNormal);
  EXPECT_TRUE(HasRegion(child));
  EXPECT_NE(PainterOf(child)->Region, nullptr);
}
