// Header controls, report list views, up-downs and spin edits: made from a stored layout, their
// published properties, what their platform windows show, and what they keep through a new window.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ClassRegistration.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "LayoutReader.h"
#include "ListViews.h"
#include "TypeInfo.h"
#include "UpDown.h"

using namespace tk;

namespace {

const char* kLayout = R"(object Form: TForm
  Left = 10
  Top = 10
  Width = 500
  Height = 400
  object Header1: THeaderControl
    Left = 0
    Top = 0
    Width = 492
    Height = 22
    HotTrack = True
    Sections = <
      item
        Text = 'Name'
        Width = 120
      end
      item
        Alignment = taRightJustify
        Text = 'Size'
        Width = 80
      end>
  end
  object ListView1: TListView
    Left = 8
    Top = 30
    Width = 300
    Height = 150
    ViewStyle = vsReport
    RowSelect = True
    Columns = <
      item
        Caption = 'Word'
        Width = 120
      end
      item
        Alignment = taCenter
        Caption = 'Count'
        Width = 70
      end>
  end
  object Edit1: TEdit
    Left = 320
    Top = 30
    Width = 60
    Height = 22
  end
  object UpDown1: TUpDown
    Left = 382
    Top = 30
    Width = 17
    Height = 22
    Associate = Edit1
    Min = -5
    Max = 10
    Position = 3
    Increment = 2
  end
  object SpinButton1: TSpinButton
    Left = 420
    Top = 30
  end
  object SpinEdit1: TSpinEdit
    Left = 320
    Top = 70
    Width = 100
    MaxValue = 50
    Value = 7
  end
end
)";

class ListsUpDownTest : public ::testing::Test {
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
  static std::wstring HeaderText(HWND wnd, int index, int* format = nullptr) {
    wchar_t text[64] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_FORMAT;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(wnd, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    if (format) *format = item.fmt;
    return text;
  }
  static std::wstring CellText(HWND list, int row, int column) {
    wchar_t text[64] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
  }
  TForm form{nullptr};
};

TEST_F(ListsUpDownTest, HeaderSectionsReachThePlatformHeader) {
  auto* header = Find<THeaderControl>("Header1");
  ASSERT_NE(header, nullptr);
  HWND wnd = header->Handle();
  EXPECT_TRUE(GetWindowLongPtrW(wnd, GWL_STYLE) & HDS_HOTTRACK);
  ASSERT_EQ(SendMessageW(wnd, HDM_GETITEMCOUNT, 0, 0), 2);
  int format = 0;
  EXPECT_EQ(HeaderText(wnd, 1, &format), L"Size");
  EXPECT_TRUE(format & HDF_RIGHT);
  header->Section(0)->SetText("Title");
  EXPECT_EQ(HeaderText(wnd, 0), L"Title");
  EXPECT_EQ(GetEnumProp(header->Section(1), "Alignment"), "taRightJustify");
}

TEST_F(ListsUpDownTest, AReportListShowsColumnsItemsAndSubItems) {
  auto* list = Find<TListView>("ListView1");
  ASSERT_NE(list, nullptr);
  for (int i = 0; i < 30; ++i) list->AddItem("word " + std::to_string(i), {std::to_string(i * 2)});
  HWND wnd = list->Handle();
  EXPECT_EQ(GetWindowLongPtrW(wnd, GWL_STYLE) & LVS_TYPEMASK, static_cast<LONG_PTR>(LVS_REPORT));
  EXPECT_TRUE(SendMessageW(wnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT);
  ASSERT_NE(list->HeaderHandle(), nullptr);
  EXPECT_EQ(SendMessageW(list->HeaderHandle(), HDM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(HeaderText(list->HeaderHandle(), 1), L"Count");
  ASSERT_EQ(SendMessageW(wnd, LVM_GETITEMCOUNT, 0, 0), 30);
  EXPECT_EQ(CellText(wnd, 4, 0), L"word 4");
  EXPECT_EQ(CellText(wnd, 4, 1), L"8");
  static_cast<TListItem*>(list->Items().Items(4))->SubItems().Put(0, "nine");
  EXPECT_EQ(CellText(wnd, 4, 1), L"nine");
  // Many rows: a vertical bar.
  EXPECT_TRUE(GetWindowLongPtrW(wnd, GWL_STYLE) & WS_VSCROLL);

  list->SetItemIndex(3);
  HWND before = wnd;
  list->SetBorderStyle(TBorderStyle::bsNone);
  ASSERT_NE(list->Handle(), before);
  EXPECT_EQ(SendMessageW(list->Handle(), LVM_GETITEMCOUNT, 0, 0), 30);
  EXPECT_EQ(list->ItemIndex(), 3);
  EXPECT_EQ(CellText(list->Handle(), 4, 1), L"nine");
}

TEST_F(ListsUpDownTest, AnUpDownShowsItsPositionInItsBuddy) {
  auto* upDown = Find<TUpDown>("UpDown1");
  auto* edit = Find<TEdit>("Edit1");
  ASSERT_NE(upDown, nullptr);
  EXPECT_EQ(upDown->Associate(), edit);
  EXPECT_EQ(upDown->Position(), 3);
  EXPECT_EQ(edit->GetText(), "3");
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(upDown->Handle(), UDM_GETBUDDY, 0, 0)), edit->Handle());
  // A step by the arrow key goes by the increment and shows in the buddy.
  SendMessageW(upDown->Handle(), WM_KEYDOWN, VK_UP, 0);
  tk::testing::PumpMessages(10);
  EXPECT_EQ(upDown->Position(), 5);
  EXPECT_EQ(edit->GetText(), "5");
  upDown->SetPosition(40);
  EXPECT_EQ(upDown->Position(), 10);
  EXPECT_EQ(edit->GetText(), "10");
  EXPECT_EQ(GetEnumProp(upDown, "Orientation"), "udVertical");
  upDown->SetOrientation(TUDOrientation::udHorizontal);
  EXPECT_TRUE(GetWindowLongPtrW(upDown->Handle(), GWL_STYLE) & UDS_HORZ);
  EXPECT_EQ(upDown->Position(), 10);
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(upDown->Handle(), UDM_GETBUDDY, 0, 0)), edit->Handle());
}

