// The edit painter: its flat frame, none on an edit without a border, bare edit windows, and the
// search for an up-down child.
#include <windows.h>
#include <commctrl.h>

#include "EditsFixture.h"
#include "SkinEdit.h"
#include "StdCtrls.h"

using namespace edits_test;
using skin_test::WindowPixel;

namespace {

constexpr COLORREF White = RGB(255, 255, 255);

// A window that claims far more text than it has.
LRESULT CALLBACK LyingTextProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_GETTEXTLENGTH:
      return 1 << 20;
    case WM_GETTEXT:
      if (wParam >= 3) lstrcpynW(reinterpret_cast<wchar_t*>(lParam), L"ab", 3);
      return 100000;
    default:
      return DefWindowProcW(wnd, msg, wParam, lParam);
  }
}

class EditPainterTest : public EditsTest {
 protected:
  void SetUp() override {
    EditsTest::SetUp();
    MakeForm();
  }
};

TEST_F(EditPainterTest, AnEditWithABorderGetsAShadowRingAndTwoWhiteRings) {
  auto* edit = Place<tk::TEdit>(20, 20, 120, 24);
  edit->SetText("text");
  HWND wnd = edit->Handle();
  EXPECT_NE(WindowPixel(wnd, 0, 12), ShadowColour());  // the platform's sunken border before
  ASSERT_NE(Skin(TPainterKind::pkEdit, edit), nullptr);
  const SIZE size = Size(wnd);
  EXPECT_EQ(PixelBecomes(wnd, 0, 12, ShadowColour()), ShadowColour());
  EXPECT_EQ(WindowPixel(wnd, size.cx - 1, 12), ShadowColour());
  EXPECT_EQ(WindowPixel(wnd, 60, 0), ShadowColour());
  EXPECT_EQ(WindowPixel(wnd, 60, size.cy - 1), ShadowColour());
  EXPECT_EQ(WindowPixel(wnd, 1, 12), White);
  EXPECT_EQ(WindowPixel(wnd, 2, 12), White);
  EXPECT_EQ(WindowPixel(wnd, 60, 1), White);
}

TEST_F(EditPainterTest, TheFrameComesBackAfterTheEditRepaintsItself) {
  auto* edit = Place<tk::TEdit>(20, 20, 120, 24);
  HWND wnd = edit->Handle();
  ASSERT_NE(Skin(TPainterKind::pkEdit, edit), nullptr);
  RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(PixelBecomes(wnd, 0, 12, ShadowColour()), ShadowColour());
  EXPECT_EQ(WindowPixel(wnd, 1, 12), White);
}

TEST_F(EditPainterTest, AnEditWithoutABorderGetsNoFrame) {
  auto* edit = Place<tk::TEdit>(20, 20, 120, 24);
  edit->SetBorderStyle(tk::TBorderStyle::bsNone);
  HWND wnd = edit->Handle();
  tk::testing::PumpMessages(30);
  const COLORREF before = WindowPixel(wnd, 0, 12);
  ASSERT_NE(Skin(TPainterKind::pkEdit, edit), nullptr);
  RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  tk::testing::PumpMessages(50);
  EXPECT_EQ(WindowPixel(wnd, 0, 12), before);
  EXPECT_NE(WindowPixel(wnd, 0, 12), ShadowColour());
}

TEST_F(EditPainterTest, ABareEditWindowIsFramedToo) {
  tk::UniqueWindow edit(CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"bare", WS_CHILD | WS_VISIBLE, 20, 60, 120, 24, Wnd(),
                                        nullptr, GetModuleHandleW(nullptr), nullptr));
  ASSERT_TRUE(edit);
  TSkinControl* painter = SkinWindowAs(TPainterKind::pkEdit, edit.Get(), Painter(), skin, &Painter()->PainterCanvas);
  ASSERT_NE(painter, nullptr);
  EXPECT_TRUE(painter->BareWindow());
  InvalidateRect(edit.Get(), nullptr, TRUE);
  EXPECT_EQ(PixelBecomes(edit.Get(), 0, 12, ShadowColour()), ShadowColour());
  EXPECT_EQ(WindowPixel(edit.Get(), 1, 12), White);
}

TEST_F(EditPainterTest, ABareWindowsTextIsReadWithinItsBufferWhateverLengthItClaims) {
  WNDCLASSW cls{};
  cls.lpfnWndProc = LyingTextProc;
  cls.hInstance = GetModuleHandleW(nullptr);
  cls.lpszClassName = L"TolvaneLyingText";
  RegisterClassW(&cls);
  tk::UniqueWindow liar(CreateWindowExW(WS_EX_CLIENTEDGE, L"TolvaneLyingText", L"", WS_CHILD | WS_VISIBLE, 20, 60, 120, 24,
                                        Wnd(), nullptr, GetModuleHandleW(nullptr), nullptr));
  ASSERT_TRUE(liar);
  TSkinControl* painter = SkinWindowAs(TPainterKind::pkEdit, liar.Get(), Painter(), skin, &Painter()->PainterCanvas);
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(painter->Caption, L"ab");
}

TEST_F(EditPainterTest, APickerIsNotMadeForABareWindow) {
  tk::UniqueWindow edit(CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 20, 60, 120, 24, Wnd(), nullptr,
                                        GetModuleHandleW(nullptr), nullptr));
  EXPECT_EQ(SkinWindowAs(TPainterKind::pkDateTime, edit.Get(), Painter(), skin, &Painter()->PainterCanvas), nullptr);
  EXPECT_EQ(SkinWindowAs(TPainterKind::pkComBoxEx, edit.Get(), Painter(), skin, &Painter()->PainterCanvas), nullptr);
}

TEST_F(EditPainterTest, AnUpDownChildIsFoundByItsClassNameAndOthersAreNot) {
  auto* edit = Place<tk::TEdit>(20, 20, 120, 24);
  HWND wnd = edit->Handle();
  tk::UniqueWindow other(CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, wnd, nullptr, GetModuleHandleW(nullptr), nullptr));
  EXPECT_EQ(FindUpDownChild(wnd), nullptr);
  tk::UniqueWindow spin(CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD, 0, 0, 10, 10, wnd, nullptr, GetModuleHandleW(nullptr), nullptr));
  ASSERT_TRUE(spin);
  EXPECT_EQ(FindUpDownChild(wnd), spin.Get());
}

TEST_F(EditPainterTest, AContainerCanHaveTheEditPaintItsTextIntoItsOwnDC) {
  auto* edit = Place<tk::TEdit>(20, 20, 120, 24);
  HWND wnd = edit->Handle();
  ASSERT_NE(Skin(TPainterKind::pkEdit, edit), nullptr);
  EXPECT_EQ(SendMessageW(wnd, SKM_PAINTEDITINTO, 0, 1), 0);  // not the engine's request
  tk::WindowDC screen(wnd);
  tk::UniqueDC memory(CreateCompatibleDC(screen.Get()));
  tk::UniqueBitmapHandle picture(CreateCompatibleBitmap(screen.Get(), 200, 40));
  tk::SelectGuard selected(memory.Get(), picture.Get());
  EXPECT_EQ(SendMessageW(wnd, SKM_PAINTEDITINTO, reinterpret_cast<WPARAM>(memory.Get()), SkinRequestKey), SkinRequestKey);
}

}  // namespace
