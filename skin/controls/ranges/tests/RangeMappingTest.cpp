// The mapping's rows for this family on real controls: the toolkit's track and progress bars, the
// classes known by name, Skin3rd kinds, image painters for the buttons of picture-mark groups, the
// raw progress window; and a whole form skinned through the mapping.
#include <windows.h>

#include "ControlMapping.h"
#include "MediaPlayer.h"
#include "PictureMarks.h"
#include "Ranges.h"
#include "RangesFixture.h"
#include "SkinMP.h"
#include "SkinMessages.h"
#include "StdCtrls.h"
#include "WMediaPlayer.h"

using namespace range_test;

namespace {

using K = TPainterKind;
using T = TSkinControlType;

// A group of picture-mark buttons, known by its class name.
class TRzRadioGroup : public tk::TGroupBox {
  TK_CLASS(TRzRadioGroup)
 public:
  using tk::TGroupBox::TGroupBox;
};

}  // namespace

const tk::TClassInfo& TRzRadioGroup::StaticClass() {
  static const tk::TClassInfo info("TRzRadioGroup", &tk::TGroupBox::StaticClass());
  return info;
}

namespace {

class RangeMappingTest : public RangesTest {
 protected:
  void SetUp() override {
    RangesTest::SetUp();
    host = new tk::TForm(nullptr);
    host->SetBounds(50, 50, 400, 300);
    data = new TSkinData(host);
    data->Skin3rd()->Clear();
  }
  void TearDown() override {
    tk::TComponent::Free(host);
    RangesTest::TearDown();
  }
  template <class C>
  C* Add() {
    auto* control = new C(host);
    control->SetParent(host);
    control->SetBounds(10, 10, 120, 40);
    if (auto* windowed = dynamic_cast<tk::TWinControl*>(static_cast<tk::TControl*>(control))) windowed->HandleNeeded();
    return control;
  }
  TControlDecision Decide(const tk::TControl* control) { return DecideControl(*control, *data); }
  void Without(T member) {
    TSkinControlTypes set = data->SkinControls();
    set.Exclude(member);
    data->SetSkinControls(set);
  }
  tk::TForm* host = nullptr;
  TSkinData* data = nullptr;
};

TEST_F(RangeMappingTest, ToolkitAndNamedClassesGetTheirPainters) {
  struct Expect {
    tk::TControl* control;
    K kind;
    const char* row;
  };
  const Expect expected[] = {
      {Add<tk::TTrackBar>(), K::pkTrackBar, "trackbar"},
      {Add<tk::TProgressBar>(), K::pkProgress, "progressbar"},
      {Add<tk::TMediaPlayer>(), K::pkMediaPlayer, "mediaplayer"},
      {Add<tk::TRzCheckBox>(), K::pkObjImageCheck, "rzcheckbox"},
      {Add<tk::TRzRadioButton>(), K::pkObjImageRadio, "rzradiobutton"},
      {Add<tk::TcxCheckBox>(), K::pkObjImageGlyph, "cxcheckbox"},
  };
  for (const Expect& e : expected) {
    const TControlDecision d = Decide(e.control);
    EXPECT_EQ(d.Row, e.row) << e.control->ClassName();
    EXPECT_EQ(d.Painter, e.kind) << e.control->ClassName();
  }
}

TEST_F(RangeMappingTest, EachRowNeedsItsMember) {
  auto* track = Add<tk::TTrackBar>();
  auto* progress = Add<tk::TProgressBar>();
  auto* player = Add<tk::TMediaPlayer>();
  auto* box = Add<tk::TRzCheckBox>();
  auto* radio = Add<tk::TRzRadioButton>();
  Without(T::xcTrackBar);
  Without(T::xcProgress);
  Without(T::xcButton);
  Without(T::xcCheckBox);
  Without(T::xcRadioButton);
  for (tk::TControl* c : std::initializer_list<tk::TControl*>{track, progress, player, box, radio})
    EXPECT_FALSE(Decide(c).Painter.has_value()) << c->ClassName();
}

TEST_F(RangeMappingTest, Skin3rdKindsOfThisFamily) {
  data->Skin3rd()->Add("TPanel=trackbar");
  data->Skin3rd()->Add("TLabel=progress");
  data->Skin3rd()->Add("TButton=mediaplayer");
  auto* panel = Add<tk::TPanel>();
  const TControlDecision track = Decide(panel);
  EXPECT_EQ(track.Painter, K::pkTrackBar);
  ASSERT_EQ(track.Properties.size(), 1u);
  EXPECT_EQ(track.Properties[0].first, "Transparent");
  EXPECT_EQ(track.Properties[0].second, "True");
  EXPECT_EQ(Decide(Add<tk::TLabel>()).Painter, K::pkProgress);
  EXPECT_EQ(Decide(Add<tk::TButton>()).Painter, K::pkMediaPlayer);
}

TEST_F(RangeMappingTest, ButtonsOfPictureMarkGroupsGetImagePainters) {
  auto* rzGroup = Add<TRzRadioGroup>();
  auto* plainGroup = Add<tk::TGroupBox>();
  auto* child = Add<tk::TRadioButton>();
  EXPECT_EQ(ChildPainterOf(TChildPainters::RadioButtons, *rzGroup, *child), K::pkObjImageRadio);
  EXPECT_EQ(ChildPainterOf(TChildPainters::CheckBoxes, *rzGroup, *child), K::pkObjImageCheck);
  EXPECT_EQ(ChildPainterOf(TChildPainters::RadioButtons, *plainGroup, *child), K::pkRadioButton);
  EXPECT_EQ(ChildPainterOf(TChildPainters::CheckBoxes, *plainGroup, *child), K::pkCheckBox);
}

TEST_F(RangeMappingTest, ARawProgressWindowGetsTheProgressPainter) {
  const TWindowDecision d = DecideWindow("TProgressBar", 0, TSkinControlTypes{});
  EXPECT_TRUE(d.Matched);
  EXPECT_EQ(d.Painter, K::pkProgress);
}

TEST_F(RangeMappingTest, AFormSkinnedThroughTheMappingSkinsEveryControlOfTheFamily) {
  tk::TTrackBar* track = nullptr;
  tk::TProgressBar* progress = nullptr;
  tk::TMediaPlayer* player = nullptr;
  tk::TRzCheckBox* box = nullptr;
  beforeSkin = [&](tk::TForm& f) {
    track = new tk::TTrackBar(&f);
    track->SetParent(&f);
    track->SetBounds(10, 10, 200, 40);
    progress = new tk::TProgressBar(&f);
    progress->SetParent(&f);
    progress->SetBounds(10, 60, 200, 20);
    progress->SetPosition(100);
    player = new tk::TMediaPlayer(&f);
    player->SetParent(&f);
    player->SetBounds(10, 90, 270, 30);
    box = new tk::TRzCheckBox(&f);
    box->SetParent(&f);
    box->SetBounds(10, 130, 120, 20);
  };
  Start();
  tk::testing::PumpMessages(30);
  EXPECT_EQ(SendMessageW(track->Handle(), SKM_ISSKINNED, 0, 0), 1);
  EXPECT_EQ(SendMessageW(progress->Handle(), SKM_ISSKINNED, 0, 0), 1);
  EXPECT_EQ(SendMessageW(player->Handle(), SKM_ISSKINNED, 0, 0), 1);
  EXPECT_TRUE(box->UseCustomGlyphs());
  HWND panel = FindWindowExW(Wnd(), nullptr, L"TWMediaPlayer", nullptr);
  ASSERT_NE(panel, nullptr);
  Redraw(progress->Handle());
  EXPECT_EQ(At(progress->Handle(), 100, 10), ProgressColour(2));
}

TEST_F(RangeMappingTest, ASkinWithoutTheseElementsLeavesTheControlsPaintingThemselves) {
  tk::TTrackBar* track = nullptr;
  tk::TProgressBar* progress = nullptr;
  tk::TMediaPlayer* player = nullptr;
  beforeSkin = [&](tk::TForm& f) {
    track = new tk::TTrackBar(&f);
    track->SetParent(&f);
    track->SetBounds(10, 10, 200, 40);
    progress = new tk::TProgressBar(&f);
    progress->SetParent(&f);
    progress->SetBounds(10, 60, 200, 20);
    progress->SetPosition(100);
    player = new tk::TMediaPlayer(&f);
    player->SetParent(&f);
    player->SetBounds(10, 90, 270, 30);
  };
  RangePartsOptions parts;
  parts.progress = parts.track = parts.thumbs = parts.buttons = false;
  parts.checkFrames = parts.radioFrames = 0;
  Start(parts);
  tk::testing::PumpMessages(30);
  for (int i = 0; i < 20; ++i) {
    Redraw(Wnd());
    tk::testing::PumpMessages(2);
  }
  const COLORREF bar = At(progress->Handle(), 100, 10);
  EXPECT_NE(bar, Face());
  EXPECT_NE(bar, RGB(0, 0, 0));
  EXPECT_TRUE(IsWindow(track->Handle()));
  EXPECT_TRUE(IsWindow(player->Handle()));
}

}  // namespace
