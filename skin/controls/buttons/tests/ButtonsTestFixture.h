// A form skinned with the solid test skin and its Buttons element, with helpers to add controls,
// give them a button painter of a kind and read back the colour the screen shows at a point.
#pragma once

#include <windows.h>

#include "ButtonSkinParts.h"
#include "PainterFactory.h"
#include "SkinnedFormFixture.h"
#include "WinSubClass.h"

class ButtonsTest : public SkinnedFormTest {
 protected:
  void SetUp() override;

  template <class Control>
  Control* Add(int left, int top, int width, int height) {
    auto* control = new Control(form);
    control->SetParent(form);
    control->SetBounds(left, top, width, height);
    return control;
  }
  // The painter of a kind made for the control (null when the kind does not serve it).
  TSkinControl* SkinAs(TPainterKind kind, tk::TControl* control);

  // Screen point of a point of a control (its own coordinates).
  static POINT ScreenPointOf(const tk::TControl* control, int x, int y);
  // What the screen shows there once pending paints are done.
  static COLORREF PixelOf(const tk::TControl* control, int x, int y);
  // The colour at the point that no caption or focus rectangle covers.
  static COLORREF FrameColourOf(const tk::TControl* control) { return PixelOf(control, 4, 4); }
  // The frame colour once it becomes `expected` (the leave notice comes from a poll of the
  // cursor), or what is shown when it has not within a second.
  static COLORREF FrameColourOnceItIs(const tk::TControl* control, COLORREF expected);
  static void MoveCursorTo(POINT screen);
  static void MoveCursorAway();
  // Sends a mouse message to a windowed control at a point of its own.
  static void SendMouse(HWND wnd, UINT msg, int x, int y, WPARAM keys = 0);
};

COLORREF Frame(int frame);  // ButtonFrameColour
COLORREF ButtonFaceOfSkin();
