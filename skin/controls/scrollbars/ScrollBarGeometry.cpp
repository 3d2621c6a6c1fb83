#include "ScrollBarGeometry.h"

#include <algorithm>

#include "WinSkinHelpers.h"

namespace {

// The range a scroll bar control's thumb is spread over; an empty range must not divide by zero.
int ControlRange(int min, int max) { return max == min ? 9999999 : max - min; }

bool ReadControlBar(HWND target, bool vertical, int arrowSize, TBarReading& reading) {
  RECT bounds{};
  if (!GetWindowRect(target, &bounds)) return false;
  MapWindowPoints(nullptr, GetParent(target), reinterpret_cast<POINT*>(&bounds), 2);
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  if (!GetScrollInfo(target, SB_CTL, &info)) return false;
  const int length = vertical ? bounds.bottom - bounds.top : bounds.right - bounds.left;
  const TThumbSpan thumb = ControlThumb(length, arrowSize, info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos, true);
  reading.Rect = bounds;
  reading.ThumbStart = thumb.Start;
  reading.ThumbEnd = thumb.End;
  reading.Unavailable = !IsWindowEnabled(target);
  reading.Invisible = false;
  return true;
}

}  // namespace

bool ReadScrollBar(HWND target, TScrollBarKind kind, bool vertical, int arrowSize, TBarReading& reading) {
  if (!target || !IsWindow(target)) return false;
  if (kind == sbkControl) return ReadControlBar(target, vertical, arrowSize, reading);
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  if (!SafeGetScrollBarInfo(target, kind == sbkVertical ? OBJID_VSCROLL : OBJID_HSCROLL, info)) return false;
  reading.Rect = info.rcScrollBar;
  reading.ThumbStart = info.xyThumbTop;
  reading.ThumbEnd = info.xyThumbBottom;
  // Some systems mark a bar disabled with EnableScrollBar only on its two arrows.
  const bool bothArrowsOff = (info.rgstate[1] & STATE_SYSTEM_UNAVAILABLE) && (info.rgstate[5] & STATE_SYSTEM_UNAVAILABLE);
  reading.Unavailable = (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) != 0 || bothArrowsOff;
  reading.Invisible = (info.rgstate[0] & STATE_SYSTEM_INVISIBLE) != 0;
  return true;
}

TThumbSpan ControlThumb(int length, int arrowSize, int min, int max, int page, int pos, bool minimumThumb) {
  const int range = minimumThumb ? ControlRange(min, max) : max - min;
  TThumbSpan thumb;
  if (range == 0) {
    thumb.Start = arrowSize;
    thumb.End = arrowSize + (page > 0 ? 0 : arrowSize);
    return thumb;
  }
  const int track = length - 2 * arrowSize;
  int thumbLength = 0;
  if (page > 0) {
    thumbLength = MulDiv(track, page - 1, range);
    if (thumbLength > 7 || !minimumThumb) {
      thumb.Start = pos == min ? arrowSize : arrowSize + MulDiv(track, pos - min, range);
    } else {
      thumbLength = 8;
      thumb.Start = pos == min ? arrowSize : arrowSize + MulDiv(track - 8, pos - min, range);
    }
  } else {
    thumbLength = arrowSize;
    thumb.Start = pos == min ? arrowSize : arrowSize + MulDiv(length - 3 * arrowSize, pos - min, range);
  }
  thumb.End = thumb.Start + thumbLength;
  return thumb;
}

TScrollPart HitTestBar(int along, int arrowSize, int thumbStart, int thumbEnd, int length) {
  if (along < arrowSize) return spFirstArrow;
  if (along < thumbStart) return spTrackBefore;
  if (along < thumbEnd) return spThumb;
  if (along < length - arrowSize) return spTrackAfter;
  return spSecondArrow;
}

TThumbSpan FollowThumb(TThumbSpan old, int pressThumbStart, int cursorMoved, int arrowSize, int length) {
  const int thumbLength = old.End - old.Start;
  int start = pressThumbStart + cursorMoved;
  // Upper limit first: on a bar too short for the thumb the first arrow wins.
  start = std::min(start, length - arrowSize - thumbLength);
  start = std::max(start, arrowSize);
  return TThumbSpan{start, start + thumbLength};
}

int DraggedListPosition(int offset, int track, int thumb, int min, int max, int page) {
  int n = std::max(offset, 0);
  int position = min;
  if (page > 0) {
    const int travel = track - thumb;
    n = std::min(n, travel + 1);
    position = travel > 0 ? min + MulDiv(n, max - min - page, travel) : max - page + 1;
    // At the end of the travel the last page is fully in view.
    if (position >= max - page) position = max - page + 1;
  } else {
    n = std::min(n, track - thumb);
    position = track > 0 ? min + MulDiv(n, max - min, track) : min;
    position = std::min(position, max);
  }
  return std::max(position, min);
}

TArrowFrames ArrowFramesFor(bool vertical) { return vertical ? TArrowFrames{9, 13, 20} : TArrowFrames{1, 5, 17}; }

int ArrowFrame(int normalFrame, bool isHotPart, bool pressed) {
  if (!isHotPart) return normalFrame;
  return normalFrame + (pressed ? 1 : 3);
}
