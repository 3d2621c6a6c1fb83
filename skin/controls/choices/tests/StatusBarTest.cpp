// Status bars: panel frames from the skin's edges (or bevels), the texts every panel gets, simple
// mode, the size grip and the draw-panel handler.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "ChoiceFixture.h"
#include "ComCtrls.h"
#include "SkinStatusBar.h"

using namespace choice_test;

namespace {

// Logs every text the painter draws.
class RecordingStatusBar : public TSkinStatusBar {
 public:
  using TSkinStatusBar::TSkinStatusBar;
  std::vector<std::wstring> texts;
  std::vector<TTextAlign> aligns;

 protected:
  void DrawPanelText(HDC dc, const std::wstring& text, const RECT& rect, TTextAlign align, bool rightToLeft) override {
    texts.push_back(text);
    aligns.push_back(align);
    TSkinStatusBar::DrawPanelText(dc, text, rect, align, rightToLeft);
  }
};

constexpr int PanelWidth = 100;

class StatusBarTest : public ChoiceTest {
 protected:
  tk::TStatusBar* Bar(int panels) {
    auto* bar = new tk::TStatusBar(form);
    bar->SetParent(form);
    const tk::TStatusPanelBevel bevels[] = {tk::TStatusPanelBevel::pbLowered, tk::TStatusPanelBevel::pbRaised,
                                           tk::TStatusPanelBevel::pbNone};
    for (int i = 0; i < panels; ++i) {
      auto* panel = static_cast<tk::TStatusPanel*>(bar->Panels().Add());
      panel->SetWidth(PanelWidth);
      panel->SetBevel(bevels[i % 3]);
    }
    bar->Handle();
    return bar;
  }
  RecordingStatusBar* Skin(tk::TStatusBar* bar) {
    auto* painter = new RecordingStatusBar(bar);
    painter->Attach(Painter(), skin, false, &Painter()->PainterCanvas);
    return painter;
  }
  // Repaints now and returns what the painter drew.
  static std::vector<std::wstring> Repainted(tk::TStatusBar* bar, RecordingStatusBar* painter) {
    painter->texts.clear();
    InvalidateRect(bar->Handle(), nullptr, TRUE);
    UpdateWindow(bar->Handle());
    return painter->texts;
  }
  static int MidY(HWND wnd) { return ClientSize(wnd).cy / 2; }
};

TEST_F(StatusBarTest, PanelsAreFramedByTheirBevelsFrameAndTheLastReachesTheRightEdge) {
  Start();
  tk::TStatusBar* bar = Bar(3);
  ASSERT_NE(SkinAs(TPainterKind::pkStatusBar, bar), nullptr);
  HWND wnd = bar->Handle();
  const int y = MidY(wnd);
  const int w = ClientSize(wnd).cx;
  ASSERT_GT(w, 3 * PanelWidth + 20);
  EXPECT_EQ(At(wnd, PanelWidth / 2, y), EdgeColour(1));
  EXPECT_EQ(At(wnd, PanelWidth + PanelWidth / 2, y), EdgeColour(2));
  EXPECT_EQ(At(wnd, 2 * PanelWidth + PanelWidth / 2, y), EdgeColour(3));
  // The last panel spans to the edge, under the size grip's row.
  EXPECT_EQ(At(wnd, w - 30, 2), EdgeColour(3));
}

TEST_F(StatusBarTest, EveryTextPanelGetsItsTextAndAnEmptyOneASingleSpace) {
  Start();
  tk::TStatusBar* bar = Bar(3);
  bar->Panel(0)->SetText("12 words");
  bar->Panel(2)->SetText("tail");
  bar->Panel(2)->SetAlignment(tk::TAlignment::taCenter);
  RecordingStatusBar* painter = Skin(bar);
  EXPECT_EQ(Repainted(bar, painter), (std::vector<std::wstring>{L"12 words", L" ", L"tail"}));
  EXPECT_EQ(painter->aligns.back(), TSkinStatusBar::taCentre);
  bar->Panel(0)->SetText("13 words");
  EXPECT_EQ(Repainted(bar, painter).front(), L"13 words");
  // An owner-drawn panel gets no text.
  bar->Panel(1)->SetStyle(tk::TStatusPanelStyle::psOwnerDraw);
  EXPECT_EQ(Repainted(bar, painter), (std::vector<std::wstring>{L"13 words", L"tail"}));
}

TEST_F(StatusBarTest, TextsAreDrawnInTheEdgesTextColour) {
  Start();
  tk::TStatusBar* bar = Bar(1);
  bar->Panel(0)->SetText("WWWWWWWW");
  SkinAs(TPainterKind::pkStatusBar, bar);
  HWND wnd = bar->Handle();
  tk::testing::PumpMessages(30);
  int inked = 0;
  for (int x = 0; x < 120; ++x)
    for (int y = 0; y < ClientSize(wnd).cy; ++y)
      if (PixelNow(wnd, x, y) == EdgeTextColour) ++inked;
  EXPECT_GT(inked, 10);
}

TEST_F(StatusBarTest, SimpleModeIsOneLoweredPanelWithTheSimpleText) {
  Start();
  tk::TStatusBar* bar = Bar(3);
  bar->SetSimpleText("");
  bar->SetSimplePanel(true);
  RecordingStatusBar* painter = Skin(bar);
  EXPECT_EQ(Repainted(bar, painter), (std::vector<std::wstring>{L" "}));
  HWND wnd = bar->Handle();
  EXPECT_EQ(At(wnd, PanelWidth + PanelWidth / 2, MidY(wnd)), EdgeColour(1));
  EXPECT_EQ(At(wnd, 2 * PanelWidth + PanelWidth / 2, MidY(wnd)), EdgeColour(1));
  bar->SetSimpleText("simple");
  EXPECT_EQ(Repainted(bar, painter), (std::vector<std::wstring>{L"simple"}));
  // No panels at all: simple too.
  tk::TStatusBar* empty = Bar(0);
  RecordingStatusBar* emptyPainter = Skin(empty);
  EXPECT_EQ(Repainted(empty, emptyPainter), (std::vector<std::wstring>{L" "}));
}

TEST_F(StatusBarTest, WithoutEdgesPanelsGetBevels) {
  Start({.statusBarEdges = false});
  tk::TStatusBar* bar = Bar(3);
  SkinAs(TPainterKind::pkStatusBar, bar);
  HWND wnd = bar->Handle();
  RECT lowered{}, raised{};
  SendMessageW(wnd, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&lowered));
  SendMessageW(wnd, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&raised));
  const COLORREF light = skin_test::TableColour(scButtonHilight);
  EXPECT_EQ(At(wnd, lowered.left + 10, lowered.top), Shadow());
  EXPECT_EQ(At(wnd, lowered.left + 10, lowered.bottom - 1), light);
  EXPECT_EQ(At(wnd, raised.left + 10, raised.top), light);
  EXPECT_EQ(At(wnd, raised.left + 10, raised.bottom - 1), Shadow());
  EXPECT_EQ(At(wnd, lowered.left + 10, MidY(wnd)), Face());
}

