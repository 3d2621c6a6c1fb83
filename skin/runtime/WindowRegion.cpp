// The window region of skins whose borders have transparent (magenta) pixels: the client part
// plus each side, a side with transparency cut to the shape of its picture. Built only when the
// window's size changed (or for MDI children and refreshes), and given to the window, which owns
// it from then on.
#include <algorithm>
#include <memory>
#include <vector>

#include "ElementDrawing.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"

namespace {

constexpr int RectsPerRegionBatch = 2000;
constexpr int RectBufferStep = 500;

// Region of the non-magenta pixels of the picture, placed at (x0, y0).
HRGN RegionOfPicture(tk::TBitmap& picture, int x0, int y0) {
  // Cut pictures come as 24-bit DIBs and are read as they are (a copy would cost more than the
  // scan); any other format is brought to 32 bits first.
  tk::TBitmap converted;
  tk::TBitmap* source = &picture;
  if (picture.PixelFormat() != tk::TPixelFormat::pf24bit && picture.PixelFormat() != tk::TPixelFormat::pf32bit) {
    converted.Assign(picture);
    converted.SetPixelFormat(tk::TPixelFormat::pf32bit);
    source = &converted;
  }
  tk::TBitmap& bits = *source;
  const int step = bits.BitCount() / 8;
  const int width = bits.Width(), height = bits.Height();
  HRGN result = CreateRectRgn(0, 0, 0, 0);
  std::vector<RECT> rects;
  rects.reserve(RectBufferStep);
  auto flush = [&] {
    if (rects.empty()) return;
    std::vector<uint8_t> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(rects.size());
    header->nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
    header->rcBound = RECT{x0, y0, x0 + width, y0 + height};
    std::copy(rects.begin(), rects.end(), reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER)));
    tk::UniqueRegion part(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data())));
    if (part) CombineRgn(result, result, part.Get(), RGN_OR);
    rects.clear();
  };
  // A pixel is transparent when each channel lies within one step above the key's.
  auto keyed = [](uint8_t value, uint8_t key) { return value >= key && value <= std::min(key + 1, 255); };
  auto transparent = [&](const uint8_t* pixel) {
    return keyed(pixel[2], 0xFF) && keyed(pixel[1], 0x00) && keyed(pixel[0], 0xFF);  // stored blue, green, red
  };
  for (int y = 0; y < height; ++y) {
    const uint8_t* row = bits.ScanLine(y);
    int x = 0;
    while (x < width) {
      while (x < width && transparent(row + step * x)) ++x;
      const int start = x;
      while (x < width && !transparent(row + step * x)) ++x;
      if (x > start) {
        if (rects.size() == rects.capacity()) rects.reserve(rects.capacity() + RectBufferStep);
        rects.push_back(RECT{x0 + start, y0 + y, x0 + x, y0 + y + 1});
        if (static_cast<int>(rects.size()) >= RectsPerRegionBatch) flush();
      }
    }
  }
  flush();
  return result;
}

void AddSide(HRGN region, const TDataSkinBorder* element, const RECT& side, bool vertical, bool active, bool shaped) {
  if (side.right <= side.left || side.bottom <= side.top) return;
  tk::UniqueRegion part;
  if (shaped && element && !element->Bitmap.Empty()) {
    auto& bitmap = const_cast<tk::TBitmap&>(element->Bitmap);
    const int frames = std::max(element->FrameCount, 1);
    auto picture = DrawElementFrame(side, bitmap, element->Margins(), vertical, element->Tile != 1, frames,
                                    active || frames <= 1 ? 1 : 2);
    part.Reset(RegionOfPicture(*picture, side.left, side.top));
  } else {
    part.Reset(CreateRectRgnIndirect(&side));
  }
  CombineRgn(region, region, part.Get(), RGN_OR);
}

}  // namespace

void TWinSkinForm::UpdateRegion() {
  if (FrameState == fsDetached || !SkinFrame || !Wnd || !SkinData || SkinData->Loading) return;
  if (FormKind == fkMDIChild && ShowState != ssNormal) return;
  RECT window{};
  GetWindowRect(Wnd, &window);
  const int width = window.right - window.left, height = window.bottom - window.top;
  if (width <= 0 || height <= 0) return;
  if (Region && width == RegionSize.cx && height == RegionSize.cy && FormKind != fkMDIChild && FrameState != fsRefreshing)
    return;

  tk::UniqueRegion region = BuildRegion(width, height);
  RegionSize = SIZE{width, height};
  // The window takes the region over and deletes the one it had.
  if (region && SetWindowRgn(Wnd, region.Get(), TRUE)) Region = region.Release();
}

tk::UniqueRegion TWinSkinForm::BuildRegion(int width, int height) const {
  const auto& b = SkinData->Borders;
  auto trans = [&](int side) { return b[side] && b[side]->Trans == 1; };
  if (!trans(sdLeft) && !trans(sdRight) && !trans(sdTop) && !trans(sdBottom))
    return tk::UniqueRegion(CreateRectRgn(0, 0, width, height));
  // The client part, menu band included.
  tk::UniqueRegion region(CreateRectRgn(LeftWidth(), TitleHeight(), width - RightWidth(), height - BottomHeight()));
  if (BorderKind != bkNoCaption) {
    const bool active = NCActive;
    AddSide(region.Get(), b[sdLeft].get(), RECT{0, 0, LeftWidth(), height}, false, active, trans(sdLeft) && height > 1);
    AddSide(region.Get(), b[sdRight].get(), RECT{width - RightWidth(), 0, width, height}, false, active,
            trans(sdRight) && height > 1);
    AddSide(region.Get(), b[sdTop].get(), RECT{LeftWidth(), 0, width - RightWidth(), TitleHeight()}, true, active,
            trans(sdTop) && TitleHeight() > 1);
    AddSide(region.Get(), b[sdBottom].get(), RECT{LeftWidth(), height - BottomHeight(), width - RightWidth(), height},
            true, active, trans(sdBottom) && BottomHeight() >= 2);
  }
  return region;
}
