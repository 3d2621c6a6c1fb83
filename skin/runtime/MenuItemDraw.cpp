// Owner-drawn menu items: measured and drawn from the skin's menu item element, over the menu
// window's skinned background, with the item's glyph, check mark, caption and shortcut.
#define OEMRESOURCE  // the system's check-mark bitmap
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "ElementDrawing.h"
#include "Encoding.h"
#include "SkinManage.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"
#include "WinSkinMenu.h"

namespace {

constexpr int MenuItemFrames = 5;  // side by side: 1 normal, 2 separator, 4 selected
enum TMenuItemFrame { mfNormal = 1, mfSeparator = 2, mfSelected = 4 };
constexpr int GlyphSize = 16;
constexpr UINT LastApplicationCommand = 4095;

// What drawing needs of an item: from the toolkit item, or from the native item when there is none.
struct TItemView {
  std::wstring caption;
  std::wstring shortCut;
  bool separator = false;
  bool enabled = true;
  bool checked = false;
  bool radio = false;
  bool isDefault = false;
  int imageIndex = -1;
  HIMAGELIST images = nullptr;
};

void SplitAtTab(const std::wstring& text, TItemView& view) {
  const size_t tab = text.find(L'\t');
  view.caption = text.substr(0, tab);
  view.shortCut = tab == std::wstring::npos ? std::wstring() : text.substr(tab + 1);
}

HIMAGELIST ImagesOf(const tk::TMenuItem& item) {
  const tk::TMenu* menu = item.GetParentMenu();
  return menu ? menu->Images() : nullptr;
}

TItemView ViewOf(const tk::TMenuItem& item) {
  TItemView view;
  view.caption = item.CaptionText();
  view.shortCut = item.ShortCutText();
  view.separator = item.IsLine();
  view.enabled = item.Enabled();
  view.checked = item.Checked();
  view.radio = item.RadioItem();
  view.isDefault = item.Default();
  view.imageIndex = item.ImageIndex();
  view.images = ImagesOf(item);
  return view;
}

// The native item of a command id in a menu or its sub-menus.
bool NativeView(HMENU menu, UINT id, TItemView& view, UINT& type) {
  if (!menu || !IsMenu(menu)) return false;
  wchar_t text[256] = {};
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
  info.dwTypeData = text;
  info.cch = 256;
  if (!GetMenuItemInfoW(menu, id, FALSE, &info)) return false;
  SplitAtTab(text, view);
  view.separator = (info.fType & MFT_SEPARATOR) || view.caption.empty() || view.caption == L"-";
  view.enabled = !(info.fState & MFS_GRAYED);
  view.checked = (info.fState & MFS_CHECKED) != 0;
  view.radio = (info.fType & MFT_RADIOCHECK) != 0;
  view.isDefault = (info.fState & MFS_DEFAULT) != 0;
  type = info.fType;
  return true;
}

// A skin component that still exists: handlers keep one past the painter that set them.
TSkinData* LiveSkin(TSkinData* skin) {
  TSkinManage* manager = TSkinManage::Instance();
  if (!manager || !skin) return nullptr;
  const auto& all = manager->SkinDatas;
  return std::find(all.begin(), all.end(), skin) != all.end() ? skin : nullptr;
}

TDataSkinObject* MenuItemElement(TSkinData& skin) {
  TDataSkinObject* element = skin.MenuItem.get();
  return element && !element->Bitmap.Empty() ? element : nullptr;
}

// The toolkit item an item's data names, among the menus of the window: found by walking them,
// so an item data of unknown origin is never followed.
tk::TMenuItem* ToolkitItem(const TWinSkinForm& form, ULONG_PTR itemData) {
  if (form.Form)
    if (tk::TMenuItem* item = form.Form->FindMenuItemByIdentity(itemData)) return item;
  if (form.SysMenu)
    if (tk::TMenuItem* item = form.SysMenu->FindItemByIdentity(itemData)) return item;
  return nullptr;
}

bool RightToLeftItem(HMENU menu, UINT id) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  return menu && GetMenuItemInfoW(menu, id, FALSE, &info) && (info.fType & MFT_RIGHTORDER);
}

// --- measuring ---

int LeftWidthOf(TSkinData& skin) {
  const TDataSkinObject* element = MenuItemElement(skin);
  return element ? element->LeftWidth : 0;
}

