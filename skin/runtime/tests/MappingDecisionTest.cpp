// The mapping's decision for real toolkit controls on a form made in code: rows in order, members
// that let a row apply or not, Skin3rd lines and kinds.
#include <gtest/gtest.h>

#include "ComCtrls.h"
#include "ControlMapping.h"
#include "ExtCtrls.h"
#include "Buttons.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "MappingTestClasses.h"
#include "StdCtrls.h"
#include "WinSkinData.h"

namespace {

using T = TSkinControlType;
using K = TPainterKind;

class MappingDecisionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new tk::TForm(nullptr);
    form->SetBounds(50, 50, 500, 400);
    skin = new TSkinData(form);
    skin->Skin3rd()->Clear();
  }
  void TearDown() override {
    tk::TComponent::Free(form);
    tk::testing::PumpMessages(10);
  }

  template <class C>
  C* Add(tk::TWinControl* parent = nullptr) {
    auto* control = new C(form);
    control->SetParent(parent ? parent : form);
    control->SetBounds(10, 10, 120, 60);
    if (auto* windowed = dynamic_cast<tk::TWinControl*>(static_cast<tk::TControl*>(control))) windowed->HandleNeeded();
    return control;
  }
  TControlDecision Decide(const tk::TControl* control) { return DecideControl(*control, *skin); }
  void Without(std::initializer_list<T> members) {
    TSkinControlTypes set = skin->SkinControls();
    for (T m : members) set.Exclude(m);
    skin->SetSkinControls(set);
  }
  void Lines(std::initializer_list<std::string> lines) {
    skin->Skin3rd()->Clear();
    for (const std::string& line : lines) skin->Skin3rd()->Add(line);
  }

  tk::TForm* form = nullptr;
  TSkinData* skin = nullptr;
};

TEST_F(MappingDecisionTest, ToolkitControlsGetTheirPainterKinds) {
  struct Expect {
    tk::TControl* control;
    std::optional<K> kind;
    const char* row;
  };
  auto* richEdit = Add<tk::TRichEdit>();
  richEdit->SetScrollBars(tk::TScrollStyle::ssVertical);
  const Expect expected[] = {
      {Add<tk::TComboBox>(), K::pkComBox, "combobox"},
      {Add<tk::TBitBtn>(), K::pkBitButton, "bitbtn"},
      {richEdit, K::pkScrollbar, "richedit"},
      {Add<tk::TButton>(), K::pkButton, "button"},
      {Add<tk::TEdit>(), K::pkEdit, "edit"},
      {Add<tk::TScrollBar>(), K::pkScControl, "scrollbarcontrol"},
      {Add<tk::TStatusBar>(), K::pkStatusBar, "statusbar"},
      {Add<mapping_test::TStandInPanel>(), K::pkBox, "panel"},
      {Add<mapping_test::TStandInMemo>(), K::pkScrollbar, "memo"},
      {Add<tk::TCheckBox>(), K::pkCheckBox, "stdcheckbox"},
      {Add<tk::TRadioButton>(), K::pkRadioButton, "stdradiobutton"},
      {Add<tk::TSpeedButton>(), K::pkSpeedButton, "stdspeedbutton"},
      {Add<tk::TDateTimePicker>(), K::pkDateTime, "stddatetimepicker"},
  };
  for (const Expect& e : expected) {
    const TControlDecision d = Decide(e.control);
    EXPECT_TRUE(d.Matched) << e.control->ClassName();
    EXPECT_EQ(d.Row, e.row) << e.control->ClassName();
    EXPECT_EQ(d.Painter, e.kind) << e.control->ClassName();
  }
  EXPECT_FALSE(Decide(Add<tk::TLabel>()).Matched);
  EXPECT_FALSE(Decide(Add<tk::TSplitter>()).Matched);
}

TEST_F(MappingDecisionTest, ToolBarIsMadeFlatAndGetsTheBoxPainterAndItsDrawing) {
  const TControlDecision d = Decide(Add<tk::TToolBar>());
  EXPECT_EQ(d.Painter, K::pkBox);
  EXPECT_FALSE(d.Recolour);
  EXPECT_TRUE(d.ToolbarEvents);
  EXPECT_TRUE(d.SkinMenu);
  ASSERT_EQ(d.Properties.size(), 1u);
  EXPECT_EQ(d.Properties[0].first, "Flat");
  EXPECT_EQ(d.Properties[0].second, "True");

  Without({T::xcToolbar});
  const TControlDecision none = Decide(Add<tk::TToolBar>());
  EXPECT_FALSE(none.Matched);
  EXPECT_TRUE(none.Properties.empty());
}

