// Where the parts of a scroll bar lie: the system's own bars read through GetScrollBarInfo, a
// scroll bar control's thumb computed from its scroll information, and the arithmetic the covers
// and the drop-down list's thumb drag share. No windows are made here.
#pragma once

#include <windows.h>

// Parts of a bar, numbered as the scroll request codes so that a notification names the part.
enum TScrollPart { spNone = -1, spFirstArrow = 0, spSecondArrow = 1, spTrackBefore = 2, spTrackAfter = 3, spThumb = 5 };

// What kind of bar a cover sits on.
enum TScrollBarKind { sbkHorizontal = 0, sbkVertical = 1, sbkControl = 2 };

// One bar as read from its window.
struct TBarReading {
  RECT Rect{};        // screen coordinates (kinds 0, 1); the control's bounds in its parent's (kind 2)
  int ThumbStart = 0;  // along the axis, from the bar's start
  int ThumbEnd = 0;
  bool Unavailable = false;
  bool Invisible = false;
};

// Reads a window's horizontal or vertical system bar, or a scroll bar control. False when the
// bar cannot be read (no such window, or no GetScrollBarInfo).
bool ReadScrollBar(HWND target, TScrollBarKind kind, bool vertical, int arrowSize, TBarReading& reading);

struct TThumbSpan {
  int Start = 0;
  int End = 0;
};

// The thumb of a scroll bar control of the given length. minimumThumb: a page thumb of 7 pixels or
// less becomes 8 long (painting); without it the thumb keeps its computed length (press).
TThumbSpan ControlThumb(int length, int arrowSize, int min, int max, int page, int pos, bool minimumThumb);

// The part at a distance along the bar.
TScrollPart HitTestBar(int along, int arrowSize, int thumbStart, int thumbEnd, int length);

// The thumb moved by the cursor during a drag: it keeps its length and stays between the arrows.
TThumbSpan FollowThumb(TThumbSpan old, int pressThumbStart, int cursorMoved, int arrowSize, int length);

// The list position for a thumb dragged to `offset` pixels past the first arrow, on a track of
// `track` pixels with a thumb `thumb` long.
int DraggedListPosition(int offset, int track, int thumb, int min, int max, int page);

// Frames of the arrow-and-grip strip.
struct TArrowFrames {
  int First;   // normal frame of the first arrow (up or left)
  int Second;  // of the second arrow
  int Grip;    // of the grip on the thumb
};
TArrowFrames ArrowFramesFor(bool vertical);
// The frame of an arrow in its state: +1 pressed, +3 hot.
int ArrowFrame(int normalFrame, bool isHotPart, bool pressed);
