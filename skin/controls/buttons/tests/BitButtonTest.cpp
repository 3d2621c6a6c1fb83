// The bit button painter on real bit buttons: glyph placement, the disabled glyph (embossed from a
// single frame, or the strip's second frame), and the owner-drawn button's own drawing kept off
// the screen while the painter is attached.
#include <memory>

#include "ButtonDrawing.h"
#include "Buttons.h"
#include "ButtonsTestFixture.h"
#include "GuiTestSupport.h"
#include "SkinBitButton.h"

using tk::testing::PumpMessages;

namespace {

constexpr COLORREF GlyphKey = RGB(255, 0, 255);
constexpr COLORREF FirstGlyphColour = RGB(250, 120, 0);
constexpr COLORREF SecondGlyphColour = RGB(0, 120, 250);
constexpr int GlyphSize = 16;

// A strip of frames 16 x 16: magenta around a solid square 4..11.
std::unique_ptr<tk::TBitmap> GlyphStrip(int frames) {
  auto strip = std::make_unique<tk::TBitmap>(GlyphSize * frames, GlyphSize, tk::TPixelFormat::pf24bit);
  HDC dc = strip->Canvas().Handle();
  FillColor(dc, RECT{0, 0, GlyphSize * frames, GlyphSize}, tk::clFuchsia);
  for (int f = 0; f < frames; ++f) {
    const COLORREF c = f == 0 ? FirstGlyphColour : SecondGlyphColour;
    FillColor(dc, RECT{f * GlyphSize + 4, 4, f * GlyphSize + 12, 12}, static_cast<tk::TColor>(c));
  }
  return strip;
}

class BitButtonTest : public ButtonsTest {
 protected:
  tk::TBitBtn* MakeBitButton(int frames, const char* caption = "") {
    auto* button = Add<tk::TBitBtn>(20, 20, 100, 40);
    button->SetCaption(caption);
    button->SetMargin(-1);
    button->SetSpacing(-1);
    auto glyph = GlyphStrip(frames);
    button->SetGlyph(glyph.get());
    button->SetNumGlyphs(frames);
    return button;
  }
};

}  // namespace


TEST_F(BitButtonTest, GlyphAloneIsCentred) {
  tk::TBitBtn* button = MakeBitButton(1);
  SkinAs(TPainterKind::pkBitButton, button);
  const int x = (100 - GlyphSize) / 2, y = (40 - GlyphSize + 1) / 2;
  EXPECT_EQ(PixelOf(button, x + 8, y + 8), FirstGlyphColour);
  EXPECT_EQ(PixelOf(button, x + 3, y + 8), Frame(bfNormal));  // the key colour shows the frame
  EXPECT_EQ(PixelOf(button, x + 4, y + 8), FirstGlyphColour);
}

TEST_F(BitButtonTest, GlyphAndCaptionShareTheWidthInThree) {
  tk::TBitBtn* button = MakeBitButton(1, "Go on");
  SkinAs(TPainterKind::pkBitButton, button);
  // The caption measured as a button measures it: in the room the glyph leaves, with its font.
  tk::WindowDC screen(nullptr);
  tk::SelectGuard font(screen.Get(), button->Font().Handle());
  RECT box{2, 2, 100 - 2 - (GlyphSize + 2), 40 - 2};
  DrawTextW(screen.Get(), L"Go on", 5, &box, DT_CALCRECT | DT_WORDBREAK);
  const int tw = box.right - box.left;
  const int margin = (100 - (GlyphSize + tw)) / 3;
  const int y = (40 - GlyphSize + 1) / 2;
  EXPECT_EQ(PixelOf(button, margin + 4, y + 8), FirstGlyphColour);
  EXPECT_EQ(PixelOf(button, margin + 3, y + 8), Frame(bfNormal));
}

