// The memo and the list box: made from a stored layout, their published properties, and what
// their windows keep through a new window.
#include <gtest/gtest.h>

#include "ClassRegistration.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "LayoutReader.h"
#include "StdCtrls.h"
#include "TypeInfo.h"

using namespace tk;

namespace {

const char* kLayout = R"(object Form: TForm
  Left = 10
  Top = 10
  Width = 400
  Height = 300
  object Memo1: TMemo
    Left = 8
    Top = 8
    Width = 200
    Height = 120
    ScrollBars = ssBoth
    WordWrap = False
    Lines.Strings = (
      'first'
      'second')
  end
  object ListBox1: TListBox
    Left = 220
    Top = 8
    Width = 150
    Height = 120
    BorderStyle = bsNone
    Items.Strings = (
      'one'
      'two'
      'three')
  end
end
)";

class MemoListBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterToolkitClasses();
    ReadLayout(form, kLayout, "TEST");
    form.Show();
    tk::testing::PumpMessages(20);
  }
  void TearDown() override { form.Hide(); }
  template <class T>
  T* Find(const char* name) {
    return dynamic_cast<T*>(form.FindComponent(name));
  }
  TForm form{nullptr};
};

TEST_F(MemoListBoxTest, MemoFromTheLayoutHasItsBarsAndLines) {
  auto* memo = Find<TMemo>("Memo1");
  ASSERT_NE(memo, nullptr);
  const LONG_PTR style = GetWindowLongPtrW(memo->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_VSCROLL);
  EXPECT_TRUE(style & WS_HSCROLL);
  EXPECT_TRUE(style & ES_MULTILINE);
  EXPECT_TRUE(GetWindowLongPtrW(memo->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(GetEnumProp(memo, "ScrollBars"), "ssBoth");
  EXPECT_EQ(GetEnumProp(memo, "BorderStyle"), "bsSingle");
  ASSERT_EQ(memo->Lines().Count(), 2);
  EXPECT_EQ(memo->Lines()[1], "second");
}

TEST_F(MemoListBoxTest, MemoKeepsItsTextThroughANewWindow) {
  auto* memo = Find<TMemo>("Memo1");
  ASSERT_NE(memo, nullptr);
  memo->Lines().Add("third");
  HWND before = memo->Handle();
  memo->SetScrollBars(TScrollStyle::ssVertical);
  ASSERT_NE(memo->Handle(), before);
  EXPECT_FALSE(GetWindowLongPtrW(memo->Handle(), GWL_STYLE) & WS_HSCROLL);
  ASSERT_EQ(memo->Lines().Count(), 3);
  EXPECT_EQ(memo->Lines()[2], "third");
}

TEST_F(MemoListBoxTest, ListBoxFromTheLayoutHasItsItemsAndNoBorder) {
  auto* list = Find<TListBox>("ListBox1");
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 3);
  EXPECT_FALSE(GetWindowLongPtrW(list->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(GetEnumProp(list, "BorderStyle"), "bsNone");
}

TEST_F(MemoListBoxTest, ListBoxKeepsItemsSelectionAndTopThroughANewWindow) {
  auto* list = Find<TListBox>("ListBox1");
  ASSERT_NE(list, nullptr);
  for (int i = 0; i < 40; ++i) list->Items().Add("item " + std::to_string(i));
  list->SetItemIndex(20);
  list->SetTopIndex(10);
  HWND before = list->Handle();
  list->SetBorderStyle(TBorderStyle::bsSingle);
  ASSERT_NE(list->Handle(), before);
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 43);
  EXPECT_EQ(list->ItemIndex(), 20);
  EXPECT_EQ(list->TopIndex(), 10);
  EXPECT_TRUE(GetWindowLongPtrW(list->Handle(), GWL_STYLE) & WS_VSCROLL);  // more items than room
}

TEST_F(MemoListBoxTest, ChangingTheItemsKeepsAValidSelection) {
  auto* list = Find<TListBox>("ListBox1");
  ASSERT_NE(list, nullptr);
  list->SetItemIndex(2);
  list->Items().Delete(2);
  EXPECT_EQ(list->ItemIndex(), -1);
  list->SetItemIndex(1);
  list->Items().Add("four");
  EXPECT_EQ(list->ItemIndex(), 1);
}

}  // namespace
