#include "ContactSheet.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ElementDrawing.h"
#include "Encoding.h"
#include "WinSkinHelpers.h"

namespace {

constexpr int SheetWidth = 1900;
constexpr int LabelWidth = 300;
constexpr int Gap = 8;
constexpr int TextHeight = 16;
constexpr int MaxCutWidth = 240;
constexpr int MaxCutHeight = 120;
constexpr int SwatchWidth = 96;
constexpr int SwatchHeight = 24;

// One image of the skin as a painter sees it: a strip of frames and how to cut them.
struct TStrip {
  std::string Label;
  std::string Details;
  tk::TBitmap* Bitmap;
  int Frames;
  bool Vertical;
  bool Tile;
  int Trans;
  TElementMargins Margins;
};

std::string Describe(const TDataSkinObject& r) {
  return std::to_string(r.Bitmap.Width()) + " x " + std::to_string(r.Bitmap.Height()) + ", " +
         std::to_string(r.FrameCount) + " frames, margins " + std::to_string(r.LeftWidth) + " " +
         std::to_string(r.TopHeight) + " " + std::to_string(r.RightWidth) + " " + std::to_string(r.BottomHeight) +
         ", trans " + std::to_string(r.Trans) + ", tile " + std::to_string(r.Tile);
}

void AddRecord(std::vector<TStrip>& strips, const std::string& slot, TDataSkinObject* r, bool vertical = false) {
  if (!r) {
    strips.push_back({slot, "(none)", nullptr, 0, false, false, 0, {}});
    return;
  }
  strips.push_back({slot, Describe(*r), &r->Bitmap, r->FrameCount, vertical, r->Tile == 1, r->Trans, r->Margins()});
  if (auto* border = dynamic_cast<TDataSkinBorder*>(r); border && !border->Bitmap2.Empty())
    strips.push_back({slot + ".Bitmap2", "second image", &border->Bitmap2, 1, false, false, r->Trans, {}});
}

std::vector<TStrip> CollectStrips(TSkinElements& s) {
  std::vector<TStrip> strips;
  const char* sides[] = {"", "Borders[1] Left", "Borders[2] Right", "Borders[3] Top", "Borders[4] Bottom"};
  // The top and bottom borders and the title and menu bands hold their frames stacked.
  for (int side = sdLeft; side <= sdBottom; ++side)
    AddRecord(strips, sides[side], s.Borders[static_cast<size_t>(side)].get(), side == sdTop || side == sdBottom);
  AddRecord(strips, "Title", s.Title.get(), true);
  AddRecord(strips, "MenuBar", s.MenuBar.get(), true);
  for (size_t i = 0; i < s.SysButtons.size(); ++i) {
    AddRecord(strips, "SysButtons[" + std::to_string(i) + "] " + s.SysButtons[i]->Name + " action " +
                          std::to_string(s.SysButtons[i]->Action), s.SysButtons[i].get());
    strips.back().Trans = 1;  // caption buttons are always drawn with magenta transparent
  }
  AddRecord(strips, "Buttons", s.Buttons.get());
  if (s.Buttons) {
    TDataSkinButton& b = *s.Buttons;
    strips.push_back({"Buttons.CheckBitmap", std::to_string(b.CheckFrameCount) + " frames", &b.CheckBitmap,
                      b.CheckFrameCount, false, false, b.Trans, {}});
    strips.push_back({"Buttons.RadioBitmap", std::to_string(b.RadioFrameCount) + " frames", &b.RadioBitmap,
                      b.RadioFrameCount, false, false, b.Trans, {}});
  }
  const std::pair<const char*, TDataSkinObject*> slots[] = {
      {"Progress", s.Progress.get()},           {"ProgressChunk", s.ProgressChunk.get()},
      {"GroupBoxEdge", s.GroupBoxEdge.get()},   {"GroupBox", s.GroupBox.get()},
      {"Tabs", s.Tabs.get()},                   {"StatusBarEdges", s.StatusBarEdges.get()},
      {"TabPane", s.TabPane.get()},             {"ToolBars", s.ToolBars.get()},
      {"ComboButton", s.ComboButton.get()},     {"SunkEdge", s.SunkEdge.get()},
      {"ExtraImages", s.ExtraImages.get()},     {"Headerbar", s.Headerbar.get()},
      {"MenuItem", s.MenuItem.get()},           {"MenuBackground", s.MenuBackground.get()},
      {"Scrollbar", s.Scrollbar.get()},         {"HorzScroll", s.HorzScroll.get()},
      {"VertScroll", s.VertScroll.get()},       {"HorzScrollThumb", s.HorzScrollThumb.get()},
      {"VertScrollThumb", s.VertScrollThumb.get()}, {"TrackThumbHorz", s.TrackThumbHorz.get()},
      {"TrackThumbVert", s.TrackThumbVert.get()}, {"TrackThumbLeft", s.TrackThumbLeft.get()},
      {"TrackThumbRight", s.TrackThumbRight.get()}, {"TrackThumbUp", s.TrackThumbUp.get()},
      {"TrackThumbDown", s.TrackThumbDown.get()}, {"UpDownHorz", s.UpDownHorz.get()},
      {"UpDownVert", s.UpDownVert.get()},       {"Track", s.Track.get()},
      {"TrackVert", s.TrackVert.get()},         {"ComboArrow", s.ComboArrow.get()},
      {"ToolbarFace", s.ToolbarFace.get()},
  };
  for (const auto& [slot, record] : slots) AddRecord(strips, slot, record);
  return strips;
}

// The sizes each frame is cut to: its own (up to a limit), larger, and narrower than its margins.
std::vector<SIZE> CutSizes(const TStrip& strip, int fw, int fh) {
  const int w = std::min(fw, MaxCutWidth), h = std::min(fh, MaxCutHeight);
  const int margins = strip.Margins.LeftWidth + strip.Margins.RightWidth;
  return {SIZE{w, h},
          SIZE{std::min(w + std::max(24, w / 2), MaxCutWidth * 3 / 2), std::min(h + std::max(12, h / 2), MaxCutHeight * 3 / 2)},
          SIZE{margins > 1 ? margins - 1 : std::max(1, w / 2), h}};
}

// Where everything goes; drawn in a second pass once the sheet's height is known.
struct TPlaced {
  const TStrip* Strip;
  int Frame;  // 0: the label
  RECT Rect;
};

class TSheetLayout {
 public:
  explicit TSheetLayout(std::vector<TStrip>& strips) {
    int y = Gap + 2 * TextHeight + SwatchHeight + 2 * Gap;  // title and colour table
    for (const TStrip& strip : strips) y = Place(strip, y);
    Height = y + Gap;
  }
  std::vector<TPlaced> Items;
  int Height = 0;

