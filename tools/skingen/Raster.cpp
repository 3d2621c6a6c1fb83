#include "Raster.h"

#include <algorithm>
#include <cmath>

TColourF Mix(TColourF a, TColourF b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

TPaint Solid(TColourF c) {
  return [c](double, double) { return c; };
}

TPaint VerticalGradient(double y0, TColourF top, double y1, TColourF bottom) {
  return [=](double, double y) { return Mix(top, bottom, std::clamp((y - y0) / (y1 - y0), 0.0, 1.0)); };
}

TShape Rect(double x0, double y0, double x1, double y1) {
  return {x0, y0, x1, y1, [=](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; }};
}

TShape RoundRect(double x0, double y0, double x1, double y1, double radius) {
  return {x0, y0, x1, y1, [=](double x, double y) {
            if (x < x0 || x >= x1 || y < y0 || y >= y1) return false;
            const double cx = std::clamp(x, x0 + radius, x1 - radius);
            const double cy = std::clamp(y, y0 + radius, y1 - radius);
            return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
          }};
}

TShape Circle(double cx, double cy, double radius) {
  return {cx - radius, cy - radius, cx + radius, cy + radius,
          [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius; }};
}

TShape Polygon(std::vector<std::pair<double, double>> points) {
  double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
  for (const auto& [x, y] : points) {
    x0 = std::min(x0, x);
    y0 = std::min(y0, y);
    x1 = std::max(x1, x);
    y1 = std::max(y1, y);
  }
  return {x0, y0, x1, y1, [points = std::move(points)](double x, double y) {
            bool inside = false;
            for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
              const auto [xi, yi] = points[i];
              const auto [xj, yj] = points[j];
              if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
            }
            return inside;
          }};
}

TShape Stroke(std::vector<std::pair<double, double>> points, double width) {
  const double h = width / 2;
  double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
  for (const auto& [x, y] : points) {
    x0 = std::min(x0, x - h);
    y0 = std::min(y0, y - h);
    x1 = std::max(x1, x + h);
    y1 = std::max(y1, y + h);
  }
  return {x0, y0, x1, y1, [points = std::move(points), h](double x, double y) {
            for (std::size_t i = 0; i + 1 < points.size(); ++i) {
              const auto [ax, ay] = points[i];
              const auto [bx, by] = points[i + 1];
              const double dx = bx - ax, dy = by - ay;
              const double len2 = dx * dx + dy * dy;
              const double t = len2 > 0 ? std::clamp(((x - ax) * dx + (y - ay) * dy) / len2, 0.0, 1.0) : 0.0;
              const double px = ax + t * dx - x, py = ay + t * dy - y;
              if (px * px + py * py <= h * h) return true;
            }
            return false;
          }};
}

TShape Minus(TShape a, TShape b) {
  return {a.x0, a.y0, a.x1, a.y1, [a, b](double x, double y) { return a.Inside(x, y) && !b.Inside(x, y); }};
}

TShape RoundFrame(double x0, double y0, double x1, double y1, double radius, double width) {
  return Minus(RoundRect(x0, y0, x1, y1, radius),
               RoundRect(x0 + width, y0 + width, x1 - width, y1 - width, std::max(0.0, radius - width)));
}

TCanvas::TCanvas(int width, int height)
    : FWidth(width), FHeight(height), FFrameW(width), FFrameH(height),
      FPixels(static_cast<std::size_t>(width) * height) {}

void TCanvas::SetFrame(int x, int y, int width, int height) {
  FFrameX = x;
  FFrameY = y;
  FFrameW = width;
  FFrameH = height;
}

void TCanvas::SetPixel(int x, int y, TColourF colour) {
  if (x < 0 || y < 0 || x >= FFrameW || y >= FFrameH) return;
  TPixel& p = FPixels[static_cast<std::size_t>(FFrameY + y) * FWidth + FFrameX + x];
  p.Colour = colour;
  p.Alpha = 1;
}

void TCanvas::Fill(const TShape& shape, const TPaint& paint) {
  constexpr int grid = 4;
  const int left = std::max(0, static_cast<int>(std::floor(shape.x0)));
  const int top = std::max(0, static_cast<int>(std::floor(shape.y0)));
  const int right = std::min(FFrameW, static_cast<int>(std::ceil(shape.x1)));
  const int bottom = std::min(FFrameH, static_cast<int>(std::ceil(shape.y1)));
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      int hits = 0;
      for (int j = 0; j < grid; ++j)
        for (int i = 0; i < grid; ++i)
          if (shape.Inside(x + (i + 0.5) / grid, y + (j + 0.5) / grid)) ++hits;
      if (hits == 0) continue;
      const double cover = static_cast<double>(hits) / (grid * grid);
      const TColourF c = paint(x + 0.5, y + 0.5);
      TPixel& p = FPixels[static_cast<std::size_t>(FFrameY + y) * FWidth + FFrameX + x];
      const double alpha = cover + p.Alpha * (1 - cover);
      const TColourF mixed = {
          (c.r * cover + p.Colour.r * p.Alpha * (1 - cover)) / alpha,
          (c.g * cover + p.Colour.g * p.Alpha * (1 - cover)) / alpha,
          (c.b * cover + p.Colour.b * p.Alpha * (1 - cover)) / alpha,
      };
      p.Colour = mixed;
      p.Alpha = alpha;
    }
  }
}

TBitmap Flatten(const TCanvas& canvas, int bitsPerPixel, const TMatte& matte, bool keyed) {
  TBitmap out{canvas.Width(), canvas.Height(), bitsPerPixel, {}};
  out.Rgb.reserve(static_cast<std::size_t>(out.Width) * out.Height * 3);
  auto channel = [](double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); };
  for (int y = 0; y < out.Height; ++y) {
    for (int x = 0; x < out.Width; ++x) {
      const TCanvas::TPixel& p = canvas.At(x, y);
      TColourF c;
      if (keyed && p.Alpha < 0.25) {
        c = KeyColour;
      } else {
        c = Mix(matte(x, y), p.Colour, p.Alpha);
        // A drawn pixel must never read as transparent.
        if (channel(c.r) >= 254 && channel(c.g) <= 1 && channel(c.b) >= 254) c.g = 2;
      }
      out.Rgb.push_back(channel(c.r));
      out.Rgb.push_back(channel(c.g));
      out.Rgb.push_back(channel(c.b));
    }
  }
  return out;
}