// What the skin adds to a toolkit item's own width: the item measure of main menus and bands...
int ItemExtraWidth(TSkinData& skin, bool hasImages) { return LeftWidthOf(skin) + 10 + (hasImages ? 0 : 25); }
// ... and of pop-up menus.
int PopupExtraWidth(TSkinData& skin, bool hasImages) { return LeftWidthOf(skin) + 12 + (hasImages ? 0 : 23); }

// Items without a toolkit item are measured by their text.
void MeasureByText(TSkinData& skin, HDC dc, const TItemView& view, MEASUREITEMSTRUCT& mis) {
  if (view.separator) {
    mis.itemWidth = 0;
    mis.itemHeight = 8;
    return;
  }
  tk::SelectGuard font(dc, tk::MenuFont(view.isDefault));
  std::wstring text = view.caption;
  if (!view.shortCut.empty()) text += L"\t" + view.shortCut;
  RECT r{};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
  mis.itemWidth = static_cast<UINT>((r.right - r.left) + 26 + LeftWidthOf(skin));
  mis.itemHeight = static_cast<UINT>((r.bottom - r.top) + 4);
}

// --- drawing ---

HBITMAP CheckMark() {
  static const tk::UniqueBitmapHandle mark(LoadBitmapW(nullptr, MAKEINTRESOURCEW(OBM_CHECK)));
  return mark.Get();
}

// The system's menu bullet as a monochrome picture the size of the check mark.
HBITMAP RadioMark() {
  static const tk::UniqueBitmapHandle mark = [] {
    BITMAP check{};
    GetObjectW(CheckMark(), sizeof check, &check);
    const int w = check.bmWidth > 0 ? check.bmWidth : 13, h = check.bmHeight > 0 ? check.bmHeight : 13;
    tk::UniqueBitmapHandle bullet(CreateBitmap(w, h, 1, 1, nullptr));
    tk::UniqueDC dc(CreateCompatibleDC(nullptr));
    tk::SelectGuard select(dc.Get(), bullet.Get());
    RECT r{0, 0, w, h};
    DrawFrameControl(dc.Get(), &r, DFC_MENU, DFCS_MENUBULLET);
    return bullet;
  }();
  return mark.Get();
}

// A monochrome mark (black on white) drawn in one colour, its white left see-through.
void DrawMonoMark(HDC dc, HBITMAP mark, int x, int y, COLORREF colour) {
  BITMAP info{};
  if (!mark || !GetObjectW(mark, sizeof info, &info)) return;
  tk::UniqueDC source(CreateCompatibleDC(dc));
  tk::SelectGuard select(source.Get(), mark);
  tk::SavedDC saved(dc);
  // Black where the mark is, the rest kept; then the colour ORed into the black.
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source.Get(), 0, 0, SRCAND);
  SetTextColor(dc, colour);
  SetBkColor(dc, RGB(0, 0, 0));
  BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source.Get(), 0, 0, SRCPAINT);
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return SIZE{};
  return SIZE{info.bmWidth, info.bmHeight};
}

bool HasImage(const TItemView& view) {
  return view.images && view.imageIndex >= 0 && view.imageIndex < ImageList_GetImageCount(view.images);
}

RECT GlyphBox(const TItemView& view, TSkinData& skin, int width, bool rtl) {
  int w = GlyphSize, h = GlyphSize;
  if (view.images) ImageList_GetIconSize(view.images, &w, &h);
  if (view.checked) w = std::max(w, GlyphSize);
  const int margin = LeftWidthOf(skin);
  const int left = rtl ? width - 1 - margin - w : 1 + margin;
  return RECT{left, 1, left + w, 1 + h};
}

