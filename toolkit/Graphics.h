#pragma once
// Colours, fonts, brushes, pens, canvases and device-independent bitmaps. Every GDI object is owned
// by the wrapper that made it and freed with it.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "GdiHandle.h"
#include "TypeInfo.h"

namespace tk {

// A colour: red + green*256 + blue*65536, or 0xFF000000 + n for system colour n.
using TColor = int32_t;
constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000);
constexpr TColor SysColor(int index) { return static_cast<TColor>(0xFF000000u | static_cast<unsigned>(index)); }
constexpr TColor clBlack = 0x000000, clWhite = 0xFFFFFF, clRed = 0x0000FF, clGreen = 0x008000,
                 clBlue = 0xFF0000, clSilver = 0xC0C0C0, clGray = 0x808080, clFuchsia = 0xFF00FF,
                 clNavy = 0x800000, clMaroon = 0x000080, clYellow = 0x00FFFF;
constexpr TColor clNone = 0x1FFFFFFF, clDefault = 0x20000000;
constexpr TColor clScrollBar = SysColor(COLOR_SCROLLBAR), clBackground = SysColor(COLOR_BACKGROUND),
                 clActiveCaption = SysColor(COLOR_ACTIVECAPTION), clInactiveCaption = SysColor(COLOR_INACTIVECAPTION),
                 clMenu = SysColor(COLOR_MENU), clWindow = SysColor(COLOR_WINDOW),
                 clWindowFrame = SysColor(COLOR_WINDOWFRAME), clMenuText = SysColor(COLOR_MENUTEXT),
                 clWindowText = SysColor(COLOR_WINDOWTEXT), clCaptionText = SysColor(COLOR_CAPTIONTEXT),
                 clHighlight = SysColor(COLOR_HIGHLIGHT), clHighlightText = SysColor(COLOR_HIGHLIGHTTEXT),
                 clBtnFace = SysColor(COLOR_BTNFACE), clBtnShadow = SysColor(COLOR_BTNSHADOW),
                 clGrayText = SysColor(COLOR_GRAYTEXT), clBtnText = SysColor(COLOR_BTNTEXT),
                 clBtnHighlight = SysColor(COLOR_BTNHIGHLIGHT), cl3DDkShadow = SysColor(COLOR_3DDKSHADOW),
                 cl3DLight = SysColor(COLOR_3DLIGHT), clInfoText = SysColor(COLOR_INFOTEXT),
                 clInfoBk = SysColor(COLOR_INFOBK);

// Resolves system colours through the platform; plain colours are returned as they are.
COLORREF ColorToRGB(TColor color);
// Symbolic colour names for layouts (clBtnFace, clWindowText ...).
const TIdentMap& ColorIdents();

// Base of the objects a canvas draws with: they tell their holder when they change.
class TGraphicsObject : public TObject {
 public:
  std::function<void()> OnChange;

 protected:
  void Changed() { if (OnChange) OnChange(); }
};

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
TK_ENUM(TFontStyle, "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut");
using TFontStyles = TSet<TFontStyle>;

enum class TFontPitch { fpDefault, fpVariable, fpFixed };
TK_ENUM(TFontPitch, "fpDefault", "fpVariable", "fpFixed");

class TFont : public TGraphicsObject {
  TK_CLASS(TFont)
 public:
  TFont();
  std::string Name() const { return name_; }
  void SetName(const std::string& v);
  int Height() const { return height_; }
  void SetHeight(int v);
  int Size() const;  // points at the screen's resolution
  void SetSize(int points);
  TColor Color() const { return color_; }
  void SetColor(TColor v);
  int Charset() const { return charset_; }
  void SetCharset(int v);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles v);
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch v);
  void Assign(const TFont& other);
  // Takes the face, height, charset and style of a logical font (system fonts).
  void AssignLogFont(const LOGFONTW& lf);
  LOGFONTW LogFont() const;
  HFONT Handle() const;  // made on demand, remade after a change

 private:
  void Invalidate();
  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  TColor color_ = clWindowText;
  int charset_ = DEFAULT_CHARSET;
  TFontStyles style_;
  TFontPitch pitch_ = TFontPitch::fpDefault;
  mutable UniqueFont handle_;
};

enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
TK_ENUM(TBrushStyle, "bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross");

class TBrush : public TGraphicsObject {
  TK_CLASS(TBrush)
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor v);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle v);
  HBRUSH Handle() const;

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = TBrushStyle::bsSolid;
  mutable UniqueBrush handle_;
};

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
TK_ENUM(TPenStyle, "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame");

class TPen : public TGraphicsObject {
  TK_CLASS(TPen)
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor v);
  int Width() const { return width_; }
  void SetWidth(int v);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle v);
  HPEN Handle() const;

 private:
  void Invalidate();
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = TPenStyle::psSolid;
  mutable UniquePen handle_;
};

class TBitmap;

// Drawing on a device context with a font, a brush and a pen. The canvas selects its objects into
// the DC while it holds it and puts the DC's own objects back when it lets it go.
class TCanvas : public TObject {
  TK_CLASS(TCanvas)
 public:
  TCanvas();
  explicit TCanvas(HDC dc);
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // The DC, made on demand by canvases that own one (bitmap canvases).
  HDC Handle() const {
    if (!dc_) const_cast<TCanvas*>(this)->CreateHandle();
    return dc_;
  }
  void SetHandle(HDC dc);
  bool HandleAllocated() const { return dc_ != nullptr; }