TEST_F(BitButtonTest, DisabledSingleGlyphIsEmbossed) {
  tk::TBitBtn* button = MakeBitButton(1);
  SkinAs(TPainterKind::pkBitButton, button);
  button->SetEnabled(false);
  const int x = (100 - GlyphSize) / 2, y = (40 - GlyphSize + 1) / 2;
  EXPECT_EQ(FrameColourOf(button), Frame(bfDisabled));
  EXPECT_EQ(PixelOf(button, x + 8, y + 8), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(PixelOf(button, x + 12, y + 8), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(PixelOf(button, x + 2, y + 8), Frame(bfDisabled));
}

TEST_F(BitButtonTest, DisabledTwoFrameGlyphShowsItsSecondFrame) {
  tk::TBitBtn* button = MakeBitButton(2);
  SkinAs(TPainterKind::pkBitButton, button);
  const int x = (100 - GlyphSize) / 2, y = (40 - GlyphSize + 1) / 2;
  EXPECT_EQ(PixelOf(button, x + 8, y + 8), FirstGlyphColour);
  button->SetEnabled(false);
  EXPECT_EQ(PixelOf(button, x + 8, y + 8), SecondGlyphColour);
}

TEST_F(BitButtonTest, DisabledGlyphPictureIsEmbossedGrey) {
  auto glyph = GlyphStrip(1);
  auto disabled = CreateDisabledGlyph(*glyph);
  ASSERT_EQ(disabled->Width(), GlyphSize);
  ASSERT_EQ(disabled->Height(), GlyphSize);
  EXPECT_EQ(disabled->PixelAt(0, 15), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(disabled->PixelAt(4, 4), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(disabled->PixelAt(12, 12), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(disabled->PixelAt(13, 13), GetSysColor(COLOR_BTNFACE));
}

// The system asks the parent to draw an owner-drawn button (focus, state): the painter answers,
// so the button's native look never reaches the screen in between.
TEST_F(BitButtonTest, OwnerDrawRequestsAreAnsweredByThePainter) {
  tk::TBitBtn* button = MakeBitButton(1, "Go");
  HWND wnd = button->Handle();
  auto drawItem = [&] {
    tk::TBitmap target(100, 40, tk::TPixelFormat::pf24bit);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(wnd));
    item.itemAction = ODA_DRAWENTIRE;
    item.hwndItem = wnd;
    item.hDC = target.Canvas().Handle();
    item.rcItem = RECT{0, 0, 100, 40};
    SendMessageW(Wnd(), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    return target.PixelAt(4, 4);
  };
  ASSERT_NE(GetDlgCtrlID(wnd), 0);
  EXPECT_NE(drawItem(), Frame(bfNormal));  // the toolkit's own drawing
  SkinAs(TPainterKind::pkBitButton, button);
  EXPECT_EQ(drawItem(), Frame(bfNormal));
}

TEST_F(BitButtonTest, OwnerDrawnButtonDoesNotEraseBeforeItDraws) {
  tk::TBitBtn* button = MakeBitButton(1);
  HWND wnd = button->Handle();
  tk::TBitmap target(100, 40, tk::TPixelFormat::pf24bit);
  FillColor(target.Canvas().Handle(), RECT{0, 0, 100, 40}, static_cast<tk::TColor>(RGB(1, 2, 3)));
  EXPECT_EQ(SendMessageW(wnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(target.Canvas().Handle()), 0), 1);
  EXPECT_EQ(target.PixelAt(10, 10), RGB(1, 2, 3));
}

TEST_F(BitButtonTest, PictureVariantDrawsTheNamedPicture) {
  tk::TBitBtn* button = MakeBitButton(2);
  auto* painter = new TSkinBitButton(button);
  painter->ImageProperty = "Glyph";  // any published picture property will do
  button->HandleNeeded();
  painter->Attach(Painter(), skin, false, &Painter()->PainterCanvas);
  // The whole picture is the glyph: no division into frames, so both squares show.
  const int x = (100 - 2 * GlyphSize) / 2, y = (40 - GlyphSize + 1) / 2;
  EXPECT_EQ(PixelOf(button, x + 8, y + 8), FirstGlyphColour);
  EXPECT_EQ(PixelOf(button, x + GlyphSize + 8, y + 8), SecondGlyphColour);
}