 private:
  int Place(const TStrip& strip, int top) {
    Items.push_back({&strip, 0, RECT{Gap, top, LabelWidth, top + 2 * TextHeight}});
    int bottom = top + 2 * TextHeight;
    if (!strip.Bitmap || strip.Bitmap->Empty()) return bottom + Gap;
    const int frames = std::max(strip.Frames, 1);
    const int fw = strip.Vertical ? strip.Bitmap->Width() : strip.Bitmap->Width() / frames;
    const int fh = strip.Vertical ? strip.Bitmap->Height() / frames : strip.Bitmap->Height();
    if (fw <= 0 || fh <= 0) return bottom + Gap;
    int x = LabelWidth;
    int rowTop = top + TextHeight;  // frame numbers above the cuts
    int rowHeight = 0;
    for (int k = 1; k <= frames; ++k) {
      const std::vector<SIZE> sizes = CutSizes(strip, fw, fh);
      int groupWidth = 0;
      for (const SIZE& s : sizes) groupWidth += s.cx + Gap;
      if (x + groupWidth > SheetWidth && x > LabelWidth) {
        x = LabelWidth;
        rowTop += rowHeight + TextHeight + Gap;
        rowHeight = 0;
      }
      for (const SIZE& s : sizes) {
        Items.push_back({&strip, k, RECT{x, rowTop, x + s.cx, rowTop + s.cy}});
        x += s.cx + Gap;
        rowHeight = std::max<int>(rowHeight, s.cy);
      }
      x += Gap;
    }
    bottom = std::max(bottom, rowTop + rowHeight);
    return bottom + 2 * Gap;
  }
};

void Text(HDC dc, int x, int y, const std::string& text, COLORREF colour = RGB(0, 0, 0)) {
  RECT r{x, y, x + SheetWidth, y + TextHeight};
  SetTextColor(dc, colour);
  DrawTextWide(dc, tk::GbkToWide(text), r, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
}

void Checkerboard(HDC dc, int width, int height) {
  tk::UniqueBrush light(CreateSolidBrush(RGB(236, 236, 236))), dark(CreateSolidBrush(RGB(214, 214, 214)));
  for (int y = 0; y < height; y += 8)
    for (int x = 0; x < width; x += 8) {
      const RECT cell{x, y, x + 8, y + 8};
      FillRect(dc, &cell, ((x + y) / 8) % 2 ? dark.Get() : light.Get());
    }
}

const char* const ColourKeys[SkinColourCount] = {
    "WindowText", "TitleTextActive", "TitleTextNoActive", "ButtonFace", "ButtonText", "ButtonHilight", "Buttonlight",
    "ButtonShadow", "ButtonDkShadow", "(9)", "(10)", "HilightText", "Hilight", "Menubar", "MenuBarText", "MenuText",
    "Menu", "frame sample", "Scrollbar"};

void DrawColours(HDC dc, const TSkinElements& skin, int top) {
  for (int i = 0; i < SkinColourCount; ++i) {
    const int x = Gap + i * SwatchWidth;
    const RECT swatch{x, top, x + SwatchWidth - 4, top + SwatchHeight};
    tk::UniqueBrush brush(CreateSolidBrush(tk::ColorToRGB(skin.Colors[static_cast<size_t>(i)])));
    FillRect(dc, &swatch, brush.Get());
    FrameRect(dc, &swatch, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    Text(dc, x, top + SwatchHeight, ColourKeys[i]);
  }
}

}  // namespace

std::unique_ptr<tk::TBitmap> DrawContactSheet(TSkinElements& skin) {
  std::vector<TStrip> strips = CollectStrips(skin);
  const TSheetLayout layout(strips);
  auto sheet = std::make_unique<tk::TBitmap>(SheetWidth, layout.Height, tk::TPixelFormat::pf24bit);
  HDC dc = sheet->Canvas().Handle();
  Checkerboard(dc, SheetWidth, layout.Height);
  tk::SelectGuard font(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  Text(dc, Gap, Gap, "Skin: " + skin.SkinName + "  (each frame cut to its size, larger, and narrower than its margins)");
  DrawColours(dc, skin, Gap + TextHeight + Gap);
  for (const TPlaced& item : layout.Items) {
    const TStrip& strip = *item.Strip;
    if (item.Frame == 0) {
      Text(dc, item.Rect.left, item.Rect.top, strip.Label, RGB(0, 0, 128));
      Text(dc, item.Rect.left, item.Rect.top + TextHeight, strip.Details, RGB(64, 64, 64));
      continue;
    }
    if (item.Rect.left == LabelWidth || (&item > &layout.Items.front() && (&item - 1)->Frame != item.Frame))
      Text(dc, item.Rect.left, item.Rect.top - TextHeight, std::to_string(item.Frame));
    DrawBitmapFrame(dc, item.Rect, *strip.Bitmap, strip.Vertical, strip.Tile, strip.Trans, strip.Frames, item.Frame,
                    strip.Margins);
  }
  return sheet;
}
