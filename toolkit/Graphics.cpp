#include "Graphics.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

#include "Encoding.h"
#include "Filer.h"

namespace tk {

void ImageListDeleter::operator()(HIMAGELIST h) const { ImageList_Destroy(h); }

COLORREF ColorToRGB(TColor color) {
  if (color < 0) return GetSysColor(color & 0xFF);
  return static_cast<COLORREF>(color) & 0xFFFFFF;
}

const TIdentMap& ColorIdents() {
  static const TIdentMap map{{
      {"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen}, {"clOlive", 0x008080},
      {"clNavy", clNavy}, {"clPurple", 0x800080}, {"clTeal", 0x808000}, {"clGray", clGray},
      {"clSilver", clSilver}, {"clRed", clRed}, {"clLime", 0x00FF00}, {"clYellow", clYellow},
      {"clBlue", clBlue}, {"clFuchsia", clFuchsia}, {"clAqua", 0xFFFF00}, {"clWhite", clWhite},
      {"clNone", clNone}, {"clDefault", clDefault},
      {"clScrollBar", clScrollBar}, {"clBackground", clBackground}, {"clActiveCaption", clActiveCaption},
      {"clInactiveCaption", clInactiveCaption}, {"clMenu", clMenu}, {"clWindow", clWindow},
      {"clWindowFrame", clWindowFrame}, {"clMenuText", clMenuText}, {"clWindowText", clWindowText},
      {"clCaptionText", clCaptionText}, {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText},
      {"clBtnFace", clBtnFace}, {"clBtnShadow", clBtnShadow}, {"clGrayText", clGrayText},
      {"clBtnText", clBtnText}, {"clBtnHighlight", clBtnHighlight}, {"cl3DDkShadow", cl3DDkShadow},
      {"cl3DLight", cl3DLight}, {"clInfoText", clInfoText}, {"clInfoBk", clInfoBk},
  }};
  return map;
}

// ---------------------------------------------------------------------------------------------
// TFont

const TClassInfo& TFont::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TFont", &TObject::StaticClass());
    c.Property("Charset", &TFont::Charset, &TFont::SetCharset);
    c.IntProperty("Color", &TFont::Color, &TFont::SetColor, &ColorIdents());
    c.Property("Height", &TFont::Height, &TFont::SetHeight);
    c.Property("Name", &TFont::Name, &TFont::SetName);
    c.Property("Pitch", &TFont::Pitch, &TFont::SetPitch);
    c.Property("Size", &TFont::Size, &TFont::SetSize);
    c.Property("Style", &TFont::Style, &TFont::SetStyle);
    return c;
  }();
  return info;
}

TFont::TFont() = default;

void TFont::Invalidate() {
  // The old font lives until holders have moved on: a canvas deselects it, a window takes the
  // new one; a font still selected into a DC cannot be deleted.
  UniqueFont old = std::move(handle_);
  Changed();
}

void TFont::SetName(const std::string& v) { if (v != name_) { name_ = v; Invalidate(); } }
void TFont::SetHeight(int v) { if (v != height_) { height_ = v; Invalidate(); } }
void TFont::SetCharset(int v) { if (v != charset_) { charset_ = v; Invalidate(); } }
void TFont::SetStyle(TFontStyles v) { if (!(v == style_)) { style_ = v; Invalidate(); } }
void TFont::SetPitch(TFontPitch v) { if (v != pitch_) { pitch_ = v; Invalidate(); } }
void TFont::SetColor(TColor v) { if (v != color_) { color_ = v; Changed(); } }

static int ScreenDpi() {
  WindowDC dc(nullptr);
  return GetDeviceCaps(dc.Get(), LOGPIXELSY);
}

int TFont::Size() const { return -static_cast<int>(std::lround(height_ * 72.0 / ScreenDpi())); }
void TFont::SetSize(int points) { SetHeight(-MulDiv(points, ScreenDpi(), 72)); }

void TFont::Assign(const TFont& other) {
  name_ = other.name_;
  height_ = other.height_;
  color_ = other.color_;
  charset_ = other.charset_;
  style_ = other.style_;
  pitch_ = other.pitch_;
  Invalidate();
}

