// The control painter base on real windows under Wine: a test painter that paints its control one
// solid colour shows, pixel by pixel and message by message, how a painter takes a control over,
// follows it to new windows, stops and starts, and lets go in every order of freeing.
#include <functional>
#include <string>
#include <vector>

#include "ExtCtrls.h"
#include "SkinnedFormFixture.h"
#include "StdCtrls.h"
#include "WinSubClass.h"

using namespace skin_test;
using tk::testing::PumpMessages;

namespace {

constexpr COLORREF PainterColour = RGB(20, 200, 40);
constexpr UINT WM_PROBE = WM_USER + 77;

// Paints its whole window PainterColour and logs what it sees into a shared log.
class SolidPainter : public TSkinControl {
 public:
  SolidPainter(tk::TComponent* owner, std::vector<std::string>* log = nullptr, int* destroyed = nullptr)
      : TSkinControl(owner), log_(log), destroyed_(destroyed) {}
  ~SolidPainter() override {
    if (destroyed_) ++*destroyed_;
  }
  bool BeforeMessage(tk::TMessage& msg) override {
    if (log_ && msg.Msg == WM_PROBE) log_->push_back("before");
    if (throwBefore && msg.Msg == WM_PROBE) throw std::runtime_error("painter");
    return TSkinControl::BeforeMessage(msg);
  }
  void AfterMessage(tk::TMessage& msg) override {
    if (log_ && msg.Msg == WM_PROBE) log_->push_back("after");
    TSkinControl::AfterMessage(msg);
  }
  void Draw(HDC dc, const RECT& rect) override {
    ++draws;
    if (throwInDraw) throw std::runtime_error("draw");
    FillColor(dc, rect, PainterColour);
  }
  int draws = 0;
  bool throwInDraw = false;
  bool throwBefore = false;

 private:
  std::vector<std::string>* log_;
  int* destroyed_;
};

class PainterBaseTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    MakeSkinnedForm(400, 300);
    ASSERT_NE(Painter(), nullptr);
  }

  tk::TButton* MakeButton(int left = 20, int top = 20) {
    auto* button = new tk::TButton(form);
    button->SetParent(form);
    button->SetBounds(left, top, 120, 40);
    button->Handle();
    return button;
  }
  SolidPainter* Skin(tk::TControl* control, std::vector<std::string>* log = nullptr, int* destroyed = nullptr) {
    auto* painter = new SolidPainter(control, log, destroyed);
    painter->Attach(Painter(), skin, false, &Painter()->PainterCanvas);
    return painter;
  }
  // The colour shown at the middle of a window, after its pending paints.
  static COLORREF MiddleOf(HWND wnd) {
    PumpMessages(30);
    RECT r{};
    GetWindowRect(wnd, &r);
    return ScreenPixel((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
  // Logs and counters that painters still attached in TearDown may write to.
  std::vector<std::string> log;
  int destroyed = 0;

  bool Listed(TSkinControl* painter) const {
    const auto& list = Painter()->PainterList();
    return std::find(list.begin(), list.end(), painter) != list.end();
  }
};

TEST_F(PainterBaseTest, MessagesGoThroughBeforeMessageThenTheControlThenAfterMessage) {
  tk::TButton* button = MakeButton();
  // The control's own procedure, as the painter will find it (it outlives this test's locals).
  button->WindowProc = [this, own = button->WindowProc](tk::TMessage& m) {
    own(m);
    if (m.Msg == WM_PROBE) {
      log.push_back("control");
      m.Result = 5;
    }
  };
  Skin(button, &log);
  EXPECT_EQ(SendMessageW(button->Handle(), WM_PROBE, 0, 0), 5);
  EXPECT_EQ(log, (std::vector<std::string>{"before", "control", "after"}));
}

TEST_F(PainterBaseTest, PaintsItsControlOnWmPaintAndAnswersThatItIsSkinned) {
  tk::TButton* button = MakeButton();
  const COLORREF native = MiddleOf(button->Handle());
  ASSERT_NE(native, PainterColour);
  EXPECT_EQ(SendMessageW(button->Handle(), SKM_ISSKINNED, 0, 0), 0);
  SolidPainter* painter = Skin(button);
  EXPECT_EQ(MiddleOf(button->Handle()), PainterColour);
  EXPECT_GT(painter->draws, 0);
  EXPECT_EQ(SendMessageW(button->Handle(), SKM_ISSKINNED, 0, 0), 1);
  EXPECT_TRUE(Listed(painter));
  EXPECT_EQ(painter->State, psAttached);
  EXPECT_TRUE(painter->IsEnabled);
}

TEST_F(PainterBaseTest, ASecondAttachChangesNothing) {
  tk::TButton* button = MakeButton();
  SolidPainter* painter = Skin(button, &log);
  TSkinData other(nullptr);
  painter->Attach(nullptr, &other, true, nullptr);
  EXPECT_EQ(painter->SkinData, skin);
  EXPECT_EQ(painter->Form, Painter());
  EXPECT_FALSE(painter->Recolour);
  SendMessageW(button->Handle(), WM_PROBE, 0, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"before", "after"}));  // taken over once, not twice
}

