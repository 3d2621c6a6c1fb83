// Creating and destroying a form with its controls gives back every GDI object and window.
#include <gtest/gtest.h>

#include "Buttons.h"
#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "LayoutReader.h"
#include "Menus.h"
#include "StdCtrls.h"

using namespace tk;

namespace {

const char* kLayout = R"(object Form: TForm
  ClientWidth = 300
  ClientHeight = 200
  Font.Name = 'MS Sans Serif'
  Menu = MainMenu1
  object ToolBar1: TToolBar
    object B: TBitBtn
      Caption = 'x'
    end
    object C: TComboBox
      Style = csDropDownList
      Items.Strings = ('a' 'b')
      Hint = 'tip'
      ShowHint = True
    end
    object L: TLabel
      Caption = 'label'
    end
  end
  object R: TRichEdit
    Align = alClient
    ScrollBars = ssVertical
    Font.Name = 'SimSun'
    Font.Charset = 134
    Font.Height = -16
  end
  object S: TStatusBar
    Panels = <item Width = 40 end>
  end
  object G: TGroupBox
    Caption = 'g'
    object E: TEdit
    end
    object SB: TScrollBar
    end
  end
  object MainMenu1: TMainMenu
    object M: TMenuItem
      Caption = 'm'
      object M2: TMenuItem
        Caption = 'n'
      end
    end
  end
  object T: TTimer
  end
end
)";

TEST(LeakTest, FormsGiveBackTheirGdiObjectsAndWindows) {
  auto cycle = [] {
    auto* form = new TForm(nullptr);
    ReadLayout(*form, kLayout, "LEAK");
    form->Show();
    tk::testing::PumpMessages(1);
    form->FindComponentAs<TRichEdit>("R")->SetText("text");
    form->FindComponentAs<TBitBtn>("B")->Repaint();
    TComponent::Free(form);
    tk::testing::PumpMessages(1);
  };
  cycle();  // the first round makes what is made once (classes, stock objects, caches)
  const int gdiBefore = tk::testing::GdiObjectCount();
  const int windowsBefore = tk::testing::ThreadWindowCount();
  ASSERT_GT(gdiBefore, 0);
  for (int i = 0; i < 100; ++i) cycle();
  EXPECT_EQ(tk::testing::GdiObjectCount(), gdiBefore);
  EXPECT_EQ(tk::testing::ThreadWindowCount(), windowsBefore);
}

}  // namespace