TEST_F(MappingDecisionTest, GroupBoxAndPanelVisitTheirChildrenFirst) {
  const TControlDecision group = Decide(Add<tk::TGroupBox>());
  EXPECT_EQ(group.Painter, K::pkGroupBox);
  EXPECT_EQ(group.Children, TChildVisit::Before);
  EXPECT_FALSE(group.Recolour);
  const TControlDecision panel = Decide(Add<mapping_test::TStandInPanel>());
  EXPECT_EQ(panel.Children, TChildVisit::Before);
  EXPECT_TRUE(panel.Recolour);
  // Both rows need the panel member; without it nothing else takes them.
  Without({T::xcPanel});
  EXPECT_FALSE(Decide(Add<tk::TGroupBox>()).Matched);
  EXPECT_FALSE(Decide(Add<mapping_test::TStandInPanel>()).Matched);
}

TEST_F(MappingDecisionTest, RichEditTakesTheScrollBarPainterElseTheEditPainter) {
  auto* richEdit = Add<tk::TRichEdit>();
  richEdit->SetScrollBars(tk::TScrollStyle::ssBoth);
  EXPECT_EQ(Decide(richEdit).Painter, K::pkScrollbar);
  Without({T::xcScrollbar});
  const TControlDecision d = Decide(richEdit);
  EXPECT_EQ(d.Row, "edit");
  EXPECT_EQ(d.Painter, K::pkEdit);
  Without({T::xcEdit});
  EXPECT_FALSE(Decide(richEdit).Matched);
}

TEST_F(MappingDecisionTest, MemoFallsToTheEditRowWithoutScrollBars) {
  auto* memo = Add<mapping_test::TStandInMemo>();
  Without({T::xcScrollbar});
  // A memo counts as an edit control.
  const TControlDecision d = Decide(memo);
  EXPECT_EQ(d.Row, "edit");
  EXPECT_EQ(d.Painter, K::pkEdit);
}

TEST_F(MappingDecisionTest, BitButtonWithoutItsMemberStaysNativeEvenWithButtons) {
  Without({T::xcBitBtn});
  ASSERT_TRUE(skin->SkinControls().Contains(T::xcButton));
  const TControlDecision d = Decide(Add<tk::TBitBtn>());
  EXPECT_TRUE(d.Matched);
  EXPECT_EQ(d.Row, "bitbtn");
  EXPECT_FALSE(d.Painter.has_value());
  // A plain push button still gets its painter.
  EXPECT_EQ(Decide(Add<tk::TButton>()).Painter, K::pkButton);
}