void TFont::AssignLogFont(const LOGFONTW& lf) {
  name_ = WideToGbk(lf.lfFaceName);
  height_ = lf.lfHeight;
  charset_ = lf.lfCharSet;
  TFontStyles s;
  if (lf.lfWeight >= FW_BOLD) s.Include(TFontStyle::fsBold);
  if (lf.lfItalic) s.Include(TFontStyle::fsItalic);
  if (lf.lfUnderline) s.Include(TFontStyle::fsUnderline);
  if (lf.lfStrikeOut) s.Include(TFontStyle::fsStrikeOut);
  style_ = s;
  Invalidate();
}

LOGFONTW TFont::LogFont() const {
  LOGFONTW lf{};
  lf.lfHeight = height_;
  lf.lfWeight = style_.Contains(TFontStyle::fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = style_.Contains(TFontStyle::fsItalic);
  lf.lfUnderline = style_.Contains(TFontStyle::fsUnderline);
  lf.lfStrikeOut = style_.Contains(TFontStyle::fsStrikeOut);
  lf.lfCharSet = static_cast<BYTE>(charset_);
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = pitch_ == TFontPitch::fpFixed ? FIXED_PITCH : pitch_ == TFontPitch::fpVariable ? VARIABLE_PITCH : DEFAULT_PITCH;
  std::wstring face = GbkToWide(name_);
  wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  return lf;
}

HFONT TFont::Handle() const {
  if (!handle_) {
    LOGFONTW lf = LogFont();
    handle_.Reset(CreateFontIndirectW(&lf));
  }
  return handle_.Get();
}

// ---------------------------------------------------------------------------------------------
// TBrush, TPen

const TClassInfo& TBrush::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TBrush", &TObject::StaticClass());
    c.IntProperty("Color", &TBrush::Color, &TBrush::SetColor, &ColorIdents());
    c.Property("Style", &TBrush::Style, &TBrush::SetStyle);
    return c;
  }();
  return info;
}

void TBrush::SetColor(TColor v) {
  if (v == color_) return;
  color_ = v;
  if (style_ == TBrushStyle::bsClear) style_ = TBrushStyle::bsSolid;
  UniqueBrush old = std::move(handle_);
  Changed();
}

void TBrush::SetStyle(TBrushStyle v) {
  if (v == style_) return;
  style_ = v;
  UniqueBrush old = std::move(handle_);
  Changed();
}

HBRUSH TBrush::Handle() const {
  if (!handle_) {
    LOGBRUSH lb{};
    lb.lbColor = ColorToRGB(color_);
    switch (style_) {
      case TBrushStyle::bsSolid: lb.lbStyle = BS_SOLID; break;
      case TBrushStyle::bsClear: lb.lbStyle = BS_HOLLOW; break;
      default:
        lb.lbStyle = BS_HATCHED;
        lb.lbHatch = static_cast<ULONG_PTR>(static_cast<int>(style_) - static_cast<int>(TBrushStyle::bsHorizontal));
    }
    handle_.Reset(CreateBrushIndirect(&lb));
  }
  return handle_.Get();
}

const TClassInfo& TPen::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TPen", &TObject::StaticClass());
    c.IntProperty("Color", &TPen::Color, &TPen::SetColor, &ColorIdents());
    c.Property("Style", &TPen::Style, &TPen::SetStyle);
    c.Property("Width", &TPen::Width, &TPen::SetWidth);
    return c;
  }();
  return info;
}

void TPen::Invalidate() {
  UniquePen old = std::move(handle_);
  Changed();
}
void TPen::SetColor(TColor v) { if (v != color_) { color_ = v; Invalidate(); } }
void TPen::SetWidth(int v) { if (v != width_) { width_ = v; Invalidate(); } }
void TPen::SetStyle(TPenStyle v) { if (v != style_) { style_ = v; Invalidate(); } }

HPEN TPen::Handle() const {
  if (!handle_) {
    static const int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
    handle_.Reset(CreatePen(styles[static_cast<int>(style_)], width_, ColorToRGB(color_)));
  }
  return handle_.Get();
}

// ---------------------------------------------------------------------------------------------
// TCanvas

const TClassInfo& TCanvas::StaticClass() {
  static const TClassInfo info("TCanvas", &TObject::StaticClass());
  return info;
}

TCanvas::TCanvas() {
  auto deselect = [this] { Deselect(); };
  font_.OnChange = deselect;
  brush_.OnChange = deselect;
  pen_.OnChange = deselect;
}

