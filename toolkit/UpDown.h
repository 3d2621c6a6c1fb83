#pragma once
// Up-down buttons on the platform's up-down control: alone beside a buddy control whose text
// follows the position (TUpDown), alone as a two-button spin control (TSpinButton), and inside an
// edit (TSpinEdit).
#include <string>

#include "Controls.h"
#include "StdCtrls.h"

namespace tk {

enum class TUDOrientation { udHorizontal, udVertical };
TK_ENUM(TUDOrientation, "udHorizontal", "udVertical");

class TUpDown : public TWinControl {
  TK_CLASS(TUpDown)
 public:
  explicit TUpDown(TComponent* owner);
  ~TUpDown() override;
  // The buddy control: its text shows the position.
  TWinControl* Associate() const { return associate_; }
  void SetAssociate(TWinControl* control);
  int Min() const { return min_; }
  void SetMin(int v);
  int Max() const { return max_; }
  void SetMax(int v);
  int Position() const;
  void SetPosition(int v);
  int Increment() const { return increment_; }
  void SetIncrement(int v);
  TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TUDOrientation v);
  bool Wrap() const { return wrap_; }
  void SetWrap(bool v);

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void SaveWndState() override;
  void Notification(TComponent* component, TOperation operation) override;
  void WndProc(TMessage& msg) override;

 private:
  void PushRange();
  void PushBuddy();
  TWinControl* associate_ = nullptr;
  int min_ = 0, max_ = 100, position_ = 0, increment_ = 1;
  TUDOrientation orientation_ = TUDOrientation::udVertical;
  bool wrap_ = false;
};

// A spin control of two buttons with no buddy of its own.
class TSpinButton : public TUpDown {
  TK_CLASS(TSpinButton)
 public:
  explicit TSpinButton(TComponent* owner);
};

// An edit holding a number, with up-down buttons inside it at its right.
class TSpinEdit : public TEdit {
  TK_CLASS(TSpinEdit)
 public:
  explicit TSpinEdit(TComponent* owner);
  ~TSpinEdit() override;
  int MinValue() const { return minValue_; }
  void SetMinValue(int v);
  int MaxValue() const { return maxValue_; }
  void SetMaxValue(int v);
  int Value() const;
  void SetValue(int v);
  int Increment() const { return increment_; }
  void SetIncrement(int v);
  // The up-down window inside the edit.
  HWND ButtonHandle() const { return buttons_; }

 protected:
  void InitializeWnd() override;
  void SaveWndState() override;
  void WndProc(TMessage& msg) override;

 private:
  void PlaceButtons();
  void PushRange();
  HWND buttons_ = nullptr;  // a child of the edit's window: it goes with it
  int minValue_ = 0, maxValue_ = 100, value_ = 0, increment_ = 1;
};

}  // namespace tk
