#include "SkinGroupBox.h"

#include "ChoiceText.h"
#include "GdiHandle.h"
#include "WinSkinData.h"

const tk::TClassInfo& TSkinGroupBox::StaticClass() {
  static const tk::TClassInfo info("TSkinGroupBox", &TSkinControl::StaticClass());
  return info;
}

void TSkinGroupBox::Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) {
  if (Attached) return;
  TSkinControl::Attach(form, skin, recolour, canvas);
  if (Control) Mode = 1;
}

bool TSkinGroupBox::BeforeMessage(tk::TMessage& msg) {
  if (!TSkinControl::BeforeMessage(msg)) return false;
  if (Mode == 1 && msg.Msg == WM_PAINT) {
    PaintWithBeginPaint(msg);
    return false;
  }
  return true;
}

void TSkinGroupBox::Draw(HDC dc, const RECT& rect) {
  Caption = BoundedWindowText(Handle);
  if (Caption.empty() && Control) Caption = BoundedTextProp(Control, "Caption");
  const tk::TColor face = SkinData ? SkinData->Colors[scButtonFace] : tk::clBtnFace;
  const tk::TColor shadow = SkinData ? SkinData->Colors[scButtonShadow] : tk::clBtnShadow;
  if (Control) FillBackground(dc, rect);

  DrawFrameAndCaption(dc, rect, face, shadow);
  if (Control && Mode == 1)
    if (auto* container = dynamic_cast<tk::TWinControl*>(Control)) container->PaintControls(dc);
}

void TSkinGroupBox::DrawFrameAndCaption(HDC dc, const RECT& rect, tk::TColor face, tk::TColor shadow) {
  tk::SavedDC saved(dc);
  HFONT font = Handle ? reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0)) : nullptr;
  if (tk::TFont* controlFont = ControlFont(Control)) {
    font = controlFont->Handle();
    SetTextColor(dc, tk::ColorToRGB(controlFont->Color()));
  }
  if (font) SelectObject(dc, font);
  SIZE zero{};
  GetTextExtentPoint32W(dc, L"0", 1, &zero);
  const int t = zero.cy / 2 - 1;

  if (Mode == 0) {
    // The system's etched frame lies where ours does not: cover it with the face.
    tk::UniqueBrush faceBrush(CreateSolidBrush(tk::ColorToRGB(face)));
    RECT outer{0, t, rect.right, rect.bottom};
    FrameRect(dc, &outer, faceBrush.Get());
    InflateRect(&outer, -1, -1);
    FrameRect(dc, &outer, faceBrush.Get());
  }
  {
    tk::UniquePen pen(CreatePen(PS_SOLID, 1, tk::ColorToRGB(shadow)));
    tk::SelectGuard penIn(dc, pen.Get());
    tk::SelectGuard noFill(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, 1, t, rect.right - 1, rect.bottom - 1, CornerSize, CornerSize);
  }
  // An opaque caption background breaks the frame line behind the caption.
  SetBkColor(dc, tk::ColorToRGB(face));
  SetBkMode(dc, OPAQUE);
  RECT text{};
  UINT format = DT_EXPANDTABS;
  if (Handle && (WindowLong(Handle, GWL_EXSTYLE) & WS_EX_RIGHT)) {
    text = RECT{rect.left, rect.top, rect.right - CaptionIndent, rect.bottom};
    format = RtlFormat(DT_EXPANDTABS | DT_RIGHT);
  } else {
    text = RECT{rect.left + CaptionIndent, rect.top, rect.right, rect.bottom};
  }
  if (!Caption.empty()) DrawTextW(dc, Caption.c_str(), static_cast<int>(Caption.size()), &text, format);
}
