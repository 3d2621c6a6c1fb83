#include "SkinObjImage.h"

#include <array>
#include <vector>

#include "WinSkinData.h"
#include "WinSkinForm.h"

namespace {

// Places of the strips: check boxes unchecked, grayed, checked; radio buttons unchecked, checked;
// each as normal, pressed, disabled.
constexpr std::array<int, 9> CheckOrder{1, 2, 5, 1, 2, 5, 3, 4, 5};
constexpr std::array<int, 6> RadioOrder{1, 2, 5, 3, 4, 5};
constexpr int DisabledFrame = 5;
const char* const KeyColourText = "16711935";  // 0xFF00FF

}  // namespace

const tk::TClassInfo& TSkinObjImage::StaticClass() {
  static const tk::TClassInfo info("TSkinObjImage", &TSkinControl::StaticClass());
  return info;
}

std::unique_ptr<tk::TBitmap> TSkinObjImage::BuildStrip(tk::TBitmap& source, int sourceFrames, TImageKind kind) {
  if (source.Empty() || sourceFrames <= 0) return nullptr;
  const int w = source.Width() / sourceFrames, h = source.Height();
  if (w <= 0) return nullptr;
  std::vector<int> order;
  if (kind == ikCheck) order.assign(CheckOrder.begin(), CheckOrder.end());
  else order.assign(RadioOrder.begin(), RadioOrder.end());
  const bool hasFifth = sourceFrames >= DisabledFrame;
  auto strip = std::make_unique<tk::TBitmap>(w * static_cast<int>(order.size()), h, tk::TPixelFormat::pf24bit);
  HDC to = strip->Canvas().Handle();
  FillColor(to, RECT{0, 0, strip->Width(), h}, SkinKeyColour);
  HDC from = source.Canvas().Handle();
  for (size_t place = 0; place < order.size(); ++place) {
    const int frame = order[place];
    if (frame == DisabledFrame && !hasFifth) continue;
    if (frame > sourceFrames) continue;
    BitBlt(to, static_cast<int>(place) * w, 0, w, h, from, (frame - 1) * w, 0, SRCCOPY);
  }
  return strip;
}

void TSkinObjImage::Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) {
  if (Attached) return;
  // No subclassing: the control draws itself from the pictures it is given.
  SkinData = skin;
  Form = form;
  Canvas = canvas;
  Recolour = recolour;
  Control = dynamic_cast<tk::TControl*>(Owner());
  if (auto* windowed = dynamic_cast<tk::TWinControl*>(Control)) Handle = windowed->Handle();
  if (Control) FreeNotification(Control);
  RegisterWithForm(form);
  Attached = true;
  State = psAttached;
  BuildPicture();
}

void TSkinObjImage::BuildPicture() {
  if (!Control || !SkinData || !SkinData->Buttons) return;
  TDataSkinButton& buttons = *SkinData->Buttons;
  if (Kind == ikGlyph) {
    tk::TObject* properties = ::GetObjectProp(Control, "Properties", nullptr);
    auto* glyph = dynamic_cast<tk::TBitmap*>(::GetObjectProp(properties, "Glyph", &tk::TBitmap::StaticClass()));
    if (!glyph || buttons.CheckBitmap.Empty()) return;
    glyph->Assign(buttons.CheckBitmap);
    glyph->SetTransparentColor(SkinKeyColour);
    glyph->SetTransparent(true);
    Control->Invalidate();
    return;
  }
  tk::TBitmap& source = Kind == ikCheck ? buttons.CheckBitmap : buttons.RadioBitmap;
  const int frames = Kind == ikCheck ? buttons.CheckFrameCount : buttons.RadioFrameCount;
  auto* glyphs = dynamic_cast<tk::TBitmap*>(::GetObjectProp(Control, "CustomGlyphs", &tk::TBitmap::StaticClass()));
  std::unique_ptr<tk::TBitmap> strip = BuildStrip(source, frames, Kind);
  if (!glyphs || !strip) return;
  glyphs->Assign(*strip);
  ::SetPropText(Control, "transparentcolor", KeyColourText);
  // Off and on again: the control takes the new picture.
  ::SetPropText(Control, "UseCustomGlyphs", "False");
  ::SetPropText(Control, "UseCustomGlyphs", "True");
}

void TSkinObjImage::Unskin() {
  if (!Active) return;
  TSkinControl::Unskin();
  if (!Control || State == psWindowDestroyed) return;
  if (Kind == ikGlyph) {
    tk::TObject* properties = ::GetObjectProp(Control, "Properties", nullptr);
    if (auto* glyph = dynamic_cast<tk::TBitmap*>(::GetObjectProp(properties, "Glyph", &tk::TBitmap::StaticClass()))) {
      glyph->Clear();
      Control->Invalidate();
    }
    return;
  }
  ::SetPropText(Control, "UseCustomGlyphs", "False");
}

void TSkinObjImage::SkinChanged() {
  BuildPicture();
  if (Control) Control->Invalidate();
}
