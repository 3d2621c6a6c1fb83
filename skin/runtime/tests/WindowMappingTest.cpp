// The decision for bare windows, made by the platform with each class and style.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "ControlMapping.h"
#include "GdiHandle.h"
#include "GuiTestSupport.h"

namespace {

using T = TSkinControlType;
using K = TPainterKind;

TSkinControlTypes AllMembers() { return TSkinControlTypes::FromBits(0x3FFFFF); }

class WindowMappingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES | ICC_USEREX_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    parent = CreateWindowExW(0, L"#32770", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(parent, nullptr);
  }
  void TearDown() override { DestroyWindow(parent); }

  HWND Make(const wchar_t* cls, DWORD style) {
    HWND wnd = CreateWindowExW(0, cls, L"x", WS_CHILD | style, 0, 0, 100, 60, parent, nullptr, nullptr, nullptr);
    EXPECT_NE(wnd, nullptr) << "class " << static_cast<int>(cls[0]);
    return wnd;
  }
  TWindowDecision Decide(HWND wnd, TSkinControlTypes members = AllMembers()) {
    return DecideWindow(WindowClassLower(wnd), GetWindowLongPtrW(wnd, GWL_STYLE), members);
  }

  HWND parent = nullptr;
};

TEST_F(WindowMappingTest, ButtonStylesChooseTheButtonPainters) {
  struct Case {
    DWORD style;
    std::optional<K> kind;
  };
  const Case cases[] = {
      {BS_PUSHBUTTON, K::pkButton},        {BS_DEFPUSHBUTTON, K::pkButton},
      {BS_CHECKBOX, K::pkCheckBox},        {BS_AUTOCHECKBOX, K::pkCheckBox},
      {BS_3STATE, K::pkCheckBox},          {BS_AUTO3STATE, K::pkCheckBox},
      {BS_RADIOBUTTON, K::pkRadioButton},  {BS_AUTORADIOBUTTON, K::pkRadioButton},
      {BS_GROUPBOX, std::nullopt},         {BS_PUSHBUTTON | BS_BITMAP, std::nullopt},
  };
  for (const Case& c : cases) {
    const TWindowDecision d = Decide(Make(L"button", c.style));
    EXPECT_TRUE(d.Matched) << std::hex << c.style;
    EXPECT_EQ(d.Painter, c.kind) << std::hex << c.style;
  }
  // An owner-drawn button draws itself: no row takes it.
  EXPECT_FALSE(Decide(Make(L"button", BS_OWNERDRAW)).Matched);
}

TEST_F(WindowMappingTest, ButtonRowsNeedTheirMembers) {
  TSkinControlTypes members = AllMembers();
  members.Exclude(T::xcCheckBox);
  const TWindowDecision check = Decide(Make(L"button", BS_AUTOCHECKBOX), members);
  EXPECT_EQ(check.Row, "button-check");
  EXPECT_FALSE(check.Painter.has_value());
  members.Exclude(T::xcButton);
  EXPECT_FALSE(Decide(Make(L"button", BS_PUSHBUTTON), members).Painter.has_value());
  EXPECT_EQ(Decide(Make(L"button", BS_RADIOBUTTON), members).Painter, K::pkRadioButton);
}

TEST_F(WindowMappingTest, ComboBoxesButNotSimpleOnes) {
  EXPECT_EQ(Decide(Make(L"combobox", CBS_DROPDOWN)).Painter, K::pkComBox);
  EXPECT_EQ(Decide(Make(L"combobox", CBS_DROPDOWNLIST)).Painter, K::pkComBox);
  const TWindowDecision simple = Decide(Make(L"combobox", CBS_SIMPLE));
  EXPECT_TRUE(simple.Matched);
  EXPECT_FALSE(simple.Painter.has_value());
  TSkinControlTypes members = AllMembers();
  members.Exclude(T::xcCombo);
  EXPECT_FALSE(Decide(Make(L"combobox", CBS_DROPDOWN), members).Matched);
}

TEST_F(WindowMappingTest, ExtendedComboBoxPainterGoesToItsFirstChild) {
  HWND ex = Make(WC_COMBOBOXEXW, CBS_DROPDOWN);
  const TWindowDecision d = Decide(ex);
  EXPECT_EQ(d.Painter, K::pkComBox);
  EXPECT_TRUE(d.OnFirstChild);
}

TEST_F(WindowMappingTest, SizeGripIsAScrollBarWithoutTabStop) {
  EXPECT_EQ(Decide(Make(L"scrollbar", SBS_SIZEGRIP)).Painter, K::pkSizer);
  EXPECT_FALSE(Decide(Make(L"scrollbar", SBS_HORZ | WS_TABSTOP)).Matched);
}

TEST_F(WindowMappingTest, DialogsToolBarsEditsAndTrees) {
  const TWindowDecision dialog = Decide(Make(L"#32770", 0));
  EXPECT_EQ(dialog.Painter, K::pkBoxH);
  EXPECT_TRUE(dialog.ChildrenFirst);
  EXPECT_FALSE(Decide(Make(L"#32770", WS_TABSTOP)).Matched);
  EXPECT_EQ(Decide(Make(TOOLBARCLASSNAMEW, 0)).Painter, K::pkBoxH);
  EXPECT_EQ(Decide(Make(L"edit", WS_BORDER)).Painter, K::pkEdit);
  TSkinControlTypes members = AllMembers();
  members.Exclude(T::xcEdit);
  EXPECT_FALSE(Decide(Make(L"edit", WS_BORDER), members).Matched);
  const TWindowDecision tree = Decide(Make(WC_TREEVIEWW, 0));
  EXPECT_TRUE(tree.Matched);
  EXPECT_FALSE(tree.Painter.has_value());
  EXPECT_FALSE(Decide(Make(L"static", 0)).Matched);
}

TEST_F(WindowMappingTest, ClassNamesOfOtherLibrariesIgnoreCase) {
  EXPECT_EQ(DecideWindow("TCheckBox", 0, AllMembers()).Painter, K::pkCheckBox);
  EXPECT_EQ(DecideWindow("TCOMBOBOX", 0, AllMembers()).Painter, K::pkComBox);
  EXPECT_EQ(DecideWindow("TButton", 0, AllMembers()).Painter, K::pkButton);
  const TWindowDecision panel = DecideWindow("TPanel", 0, AllMembers());
  EXPECT_TRUE(panel.ChildrenFirst);
  EXPECT_TRUE(panel.ButtonFaceColour);
  EXPECT_FALSE(panel.Painter.has_value());
  EXPECT_TRUE(DecideWindow("TSilentPaintPanel", 0, AllMembers()).ButtonFaceColour);
}

}  // namespace