TCanvas::TCanvas(HDC dc) : TCanvas() { dc_ = dc; }

TCanvas::~TCanvas() { Deselect(); }

void TCanvas::SetHandle(HDC dc) {
  if (dc == dc_) return;
  Deselect();
  dc_ = dc;
}

void TCanvas::RequireHandle() {
  if (!dc_) CreateHandle();
  if (!dc_) throw std::runtime_error("Canvas does not allow drawing");
  Select();
}

void TCanvas::Select() {
  if (selected_) return;
  oldFont_ = SelectObject(dc_, font_.Handle());
  oldBrush_ = SelectObject(dc_, brush_.Handle());
  oldPen_ = SelectObject(dc_, pen_.Handle());
  selected_ = true;
}

void TCanvas::Deselect() {
  if (!selected_) return;
  SelectObject(dc_, oldFont_);
  SelectObject(dc_, oldBrush_);
  SelectObject(dc_, oldPen_);
  selected_ = false;
}

void TCanvas::FillRect(const RECT& r) {
  RequireHandle();
  if (brush_.Style() != TBrushStyle::bsClear) ::FillRect(dc_, &r, brush_.Handle());
}

void TCanvas::FrameRect(const RECT& r) {
  RequireHandle();
  ::FrameRect(dc_, &r, brush_.Handle());
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  RequireHandle();
  ::Rectangle(dc_, left, top, right, bottom);
}

void TCanvas::MoveTo(int x, int y) {
  RequireHandle();
  MoveToEx(dc_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
  RequireHandle();
  ::LineTo(dc_, x, y);
}

namespace {
void PrepareText(HDC dc, TFont& font, TBrush& brush) {
  SetTextColor(dc, ColorToRGB(font.Color()));
  if (brush.Style() == TBrushStyle::bsClear) {
    SetBkMode(dc, TRANSPARENT);
  } else {
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, ColorToRGB(brush.Color()));
  }
}
}  // namespace

void TCanvas::TextOutAt(int x, int y, const std::string& gbkText) {
  RequireHandle();
  PrepareText(dc_, font_, brush_);
  std::wstring w = GbkToWide(gbkText);
  ExtTextOutW(dc_, x, y, 0, nullptr, w.c_str(), static_cast<UINT>(w.size()), nullptr);
}

void TCanvas::TextRect(const RECT& r, int x, int y, const std::string& gbkText) {
  RequireHandle();
  PrepareText(dc_, font_, brush_);
  std::wstring w = GbkToWide(gbkText);
  UINT options = ETO_CLIPPED | (brush_.Style() != TBrushStyle::bsClear ? ETO_OPAQUE : 0);
  ExtTextOutW(dc_, x, y, options, &r, w.c_str(), static_cast<UINT>(w.size()), nullptr);
}

int TCanvas::DrawTextIn(const std::string& gbkText, RECT& r, UINT format) {
  RequireHandle();
  PrepareText(dc_, font_, brush_);
  std::wstring w = GbkToWide(gbkText);
  return DrawTextW(dc_, w.c_str(), static_cast<int>(w.size()), &r, format);
}

SIZE TCanvas::TextExtent(const std::string& gbkText) {
  RequireHandle();
  std::wstring w = GbkToWide(gbkText);
  SIZE s{};
  GetTextExtentPoint32W(dc_, w.c_str(), static_cast<int>(w.size()), &s);
  return s;
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
  StretchDraw(RECT{x, y, x + bitmap.Width(), y + bitmap.Height()}, bitmap);
}

void TCanvas::StretchDraw(const RECT& r, const TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  RequireHandle();
  UniqueDC src(CreateCompatibleDC(dc_));
  SelectGuard keep(src.Get(), bitmap.Handle());
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (bitmap.Transparent()) {
    TransparentBlt(dc_, r.left, r.top, w, h, src.Get(), 0, 0, bitmap.Width(), bitmap.Height(),
                   ColorToRGB(bitmap.TransparentColor()));
  } else {
    int oldMode = SetStretchBltMode(dc_, COLORONCOLOR);
    StretchBlt(dc_, r.left, r.top, w, h, src.Get(), 0, 0, bitmap.Width(), bitmap.Height(), SRCCOPY);
    SetStretchBltMode(dc_, oldMode);
  }
}

