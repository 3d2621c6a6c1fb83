// Support for the tests of the skinned frame: points of the frame on screen, the caption buttons
// of the solid skin, activating and deactivating the form, and watching pop-up menus that open in
// a modal loop.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "RealInput.h"
#include "SkinnedFormFixture.h"

namespace skin_test {

// Entries of the solid skin's caption buttons, in its order.
enum SolidButton { kClose = 0, kMaximize = 1, kMinimize = 2, kRestore = 3, kIcon = 4, kCustom = 5 };

// Watches, from a thread timer that also runs inside a menu's modal loop, for a menu window of this
// thread; records it, then either presses the given keys in it or closes it.
class MenuWatcher {
 public:
  MenuWatcher();
  ~MenuWatcher();
  MenuWatcher(const MenuWatcher&) = delete;
  MenuWatcher& operator=(const MenuWatcher&) = delete;

  // Keys given to the menu once it shows (each a key down and up); none: the menu is closed.
  std::vector<WORD> keys;
  bool opened = false;
  RECT menuRect{};
  HMENU menu = nullptr;
  int itemCount = 0;

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
  void Check();
  UINT_PTR timer_ = 0;
};

// The visible menu window of this thread, or none.
HWND VisibleMenuWindow();

}  // namespace skin_test

class SkinnedFrameTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    // The cursor starts away from where the forms go, so no button starts hot.
    skin_test::MoveMouse(POINT{GetSystemMetrics(SM_CXSCREEN) - 10, 5});
  }
  void TearDown() override {
    if (other) tk::TComponent::Free(other);
    other = nullptr;
    SkinnedFormTest::TearDown();
  }

  TWinSysButton& Button(int index) { return *Painter()->CaptionButtons.at(static_cast<size_t>(index)); }
  // Frame coordinates to screen coordinates.
  POINT ScreenPoint(POINT framePoint) const {
    RECT r{};
    GetWindowRect(Wnd(), &r);
    return POINT{r.left + framePoint.x, r.top + framePoint.y};
  }
  POINT Centre(int index) {
    const RECT& b = Button(index).Bounds;
    return ScreenPoint(POINT{(b.left + b.right) / 2, (b.top + b.bottom) / 2});
  }
  COLORREF PixelOf(int index) {
    const RECT& b = Button(index).Bounds;
    return skin_test::WindowPixel(Wnd(), (b.left + b.right) / 2, (b.top + b.bottom) / 2);
  }
  // A point of the title band with neither text nor button (frame coordinates).
  POINT EmptyCaption() const { return POINT{WindowSize().cx - skin_test::MinX - 20, skin_test::TitleHeight / 2}; }
  // A point of the client area, on screen.
  POINT ClientPoint() const {
    POINT p{40, 40};
    ClientToScreen(Wnd(), &p);
    return p;
  }

  void Activate() {
    SetForegroundWindow(Wnd());
    tk::testing::PumpUntil([this] { return GetForegroundWindow() == Wnd() && Painter()->NCActive; }, 2000);
    tk::testing::PumpMessages(30);
  }
  // Shows another form away from the skinned one: the skinned form becomes inactive.
  void Deactivate() {
    other = new tk::TForm(nullptr);
    other->SetBounds(800, 600, 200, 150);
    other->SetCaption("Other");
    other->Show();
    tk::testing::PumpUntil([this] { return GetForegroundWindow() == other->HandleIfAllocated() && !Painter()->NCActive; },
                           2000);
    tk::testing::PumpMessages(30);
  }
  // Repaints the frame and lets the system bring what was drawn to the screen.
  void RepaintFrame() {
    SendMessageW(Wnd(), SKM_REPAINTFRAME, 0, 0);
    tk::testing::PumpMessages(100);
  }
  // Waits until a condition holds (or a generous time passed).
  bool WaitFor(const std::function<bool()>& condition) { return tk::testing::PumpUntil(condition, 3000); }

  tk::TForm* other = nullptr;
};
