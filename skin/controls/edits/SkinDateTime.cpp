#include "SkinDateTime.h"

#include "ArrowButton.h"
#include "OffscreenFrame.h"
#include "WinSkinData.h"

const tk::TClassInfo& TSkinDateTime::StaticClass() {
  static const tk::TClassInfo info("TSkinDateTime", &TSkinControl::StaticClass());
  return info;
}

TSkinDateTime::~TSkinDateTime() {
  // The button goes with its painter, never after it.
  if (TArrowButton* arrow = Arrow) {
    Arrow = nullptr;
    tk::TComponent::Free(arrow);
  }
}

void TSkinDateTime::Notification(tk::TComponent* component, tk::TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation == tk::TOperation::opRemove && component == Arrow) Arrow = nullptr;
}

void TSkinDateTime::Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) {
  if (Attached) return;
  TSkinControl::Attach(form, skin, recolour, canvas);
  auto* picker = dynamic_cast<tk::TWinControl*>(Control);
  if (!Attached || !picker) return;
  Arrow = new TArrowButton(this);
  Arrow->AttachTo(this, picker);
}

void TSkinDateTime::Unskin() {
  TSkinControl::Unskin();
  if (TArrowButton* arrow = Arrow) {
    Arrow = nullptr;
    tk::TComponent::Free(arrow);
  }
}

void TSkinDateTime::AfterMessage(tk::TMessage& msg) {
  switch (msg.Msg) {
    case WM_SIZE:
      if (Arrow) Arrow->Repaint();
      break;
    default:
      TSkinControl::AfterMessage(msg);
      break;
  }
}

void TSkinDateTime::Draw(HDC dc, const RECT& rect) {
  if (Arrow) Arrow->Place(rect);
  if (!Handle || !HasBorder(Handle, rect)) return;
  TOffscreenFrame frame(dc, rect, tk::ColorToRGB(ParentColor(SkinData ? SkinData->Colors[scButtonFace] : tk::clBtnFace)));
  if (!frame.Valid()) return;
  DrawShadowFrame(frame.DC(), rect, tk::ColorToRGB(SkinData ? SkinData->Colors[scButtonShadow] : tk::clBtnShadow), 1);
  RECT inner = rect;
  InflateRect(&inner, -2, -2);
  frame.Keep(inner);
  frame.CopyToTarget();
}
