#pragma once
// Standard controls: label, push button, edit, combo box, group box, scroll bar.
#include <string>

#include "Controls.h"
#include "ScrollStyle.h"
#include "Strings.h"

namespace tk {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
TK_ENUM(TAlignment, "taLeftJustify", "taRightJustify", "taCenter");

enum class TTextLayout { tlTop, tlCenter, tlBottom };
TK_ENUM(TTextLayout, "tlTop", "tlCenter", "tlBottom");

enum class TBorderStyle { bsNone, bsSingle };
TK_ENUM(TBorderStyle, "bsNone", "bsSingle");

class TLabel : public TGraphicControl {
  TK_CLASS(TLabel)
 public:
  explicit TLabel(TComponent* owner);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool v);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v) { alignment_ = v; Invalidate(); }
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout v) { layout_ = v; Invalidate(); }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v) { transparent_ = v; Invalidate(); }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v) { wordWrap_ = v; AdjustBounds(); }

 protected:
  void Paint() override;
  void TextChanged() override;
  void FontChanged() override;
  void Loaded() override;

 private:
  void AdjustBounds();
  UINT TextFormat() const;
  bool autoSize_ = true;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  TTextLayout layout_ = TTextLayout::tlTop;
  bool transparent_ = false;
  bool wordWrap_ = false;
};

class TButton : public TWinControl {
  TK_CLASS(TButton)
 public:
  explicit TButton(TComponent* owner);
  bool Default() const { return default_; }
  void SetDefault(bool v);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool v) { cancel_ = v; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int v) { modalResult_ = v; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& msg) override;

 protected:
  bool default_ = false;
  bool cancel_ = false;
  int modalResult_ = 0;
};

class TEdit : public TWinControl {
  TK_CLASS(TEdit)
 public:
  explicit TEdit(TComponent* owner);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool v);
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int v);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle v);
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void WndProc(TMessage& msg) override;

 private:
  bool readOnly_ = false;
  int maxLength_ = 0;
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
};

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
TK_ENUM(TComboBoxStyle, "csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable");

class TComboBox : public TWinControl {
  TK_CLASS(TComboBox)
 public:
  explicit TComboBox(TComponent* owner);
  ~TComboBox() override;

  TStrings& Items() { return *items_; }
  TStrings* ItemsObject() const { return items_.get(); }
  int ItemIndex() const;
  void SetItemIndex(int index);
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle v);
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int v);
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int v) { dropDownCount_ = v; }
  bool DroppedDown() const;
  std::string GetText() const override;
  void SetText(const std::string& s) override;
  void SetBounds(int left, int top, int width, int height) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void SaveWndState() override;
  void WndProc(TMessage& msg) override;

 private:
  class ComboStrings;
  int DroppedHeight() const;
  std::unique_ptr<TStrings> items_;  // a ComboStrings
  int itemIndex_ = -1;
  TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
  int dropDownCount_ = 8;
  int itemHeight_ = 16;
  int requestedHeight_ = 0;
};

class TGroupBox : public TCustomControl {
  TK_CLASS(TGroupBox)
 public:
  explicit TGroupBox(TComponent* owner);
  bool ParentBackground() const { return parentBackground_; }
  void SetParentBackground(bool v) { parentBackground_ = v; Invalidate(); }
  RECT ClientRect() const override;

 protected:
  void Paint() override;
  void TextChanged() override { Invalidate(); }

 private:
  bool parentBackground_ = true;
};

enum class TScrollBarKind { sbHorizontal, sbVertical };
TK_ENUM(TScrollBarKind, "sbHorizontal", "sbVertical");
enum class TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };
TK_ENUM(TScrollCode, "scLineUp", "scLineDown", "scPageUp", "scPageDown", "scPosition", "scTrack", "scTop", "scBottom", "scEndScroll");
using TScrollEvent = std::function<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

