// The caption buttons: one per [Button...] section that is not a push, check or radio button
// section, then the three buttons of a maximized MDI child.
#include <algorithm>
#include <cctype>
#include <optional>

#include "SkinElementLoaders.h"

namespace {

std::string UpperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

bool IsCaptionButtonSection(const TSkinSource& source, const std::string& name) {
  const std::string upper = UpperCase(name);
  if (upper == "BUTTONS" || upper == "BUTTON.RADIO" || upper == "BUTTON.CHECKBOX" || upper == "BUTTON") return false;
  if (upper.rfind("BUTTON", 0) != 0) return false;
  // A button without an action is kept only when it says it is visible.
  return !(source.Integer(name, "Action", 0) == -1 && source.Integer(name, "Visibility", -1) != 0);
}

constexpr int MdiButtonCount = 3;
constexpr int MdiFramesPerButton = 4;

void AddMdiButtons(const TSkinSource& source, TSkinElements& elements) {
  tk::TBitmap strip;
  source.LoadMemberBitmap(strip, source.String("MDICONTROLS", "Image"));
  // Twelve frames: the four states of each of the three buttons.
  const int a = strip.Width() / (MdiButtonCount * MdiFramesPerButton);
  for (int i = 0; i < MdiButtonCount; ++i) {
    auto button = std::make_unique<TDataSkinSysButton>("MDICONTROLS");
    button->Action = 7 + i;
    button->Align = 100;
    button->Visibility = 100;
    button->Visibility1 = 100;
    button->FrameCount = MdiFramesPerButton;
    if (!strip.Empty()) {
      const int width = MdiFramesPerButton * a;
      button->Bitmap.SetSize(width, strip.Height());
      if (!button->Bitmap.Empty())
        BitBlt(button->Bitmap.Canvas().Handle(), 0, 0, width, strip.Height(), strip.Canvas().Handle(), width * i, 0, SRCCOPY);
      button->XCoord = (a + 4) * (MdiButtonCount - i);
    }
    elements.SysButtons.push_back(std::move(button));
  }
}

}  // namespace

void LoadCaptionButtons(const TSkinSource& source, const std::vector<std::string>& sections, TSkinElements& elements) {
  elements.SysButtons.clear();
  std::vector<std::string> survivors;
  for (const std::string& name : sections)
    if (IsCaptionButtonSection(source, name)) survivors.push_back(name);

  std::optional<POINT> maximizeAt;
  for (const std::string& survivor : survivors) {
    const std::string name = UpperCase(survivor);
    auto button = std::make_unique<TDataSkinSysButton>(name);
    button->Action = source.Integer(name, "Action", 0);
    button->Align = source.Integer(name, "Align", 0);
    button->XCoord = source.Integer(name, "Xcoord", 0);
    button->YCoord = source.Integer(name, "Ycoord", 0);
    button->Visibility = source.Integer(name, "Visibility", 0);
    button->Visibility1 = source.Integer(name, "Visibility1", button->Action == -1 ? -1 : 0);
    button->CombineOp = source.Integer(name, "CombineOp", -1);
    button->FrameCount = source.Integer(name, "frame", 0);
    source.LoadMemberBitmap(button->Bitmap, source.String(name, "ButtonImage"));

    // A button of action 4 sits where the maximize button of the maximized state sits.
    if (button->Action == 1 && button->Visibility == 2) maximizeAt = POINT{button->XCoord, button->YCoord};
    if (button->Action == 4 && maximizeAt) {
      button->XCoord = maximizeAt->x;
      button->YCoord = maximizeAt->y;
    }

    if (button->FrameCount == 0) {
      // Without a "frame" key the strip's shape tells: a wide strip has six frames, else three.
      button->FrameCount = 6;
      if (!button->Bitmap.Empty())
        button->FrameCount = static_cast<double>(button->Bitmap.Width()) / button->Bitmap.Height() <= 3.8 ? 3 : 6;
      if (button->Action < 0) button->FrameCount = 6;
      if (button->Action == 3 || button->Action == 11) button->Bitmap.Clear();
    }
    elements.SysButtons.push_back(std::move(button));
  }
  AddMdiButtons(source, elements);
}
