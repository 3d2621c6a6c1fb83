#pragma once
// Menus: a tree of menu items behind a menu bar or a pop-up menu, kept in step with a native menu.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "Controls.h"
#include "GdiHandle.h"

namespace tk {

class TMenu;
class TCustomForm;

// Owner drawing of one item: the DC, rectangle and ODS_* state the menu window hands over.
using TMenuDrawItemEvent = std::function<void(TObject* Sender, const DRAWITEMSTRUCT& Item)>;
// Owner measuring of one item: Width and Height arrive with the item's default measurement.
using TMenuMeasureItemEvent = std::function<void(TObject* Sender, HDC DC, int& Width, int& Height)>;

// The screen's menu font, regular or bold; made once for the program.
HFONT MenuFont(bool bold = false);

class TMenuItem : public TComponent {
  TK_CLASS(TMenuItem)
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& v);
  bool Checked() const { return checked_; }
  void SetChecked(bool v);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool v) { radioItem_ = v; Changed(); }
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int v) { groupIndex_ = v; }
  bool Default() const { return default_; }
  void SetDefault(bool v) { default_ = v; Changed(); }
  // Drawn by its owner (WM_DRAWITEM) instead of the platform: the skin's menus use this.
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool v);
  // Index into the menu's image list; -1 for none.
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int v) { if (v != imageIndex_) { imageIndex_ = v; Changed(); } }

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  int IndexOf(const TMenuItem* item) const;
  TMenuItem* ParentItem() const { return parent_; }
  TMenu* GetParentMenu() const;
  bool IsLine() const { return caption_ == "-"; }

  UINT Command() const { return command_; }
  // The native sub-menu of an item that has children (null otherwise, or before the menu is built).
  HMENU Handle() const { return handle_; }

  virtual void Click();
  TNotifyEvent OnClick;

  // Owner drawing (OwnerDraw on, or the menu's OwnerDraw): the item's size and picture.
  // DefaultMeasure: the caption (and shortcut after a tab) in the menu font, a line's height for
  // "-"; MeasureItem then lets OnMeasureItem adjust it.
  void DefaultMeasure(HDC dc, int& width, int& height) const;
  void MeasureItem(HDC dc, int& width, int& height);
  // OnDrawItem when assigned, else a plain picture: menu colours, caption, check mark.
  void DrawItem(const DRAWITEMSTRUCT& item);
  TMenuDrawItemEvent OnDrawItem;
  TMenuMeasureItemEvent OnMeasureItem;
  // The caption before its first tab, and the shortcut text after it.
  std::wstring CaptionText() const;
  std::wstring ShortCutText() const;

  void SetParentComponent(TComponent* parent) override;
  TComponent* GetParentComponent() const override;

 private:
  friend class TMenu;
  void Changed();
  void AppendTo(HMENU menu);
  void DestroyHandle();

  std::string caption_;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  bool radioItem_ = false;
  bool default_ = false;
  bool ownerDraw_ = false;
  int groupIndex_ = 0;
  int imageIndex_ = -1;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on the root item
  UINT command_;
  HMENU handle_ = nullptr;  // sub-menu, owned by the parent native menu once appended
};

enum class TMenuAutoFlag { maAutomatic, maManual, maParent };
TK_ENUM(TMenuAutoFlag, "maAutomatic", "maManual", "maParent");

class TMenu : public TComponent {
  TK_CLASS(TMenu)
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  TMenuItem* Items() const { return items_; }
  HMENU Handle();
  bool HandleAllocated() const { return static_cast<bool>(handle_); }
  // Rebuilds the native menu from the items.
  void Rebuild();
  TMenuItem* FindItemByCommand(UINT command) const;
  TMenuItem* FindItemByHandle(HMENU menu) const;
  // The item of this menu whose address is `identity` (the item data of its native item), found
  // by walking the tree: an unknown value is never dereferenced.
  TMenuItem* FindItemByIdentity(ULONG_PTR identity) const;
  // Every item is drawn by its owner (WM_DRAWITEM / WM_MEASUREITEM), keeping its text.
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool v);
  TMenuAutoFlag AutoHotkeys() const { return autoHotkeys_; }
  void SetAutoHotkeys(TMenuAutoFlag v) { autoHotkeys_ = v; }
  // Images of the items (ImageIndex); not owned.
  HIMAGELIST Images() const { return images_; }
  void SetImages(HIMAGELIST images) { images_ = images; }

 protected:
  virtual HMENU CreateMenuHandle() = 0;
  virtual void MenuChanged();
  friend class TMenuItem;

  TMenuItem* items_;
  UniqueMenu handle_;
  bool destroying_ = false;
  TMenuAutoFlag autoHotkeys_ = TMenuAutoFlag::maAutomatic;
  HIMAGELIST images_ = nullptr;
  bool ownerDraw_ = false;
};

class TMainMenu : public TMenu {
  TK_CLASS(TMainMenu)
 public:
  explicit TMainMenu(TComponent* owner) : TMenu(owner) {}
  ~TMainMenu() override;
  void SetOwnerForm(TCustomForm* form) { form_ = form; }
  TCustomForm* OwnerForm() const { return form_; }

 protected:
  HMENU CreateMenuHandle() override { return CreateMenu(); }
  void MenuChanged() override;

 private:
  TCustomForm* form_ = nullptr;
};

class TPopupMenu : public TMenu {
  TK_CLASS(TPopupMenu)
 public:
  explicit TPopupMenu(TComponent* owner) : TMenu(owner) {}
  // Shows the menu at a screen point; a chosen item's OnClick runs before it returns.
  void Popup(int x, int y);
  // The same, for a menu that belongs to a given window (its owner-drawn items are drawn there).
  void PopupFor(HWND owner, int x, int y);

 protected:
  HMENU CreateMenuHandle() override { return CreatePopupMenu(); }
};

}  // namespace tk