  TFont& Font() { return font_; }
  TBrush& Brush() { return brush_; }
  TPen& Pen() { return pen_; }

  void FillRect(const RECT& r);
  void FrameRect(const RECT& r);
  void Rectangle(int left, int top, int right, int bottom);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void TextOutAt(int x, int y, const std::string& gbkText);
  void TextRect(const RECT& r, int x, int y, const std::string& gbkText);
  int DrawTextIn(const std::string& gbkText, RECT& r, UINT format);
  SIZE TextExtent(const std::string& gbkText);
  int TextWidth(const std::string& gbkText) { return TextExtent(gbkText).cx; }
  int TextHeight(const std::string& gbkText) { return TextExtent(gbkText).cy; }
  void Draw(int x, int y, const TBitmap& bitmap);  // honours the bitmap's transparency
  void StretchDraw(const RECT& r, const TBitmap& bitmap);
  void CopyRect(const RECT& dest, const TCanvas& source, const RECT& src);
  COLORREF Pixel(int x, int y) const { return GetPixel(dc_, x, y); }
  void SetPixel(int x, int y, TColor c) { ::SetPixel(dc_, x, y, ColorToRGB(c)); }
  // Copy mode of CopyRect (SRCCOPY by default).
  DWORD CopyMode = SRCCOPY;

 protected:
  // Subclasses that make their DC on demand (bitmap canvases) override this.
  virtual void CreateHandle() {}
  void RequireHandle();

 private:
  void Select();
  void Deselect();
  HDC dc_ = nullptr;
  TFont font_;
  TBrush brush_;
  TPen pen_;
  HGDIOBJ oldFont_ = nullptr, oldBrush_ = nullptr, oldPen_ = nullptr;
  bool selected_ = false;
};

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
TK_ENUM(TPixelFormat, "pfDevice", "pf1bit", "pf4bit", "pf8bit", "pf15bit", "pf16bit", "pf24bit", "pf32bit", "pfCustom");
int BitsPerPixel(TPixelFormat pf);
TPixelFormat PixelFormatOfBits(int bits);

enum class TTransparentMode { tmAuto, tmFixed };
TK_ENUM(TTransparentMode, "tmAuto", "tmFixed");

// A device-independent bitmap (DIB section) with row access. Rows are top-down: ScanLine(0) is the
// top row whatever the orientation of the file it came from.
class TBitmap : public TObject {
  TK_CLASS(TBitmap)
 public:
  TBitmap();
  TBitmap(int width, int height, TPixelFormat pf = TPixelFormat::pf24bit);
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  void SetWidth(int w) { SetSize(w, height_); }
  void SetHeight(int h) { SetSize(width_, h); }
  // Keeps the pixels that still fit; new area is black.
  void SetSize(int width, int height);
  TPixelFormat PixelFormat() const { return pf_; }
  void SetPixelFormat(TPixelFormat pf);
  int BitCount() const { return BitsPerPixel(pf_); }

  uint8_t* ScanLine(int y);
  const uint8_t* ScanLine(int y) const;
  int RowBytes() const { return stride_; }

  HBITMAP Handle() const { return handle_.Get(); }
  TCanvas& Canvas();
  // The colour table of a palette bitmap (1, 4 or 8 bits).
  std::vector<RGBQUAD> ColorTable() const;
  void SetColorTable(const std::vector<RGBQUAD>& colors);

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v) { transparent_ = v; }
  TTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode m) { transparentMode_ = m; }
  // tmAuto: the bottom-left pixel; tmFixed: the colour set.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor c);

  void Assign(const TBitmap& source);
  void Clear();
  // BMP file bytes (with the file header) or a bitmap resource's bytes (without it).
  void LoadFromBmp(const uint8_t* data, size_t size);
  void LoadFromBmp(const std::vector<uint8_t>& bytes) { LoadFromBmp(bytes.data(), bytes.size()); }
  std::vector<uint8_t> SaveToBmp() const;
  void LoadFromResourceName(HINSTANCE instance, const wchar_t* name);
  COLORREF PixelAt(int x, int y) const;  // reads the DIB directly, any format
  // Layouts store a bitmap as the bytes of a BMP file ("Data").
  void DefineProperties(TFiler& filer) override;

  std::function<void()> OnChange;

 private:
  class BitmapCanvas;
  void Create(int width, int height, TPixelFormat pf, const std::vector<RGBQUAD>* colors);
  void FreeCanvasDC();
  int width_ = 0, height_ = 0;
  TPixelFormat pf_ = TPixelFormat::pf24bit;
  int stride_ = 0;
  uint8_t* bits_ = nullptr;
  std::vector<RGBQUAD> colors_;  // colour table of 1-, 4- and 8-bit bitmaps
  UniqueBitmapHandle handle_;
  std::unique_ptr<BitmapCanvas> canvas_;
  bool transparent_ = false;
  TTransparentMode transparentMode_ = TTransparentMode::tmAuto;
  TColor transparentColor_ = clDefault;
};

}  // namespace tk
