// The hot objects of a skinned window's non-client area: caption buttons and menu band buttons.
// Each has bounds in frame coordinates (origin at the window's top-left corner), a picture state
// and the four mouse operations that change it.
#pragma once

#include <windows.h>

#include <string>

class TWinSkinForm;
class TDataSkinSysButton;

// Picture states of a hot object (frame numbers of caption-button strips).
enum TNCState { ncsNormal = 1, ncsPressed = 2, ncsHot = 3 };

class TNCObject {
 public:
  explicit TNCObject(TWinSkinForm* owner) : Owner(owner) {}
  virtual ~TNCObject() = default;
  TNCObject(const TNCObject&) = delete;
  TNCObject& operator=(const TNCObject&) = delete;

  // Each state change repaints the object when it is visible.
  virtual void Press();
  virtual void Release();
  virtual void Hover();
  virtual void Leave();
  virtual void Paint() {}

  bool Contains(POINT framePoint) const { return Visible && PtInRect(&Bounds, framePoint) != FALSE; }

  TWinSkinForm* Owner;
  RECT Bounds{};
  bool Visible = false;
  int State = ncsNormal;
  bool Enabled = true;
};

// One caption button: a picture strip of the skin with an action.
class TWinSysButton : public TNCObject {
 public:
  TWinSysButton(TWinSkinForm* owner, TDataSkinSysButton* element) : TNCObject(owner), Element(element) {}
  // Repaints the button for its state straight onto the window, in one copy.
  void Paint() override;
  // Draws frame `frame` of the button's picture (an icon button: its icon) into a DC whose (0, 0)
  // lies at `origin` in frame coordinates.
  void PaintInto(HDC dc, POINT origin, int frame);
  // The frame of the strip that shows the current state.
  int StateFrame() const;
  bool IsIcon() const;
  // "Close", "Maximize", "Minimize", "Restore" by action; empty for the others.
  std::string HintText() const;

  TDataSkinSysButton* Element;
};
