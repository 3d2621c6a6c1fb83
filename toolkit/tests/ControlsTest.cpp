// Windowed controls under real windows: handles on demand, the window-to-control lookup, the
// replaceable WindowProc, alignment, toolkit notifications and dialog keys.
#include <gtest/gtest.h>

#include <functional>

#include "Buttons.h"
#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "Application.h"
#include "GuiTestSupport.h"
#include "StdCtrls.h"

using namespace tk;
using tk::testing::PumpMessages;
using tk::testing::PumpUntil;

namespace {

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBorderStyle(TFormBorderStyle::bsSingle);
    form->SetClientSize(400, 300);
  }
  void TearDown() override { TComponent::Free(form); }
  TForm* form;
};

TEST_F(ControlsTest, HandlesAreMadeOnDemandAndLeadBackToTheirControl) {
  auto* edit = new TEdit(form);
  edit->SetParent(form);
  EXPECT_FALSE(edit->HandleAllocated());
  EXPECT_FALSE(form->HandleAllocated());
  HWND wnd = edit->Handle();
  ASSERT_NE(wnd, nullptr);
  EXPECT_TRUE(form->HandleAllocated());  // the parent's window comes first
  EXPECT_EQ(GetParent(wnd), form->Handle());
  EXPECT_EQ(TWinControl::FromHandle(wnd), edit);
  EXPECT_EQ(GetPropW(wnd, MAKEINTATOM(TWinControl::ControlAtom())), edit);
  wchar_t cls[64];
  GetClassNameW(wnd, cls, 64);
  EXPECT_STREQ(cls, L"TEdit");  // window classes are named after the toolkit class
  GetClassNameW(form->Handle(), cls, 64);
  EXPECT_STREQ(cls, L"TForm");
}

TEST_F(ControlsTest, ReplacedWindowProcSeesEveryMessageAndCanBeRestored) {
  auto* button = new TButton(form);
  button->SetParent(form);
  button->Handle();
  std::vector<UINT> seen;
  TWndMethod saved = button->WindowProc;
  button->WindowProc = [&](TMessage& m) {
    seen.push_back(m.Msg);
    if (m.Msg == WM_GETTEXTLENGTH) {
      m.Result = 42;  // answered without the control
      return;
    }
    saved(m);
  };
  EXPECT_EQ(SendMessageW(button->Handle(), WM_GETTEXTLENGTH, 0, 0), 42);
  SetWindowTextW(button->Handle(), L"abc");
  EXPECT_NE(std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_SETTEXT)), seen.end());
  button->WindowProc = saved;
  EXPECT_EQ(SendMessageW(button->Handle(), WM_GETTEXTLENGTH, 0, 0), 3);
}

TEST_F(ControlsTest, NotificationsReachTheWindowProc) {
  auto* button = new TButton(form);
  button->SetParent(form);
  std::vector<UINT> seen;
  TWndMethod saved = button->WindowProc;
  button->WindowProc = [&](TMessage& m) {
    seen.push_back(m.Msg);
    saved(m);
  };
  button->SetEnabled(false);
  button->SetVisible(false);
  EXPECT_NE(std::find(seen.begin(), seen.end(), CM_ENABLEDCHANGED), seen.end());
  EXPECT_NE(std::find(seen.begin(), seen.end(), CM_VISIBLECHANGED), seen.end());
  EXPECT_FALSE(IsWindowEnabled(button->Handle()));
  EXPECT_FALSE(GetWindowLongW(button->Handle(), GWL_STYLE) & WS_VISIBLE);
  button->WindowProc = saved;
}

