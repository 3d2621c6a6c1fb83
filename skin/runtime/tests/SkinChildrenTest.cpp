// The mapping carried out on a skinned form: which controls get which painter, in which order,
// what the program's handler and the Tag do, and bare windows inside the form.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <map>

#include "Buttons.h"
#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "MappingTestClasses.h"
#include "PainterRecorder.h"
#include "SkinnedFormFixture.h"
#include "StdCtrls.h"

namespace {

using K = TPainterKind;

class SkinChildrenTest : public SkinnedFormTest {
 protected:
  template <class C>
  C* Add(tk::TWinControl* parent, const std::string& name, int top = 0) {
    auto* control = new C(form ? static_cast<tk::TComponent*>(form) : nullptr);
    control->SetName(name);
    control->SetParent(parent);
    control->SetBounds(8, 8 + top, 100, 24);
    return control;
  }
  template <class C>
  C* Added(const std::string& name) const {
    return dynamic_cast<C*>(form->FindComponent(name));
  }
  bool Listed(const TSkinControl* painter) const {
    const auto& list = Painter()->PainterList();
    return std::find(list.begin(), list.end(), painter) != list.end();
  }
  // Gives the form the controls of the practice window, nested as its stored layout nests them.
  static void PracticeLayout(tk::TForm& f) {
    auto add = [&f](auto* control, tk::TWinControl* parent, const char* name, int top) {
      control->SetName(name);
      control->SetParent(parent);
      control->SetBounds(8, top, 120, 24);
      return control;
    };
    auto* bar = add(new tk::TToolBar(&f), &f, "ToolBar1", 0);
    add(new tk::TComboBox(&f), bar, "ComboBox2", 2)->SetStyle(tk::TComboBoxStyle::csDropDownList);
    add(new tk::TBitBtn(&f), bar, "BitBtn1", 2);
    add(new tk::TBitBtn(&f), bar, "BitBtn4", 2);
    add(new tk::TBitBtn(&f), bar, "BitBtn2", 2);
    add(new tk::TLabel(&f), bar, "Label4", 2);
    add(new tk::TRichEdit(&f), &f, "RichEdit1", 40)->SetScrollBars(tk::TScrollStyle::ssVertical);
    add(new tk::TSplitter(&f), &f, "Splitter1", 70);
    add(new tk::TRichEdit(&f), &f, "RichEdit2", 80)->SetScrollBars(tk::TScrollStyle::ssVertical);
    add(new tk::TStatusBar(&f), &f, "StatusBar1", 110);
    auto* group2 = add(new tk::TGroupBox(&f), &f, "GroupBox2", 140);
    group2->SetBounds(8, 140, 380, 60);
    for (int i = 6; i <= 15; ++i)
      add(new tk::TRichEdit(&f), group2, ("RichEdit" + std::to_string(i)).c_str(), 16)->SetBounds(4 + 30 * (i - 6), 16, 28, 30);
    auto* group1 = add(new tk::TGroupBox(&f), &f, "GroupBox1", 210);
    group1->SetBounds(8, 210, 380, 80);
    for (const char* label : {"Label1", "Label2", "Label3"}) add(new tk::TLabel(&f), group1, label, 16);
    add(new tk::TComboBox(&f), group1, "ComboBox1", 16)->SetStyle(tk::TComboBoxStyle::csDropDownList);
    add(new tk::TButton(&f), group1, "Button3", 16);
    add(new tk::TEdit(&f), group1, "Edit1", 16);
    add(new tk::TComboBox(&f), group1, "ComboBox3", 16)->SetStyle(tk::TComboBoxStyle::csDropDownList);
    add(new tk::TScrollBar(&f), group1, "ScrollBar1", 46);
    add(new tk::TScrollBar(&f), group1, "ScrollBar2", 46);
    add(new tk::TScrollBar(&f), group1, "ScrollBar3", 46)->SetKind(tk::TScrollBarKind::sbVertical);
  }

