// Stored layouts: components created by class name, properties set by name in file order,
// nested objects, every value kind, handlers bound by name, and clear errors naming the line.
#include <gtest/gtest.h>

#include "Buttons.h"
#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "Filer.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "LayoutReader.h"
#include "Menus.h"
#include "StdCtrls.h"

using namespace tk;
using tk::testing::Gbk;

namespace {

class TLayoutForm : public TForm {
  TK_CLASS(TLayoutForm)
 public:
  explicit TLayoutForm(TComponent* owner) : TForm(owner) {}
  void ButtonClick(TObject* sender) { clicks.push_back(sender); }
  void EditKeyDown(TObject*, WORD& key, TShiftState) { lastKey = key; }
  std::vector<TObject*> clicks;
  WORD lastKey = 0;
};

const TClassInfo& TLayoutForm::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TLayoutForm", &TForm::StaticClass());
    c.Method("ButtonClick", &TLayoutForm::ButtonClick);
    c.Method("EditKeyDown", &TLayoutForm::EditKeyDown);
    return c;
  }();
  return info;
}

const char* kGoodLayout = R"(object LayoutForm: TLayoutForm
  Caption = 'Tolvane'#32'V'#49'.5'
  BorderIcons = []
  BorderStyle = bsSingle
  ClientWidth = 300
  ClientHeight = 200
  Color = clBtnFace
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Menu = MainMenu1
  object ToolBar1: TToolBar
    Height = 29
    ButtonHeight = 21
    object Button1: TBitBtn
      Left = 10
      Top = 2
      Caption = '开  始'
      Enabled = False
      OnClick = ButtonClick
    end
  end
  object Edit1: TRichEdit
    Align = alClient
    Lines.Strings = (
      '第一行'
      'it''s')
    OnKeyDown = EditKeyDown
  end
  object Status1: TStatusBar
    Panels = <
      item
        Width = 40
      end
      item
        Width = 60
        Text = 'x'
      end>
  end
  object Combo1: TComboBox
    Style = csDropDownList
    Items.Strings = (
      'WAV'
      'MP3')
  end
  object MainMenu1: TMainMenu
    AutoHotkeys = maManual
    object Item1: TMenuItem
      Caption = '退出 '
      object Item2: TMenuItem
        Caption = '退出系统'
        OnClick = ButtonClick
      end
    end
  end
  object Timer1: TTimer
    Enabled = False
    Interval = $3E8
  end
end
)";

struct LoadedProbe : TComponent {
  using TComponent::TComponent;
  TK_CLASS(LoadedProbe)
 public:
  void Loaded() override {
    TComponent::Loaded();
    loadedWithName = Name();
    blob = data;
  }
  void DefineProperties(TFiler& filer) override {
    filer.DefineBinaryProperty(
        "Payload", [this](const std::vector<uint8_t>& b) { data = b; }, [this] { return data; }, !data.empty());
  }
  std::vector<uint8_t> data, blob;
  std::string loadedWithName;
};

const TClassInfo& LoadedProbe::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("LoadedProbe", &TComponent::StaticClass());
    c.SetFactory([](TComponent* owner) { return new LoadedProbe(owner); });
    return c;
  }();
  return info;
}

class LayoutReaderTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterComponentClass(LoadedProbe::StaticClass()); }
  TLayoutForm form{nullptr};

  std::string ErrorOf(const std::string& layout) {
    TLayoutForm f(nullptr);
    try {
      ReadLayout(f, layout, "TEST");
    } catch (const ELayoutError& e) {
      return e.what();
    }
    return "no error";
  }
  int ErrorLine(const std::string& layout) {
    TLayoutForm f(nullptr);
    try {
      ReadLayout(f, layout, "TEST");
    } catch (const ELayoutError& e) {
      return e.Line();
    }
    return -1;
  }
};

TEST_F(LayoutReaderTest, BuildsTheComponentTreeWithItsProperties) {
  ReadLayout(form, kGoodLayout, "TEST");
  EXPECT_EQ(form.Name(), "LayoutForm");
  EXPECT_EQ(form.Caption(), "Tolvane V1.5");
  EXPECT_TRUE(form.BorderIcons().Empty());
  EXPECT_EQ(form.ClientWidth(), 300);
  EXPECT_EQ(form.Font().Name(), "MS Sans Serif");

  auto* toolbar = form.FindComponentAs<TToolBar>("ToolBar1");
  auto* button = form.FindComponentAs<TBitBtn>("Button1");
  ASSERT_TRUE(toolbar && button);
  EXPECT_EQ(button->Parent(), toolbar);  // nesting gives the parent
  EXPECT_EQ(button->Owner(), &form);     // the form owns everything
  EXPECT_EQ(button->Caption(), Gbk("开  始"));
  EXPECT_FALSE(button->Enabled());
  EXPECT_EQ(toolbar->ButtonHeight(), 21);

  auto* edit = form.FindComponentAs<TRichEdit>("Edit1");
  ASSERT_NE(edit, nullptr);
  ASSERT_EQ(edit->Lines().Count(), 2);
  EXPECT_EQ(edit->Lines()[0], Gbk("第一行"));
  EXPECT_EQ(edit->Lines()[1], "it's");

  auto* status = form.FindComponentAs<TStatusBar>("Status1");
  ASSERT_EQ(status->Panels().Count(), 2);
  EXPECT_EQ(status->Panel(0)->Width(), 40);
  EXPECT_EQ(status->Panel(1)->Text(), "x");

  auto* combo = form.FindComponentAs<TComboBox>("Combo1");
  EXPECT_EQ(combo->Items().Count(), 2);
  EXPECT_EQ(combo->Style(), TComboBoxStyle::csDropDownList);

  auto* timer = form.FindComponentAs<TTimer>("Timer1");
  EXPECT_FALSE(timer->Enabled());
  EXPECT_EQ(timer->Interval(), 1000);
}