TEST_F(ControlsTest, MouseEnterAndLeaveAreToldOnce) {
  auto* button = new TButton(form);
  button->SetParent(form);
  int enters = 0, leaves = 0;
  TWndMethod saved = button->WindowProc;
  button->WindowProc = [&](TMessage& m) {
    if (m.Msg == CM_MOUSEENTER) ++enters;
    if (m.Msg == CM_MOUSELEAVE) ++leaves;
    saved(m);
  };
  SendMessageW(button->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  SendMessageW(button->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(4, 3));
  EXPECT_EQ(enters, 1);
  EXPECT_TRUE(button->MouseInControl());
  SendMessageW(button->Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(leaves, 1);
  EXPECT_FALSE(button->MouseInControl());
  button->WindowProc = saved;
}

TEST_F(ControlsTest, AlignmentStacksTopAndBottomAndFillsTheRest) {
  auto* top = new TToolBar(form);
  top->SetParent(form);  // aligned top by default, height 29
  auto* hidden = new TRichEdit(form);
  hidden->SetAlign(TAlign::alTop);
  hidden->SetHeight(200);
  hidden->SetVisible(false);
  hidden->SetParent(form);
  auto* splitter = new TSplitter(form);
  splitter->SetAlign(TAlign::alTop);
  splitter->SetHeight(3);
  splitter->SetParent(form);
  auto* client = new TRichEdit(form);
  client->SetAlign(TAlign::alClient);
  client->SetParent(form);
  auto* status = new TStatusBar(form);
  status->SetParent(form);  // aligned bottom, height 19
  form->Handle();

  EXPECT_EQ(top->BoundsRect().top, 0);
  EXPECT_EQ(top->Width(), 400);
  // The hidden view takes no space: the splitter sits right under the tool bar.
  EXPECT_EQ(splitter->Top(), 29);
  EXPECT_EQ(client->Top(), 32);
  EXPECT_EQ(status->Top(), 300 - 19);
  EXPECT_EQ(client->Height(), 300 - 19 - 32);

  hidden->SetVisible(true);
  EXPECT_EQ(hidden->Top(), 29);
  EXPECT_EQ(splitter->Top(), 229);
  EXPECT_EQ(client->Top(), 232);
  EXPECT_EQ(client->Height(), 300 - 19 - 232);
  RECT r;
  GetWindowRect(client->Handle(), &r);
  MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.top, 232);  // the window follows
}

TEST_F(ControlsTest, DraggingTheSplitterResizesTheControlAboveIt) {
  auto* view = new TRichEdit(form);
  view->SetAlign(TAlign::alTop);
  view->SetHeight(100);
  view->SetParent(form);
  auto* splitter = new TSplitter(form);
  splitter->SetAlign(TAlign::alTop);
  splitter->SetHeight(3);
  splitter->SetCursor(crVSplit);
  splitter->SetResizeStyle(TResizeStyle::rsLine);
  splitter->SetParent(form);
  auto* client = new TRichEdit(form);
  client->SetAlign(TAlign::alClient);
  client->SetParent(form);
  form->Show();
  HWND wnd = form->Handle();
  SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 101));
  SendMessageW(wnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(50, 141));
  SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(50, 141));
  EXPECT_EQ(view->Height(), 140);
  EXPECT_EQ(splitter->Top(), 140);
  EXPECT_EQ(client->Top(), 143);
}

TEST_F(ControlsTest, ParentNotificationsComeBackToTheChildControl) {
  auto* button = new TButton(form);
  button->SetParent(form);
  int clicks = 0;
  button->OnClick = [&](TObject* sender) {
    EXPECT_EQ(sender, button);
    ++clicks;
  };
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  auto* combo = new TComboBox(form);
  combo->SetStyle(TComboBoxStyle::csDropDownList);
  combo->SetParent(form);
  combo->Items().Add("a");
  combo->Items().Add("b");
  int changes = 0;
  combo->OnChange = [&](TObject*) { ++changes; };
  SendMessageW(combo->Handle(), CB_SETCURSEL, 1, 0);
  SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo->Handle()), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo->Handle()));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->GetText(), "b");
}

