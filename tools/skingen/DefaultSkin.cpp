#include "DefaultSkin.h"

#include <cmath>
#include <optional>

namespace {

// ---------------------------------------------------------------------------------------------
// Palette. Faces, shadows and the highlight are the skin's [Colours]; the rest is derived so that
// every state reads at a glance: blue for hot and pressed, grey for disabled.

constexpr TColourF Face = Grey(244);
constexpr TColourF White = Grey(255);
constexpr TColourF Highlight{197, 231, 246};
constexpr TColourF HighlightPale{231, 244, 252};
constexpr TColourF Accent{48, 136, 201};
constexpr TColourF AccentBright{86, 165, 222};
constexpr TColourF AccentDeep{31, 108, 168};
constexpr TColourF AccentDarkest{24, 86, 138};
constexpr TColourF BorderHot{112, 180, 226};
constexpr TColourF BorderPressed{62, 142, 204};
constexpr TColourF Glyph = Grey(68);
constexpr TColourF GlyphHot{26, 96, 150};
constexpr TColourF GlyphDisabled = Grey(178);
constexpr TColourF Track = Grey(236);
constexpr TColourF TrackEdge = Grey(226);
constexpr TColourF PaneBorder = Grey(184);
constexpr TColourF MenuFace = Grey(251);

// Button-like strips: 1 normal, 2 pressed, 3 disabled, 4 hot, 5 focused.
enum TState { Normal, Pressed, Disabled, Hot, Focused };
constexpr TState ButtonOrder[] = {Normal, Pressed, Disabled, Hot, Focused};
// Check box and radio strips: normal, hot, pressed, disabled for each kind.
constexpr TState BoxOrder[] = {Normal, Hot, Pressed, Disabled};
// Caption button strips: 1 normal, 2 pressed, 3 hot, 4 disabled or inactive; 5 and 6 spare.
constexpr TState CaptionOrder[] = {Normal, Pressed, Hot, Disabled, Normal, Hot};

// ---------------------------------------------------------------------------------------------
// The title band and window frame.

struct TTitleLook {
  TColourF Strip;    // two rows along the top edge
  TColourF Top;      // band gradient
  TColourF Bottom;
  TColourF Rule;     // last row, over the menu band
  TColourF Outline;  // window edge
};

constexpr TTitleLook ActiveTitle{{76, 158, 216}, {60, 66, 77}, {42, 47, 56}, {26, 29, 35}, {26, 29, 35}};
constexpr TTitleLook InactiveTitle{{128, 134, 144}, {104, 110, 120}, {92, 98, 108}, {80, 86, 95}, {128, 133, 141}};
constexpr int TitleHeight = 28;
constexpr int SideWidth = 4;
constexpr int BottomHeight = 5;

TColourF TitleRow(const TTitleLook& look, int y) {
  if (y < 2) return look.Strip;
  if (y >= TitleHeight - 1) return look.Rule;
  return Mix(look.Top, look.Bottom, (y - 2) / double(TitleHeight - 4));
}

// The frame of a whole window of size w x h, pixel by pixel; nothing where it is cut away (the
// rounded corners, which the engine turns into the window region).
std::optional<TColourF> WindowFramePixel(int x, int y, int w, int h, const TTitleLook& look) {
  const double px = x + 0.5, py = y + 0.5;
  const double fx = std::min(px, w - px);  // distance from the nearer side
  const TColourF edge = y < 2 ? look.Strip : look.Outline;
  auto corner = [&](double r, double dy) -> std::optional<std::optional<TColourF>> {
    if (fx >= r || dy >= r) return std::nullopt;
    const double d = std::hypot(r - fx, r - dy);
    if (d > r) return std::optional<TColourF>{};
    if (d > r - 1.1) return std::optional<TColourF>{edge};
    return std::nullopt;
  };
  if (auto c = corner(7, py)) return *c;
  if (auto c = corner(4, h - py)) return *c;

  if (y < TitleHeight) {
    if (y >= 2 && (x == 0 || x == w - 1)) return look.Outline;
    return TitleRow(look, y);
  }
  if (x == 0 || x == w - 1 || y == h - 1) return look.Outline;
  return Face;
}

TBitmap FromPixels(int width, int height, const std::function<std::optional<TColourF>(int, int)>& pixel) {
  TCanvas canvas(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (auto c = pixel(x, y)) canvas.SetPixel(x, y, *c);
  return Flatten(canvas, 24, [](int, int) { return KeyColour; }, true);
}

// Frames: 1 active, 2 inactive. Sides side by side, top and bottom stacked.
constexpr int SampleWidth = 793 + 2 * SideWidth;
constexpr int SampleHeight = 574;

TBitmap FrameSide(bool left) {
  return FromPixels(2 * SideWidth, SampleHeight, [left](int x, int y) {
    const TTitleLook& look = x < SideWidth ? ActiveTitle : InactiveTitle;
    const int wx = left ? x % SideWidth : SampleWidth - SideWidth + x % SideWidth;
    return WindowFramePixel(wx, y, SampleWidth, SampleHeight, look);
  });
}

TBitmap FrameTop() {
  return FromPixels(SampleWidth - 2 * SideWidth, 2 * TitleHeight, [](int x, int y) {
    const TTitleLook& look = y < TitleHeight ? ActiveTitle : InactiveTitle;
    return WindowFramePixel(SideWidth + x, y % TitleHeight, SampleWidth, SampleHeight, look);
  });
}

TBitmap FrameBottom() {
  return FromPixels(SampleWidth - 2 * SideWidth, 2 * BottomHeight, [](int x, int y) {
    const TTitleLook& look = y < BottomHeight ? ActiveTitle : InactiveTitle;
    return WindowFramePixel(SideWidth + x, SampleHeight - BottomHeight + y % BottomHeight, SampleWidth,
                            SampleHeight, look);
  });
}

// A minimised window's caption: the title band on its own, rounded.
TBitmap MinCaption() {
  constexpr int w = 203, h = 27;
  TCanvas canvas(w, 2 * h);
  const TTitleLook* looks[] = {&ActiveTitle, &InactiveTitle};
  for (int f = 0; f < 2; ++f) {
    const TTitleLook& look = *looks[f];
    canvas.SetFrame(0, f * h, w, h);
    canvas.Fill(RoundRect(0, 0, w, h, 5), look.Outline);
    canvas.Fill(RoundRect(1, 1, w - 1, h - 1, 4), VerticalGradient(1, look.Top, h - 1, look.Bottom));
    canvas.Fill(Minus(RoundRect(1, 1, w - 1, h - 1, 4), Rect(0, 3, w, h)), look.Strip);
  }
  return Flatten(canvas, 24, [](int, int) { return Face; }, false);
}

// ---------------------------------------------------------------------------------------------
// Strips of frames.

class TStrip {
 public:
  TStrip(int frameWidth, int frameHeight, int frames)
      : Canvas(frameWidth * frames, frameHeight), FW(frameWidth), FH(frameHeight) {}

  // Selects frame k (from 1) for drawing.
  TCanvas& Frame(int k) {
    Canvas.SetFrame((k - 1) * FW, 0, FW, FH);
    return Canvas;
  }
  int FrameOf(int x) const { return x / FW + 1; }

  TCanvas Canvas;
  const int FW, FH;
};

TMatte Uniform(TColourF c) {
  return [c](int, int) { return c; };
}

// ---------------------------------------------------------------------------------------------
// Push buttons.

struct TBoxLook {
  TColourF BorderTop, BorderBottom, FillTop, FillBottom;
};

TBoxLook ButtonLook(TState s) {
  switch (s) {
    case Pressed: return {BorderPressed, AccentDeep, {201, 227, 245}, {186, 217, 240}};
    case Disabled: return {Grey(218), Grey(212), Grey(249), Grey(243)};
    case Hot: return {BorderHot, {92, 164, 214}, {239, 248, 253}, {213, 236, 250}};
    case Focused: return {Accent, AccentDeep, White, Grey(236)};
    default: return {Grey(184), Grey(160), White, Grey(236)};
  }
}

void DrawBox(TCanvas& c, double x0, double y0, double x1, double y1, double r, const TBoxLook& look) {
  c.Fill(RoundRect(x0, y0, x1, y1, r), VerticalGradient(y0, look.BorderTop, y1, look.BorderBottom));
  c.Fill(RoundRect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, std::max(0.0, r - 1)),
         VerticalGradient(y0 + 1, look.FillTop, y1 - 1, look.FillBottom));
}

TBitmap Buttons() {
  TStrip strip(76, 23, 5);
  for (int k = 1; k <= 5; ++k) {
    const TState s = ButtonOrder[k - 1];
    TCanvas& c = strip.Frame(k);
    DrawBox(c, 0, 0, 76, 23, 3, ButtonLook(s));
    if (s == Focused) c.Fill(RoundFrame(1, 1, 75, 22, 2, 1), Highlight);
  }
  return Flatten(strip.Canvas, 24, Uniform(Face), true);
}

// ---------------------------------------------------------------------------------------------
// Check boxes and radio buttons, 13 x 13.

struct TMarkLook {
  TColourF Border, Fill, Mark;
};

TMarkLook EmptyBoxLook(TState s) {
  switch (s) {
    case Hot: return {BorderHot, HighlightPale, Accent};
    case Pressed: return {BorderPressed, Highlight, AccentDeep};
    case Disabled: return {Grey(204), Grey(244), Grey(192)};
    default: return {Grey(150), White, Accent};
  }
}

TMarkLook FilledBoxLook(TState s) {
  switch (s) {
    case Hot: return {Accent, AccentBright, White};
    case Pressed: return {AccentDarkest, AccentDeep, White};
    case Disabled: return {Grey(188), Grey(200), Grey(250)};
    default: return {AccentDeep, Accent, White};
  }
}

TBitmap CheckBox() {
  TStrip strip(13, 13, 12);
  for (int kind = 0; kind < 3; ++kind) {  // unchecked, checked, indeterminate
    for (int i = 0; i < 4; ++i) {
      const TState s = BoxOrder[i];
      TCanvas& c = strip.Frame(kind * 4 + i + 1);
      const TMarkLook look = kind == 1 ? FilledBoxLook(s) : EmptyBoxLook(s);
      c.Fill(RoundRect(0, 0, 13, 13, 2.5), look.Border);
      c.Fill(RoundRect(1, 1, 12, 12, 1.5), kind == 1 ? Solid(look.Fill) : VerticalGradient(1, look.Fill, 12, Mix(look.Fill, Grey(232), 0.35)));
      if (kind == 1) c.Fill(Stroke({{3.3, 6.6}, {5.5, 8.9}, {9.8, 4.3}}, 1.7), look.Mark);
      if (kind == 2) c.Fill(RoundRect(3, 3, 10, 10, 1), look.Mark);
    }
  }
  return Flatten(strip.Canvas, 24, Uniform(Face), true);
}

TBitmap RadioButton() {
  TStrip strip(13, 13, 8);
  for (int kind = 0; kind < 2; ++kind) {  // unchecked, checked
    for (int i = 0; i < 4; ++i) {
      const TState s = BoxOrder[i];
      TCanvas& c = strip.Frame(kind * 4 + i + 1);
      TMarkLook look = EmptyBoxLook(s);
      if (kind == 1 && s != Disabled) look.Border = FilledBoxLook(s).Fill;
      c.Fill(Circle(6.5, 6.5, 6.5), look.Border);
      c.Fill(Circle(6.5, 6.5, 5.5), VerticalGradient(1, look.Fill, 12, Mix(look.Fill, Grey(232), 0.35)));
      if (kind == 1) c.Fill(Circle(6.5, 6.5, 3), s == Disabled ? Grey(184) : FilledBoxLook(s).Fill);
    }
  }
  return Flatten(strip.Canvas, 24, Uniform(Face), true);
}

// ---------------------------------------------------------------------------------------------
// Progress bar.

TBitmap Progress() {
  TCanvas c(55, 16);
  c.Fill(Rect(0, 0, 55, 16), Face);
  c.Fill(RoundRect(0, 0, 55, 16, 2), Grey(194));
  c.Fill(RoundRect(1, 1, 54, 15, 1), VerticalGradient(1, Grey(226), 15, Grey(240)));
  return Flatten(c, 24, Uniform(Face), false);
}

TBitmap ProgressChunk() {
  TCanvas c(53, 12);
  c.Fill(RoundRect(0, 0, 53, 12, 1.5), VerticalGradient(0, AccentBright, 12, AccentDeep));
  c.Fill(Rect(1, 0, 52, 1), {150, 202, 238});
  return Flatten(c, 24, Uniform(Grey(230)), false);
}

// ---------------------------------------------------------------------------------------------
// Tabs and their pane. Frames: 1 tab, 2 selected tab, 3 hot, 4 disabled, 5 selected.

TBitmap Tab() {
  TStrip strip(25, 19, 5);
  for (int k = 1; k <= 5; ++k) {
    TCanvas& c = strip.Frame(k);
    c.Fill(Rect(0, 0, 25, 19), Face);
    const bool selected = k == 2 || k == 5;
    if (selected) {
      c.Fill(RoundRect(0, 0, 25, 24, 4), PaneBorder);
      c.Fill(RoundRect(1, 1, 24, 24, 3), VerticalGradient(1, White, 18, Face));
      c.Fill(Minus(RoundRect(1, 1, 24, 24, 3), Rect(0, 3, 25, 24)), Accent);
    } else {
      const TColourF top = k == 3 ? HighlightPale : k == 4 ? Grey(246) : Grey(240);
      const TColourF bottom = k == 3 ? TColourF{214, 236, 250} : k == 4 ? Grey(244) : Grey(229);
      c.Fill(RoundRect(0, 2, 25, 24, 4), k == 4 ? Grey(212) : Grey(192));
      c.Fill(RoundRect(1, 3, 24, 24, 3), VerticalGradient(3, top, 18, bottom));
      c.Fill(Rect(0, 18, 25, 19), PaneBorder);
    }
  }
  return Flatten(strip.Canvas, 24, Uniform(Face), false);
}

TBitmap TabSheet() {
  TCanvas c(48, 48);
  c.Fill(Rect(0, 0, 48, 48), PaneBorder);
  c.Fill(Rect(1, 1, 47, 47), Grey(236));  // inner shadow, right and bottom
  c.Fill(Rect(1, 1, 46, 46), White);      // inner light, top and left
  c.Fill(Rect(2, 2, 46, 46), Face);
  return Flatten(c, 24, Uniform(Face), false);
}

// ---------------------------------------------------------------------------------------------
// Drop-down button of combo boxes: 1 normal, 2 pressed, 3 disabled, 4 hot.

TShape Chevron(double cx, double cy, double half, bool down, double width) {
  const double d = down ? half / 2 : -half / 2;
  return Stroke({{cx - half, cy - d}, {cx, cy + d}, {cx + half, cy - d}}, width);
}

TBitmap ComboButton() {
  TStrip strip(17, 16, 4);
  for (int k = 1; k <= 4; ++k) {
    const TState s = ButtonOrder[k - 1];
    TCanvas& c = strip.Frame(k);
    if (s == Normal) c.Fill(Rect(0, 3, 1, 13), Grey(222));
    if (s == Hot) DrawBox(c, 1, 1, 16, 15, 2, {BorderHot, BorderHot, HighlightPale, {216, 237, 250}});
    if (s == Pressed) DrawBox(c, 1, 1, 16, 15, 2, {BorderPressed, BorderPressed, Highlight, Highlight});
    const TColourF glyph = s == Disabled ? GlyphDisabled : s == Normal ? Glyph : GlyphHot;
    c.Fill(Chevron(8.5, 8, 3, true, 1.5), glyph);
  }
  return Flatten(strip.Canvas, 24, Uniform(White), true);
}

// ---------------------------------------------------------------------------------------------
// Status bar: 1 lowered panel, 2 raised panel, 3 plain.

TBitmap StatusBar() {
  TStrip strip(68, 21, 3);
  for (int k = 1; k <= 3; ++k) {
    TCanvas& c = strip.Frame(k);
    c.Fill(Rect(0, 0, 68, 21), Face);
    c.Fill(Rect(0, 0, 68, 1), Grey(212));
    c.Fill(Rect(0, 1, 68, 2), Grey(252));
    if (k < 3) {
      c.Fill(Rect(66, 4, 67, 18), k == 1 ? Grey(206) : Grey(222));
      c.Fill(Rect(67, 4, 68, 18), Grey(253));
    }
  }
  return Flatten(strip.Canvas, 24, Uniform(Face), false);
}

// ---------------------------------------------------------------------------------------------
// Column headers: 1 normal, 2 hot, 3 pressed, 4 normal.

TBitmap Header() {
  TStrip strip(18, 18, 4);
  for (int k = 1; k <= 4; ++k) {
    TCanvas& c = strip.Frame(k);
    TColourF top = White, bottom = Grey(243), rule = Grey(213);
    if (k == 2) top = {241, 248, 253}, bottom = {222, 239, 250}, rule = BorderHot;
    if (k == 3) top = Highlight, bottom = {186, 220, 241}, rule = BorderPressed;
    c.Fill(Rect(0, 0, 18, 18), VerticalGradient(0, top, 13, bottom));
    c.Fill(Rect(0, 17, 18, 18), rule);
    c.Fill(Rect(17, 3, 18, 15), Grey(222));
  }
  return Flatten(strip.Canvas, 24, Uniform(Face), true);
}

// ---------------------------------------------------------------------------------------------
// Scroll bars.

constexpr TColourF ThumbColour[] = {Grey(194), Grey(128), Grey(214), Grey(164)};  // by TState

// 23 frames: arrows left, right, up, down (normal, pressed, disabled, hot each), grips on a
// horizontal and a vertical thumb (normal, pressed, hot each), one spare.
TBitmap ScrollbarArrow() {
  TStrip strip(17, 17, 23);
  const char dirs[] = {'l', 'r', 'u', 'd'};
  for (int d = 0; d < 4; ++d) {
    for (int i = 0; i < 4; ++i) {
      const TState s = ButtonOrder[i];
      TCanvas& c = strip.Frame(d * 4 + i + 1);
      if (s == Hot) c.Fill(RoundRect(1, 1, 16, 16, 3), HighlightPale);
      if (s == Pressed) c.Fill(RoundRect(1, 1, 16, 16, 3), Highlight);
      const TColourF glyph = s == Disabled ? Grey(196) : s == Normal ? Grey(110) : s == Hot ? GlyphHot : AccentDeep;
      std::vector<std::pair<double, double>> tri;
      switch (dirs[d]) {
        case 'l': tri = {{10.5, 4.5}, {10.5, 12.5}, {6.5, 8.5}}; break;
        case 'r': tri = {{6.5, 4.5}, {6.5, 12.5}, {10.5, 8.5}}; break;
        case 'u': tri = {{4.5, 10.5}, {12.5, 10.5}, {8.5, 6.5}}; break;
        default: tri = {{4.5, 6.5}, {12.5, 6.5}, {8.5, 10.5}}; break;
      }
      c.Fill(Polygon(tri), glyph);
    }
  }
  const TState gripStates[] = {Normal, Pressed, Hot};
  for (int v = 0; v < 2; ++v) {
    for (int i = 0; i < 3; ++i) {
      TCanvas& c = strip.Frame(17 + v * 3 + i);
      const TColourF line = Mix(ThumbColour[gripStates[i]], Grey(40), 0.22);
      for (int n = 0; n < 3; ++n) {
        const int at = 6 + 2 * n;
        c.Fill(v == 0 ? Rect(at, 7, at + 1, 11) : Rect(7, at, 11, at + 1), line);
      }
    }
  }
  const TColourF gripMatte[] = {ThumbColour[Normal], ThumbColour[Pressed], ThumbColour[Hot]};
  return Flatten(strip.Canvas, 32,
                 [&](int x, int) {
                   const int k = strip.FrameOf(x);
                   return k >= 17 && k <= 22 ? gripMatte[(k - 17) % 3] : Face;
                 },
                 true);
}

// Thumbs: 1 normal, 2 pressed, 3 hot, 4 disabled; a rounded bar on the track.
TBitmap ScrollThumb(bool vertical) {
  const int w = vertical ? 17 : 22, h = vertical ? 100 : 17;
  TStrip strip(w, h, 4);
  const TState order[] = {Normal, Pressed, Hot, Disabled};
  for (int k = 1; k <= 4; ++k) {
    TCanvas& c = strip.Frame(k);
    c.Fill(Rect(0, 0, w, h), Track);
    if (vertical) {
      c.Fill(Rect(0, 0, 1, h), TrackEdge);
      c.Fill(Rect(16, 0, 17, h), TrackEdge);
      c.Fill(RoundRect(4, 1, 13, h - 1, 4), ThumbColour[order[k - 1]]);
    } else {
      c.Fill(Rect(0, 0, w, 1), TrackEdge);
      c.Fill(Rect(0, 16, w, 17), TrackEdge);
      c.Fill(RoundRect(1, 4, w - 1, 13, 4), ThumbColour[order[k - 1]]);
    }
  }
  return Flatten(strip.Canvas, 24, Uniform(Track), false);
}

// Tracks: 1 enabled, 3 unavailable (2 and 4 as 1).
TBitmap ScrollTrack(bool vertical) {
  TStrip strip(17, 17, 4);
  for (int k = 1; k <= 4; ++k) {
    TCanvas& c = strip.Frame(k);
    const bool off = k == 3;
    c.Fill(Rect(0, 0, 17, 17), off ? Grey(242) : Track);
    const TColourF edge = off ? Grey(234) : TrackEdge;
    if (vertical) {
      c.Fill(Rect(0, 0, 1, 17), edge);
      c.Fill(Rect(16, 0, 17, 17), edge);
    } else {
      c.Fill(Rect(0, 0, 17, 1), edge);
      c.Fill(Rect(0, 16, 17, 17), edge);
    }
  }
  return Flatten(strip.Canvas, 24, Uniform(Track), false);
}

// ---------------------------------------------------------------------------------------------
// Menus.

TBitmap MenuBackground() {
  TCanvas c(20, 20);
  c.Fill(Rect(0, 0, 20, 20), Grey(198));
  c.Fill(Rect(1, 1, 19, 19), MenuFace);
  return Flatten(c, 32, Uniform(MenuFace), false);
}

// 1 normal (nothing: the menu background shows), 2 separator, 3 nothing, 4 and 5 selected.
TBitmap MenuItem() {
  TStrip strip(20, 18, 5);
  strip.Frame(2).Fill(Rect(2, 13, 18, 14), Grey(222));  // a separator item shows the bottom rows
  for (int k : {4, 5}) {
    TCanvas& c = strip.Frame(k);
    c.Fill(RoundRect(0, 0, 20, 18, 2), {126, 186, 226});
    c.Fill(RoundRect(1, 1, 19, 17, 1), VerticalGradient(1, {214, 238, 250}, 17, Highlight));
  }
  return Flatten(strip.Canvas, 32, Uniform(MenuFace), true);
}

// ---------------------------------------------------------------------------------------------
// Extra images: drop-down arrows (normal, pressed, disabled, hot) and the size grip.

TBitmap ExtraImages() {
  TStrip strip(16, 17, 5);
  for (int k = 1; k <= 4; ++k) {
    const TState s = ButtonOrder[k - 1];
    const TColourF glyph = s == Disabled ? GlyphDisabled : s == Normal ? Glyph : GlyphHot;
    strip.Frame(k).Fill(Chevron(8, 8.5, 3, true, 1.5), glyph);
  }
  TCanvas& grip = strip.Frame(5);
  const int dots[][2] = {{13, 14}, {9, 14}, {13, 10}, {5, 14}, {9, 10}, {13, 6}};
  for (const auto& d : dots) {
    grip.Fill(Rect(d[0] + 1, d[1] + 1, d[0] + 2, d[1] + 2), White);
    grip.Fill(Rect(d[0], d[1], d[0] + 1, d[1] + 1), Grey(160));
    grip.Fill(Rect(d[0] + 1, d[1], d[0] + 2, d[1] + 1), Grey(186));
    grip.Fill(Rect(d[0], d[1] + 1, d[0] + 1, d[1] + 2), Grey(186));
  }
  return Flatten(strip.Canvas, 24, Uniform(Face), true);
}

// ---------------------------------------------------------------------------------------------
// Track bar thumbs: 1 normal, 2 normal (the one drawn), 3 pressed, 4 hot, 5 disabled.

TBoxLook ThumbLook(int k) {
  switch (k) {
    case 3: return {AccentDarkest, AccentDarkest, AccentDeep, AccentDeep};
    case 4: return {Accent, Accent, {128, 190, 234}, AccentBright};
    case 5: return {Grey(176), Grey(176), Grey(222), Grey(208)};
    default: return {AccentDeep, AccentDeep, AccentBright, Accent};
  }
}

TBitmap TrackThumbH() {
  TStrip strip(11, 21, 5);
  for (int k = 1; k <= 5; ++k) DrawBox(strip.Frame(k), 0, 0, 11, 21, 3, ThumbLook(k));
  return Flatten(strip.Canvas, 24, Uniform(Face), true);
}

TBitmap TrackThumbV() {
  TStrip strip(21, 11, 5);
  for (int k = 1; k <= 5; ++k) DrawBox(strip.Frame(k), 0, 0, 21, 11, 3, ThumbLook(k));
  return Flatten(strip.Canvas, 24, Uniform(Face), true);
}

// Track bar channels: a sunken groove, its ends kept (2 pixels) and its middle stretched.
TBitmap TrackChannel(bool vertical) {
  const int w = vertical ? 4 : 20, h = vertical ? 20 : 4;
  TCanvas c(w, h);
  c.Fill(Rect(0, 0, w, h), Grey(176));
  c.Fill(Rect(1, 1, w - 1, h - 1), Grey(232));
  return Flatten(c, 24, Uniform(Face), false);
}

TBitmap TrackBot() {
  TStrip strip(10, 18, 5);
  for (int k = 1; k <= 5; ++k) {
    const TBoxLook look = ThumbLook(k);
    TCanvas& c = strip.Frame(k);
    c.Fill(Polygon({{0, 0}, {10, 0}, {10, 12.5}, {5, 18}, {0, 12.5}}), look.BorderTop);
    c.Fill(Polygon({{1, 1}, {9, 1}, {9, 12.1}, {5, 16.5}, {1, 12.1}}),
           VerticalGradient(1, look.FillTop, 16, look.FillBottom));
  }
  return Flatten(strip.Canvas, 24, Uniform(Face), true);
}

// ---------------------------------------------------------------------------------------------
// Caption glyphs, drawn into a box whose top-left is (x, y).

enum TCaptionGlyph { GlyphClose, GlyphMaximize, GlyphMinimize, GlyphRestore };

void DrawCaptionGlyph(TCanvas& c, TCaptionGlyph g, double x, double y, double size, TColourF colour) {
  switch (g) {
    case GlyphClose:
      c.Fill(Stroke({{x + 0.5, y + 0.5}, {x + size - 0.5, y + size - 0.5}}, 1.35), colour);
      c.Fill(Stroke({{x + size - 0.5, y + 0.5}, {x + 0.5, y + size - 0.5}}, 1.35), colour);
      break;
    case GlyphMaximize:
      c.Fill(RoundFrame(x, y, x + size, y + size, 1, 1), colour);
      c.Fill(Rect(x + 1, y + 1, x + size - 1, y + 2), colour);
      break;
    case GlyphMinimize:
      c.Fill(Rect(x, y + size - 2, x + size, y + size), colour);
      break;
    case GlyphRestore: {
      const double s = size - 2;
      c.Fill(Minus(RoundFrame(x + 2, y, x + size, y + s, 1, 1), Rect(x, y + 2, x + s, y + size)), colour);
      c.Fill(RoundFrame(x, y + 2, x + s, y + size, 1, 1), colour);
      c.Fill(Rect(x + 1, y + 3, x + s - 1, y + 4), colour);
      break;
    }
  }
}

// Caption buttons on the title band: 17 x 16 (28 x 16 for close), six frames.
TBitmap CaptionButton(TCaptionGlyph glyph) {
  const bool close = glyph == GlyphClose;
  const int w = close ? 28 : 17, h = 16;
  constexpr int top = 5;  // YCoord of the buttons in the description
  TStrip strip(w, h, 6);
  for (int k = 1; k <= 6; ++k) {
    const TState s = CaptionOrder[k - 1];
    TCanvas& c = strip.Frame(k);
    if (s == Hot) c.Fill(RoundRect(0, 0, w, h, 3), close ? TColourF{214, 58, 58} : TColourF{86, 95, 110});
    if (s == Pressed) c.Fill(RoundRect(0, 0, w, h, 3), close ? TColourF{166, 36, 36} : TColourF{30, 34, 41});
    const TColourF colour = s == Disabled ? Grey(160) : s == Normal ? Grey(214) : White;
    DrawCaptionGlyph(c, glyph, (w - 9) / 2.0, 4, 9, colour);
  }
  return Flatten(strip.Canvas, 24,
                 [&](int x, int y) {
                   const bool inactive = CaptionOrder[strip.FrameOf(x) - 1] == Disabled;
                   return TitleRow(inactive ? InactiveTitle : ActiveTitle, top + y);
                 },
                 true);
}

// Child-window buttons in the menu band: minimise, restore, close; four states each
// (normal, pressed, hot, disabled), 13 x 13.
TBitmap MdiButton() {
  TStrip strip(13, 13, 12);
  const TCaptionGlyph glyphs[] = {GlyphMinimize, GlyphRestore, GlyphClose};
  for (int b = 0; b < 3; ++b) {
    for (int i = 0; i < 4; ++i) {
      const TState s = CaptionOrder[i];
      TCanvas& c = strip.Frame(b * 4 + i + 1);
      if (s == Hot) DrawBox(c, 0, 0, 13, 13, 2, {BorderHot, BorderHot, HighlightPale, HighlightPale});
      if (s == Pressed) DrawBox(c, 0, 0, 13, 13, 2, {BorderPressed, BorderPressed, Highlight, Highlight});
      DrawCaptionGlyph(c, glyphs[b], 3, 3, 7, s == Disabled ? GlyphDisabled : s == Normal ? Glyph : GlyphHot);
    }
  }
  return Flatten(strip.Canvas, 24, Uniform(Face), true);
}

// ---------------------------------------------------------------------------------------------
// Up-down buttons: frames 1-4 first direction, 5-8 second (normal, pressed, disabled, hot), and
// their arrows in the same order.

TBoxLook SpinLook(TState s) {
  switch (s) {
    case Pressed: return {BorderPressed, BorderPressed, Highlight, Highlight};
    case Disabled: return {Grey(216), Grey(216), Grey(248), Grey(244)};
    case Hot: return {BorderHot, BorderHot, HighlightPale, {214, 236, 250}};
    default: return {Grey(184), Grey(170), White, Grey(238)};
  }
}

TBitmap Spin() {
  TStrip strip(15, 16, 8);
  for (int k = 1; k <= 8; ++k) DrawBox(strip.Frame(k), 0, 0, 15, 16, 2.5, SpinLook(ButtonOrder[(k - 1) % 4]));
  return Flatten(strip.Canvas, 24, Uniform(Face), true);
}

TBitmap SpinArrows(bool horizontal) {
  const int w = horizontal ? 6 : 7, h = horizontal ? 7 : 6;
  TStrip strip(w, h, 8);
  for (int k = 1; k <= 8; ++k) {
    const TState s = ButtonOrder[(k - 1) % 4];
    const bool second = k > 4;  // down or right
    std::vector<std::pair<double, double>> tri;
    if (horizontal)
      tri = second ? decltype(tri){{1.5, 0.5}, {1.5, 6.5}, {4.5, 3.5}} : decltype(tri){{4.5, 0.5}, {4.5, 6.5}, {1.5, 3.5}};
    else
      tri = second ? decltype(tri){{0.5, 1.5}, {6.5, 1.5}, {3.5, 4.5}} : decltype(tri){{0.5, 4.5}, {6.5, 4.5}, {3.5, 1.5}};
    const TColourF glyph = s == Disabled ? GlyphDisabled : s == Normal ? Glyph : s == Hot ? GlyphHot : AccentDeep;
    strip.Frame(k).Fill(Polygon(tri), glyph);
  }
  return Flatten(strip.Canvas, 24,
                 [&](int x, int) { return SpinLook(ButtonOrder[(strip.FrameOf(x) - 1) % 4]).FillBottom; }, true);
}

}  // namespace