TEST_F(MappingDecisionTest, MissingMemberTriesTheNextRow) {
  Without({T::xcCombo});
  // A drop-down list has a vertical scroll bar style: the scroll-style row takes it.
  auto* combo = Add<tk::TComboBox>();
  const TControlDecision d = Decide(combo);
  EXPECT_NE(d.Row, "combobox");
  EXPECT_NE(d.Painter, K::pkComBox);
  const bool scrollStyle = (GetWindowLongPtrW(combo->Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) != 0;
  EXPECT_EQ(d.Matched, scrollStyle);

  Without({T::xcScrollbar});
  const TControlDecision scroll = Decide(Add<tk::TScrollBar>());
  EXPECT_FALSE(scroll.Matched);
}

TEST_F(MappingDecisionTest, WindowedControlWithScrollStyleGetsTheScrollBarPainter) {
  auto* plain = Add<tk::TCustomControl>();
  EXPECT_FALSE(Decide(plain).Matched);
  SetWindowLongPtrW(plain->Handle(), GWL_STYLE, GetWindowLongPtrW(plain->Handle(), GWL_STYLE) | WS_VSCROLL);
  const TControlDecision d = Decide(plain);
  EXPECT_EQ(d.Row, "scrollstyle");
  EXPECT_EQ(d.Painter, K::pkScrollbar);
  Without({T::xcScrollbar});
  EXPECT_FALSE(Decide(plain).Matched);
}

TEST_F(MappingDecisionTest, NeverSkinnedClassesStopTheRows) {
  const TControlDecision d = Decide(Add<mapping_test::TDBComboBoxEh>());
  EXPECT_TRUE(d.Matched);
  EXPECT_EQ(d.Row, "never");
  EXPECT_FALSE(d.Painter.has_value());
}

TEST_F(MappingDecisionTest, NavigatorGetsABoxAndVisitsItsButtonsWithoutForm) {
  const TControlDecision d = Decide(Add<mapping_test::TDBNavigator>());
  EXPECT_EQ(d.Painter, K::pkBox);
  EXPECT_TRUE(d.Recolour);
  EXPECT_EQ(d.Children, TChildVisit::After);
  EXPECT_TRUE(d.ChildrenWithoutForm);
}

TEST_F(MappingDecisionTest, ToolButtonSkinsItsMenuItemOnlyWithSkinnedMainMenu) {
  auto* button = Add<mapping_test::TToolButton>();
  const TControlDecision d = Decide(button);
  EXPECT_EQ(d.Row, "toolbutton");
  EXPECT_TRUE(d.SkinMenu);
  EXPECT_FALSE(d.Painter.has_value());
  Without({T::xcMainMenu});
  EXPECT_FALSE(Decide(button).Matched);
}

// --- Skin3rd ---

TEST_F(MappingDecisionTest, Skin3rdKeyMatchesAtLineStartIgnoringCase) {
  auto* button = Add<tk::TButton>();
  Lines({" TButton=checkbox", "XTButton=checkbox", "TButtonX=checkbox", "TButton checkbox"});
  EXPECT_EQ(Decide(button).Row, "button");
  Lines({"tBuTtOn=CheckBox"});
  EXPECT_EQ(Decide(button).Painter, K::pkCheckBox);
  Lines({"TBUTTON=radiobutton", "TButton=checkbox"});
  EXPECT_EQ(Decide(button).Painter, K::pkRadioButton);
}

TEST_F(MappingDecisionTest, Skin3rdKindIsCutToFiftyCharacters) {
  tk::TStrings lines;
  lines.Add("TFoo=" + std::string(60, 'k'));
  EXPECT_EQ(FindSkin3rdKind(&lines, "TFOO"), std::string(50, 'k'));
  lines.Clear();
  lines.Add("tfoo=a=b");
  EXPECT_EQ(FindSkin3rdKind(&lines, "TFoo"), "a=b");
  EXPECT_EQ(FindSkin3rdKind(&lines, "TFo"), std::nullopt);
}

TEST_F(MappingDecisionTest, NilAndUnknownKindsStopTheBuiltInRows) {
  auto* button = Add<tk::TButton>();
  for (const char* line : {"TButton=nil", "TButton=nosuchkind", "TButton="}) {
    Lines({line});
    const TControlDecision d = Decide(button);
    EXPECT_TRUE(d.Matched) << line;
    EXPECT_FALSE(d.Painter.has_value()) << line;
  }
}

TEST_F(MappingDecisionTest, Skin3rdKindWithoutItsMemberGivesNothing) {
  auto* button = Add<tk::TButton>();
  Lines({"TButton=checkbox"});
  Without({T::xcCheckBox});
  const TControlDecision d = Decide(button);
  EXPECT_TRUE(d.Matched);
  EXPECT_FALSE(d.Painter.has_value());
}

TEST_F(MappingDecisionTest, Skin3rdKindsGiveTheirPainters) {
  auto* button = Add<tk::TButton>();
  const std::pair<const char*, K> kinds[] = {
      {"combobox", K::pkComBox},         {"comboboxex", K::pkComBoxEx},        {"radiobutton", K::pkRadioButton},
      {"button", K::pkButton},           {"datetimepicker", K::pkDateTime},    {"bitbtn", K::pkBitButton},
      {"pngbitbtn", K::pkBitButtonPng},  {"pngspeedbutton", K::pkSpeedButtonPng}, {"menubtn", K::pkMenuButton},
      {"speedbutton", K::pkSpeedButton}, {"scrollbar", K::pkScrollbar},       {"singlescrollbar", K::pkScrollbarSingle},
      {"groupbox", K::pkGroupBox},       {"checkbox", K::pkCheckBox},         {"panel", K::pkBox},
  };
  for (const auto& [kind, painter] : kinds) {
    Lines({std::string("TButton=") + kind});
    const TControlDecision d = Decide(button);
    EXPECT_EQ(d.Painter, painter) << kind;
    EXPECT_EQ(d.Row, std::string("skin3rd:") + kind);
  }
  // "tab" needs a Tabs element, which this skin has not: the visit ends without a painter.
  for (const char* later : {"tab"}) {
    Lines({std::string("TButton=") + later});
    const TControlDecision d = Decide(button);
    EXPECT_TRUE(d.Matched) << later;
    EXPECT_FALSE(d.Painter.has_value()) << later;
  }
}

TEST_F(MappingDecisionTest, Skin3rdSideEffectsOfKinds) {
  auto* bar = Add<tk::TToolBar>();
  Lines({"TToolBar=panel"});
  TControlDecision d = Decide(bar);
  EXPECT_TRUE(d.Recolour);
  ASSERT_EQ(d.Properties.size(), 1u);
  EXPECT_EQ(d.Properties[0].first, "Transparent");
  EXPECT_FALSE(d.ToolbarEvents);
  Lines({"TToolBar=scrollbar"});
  EXPECT_EQ(Decide(bar).Children, TChildVisit::After);
  Lines({"TToolBar=container"});
  d = Decide(bar);
  EXPECT_FALSE(d.Painter.has_value());
  EXPECT_EQ(d.Children, TChildVisit::After);
  Lines({"TToolBar=embedscrollbar"});
  EXPECT_EQ(Decide(bar).ChildPainters, TChildPainters::EmbeddedScrollBars);
}

TEST_F(MappingDecisionTest, Skin3rdEditNeedsABorder) {
  auto* edit = Add<tk::TEdit>();
  Lines({"TEdit=edit"});
  EXPECT_EQ(Decide(edit).Painter, K::pkEdit);
  edit->SetBorderStyle(tk::TBorderStyle::bsNone);
  edit->HandleNeeded();
  const TControlDecision d = Decide(edit);
  EXPECT_TRUE(d.Matched);
  EXPECT_FALSE(d.Painter.has_value());
}

TEST_F(MappingDecisionTest, Skin3rdBitBtnOfDropDownKindIsAMenuButton) {
  auto* button = Add<mapping_test::TcxButton>();
  Lines({"TcxButton=bitbtn"});
  EXPECT_EQ(Decide(button).Painter, K::pkBitButton);
  button->SetKind(mapping_test::TcxButtonKind::cxbkDropDownButton);
  EXPECT_EQ(Decide(button).Painter, K::pkMenuButton);
  // Another class with the same kind is never a menu button.
  auto* plain = Add<tk::TButton>();
  Lines({"TButton=bitbtn"});
  EXPECT_EQ(Decide(plain).Painter, K::pkBitButton);
}

TEST_F(MappingDecisionTest, RadioAndCheckGroupsGiveTheirButtonsPainters) {
  auto* group = Add<tk::TGroupBox>();
  auto* child = Add<tk::TButton>(group);
  Lines({"TGroupBox=radiogroup"});
  TControlDecision d = Decide(group);
  EXPECT_EQ(d.ChildPainters, TChildPainters::RadioButtons);
  EXPECT_EQ(d.Painter, K::pkGroupBox);
  EXPECT_TRUE(d.Recolour);
  EXPECT_EQ(ChildPainterOf(d.ChildPainters, *group, *child), K::pkRadioButton);
  Without({T::xcRadioButton});
  d = Decide(group);
  EXPECT_EQ(d.ChildPainters, TChildPainters::None);
  EXPECT_EQ(d.Painter, K::pkGroupBox);

  Lines({"TGroupBox=checkgroup"});
  skin->SetSkinControls(TSkinControlTypes{T::xcPanel, T::xcRadioButton});
  d = Decide(group);
  EXPECT_EQ(d.ChildPainters, TChildPainters::CheckBoxes);
  EXPECT_FALSE(d.Painter.has_value());  // no group box member
  EXPECT_EQ(ChildPainterOf(d.ChildPainters, *group, *child), K::pkCheckBox);
  skin->SetSkinControls(TSkinControlTypes{T::xcGroupBox, T::xcRadioButton});
  EXPECT_FALSE(Decide(group).Painter.has_value());  // the row needs the panel member
}

TEST_F(MappingDecisionTest, EmbeddedScrollBarsByChildKind) {
  auto* group = Add<tk::TGroupBox>();
  auto* bar = Add<tk::TScrollBar>(group);
  // A rich edit hides its scroll bars (and their style bits) while its text fits.
  auto* scrolled = Add<tk::TCustomControl>(group);
  SetWindowLongPtrW(scrolled->Handle(), GWL_STYLE, GetWindowLongPtrW(scrolled->Handle(), GWL_STYLE) | WS_HSCROLL);
  auto* button = Add<tk::TButton>(group);
  EXPECT_EQ(ChildPainterOf(TChildPainters::EmbeddedScrollBars, *group, *bar), K::pkScControl);
  EXPECT_EQ(ChildPainterOf(TChildPainters::EmbeddedScrollBars, *group, *scrolled), K::pkScrollbar);
  EXPECT_EQ(ChildPainterOf(TChildPainters::EmbeddedScrollBars, *group, *button), std::nullopt);
}

TEST_F(MappingDecisionTest, DisableTagAndGroupsThatPassItOn) {
  auto* button = Add<tk::TButton>();
  EXPECT_FALSE(DisabledByTag(*button, *skin));
  button->SetTag(skin->DisableTag());
  EXPECT_TRUE(DisabledByTag(*button, *skin));
  auto* group = Add<mapping_test::TTestRadioGroup>();
  EXPECT_FALSE(DisablesGroupChildren(*group));  // no children yet
  Add<tk::TButton>(group);
  EXPECT_TRUE(DisablesGroupChildren(*group));
  auto* plainGroup = Add<tk::TGroupBox>();
  Add<tk::TButton>(plainGroup);
  EXPECT_FALSE(DisablesGroupChildren(*plainGroup));
}

}  // namespace