TEST_F(ControlsTest, TabMovesTheFocusInTabOrder) {
  auto* first = new TEdit(form);
  first->SetParent(form);
  auto* second = new TButton(form);
  second->SetParent(form);
  second->SetLeft(200);
  form->Show();
  first->SetFocus();
  ASSERT_TRUE(first->Focused());
  PostMessageW(first->Handle(), WM_KEYDOWN, VK_TAB, 0x000F0001);
  ASSERT_TRUE(PumpUntil([&] { return second->Focused(); }, 2000));
  EXPECT_EQ(form->ActiveControl(), second);
}

TEST_F(ControlsTest, ControlDeletedDirectlyLeavesTheTabOrder) {
  auto* kept = new TEdit(form);
  kept->SetParent(form);
  auto* deleted = new TButton(form);
  deleted->SetParent(form);
  delete deleted;
  std::vector<TWinControl*> list;
  form->GetTabOrderList(list);
  EXPECT_EQ(list, std::vector<TWinControl*>{kept});
}

TEST_F(ControlsTest, KeyDownHandlerSeesKeysAndCanSwallowThem) {
  auto* edit = new TRichEdit(form);
  edit->SetParent(form);
  form->Show();
  edit->SetFocus();
  std::vector<WORD> keys;
  edit->OnKeyDown = [&](TObject*, WORD& key, TShiftState) {
    keys.push_back(key);
    if (key == 'X') key = 0;
  };
  SendMessageW(edit->Handle(), WM_KEYDOWN, VK_F4, 0x003E0001);
  SendMessageW(edit->Handle(), WM_KEYDOWN, 'X', 0x002D0001);
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ(keys[0], VK_F4);
}

TEST_F(ControlsTest, TimerTicksWhileEnabledAndKeepsItsScheduleWhenEnabledAgain) {
  TTimer timer(nullptr);
  timer.SetEnabled(false);
  timer.SetInterval(50);
  int ticks = 0;
  timer.OnTimer = [&](TObject*) { ++ticks; };
  PumpMessages(150);
  EXPECT_EQ(ticks, 0);
  timer.SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }, 2000));
  timer.SetEnabled(true);
  EXPECT_TRUE(timer.Running());
  timer.SetEnabled(false);
  const int stopped = ticks;
  PumpMessages(200);
  EXPECT_EQ(ticks, stopped);
}

