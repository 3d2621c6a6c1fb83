// MDI forms on real windows: a frame form's client below its aligned controls, children made in
// it, activation, maximise/restore/close through the platform, and the frame taking its children
// with it when freed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "ExtCtrls.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "Menus.h"
#include "UserInput.h"

namespace {

bool OnScreen(const tk::TCustomForm* form) {
  const auto& forms = tk::ScreenForms();
  return std::find(forms.begin(), forms.end(), form) != forms.end();
}

std::wstring ClassOf(HWND wnd) {
  wchar_t name[64] = {};
  GetClassNameW(wnd, name, 64);
  return name;
}

class MdiForms : public ::testing::Test {
 protected:
  void TearDown() override {
    if (frame && OnScreen(frame)) tk::TComponent::Free(frame);
    tk::testing::PumpMessages(10);
  }

  // A frame with a menu and a panel along its top, shown.
  void MakeFrame() {
    frame = new tk::TForm(nullptr);
    frame->SetFormStyle(tk::TFormStyle::fsMDIForm);
    frame->SetCaption("Frame");
    frame->SetBounds(40, 40, 640, 480);
    auto* menu = new tk::TMainMenu(frame);
    auto* file = new tk::TMenuItem(menu);
    file->SetCaption("&File");
    menu->Items()->Add(file);
    auto* quit = new tk::TMenuItem(menu);
    quit->SetCaption("&Quit");
    file->Add(quit);
    window = new tk::TMenuItem(menu);
    window->SetCaption("&Window");
    menu->Items()->Add(window);
    auto* cascade = new tk::TMenuItem(menu);
    cascade->SetCaption("&Cascade");
    window->Add(cascade);
    frame->SetMenu(menu);
    frame->SetWindowMenu(window);
    bar = new tk::TPanel(frame);
    bar->SetParent(frame);
    bar->SetHeight(30);
    bar->SetAlign(tk::TAlign::alTop);
    frame->Show();
    tk::testing::PumpMessages(20);
  }

  tk::TForm* NewChild(const std::string& caption, int x) {
    auto* child = new tk::TForm(nullptr);
    child->SetFormStyle(tk::TFormStyle::fsMDIChild);
    child->SetCaption(caption);
    child->SetBounds(x, 10, 240, 160);
    child->Show();
    tk::testing::PumpMessages(10);
    return child;
  }

