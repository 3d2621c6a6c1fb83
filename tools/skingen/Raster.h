// A small anti-aliased rasteriser for drawing skin bitmaps: shapes are inside-tests sampled on a
// 4 x 4 grid per pixel, painted over an RGBA canvas. Deterministic: the same calls give the same
// pixels on every run.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

struct TColourF {
  double r = 0, g = 0, b = 0;  // 0..255
};

constexpr TColourF Grey(double v) { return {v, v, v}; }
TColourF Mix(TColourF a, TColourF b, double t);  // t = 0 gives a, 1 gives b

// Colour of a shape at a point.
using TPaint = std::function<TColourF(double x, double y)>;
TPaint Solid(TColourF c);
TPaint VerticalGradient(double y0, TColourF top, double y1, TColourF bottom);

// Area in pixel coordinates (pixel (i, j) covers [i, i+1) x [j, j+1)).
struct TShape {
  double x0, y0, x1, y1;  // bounds
  std::function<bool(double x, double y)> Inside;
};

TShape Rect(double x0, double y0, double x1, double y1);
TShape RoundRect(double x0, double y0, double x1, double y1, double radius);
TShape Circle(double cx, double cy, double radius);
TShape Polygon(std::vector<std::pair<double, double>> points);  // even-odd rule
// Points closer than width / 2 to the line through the points, with round ends and joins.
TShape Stroke(std::vector<std::pair<double, double>> points, double width);
TShape Minus(TShape a, TShape b);
// The ring between a rounded rectangle and the same one inset by width.
TShape RoundFrame(double x0, double y0, double x1, double y1, double radius, double width);

class TCanvas {
 public:
  struct TPixel {
    TColourF Colour;
    double Alpha = 0;  // coverage; 0 is untouched
  };

  TCanvas(int width, int height);
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }

  // Drawing goes into the rectangle (x, y, width, height), whose top-left corner becomes (0, 0):
  // one frame of a strip at a time, nothing bleeding into its neighbours.
  void SetFrame(int x, int y, int width, int height);
  void ResetFrame() { SetFrame(0, 0, FWidth, FHeight); }

  void Fill(const TShape& shape, const TPaint& paint);
  void Fill(const TShape& shape, TColourF colour) { Fill(shape, Solid(colour)); }
  // Sets whole pixels, without sampling (frame coordinates).
  void SetPixel(int x, int y, TColourF colour);

  const TPixel& At(int x, int y) const { return FPixels[static_cast<std::size_t>(y) * FWidth + x]; }

 private:
  int FWidth, FHeight;
  int FFrameX = 0, FFrameY = 0, FFrameW, FFrameH;
  std::vector<TPixel> FPixels;
};

// 8-bit pixels ready to be written as a bitmap file.
struct TBitmap {
  int Width = 0;
  int Height = 0;
  int BitsPerPixel = 24;
  std::vector<std::uint8_t> Rgb;  // top row first, 3 bytes per pixel
};

inline constexpr TColourF KeyColour{255, 0, 255};  // magenta: transparent in every skin image

// What lies behind the canvas where it is not fully covered, by image pixel.
using TMatte = std::function<TColourF(int x, int y)>;

// Composites the canvas over the matte. With keyed, pixels covered less than a quarter become the
// key colour instead, so that partly covered edges blend with what the skin will be drawn over.
TBitmap Flatten(const TCanvas& canvas, int bitsPerPixel, const TMatte& matte, bool keyed);
