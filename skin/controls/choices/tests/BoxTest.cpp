// Panels (recoloured only), bare panel-like windows, size boxes, which painters the family makes
// for what, and captions read within bounds.
#include <algorithm>

#include "ChoiceFixture.h"
#include "ChoiceText.h"
#include "SkinBox.h"

using namespace choice_test;

namespace {

constexpr tk::TColor PanelColour = static_cast<tk::TColor>(RGB(170, 30, 90));

class BoxTest : public ChoiceTest {};

TEST_F(BoxTest, APanelIsRecolouredWithoutBeingTakenOverAndGetsItsColourBackOnUnskin) {
  Start();
  auto* panel = Place<tk::TPanel>(20, 20, 120, 60);
  panel->SetColor(PanelColour);
  panel->SetBevelOuter(tk::TPanelBevel::bvNone);
  HWND wnd = panel->Handle();
  const LONG_PTR procedure = GetWindowLongPtrW(wnd, GWLP_WNDPROC);
  auto* painter = SkinAs(TPainterKind::pkBox, panel, true);
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(painter->Control, panel);
  EXPECT_EQ(painter->Handle, wnd);
  EXPECT_TRUE(std::find(Painter()->PainterList().begin(), Painter()->PainterList().end(), painter) !=
              Painter()->PainterList().end());
  EXPECT_EQ(tk::ColorToRGB(panel->Color()), Face());
  EXPECT_FALSE(panel->ParentBackground());
  EXPECT_EQ(At(wnd, 60, 30), Face());
  // Messages still go straight to the panel.
  EXPECT_EQ(SendMessageW(wnd, SKM_ISSKINNED, 0, 0), 0);
  EXPECT_EQ(GetWindowLongPtrW(wnd, GWLP_WNDPROC), procedure);

  painter->Unskin();
  EXPECT_EQ(painter->State, bsUnskinned);
  EXPECT_EQ(panel->Color(), PanelColour);
  EXPECT_TRUE(panel->ParentBackground());
  EXPECT_EQ(At(wnd, 60, 30), tk::ColorToRGB(PanelColour));
}

TEST_F(BoxTest, APanelLeftAloneIsNotRestored) {
  Start();
  auto* panel = Place<tk::TPanel>(20, 20, 120, 60);
  panel->SetColor(PanelColour);
  auto* painter = SkinAs(TPainterKind::pkBox, panel, true);
  painter->State = bsLeft;
  painter->Unskin();
  EXPECT_EQ(tk::ColorToRGB(panel->Color()), Face());
  EXPECT_EQ(painter->State, bsUnskinned);
  // Without recolouring nothing changes either way.
  auto* other = Place<tk::TPanel>(20, 100, 120, 60);
  other->SetColor(PanelColour);
  auto* plain = SkinAs(TPainterKind::pkBox, other, false);
  EXPECT_EQ(other->Color(), PanelColour);
  plain->Unskin();
  EXPECT_EQ(other->Color(), PanelColour);
}

TEST_F(BoxTest, ABarePanelWindowIsErasedWithTheFaceAndHandsTheFaceBrushToItsChildren) {
  Start();
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  wc.lpszClassName = L"TolvaneBarePanel";
  RegisterClassW(&wc);
  HWND wnd = Child(L"TolvaneBarePanel", 0, 20, 20, 100, 60);
  ASSERT_EQ(At(wnd, 50, 30), RGB(0, 0, 0));
  auto* painter = SkinWindow(TPainterKind::pkBoxH, wnd);
  ASSERT_NE(painter, nullptr);
  InvalidateRect(wnd, nullptr, TRUE);
  EXPECT_EQ(At(wnd, 50, 30), Face());
  EXPECT_EQ(At(wnd, 99, 59), Face());
  HDC dc = GetDC(wnd);
  EXPECT_EQ(SendMessageW(wnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 0);
  ReleaseDC(wnd, dc);
  const LRESULT face = reinterpret_cast<LRESULT>(skin->FaceBrush.Get());
  EXPECT_EQ(SendMessageW(wnd, WM_CTLCOLORSCROLLBAR, 0, 0), face);
  EXPECT_EQ(SendMessageW(wnd, WM_CTLCOLORSTATIC, 0, 0), face);
  DestroyWindow(wnd);
}

TEST_F(BoxTest, ASizeBoxIsFilledWithTheFace) {
  Start();
  HWND wnd = Child(L"SCROLLBAR", SBS_SIZEBOX, 20, 20, 30, 30);
  auto* painter = SkinWindow(TPainterKind::pkSizer, wnd);
  ASSERT_NE(painter, nullptr);
  InvalidateRect(wnd, nullptr, TRUE);
  EXPECT_EQ(At(wnd, 15, 15), Face());
  EXPECT_EQ(At(wnd, 28, 28), Face());
  DestroyWindow(wnd);
}

TEST_F(BoxTest, TheFactoryMakesEachKindForWhatItCanServe) {
  Start();
  auto* label = Place<tk::TLabel>(20, 20, 60, 20);
  for (TPainterKind kind : {TPainterKind::pkCheckBox, TPainterKind::pkRadioButton, TPainterKind::pkGroupBox,
                            TPainterKind::pkStatusBar})
    EXPECT_EQ(SkinAs(kind, label), nullptr);
  auto* panel = Place<tk::TPanel>(20, 50, 60, 20);
  for (TPainterKind kind : {TPainterKind::pkBoxH, TPainterKind::pkSizer})
    EXPECT_EQ(SkinAs(kind, panel), nullptr);
  auto* box = SkinAs(TPainterKind::pkBox, panel);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->Owner(), panel);
  EXPECT_EQ(SkinWindow(TPainterKind::pkStatusBar, Wnd()), nullptr);
  EXPECT_EQ(SkinWindow(TPainterKind::pkBox, Wnd()), nullptr);
  EXPECT_EQ(SkinWindow(TPainterKind::pkCheckBox, nullptr), nullptr);
}

// A window that claims an enormous text and fills whatever buffer it is given.
LRESULT CALLBACK LyingTextProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_GETTEXTLENGTH) return 0x7FFFFFF0;
  if (msg == WM_GETTEXT) {
    auto* buffer = reinterpret_cast<wchar_t*>(lParam);
    if (!buffer || wParam == 0) return 0;
    for (WPARAM i = 0; i + 1 < wParam; ++i) buffer[i] = L'x';
    buffer[wParam - 1] = L'\0';
    return static_cast<LRESULT>(wParam - 1);
  }
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

TEST_F(BoxTest, WindowTextIsReadWithinBoundsWhateverTheWindowClaims) {
  Start();
  WNDCLASSW wc{};
  wc.lpfnWndProc = LyingTextProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TolvaneLyingText";
  RegisterClassW(&wc);
  HWND wnd = Child(L"TolvaneLyingText", 0, 20, 20, 200, 40);
  ASSERT_NE(wnd, nullptr);
  const std::wstring text = BoundedWindowText(wnd);
  EXPECT_EQ(text.size(), static_cast<size_t>(MaxCaptionLength));
  EXPECT_EQ(text.find_first_not_of(L'x'), std::wstring::npos);
  // A group box painter over it reads the same way, from its attach on, and paints.
  auto* painter = SkinWindow(TPainterKind::pkGroupBox, wnd);
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(painter->Caption.size(), static_cast<size_t>(MaxCaptionLength));
  InvalidateRect(wnd, nullptr, TRUE);
  EXPECT_EQ(At(wnd, 1, 30), Shadow());
  EXPECT_EQ(painter->Caption.size(), static_cast<size_t>(MaxCaptionLength));
  DestroyWindow(wnd);
  EXPECT_EQ(BoundedWindowText(nullptr), L"");
}

}  // namespace
