// The skinned system menu: where and how it opens (icon click, right click on the caption,
// Alt+Space), what it holds, and its commands; double clicks on the caption and the icon.
#include "FrameTestSupport.h"
#include "RealInput.h"

using namespace skin_test;

namespace {

class SystemMenuTest : public SkinnedFrameTest {
 protected:
  // The number of Down presses that select the native system menu's item of a command (the
  // menu's keyboard selection skips separators only).
  int DownsTo(UINT command) {
    HMENU native = GetSystemMenu(Wnd(), FALSE);
    int downs = 0;
    for (int i = 0; i < GetMenuItemCount(native); ++i) {
      MENUITEMINFOW info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_FTYPE | MIIM_ID;
      GetMenuItemInfoW(native, static_cast<UINT>(i), TRUE, &info);
      if (info.fType & MFT_SEPARATOR) continue;
      ++downs;
      if ((info.wID & 0xFFF0) == command) return downs;
    }
    return -1;
  }
  tk::TMenuItem* ItemOf(UINT command) {
    tk::TMenuItem* items = Painter()->SysMenu->Items();
    for (int i = 0; i < items->Count(); ++i)
      if ((static_cast<UINT>(items->Items(i)->Tag()) & 0xFFF0) == command) return items->Items(i);
    return nullptr;
  }
  // Opens the menu as the user would and closes it again; the watcher tells what showed.
  void OpenAndClose(MenuWatcher& watcher, const std::function<void()>& open) {
    Painter()->LastSysMenuOpen = 0;
    open();
    ASSERT_TRUE(WaitFor([&] { return watcher.opened; }));
    tk::testing::PumpMessages(50);
  }
  void AltSpace() {
    SendKey(VK_MENU, false);
    SendKey(VK_SPACE, false);
    SendKey(VK_SPACE, true);
    SendKey(VK_MENU, true);
  }
};

TEST_F(SystemMenuTest, AltSpaceOpensItAtTheClientAreasOrigin) {
  MakeSkinnedForm(400, 300);
  Activate();
  MenuWatcher watcher;
  OpenAndClose(watcher, [&] { AltSpace(); });
  POINT origin{0, 0};
  ClientToScreen(Wnd(), &origin);
  EXPECT_EQ(watcher.menuRect.left, origin.x);
  EXPECT_EQ(watcher.menuRect.top, origin.y);
  ASSERT_NE(Painter()->SysMenu, nullptr);
  EXPECT_EQ(watcher.menu, Painter()->SysMenu->Handle());
  EXPECT_EQ(Painter()->SysMenu->Tag(), 33333);
}

TEST_F(SystemMenuTest, AClickOnTheIconOpensItBelowTheClickPoint) {
  MakeSkinnedForm(400, 300);
  Activate();
  MenuWatcher watcher;
  const POINT at = Centre(kIcon);
  OpenAndClose(watcher, [&] {
    MoveMouse(at);
    LeftDown(at);
    LeftUp(at);
  });
  EXPECT_EQ(watcher.menuRect.left, at.x + 1);
  EXPECT_EQ(watcher.menuRect.top, at.y + 1);
  EXPECT_EQ(watcher.menu, Painter()->SysMenu->Handle());
}

TEST_F(SystemMenuTest, ARightClickOnTheCaptionOpensIt) {
  MakeSkinnedForm(400, 300);
  Activate();
  MenuWatcher watcher;
  const POINT at = ScreenPoint(EmptyCaption());
  OpenAndClose(watcher, [&] {
    MoveMouse(at);
    RightDown(at);
    RightUp(at);
  });
  EXPECT_EQ(watcher.menuRect.left, at.x);
  EXPECT_EQ(watcher.menuRect.top, at.y);
  EXPECT_EQ(watcher.menu, Painter()->SysMenu->Handle());
}

TEST_F(SystemMenuTest, ItHoldsTheNativeItemsEnabledByShowStateAndBoxes) {
  MakeSkinnedForm(400, 300);
  Activate();
  {
    MenuWatcher watcher;
    OpenAndClose(watcher, [&] { AltSpace(); });
    EXPECT_EQ(watcher.itemCount, GetMenuItemCount(GetSystemMenu(Wnd(), FALSE)));
  }
  ASSERT_NE(ItemOf(SC_MAXIMIZE), nullptr);
  EXPECT_EQ(Painter()->SysMenu->Items()->Count(), GetMenuItemCount(GetSystemMenu(Wnd(), FALSE)));
  EXPECT_EQ(ItemOf(SC_RESTORE)->ImageIndex(), 0);
  EXPECT_EQ(ItemOf(SC_MAXIMIZE)->ImageIndex(), 1);
  EXPECT_EQ(ItemOf(SC_MINIMIZE)->ImageIndex(), 2);
  EXPECT_EQ(ItemOf(SC_CLOSE)->ImageIndex(), 3);
  EXPECT_EQ(ItemOf(SC_MOVE)->ImageIndex(), -1);
  EXPECT_FALSE(ItemOf(SC_RESTORE)->Enabled());
  EXPECT_TRUE(ItemOf(SC_MAXIMIZE)->Enabled());
  EXPECT_TRUE(ItemOf(SC_MINIMIZE)->Enabled());
  EXPECT_TRUE(ItemOf(SC_MOVE)->Enabled());
  EXPECT_TRUE(ItemOf(SC_SIZE)->Enabled());
  EXPECT_TRUE(ItemOf(SC_CLOSE)->Enabled());
  EXPECT_EQ(Painter()->SysMenu->Images(), skin->MenuGlyphs());

  ShowWindow(Wnd(), SW_MAXIMIZE);
  ASSERT_TRUE(WaitFor([&] { return Painter()->ShowState == ssMaximized; }));
  Activate();
  {
    MenuWatcher watcher;
    OpenAndClose(watcher, [&] { AltSpace(); });
  }
  EXPECT_TRUE(ItemOf(SC_RESTORE)->Enabled());
  EXPECT_FALSE(ItemOf(SC_MAXIMIZE)->Enabled());
  EXPECT_FALSE(ItemOf(SC_MOVE)->Enabled());
  EXPECT_FALSE(ItemOf(SC_SIZE)->Enabled());
  EXPECT_TRUE(ItemOf(SC_MINIMIZE)->Enabled());
}

TEST_F(SystemMenuTest, WithoutAMinimizeBoxItsMinimizeItemIsDisabled) {
  beforeSkin = [](tk::TForm& f) { f.SetBorderIcons({tk::TBorderIcon::biSystemMenu, tk::TBorderIcon::biMaximize}); };
  MakeSkinnedForm(400, 300);
  Activate();
  MenuWatcher watcher;
  OpenAndClose(watcher, [&] { AltSpace(); });
  ASSERT_NE(ItemOf(SC_MINIMIZE), nullptr);
  EXPECT_FALSE(ItemOf(SC_MINIMIZE)->Enabled());
  EXPECT_TRUE(ItemOf(SC_MAXIMIZE)->Enabled());
}

TEST_F(SystemMenuTest, ItsMaximizeCommandChosenByKeyboardMaximizesTheWindow) {
  MakeSkinnedForm(400, 300);
  Activate();
  MenuWatcher watcher;
  const int downs = DownsTo(SC_MAXIMIZE);
  ASSERT_GT(downs, 0);
  watcher.keys.assign(static_cast<size_t>(downs), VK_DOWN);
  watcher.keys.push_back(VK_RETURN);
  Painter()->LastSysMenuOpen = 0;
  AltSpace();
  ASSERT_TRUE(WaitFor([&] { return IsZoomed(Wnd()) != FALSE; }));
  EXPECT_TRUE(watcher.opened);
  EXPECT_EQ(Painter()->ShowState, ssMaximized);
}

TEST_F(SystemMenuTest, ItsCloseCommandChosenByKeyboardClosesTheForm) {
  MakeSkinnedForm(400, 300);
  int closes = 0;
  form->OnClose = [&](tk::TObject*, tk::TCloseAction&) { ++closes; };
  Activate();
  MenuWatcher watcher;
  watcher.keys.assign(static_cast<size_t>(DownsTo(SC_CLOSE)), VK_DOWN);
  watcher.keys.push_back(VK_RETURN);
  Painter()->LastSysMenuOpen = 0;
  AltSpace();
  ASSERT_TRUE(WaitFor([&] { return closes == 1; }));
}

TEST_F(SystemMenuTest, SystemCommandsSentAsMenuCommandsArePostedAsSystemCommands) {
  MakeSkinnedForm(400, 300);
  Activate();
  SendMessageW(Wnd(), WM_COMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(WaitFor([&] { return IsIconic(Wnd()) != FALSE; }));
  EXPECT_EQ(Painter()->ShowState, ssMinimized);
  SendMessageW(Wnd(), WM_COMMAND, SC_RESTORE, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsIconic(Wnd()); }));
  EXPECT_EQ(Painter()->ShowState, ssNormal);
}

