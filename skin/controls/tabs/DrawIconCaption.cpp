#include "DrawIconCaption.h"

#include "WinSkinData.h"
#include "WinSubClass.h"

void DrawIconCaption(const TSkinControl& painter, HDC dc, const RECT& rect, int alignment, const std::wstring& text,
                     int imageIndex, HIMAGELIST images) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  int cx = 0, cy = 0;
  if (images) ImageList_GetIconSize(images, &cx, &cy);
  const bool withIcon = images && imageIndex != -1 && cx < width;
  if (!withIcon) cx = 0;

  constexpr UINT layout = DT_END_ELLIPSIS | DT_EXPANDTABS | DT_WORDBREAK;
  RECT t = rect;
  if (withIcon) t.right += cx + 2;
  if (text.empty()) t.right = t.left;
  else DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &t, layout | DT_CALCRECT | DT_NOCLIP);
  const int textWidth = t.right - t.left, textHeight = t.bottom - t.top;

  int v = 3;
  if (alignment == caCentre) v = (width - cx - textWidth) / 2;
  else if (alignment == caRight) v = width - cx - textWidth - 2;
  if (v < 2) v = 1;

  if (withIcon) ImageList_Draw(images, imageIndex, dc, rect.left + v, rect.top + (height - cx) / 2, ILD_TRANSPARENT);
  OffsetRect(&t, v + cx, (height - textHeight) / 2);
  if (t.left < rect.left) t.left = rect.left;
  if (t.right > rect.right) t.right = rect.right;
  if (text.empty()) return;

  const int oldMode = SetBkMode(dc, TRANSPARENT);
  COLORREF oldColour = 0;
  const bool disabled = !painter.IsEnabled;
  if (disabled) {
    const tk::TColor shadow = painter.SkinData ? painter.SkinData->Colors[scButtonShadow] : tk::clBtnShadow;
    oldColour = SetTextColor(dc, tk::ColorToRGB(shadow));
  }
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &t, painter.RtlFormat(layout));
  if (disabled) SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}
