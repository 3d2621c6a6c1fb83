#include "HeaderCaption.h"

#include <algorithm>

#include "WinSkinHelpers.h"

namespace {

constexpr UINT MeasureFormat = DT_END_ELLIPSIS | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK;
constexpr UINT TextFormat = DT_END_ELLIPSIS | DT_EXPANDTABS | DT_WORDBREAK;

int HorizontalOffset(THeaderAlignment alignment, int width, int iconWidth, int textWidth) {
  int v = 3;
  if (alignment == haCenter) v = (width - iconWidth - textWidth) / 2;
  else if (alignment == haRight) v = width - iconWidth - textWidth - 2;
  return v < 2 ? 1 : v;
}

}  // namespace

void DrawHeaderCaption(HDC dc, const RECT& rect, const THeaderCaption& caption, COLORREF disabledColour) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  int cx = 0, cy = 0;
  if (caption.Images) ImageList_GetIconSize(caption.Images, &cx, &cy);
  const bool withIcon = caption.Images && caption.ImageIndex != -1 && cx < width;
  if (!withIcon) cx = 0;
  RECT t = rect;
  if (withIcon) t.right += cx + 2;
  if (caption.Text.empty()) {
    t.right = t.left;
  } else {
    std::wstring measured = caption.Text;
    DrawTextWide(dc, measured, t, MeasureFormat);
  }
  const int v = HorizontalOffset(caption.Alignment, width, cx, t.right - t.left);
  if (withIcon)
    ImageList_Draw(caption.Images, caption.ImageIndex, dc, rect.left + v, rect.top + (height - cx) / 2, ILD_TRANSPARENT);
  OffsetRect(&t, v + cx, (height - (t.bottom - t.top)) / 2);
  t.left = std::max(t.left, rect.left);
  t.right = std::min(t.right, rect.right);
  if (caption.Text.empty()) return;
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = caption.Enabled ? GetTextColor(dc) : SetTextColor(dc, disabledColour);
  std::wstring text = caption.Text;
  DrawTextWide(dc, text, t, TextFormat | (caption.RightToLeft ? DT_RTLREADING : 0));
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}