TEST_F(ListsUpDownTest, AFreedBuddyIsForgotten) {
  auto* upDown = Find<TUpDown>("UpDown1");
  ASSERT_NE(upDown, nullptr);
  TComponent::Free(Find<TEdit>("Edit1"));
  EXPECT_EQ(upDown->Associate(), nullptr);
  upDown->SetPosition(1);
  EXPECT_EQ(upDown->Position(), 1);
}

TEST_F(ListsUpDownTest, SpinButtonAndSpinEditAreUpDownWindows) {
  auto* spinButton = Find<TSpinButton>("SpinButton1");
  ASSERT_NE(spinButton, nullptr);
  EXPECT_EQ(spinButton->ClassName(), "TSpinButton");
  EXPECT_EQ(spinButton->Associate(), nullptr);
  auto* spin = Find<TSpinEdit>("SpinEdit1");
  ASSERT_NE(spin, nullptr);
  EXPECT_EQ(spin->Value(), 7);
  HWND buttons = spin->ButtonHandle();
  ASSERT_NE(buttons, nullptr);
  EXPECT_EQ(GetParent(buttons), spin->Handle());
  wchar_t name[32] = {};
  GetClassNameW(buttons, name, 32);
  EXPECT_EQ(lstrcmpiW(name, L"msctls_updown32"), 0);
  SendMessageW(buttons, WM_KEYDOWN, VK_UP, 0);
  tk::testing::PumpMessages(10);
  EXPECT_EQ(spin->Value(), 8);
  spin->SetValue(99);
  EXPECT_EQ(spin->Value(), 50);
  EXPECT_EQ(spin->GetText(), "50");
}

}  // namespace
