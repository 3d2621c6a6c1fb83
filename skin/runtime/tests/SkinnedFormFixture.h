// A toolkit form made in code and skinned with the solid test skin, as a stored layout would make
// it: its skin data component is loaded and then told that the form has been read.
#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "ScreenPixels.h"
#include "SkinManage.h"
#include "SkinMessages.h"
#include "SolidSkin.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"

class SkinnedFormTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterSkinRuntime(); }
  void TearDown() override {
    if (form) tk::TComponent::Free(form);
    form = nullptr;
    tk::testing::PumpMessages(20);
    // Each test starts with a manager of its own.
    TSkinManage::Destroy();
  }

  // A visible form of the given client size and border, skinned by a component of the given type.
  tk::TForm* MakeSkinnedForm(int clientWidth = 400, int clientHeight = 300,
                             tk::TFormBorderStyle border = tk::TFormBorderStyle::bsSizeable,
                             TSkinFormType type = TSkinFormType::sfDialog, const skin_test::SolidSkinOptions& options = {}) {
    form = new tk::TForm(nullptr);
    form->SetBorderStyle(border);
    form->SetCaption("Skinned");
    form->SetBounds(100, 100, clientWidth + 50, clientHeight + 50);
    form->SetClientSize(clientWidth, clientHeight);
    if (beforeSkin) beforeSkin(*form);
    PrepareForm(*form);
    skin = new TSkinData(form);
    EXPECT_TRUE(skin_test::LoadSolidSkin(*skin, options));
    skin->SetSkinFormtype(type);
    skin->SetActive(true);
    skin->Loaded();
    form->Show();
    tk::testing::PumpUntil([this] { return Painter() && Painter()->FrameState == fsRunning; }, 2000);
    tk::testing::PumpMessages(50);
    return form;
  }

  // Gives the form what a test needs before the skin takes it over (a menu, controls).
  virtual void PrepareForm(tk::TForm&) {}

  TWinSkinForm* Painter() const {
    TSkinManage* manager = TSkinManage::Instance();
    return manager && form && form->HandleAllocated() ? manager->FindForm(form->HandleIfAllocated()) : nullptr;
  }
  HWND Wnd() const { return form->HandleIfAllocated(); }
  SIZE WindowSize() const {
    RECT r{};
    GetWindowRect(Wnd(), &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
  }

  // Waits for the form's frame painter to finish attaching (a new one, or after a new window).
  bool WaitUntilSkinned(int timeoutMs = 2000) {
    return tk::testing::PumpUntil([this] { return Painter() && Painter()->FrameState == fsRunning; }, timeoutMs);
  }

  tk::TForm* form = nullptr;
  TSkinData* skin = nullptr;
  // Runs on the form before it is skinned (border icons, menus, controls, colour, a recorder below
  // the frame painter ...).
  std::function<void(tk::TForm&)> beforeSkin;
};