class TScrollBar : public TWinControl {
  TK_CLASS(TScrollBar)
 public:
  explicit TScrollBar(TComponent* owner);
  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind v);
  int Min() const { return min_; }
  void SetMin(int v) { SetParams(position_, v, max_); }
  int Max() const { return max_; }
  void SetMax(int v) { SetParams(position_, min_, v); }
  int Position() const { return position_; }
  void SetPosition(int v) { SetParams(v, min_, max_); }
  int PageSize() const { return pageSize_; }
  void SetPageSize(int v);
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int v) { smallChange_ = v; }
  int LargeChange() const { return largeChange_; }
  void SetLargeChange(int v) { largeChange_ = v; }
  // Range first: a position outside [min, max] is clamped.
  void SetParams(int position, int min, int max);

  TNotifyEvent OnChange;
  TScrollEvent OnScroll;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void WndProc(TMessage& msg) override;

 private:
  void ApplyScrollInfo();
  void Scroll(int code, int trackPos);
  TScrollBarKind kind_ = TScrollBarKind::sbHorizontal;
  int min_ = 0, max_ = 100, position_ = 0, pageSize_ = 0, smallChange_ = 1, largeChange_ = 1;
};

// --- multi-line text and item lists ---

// A plain multi-line text box.
class TMemo : public TWinControl {
  TK_CLASS(TMemo)
 public:
  explicit TMemo(TComponent* owner);
  ~TMemo() override;

  // The text as lines; changes to the list change the control.
  TStrings& Lines();
  TStrings* LinesObject() const { return const_cast<TMemo*>(this)->LinesPtr(); }
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle v);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle v);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool v);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v);
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void SaveWndState() override;
  void WndProc(TMessage& msg) override;

 private:
  class MemoLines;
  TStrings* LinesPtr();
  std::unique_ptr<MemoLines> lines_;
  TScrollStyle scrollBars_ = TScrollStyle::ssNone;
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
  bool readOnly_ = false;
  bool wordWrap_ = true;
};

// A list of text items, one selected.
class TListBox : public TWinControl {
  TK_CLASS(TListBox)
 public:
  explicit TListBox(TComponent* owner);
  ~TListBox() override;

  TStrings& Items() { return *items_; }
  TStrings* ItemsObject() const { return items_.get(); }
  int ItemIndex() const;
  void SetItemIndex(int index);
  int TopIndex() const;
  void SetTopIndex(int index);
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int v);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle v);
  TNotifyEvent OnClick;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void SaveWndState() override;
  void WndProc(TMessage& msg) override;

 private:
  class ListStrings;
  std::unique_ptr<TStrings> items_;  // a ListStrings
  int itemIndex_ = -1;
  int topIndex_ = 0;
  int itemHeight_ = 0;  // 0: as the font gives
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
};

}  // namespace tk

// ---------------------------------------------------------------------------------------------
// Check box and radio button

namespace tk {

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
TK_ENUM(TCheckBoxState, "cbUnchecked", "cbChecked", "cbGrayed");

// A box the user ticks; with AllowGrayed a click passes through the grayed state too. Alignment
// taLeftJustify puts the caption at the left of the box.
class TCheckBox : public TWinControl {
  TK_CLASS(TCheckBox)
 public:
  explicit TCheckBox(TComponent* owner);
  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState v);
  bool Checked() const { return state_ == TCheckBoxState::cbChecked; }
  void SetChecked(bool v) { SetState(v ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked); }
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool v) { allowGrayed_ = v; }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void WndProc(TMessage& msg) override;

 private:
  void Toggle();
  TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
  bool allowGrayed_ = false;
  TAlignment alignment_ = TAlignment::taRightJustify;
};

// One of a set of choices: checking it unchecks the other radio buttons of its parent.
class TRadioButton : public TWinControl {
  TK_CLASS(TRadioButton)
 public:
  explicit TRadioButton(TComponent* owner);
  bool Checked() const { return checked_; }
  void SetChecked(bool v);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void WndProc(TMessage& msg) override;

 private:
  bool checked_ = false;
  TAlignment alignment_ = TAlignment::taRightJustify;
};

}  // namespace tk
