// The mapping rows of this family on real toolkit controls: the decision for each class, and the
// painters a skinned form gives them when it finishes attaching.
#include "ControlMapping.h"
#include "ListViews.h"
#include "ListsFixture.h"
#include "SkinHeader.h"
#include "SkinListView.h"
#include "SkinUpDown.h"
#include "UpDown.h"

namespace {

using T = TSkinControlType;
using K = TPainterKind;

class ListsMappingTest : public ListsTest {
 protected:
  template <class C>
  C* Add() {
    auto* control = new C(form);
    control->SetParent(form);
    control->SetBounds(10, 10, 120, 60);
    control->HandleNeeded();
    return control;
  }
  void Without(T member) {
    TSkinControlTypes set = skin->SkinControls();
    set.Exclude(member);
    skin->SetSkinControls(set);
  }
  template <class P>
  P* PainterOf(HWND wnd) const {
    for (TSkinControl* painter : Painter()->PainterList())
      if (painter->Handle == wnd)
        if (auto* p = dynamic_cast<P*>(painter)) return p;
    return nullptr;
  }
};

TEST_F(ListsMappingTest, EachClassGetsItsRow) {
  form = new tk::TForm(nullptr);
  skin = new TSkinData(form);
  skin->Skin3rd()->Clear();
  struct Expect {
    tk::TControl* control;
    K kind;
    const char* row;
  } expected[] = {
      {Add<tk::TUpDown>(), K::pkUpDown, "updown"},
      {Add<tk::TSpinButton>(), K::pkUpDown, "updown"},
      {Add<tk::THeaderControl>(), K::pkHeader, "headercontrol"},
      {Add<tk::TListView>(), K::pkListView, "listview"},
      {Add<tk::TSpinEdit>(), K::pkEdit, "edit"},
  };
  for (const Expect& e : expected) {
    const TControlDecision d = DecideControl(*e.control, *skin);
    EXPECT_EQ(d.Row, e.row) << e.control->ClassName();
    EXPECT_EQ(d.Painter, e.kind) << e.control->ClassName();
  }
}

TEST_F(ListsMappingTest, RowsNeedTheirMembers) {
  form = new tk::TForm(nullptr);
  skin = new TSkinData(form);
  skin->Skin3rd()->Clear();
  auto* upDown = Add<tk::TUpDown>();
  auto* list = Add<tk::TListView>();
  Without(T::xcSpin);
  EXPECT_FALSE(DecideControl(*upDown, *skin).Painter.has_value());
  Without(T::xcScrollbar);
  const TControlDecision d = DecideControl(*list, *skin);
  EXPECT_NE(d.Row, "listview");
  EXPECT_NE(d.Painter, K::pkListView);
}

TEST_F(ListsMappingTest, ASkinnedFormGivesTheControlsTheirPainters) {
  tk::TUpDown* upDown = nullptr;
  tk::TSpinButton* spinButton = nullptr;
  tk::THeaderControl* header = nullptr;
  tk::TListView* list = nullptr;
  beforeSkin = [&](tk::TForm& f) {
    upDown = new tk::TUpDown(&f);
    upDown->SetParent(&f);
    upDown->SetBounds(10, 40, 18, 30);
    spinButton = new tk::TSpinButton(&f);
    spinButton->SetParent(&f);
    spinButton->SetBounds(40, 40, 20, 26);
    header = new tk::THeaderControl(&f);
    header->SetParent(&f);
    header->AddSection("One", 80);
    list = new tk::TListView(&f);
    list->SetParent(&f);
    list->SetBounds(80, 40, 200, 120);
    list->SetViewStyle(tk::TViewStyle::vsReport);
    list->AddColumn("A", 80);
  };
  MakeForm();
  auto* upDownPainter = PainterOf<TSkinUpDown>(upDown->Handle());
  ASSERT_NE(upDownPainter, nullptr);
  EXPECT_FALSE(upDownPainter->Horizontal);
  EXPECT_NE(PainterOf<TSkinUpDown>(spinButton->Handle()), nullptr);
  EXPECT_NE(PainterOf<TSkinHeader>(header->Handle()), nullptr);
  auto* listPainter = PainterOf<TSkinListView>(list->Handle());
  ASSERT_NE(listPainter, nullptr);
  ASSERT_NE(listPainter->Header, nullptr);
  EXPECT_EQ(listPainter->Header->Handle, list->HeaderHandle());
  EXPECT_EQ(PixelBecomes(list->HeaderHandle(), 1, 1, lists_test::HeaderColour(1)), lists_test::HeaderColour(1));
}

}  // namespace
