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

// ---------------------------------------------------------------------------------------------
// Panel and radio group

#include <memory>
#include <vector>

#include "StdCtrls.h"
#include "Strings.h"

namespace tk {

enum class TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };
TK_ENUM(TPanelBevel, "bvNone", "bvLowered", "bvRaised", "bvSpace");

// A container with bevels and a caption.
class TPanel : public TCustomControl {
  TK_CLASS(TPanel)
 public:
  explicit TPanel(TComponent* owner);
  TPanelBevel BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TPanelBevel v) { bevelOuter_ = v; Invalidate(); }
  TPanelBevel BevelInner() const { return bevelInner_; }
  void SetBevelInner(TPanelBevel v) { bevelInner_ = v; Invalidate(); }
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int v) { bevelWidth_ = v < 1 ? 1 : v; Invalidate(); }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v) { alignment_ = v; Invalidate(); }
  bool ParentBackground() const { return parentBackground_; }
  void SetParentBackground(bool v) { parentBackground_ = v; Invalidate(); }
  // Leaves the background unpainted: what is under the panel shows through.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v) { transparent_ = v; Invalidate(); }

 protected:
  void Paint() override;
  void WndProc(TMessage& msg) override;

 private:
  TPanelBevel bevelOuter_ = TPanelBevel::bvRaised;
  TPanelBevel bevelInner_ = TPanelBevel::bvNone;
  int bevelWidth_ = 1;
  TAlignment alignment_ = TAlignment::taCenter;
  bool parentBackground_ = true;
  bool transparent_ = false;
};

// A group box of radio buttons, one per line of Items, laid out in Columns.
class TRadioGroup : public TGroupBox {
  TK_CLASS(TRadioGroup)
 public:
  explicit TRadioGroup(TComponent* owner);
  ~TRadioGroup() override;
  TStrings& Items() { return *items_; }
  TStrings* ItemsObject() const { return items_.get(); }
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int v);
  int Columns() const { return columns_; }
  void SetColumns(int v);
  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TRadioButton* Buttons(int index) const { return buttons_.at(static_cast<size_t>(index)); }
  void SetBounds(int left, int top, int width, int height) override;

 protected:
  void Loaded() override;
  void FontChanged() override;

 private:
  void UpdateButtons();
  void ArrangeButtons();
  void ButtonClicked(TObject* sender);
  std::unique_ptr<TStrings> items_;
  std::vector<TRadioButton*> buttons_;
  int itemIndex_ = -1;
  int columns_ = 1;
};

}  // namespace tk
