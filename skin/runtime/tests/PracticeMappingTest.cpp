// The practice window, made from its stored layout and skinned at start as the program does it:
// the painter each of its controls is given.
#include <map>

#include "ComCtrls.h"
#include "PainterRecorder.h"
#include "PracticeWindowFixture.h"
#include "SkinManage.h"

namespace {

using K = TPainterKind;

class PracticeMappingTest : public PracticeWindowTest {
 protected:
  TWinSkinForm* Painter() const {
    TSkinManage* manager = TSkinManage::Instance();
    return manager && form && form->HandleAllocated() ? manager->FindForm(form->HandleIfAllocated()) : nullptr;
  }
  PainterRecorder recorder;
};

TEST_F(PracticeMappingTest, ControlsOfTheStoredLayoutGetTheirPainters) {
  ShowForm();
  ASSERT_TRUE(tk::testing::PumpUntil([this] { return Painter() && Painter()->FrameState == fsRunning; }, 3000));
  const std::map<std::string, std::optional<K>> expected = {
      {"ToolBar1", K::pkBox},         {"ComboBox1", K::pkComBox},     {"ComboBox2", K::pkComBox},
      {"ComboBox3", K::pkComBox},     {"BitBtn1", K::pkBitButton},    {"BitBtn2", K::pkBitButton},
      {"BitBtn4", K::pkBitButton},    {"RichEdit1", K::pkScrollbar},  {"RichEdit2", K::pkScrollbar},
      {"GroupBox1", K::pkGroupBox},   {"GroupBox2", K::pkGroupBox},   {"Button3", K::pkButton},
      {"Edit1", K::pkEdit},           {"ScrollBar1", K::pkScControl}, {"ScrollBar2", K::pkScControl},
      {"ScrollBar3", K::pkScControl}, {"StatusBar1", K::pkStatusBar}, {"Label1", std::nullopt},
      {"Label2", std::nullopt},       {"Label3", std::nullopt},       {"Label4", std::nullopt},
      {"Splitter1", std::nullopt},
  };
  for (const auto& [name, kind] : expected) {
    auto* control = form->FindComponentAs<tk::TControl>(name);
    ASSERT_NE(control, nullptr) << name;
    EXPECT_EQ(recorder.KindOf(control), kind) << name;
    EXPECT_LE(recorder.CountOf(control), 1) << name;
  }
  auto* group2 = form->FindComponentAs<tk::TControl>("GroupBox2");
  for (int i = 6; i <= 15; ++i) {
    auto* rich = form->FindComponentAs<tk::TControl>("RichEdit" + std::to_string(i));
    ASSERT_NE(rich, nullptr) << i;
    EXPECT_EQ(recorder.KindOf(rich), K::pkScrollbar) << i;
    EXPECT_LT(recorder.IndexOf(rich), recorder.IndexOf(group2)) << i;
  }
  auto* bar = form->FindComponentAs<tk::TToolBar>("ToolBar1");
  EXPECT_TRUE(bar->Flat());
  EXPECT_TRUE(bar->OnCustomDraw && bar->OnCustomDrawButton);
  EXPECT_EQ(Painter()->PainterList().size(), recorder.records.size());

  // A second visit finds every painter in place.
  const size_t made = recorder.records.size();
  Painter()->SkinChildren();
  EXPECT_EQ(recorder.records.size(), made);
}

}  // namespace