void TCanvas::CopyRect(const RECT& dest, const TCanvas& source, const RECT& src) {
  RequireHandle();
  int oldMode = SetStretchBltMode(dc_, COLORONCOLOR);
  StretchBlt(dc_, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, source.Handle(), src.left,
             src.top, src.right - src.left, src.bottom - src.top, CopyMode);
  SetStretchBltMode(dc_, oldMode);
}

// ---------------------------------------------------------------------------------------------
// TBitmap

int BitsPerPixel(TPixelFormat pf) {
  switch (pf) {
    case TPixelFormat::pf1bit: return 1;
    case TPixelFormat::pf4bit: return 4;
    case TPixelFormat::pf8bit: return 8;
    case TPixelFormat::pf15bit:
    case TPixelFormat::pf16bit: return 16;
    case TPixelFormat::pf24bit: return 24;
    default: return 32;
  }
}

TPixelFormat PixelFormatOfBits(int bits) {
  switch (bits) {
    case 1: return TPixelFormat::pf1bit;
    case 4: return TPixelFormat::pf4bit;
    case 8: return TPixelFormat::pf8bit;
    case 16: return TPixelFormat::pf16bit;
    case 24: return TPixelFormat::pf24bit;
    case 32: return TPixelFormat::pf32bit;
    default: return TPixelFormat::pfCustom;
  }
}

// The bitmap's memory DC, made when first drawn on and kept while the DIB lives.
class TBitmap::BitmapCanvas : public TCanvas {
 public:
  explicit BitmapCanvas(TBitmap& owner) : owner_(owner) {}
  ~BitmapCanvas() override { Free(); }
  void Free() {
    if (!dc_) return;
    SetHandle(nullptr);
    SelectObject(dc_.Get(), oldBitmap_);
    dc_.Reset();
  }

 protected:
  void CreateHandle() override {
    if (!owner_.Handle()) owner_.Create(1, 1, owner_.PixelFormat(), nullptr);
    dc_.Reset(CreateCompatibleDC(nullptr));
    oldBitmap_ = SelectObject(dc_.Get(), owner_.Handle());
    SetHandle(dc_.Get());
  }

 private:
  TBitmap& owner_;
  UniqueDC dc_;
  HGDIOBJ oldBitmap_ = nullptr;
};

const TClassInfo& TBitmap::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TBitmap", &TObject::StaticClass());
    c.Property("Height", &TBitmap::Height, &TBitmap::SetHeight);
    c.Property("PixelFormat", &TBitmap::PixelFormat, &TBitmap::SetPixelFormat);
    c.Property("Transparent", &TBitmap::Transparent, &TBitmap::SetTransparent);
    c.IntProperty("TransparentColor", &TBitmap::TransparentColor, &TBitmap::SetTransparentColor, &ColorIdents());
    c.Property("TransparentMode", &TBitmap::TransparentMode, &TBitmap::SetTransparentMode);
    c.Property("Width", &TBitmap::Width, &TBitmap::SetWidth);
    return c;
  }();
  return info;
}

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height, TPixelFormat pf) : pf_(pf) { SetSize(width, height); }

TBitmap::~TBitmap() { FreeCanvasDC(); }

void TBitmap::FreeCanvasDC() {
  if (canvas_) canvas_->Free();
}

TCanvas& TBitmap::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<BitmapCanvas>(*this);
  return *canvas_;
}

