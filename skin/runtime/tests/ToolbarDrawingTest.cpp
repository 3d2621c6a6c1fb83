// A tool bar on a skinned form: the face picture behind it and the skin's button frames, read back
// from the screen.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

#include "ComCtrls.h"
#include "PainterRecorder.h"
#include "SkinnedFormFixture.h"

namespace {

COLORREF ButtonFrameColour(int frame) { return RGB(30 + 40 * frame, 210 - 30 * frame, 60 + 25 * frame); }

bool Near(COLORREF a, COLORREF b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

class ToolbarDrawingTest : public SkinnedFormTest {
 protected:
  void SkinWithToolBar() {
    skin_test::SolidSkinOptions options;
    options.extraDescription =
        "[Buttons]\nBitmap=tbbuttons.bmp\nLeftWidth=2\nRightWidth=2\nTopHeight=2\nBottomHeight=2\nTrans=0\nTile=0\n";
    options.extraMembers.push_back({"tbbuttons.bmp", skin_test::SolidStrip(12, 12, 5, false, ButtonFrameColour)});
    beforeSkin = [this](tk::TForm& f) {
      bar = new tk::TToolBar(&f);
      bar->SetName("Bar");
      bar->SetParent(&f);
      bar->SetHeight(40);
    };
    MakeSkinnedForm(400, 300, tk::TFormBorderStyle::bsSizeable, TSkinFormType::sfDialog, options);
    ASSERT_TRUE(bar->OnCustomDraw && bar->OnCustomDrawButton);
  }
  void Redraw() {
    RedrawWindow(bar->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    tk::testing::PumpMessages(30);
  }
  // The face picture's colour where the bar shows row y of its client area.
  COLORREF FaceAt(int y) {
    tk::TBitmap& face = skin->ToolbarFace->Bitmap;
    RECT client{};
    GetClientRect(bar->Handle(), &client);
    return GetPixel(face.Canvas().Handle(), face.Width() / 2, y * face.Height() / client.bottom);
  }
  void AddButtons() {
    TBBUTTON buttons[2] = {};
    buttons[0] = TBBUTTON{I_IMAGENONE, 101, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, -1};
    buttons[1] = TBBUTTON{I_IMAGENONE, 102, TBSTATE_ENABLED | TBSTATE_PRESSED, BTNS_BUTTON, {}, 0, -1};
    SendMessageW(bar->Handle(), TB_ADDBUTTONSW, 2, reinterpret_cast<LPARAM>(buttons));
  }
  COLORREF InsideButton(int index) {
    RECT r{};
    SendMessageW(bar->Handle(), TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return skin_test::WindowPixel(bar->Handle(), r.left + 4, r.top + 4);
  }

  PainterRecorder recorder;
  tk::TToolBar* bar = nullptr;
};

TEST_F(ToolbarDrawingTest, FacePictureIsStretchedOverTheBarUnlessSwitchedOff) {
  SkinWithToolBar();
  ASSERT_TRUE(skin->ToolbarFace);
  RECT client{};
  GetClientRect(bar->Handle(), &client);
  const int y = client.bottom - 3;
  const COLORREF face = FaceAt(y);
  // The program's component keeps the bar's own background by default.
  ASSERT_TRUE(skin->Options().Contains(TSkinOption::xoToolbarBK));
  Redraw();
  const COLORREF own = skin_test::WindowPixel(bar->Handle(), client.right / 2, y);
  ASSERT_FALSE(Near(own, face, 6)) << "the test needs a face that differs from the bar's colour";

  skin->SetOptions(skin->Options() - TSkinOptions{TSkinOption::xoToolbarBK});
  Redraw();
  EXPECT_TRUE(Near(skin_test::WindowPixel(bar->Handle(), client.right / 2, y), face, 6));
  EXPECT_TRUE(Near(skin_test::WindowPixel(bar->Handle(), 2, 2), FaceAt(2), 6));
}

TEST_F(ToolbarDrawingTest, ButtonFramesFollowTheButtonState) {
  SkinWithToolBar();
  AddButtons();
  Redraw();
  EXPECT_EQ(InsideButton(1), ButtonFrameColour(2));  // pressed
  for (int frame = 1; frame <= 5; ++frame) EXPECT_NE(InsideButton(0), ButtonFrameColour(frame)) << frame;

  SendMessageW(bar->Handle(), TB_SETHOTITEM, 0, 0);
  Redraw();
  EXPECT_EQ(InsideButton(0), ButtonFrameColour(4));  // hot
}

TEST_F(ToolbarDrawingTest, ButtonFramesOffWithTheirOption) {
  SkinWithToolBar();
  skin->SetOptions(skin->Options() + TSkinOptions{TSkinOption::xoToolbarButton});
  AddButtons();
  Redraw();
  for (int frame = 1; frame <= 5; ++frame) EXPECT_NE(InsideButton(1), ButtonFrameColour(frame)) << frame;
}

TEST_F(ToolbarDrawingTest, BarOutlivingItsFramePainterDrawsItsOwnButtons) {
  SkinWithToolBar();
  AddButtons();
  Redraw();
  ASSERT_EQ(InsideButton(1), ButtonFrameColour(2));
  TSkinManage::Destroy();  // every frame painter goes; the bar keeps the handlers it was given
  Redraw();
  for (int frame = 1; frame <= 5; ++frame) EXPECT_NE(InsideButton(1), ButtonFrameColour(frame)) << frame;
}

}  // namespace