std::vector<TSkinPicture> DrawDefaultSkin() {
  return {
      {"buttons.bmp", Buttons()},
      {"checkbox.bmp", CheckBox()},
      {"radiobutton.bmp", RadioButton()},
      {"progress.bmp", Progress()},
      {"progresschunk.bmp", ProgressChunk()},
      {"tab.bmp", Tab()},
      {"tabsheet.bmp", TabSheet()},
      {"comboboxbtn.bmp", ComboButton()},
      {"statusbar.bmp", StatusBar()},
      {"header.bmp", Header()},
      {"scrollbararrow.bmp", ScrollbarArrow()},
      {"scrollbarhthumb.bmp", ScrollThumb(false)},
      {"scrollbarvthumb.bmp", ScrollThumb(true)},
      {"scrollbarhbar.bmp", ScrollTrack(false)},
      {"scrollbarvbar.bmp", ScrollTrack(true)},
      {"menubackground.bmp", MenuBackground()},
      {"menuitem.bmp", MenuItem()},
      {"extraimages.bmp", ExtraImages()},
      {"trackthumbh.bmp", TrackThumbH()},
      {"trackbot.bmp", TrackBot()},
      {"mdibutton.bmp", MdiButton()},
      {"spin.bmp", Spin()},
      {"spinarrow.bmp", SpinArrows(false)},
      {"spinh.bmp", Spin()},
      {"spinharrow.bmp", SpinArrows(true)},
      {"closebutton.bmp", CaptionButton(GlyphClose)},
      {"maxbutton.bmp", CaptionButton(GlyphMaximize)},
      {"minbutton.bmp", CaptionButton(GlyphMinimize)},
      {"restrorebutton.bmp", CaptionButton(GlyphRestore)},
      {"frameleft.bmp", FrameSide(true)},
      {"frameright.bmp", FrameSide(false)},
      {"frametop.bmp", FrameTop()},
      {"framebottom.bmp", FrameBottom()},
      {"mincaption.bmp", MinCaption()},
      {"trackthumbv.bmp", TrackThumbV()},
      {"track.bmp", TrackChannel(false)},
      {"trackvert.bmp", TrackChannel(true)},
  };
}
