// Controls that show a value in a range: the track bar the user drags and the progress bar that
// fills as work goes on. Both are the platform's common controls; the toolkit keeps their values
// so that a layout may set them before the window exists.
#pragma once

#include "Controls.h"

namespace tk {

enum class TTrackBarOrientation { trHorizontal, trVertical };
TK_ENUM(TTrackBarOrientation, "trHorizontal", "trVertical");
enum class TTickMark { tmBottomRight, tmTopLeft, tmBoth };
TK_ENUM(TTickMark, "tmBottomRight", "tmTopLeft", "tmBoth");
enum class TTickStyle { tsNone, tsAuto, tsManual };
TK_ENUM(TTickStyle, "tsNone", "tsAuto", "tsManual");

class TTrackBar : public TWinControl {
  TK_CLASS(TTrackBar)
 public:
  explicit TTrackBar(TComponent* owner);
  int Min() const { return min_; }
  void SetMin(int v);
  int Max() const { return max_; }
  void SetMax(int v);
  // The thumb's value; the window's own when it exists (the user may have moved it).
  int Position() const;
  void SetPosition(int v);
  int Frequency() const { return frequency_; }
  void SetFrequency(int v);
  TTrackBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TTrackBarOrientation v);
  TTickMark TickMarks() const { return tickMarks_; }
  void SetTickMarks(TTickMark v);
  TTickStyle TickStyle() const { return tickStyle_; }
  void SetTickStyle(TTickStyle v);

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void WndProc(TMessage& msg) override;

 private:
  void PositionChanged();
  int min_ = 0, max_ = 10, position_ = 0, frequency_ = 1;
  TTrackBarOrientation orientation_ = TTrackBarOrientation::trHorizontal;
  TTickMark tickMarks_ = TTickMark::tmBottomRight;
  TTickStyle tickStyle_ = TTickStyle::tsAuto;
};

enum class TProgressBarOrientation { pbHorizontal, pbVertical };
TK_ENUM(TProgressBarOrientation, "pbHorizontal", "pbVertical");

class TProgressBar : public TWinControl {
  TK_CLASS(TProgressBar)
 public:
  explicit TProgressBar(TComponent* owner);
  int Min() const { return min_; }
  void SetMin(int v);
  int Max() const { return max_; }
  void SetMax(int v);
  int Position() const;
  void SetPosition(int v);
  int Step() const { return step_; }
  void SetStep(int v);
  // Moves the position on by Step (wrapping to Min past Max, as the platform does).
  void StepIt();
  TProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TProgressBarOrientation v);
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool v);

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;

 private:
  void SendRange();
  int min_ = 0, max_ = 100, position_ = 0, step_ = 10;
  TProgressBarOrientation orientation_ = TProgressBarOrientation::pbHorizontal;
  bool smooth_ = false;
};

}  // namespace tk