TEST_F(ControlsTest, StatusPanelsShowTheirTexts) {
  auto* status = new TStatusBar(form);
  status->SetParent(form);
  for (int width : {400, 300, 250}) static_cast<TStatusPanel*>(status->Panels().Add())->SetWidth(width);
  status->Handle();
  status->Panel(1)->SetText("\xBA\xC4\xCA\xB1");  // 耗时
  EXPECT_EQ(status->PanelTextShown(1), "\xBA\xC4\xCA\xB1");
  EXPECT_EQ(status->PanelTextShown(2), "");
  int parts[4] = {};
  EXPECT_EQ(SendMessageW(status->Handle(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(parts)), 3);
  EXPECT_EQ(parts[0], 400);
  EXPECT_EQ(parts[1], 700);
}

TEST_F(ControlsTest, RichEditTextReadsBackWithCrLfAndCountsLineBreaksAsTwo) {
  auto* edit = new TRichEdit(form);
  edit->SetParent(form);
  const std::string text = tk::testing::Gbk("范例\r\n文章02");
  edit->SetText(text);
  EXPECT_EQ(edit->GetText(), text);
  edit->Select(4, 1);  // 范 例 CR LF 文: the fifth position is 文
  EXPECT_EQ(edit->SelText(), tk::testing::Gbk("文"));
  edit->SelAttributes().SetColor(clRed);
  EXPECT_EQ(edit->SelAttributes().Color(), clRed);
  edit->Select(0, 1);
  EXPECT_NE(edit->SelAttributes().Color(), clRed);
}

TEST_F(ControlsTest, RichEditAnnouncesEveryTextSetWithOrWithoutAWindow) {
  auto* edit = new TRichEdit(form);
  edit->SetParent(form);
  edit->SetVisible(false);
  std::vector<std::string> seen;
  edit->OnChange = [&](TObject*) { seen.push_back(edit->GetText()); };
  edit->SetText("before");
  ASSERT_FALSE(edit->HandleAllocated());
  edit->Handle();
  edit->SetText("after");
  EXPECT_EQ(seen, (std::vector<std::string>{"before", "after"}));
}

TEST_F(ControlsTest, RichEditTakesTypedCharactersBeyondAsciiWhole) {
  auto* edit = new TRichEdit(form);
  edit->SetParent(form);
  form->Show();
  HWND wnd = edit->Handle();
  PostMessageW(wnd, WM_CHAR, 0x4E2D, 1);    // 中
  PostMessageW(wnd, WM_IME_CHAR, 0x6587, 1);  // 文
  PostMessageW(wnd, WM_CHAR, 'a', 1);
  PostMessageW(wnd, WM_CHAR, 0xD83D, 1);  // U+1F600 as a surrogate pair
  PostMessageW(wnd, WM_CHAR, 0xDE00, 1);
  PumpMessages(50);
  wchar_t text[16] = {};
  GETTEXTEX get{};
  get.cb = sizeof text;
  get.codepage = 1200;
  SendMessageW(wnd, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"\x4E2D\x6587" L"a\xD83D\xDE00");
}

TEST_F(ControlsTest, RichEditKeepsItsTextAcrossANewWindow) {
  auto* edit = new TRichEdit(form);
  edit->SetParent(form);
  edit->SetText("abc");
  HWND before = edit->Handle();
  edit->SetBorderStyle(TBorderStyle::bsNone);  // makes the window again
  EXPECT_NE(edit->Handle(), before);
  EXPECT_FALSE(GetWindowLongW(edit->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(edit->GetText(), "abc");
}

// Watches one control and, when told it is going, checks that the control is still whole: its
// window is there and WindowProc can be given back.
struct FreeWatcher : TComponent {
  explicit FreeWatcher(TWinControl* watched) : TComponent(nullptr), control(watched) {
    FreeNotification(watched);
    saved = watched->WindowProc;
    watched->WindowProc = [this](TMessage& m) {
      ++messagesSeen;
      saved(m);
    };
    wnd = watched->Handle();
  }
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (op != TOperation::opRemove || c != control) return;
    windowAliveWhenTold = IsWindow(wnd) != FALSE;
    destroyingWhenTold = control->Destroying();
    control->WindowProc = saved;  // the control's own procedure handles its last messages
    control = nullptr;
  }
  TWinControl* control;
  TWndMethod saved;
  HWND wnd = nullptr;
  int messagesSeen = 0;
  bool windowAliveWhenTold = false;
  bool destroyingWhenTold = false;
};

TEST_F(ControlsTest, FreeNotificationComesWhileTheControlIsWholeWhenFreed) {
  auto* button = new TButton(form);
  button->SetParent(form);
  FreeWatcher watcher(button);
  TComponent::Free(button);
  EXPECT_EQ(watcher.control, nullptr);
  EXPECT_TRUE(watcher.windowAliveWhenTold);
  EXPECT_TRUE(watcher.destroyingWhenTold);
  EXPECT_FALSE(IsWindow(watcher.wnd));
}

TEST_F(ControlsTest, FreeNotificationComesWhileTheControlIsWholeWhenDeleted) {
  auto* edit = new TComboBox(form);  // destroys its window in its own destructor, before ours
  auto* button = new TButton(form);
  edit->SetParent(form);
  button->SetParent(form);
  FreeWatcher buttonWatcher(button);
  FreeWatcher editWatcher(edit);
  delete button;
  EXPECT_EQ(buttonWatcher.control, nullptr);
  EXPECT_TRUE(buttonWatcher.windowAliveWhenTold);
  EXPECT_TRUE(buttonWatcher.destroyingWhenTold);
  EXPECT_FALSE(IsWindow(buttonWatcher.wnd));
  delete edit;
  EXPECT_EQ(editWatcher.control, nullptr);
  EXPECT_FALSE(IsWindow(editWatcher.wnd));
  EXPECT_EQ(form->ComponentCount(), 0);
}

TEST_F(ControlsTest, FreeNotificationOfAFormComesBeforeItsControlsGo) {
  auto* other = new TForm(nullptr);
  auto* button = new TButton(other);
  button->SetParent(other);
  FreeWatcher formWatcher(other);
  FreeWatcher buttonWatcher(button);
  delete other;
  EXPECT_TRUE(formWatcher.windowAliveWhenTold);
  EXPECT_TRUE(buttonWatcher.windowAliveWhenTold);
  EXPECT_EQ(formWatcher.control, nullptr);
  EXPECT_EQ(buttonWatcher.control, nullptr);
}

// Every setter that needs a new window asks for it through WindowProc (CM_RECREATEWND), so that
// whoever took the control over sees the window change.
TEST_F(ControlsTest, EverySetterThatMakesANewWindowGoesThroughWindowProc) {
  auto* edit = new TEdit(form);
  auto* combo = new TComboBox(form);
  auto* bar = new TScrollBar(form);
  auto* tools = new TToolBar(form);
  auto* status = new TStatusBar(form);
  auto* rich = new TRichEdit(form);
  for (TWinControl* c : std::vector<TWinControl*>{edit, combo, bar, tools, status, rich}) c->SetParent(form);
  struct Case {
    TWinControl* control;
    std::function<void()> change;
  };
  const std::vector<Case> cases{
      {edit, [&] { edit->SetBorderStyle(TBorderStyle::bsNone); }},
      {combo, [&] { combo->SetStyle(TComboBoxStyle::csDropDownList); }},
      {bar, [&] { bar->SetKind(TScrollBarKind::sbVertical); }},
      {tools, [&] { tools->SetTransparent(!tools->Transparent()); }},
      {status, [&] { status->SetSizeGrip(!status->SizeGrip()); }},
      {rich, [&] { rich->SetScrollBars(TScrollStyle::ssBoth); }},
      {rich, [&] { rich->SetBorderStyle(TBorderStyle::bsNone); }},
      {form, [&] { form->SetBorderStyle(TFormBorderStyle::bsSizeable); }},
      {form, [&] { form->SetBorderIcons(TBorderIcons{TBorderIcon::biSystemMenu}); }},
  };
  for (const Case& c : cases) {
    HWND before = c.control->Handle();
    int recreates = 0;
    TWndMethod saved = c.control->WindowProc;
    c.control->WindowProc = [&](TMessage& m) {
      if (m.Msg == CM_RECREATEWND) ++recreates;
      saved(m);
    };
    c.change();
    c.control->WindowProc = saved;
    EXPECT_EQ(recreates, 1) << c.control->ClassName();
    EXPECT_NE(c.control->HandleIfAllocated(), before) << c.control->ClassName();
    EXPECT_TRUE(IsWindow(c.control->HandleIfAllocated())) << c.control->ClassName();
  }
}

TEST_F(ControlsTest, AShownFormMadeAnewIsShownAgainWithItsControls) {
  auto* button = new TButton(form);
  button->SetParent(form);
  form->Show();
  PumpMessages(20);
  HWND before = form->Handle();
  form->SetBorderStyle(TFormBorderStyle::bsSizeable);
  ASSERT_NE(form->Handle(), before);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_TRUE(IsWindowVisible(button->Handle()));
  EXPECT_EQ(GetParent(button->Handle()), form->Handle());
  RECT client{};
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 400);
  EXPECT_EQ(client.bottom, 300);
  form->Hide();
  before = form->Handle();
  form->SetBorderStyle(TFormBorderStyle::bsSingle);
  ASSERT_NE(form->Handle(), before);
  EXPECT_FALSE(IsWindowVisible(form->Handle()));  // a hidden one stays hidden
}

}  // namespace
