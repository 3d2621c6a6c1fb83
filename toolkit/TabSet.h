#pragma once
// The old-style tab strip: a row of tabs hanging from the top edge, drawn by the control itself,
// with a scroller of its own that appears when the tabs do not all fit.
#include <windows.h>

#include <memory>
#include <string>

#include "Controls.h"
#include "Strings.h"

namespace tk {

class TTabSet;

// The pair of arrows that moves a tab set's first visible tab.
class TTabScroller : public TWinControl {
  TK_CLASS(TTabScroller)
 public:
  explicit TTabScroller(TTabSet* tabSet);

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& msg) override;

 private:
  TTabSet* tabSet_;
};

class TTabSet : public TCustomControl {
  TK_CLASS(TTabSet)
 public:
  static constexpr int ScrollerWidth = 24;
  static constexpr int TabPadding = 9;  // a tab is its caption's width plus this

  explicit TTabSet(TComponent* owner);
  TStrings& Tabs() { return *tabs_; }
  TStrings* TabsObject() const { return tabs_.get(); }
  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int index);
  int StartMargin() const { return startMargin_; }
  void SetStartMargin(int v);
  int EndMargin() const { return endMargin_; }
  void SetEndMargin(int v);
  int FirstIndex() const { return firstIndex_; }
  void SetFirstIndex(int v);
  TTabScroller* Scroller() const { return scroller_; }
  // Tab i's rectangle in client coordinates; empty when it is not shown.
  RECT TabRect(int index);
  void SetBounds(int left, int top, int width, int height) override;

  TNotifyEvent OnChange;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void InitializeWnd() override;

 private:
  int TabTextWidth(int index);
  bool AllFit();
  void UpdateScroller();
  std::unique_ptr<TStrings> tabs_;
  TTabScroller* scroller_;
  int tabIndex_ = -1;
  int startMargin_ = 5;
  int endMargin_ = 5;
  int firstIndex_ = 0;
};

}  // namespace tk
