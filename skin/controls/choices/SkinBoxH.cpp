#include "SkinBoxH.h"

#include "WinSkinData.h"


const tk::TClassInfo& TSkinBoxH::StaticClass() {
  static const tk::TClassInfo info("TSkinBoxH", &TSkinControl::StaticClass());
  return info;
}

bool TSkinBoxH::BeforeMessage(tk::TMessage& msg) {
  switch (msg.Msg) {
    case WM_ERASEBKGND: {
      RECT r{};
      if (Handle) GetWindowRect(Handle, &r);
      FillBackground(reinterpret_cast<HDC>(msg.WParam), RECT{0, 0, r.right - r.left, r.bottom - r.top});
      msg.Result = 0;
      return false;
    }
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      // Scroll bars and static children of the window are drawn on the face as well.
      CallDefault(msg);
      if (SkinData && SkinData->FaceBrush) msg.Result = reinterpret_cast<LRESULT>(SkinData->FaceBrush.Get());
      return false;
    default:
      return TSkinControl::BeforeMessage(msg);
  }
}