TEST_F(PainterBaseTest, SetActiveZeroStopsPaintingAndOneRepaintsAtOnce) {
  tk::TButton* button = MakeButton();
  SolidPainter* painter = Skin(button, &log);
  HWND wnd = button->Handle();
  ASSERT_EQ(MiddleOf(wnd), PainterColour);
  EXPECT_EQ(SendMessageW(wnd, SKM_SETACTIVE, 0, 0), 0);
  EXPECT_FALSE(painter->Active);
  InvalidateRect(wnd, nullptr, TRUE);
  EXPECT_NE(MiddleOf(wnd), PainterColour);
  SendMessageW(wnd, WM_PROBE, 0, 0);
  EXPECT_TRUE(log.empty());  // transparent to every message
  EXPECT_EQ(SendMessageW(wnd, SKM_ISSKINNED, 0, 0), 0);
  const int draws = painter->draws;
  SendMessageW(wnd, SKM_SETACTIVE, 1, 0);
  EXPECT_GT(painter->draws, draws);  // painted before the message returned, nothing pumped
  EXPECT_EQ(MiddleOf(wnd), PainterColour);
  EXPECT_EQ(SendMessageW(wnd, SKM_ISSKINNED, 0, 0), 1);
}

TEST_F(PainterBaseTest, APaintingFailureIsSwallowedAndTheControlsOwnFailuresPassThrough) {
  tk::TButton* button = MakeButton();
  button->WindowProc = [own = button->WindowProc](tk::TMessage& m) {
    if (m.Msg == WM_PROBE && m.WParam == 1) throw std::runtime_error("control");
    own(m);
  };
  SolidPainter* painter = Skin(button);
  painter->throwInDraw = true;
  painter->PaintNow(nullptr);
  tk::TMessage paint{WM_PAINT, 0, 0, 0};
  painter->PaintWithBeginPaint(paint);
  EXPECT_EQ(painter->draws, 2);
  EXPECT_THROW(button->Perform(WM_PROBE, 1, 0), std::runtime_error);
  painter->throwBefore = true;
  EXPECT_NO_THROW(button->Perform(WM_PROBE, 0, 0));
}

TEST_F(PainterBaseTest, ABareWindowIsSubclassedAndGivenBackWhenThePainterGoes) {
  for (const wchar_t* cls : {L"STATIC", L"BUTTON"}) {
    HWND wnd = CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE, 200, 150, 100, 40, Wnd(), nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(wnd, nullptr);
    const LONG_PTR original = GetWindowLongPtrW(wnd, GWLP_WNDPROC);
    const COLORREF native = MiddleOf(wnd);
    ASSERT_NE(native, PainterColour);
    auto* painter = new SolidPainter(nullptr);
    painter->AttachWindow(wnd, skin, Painter(), &Painter()->PainterCanvas);
    EXPECT_TRUE(painter->BareWindow());
    EXPECT_EQ(painter->Control, nullptr);
    EXPECT_TRUE(Listed(painter));
    EXPECT_NE(GetWindowLongPtrW(wnd, GWLP_WNDPROC), original);
    EXPECT_EQ(MiddleOf(wnd), PainterColour);
    EXPECT_EQ(SendMessageW(wnd, SKM_ISSKINNED, 0, 0), 1);
    tk::TComponent::Free(painter);
    EXPECT_EQ(GetWindowLongPtrW(wnd, GWLP_WNDPROC), original);
    EXPECT_EQ(SendMessageW(wnd, SKM_ISSKINNED, 0, 0), 0);
    InvalidateRect(wnd, nullptr, TRUE);
    EXPECT_EQ(MiddleOf(wnd), native);
    DestroyWindow(wnd);
  }
}

