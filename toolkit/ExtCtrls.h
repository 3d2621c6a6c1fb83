#pragma once
// Splitter and timer.
#include "Controls.h"

namespace tk {

enum class TResizeStyle { rsNone, rsLine, rsUpdate, rsPattern };
TK_ENUM(TResizeStyle, "rsNone", "rsLine", "rsUpdate", "rsPattern");

// A bar the user drags to trade space between the control before it and the ones after it.
class TSplitter : public TGraphicControl {
  TK_CLASS(TSplitter)
 public:
  explicit TSplitter(TComponent* owner);
  TResizeStyle ResizeStyle() const { return resizeStyle_; }
  void SetResizeStyle(TResizeStyle v) { resizeStyle_ = v; }
  int MinSize() const { return minSize_; }
  void SetMinSize(int v) { minSize_ = v; }
  bool Beveled() const { return beveled_; }
  void SetBeveled(bool v) { beveled_ = v; Invalidate(); }
  // The control this splitter resizes: the visible one aligned the same way right before it.
  TControl* ResizedControl() const;

  TNotifyEvent OnMoved;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  bool Vertical() const { return align_ == TAlign::alLeft || align_ == TAlign::alRight; }
  int ClampedSize(int wanted) const;
  void DrawLine();
  TResizeStyle resizeStyle_ = TResizeStyle::rsPattern;
  int minSize_ = 30;
  bool beveled_ = false;
  TControl* dragging_ = nullptr;
  POINT downAt_{};
  int startSize_ = 0, newSize_ = 0;
  bool lineVisible_ = false;
  int linePos_ = 0;
};

// Calls OnTimer every Interval milliseconds while Enabled.
class TTimer : public TComponent {
  TK_CLASS(TTimer)
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;
  bool Enabled() const { return enabled_; }
  // Enabling a running timer keeps its schedule.
  void SetEnabled(bool v);
  int Interval() const { return interval_; }
  void SetInterval(int v);
  TNotifyEvent OnTimer;
  // Whether the platform timer is set now (enabled, an interval, a handler).
  bool Running() const { return running_; }

 private:
  void UpdateTimer();
  static LRESULT CALLBACK WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  bool enabled_ = true;
  int interval_ = 1000;
  bool running_ = false;
  UniqueWindow window_;
};

}  // namespace tk