// The sunken, dotted cell of a checked item that has a picture.
void DrawCheckedCell(HDC dc, RECT box) {
  static const WORD dots[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
  tk::UniqueBitmapHandle pattern(CreateBitmap(8, 8, 1, 1, dots));
  tk::UniqueBrush brush(CreatePatternBrush(pattern.Get()));
  tk::SavedDC saved(dc);
  SetTextColor(dc, GetSysColor(COLOR_BTNFACE));
  SetBkColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
  FillRect(dc, &box, brush.Get());
  DrawEdge(dc, &box, BDR_SUNKENOUTER, BF_RECT);
}

void DrawGlyph(HDC dc, const TItemView& view, const RECT& box, int height) {
  if (HasImage(view)) {
    if (view.checked) DrawCheckedCell(dc, box);
    if (view.enabled) {
      ImageList_Draw(view.images, view.imageIndex, dc, box.left, box.top, ILD_TRANSPARENT);
    } else {
      tk::UniqueIcon icon(ImageList_GetIcon(view.images, view.imageIndex, ILD_NORMAL));
      DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon.Get()), 0, box.left, box.top, 0, 0,
                 DST_ICON | DSS_DISABLED);
    }
    return;
  }
  if (!view.checked) return;
  HBITMAP mark = view.radio ? RadioMark() : CheckMark();
  const SIZE size = BitmapSize(mark);
  const int x = box.left + ((box.right - box.left) - size.cx) / 2 + 1;
  const int y = (height - size.cy) / 2 + 1;
  DrawMonoMark(dc, mark, x, y, GetSysColor(COLOR_BTNTEXT));
}

COLORREF CaptionColour(TSkinData& skin, const TItemView& view, bool selected) {
  if (view.enabled) return tk::ColorToRGB(skin.Colors[selected ? scHilightText : scMenuText]);
  if (skin.Colors[scButtonShadow] == skin.Colors[scMenuText]) return GetSysColor(COLOR_BTNSHADOW);
  return tk::ColorToRGB(skin.Colors[scButtonShadow]);
}

void DrawContent(HDC dc, TSkinData& skin, const TItemView& view, int width, int height, bool selected, bool rtl) {
  if (view.separator) {
    if (!MenuItemElement(skin)) {
      RECT line{0, 4, width, height};
      DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    }
    return;
  }
  const RECT box = GlyphBox(view, skin, width, rtl);
  DrawGlyph(dc, view, box, height);
  tk::SelectGuard font(dc, tk::MenuFont(view.isDefault));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, CaptionColour(skin, view, selected));
  RECT text = rtl ? RECT{1, 0, box.left - 3, height} : RECT{box.right + 3, 0, width - 1, height};
  const UINT align = rtl ? DT_RIGHT | DT_RTLREADING : DT_LEFT;
  DrawTextW(dc, view.caption.c_str(), static_cast<int>(view.caption.size()), &text,
            DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER | align);
  if (view.shortCut.empty()) return;
  RECT measured{};
  DrawTextW(dc, view.caption.c_str(), static_cast<int>(view.caption.size()), &measured, DT_CALCRECT | DT_SINGLELINE);
  const int captionWidth = measured.right - measured.left;
  RECT shortCut = rtl ? RECT{11, 0, text.right - captionWidth, height} : RECT{text.left + captionWidth, 0, width - 11, height};
  DrawTextW(dc, view.shortCut.c_str(), static_cast<int>(view.shortCut.size()), &shortCut,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (rtl ? DT_LEFT | DT_RTLREADING : DT_RIGHT));
}

// The part of the menu window's skinned background under the item, or the skin's menu colour.
void PaintItemBackground(HDC dc, TSkinData& skin, HMENU menu, const RECT& item) {
  const int w = item.right - item.left, h = item.bottom - item.top;
  if (TSkinManage* manager = TSkinManage::Instance()) {
    for (const auto& pop : manager->PopMenus) {
      if (pop->MenuHandle != menu || pop->PopBackground.Empty()) continue;
      const POINT offset = pop->ClientOffset();
      BitBlt(dc, 0, 0, w, h, pop->PopBackground.Canvas().Handle(), item.left + offset.x, item.top + offset.y, SRCCOPY);
      return;
    }
  }
  RECT all{0, 0, w, h};
  tk::UniqueBrush fill(CreateSolidBrush(tk::ColorToRGB(skin.Colors[scMenu])));
  FillRect(dc, &all, fill.Get());
}

