// The mapping rows of the tab family, decided on real toolkit controls and raw windows.
#include <windows.h>
#include <commctrl.h>

#include "ControlMapping.h"
#include "TabFixture.h"
#include "TabSet.h"

using namespace tab_test;

namespace {

using T = TSkinControlType;
using K = TPainterKind;

class TabMappingTest : public TabTest {
 protected:
  template <class C>
  C* Add() {
    auto* control = new C(form);
    control->SetParent(form);
    control->SetBounds(10, 10, 200, 100);
    control->HandleNeeded();
    return control;
  }
  std::optional<K> Decide(const tk::TControl* control) { return DecideControl(*control, *skin).Painter; }
  void Without(T member) {
    TSkinControlTypes set = skin->SkinControls();
    set.Exclude(member);
    skin->SetSkinControls(set);
  }
};

TEST_F(TabMappingTest, ToolkitTabClassesGetTheirPainterKinds) {
  Start();
  skin->Skin3rd()->Clear();
  EXPECT_EQ(Decide(Add<tk::TPageControl>()), K::pkPageControl);
  auto* sheet = new tk::TTabSheet(form);
  sheet->SetPageControl(Add<tk::TPageControl>());
  EXPECT_EQ(Decide(sheet), K::pkTabSheet);
  EXPECT_EQ(Decide(Add<tk::TTabControl>()), K::pkTab);
  auto* buttons = Add<tk::TTabControl>();
  buttons->SetStyle(tk::TTabStyle::tsFlatButtons);
  EXPECT_EQ(Decide(buttons), K::pkTabBtn);
  EXPECT_EQ(Decide(Add<tk::TTabSet>()), K::pkTab31);
  EXPECT_EQ(Decide(Add<tk::TTabbedNotebook>()), K::pkTab);
  EXPECT_EQ(DecideControl(*Add<tk::TTabSet>(), *skin).Row, "tabset");
}

TEST_F(TabMappingTest, WithoutTheTabMemberTabClassesStayNative) {
  Start();
  skin->Skin3rd()->Clear();
  Without(T::xcTab);
  for (tk::TControl* control : std::initializer_list<tk::TControl*>{
           Add<tk::TPageControl>(), Add<tk::TTabControl>(), Add<tk::TTabSet>(), Add<tk::TTabbedNotebook>()})
    EXPECT_FALSE(Decide(control).has_value()) << control->ClassName();
}

TEST_F(TabMappingTest, WithoutTheTabsElementOnlySheetsAndButtonTabsAreSkinned) {
  Start(TabPartsOptions{false, true});
  skin->Skin3rd()->Clear();
  EXPECT_FALSE(Decide(Add<tk::TPageControl>()).has_value());
  EXPECT_FALSE(Decide(Add<tk::TTabSet>()).has_value());
  EXPECT_FALSE(Decide(Add<tk::TTabControl>()).has_value());
  auto* buttons = Add<tk::TTabControl>();
  buttons->SetStyle(tk::TTabStyle::tsButtons);
  EXPECT_EQ(Decide(buttons), K::pkTabBtn);
  auto* sheet = new tk::TTabSheet(form);
  sheet->SetPageControl(Add<tk::TPageControl>());
  EXPECT_EQ(Decide(sheet), K::pkTabSheet);
}

TEST_F(TabMappingTest, Skin3rdKindsTabAndAdvPageControl) {
  Start();
  skin->Skin3rd()->Clear();
  skin->Skin3rd()->Add("TAdvPageControl=advpagecontrol");
  skin->Skin3rd()->Add("TTabControl=tab");
  const TControlDecision adv = DecideControl(*Add<tk::TAdvPageControl>(), *skin);
  EXPECT_EQ(adv.Painter, K::pkAdvPage);
  EXPECT_TRUE(adv.Recolour);
  // Through Skin3rd even button tabs take the tab painter.
  auto* buttons = Add<tk::TTabControl>();
  buttons->SetStyle(tk::TTabStyle::tsButtons);
  EXPECT_EQ(Decide(buttons), K::pkTab);
}

TEST_F(TabMappingTest, RawTabWindowsUnlessOwnerDrawn) {
  Start();
  const TSkinControlTypes members = skin->SkinControls();
  EXPECT_EQ(DecideWindow("SysTabControl32", WS_CHILD, members).Painter, K::pkTab);
  EXPECT_FALSE(DecideWindow("SysTabControl32", WS_CHILD | TCS_OWNERDRAWFIXED, members).Painter.has_value());
  TSkinControlTypes withoutTab = members;
  withoutTab.Exclude(T::xcTab);
  EXPECT_FALSE(DecideWindow("systabcontrol32", WS_CHILD, withoutTab).Painter.has_value());
}

TEST_F(TabMappingTest, FormPainterSkinsPageControlsAndSheetsOfAFormMadeBeforeTheSkin) {
  beforeSkin = [](tk::TForm& f) {
    auto* pages = new tk::TPageControl(&f);
    pages->SetParent(&f);
    pages->SetBounds(10, 10, 300, 200);
    auto* sheet = new tk::TTabSheet(&f);
    sheet->SetCaption("First");
    sheet->SetPageControl(pages);
  };
  Start();
  HWND pages = nullptr;
  for (int i = 0; i < form->ControlCount(); ++i)
    if (auto* p = dynamic_cast<tk::TPageControl*>(form->Controls(i))) pages = p->Handle();
  ASSERT_NE(pages, nullptr);
  EXPECT_EQ(SendMessageW(pages, SKM_ISSKINNED, 0, 0), 1);
  RepaintNow(pages);
  const RECT tab0 = ItemRect(pages, 0);
  EXPECT_EQ(At(pages, tab0.left + 3, tab0.top + 3), TabOuterColour(2));
}

}  // namespace
