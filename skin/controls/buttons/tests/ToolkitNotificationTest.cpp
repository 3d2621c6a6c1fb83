// The toolkit notifications painters listen to: windowless controls hear the mouse come and go
// and are painted through their WindowProc; focus changes, dialog keys and window recreation
// reach the controls concerned.
#include <map>

#include "Buttons.h"
#include "ButtonsTestFixture.h"
#include "GuiTestSupport.h"
#include "Messages.h"
#include "StdCtrls.h"

using tk::testing::PumpMessages;

namespace {

// Counts the messages a control's WindowProc sees, passing them on.
class MessageCounter {
 public:
  explicit MessageCounter(tk::TControl* control) : control_(control), previous_(control->WindowProc) {
    control->WindowProc = [this](tk::TMessage& m) {
      ++counts[m.Msg];
      if (m.Msg == WM_PAINT && m.WParam) ++paintsWithDc;
      previous_(m);
    };
  }
  ~MessageCounter() { control_->WindowProc = previous_; }
  std::map<UINT, int> counts;
  int paintsWithDc = 0;

 private:
  tk::TControl* control_;
  tk::TWndMethod previous_;
};

using ToolkitNotificationTest = ButtonsTest;

TEST_F(ToolkitNotificationTest, WindowlessControlHearsTheMouseComeAndGoOnce) {
  auto* button = Add<tk::TSpeedButton>(40, 40, 80, 30);
  MessageCounter counter(button);
  SendMouse(Wnd(), WM_MOUSEMOVE, 50, 50);
  SendMouse(Wnd(), WM_MOUSEMOVE, 60, 55);
  EXPECT_EQ(counter.counts[tk::CM_MOUSEENTER], 1);
  EXPECT_EQ(counter.counts[tk::CM_MOUSELEAVE], 0);
  SendMouse(Wnd(), WM_MOUSEMOVE, 300, 250);
  EXPECT_EQ(counter.counts[tk::CM_MOUSELEAVE], 1);

  SendMouse(Wnd(), WM_MOUSEMOVE, 50, 50);
  SendMessageW(Wnd(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(counter.counts[tk::CM_MOUSEENTER], 2);
  EXPECT_EQ(counter.counts[tk::CM_MOUSELEAVE], 2);
}

TEST_F(ToolkitNotificationTest, WindowlessControlsArePaintedThroughTheirWindowProc) {
  auto* button = Add<tk::TSpeedButton>(40, 40, 80, 30);
  auto* label = Add<tk::TLabel>(40, 100, 80, 20);
  label->SetCaption("Label");
  MessageCounter buttonCounter(button), labelCounter(label);
  form->Repaint();
  PumpMessages(30);
  EXPECT_GE(buttonCounter.paintsWithDc, 1);
  EXPECT_GE(labelCounter.paintsWithDc, 1);
}

TEST_F(ToolkitNotificationTest, FocusChangesReachEveryControl) {
  auto* first = Add<tk::TButton>(20, 20, 80, 30);
  auto* second = Add<tk::TButton>(20, 80, 80, 30);
  auto* bystander = Add<tk::TButton>(20, 140, 80, 30);
  first->SetFocus();
  PumpMessages(20);
  MessageCounter counter(bystander);
  second->SetFocus();
  PumpMessages(20);
  EXPECT_GE(counter.counts[tk::CM_FOCUSCHANGED], 1);
}

TEST_F(ToolkitNotificationTest, DialogKeysAreOfferedToTheControls) {
  auto* button = Add<tk::TButton>(20, 20, 80, 30);
  button->HandleNeeded();
  MessageCounter counter(button);
  form->Perform(tk::CM_DIALOGKEY, VK_RETURN, 0);
  EXPECT_EQ(counter.counts[tk::CM_DIALOGKEY], 1);
}

TEST_F(ToolkitNotificationTest, RecreatingSettersSendTheRecreateNotice) {
  auto* edit = Add<tk::TEdit>(20, 20, 100, 24);
  edit->HandleNeeded();
  MessageCounter counter(edit);
  edit->SetBorderStyle(tk::TBorderStyle::bsNone);
  EXPECT_EQ(counter.counts[tk::CM_RECREATEWND], 1);
}

}  // namespace