// Frame 2 of the item picture: both ends at their width, the middle stretched; a frame taller than
// the item gives its bottom rows.
void PaintSeparator(HDC dc, TDataSkinObject& element, int width, int height) {
  tk::TBitmap& strip = element.Bitmap;
  const int fw = strip.Width() / MenuItemFrames, fh = strip.Height();
  if (fw <= 0 || fh <= 0) return;
  const int sx = fw * (mfSeparator - 1);
  const int rows = std::min(height, fh);
  const int sy = fh - rows;
  const int lw = std::clamp(element.LeftWidth, 0, fw), rw = std::clamp(element.RightWidth, 0, fw - lw);
  tk::TBitmap piece(width, height);
  HDC pdc = piece.Canvas().Handle();
  HDC sdc = strip.Canvas().Handle();
  SetStretchBltMode(pdc, COLORONCOLOR);
  StretchBlt(pdc, 0, 0, lw, height, sdc, sx, sy, lw, rows, SRCCOPY);
  StretchBlt(pdc, lw, 0, width - lw - rw, height, sdc, sx + lw, sy, fw - lw - rw, rows, SRCCOPY);
  StretchBlt(pdc, width - rw, 0, rw, height, sdc, sx + fw - rw, sy, rw, rows, SRCCOPY);
  const RECT all{0, 0, width, height};
  DrawTransparent(dc, all, piece, SkinKeyColour);
}

void PaintItem(TSkinData& skin, const TItemView& view, const DRAWITEMSTRUCT& dis, bool rtl) {
  HMENU menu = reinterpret_cast<HMENU>(dis.hwndItem);
  TSkinManage* manager = TSkinManage::Instance();
  if (manager) manager->RecordMenuHandle(menu);
  const RECT r = dis.rcItem;
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  const bool selected = (dis.itemState & ODS_SELECTED) && !view.separator;
  tk::TBitmap buffer(w, h);
  HDC bdc = buffer.Canvas().Handle();
  const RECT all{0, 0, w, h};
  if (TDataSkinObject* element = MenuItemElement(skin)) {
    PaintItemBackground(bdc, skin, menu, r);
    if (view.separator) {
      PaintSeparator(bdc, *element, w, h);
    } else {
      DrawBitmapFrame(bdc, all, element->Bitmap, false, element->Tile == 1, element->Trans, MenuItemFrames,
                      selected ? mfSelected : mfNormal, element->Margins());
    }
  } else {
    tk::UniqueBrush fill(CreateSolidBrush(tk::ColorToRGB(skin.Colors[selected ? scHilight : scMenu])));
    FillRect(bdc, &all, fill.Get());
  }
  DrawContent(bdc, skin, view, w, h, selected, rtl);
  BitBlt(dis.hDC, r.left, r.top, w, h, bdc, 0, 0, SRCCOPY);
}

// --- handlers given to toolkit items ---

tk::TMenuDrawItemEvent SkinnedDraw(TSkinData* skin) {
  return [skin](tk::TObject* sender, const DRAWITEMSTRUCT& dis) {
    auto* item = dynamic_cast<tk::TMenuItem*>(sender);
    TSkinData* live = LiveSkin(skin);
    if (!item || !live) return;
    try {
      PaintItem(*live, ViewOf(*item), dis, RightToLeftItem(reinterpret_cast<HMENU>(dis.hwndItem), dis.itemID));
    } catch (...) {
      // The item stays as it was; the next paint mends it.
    }
  };
}

tk::TMenuMeasureItemEvent ExtraWidth(TSkinData* skin, int (*extra)(TSkinData&, bool)) {
  return [skin, extra](tk::TObject* sender, HDC, int& width, int&) {
    auto* item = dynamic_cast<tk::TMenuItem*>(sender);
    if (TSkinData* live = LiveSkin(skin); live && item) width += extra(*live, ImagesOf(*item) != nullptr);
  };
}

template <class F>
void ForEachItem(tk::TMenuItem& parent, int depth, const F& visit) {
  for (int i = 0; i < parent.Count(); ++i) {
    tk::TMenuItem& item = *parent.Items(i);
    visit(item, depth);
    ForEachItem(item, depth + 1, visit);
  }
}

}  // namespace

