#include "TSkinScrollbarH.h"

#include "ScrollBarPaint.h"
#include "WinSkinData.h"

const tk::TClassInfo& TSkinScrollbarH::StaticClass() {
  static const tk::TClassInfo info("TSkinScrollbarH", &TSkinControl::StaticClass());
  return info;
}

TSkinScrollbarH::TSkinScrollbarH(tk::TComponent* owner) : TSkinControl(owner) {}

TSkinScrollbarH::~TSkinScrollbarH() = default;

void TSkinScrollbarH::AttachWindow(HWND handle, TSkinData* skin, TWinSkinForm* form, tk::TCanvas* canvas) {
  if (Attached || !handle) return;
  TSkinControl::AttachWindow(handle, skin, form, canvas);
  HorzBar = std::make_unique<TWScrollbar>(this);
  VertBar = std::make_unique<TWScrollbar>(this);
  HorzBar->AttachToWindow(this, handle, sbkHorizontal);
  VertBar->AttachToWindow(this, handle, sbkVertical);
}

void TSkinScrollbarH::Unskin() {
  TSkinControl::Unskin();
  if (State == psWindowDestroyed) return;
  HorzBar.reset();
  VertBar.reset();
}

void TSkinScrollbarH::RepositionBars() {
  if (HorzBar) HorzBar->Reposition(Handle);
  if (VertBar) VertBar->Reposition(Handle);
}

void TSkinScrollbarH::AfterMessage(tk::TMessage& msg) {
  if (Handle && !IsWindowVisible(Handle)) {
    // Hidden windows keep no covers up (the style change sends nothing a handler below sees).
    if (HorzBar) HorzBar->HideBar();
    if (VertBar) VertBar->HideBar();
  }
  switch (msg.Msg) {
    case WM_SIZE:
    case WM_NCPAINT:
    case WM_WINDOWPOSCHANGED:
      RepositionBars();
      break;
    case WM_HSCROLL:
      if (HorzBar) {
        HorzBar->HotPart = LOWORD(msg.WParam);
        HorzBar->Invalidate();
      }
      break;
    case WM_VSCROLL:
      if (VertBar) {
        VertBar->HotPart = LOWORD(msg.WParam);
        VertBar->Invalidate();
      }
      break;
    default:
      TSkinControl::AfterMessage(msg);
      break;
  }
}

void TSkinScrollbarH::Draw(HDC dc, const RECT&) {
  if (HorzBar) HorzBar->Invalidate();
  if (VertBar) VertBar->Invalidate();
  if (!HorzBar || !VertBar || !HorzBar->Shown || !VertBar->Shown || !SkinData || !Handle) return;
  FillBarCorner(dc, Handle, SkinData->Colors[scButtonFace]);
}