TEST_F(SystemMenuTest, ADoubleClickOnTheCaptionMaximizesAndRestores) {
  MakeSkinnedForm(400, 300);
  Activate();
  auto doubleClick = [&](POINT at) {
    MoveMouse(at);
    LeftDown(at);
    LeftUp(at);
    LeftDown(at);
    LeftUp(at);
  };
  doubleClick(ScreenPoint(EmptyCaption()));
  ASSERT_TRUE(WaitFor([&] { return IsZoomed(Wnd()) != FALSE; }));
  EXPECT_EQ(Painter()->ShowState, ssMaximized);
  tk::testing::PumpMessages(GetDoubleClickTime() + 50);
  doubleClick(ScreenPoint(EmptyCaption()));
  ASSERT_TRUE(WaitFor([&] { return !IsZoomed(Wnd()); }));
  EXPECT_EQ(Painter()->ShowState, ssNormal);
}

TEST_F(SystemMenuTest, ADoubleClickOnTheIconClosesTheForm) {
  MakeSkinnedForm(400, 300);
  int closes = 0;
  form->OnClose = [&](tk::TObject*, tk::TCloseAction&) { ++closes; };
  Activate();
  MenuWatcher watcher;  // closes the menu the first click opens, should the second not do so
  const POINT at = Centre(kIcon);
  MoveMouse(at);
  LeftDown(at);
  LeftUp(at);
  LeftDown(at);
  LeftUp(at);
  ASSERT_TRUE(WaitFor([&] { return closes == 1; }));
}