namespace {
struct DibInfo {
  BITMAPINFOHEADER header;
  union {
    RGBQUAD colors[256];
    DWORD masks[3];
  };
};

std::vector<RGBQUAD> DefaultColorTable(int bits) {
  std::vector<RGBQUAD> table;
  if (bits == 1) {
    table = {RGBQUAD{0, 0, 0, 0}, RGBQUAD{255, 255, 255, 0}};
  } else if (bits == 4 || bits == 8) {
    // The 16 VGA colours, then (8 bits) a 6x6x6 cube and a grey ramp.
    static const COLORREF vga[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
                                     0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    for (COLORREF c : vga) table.push_back(RGBQUAD{GetBValue(c), GetGValue(c), GetRValue(c), 0});
    if (bits == 8) {
      for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
          for (int b = 0; b < 6; ++b)
            table.push_back(RGBQUAD{static_cast<BYTE>(b * 51), static_cast<BYTE>(g * 51), static_cast<BYTE>(r * 51), 0});
      for (int i = 0; table.size() < 256; ++i) {
        BYTE v = static_cast<BYTE>(8 + i * 10);
        table.push_back(RGBQUAD{v, v, v, 0});
      }
    }
  }
  return table;
}
}  // namespace

void TBitmap::Create(int width, int height, TPixelFormat pf, const std::vector<RGBQUAD>* colors) {
  FreeCanvasDC();
  handle_.Reset();
  bits_ = nullptr;
  colors_.clear();
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  pf_ = pf;
  const int bpp = BitsPerPixel(pf);
  stride_ = ((width_ * bpp + 31) / 32) * 4;
  if (width_ == 0 || height_ == 0) return;

  DibInfo info{};
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = width_;
  info.header.biHeight = -height_;  // top-down
  info.header.biPlanes = 1;
  info.header.biBitCount = static_cast<WORD>(bpp);
  info.header.biCompression = BI_RGB;
  if (pf == TPixelFormat::pf16bit) {
    info.header.biCompression = BI_BITFIELDS;
    info.masks[0] = 0xF800;
    info.masks[1] = 0x07E0;
    info.masks[2] = 0x001F;
  } else if (bpp <= 8) {
    std::vector<RGBQUAD> table = colors && !colors->empty() ? *colors : DefaultColorTable(bpp);
    table.resize(std::min<size_t>(table.size(), size_t{1} << bpp));
    info.header.biClrUsed = static_cast<DWORD>(table.size());
    std::copy(table.begin(), table.end(), info.colors);
    colors_ = table;
  }
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bmp) {
    width_ = height_ = 0;
    throw std::runtime_error("Out of system resources: cannot create a " + std::to_string(width) + " x " +
                             std::to_string(height) + " bitmap");
  }
  handle_.Reset(bmp);
  bits_ = static_cast<uint8_t*>(bits);
}

void TBitmap::SetSize(int width, int height) {
  if (width == width_ && height == height_ && (handle_ || width == 0 || height == 0)) return;
  std::vector<RGBQUAD> colors = ColorTable();
  if (!handle_) {
    Create(width, height, pf_, &colors);
  } else {
    TBitmap old;
    old.handle_ = std::move(handle_);
    old.bits_ = bits_;
    old.width_ = width_;
    old.height_ = height_;
    old.pf_ = pf_;
    old.stride_ = stride_;
    FreeCanvasDC();
    Create(width, height, pf_, &colors);
    if (handle_) {
      // Same format: copy the rows that fit byte for byte.
      const int rows = std::min(height_, old.height_);
      const int bytes = std::min(stride_, (std::min(width_, old.width_) * BitsPerPixel(pf_) + 7) / 8);
      for (int y = 0; y < rows; ++y) std::memcpy(ScanLine(y), old.ScanLine(y), static_cast<size_t>(bytes));
    }
  }
  if (OnChange) OnChange();
}

void TBitmap::SetPixelFormat(TPixelFormat pf) {
  if (pf == pf_) return;
  if (!handle_) {
    pf_ = pf;
    return;
  }
  TBitmap converted;
  converted.Create(width_, height_, pf, nullptr);
  {
    UniqueDC dst(CreateCompatibleDC(nullptr)), src(CreateCompatibleDC(nullptr));
    FreeCanvasDC();
    SelectGuard a(dst.Get(), converted.Handle());
    SelectGuard b(src.Get(), handle_.Get());
    BitBlt(dst.Get(), 0, 0, width_, height_, src.Get(), 0, 0, SRCCOPY);
  }
  handle_ = std::move(converted.handle_);
  bits_ = converted.bits_;
  colors_ = converted.colors_;
  stride_ = converted.stride_;
  pf_ = pf;
  if (OnChange) OnChange();
}

uint8_t* TBitmap::ScanLine(int y) {
  if (!bits_ || y < 0 || y >= height_) throw std::out_of_range("Scan line index out of range");
  GdiFlush();
  return bits_ + static_cast<size_t>(y) * static_cast<size_t>(stride_);
}

const uint8_t* TBitmap::ScanLine(int y) const { return const_cast<TBitmap*>(this)->ScanLine(y); }

std::vector<RGBQUAD> TBitmap::ColorTable() const { return colors_; }