TEST_F(PainterBaseTest, ABareWindowDestroyedUnderItsPainterLeavesItMarked) {
  HWND wnd = CreateWindowExW(0, L"STATIC", L"x", WS_CHILD | WS_VISIBLE, 200, 150, 100, 40, Wnd(), nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  auto* painter = new SolidPainter(nullptr);
  painter->AttachWindow(wnd, skin, Painter(), &Painter()->PainterCanvas);
  EXPECT_EQ(painter->Caption, L"x");
  DestroyWindow(wnd);
  EXPECT_EQ(painter->State, psWindowDestroyed);
  EXPECT_EQ(painter->Handle, nullptr);
  EXPECT_EQ(Painter()->PainterOf(wnd), nullptr);
  EXPECT_FALSE(painter->Active);
  EXPECT_FALSE(painter->BareWindow());
  tk::TComponent::Free(painter);
  EXPECT_TRUE(Painter()->PainterList().empty());
}

TEST_F(PainterBaseTest, APainterFreedBeforeItsControlGivesTheControlBack) {
  tk::TButton* button = MakeButton();
  SolidPainter* painter = Skin(button, &log, &destroyed);
  tk::TComponent::Free(painter);
  EXPECT_EQ(destroyed, 1);
  EXPECT_FALSE(Listed(painter));
  EXPECT_EQ(button->ComponentCount(), 0);
  EXPECT_EQ(SendMessageW(button->Handle(), SKM_ISSKINNED, 0, 0), 0);
  SendMessageW(button->Handle(), WM_PROBE, 0, 0);
  EXPECT_TRUE(log.empty());
  InvalidateRect(button->Handle(), nullptr, TRUE);
  EXPECT_NE(MiddleOf(button->Handle()), PainterColour);
  tk::TComponent::Free(button);  // and the control goes later without touching the painter
}

TEST_F(PainterBaseTest, AControlFreedOrDeletedTakesItsPainterAlong) {
  for (bool viaFree : {true, false}) {
    tk::TButton* button = MakeButton();
    destroyed = 0;
    SolidPainter* painter = Skin(button, nullptr, &destroyed);
    ASSERT_TRUE(Listed(painter));
    HWND wnd = button->Handle();
    if (viaFree) tk::TComponent::Free(button);
    else delete button;
    EXPECT_EQ(destroyed, 1);
    EXPECT_FALSE(Listed(painter));
    EXPECT_FALSE(IsWindow(wnd));
  }
  EXPECT_TRUE(Painter()->PainterList().empty());
}

TEST_F(PainterBaseTest, AFramePainterFreedBeforeItsPaintersFreesThemAndGivesTheControlsBack) {
  tk::TButton* first = MakeButton(20, 20);
  tk::TButton* second = MakeButton(20, 80);
  Skin(first, nullptr, &destroyed);
  Skin(second, nullptr, &destroyed);
  TWinSkinForm* framePainter = Painter();
  tk::TComponent::Free(framePainter);
  EXPECT_EQ(destroyed, 2);
  EXPECT_EQ(TSkinManage::Instance()->FindForm(Wnd()), nullptr);
  EXPECT_TRUE(TSkinManage::Instance()->Forms.empty());
  EXPECT_EQ(SendMessageW(Wnd(), SKM_ISSKINNED, 0, 0), 0);
  for (tk::TButton* b : {first, second}) {
    EXPECT_EQ(SendMessageW(b->Handle(), SKM_ISSKINNED, 0, 0), 0);
    EXPECT_EQ(b->ComponentCount(), 0);
  }
  RECT client{};
  GetClientRect(Wnd(), &client);
  EXPECT_EQ(client.right, 400);
  EXPECT_EQ(client.bottom, 300);
}

TEST_F(PainterBaseTest, AFormFreedWithItsPaintersLeavesTheManagersListExact) {
  tk::TButton* button = MakeButton();
  Skin(button, nullptr, &destroyed);
  delete form;  // directly, not through Free
  form = nullptr;
  EXPECT_EQ(destroyed, 1);
  EXPECT_TRUE(TSkinManage::Instance()->Forms.empty());
}

TEST_F(PainterBaseTest, ARecreatedControlKeepsItsPainterPaintingItsNewWindow) {
  auto* edit = new tk::TEdit(form);
  edit->SetParent(form);
  edit->SetBounds(20, 20, 150, 30);
  SolidPainter* painter = Skin(edit, &log);
  HWND before = edit->Handle();
  ASSERT_EQ(MiddleOf(before), PainterColour);
  edit->SetBorderStyle(tk::TBorderStyle::bsNone);  // a new window
  HWND after = edit->Handle();
  ASSERT_NE(after, before);
  EXPECT_EQ(painter->Handle, after);
  EXPECT_EQ(painter->State, psAttached);
  EXPECT_TRUE(painter->Active);
  EXPECT_EQ(MiddleOf(after), PainterColour);
  EXPECT_EQ(SendMessageW(after, SKM_ISSKINNED, 0, 0), 1);
  SendMessageW(after, WM_PROBE, 0, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"before", "after"}));
  EXPECT_EQ(Painter()->PainterOf(after), painter);
}

