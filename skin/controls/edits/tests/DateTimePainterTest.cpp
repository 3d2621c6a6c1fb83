// The date-time picker painter: its frame, the skinned button over the picker's own, hot under the
// mouse, a click on it opening the calendar, and the button going with its painter.
#include "ArrowButton.h"
#include "ComCtrls.h"
#include "EditsFixture.h"
#include "LayoutReader.h"
#include "SkinDateTime.h"

using namespace edits_test;
using skin_test::MoveMouse;
using skin_test::WindowPixel;

namespace {

class DateTimePainterTest : public EditsTest {
 protected:
  void SetUp() override {
    EditsTest::SetUp();
    // Without the sunk edge the arrow image is the combo button strip itself.
    MakeForm(ComboParts{1, false, false});
    focus = Place<tk::TEdit>(20, 200, 100, 24);
    focus->SetFocus();
    picker = Place<tk::TDateTimePicker>(20, 20, 180, 24);
    picker->OnDropDown = [this](tk::TObject*) { ++dropDowns; };
  }
  TSkinDateTime* SkinPicker() {
    auto* painter = dynamic_cast<TSkinDateTime*>(Skin(TPainterKind::pkDateTime, picker));
    tk::testing::PumpMessages(30);
    return painter;
  }
  POINT ArrowCentre(TArrowButton& arrow) const { return POINT{arrow.Width() / 2, arrow.Height() / 2}; }

