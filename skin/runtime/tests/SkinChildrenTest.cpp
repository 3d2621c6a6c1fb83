// The mapping carried out on a skinned form: which controls get which painter, in which order,
// what the program's handler and the Tag do, and bare windows inside the form.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

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
  PainterRecorder recorder;
};

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