TEST_F(SystemMenuTest, ASecondOpeningWithinTheDoubleClickTimeOpensNothingAndClosesFromTheIcon) {
  MakeSkinnedForm(400, 300);
  int closes = 0;
  form->OnClose = [&](tk::TObject*, tk::TCloseAction&) { ++closes; };
  Activate();
  Painter()->DoubleClickTime = 60000;  // every opening in this test comes within it
  const POINT at = ClientPoint();
  {
    MenuWatcher watcher;
    OpenAndClose(watcher, [&] { Painter()->OpenSystemMenu(at); });
  }
  {
    MenuWatcher watcher;
    Painter()->OpenSystemMenu(at);
    tk::testing::PumpMessages(200);
    EXPECT_FALSE(watcher.opened);
    EXPECT_EQ(closes, 0);
  }
  // Once more, now with the icon hot, as its second click makes it: the window closes.
  {
    MenuWatcher watcher;
    OpenAndClose(watcher, [&] { Painter()->OpenSystemMenu(at); });
  }
  Painter()->SetHotObject(&Button(kIcon));
  Painter()->OpenSystemMenu(at);
  ASSERT_TRUE(WaitFor([&] { return closes == 1; }));
}

TEST_F(SystemMenuTest, APressOnTheCaptionOfAMaximizedWindowDoesNotDragIt) {
  std::unique_ptr<MessageRecorder> recorder;
  // Below the frame painter: it sees what the painter passes on.
  beforeSkin = [&](tk::TForm& f) { recorder = std::make_unique<MessageRecorder>(f.Handle()); };
  MakeSkinnedForm(400, 300);
  Activate();
  ShowWindow(Wnd(), SW_MAXIMIZE);
  ASSERT_TRUE(WaitFor([&] { return Painter()->ShowState == ssMaximized; }));
  Activate();
  recorder->Clear();
  const POINT at = ScreenPoint(EmptyCaption());
  SendMessageW(Wnd(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y));
  bool seen = false;
  for (const auto& e : recorder->Entries())
    if (e.msg == WM_NCLBUTTONDOWN) {
      seen = true;
      EXPECT_EQ(e.wParam, static_cast<WPARAM>(HTMENU));
    }
  EXPECT_TRUE(seen);
}

TEST_F(SystemMenuTest, HitTestingAnswersCaptionForTheTitleBand) {
  MakeSkinnedForm(400, 300);
  auto hit = [&](POINT framePoint) {
    const POINT p = ScreenPoint(framePoint);
    return SendMessageW(Wnd(), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
  };
  EXPECT_EQ(hit(EmptyCaption()), HTCAPTION);
  EXPECT_EQ(hit(POINT{WindowSize().cx / 2, TitleHeight - 2}), HTCAPTION);
  const RECT b = Button(kClose).Bounds;
  EXPECT_EQ(hit(POINT{b.left + 2, b.top + 2}), HTCAPTION);
  EXPECT_EQ(hit(POINT{LeftWidth + 50, TitleHeight + 50}), HTCLIENT);
}

TEST_F(SystemMenuTest, HitTestingAnswersMenuForTheMenuBand) {
  beforeSkin = [](tk::TForm& f) {
    auto* menu = new tk::TMainMenu(&f);
    auto* item = new tk::TMenuItem(menu);
    item->SetCaption("File");
    menu->Items()->Add(item);
    f.SetMenu(menu);
  };
  MakeSkinnedForm(400, 300);
  ASSERT_TRUE(Painter()->HasMenuBand());
  const int menuHeight = Painter()->MenuHeight;
  auto hit = [&](POINT framePoint) {
    const POINT p = ScreenPoint(framePoint);
    return SendMessageW(Wnd(), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
  };
  EXPECT_EQ(hit(POINT{200, TitleHeight + menuHeight / 2}), HTMENU);
  EXPECT_EQ(hit(POINT{200, TitleHeight / 2}), HTCAPTION);
  EXPECT_EQ(hit(POINT{200, TitleHeight + menuHeight + 5}), HTCLIENT);
}

}  // namespace