  tk::TEdit* focus = nullptr;
  tk::TDateTimePicker* picker = nullptr;
  int dropDowns = 0;
};

TEST_F(DateTimePainterTest, TheButtonCoversThePickersOwnAtTheRight) {
  TSkinDateTime* painter = SkinPicker();
  ASSERT_NE(painter, nullptr);
  ASSERT_NE(painter->Arrow, nullptr);
  TArrowButton& arrow = *painter->Arrow;
  HWND button = arrow.Handle();
  EXPECT_EQ(GetParent(button), picker->Handle());
  EXPECT_TRUE(GetWindowLongPtrW(picker->Handle(), GWL_STYLE) & WS_CLIPCHILDREN);
  EXPECT_EQ(arrow.Width(), GetSystemMetrics(SM_CXHSCROLL));
  EXPECT_EQ(arrow.Height(), 24 - 4);
  EXPECT_EQ(arrow.Left(), 180 - arrow.Width() - 4);
  const POINT c = ArrowCentre(arrow);
  EXPECT_EQ(PixelBecomes(button, c.x, c.y, ComboButtonColour(1)), ComboButtonColour(1));
  // The picker's frame.
  EXPECT_EQ(PixelBecomes(picker->Handle(), 0, 12, ShadowColour()), ShadowColour());
  EXPECT_EQ(WindowPixel(picker->Handle(), 1, 12), RGB(255, 255, 255));
}

TEST_F(DateTimePainterTest, TheButtonLightsUpUnderTheMouseAndGoesBackWhenItLeaves) {
  TSkinDateTime* painter = SkinPicker();
  ASSERT_NE(painter, nullptr);
  TArrowButton& arrow = *painter->Arrow;
  HWND button = arrow.Handle();
  const POINT c = ArrowCentre(arrow);
  ASSERT_EQ(PixelBecomes(button, c.x, c.y, ComboButtonColour(1)), ComboButtonColour(1));
  MoveMouse(ScreenPoint(button, c.x, c.y));
  EXPECT_EQ(PixelBecomes(button, c.x, c.y, ComboButtonColour(4)), ComboButtonColour(4));
  EXPECT_TRUE(arrow.Hot());
  MoveMouse(ScreenPoint(Wnd(), 5, 5));
  EXPECT_EQ(PixelBecomes(button, c.x, c.y, ComboButtonColour(1)), ComboButtonColour(1));
  EXPECT_FALSE(arrow.Hot());
}

TEST_F(DateTimePainterTest, AClickOnTheButtonOpensTheCalendar) {
  TSkinDateTime* painter = SkinPicker();
  ASSERT_NE(painter, nullptr);
  TArrowButton& arrow = *painter->Arrow;
  const POINT at = ScreenPoint(arrow.Handle(), arrow.Width() / 2, arrow.Height() / 2);
  MoveMouse(at);
  skin_test::LeftDown(at);
  skin_test::LeftUp(at);
  EXPECT_TRUE(tk::testing::PumpUntil([&] { return picker->DroppedDown(); }, 2000));
  EXPECT_EQ(dropDowns, 1);
  HWND calendar = reinterpret_cast<HWND>(SendMessageW(picker->Handle(), DTM_GETMONTHCAL, 0, 0));
  ASSERT_NE(calendar, nullptr);
  EXPECT_TRUE(IsWindowVisible(calendar));
  // The platform's calendar here closes only on its own terms; put it away for the next test.
  SendMessageW(picker->Handle(), DTM_CLOSEMONTHCAL, 0, 0);
  ShowWindow(calendar, SW_HIDE);
}

TEST_F(DateTimePainterTest, ARightToLeftPickerHasTheButtonAtTheLeft) {
  HWND wnd = picker->Handle();
  SetWindowLongPtrW(wnd, GWL_EXSTYLE, GetWindowLongPtrW(wnd, GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
  TSkinDateTime* painter = SkinPicker();
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(painter->Arrow->Left(), 2);
}

TEST_F(DateTimePainterTest, TheButtonFollowsThePickersWidth) {
  TSkinDateTime* painter = SkinPicker();
  ASSERT_NE(painter, nullptr);
  picker->SetWidth(240);
  tk::testing::PumpMessages(50);
  EXPECT_EQ(painter->Arrow->Left(), 240 - painter->Arrow->Width() - 4);
}

TEST_F(DateTimePainterTest, TheButtonGoesWithItsPainter) {
  TSkinDateTime* painter = SkinPicker();
  ASSERT_NE(painter, nullptr);
  HWND button = painter->Arrow->Handle();
  const int windows = tk::testing::ThreadWindowCount();
  painter->Unskin();
  EXPECT_EQ(painter->Arrow, nullptr);
  EXPECT_FALSE(IsWindow(button));
  EXPECT_EQ(tk::testing::ThreadWindowCount(), windows - 1);
  tk::TComponent::Free(painter);
  // And a painter freed while skinned takes its button along.
  TSkinDateTime* second = SkinPicker();
  ASSERT_NE(second, nullptr);
  HWND secondButton = second->Arrow->Handle();
  tk::TComponent::Free(second);
  EXPECT_FALSE(IsWindow(secondButton));
  EXPECT_EQ(tk::testing::ThreadWindowCount(), windows - 1);
}

TEST_F(DateTimePainterTest, ThePublishedDateAndTimeReadAndWriteAsText) {
  ::SetPropText(picker, "Date", "2024-02-29");
  ::SetPropText(picker, "Time", "13:05:09");
  EXPECT_EQ(::GetTextProp(picker, "Date"), L"2024-02-29");
  EXPECT_EQ(::GetTextProp(picker, "Time"), L"13:05:09");
  ::SetPropText(picker, "Date", "2023-02-29");  // no such day: ignored
  ::SetPropText(picker, "Date", "2023-02");
  ::SetPropText(picker, "Time", "25:00:00");
  EXPECT_EQ(::GetTextProp(picker, "Date"), L"2024-02-29");
  EXPECT_EQ(::GetTextProp(picker, "Time"), L"13:05:09");
  EXPECT_EQ(::GetEnumText(picker, "Kind"), "dtkDate");
  EXPECT_EQ(::GetEnumText(picker, "Enabled"), "True");
}

TEST(DateTimePickerLayoutTest, APickerIsReadFromAStoredLayoutWithItsPublishedValues) {
  auto* owner = new tk::TForm(nullptr);
  tk::TComponent* read = tk::ReadComponentLayout(owner, R"(object Picker1: TDateTimePicker
  Left = 8
  Top = 8
  Width = 150
  Height = 21
  Date = '2025-07-14'
  Time = '08:30:00'
  Kind = dtkTime
  Enabled = False
end
)", "picker layout");
  auto* picker = dynamic_cast<tk::TDateTimePicker*>(read);
  ASSERT_NE(picker, nullptr);
  EXPECT_EQ(picker->Date(), "2025-07-14");
  EXPECT_EQ(picker->Time(), "08:30:00");
  EXPECT_EQ(picker->Kind(), tk::TDateTimeKind::dtkTime);
  EXPECT_FALSE(picker->Enabled());
  tk::TComponent::Free(owner);
}

}  // namespace