  tk::TForm* frame = nullptr;
  tk::TPanel* bar = nullptr;
  tk::TMenuItem* window = nullptr;
};

TEST_F(MdiForms, TheFrameHoldsAnMdiClientInTheAreaItsAlignedControlsLeave) {
  MakeFrame();
  HWND client = frame->ClientHandle();
  ASSERT_NE(client, nullptr);
  EXPECT_EQ(GetParent(client), frame->Handle());
  EXPECT_EQ(_wcsicmp(ClassOf(client).c_str(), L"MDIClient"), 0);
  RECT r{};
  GetWindowRect(client, &r);
  MapWindowPoints(nullptr, frame->Handle(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.top, 30);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.right, frame->ClientWidth());
  EXPECT_EQ(r.bottom, frame->ClientHeight());

  // Resizing the frame keeps the client in the area below the panel.
  frame->SetBounds(40, 40, 700, 520);
  tk::testing::PumpMessages(10);
  GetWindowRect(client, &r);
  MapWindowPoints(nullptr, frame->Handle(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.top, 30);
  EXPECT_EQ(r.bottom, frame->ClientHeight());
  EXPECT_EQ(r.right, frame->ClientWidth());
}

TEST_F(MdiForms, ChildrenAreMadeInTheClientAndTheLastShownIsActive) {
  MakeFrame();
  EXPECT_EQ(frame->MDIChildCount(), 0);
  EXPECT_EQ(frame->ActiveMDIChild(), nullptr);
  tk::TForm* one = NewChild("One", 10);
  tk::TForm* two = NewChild("Two", 60);
  EXPECT_EQ(GetParent(one->Handle()), frame->ClientHandle());
  EXPECT_NE(GetWindowLongPtrW(two->Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD, 0);
  EXPECT_EQ(tk::TWinControl::FromHandle(one->Handle()), one);
  EXPECT_EQ(frame->MDIChildCount(), 2);
  EXPECT_EQ(frame->ActiveMDIChild(), two);
  EXPECT_EQ(frame->MDIChildren(0), two);
  EXPECT_EQ(frame->MDIChildren(1), one);
  EXPECT_EQ(one->Left(), 10);  // client coordinates

  int activated = 0, deactivated = 0;
  one->OnActivate = [&](tk::TObject*) { ++activated; };
  one->OnDeactivate = [&](tk::TObject*) { ++deactivated; };
  frame->Next();
  tk::testing::PumpMessages(10);
  EXPECT_EQ(frame->ActiveMDIChild(), one);
  EXPECT_EQ(activated, 1);
  frame->Previous();
  tk::testing::PumpMessages(10);
  EXPECT_EQ(frame->ActiveMDIChild(), two);
  EXPECT_EQ(deactivated, 1);

  frame->Cascade();
  tk::testing::PumpMessages(10);
  EXPECT_NE(one->Top(), two->Top());
  frame->SetTileMode(tk::TTileMode::tbVertical);
  frame->Tile();
  tk::testing::PumpMessages(10);
  // Side by side, each as high as the client.
  EXPECT_EQ(one->Top(), 0);
  EXPECT_EQ(two->Top(), 0);
  EXPECT_NE(one->Left(), two->Left());
}

TEST_F(MdiForms, MaximiseRestoreAndCloseGoThroughThePlatform) {
  MakeFrame();
  tk::TForm* one = NewChild("One", 10);
  tk::TForm* two = NewChild("Two", 60);
  SendMessageW(two->Handle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  tk::testing::PumpMessages(10);
  EXPECT_TRUE(IsZoomed(two->Handle()));
  RECT client{};
  GetClientRect(frame->ClientHandle(), &client);
  RECT childClient{};
  GetClientRect(two->Handle(), &childClient);
  EXPECT_EQ(childClient.right, client.right);
  // The platform puts the child's buttons into the frame's menu bar: more items than ours.
  EXPECT_GT(GetMenuItemCount(GetMenu(frame->Handle())), 2);

  SendMessageW(two->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  tk::testing::PumpMessages(10);
  EXPECT_FALSE(IsZoomed(two->Handle()));
  EXPECT_EQ(GetMenuItemCount(GetMenu(frame->Handle())), 2);

  bool closed = false;
  two->OnClose = [&](tk::TObject*, tk::TCloseAction&) { closed = true; };
  SendMessageW(two->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(tk::testing::PumpUntil([&] { return !OnScreen(two); }, 5000));
  EXPECT_TRUE(closed);
  EXPECT_EQ(frame->MDIChildCount(), 1);
  EXPECT_EQ(frame->ActiveMDIChild(), one);
}

TEST_F(MdiForms, TheWindowMenuListsTheChildrenAndItsEntriesActivateThem) {
  MakeFrame();
  tk::TForm* one = NewChild("One", 10);
  NewChild("Two", 60);
  HMENU list = window->Handle();
  // Our item, then a line and one entry per child, added by the client.
  ASSERT_EQ(GetMenuItemCount(list), 4);
  wchar_t text[64] = {};
  GetMenuStringW(list, 2, text, 64, MF_BYPOSITION);
  EXPECT_NE(std::wstring(text).find(L"One"), std::wstring::npos);
  SendMessageW(frame->Handle(), WM_COMMAND, GetMenuItemID(list, 2), 0);
  tk::testing::PumpMessages(10);
  EXPECT_EQ(frame->ActiveMDIChild(), one);
}

TEST_F(MdiForms, CtrlF6AndCtrlF4ReachTheChildrenFromTheKeyboard) {
  MakeFrame();
  tk::TForm* one = NewChild("One", 10);
  tk::TForm* two = NewChild("Two", 60);
  SetForegroundWindow(frame->Handle());
  SetFocus(two->Handle());
  tk::testing::PumpMessages(20);
  tk::testing::TapKeyWith(VK_CONTROL, VK_F6);
  ASSERT_TRUE(tk::testing::PumpUntil([&] { return frame->ActiveMDIChild() == one; }, 3000));
  tk::testing::TapKeyWith(VK_CONTROL, VK_F4);
  ASSERT_TRUE(tk::testing::PumpUntil([&] { return !OnScreen(one); }, 3000));
  EXPECT_EQ(frame->ActiveMDIChild(), two);
}

TEST_F(MdiForms, FreeingTheFrameFreesItsChildren) {
  MakeFrame();
  tk::TForm* one = NewChild("One", 10);
  tk::TForm* two = NewChild("Two", 60);
  bool oneGone = false, twoGone = false;
  one->OnDestroy = [&](tk::TObject*) { oneGone = true; };
  two->OnDestroy = [&](tk::TObject*) { twoGone = true; };
  tk::TComponent::Free(frame);
  EXPECT_TRUE(oneGone);
  EXPECT_TRUE(twoGone);
  EXPECT_FALSE(OnScreen(one));
  EXPECT_FALSE(OnScreen(two));
  frame = nullptr;
}

TEST_F(MdiForms, OpeningAndClosingFiftyTimesLeavesHandleCountsFlat) {
  MakeFrame();
  // One round first: classes registered, fonts, menus and the client's maximised-child buttons
  // made once.
  tk::TForm* warm = NewChild("Warm", 10);
  SendMessageW(warm->Handle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  tk::TComponent::Free(warm);
  tk::testing::PumpMessages(10);
  const int gdi = tk::testing::GdiObjectCount(), windows = tk::testing::ThreadWindowCount();
  for (int i = 0; i < 50; ++i) {
    tk::TForm* child = NewChild("Child", 10 + i);
    auto* panel = new tk::TPanel(child);
    panel->SetParent(child);
    panel->SetAlign(tk::TAlign::alClient);
    if (i % 2) SendMessageW(child->Handle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    child->Close();
    ASSERT_TRUE(tk::testing::PumpUntil([&] { return !OnScreen(child); }, 5000)) << i;
  }
  tk::testing::PumpMessages(20);
  EXPECT_EQ(frame->MDIChildCount(), 0);
  EXPECT_EQ(tk::testing::GdiObjectCount(), gdi);
  EXPECT_EQ(tk::testing::ThreadWindowCount(), windows);
  std::printf("MDI children, 50 open/close: GDI %d -> %d, windows %d -> %d\n", gdi, tk::testing::GdiObjectCount(), windows,
              tk::testing::ThreadWindowCount());
}

TEST_F(MdiForms, AChildKeepsTheBorderIconsItsFormGivesIt) {
  MakeFrame();
  auto* fixed = new tk::TForm(nullptr);
  fixed->SetFormStyle(tk::TFormStyle::fsMDIChild);
  fixed->SetBorderIcons({tk::TBorderIcon::biSystemMenu, tk::TBorderIcon::biMinimize});
  fixed->Show();
  tk::TForm* plain = NewChild("Plain", 60);
  const LONG_PTR fixedStyle = GetWindowLongPtrW(fixed->Handle(), GWL_STYLE);
  EXPECT_EQ(fixedStyle & WS_MAXIMIZEBOX, 0);
  EXPECT_NE(fixedStyle & WS_MINIMIZEBOX, 0);
  EXPECT_NE(fixedStyle & WS_CHILD, 0);
  EXPECT_NE(GetWindowLongPtrW(plain->Handle(), GWL_STYLE) & WS_MAXIMIZEBOX, 0);
}

TEST_F(MdiForms, AChildWithoutAFrameIsRefused) {
  auto* child = new tk::TForm(nullptr);
  child->SetFormStyle(tk::TFormStyle::fsMDIChild);
  EXPECT_THROW(child->Handle(), std::runtime_error);
  tk::TComponent::Free(child);
}

}  // namespace