TEST_F(LayoutReaderTest, ResolvesComponentReferencesWrittenBeforeTheComponent) {
  ReadLayout(form, kGoodLayout, "TEST");
  auto* menu = form.FindComponentAs<TMainMenu>("MainMenu1");
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(form.Menu(), menu);
  EXPECT_EQ(menu->AutoHotkeys(), TMenuAutoFlag::maManual);
  ASSERT_EQ(menu->Items()->Count(), 1);
  TMenuItem* exit = menu->Items()->Items(0);
  ASSERT_EQ(exit->Count(), 1);
  EXPECT_EQ(exit->Items(0)->Caption(), Gbk("退出系统"));
}

TEST_F(LayoutReaderTest, BindsHandlersByName) {
  ReadLayout(form, kGoodLayout, "TEST");
  auto* button = form.FindComponentAs<TBitBtn>("Button1");
  button->Click();
  form.FindComponentAs<TMenuItem>("Item2")->Click();
  ASSERT_EQ(form.clicks.size(), 2u);
  EXPECT_EQ(form.clicks[0], button);
  auto* edit = form.FindComponentAs<TRichEdit>("Edit1");
  WORD key = VK_F4;
  edit->OnKeyDown(edit, key, {});
  EXPECT_EQ(form.lastKey, VK_F4);
}

TEST_F(LayoutReaderTest, LoadedRunsAfterTheWholeLayoutWithBinaryDataInPlace) {
  ReadLayout(form, "object LayoutForm: TLayoutForm\n  object P: LoadedProbe\n    Payload = {0A0b\n  FF}\n  end\nend\n", "TEST");
  auto* probe = form.FindComponentAs<LoadedProbe>("P");
  ASSERT_NE(probe, nullptr);
  EXPECT_EQ(probe->loadedWithName, "P");
  EXPECT_EQ(probe->blob, (std::vector<uint8_t>{0x0A, 0x0B, 0xFF}));
  EXPECT_FALSE(probe->Loading());
}

TEST_F(LayoutReaderTest, WrittenLayoutsReadBackTheSame) {
  ReadLayout(form, "object LayoutForm: TLayoutForm\n  object P: LoadedProbe\n    Payload = {00FF7F}\n  end\nend\n", "TEST");
  const std::string text = WriteLayout(*form.FindComponent("P"));
  EXPECT_NE(text.find("Payload = {"), std::string::npos);
  TLayoutForm again(nullptr);
  ReadLayout(again, "object LayoutForm: TLayoutForm\n" + text + "end\n", "TEST");
  EXPECT_EQ(again.FindComponentAs<LoadedProbe>("P")->data, (std::vector<uint8_t>{0x00, 0xFF, 0x7F}));
}

TEST_F(LayoutReaderTest, ErrorsNameTheLine) {
  EXPECT_EQ(ErrorLine("object LayoutForm: TLayoutForm\n  Caption = 'x'\n  Colour = clRed\nend\n"), 3);
  EXPECT_NE(ErrorOf("object LayoutForm: TLayoutForm\n  Colour = clRed\nend\n").find("Colour does not exist"), std::string::npos);
  EXPECT_EQ(ErrorLine("object LayoutForm: TLayoutForm\n  object X: TNoSuchClass\n  end\nend\n"), 2);
  EXPECT_EQ(ErrorLine("object LayoutForm: TLayoutForm\n\n  BorderStyle = bsRound\nend\n"), 3);
  EXPECT_EQ(ErrorLine("object LayoutForm: TLayoutForm\n  Caption = 'unterminated\nend\n"), 2);
  EXPECT_EQ(ErrorLine("object LayoutForm: TLayoutForm\n  Width = 1.5\nend\n"), 2);
  EXPECT_EQ(ErrorLine("object LayoutForm: TLayoutForm\n  OnShow = NoSuchHandler\nend\n"), 2);
  EXPECT_EQ(ErrorLine("object LayoutForm: TLayoutForm\n  Menu = Missing\nend\n"), 2);
  EXPECT_EQ(ErrorLine("object LayoutForm: TLayoutForm\n  Caption = 'x'\n"), 3);  // no end
  EXPECT_EQ(ErrorLine("object Other: TForm\nend\n"), 1);                         // wrong root class
  EXPECT_EQ(ErrorLine("object LayoutForm: TLayoutForm\n  Width = 'wide'\nend\n"), 2);
  EXPECT_EQ(ErrorLine("object LayoutForm: TLayoutForm\n  object P: LoadedProbe\n    Payload = {ABC}\n  end\nend\n"), 3);
}

TEST_F(LayoutReaderTest, HandlersWithTheWrongParametersAreRefused) {
  EXPECT_NE(ErrorOf("object LayoutForm: TLayoutForm\n  object E: TRichEdit\n    OnKeyDown = ButtonClick\n  end\nend\n")
                .find("does not suit"),
            std::string::npos);
}

TEST_F(LayoutReaderTest, DuplicateNamesAreRefused) {
  EXPECT_EQ(ErrorLine("object LayoutForm: TLayoutForm\n  object A: TTimer\n  end\n  object a: TTimer\n  end\nend\n"), 4);
}

}  // namespace
