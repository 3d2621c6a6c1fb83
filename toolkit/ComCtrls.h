#pragma once
// Common controls: tool bar, status bar with panels, rich edit.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <memory>
#include <string>

#include "Collections.h"
#include "Controls.h"
#include "Strings.h"
#include "StdCtrls.h"

namespace tk {

enum class TEdgeBorder { ebLeft, ebTop, ebRight, ebBottom };
TK_ENUM(TEdgeBorder, "ebLeft", "ebTop", "ebRight", "ebBottom");
using TEdgeBorders = TSet<TEdgeBorder>;

class TToolBar;
using TToolBarCustomDrawEvent = std::function<void(TToolBar* Sender, const RECT& ARect, bool& DefaultDraw)>;

// One button of a tool bar about to be drawn: its DC and bounds, its state (CDIS_* bits) and the
// text colour the bar will use, which a handler may change. A handler that drew the button's frame
// itself clears DrawEdges so that the bar does not draw its own over it.
struct TToolBarButtonDraw {
  HDC DC = nullptr;
  RECT Bounds{};
  UINT State = 0;
  int Command = 0;
  COLORREF TextColour = 0;
  bool DrawEdges = true;
};
using TToolBarCustomDrawButtonEvent =
    std::function<void(TToolBar* Sender, TToolBarButtonDraw& Button, bool& DefaultDraw)>;

// A tool bar that hosts controls at the places the layout gives them.
class TToolBar : public TWinControl {
  TK_CLASS(TToolBar)
 public:
  explicit TToolBar(TComponent* owner);
  int ButtonHeight() const { return buttonHeight_; }
  void SetButtonHeight(int v);
  int ButtonWidth() const { return buttonWidth_; }
  void SetButtonWidth(int v);
  bool Flat() const { return flat_; }
  void SetFlat(bool v);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v);
  TEdgeBorders EdgeBorders() const { return edgeBorders_; }
  void SetEdgeBorders(TEdgeBorders v) { edgeBorders_ = v; Invalidate(); }
  bool ShowCaptions() const { return showCaptions_; }
  void SetShowCaptions(bool v) { showCaptions_ = v; }
  bool Wrapable() const { return wrapable_; }
  void SetWrapable(bool v) { wrapable_ = v; }
  bool ParentBackground() const { return parentBackground_; }
  void SetParentBackground(bool v) { parentBackground_ = v; Invalidate(); }

  // Background drawing: DefaultDraw false keeps the platform from drawing its own.
  TToolBarCustomDrawEvent OnCustomDraw;

  // Each button before the platform draws it: DefaultDraw false keeps it from drawing the button.
  TToolBarCustomDrawButtonEvent OnCustomDrawButton;
  // The DC the bar is drawing into, while OnCustomDraw runs.
  HDC CustomDrawDC() const { return customDrawDC_; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void WndProc(TMessage& msg) override;

 private:
  int buttonHeight_ = 22, buttonWidth_ = 23;
  bool flat_ = false, transparent_ = false, showCaptions_ = false, wrapable_ = true, parentBackground_ = true;
  TEdgeBorders edgeBorders_{TEdgeBorder::ebTop};
  LRESULT CustomDraw(NMTBCUSTOMDRAW& draw);
  HDC customDrawDC_ = nullptr;
};

enum class TStatusPanelStyle { psText, psOwnerDraw };
TK_ENUM(TStatusPanelStyle, "psText", "psOwnerDraw");
enum class TStatusPanelBevel { pbNone, pbLowered, pbRaised };
TK_ENUM(TStatusPanelBevel, "pbNone", "pbLowered", "pbRaised");

class TStatusPanel : public TCollectionItem {
  TK_CLASS(TStatusPanel)
 public:
  explicit TStatusPanel(TCollection* collection) : TCollectionItem(collection) {}
  std::string Text() const { return text_; }
  void SetText(const std::string& v) { if (v != text_) { text_ = v; Changed(); } }
  int Width() const { return width_; }
  void SetWidth(int v) { if (v != width_) { width_ = v; Changed(); } }
  TStatusPanelStyle Style() const { return style_; }
  void SetStyle(TStatusPanelStyle v) { style_ = v; Changed(); }
  TStatusPanelBevel Bevel() const { return bevel_; }
  void SetBevel(TStatusPanelBevel v) { bevel_ = v; Changed(); }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v) { alignment_ = v; Changed(); }

 private:
  std::string text_;
  int width_ = 50;
  TStatusPanelStyle style_ = TStatusPanelStyle::psText;
  TStatusPanelBevel bevel_ = TStatusPanelBevel::pbLowered;
  TAlignment alignment_ = TAlignment::taLeftJustify;
};

class TStatusBar;
using TDrawPanelEvent = std::function<void(TStatusBar* StatusBar, TStatusPanel* Panel, const RECT& Rect)>;

class TStatusBar : public TWinControl {
  TK_CLASS(TStatusBar)
 public:
  explicit TStatusBar(TComponent* owner);
  TCollection& Panels() { return panels_; }
  TCollection* PanelsObject() const { return const_cast<TCollection*>(&panels_); }
  TStatusPanel* Panel(int index) const { return static_cast<TStatusPanel*>(panels_.Items(index)); }
  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool v);
  std::string SimpleText() const { return simpleText_; }
  void SetSimpleText(const std::string& v);
  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool v);
  // The text the platform control shows in a panel (what a user sees).
  std::string PanelTextShown(int index) const;

  TDrawPanelEvent OnDrawPanel;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void WndProc(TMessage& msg) override;

 private:
  void UpdatePanels();
  void UpdatePanel(int index);
  TCollection panels_;
  bool simplePanel_ = false;
  std::string simpleText_;
  bool sizeGrip_ = true;
};

