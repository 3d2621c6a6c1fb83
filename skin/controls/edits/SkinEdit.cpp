#include "SkinEdit.h"

#include <algorithm>
#include <cwctype>
#include <string>

#include "OffscreenFrame.h"
#include "PainterFactory.h"
#include "SkinMessages.h"
#include "WinSkinData.h"

const tk::TClassInfo& TSkinEdit::StaticClass() {
  static const tk::TClassInfo info("TSkinEdit", &TSkinControl::StaticClass());
  return info;
}

namespace {

constexpr int FrameRings = 3;  // the shadow ring and two white ones

COLORREF ShadowColour(const TSkinData* skin) {
  return tk::ColorToRGB(skin ? skin->Colors[scButtonShadow] : tk::clBtnShadow);
}

}  // namespace

void TSkinEdit::AfterMessage(tk::TMessage& msg) {
  switch (msg.Msg) {
    case WM_NCPAINT:
      // The platform has drawn its sunken border again.
      PaintNow(nullptr);
      break;
    case WM_PRINT:
      PrintFrame(reinterpret_cast<HDC>(msg.WParam));
      break;
    case SKM_PAINTEDITINTO:
      if (msg.LParam != SkinRequestKey) {
        TSkinControl::AfterMessage(msg);
        break;
      }
      if (msg.WParam) {
        tk::TMessage paint{WM_PAINT, msg.WParam, 0, 0};
        CallDefault(paint);
      }
      msg.Result = SkinRequestKey;
      break;
    default:
      TSkinControl::AfterMessage(msg);
      break;
  }
}

void TSkinEdit::Draw(HDC dc, const RECT& rect) {
  if (SkinData && SkinData->SkinControls().Contains(TSkinControlType::xcSpin) && !UpDown) AttachUpDown();
  if (!Handle || !HasBorder(Handle, rect)) return;
  TOffscreenFrame frame(dc, rect, tk::ColorToRGB(ParentColor(SkinData ? SkinData->Colors[scButtonFace] : tk::clBtnFace)));
  if (!frame.Valid()) return;
  DrawShadowFrame(frame.DC(), rect, ShadowColour(SkinData), FrameRings - 1);
  RECT inner = rect;
  InflateRect(&inner, -FrameRings, -FrameRings);
  frame.Keep(inner);
  frame.CopyToTarget();
}

void TSkinEdit::AttachUpDown() {
  HWND child = Handle ? FindUpDownChild(Handle) : nullptr;
  if (!child || SendMessageW(child, SKM_ISSKINNED, 0, 0) == 1) return;
  UpDown = SkinWindowAs(TPainterKind::pkUpDownEmbedded, child, Form, SkinData, Canvas);
  if (!UpDown) return;
  // It lives as long as the edit, and stays listed with the form painter.
  if (Owner()) Owner()->InsertComponent(UpDown);
  UpDown->RegisterWithForm(Form);
  FreeNotification(UpDown);
}

void TSkinEdit::Notification(tk::TComponent* component, tk::TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation == tk::TOperation::opRemove && component == UpDown) UpDown = nullptr;
}

void TSkinEdit::PrintFrame(HDC given) {
  try {
    RECT r{};
    if (!Handle || !GetWindowRect(Handle, &r)) return;
    WindowRect = r;
    const RECT local{0, 0, r.right - r.left, r.bottom - r.top};
    RECT client{};
    GetClientRect(Handle, &client);
    if ((local.right - client.right) / 2 < 2) return;
    auto print = [&](HDC dc) {
      FrameWithColour(dc, local, ShadowColour(SkinData));
      RECT ring = local;
      InflateRect(&ring, -1, -1);
      FrameRect(dc, &ring, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
    };
    if (given) {
      print(given);
    } else {
      tk::WindowDC own(Handle, true);
      if (own.Get()) print(own.Get());
    }
  } catch (...) {
    // Printing the frame is a nicety: the print goes on without it.
  }
}

HWND FindUpDownChild(HWND wnd) {
  for (HWND child = GetTopWindow(wnd); child; child = GetWindow(child, GW_HWNDNEXT)) {
    // Class names are at most 256 characters; the buffer bounds the read whatever the window says.
    wchar_t name[257] = {};
    const int length = GetClassNameW(child, name, static_cast<int>(std::size(name)));
    if (length <= 0) continue;
    std::wstring lower(name, static_cast<size_t>(std::min<int>(length, static_cast<int>(std::size(name)) - 1)));
    std::transform(lower.begin(), lower.end(), lower.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    if (lower == L"msctls_updown32" || lower.find(L"spin") != std::wstring::npos || lower.find(L"updown") != std::wstring::npos)
      return child;
  }
  return nullptr;
}
