// Which painters of this family exist and how each is attached.
#include "PainterFactory.h"

#include <type_traits>

#include "SkinBitButton.h"
#include "SkinButton.h"
#include "SkinMenuButton.h"
#include "SkinSpeedButton.h"
#include "WinSkinForm.h"

namespace {

// A painter of a windowed control, owned by it and attached to it.
template <class Painter>
TSkinControl* AttachTo(tk::TControl* control, TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas,
                       const char* imageProperty = nullptr) {
  if (!dynamic_cast<tk::TWinControl*>(control)) return nullptr;
  auto* painter = new Painter(control);
  if constexpr (std::is_base_of_v<TSkinBitButton, Painter>) {
    if (imageProperty) painter->ImageProperty = imageProperty;
  }
  painter->Attach(form, skin, recolour, canvas);
  return painter;
}

// A painter of a windowless speed button.
TSkinControl* AttachSpeed(tk::TControl* control, TWinSkinForm* form, TSkinData* skin, tk::TCanvas* canvas,
                          const char* imageProperty) {
  if (!control || dynamic_cast<tk::TWinControl*>(control)) return nullptr;
  auto* painter = new TSkinSpeedButton(control);
  if (imageProperty) painter->ImageProperty = imageProperty;
  painter->AttachSpeedButton(form, skin, canvas);
  return painter;
}

}  // namespace

TSkinControl* MakeButtonPainter(TPainterKind kind, tk::TControl* control, TWinSkinForm* form, TSkinData* skin, bool recolour,
                                tk::TCanvas* canvas) {
  switch (kind) {
    case TPainterKind::pkButton: return AttachTo<TSkinButton>(control, form, skin, recolour, canvas);
    case TPainterKind::pkBitButton: return AttachTo<TSkinBitButton>(control, form, skin, recolour, canvas);
    case TPainterKind::pkBitButtonPng: return AttachTo<TSkinBitButton>(control, form, skin, recolour, canvas, "PngImage");
    case TPainterKind::pkMenuButton: return AttachTo<TSkinMenuButton>(control, form, skin, recolour, canvas);
    case TPainterKind::pkSpeedButton: return AttachSpeed(control, form, skin, canvas, nullptr);
    case TPainterKind::pkSpeedButtonPng: return AttachSpeed(control, form, skin, canvas, "PngImage");
    default: return nullptr;
  }
}

TSkinControl* MakeButtonWindowPainter(TPainterKind kind, HWND wnd, TWinSkinForm* form, TSkinData* skin, tk::TCanvas* canvas) {
  if (kind != TPainterKind::pkButton || !wnd || !IsWindow(wnd)) return nullptr;
  auto* painter = new TSkinButton(form);
  painter->AttachWindow(wnd, skin, form, canvas);
  return painter;
}