TEST_F(PainterBaseTest, APainterFollowsItsControlToANewParentAndThroughAWindowMadeAnew) {
  auto* panel = new tk::TGroupBox(form);
  panel->SetParent(form);
  panel->SetBounds(200, 100, 180, 120);
  tk::TButton* button = MakeButton();
  SolidPainter* painter = Skin(button);
  button->SetParent(panel);
  button->SetBounds(10, 10, 120, 40);
  EXPECT_EQ(painter->Handle, button->Handle());
  EXPECT_EQ(MiddleOf(button->Handle()), PainterColour);
  HWND old = button->Handle();
  button->DestroyHandle();
  EXPECT_EQ(painter->State, psWindowDestroyed);
  button->HandleNeeded();
  EXPECT_NE(button->Handle(), old);
  EXPECT_EQ(painter->State, psAttached);
  EXPECT_EQ(MiddleOf(button->Handle()), PainterColour);
}

TEST_F(PainterBaseTest, APainterSwitchedOffStaysOffThroughANewWindow) {
  auto* edit = new tk::TEdit(form);
  edit->SetParent(form);
  edit->SetBounds(20, 20, 150, 30);
  SolidPainter* painter = Skin(edit);
  SendMessageW(edit->Handle(), SKM_SETACTIVE, 0, 0);
  edit->SetBorderStyle(tk::TBorderStyle::bsNone);
  EXPECT_EQ(painter->Handle, edit->Handle());
  EXPECT_FALSE(painter->Active);
  EXPECT_NE(MiddleOf(edit->Handle()), PainterColour);
  const int draws = painter->draws;
  SendMessageW(edit->Handle(), SKM_SETACTIVE, 1, 0);
  EXPECT_GT(painter->draws, draws);
  EXPECT_EQ(MiddleOf(edit->Handle()), PainterColour);
}

TEST_F(PainterBaseTest, APainterFreedWhileItsControlHandlesAMessageIsNotTouchedAgain) {
  tk::TButton* button = MakeButton();
  SolidPainter* painter = Skin(button, &log, &destroyed);
  // The control's own procedure frees the painter (a handler that unskins, say).
  painter->OldWindowProc = [&, own = painter->OldWindowProc](tk::TMessage& m) {
    if (m.Msg == WM_PROBE) tk::TComponent::Free(painter);
    own(m);
  };
  SendMessageW(button->Handle(), WM_PROBE, 0, 0);
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(log, (std::vector<std::string>{"before"}));  // no AfterMessage on a freed painter
  EXPECT_EQ(SendMessageW(button->Handle(), SKM_ISSKINNED, 0, 0), 0);
}

