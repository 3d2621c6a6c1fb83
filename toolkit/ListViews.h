#pragma once
// Column headers and report-style list views, on the platform's header and list view controls.
#include <memory>
#include <string>
#include <vector>

#include "Collections.h"
#include "Controls.h"
#include "StdCtrls.h"
#include "Strings.h"

namespace tk {

// One section of a header control (one column of a list view likewise).
class THeaderSection : public TCollectionItem {
  TK_CLASS(THeaderSection)
 public:
  explicit THeaderSection(TCollection* collection) : TCollectionItem(collection) {}
  std::string Text() const { return text_; }
  void SetText(const std::string& v) { if (v != text_) { text_ = v; Changed(); } }
  int Width() const { return width_; }
  void SetWidth(int v) { if (v != width_) { width_ = v; Changed(); } }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v) { if (v != alignment_) { alignment_ = v; Changed(); } }

 private:
  std::string text_;
  int width_ = 50;
  TAlignment alignment_ = TAlignment::taLeftJustify;
};

class THeaderControl : public TWinControl {
  TK_CLASS(THeaderControl)
 public:
  explicit THeaderControl(TComponent* owner);
  ~THeaderControl() override;
  TCollection& Sections() { return sections_; }
  TCollection* SectionsObject() const { return const_cast<TCollection*>(&sections_); }
  THeaderSection* Section(int index) const { return static_cast<THeaderSection*>(sections_.Items(index)); }
  THeaderSection* AddSection(const std::string& text, int width, TAlignment alignment = TAlignment::taLeftJustify);
  bool HotTrack() const { return hotTrack_; }
  void SetHotTrack(bool v);

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;

 private:
  void UpdateSections();
  TCollection sections_;
  bool hotTrack_ = false;
};

enum class TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
TK_ENUM(TViewStyle, "vsIcon", "vsSmallIcon", "vsList", "vsReport");

class TListColumn : public TCollectionItem {
  TK_CLASS(TListColumn)
 public:
  explicit TListColumn(TCollection* collection) : TCollectionItem(collection) {}
  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& v) { if (v != caption_) { caption_ = v; Changed(); } }
  int Width() const { return width_; }
  void SetWidth(int v) { if (v != width_) { width_ = v; Changed(); } }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v) { if (v != alignment_) { alignment_ = v; Changed(); } }

 private:
  std::string caption_;
  int width_ = 50;
  TAlignment alignment_ = TAlignment::taLeftJustify;
};

// A row: its caption (first column) and the texts of the further columns.
class TListItem : public TCollectionItem {
  TK_CLASS(TListItem)
 public:
  explicit TListItem(TCollection* collection);
  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& v) { if (v != caption_) { caption_ = v; Changed(); } }
  TStrings& SubItems() { return subItems_; }
  TStrings* SubItemsObject() const { return const_cast<TStrings*>(&subItems_); }

 private:
  std::string caption_;
  TStrings subItems_;
};

class TListView : public TWinControl {
  TK_CLASS(TListView)
 public:
  explicit TListView(TComponent* owner);
  ~TListView() override;
  TCollection& Columns() { return columns_; }
  TCollection* ColumnsObject() const { return const_cast<TCollection*>(&columns_); }
  TListColumn* AddColumn(const std::string& caption, int width, TAlignment alignment = TAlignment::taLeftJustify);
  TCollection& Items() { return items_; }
  TCollection* ItemsObject() const { return const_cast<TCollection*>(&items_); }
  TListItem* AddItem(const std::string& caption, const std::vector<std::string>& subItems = {});
  TViewStyle ViewStyle() const { return viewStyle_; }
  void SetViewStyle(TViewStyle v);
  bool RowSelect() const { return rowSelect_; }
  void SetRowSelect(bool v);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle v);
  int ItemIndex() const;
  void SetItemIndex(int index);
  // The platform's column header (report style), or null.
  HWND HeaderHandle() const;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void SaveWndState() override;

 private:
  void UpdateColumns();
  void UpdateItems();
  void UpdateItem(int index);
  TCollection columns_;
  TCollection items_;
  TViewStyle viewStyle_ = TViewStyle::vsIcon;
  bool rowSelect_ = false;
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
  int itemIndex_ = -1;
};

}  // namespace tk