  PainterRecorder recorder;
};

TEST_F(SkinChildrenTest, PracticeWindowLayoutGetsItsPainters) {
  beforeSkin = PracticeLayout;
  MakeSkinnedForm(420, 320);
  ASSERT_TRUE(Painter());
  const std::map<std::string, std::optional<K>> expected = {
      {"ToolBar1", K::pkBox},        {"ComboBox2", K::pkComBox},     {"ComboBox1", K::pkComBox},
      {"ComboBox3", K::pkComBox},    {"BitBtn1", K::pkBitButton},    {"BitBtn2", K::pkBitButton},
      {"BitBtn4", K::pkBitButton},   {"RichEdit1", K::pkScrollbar},  {"RichEdit2", K::pkScrollbar},
      {"GroupBox1", K::pkGroupBox},  {"GroupBox2", K::pkGroupBox},   {"Button3", K::pkButton},
      {"Edit1", K::pkEdit},          {"ScrollBar1", K::pkScControl}, {"ScrollBar2", K::pkScControl},
      {"ScrollBar3", K::pkScControl}, {"StatusBar1", K::pkStatusBar}, {"Label1", std::nullopt},
      {"Label2", std::nullopt},      {"Label3", std::nullopt},       {"Label4", std::nullopt},
      {"Splitter1", std::nullopt},
  };
  for (const auto& [name, kind] : expected) {
    auto* control = Added<tk::TControl>(name);
    ASSERT_NE(control, nullptr) << name;
    EXPECT_EQ(recorder.KindOf(control), kind) << name;
    EXPECT_LE(recorder.CountOf(control), 1) << name;
  }
  for (int i = 6; i <= 15; ++i) {
    auto* rich = Added<tk::TControl>("RichEdit" + std::to_string(i));
    EXPECT_EQ(recorder.KindOf(rich), K::pkScrollbar) << i;
    EXPECT_LT(recorder.IndexOf(rich), recorder.IndexOf(Added<tk::TControl>("GroupBox2"))) << i;
  }
  for (const char* name : {"ComboBox1", "Button3", "Edit1", "ComboBox3", "ScrollBar1", "ScrollBar2", "ScrollBar3"})
    EXPECT_LT(recorder.IndexOf(Added<tk::TControl>(name)), recorder.IndexOf(Added<tk::TControl>("GroupBox1"))) << name;
  EXPECT_FALSE(recorder.RecolourOf(Added<tk::TControl>("GroupBox1")));

  auto* bar = Added<tk::TToolBar>("ToolBar1");
  EXPECT_TRUE(bar->Flat());
  EXPECT_TRUE(GetWindowLongPtrW(bar->Handle(), GWL_STYLE) & TBSTYLE_FLAT);
  EXPECT_TRUE(static_cast<bool>(bar->OnCustomDraw));
  EXPECT_TRUE(static_cast<bool>(bar->OnCustomDrawButton));
  // Every painter made is listed by the frame painter.
  EXPECT_EQ(Painter()->PainterList().size(), recorder.records.size());
}

TEST_F(SkinChildrenTest, VisitingAgainGivesNoSecondPainter) {
  beforeSkin = PracticeLayout;
  MakeSkinnedForm(420, 320);
  const size_t first = recorder.records.size();
  ASSERT_GT(first, 0u);
  Painter()->SkinChildren();
  EXPECT_EQ(recorder.records.size(), first);
}

TEST_F(SkinChildrenTest, DisableTagKeepsControlsAndGroupButtonsNative) {
  beforeSkin = [this](tk::TForm& f) {
    auto* tagged = new tk::TButton(&f);
    tagged->SetName("Tagged");
    tagged->SetParent(&f);
    tagged->SetTag(99);
    auto* group = new mapping_test::TTestRadioGroup(&f);
    group->SetName("Group");
    group->SetParent(&f);
    group->SetBounds(10, 40, 200, 100);
    group->SetTag(99);
    for (const char* name : {"Choice1", "Choice2"}) {
      auto* b = new tk::TButton(&f);
      b->SetName(name);
      b->SetParent(group);
    }
    auto* plain = new tk::TGroupBox(&f);
    plain->SetName("Plain");
    plain->SetParent(&f);
    plain->SetBounds(10, 150, 200, 100);
    plain->SetTag(99);
    auto* inner = new tk::TButton(&f);
    inner->SetName("Inner");
    inner->SetParent(plain);
  };
  MakeSkinnedForm();
  for (const char* name : {"Tagged", "Group", "Choice1", "Choice2", "Plain"})
    EXPECT_EQ(recorder.IndexOf(Added<tk::TControl>(name)), -1) << name;
  EXPECT_EQ(Added<tk::TControl>("Choice1")->Tag(), 99);
  EXPECT_EQ(Added<tk::TControl>("Choice2")->Tag(), 99);
  // A plain group box does not pass its Tag on.
  EXPECT_EQ(Added<tk::TControl>("Inner")->Tag(), 0);
  EXPECT_EQ(recorder.KindOf(Added<tk::TControl>("Inner")), K::pkButton);
}

TEST_F(SkinChildrenTest, ControlsWithoutParentAreLeftAndTabOrderReachesOthers) {
  tk::TButton* stranger = nullptr;
  beforeSkin = [&stranger](tk::TForm& f) {
    auto* loose = new tk::TButton(&f);
    loose->SetName("Loose");
    // Owned by nobody, so only the tab order reaches it.
    stranger = new tk::TButton(nullptr);
    stranger->SetParent(&f);
  };
  MakeSkinnedForm();
  EXPECT_EQ(recorder.IndexOf(Added<tk::TControl>("Loose")), -1);
  EXPECT_EQ(recorder.KindOf(stranger), K::pkButton);
  tk::TComponent::Free(stranger);
}

TEST_F(SkinChildrenTest, ToolBarKeepsTheDrawingHandlersOfTheProgram) {
  bool ownBackground = false, ownButton = false;
  beforeSkin = [&](tk::TForm& f) {
    auto* first = new tk::TToolBar(&f);
    first->SetName("First");
    first->SetParent(&f);
    first->OnCustomDraw = [&ownBackground](tk::TToolBar*, const RECT&, bool&) { ownBackground = true; };
    auto* second = new tk::TToolBar(&f);
    second->SetName("Second");
    second->SetParent(&f);
    second->OnCustomDrawButton = [&ownButton](tk::TToolBar*, tk::TToolBarButtonDraw&, bool&) { ownButton = true; };
  };
  MakeSkinnedForm();
  auto* first = Added<tk::TToolBar>("First");
  auto* second = Added<tk::TToolBar>("Second");
  ASSERT_TRUE(first->OnCustomDraw && first->OnCustomDrawButton);
  ASSERT_TRUE(second->OnCustomDraw && second->OnCustomDrawButton);
  ownBackground = ownButton = false;
  bool defaultDraw = true;
  first->OnCustomDraw(first, RECT{0, 0, 10, 10}, defaultDraw);
  tk::TToolBarButtonDraw button;
  second->OnCustomDrawButton(second, button, defaultDraw);
  EXPECT_TRUE(ownBackground);
  EXPECT_TRUE(ownButton);
}

TEST_F(SkinChildrenTest, ProgramHandlerCanSupplyThePainter) {
  MakeSkinnedForm();
  struct Offer {
    tk::TComponent* sender;
    tk::TControl* parent;
    std::string cls;
  };
  std::vector<Offer> offers;
  TSkinControl* mine = nullptr;
  tk::TComponent* notAPainter = new tk::TComponent(form);
  skin->OnSkinControl = [&](tk::TComponent* sender, TSkinData* data, tk::TControl* parent, tk::TControl* control,
                            const std::string& cls, tk::TComponent*& skinned) {
    EXPECT_EQ(data, skin);
    offers.push_back({sender, parent, cls});
    if (control->Name() == "Mine") skinned = mine = new TSkinControl(control);
    if (control->Name() == "Refused") skinned = notAPainter;
    if (control->Name() == "OwnPanel") skinned = new TSkinControl(control);
  };
  auto* own = Add<tk::TButton>(form, "Mine");
  auto* refused = Add<tk::TEdit>(form, "Refused", 30);
  auto* left = Add<tk::TComboBox>(form, "Left", 60);
  auto* panel = Add<mapping_test::TStandInPanel>(form, "OwnPanel", 90);
  auto* inPanel = Add<tk::TButton>(panel, "InPanel");
  Painter()->SkinChildren();

  ASSERT_NE(mine, nullptr);
  EXPECT_TRUE(Listed(mine));
  EXPECT_EQ(mine->Control, own);
  EXPECT_EQ(recorder.IndexOf(own), -1);
  EXPECT_EQ(recorder.IndexOf(refused), -1);
  EXPECT_EQ(Painter()->PainterOf(refused->Handle()), nullptr);
  EXPECT_EQ(recorder.KindOf(left), K::pkComBox);
  EXPECT_EQ(recorder.IndexOf(panel), -1);
  EXPECT_EQ(recorder.KindOf(inPanel), K::pkButton);  // a panel's children are visited after its painter
  ASSERT_FALSE(offers.empty());
  EXPECT_EQ(offers.front().sender, Painter());
  EXPECT_EQ(offers.front().parent, form);
  EXPECT_TRUE(std::any_of(offers.begin(), offers.end(), [](const Offer& o) { return o.cls == "TBUTTON"; }));
}

TEST_F(SkinChildrenTest, RadioGroupKindGivesButtonsFirstThenTheGroup) {
  MakeSkinnedForm();
  skin->Skin3rd()->Clear();
  skin->Skin3rd()->Add("TGroupBox=RadioGroup");
  auto* group = Add<tk::TGroupBox>(form, "Group");
  group->SetBounds(10, 10, 200, 120);
  auto* a = Add<tk::TButton>(group, "A", 16);
  auto* b = Add<tk::TButton>(group, "B", 44);
  Painter()->SkinChildren();
  EXPECT_EQ(recorder.KindOf(a), K::pkRadioButton);
  EXPECT_EQ(recorder.KindOf(b), K::pkRadioButton);
  EXPECT_EQ(recorder.KindOf(group), K::pkGroupBox);
  EXPECT_TRUE(recorder.RecolourOf(group));
  EXPECT_LT(recorder.IndexOf(b), recorder.IndexOf(group));
}

TEST_F(SkinChildrenTest, EmbedScrollBarKindPaintsTheChildrenOnly) {
  MakeSkinnedForm();
  skin->Skin3rd()->Clear();
  skin->Skin3rd()->Add("TGroupBox=embedscrollbar");
  auto* group = Add<tk::TGroupBox>(form, "Group");
  group->SetBounds(10, 10, 300, 120);
  auto* bar = Add<tk::TScrollBar>(group, "Bar", 16);
  auto* rich = Add<tk::TRichEdit>(group, "Rich", 44);
  rich->SetScrollBars(tk::TScrollStyle::ssBoth);
  auto* edit = Add<tk::TEdit>(group, "Edit", 80);
  Painter()->SkinChildren();
  EXPECT_EQ(recorder.IndexOf(group), -1);
  EXPECT_EQ(recorder.KindOf(bar), K::pkScControl);
  EXPECT_EQ(recorder.KindOf(rich), K::pkScrollbar);
  // Children without scroll bars are still visited as components, by the built-in rows.
  EXPECT_EQ(recorder.KindOf(edit), K::pkEdit);
}

TEST_F(SkinChildrenTest, PanelKindMakesTheControlTransparent) {
  MakeSkinnedForm();
  skin->Skin3rd()->Clear();
  skin->Skin3rd()->Add("TToolBar=panel");
  auto* bar = Add<tk::TToolBar>(form, "Bar");
  Painter()->SkinChildren();
  EXPECT_EQ(recorder.KindOf(bar), K::pkBox);
  EXPECT_TRUE(recorder.RecolourOf(bar));
  EXPECT_TRUE(bar->Transparent());
  EXPECT_FALSE(bar->Flat());
  EXPECT_FALSE(static_cast<bool>(bar->OnCustomDraw));
}

TEST_F(SkinChildrenTest, BareWindowsInsideTheForm) {
  MakeSkinnedForm();
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_USEREX_CLASSES};
  InitCommonControlsEx(&icc);
  HWND box = CreateWindowExW(0, L"#32770", L"", WS_CHILD | WS_VISIBLE, 0, 0, 300, 200, Wnd(), nullptr, nullptr, nullptr);
  auto child = [box](const wchar_t* cls, DWORD style, int y) {
    return CreateWindowExW(0, cls, L"x", WS_CHILD | WS_VISIBLE | style, 4, y, 120, 24, box, nullptr, nullptr, nullptr);
  };
  HWND check = child(L"button", BS_AUTOCHECKBOX, 4);
  HWND edit = child(L"edit", WS_BORDER, 32);
  HWND group = child(L"button", BS_GROUPBOX, 60);
  HWND ex = child(WC_COMBOBOXEXW, CBS_DROPDOWN, 90);
  HWND popup = CreateWindowExW(0, L"button", L"p", WS_POPUP, 0, 0, 10, 10, box, nullptr, nullptr, nullptr);
  ASSERT_TRUE(box && check && edit && group && ex && popup);

  Painter()->SkinChildWindow(box);
  EXPECT_EQ(recorder.KindOf(check), K::pkCheckBox);
  EXPECT_EQ(recorder.KindOf(edit), K::pkEdit);
  EXPECT_EQ(recorder.IndexOf(group), -1);
  EXPECT_EQ(recorder.IndexOf(ex), -1);
  EXPECT_EQ(recorder.KindOf(GetWindow(ex, GW_CHILD)), K::pkComBox);
  EXPECT_EQ(recorder.IndexOf(popup), -1);  // not a child window
  EXPECT_EQ(recorder.KindOf(box), K::pkBoxH);
  EXPECT_LT(recorder.IndexOf(check), recorder.IndexOf(box));
  EXPECT_NE(Painter()->PainterOf(box), nullptr);

  const size_t made = recorder.records.size();
  Painter()->SkinChildWindow(box);
  Painter()->SkinChildWindow(nullptr);
  EXPECT_EQ(recorder.records.size(), made);
  DestroyWindow(popup);
  DestroyWindow(box);
  tk::testing::PumpMessages(10);
}

}  // namespace