TEST_F(PainterBaseTest, RecolouringPaintersSwitchParentBackgroundAndColourAndGiveThemBack) {
  auto* group = new tk::TGroupBox(form);
  group->SetParent(form);
  group->SetBounds(20, 20, 200, 100);
  group->SetColor(tk::clWindow);
  ASSERT_TRUE(group->ParentBackground());
  auto* painter = new SolidPainter(group);
  painter->Attach(Painter(), skin, true, nullptr);
  EXPECT_FALSE(group->ParentBackground());
  EXPECT_TRUE(painter->ParentBgChanged);
  EXPECT_EQ(painter->Mode, 1);
  EXPECT_EQ(group->Color(), skin->Colors[scButtonFace]);
  EXPECT_EQ(painter->SavedColor, tk::clWindow);
  painter->Unskin();
  EXPECT_TRUE(group->ParentBackground());
  EXPECT_EQ(group->Color(), tk::clWindow);
  EXPECT_FALSE(painter->Active);
  painter->Unskin();  // once only
  EXPECT_EQ(group->Color(), tk::clWindow);
}

TEST_F(PainterBaseTest, RecreatingAndAttachingManyTimesLeavesHandleCountsFlat) {
  auto cycle = [this] {
    auto* edit = new tk::TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(20, 20, 150, 30);
    edit->Handle();
    Skin(edit);
    edit->SetBorderStyle(tk::TBorderStyle::bsNone);
    edit->Repaint();
    tk::TComponent::Free(edit);
  };
  cycle();
  PumpMessages(20);
  const int gdiBefore = tk::testing::GdiObjectCount();
  const int windowsBefore = tk::testing::ThreadWindowCount();
  for (int i = 0; i < 1000; ++i) cycle();
  PumpMessages(20);
  EXPECT_EQ(tk::testing::GdiObjectCount(), gdiBefore);
  EXPECT_EQ(tk::testing::ThreadWindowCount(), windowsBefore);
  EXPECT_TRUE(Painter()->PainterList().empty());
}

TEST_F(PainterBaseTest, FreeingInEveryOrderManyTimesLeavesHandleCountsFlat) {
  auto cycle = [this] {
    destroyed = 0;
    // The painter first, then its control.
    tk::TButton* first = MakeButton(20, 20);
    tk::TComponent::Free(Skin(first, nullptr, &destroyed));
    tk::TComponent::Free(first);
    // The control first (freed, and deleted directly), taking its painter along.
    tk::TButton* second = MakeButton(20, 80);
    Skin(second, nullptr, &destroyed);
    tk::TComponent::Free(second);
    tk::TButton* third = MakeButton(20, 140);
    Skin(third, nullptr, &destroyed);
    delete third;
    // The frame painter first: it frees its painters and gives their controls back; the form is
    // then skinned anew for the next round.
    tk::TButton* fourth = MakeButton(200, 20);
    Skin(fourth, nullptr, &destroyed);
    tk::TComponent::Free(Painter());
    const bool given = SendMessageW(fourth->Handle(), SKM_ISSKINNED, 0, 0) == 0;
    tk::TComponent::Free(fourth);
    TSkinManage::Instance()->SkinWindow(Wnd());
    WaitUntilSkinned();
    return given && destroyed == 4;
  };
  ASSERT_TRUE(cycle());
  ASSERT_TRUE(cycle());
  PumpMessages(50);
  const int gdiBefore = tk::testing::GdiObjectCount();
  const int windowsBefore = tk::testing::ThreadWindowCount();
  int good = 0;
  constexpr int cycles = 200;
  for (int i = 0; i < cycles; ++i) good += cycle() ? 1 : 0;
  PumpMessages(50);
  EXPECT_EQ(good, cycles);
  EXPECT_EQ(tk::testing::GdiObjectCount(), gdiBefore);
  EXPECT_EQ(tk::testing::ThreadWindowCount(), windowsBefore);
  EXPECT_EQ(TSkinManage::Instance()->Forms.size(), 1u);
  EXPECT_EQ(form->ComponentCount(), 2);  // the skin component and the frame painter
}

// --- helpers of the base, without windows where they need none ---