void TBitmap::SetColorTable(const std::vector<RGBQUAD>& colors) {
  if (!handle_ || BitsPerPixel(pf_) > 8 || colors.empty()) return;
  // A DIB can be selected into one DC only: borrow the canvas's if it has one.
  colors_.assign(colors.begin(), colors.begin() + static_cast<std::ptrdiff_t>(std::min(colors.size(), size_t{1} << BitsPerPixel(pf_))));
  TCanvas& canvas = Canvas();
  SetDIBColorTable(canvas.Handle(), 0, static_cast<UINT>(colors_.size()), colors_.data());
}

COLORREF TBitmap::PixelAt(int x, int y) const {
  if (x < 0 || x >= width_ || y < 0 || y >= height_) return CLR_INVALID;
  const uint8_t* row = ScanLine(y);
  switch (BitsPerPixel(pf_)) {
    case 32:
    case 24: {
      const uint8_t* p = row + x * (BitsPerPixel(pf_) / 8);
      return RGB(p[2], p[1], p[0]);
    }
    case 16: {
      const unsigned v = row[x * 2] | (row[x * 2 + 1] << 8);
      if (pf_ == TPixelFormat::pf16bit)
        return RGB(((v >> 11) & 31) * 255 / 31, ((v >> 5) & 63) * 255 / 63, (v & 31) * 255 / 31);
      return RGB(((v >> 10) & 31) * 255 / 31, ((v >> 5) & 31) * 255 / 31, (v & 31) * 255 / 31);
    }
    default: {
      const int bpp = BitsPerPixel(pf_);
      const int bit = x * bpp;
      const unsigned index = (row[bit / 8] >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
      if (index >= colors_.size()) return 0;
      return RGB(colors_[index].rgbRed, colors_[index].rgbGreen, colors_[index].rgbBlue);
    }
  }
}

TColor TBitmap::TransparentColor() const {
  if (transparentMode_ == TTransparentMode::tmFixed && transparentColor_ != clDefault) return transparentColor_;
  if (Empty()) return clDefault;
  return static_cast<TColor>(PixelAt(0, height_ - 1)) & 0xFFFFFF;
}

void TBitmap::SetTransparentColor(TColor c) {
  transparentColor_ = c;
  transparentMode_ = c == clDefault ? TTransparentMode::tmAuto : TTransparentMode::tmFixed;
}

void TBitmap::Assign(const TBitmap& source) {
  if (&source == this) return;
  std::vector<RGBQUAD> colors = source.ColorTable();
  Create(source.width_, source.height_, source.pf_, &colors);
  for (int y = 0; y < height_; ++y) std::memcpy(ScanLine(y), source.ScanLine(y), static_cast<size_t>(stride_));
  transparent_ = source.transparent_;
  transparentMode_ = source.transparentMode_;
  transparentColor_ = source.transparentColor_;
  if (OnChange) OnChange();
}

void TBitmap::Clear() {
  Create(0, 0, pf_, nullptr);
  if (OnChange) OnChange();
}

void TBitmap::LoadFromBmp(const uint8_t* data, size_t size) {
  auto fail = [] { throw std::runtime_error("Bitmap image is not valid"); };
  size_t offset = 0;
  size_t bitsOffset = 0;
  if (size >= 2 && data[0] == 'B' && data[1] == 'M') {
    if (size < sizeof(BITMAPFILEHEADER)) fail();
    BITMAPFILEHEADER fh;
    std::memcpy(&fh, data, sizeof fh);
    offset = sizeof fh;
    bitsOffset = fh.bfOffBits;
  }
  if (size < offset + sizeof(BITMAPINFOHEADER)) fail();
  BITMAPINFOHEADER ih;
  std::memcpy(&ih, data + offset, sizeof ih);
  if (ih.biSize < sizeof(BITMAPINFOHEADER) || ih.biSize > size - offset) fail();
  if (ih.biWidth <= 0 || ih.biHeight == 0 || ih.biWidth > 32768 || std::abs(ih.biHeight) > 32768) fail();
  const int bpp = ih.biBitCount;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) fail();
  if (ih.biCompression != BI_RGB && ih.biCompression != BI_BITFIELDS) fail();

  size_t colorCount = bpp <= 8 ? (ih.biClrUsed ? std::min<size_t>(ih.biClrUsed, size_t{1} << bpp) : size_t{1} << bpp) : 0;
  size_t maskBytes = (ih.biCompression == BI_BITFIELDS && ih.biSize == sizeof(BITMAPINFOHEADER)) ? 12 : 0;
  const size_t tableOffset = offset + ih.biSize + maskBytes;
  if (tableOffset + colorCount * 4 > size) fail();
  std::vector<RGBQUAD> colors(colorCount);
  if (colorCount) std::memcpy(colors.data(), data + tableOffset, colorCount * 4);
  if (bitsOffset == 0) bitsOffset = tableOffset + colorCount * 4;

  const int width = ih.biWidth, height = std::abs(ih.biHeight);
  const size_t stride = ((static_cast<size_t>(width) * static_cast<size_t>(bpp) + 31) / 32) * 4;
  if (bitsOffset > size || stride * static_cast<size_t>(height) > size - bitsOffset) fail();

  TPixelFormat pf = PixelFormatOfBits(bpp);
  DWORD masks[3] = {0, 0, 0};
  if (ih.biCompression == BI_BITFIELDS) std::memcpy(masks, data + offset + (maskBytes ? sizeof(BITMAPINFOHEADER) : 40), 12);
  if (bpp == 16 && (ih.biCompression == BI_RGB || masks[1] == 0x03E0)) pf = TPixelFormat::pf15bit;
  if (bpp == 32 && ih.biCompression == BI_BITFIELDS && masks[0] != 0xFF0000) fail();

  Create(width, height, pf, &colors);
  const bool bottomUp = ih.biHeight > 0;
  for (int y = 0; y < height; ++y) {
    const int srcRow = bottomUp ? height - 1 - y : y;
    std::memcpy(ScanLine(y), data + bitsOffset + static_cast<size_t>(srcRow) * stride, stride);
  }
  if (OnChange) OnChange();
}

