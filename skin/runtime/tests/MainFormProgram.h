// A program whose main form carries a skin data component that serves every form (sfMainform),
// made in code the way a stored layout makes it, with the solid test skin. Its forms, message
// boxes and menu windows are skinned by the manager's hook as they appear.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "ScreenPixels.h"
#include "SkinManage.h"
#include "SkinMessages.h"
#include "SolidSkin.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"

class MainFormProgram : public ::testing::Test {
 protected:
  void SetUp() override { RegisterSkinRuntime(); }

  void TearDown() override {
    // Last made first: the main form, which carries the skin, goes last as in a program.
    for (auto it = forms.rbegin(); it != forms.rend(); ++it) tk::TComponent::Free(*it);
    forms.clear();
    tk::testing::PumpMessages(20);
    TSkinManage::Destroy();
  }

  // A form of the given client size at a place of its own on the screen; not shown yet.
  tk::TForm* NewForm(const std::string& caption, int x, int y, int clientWidth = 300, int clientHeight = 160) {
    auto* form = new tk::TForm(nullptr);
    form->SetCaption(caption);
    form->SetBounds(x, y, clientWidth + 20, clientHeight + 40);
    form->SetClientSize(clientWidth, clientHeight);
    forms.push_back(form);
    return form;
  }

  // A skin data component on `owner`, read as a stored layout reads it: settings, skin, Loaded.
  TSkinData* AddSkinData(tk::TForm* owner, TSkinFormType type = TSkinFormType::sfMainform, bool active = true,
                         const skin_test::SolidSkinOptions& options = {}) {
    auto* skin = new TSkinData(owner);
    skin->BeginRead();
    EXPECT_TRUE(skin_test::LoadSolidSkin(*skin, options));
    skin->SetSkinFormtype(type);
    skin->SetActive(active);
    skin->Loaded();
    return skin;
  }

  static TSkinManage& Manager() { return *TSkinManage::Instance(); }
  static TWinSkinForm* PainterOf(HWND wnd) {
    TSkinManage* manager = TSkinManage::Instance();
    return manager ? manager->FindForm(wnd) : nullptr;
  }
  static bool AnswersSkinned(HWND wnd) { return SendMessageW(wnd, SKM_ISSKINNED, 0, 0) == 1; }
  // Shows the form (it becomes the active window) and lets its messages run.
  static void ShowForm(tk::TForm* form) {
    form->Show();
    tk::testing::PumpMessages(30);
  }
  // Waits until the window's frame painter has finished attaching.
  static bool WaitAttached(HWND wnd) {
    return tk::testing::PumpUntil([wnd] { return PainterOf(wnd) && PainterOf(wnd)->FrameState == fsRunning; }, 10000);
  }
  static SIZE WindowSize(HWND wnd) {
    RECT r{};
    GetWindowRect(wnd, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
  }

  // The skin's borders on screen, active (frame 1) or inactive (frame 2): left, right, bottom and
  // the title band away from the caption text and the caption buttons.
  static void ExpectSolidFrame(HWND wnd, int frame) {
    const SIZE size = WindowSize(wnd);
    EXPECT_EQ(skin_test::WindowPixel(wnd, 1, size.cy / 2), skin_test::BorderColour(1, frame));
    EXPECT_EQ(skin_test::WindowPixel(wnd, size.cx - 2, size.cy / 2), skin_test::BorderColour(2, frame));
    EXPECT_EQ(skin_test::WindowPixel(wnd, size.cx / 2, size.cy - 2), skin_test::BorderColour(4, frame));
    EXPECT_EQ(skin_test::WindowPixel(wnd, size.cx / 2 + 40, 1), skin_test::BorderColour(3, frame));
  }
  // The window's frame has the skin's measures around its client area.
  static bool HasSkinMetrics(HWND wnd) {
    RECT window{}, client{};
    GetWindowRect(wnd, &window);
    GetClientRect(wnd, &client);
    POINT origin{0, 0};
    ClientToScreen(wnd, &origin);
    return origin.x - window.left == skin_test::LeftWidth && origin.y - window.top == skin_test::TitleHeight &&
           window.right - origin.x - client.right == skin_test::RightWidth &&
           window.bottom - origin.y - client.bottom == skin_test::BottomHeight;
  }

  std::vector<tk::TForm*> forms;
};