TEST(PainterPropertiesTest, PropertiesAreReadAndWrittenByNameWhateverTheClass) {
  tk::TButton button(nullptr);
  button.SetLeft(17);
  button.SetCaption(tk::testing::Gbk("确定"));
  EXPECT_EQ(::GetIntProp(&button, "Left"), 17);
  EXPECT_EQ(::GetIntProp(&button, "Align"), -1);  // not of integer kind
  EXPECT_EQ(::GetIntProp(&button, "NoSuch"), -1);
  EXPECT_EQ(::GetIntProp(nullptr, "Left"), -1);
  EXPECT_EQ(::GetEnumText(&button, "Align"), "alNone");
  EXPECT_EQ(::GetEnumText(&button, "Visible"), "True");
  EXPECT_EQ(::GetEnumText(&button, "Left"), "");
  EXPECT_EQ(::GetTextProp(&button, "Caption"), tk::testing::Utf8("确定"));
  EXPECT_EQ(::GetTextProp(&button, "Left"), L"");
  EXPECT_EQ(::GetObjectProp(&button, "Font", &tk::TFont::StaticClass()), button.FontObject());
  EXPECT_EQ(::GetObjectProp(&button, "Font", &tk::TControl::StaticClass()), nullptr);
  EXPECT_EQ(::GetObjectProp(nullptr, "Font", nullptr), nullptr);

  ::SetPropText(&button, "Left", "42");
  EXPECT_EQ(button.Left(), 42);
  ::SetPropText(&button, "Left", "4x");  // not a decimal number: left alone
  EXPECT_EQ(button.Left(), 42);
  ::SetPropText(&button, "Align", "alTop");
  EXPECT_EQ(button.Align(), tk::TAlign::alTop);
  ::SetPropText(&button, "Visible", "False");
  EXPECT_FALSE(button.Visible());
  ::SetPropText(&button, "Caption", "ok");
  EXPECT_EQ(button.Caption(), "ok");
  EXPECT_NO_THROW(::SetPropText(&button, "NoSuch", "1"));
  EXPECT_NO_THROW(::SetPropText(nullptr, "Left", "1"));
}

TEST(PainterHelpersTest, RightToLeftFormatAndParentColourFollowTheControl) {
  tk::TForm parent(nullptr);
  parent.SetColor(tk::clRed);
  auto* button = new tk::TButton(&parent);
  button->SetParent(&parent);
  SolidPainter painter(nullptr);
  painter.Control = button;
  EXPECT_EQ(painter.RtlFormat(DT_CENTER), static_cast<UINT>(DT_CENTER));
  button->SetBiDiMode(tk::TBiDiMode::bdRightToLeft);
  EXPECT_EQ(painter.RtlFormat(DT_CENTER), static_cast<UINT>(DT_CENTER | DT_RTLREADING));
  EXPECT_EQ(painter.ParentColor(tk::clBlue), tk::clRed);
  painter.Control = nullptr;
  EXPECT_EQ(painter.ParentColor(tk::clBlue), tk::clBlue);
}

TEST(PainterHelpersTest, AMouseDownOnAHugeControlTakesItsPointFromTheCursor) {
  tk::TForm parent(nullptr);
  parent.SetBounds(50, 50, 300, 200);
  auto* label = new tk::TLabel(&parent);  // windowless: only it can be that wide
  label->SetParent(&parent);
  label->SetBounds(10, 20, 100, 30);
  parent.Show();
  PumpMessages(20);
  POINT seen{-1, -1};
  label->OnMouseDown = [&](tk::TObject*, tk::TMouseButton, tk::TShiftState, int x, int y) { seen = POINT{x, y}; };
  SolidPainter painter(nullptr);
  painter.Control = label;
  tk::TMessage down{WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 7), 0};
  painter.ForwardMouseDown(down);
  EXPECT_EQ(seen.x, 5);
  EXPECT_EQ(seen.y, 7);
  label->SetWidth(40000);
  const POINT origin = label->ClientToScreen(POINT{0, 0});
  SetCursorPos(origin.x + 31, origin.y + 13);
  PumpMessages(20);
  POINT cursor{};
  GetCursorPos(&cursor);
  ASSERT_EQ(cursor.x, origin.x + 31);
  painter.ForwardMouseDown(down);
  EXPECT_EQ(seen.x, 31);
  EXPECT_EQ(seen.y, 13);
}

}  // namespace