namespace skin_menu {

bool MeasureItem(TWinSkinForm& form, MEASUREITEMSTRUCT& mis) {
  if (mis.CtlType != ODT_MENU || !form.SkinData || !form.Wnd) return false;
  TSkinData& skin = *form.SkinData;
  tk::WindowDC dc(form.Wnd);
  if (tk::TMenuItem* item = ToolkitItem(form, mis.itemData)) {
    int width = 0, height = 0;
    if (item->OnMeasureItem) {
      item->MeasureItem(dc.Get(), width, height);
    } else {
      item->DefaultMeasure(dc.Get(), width, height);
      width += ItemExtraWidth(skin, ImagesOf(*item) != nullptr);
    }
    mis.itemWidth = static_cast<UINT>(std::max(width, 0));
    mis.itemHeight = static_cast<UINT>(std::max(height, 0));
    return true;
  }
  // A toolkit form's other items are its own business unless they come from the band's menu.
  if (form.Form && !form.NativeMenu) return false;
  if (form.Form && mis.itemID >= 1 && mis.itemID <= LastApplicationCommand) return false;
  TItemView view;
  UINT type = 0;
  if (!NativeView(form.NativeMenu, mis.itemID, view, type) && !NativeView(form.SysMenuHandle, mis.itemID, view, type))
    return false;
  MeasureByText(skin, dc.Get(), view, mis);
  return true;
}

bool DrawItem(TWinSkinForm& form, const DRAWITEMSTRUCT& dis) {
  if (dis.CtlType != ODT_MENU || !form.SkinData) return false;
  TSkinData& skin = *form.SkinData;
  HMENU menu = reinterpret_cast<HMENU>(dis.hwndItem);
  const bool rtl = form.RightToLeft || RightToLeftItem(menu, dis.itemID);
  if (tk::TMenuItem* item = ToolkitItem(form, dis.itemData)) {
    if (item->OnDrawItem) item->DrawItem(dis);
    else PaintItem(skin, ViewOf(*item), dis, rtl);
    return true;
  }
  if (form.Form && !form.NativeMenu) return false;
  TItemView view;
  UINT type = 0;
  if (!NativeView(menu, dis.itemID, view, type)) return false;
  PaintItem(skin, view, dis, rtl);
  return true;
}

void MakeOwnerDrawn(HMENU menu) {
  if (!menu || !IsMenu(menu)) return;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    if (!(info.fType & MFT_OWNERDRAW)) {
      // Only the type changes: the text and the item data stay.
      MENUITEMINFOW type{};
      type.cbSize = sizeof type;
      type.fMask = MIIM_FTYPE;
      type.fType = info.fType | MFT_OWNERDRAW;
      SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &type);
    }
    if (info.hSubMenu) MakeOwnerDrawn(info.hSubMenu);
  }
}

void SwitchMenuToSkin(tk::TMenu& menu, TSkinData& skin, bool on) {
  const bool popup = dynamic_cast<tk::TPopupMenu*>(&menu) != nullptr;
  if (!on) {
    ForEachItem(*menu.Items(), 0, [](tk::TMenuItem& item, int) {
      item.OnDrawItem = nullptr;
      item.OnMeasureItem = nullptr;
    });
    menu.SetOwnerDraw(false);
    return;
  }
  if (popup) {
    ForEachItem(*menu.Items(), 0, [&skin](tk::TMenuItem& item, int) {
      item.OnDrawItem = SkinnedDraw(&skin);
      if (!item.OnMeasureItem) item.OnMeasureItem = ExtraWidth(&skin, PopupExtraWidth);
    });
  } else {
    // The bar's own items are drawn by the band; those below it that draw nothing of their own
    // are the skin's.
    ForEachItem(*menu.Items(), 0, [&skin](tk::TMenuItem& item, int depth) {
      if (depth == 0 || item.OnDrawItem) return;
      item.OnDrawItem = SkinnedDraw(&skin);
      item.OnMeasureItem = ExtraWidth(&skin, ItemExtraWidth);
    });
  }
  menu.SetOwnerDraw(true);
}

void SwitchMenuItemToSkin(tk::TMenuItem& item, TSkinData& skin, bool on) {
  auto apply = [&skin, on](tk::TMenuItem& each) {
    if (!on) {
      each.OnDrawItem = nullptr;
      return;
    }
    each.OnDrawItem = SkinnedDraw(&skin);
    each.OnMeasureItem = ExtraWidth(&skin, ItemExtraWidth);
  };
  apply(item);
  ForEachItem(item, 1, [&apply](tk::TMenuItem& each, int) { apply(each); });
}

}  // namespace skin_menu