std::vector<uint8_t> TBitmap::SaveToBmp() const {
  const int bpp = BitsPerPixel(pf_);
  std::vector<RGBQUAD> colors = ColorTable();
  const bool masks = pf_ == TPixelFormat::pf16bit;
  BITMAPINFOHEADER ih{};
  ih.biSize = sizeof ih;
  ih.biWidth = width_;
  ih.biHeight = height_;
  ih.biPlanes = 1;
  ih.biBitCount = static_cast<WORD>(bpp);
  ih.biCompression = masks ? BI_BITFIELDS : BI_RGB;
  ih.biSizeImage = static_cast<DWORD>(stride_ * height_);
  ih.biClrUsed = static_cast<DWORD>(colors.size());
  BITMAPFILEHEADER fh{};
  fh.bfType = 0x4D42;
  fh.bfOffBits = static_cast<DWORD>(sizeof fh + sizeof ih + (masks ? 12 : 0) + colors.size() * 4);
  fh.bfSize = fh.bfOffBits + ih.biSizeImage;
  std::vector<uint8_t> out(fh.bfSize);
  uint8_t* p = out.data();
  std::memcpy(p, &fh, sizeof fh);
  p += sizeof fh;
  std::memcpy(p, &ih, sizeof ih);
  p += sizeof ih;
  if (masks) {
    const DWORD m[3] = {0xF800, 0x07E0, 0x001F};
    std::memcpy(p, m, 12);
    p += 12;
  }
  if (!colors.empty()) std::memcpy(p, colors.data(), colors.size() * 4);
  p += colors.size() * 4;
  for (int y = height_ - 1; y >= 0; --y, p += stride_) std::memcpy(p, ScanLine(y), static_cast<size_t>(stride_));
  return out;
}

void TBitmap::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty(
      "Data", [this](const std::vector<uint8_t>& bytes) { LoadFromBmp(bytes); }, [this] { return SaveToBmp(); },
      !Empty());
}

void TBitmap::LoadFromResourceName(HINSTANCE instance, const wchar_t* name) {
  HRSRC res = FindResourceW(instance, name, MAKEINTRESOURCEW(2) /* RT_BITMAP */);
  if (!res) throw std::runtime_error("Bitmap resource " + WideToGbk(name) + " not found");
  HGLOBAL mem = LoadResource(instance, res);
  const auto* bytes = static_cast<const uint8_t*>(LockResource(mem));
  LoadFromBmp(bytes, SizeofResource(instance, res));
}

}  // namespace tk