TEST_F(StatusBarTest, TheSizeGripIsFrameFiveOfTheExtraImagesOnePixelInsideTheCorner) {
  Start();
  tk::TStatusBar* bar = Bar(1);
  HWND wnd = bar->Handle();
  ASSERT_TRUE(GetWindowLongPtrW(wnd, GWL_STYLE) & SBARS_SIZEGRIP);
  SkinAs(TPainterKind::pkStatusBar, bar);
  const SIZE size = ClientSize(wnd);
  EXPECT_EQ(At(wnd, size.cx - 2, size.cy - 2), ExtraColour(5));
  EXPECT_EQ(At(wnd, size.cx - 11, size.cy - 11), ExtraColour(5));
  EXPECT_NE(At(wnd, size.cx - 1, size.cy - 1), ExtraColour(5));
  EXPECT_NE(At(wnd, size.cx - 12, size.cy - 2), ExtraColour(5));
}

TEST_F(StatusBarTest, TheDrawPanelHandlerIsCalledForEveryPanelWithItsRectangleInset) {
  Start();
  tk::TStatusBar* bar = Bar(3);
  std::vector<RECT> rects;
  bar->OnDrawPanel = [&](tk::TStatusBar*, tk::TStatusPanel*, const RECT& r) { rects.push_back(r); };
  SkinAs(TPainterKind::pkStatusBar, bar);
  tk::testing::PumpMessages(30);
  rects.clear();
  InvalidateRect(bar->Handle(), nullptr, TRUE);
  UpdateWindow(bar->Handle());
  ASSERT_EQ(rects.size(), 3u);
  RECT first{};
  SendMessageW(bar->Handle(), SB_GETRECT, 0, reinterpret_cast<LPARAM>(&first));
  EXPECT_EQ(rects[0].left, first.left + 2);
  EXPECT_EQ(rects[0].top, first.top + 2);
  EXPECT_EQ(rects[0].right, first.right - 2);
  EXPECT_EQ(rects[0].bottom, first.bottom - 2);
}

TEST_F(StatusBarTest, StatusBarsShareOneBitmapAndAThousandRepaintsLeaveHandleCountsFlat) {
  Start();
  tk::TStatusBar* one = Bar(3);
  tk::TStatusBar* two = Bar(2);
  two->SetAlign(tk::TAlign::alTop);
  SkinAs(TPainterKind::pkStatusBar, one);
  SkinAs(TPainterKind::pkStatusBar, two);
  auto repaint = [&] {
    for (tk::TStatusBar* bar : {one, two}) {
      InvalidateRect(bar->Handle(), nullptr, TRUE);
      UpdateWindow(bar->Handle());
    }
  };
  repaint();
  tk::testing::PumpMessages(20);
  const int gdi = tk::testing::GdiObjectCount();
  const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  for (int i = 0; i < 1000; ++i) {
    one->Panel(0)->SetText(std::to_string(i));
    repaint();
  }
  tk::testing::PumpMessages(20);
  EXPECT_EQ(tk::testing::GdiObjectCount(), gdi);
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), user);
  EXPECT_EQ(TSkinStatusBar::SharedBitmapSize().cx, ClientSize(two->Handle()).cx);
}

}  // namespace
