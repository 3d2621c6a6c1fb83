#include "SkinAdvPage.h"

#include <commctrl.h>

#include "ElementDrawing.h"
#include "PainterFactory.h"
#include "SkinMessages.h"
#include "WinSkinData.h"

const tk::TClassInfo& TSkinAdvPage::StaticClass() {
  static const tk::TClassInfo info("TSkinAdvPage", &TSkinControl::StaticClass());
  return info;
}

TSkinAdvPage::TSkinAdvPage(tk::TComponent* owner) : TSkinControl(owner) {}

TSkinAdvPage::~TSkinAdvPage() {
  if (UpDown) UpDown->RemoveFreeNotification(this);
}

void TSkinAdvPage::Notification(tk::TComponent* component, tk::TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation == tk::TOperation::opRemove && component == UpDown) UpDown = nullptr;
}

void TSkinAdvPage::Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) {
  if (Attached) return;
  const int style = Mode;  // set by the creator; the base may claim Mode for itself
  TSkinControl::Attach(form, skin, recolour, canvas);
  Mode = style;
  if (HWND arrows = Handle ? FindWindowExW(Handle, nullptr, UPDOWN_CLASSW, nullptr) : nullptr) {
    if (SendMessageW(arrows, SKM_ISSKINNED, 0, 0) != 1) {
      UpDown = SkinWindowAs(TPainterKind::pkUpDown, arrows, Form, SkinData, Canvas);
      if (UpDown) UpDown->FreeNotification(this);
    }
  }
  if (Mode == PictureStyle) CutPictures();
}

void TSkinAdvPage::Unskin() {
  if (Control && State != psWindowDestroyed) {
    for (const char* property : {"TabBackGround", "TabBackGroundActive"})
      if (auto* picture = dynamic_cast<tk::TBitmap*>(::GetObjectProp(Control, property, &tk::TBitmap::StaticClass())))
        picture->Clear();
    Control->Invalidate();
  }
  TSkinControl::Unskin();
}

void TSkinAdvPage::SkinChanged() {
  TSkinControl::SkinChanged();
  if (Mode == PictureStyle) CutPictures();
}

void TSkinAdvPage::CutPictures() {
  SetPicture("TabBackGround", 1);
  SetPicture("TabBackGroundActive", 2);
  if (Control) Control->Invalidate();
}

void TSkinAdvPage::SetPicture(const char* property, int frame) {
  if (!Control || !SkinData || !SkinData->Tabs || SkinData->Tabs->Bitmap.Empty()) return;
  auto* picture = dynamic_cast<tk::TBitmap*>(::GetObjectProp(Control, property, &tk::TBitmap::StaticClass()));
  if (!picture) return;
  TDataSkinBorder& tabs = *SkinData->Tabs;
  std::unique_ptr<tk::TBitmap> cut = DrawElementFrame(RECT{0, 0, PictureWidth, PictureHeight}, tabs.Bitmap, tabs.Margins(),
                                                      false, tabs.Tile == 1, tabs.FrameCount > 0 ? tabs.FrameCount : 5, frame);
  if (cut) picture->Assign(*cut);
}