class TRichEdit;

// Character formatting of a rich edit's selection or of its default text.
class TTextAttributes : public TObject {
  TK_CLASS(TTextAttributes)
 public:
  TTextAttributes(TRichEdit& owner, bool selection) : owner_(owner), selection_(selection) {}
  TColor Color() const;
  void SetColor(TColor c);
  std::string Name() const;
  void SetName(const std::string& name);
  int Height() const;  // pixels, negative as in a font's height
  void SetHeight(int height);
  int Charset() const;
  void SetCharset(int charset);
  // Takes the face, height, charset, colour and style of a font.
  void AssignFont(const TFont& font);

 private:
  CHARFORMAT2W Get(DWORD mask) const;
  void Set(CHARFORMAT2W& format);
  TRichEdit& owner_;
  bool selection_;
};

class TRichEdit : public TWinControl {
  TK_CLASS(TRichEdit)
 public:
  explicit TRichEdit(TComponent* owner);
  ~TRichEdit() override;

  // The text as lines; changes to the list change the control.
  TStrings& Lines();
  TStrings* LinesObject() const { return const_cast<TRichEdit*>(this)->LinesPtr(); }
  std::string GetText() const override;
  void SetText(const std::string& s) override;
  int GetTextLen() const;  // characters as the control counts them

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool v);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle v);
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool v) { wantTabs_ = v; }
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool v) { wantReturns_ = v; }
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool v);
  bool PlainText() const { return plainText_; }
  void SetPlainText(bool v) { plainText_ = v; }
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle v);

  int SelStart() const;
  void SetSelStart(int v);
  int SelLength() const;
  void SetSelLength(int v);
  void Select(int start, int length);
  std::string SelText() const;
  TTextAttributes& SelAttributes() { return selAttributes_; }
  TTextAttributes& DefAttributes() { return defAttributes_; }
  void ScrollCaret();  // scrolls the view so that the caret (the selection) is visible
  void Clear() { SetText(std::string()); }
  void SelectAll() { Select(0, -1); }

  // Replaces the content with a file's: rich text when it is in rich-text format, otherwise plain
  // GBK text. Throws with the system's message when the file cannot be read; the old text stays.
  void LoadFromFile(const std::string& gbkPath);
  void LoadFromBytes(const std::string& bytes);
  static bool IsRichText(const std::string& bytes);

  TNotifyEvent OnChange;
  TNotifyEvent OnSelectionChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void SaveWndState() override;
  void WndProc(TMessage& msg) override;
  void FontChanged() override;
  void ColorChanged() override;

 private:
  friend class TTextAttributes;
  class RichLines;
  TStrings* LinesPtr();
  void ApplyDefaultFormat();
  void StreamIn(const std::string& bytes, bool rich);
  std::unique_ptr<RichLines> lines_;
  TTextAttributes selAttributes_{*this, true};
  TTextAttributes defAttributes_{*this, false};
  bool readOnly_ = false, wantTabs_ = false, wantReturns_ = true, hideSelection_ = true, plainText_ = false;
  TScrollStyle scrollBars_ = TScrollStyle::ssNone;
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
  wchar_t highSurrogate_ = 0;
};

// Streams `bytes` into a rich edit window (EM_STREAMIN with `format`, e.g. SF_RTF | SFF_SELECTION);
// false when the control refuses them.
bool StreamIntoRichEdit(HWND edit, const std::string& bytes, WPARAM format);


// --- date-time picker ---
enum class TDateTimeKind { dtkDate, dtkTime };
TK_ENUM(TDateTimeKind, "dtkDate", "dtkTime");
enum class TDTDateFormat { dfShort, dfLong };
TK_ENUM(TDTDateFormat, "dfShort", "dfLong");

// A date or time field with a drop-down calendar (the platform's picker). Date and Time are
// published as text, "yyyy-mm-dd" and "hh:mm:ss"; text that is not a valid date or time is ignored.
class TDateTimePicker : public TWinControl {
  TK_CLASS(TDateTimePicker)
 public:
  explicit TDateTimePicker(TComponent* owner);
  SYSTEMTIME DateTime() const;
  void SetDateTime(const SYSTEMTIME& value);
  std::string Date() const;
  void SetDate(const std::string& v);
  std::string Time() const;
  void SetTime(const std::string& v);
  TDateTimeKind Kind() const { return kind_; }
  void SetKind(TDateTimeKind v);
  TDTDateFormat DateFormat() const { return dateFormat_; }
  void SetDateFormat(TDTDateFormat v);
  // Whether the calendar is showing. Asked of the calendar itself: some platforms hide it when it
  // loses the focus without a close-up notice.
  bool DroppedDown() const;

  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void SaveWndState() override;
  void WndProc(TMessage& msg) override;

 private:
  SYSTEMTIME value_{};
  TDateTimeKind kind_ = TDateTimeKind::dtkDate;
  TDTDateFormat dateFormat_ = TDTDateFormat::dfShort;
};

}  // namespace tk
