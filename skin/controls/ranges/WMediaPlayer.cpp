#include "WMediaPlayer.h"

#include <windowsx.h>

#include <string>
#include <string_view>

#include "ElementDrawing.h"
#include "TypeInfo.h"
#include "WinSkinData.h"
#include "WinSubClass.h"

namespace {

const char* const ButtonIdents[TWMediaPlayer::ButtonCount] = {"btPlay", "btPause", "btStop", "btNext", "btPrev",
                                                              "btStep", "btBack", "btRecord", "btEject"};
const wchar_t* const ButtonNames[TWMediaPlayer::ButtonCount] = {L"MPPLAY", L"MPPAUSE", L"MPSTOP",   L"MPNEXT", L"MPPREV",
                                                                L"MPSTEP", L"MPBACK",  L"MPRECORD", L"MPEJECT"};
const wchar_t* const LookNames[] = {L"EN", L"DI", L"CL"};
constexpr tk::TColor GlyphKeyColour = 0x008080;  // olive
enum TButtonFrame { bfNormal = 1, bfPressed = 2, bfDisabled = 3 };

// A set property as text ("[btPlay,btStop]"); empty when the control has no such set.
std::string SetTextOf(const tk::TObject* obj, std::string_view name) {
  const tk::TPropInfo* prop = tk::FindPropInfo(obj, name);
  if (!prop || prop->kind != tk::TTypeKind::Set || !prop->enumType || !prop->getOrd) return {};
  return tk::SetToString(*prop->enumType, static_cast<uint64_t>(prop->getOrd(*obj)));
}

bool Mentions(const std::string& text, std::string_view ident) {
  for (size_t at = text.find(ident); at != std::string::npos; at = text.find(ident, at + 1)) {
    const size_t end = at + ident.size();
    const bool startOk = at == 0 || text[at - 1] == '[' || text[at - 1] == ',' || text[at - 1] == ' ';
    const bool endOk = end == text.size() || text[end] == ']' || text[end] == ',' || text[end] == ' ';
    if (startOk && endOk) return true;
  }
  return false;
}

}  // namespace

const tk::TClassInfo& TWMediaPlayer::StaticClass() {
  static const tk::TClassInfo info("TWMediaPlayer", &tk::TCustomControl::StaticClass());
  return info;
}

std::wstring TWMediaPlayer::GlyphName(TGlyphLook look, int button) {
  return std::wstring(LookNames[look]) + L"_" + ButtonNames[button];
}

TWMediaPlayer::TWMediaPlayer(tk::TComponent* owner) : tk::TCustomControl(owner) {
  HINSTANCE module = GetModuleHandleW(nullptr);
  for (int look = glEnabled; look <= glColoured; ++look) {
    for (int b = 0; b < ButtonCount; ++b) {
      auto glyph = std::make_unique<tk::TBitmap>();
      try {
        glyph->LoadFromResourceName(module, GlyphName(static_cast<TGlyphLook>(look), b).c_str());
      } catch (...) {
        glyph->Clear();  // no such resource: the button goes without its glyph
      }
      FGlyphs[look * ButtonCount + b] = std::move(glyph);
    }
  }
}

TWMediaPlayer::TButtonLooks TWMediaPlayer::ReadLooks() const {
  TButtonLooks looks;
  const std::string shown = SetTextOf(Player, "VisibleButtons");
  const std::string enabled = SetTextOf(Player, "EnabledButtons");
  const std::string coloured = SetTextOf(Player, "ColoredButtons");
  for (int b = 0; b < ButtonCount; ++b) {
    looks.Shown[b] = Mentions(shown, ButtonIdents[b]);
    looks.Enabled[b] = Mentions(enabled, ButtonIdents[b]);
    looks.Coloured[b] = Mentions(coloured, ButtonIdents[b]);
    looks.ShownCount += looks.Shown[b] ? 1 : 0;
  }
  return looks;
}

int TWMediaPlayer::ButtonAt(int x) const {
  const TButtonLooks looks = ReadLooks();
  if (looks.ShownCount == 0 || x < 0) return -1;
  const int w = Width() / looks.ShownCount;
  if (w <= 0) return -1;
  int column = x / w;
  for (int b = 0; b < ButtonCount; ++b) {
    if (!looks.Shown[b]) continue;
    if (column-- == 0) return b;
  }
  return -1;
}

void TWMediaPlayer::Paint() {
  const int width = Width(), height = Height();
  if (width <= 0 || height <= 0) return;
  TSkinData* skin = Painter ? Painter->SkinData : nullptr;
  const tk::TColor face = skin ? skin->Colors[scButtonFace] : tk::clBtnFace;
  const TButtonLooks looks = ReadLooks();
  tk::TBitmap bitmap(width, height, tk::TPixelFormat::pf24bit);
  HDC work = bitmap.Canvas().Handle();
  FillColor(work, RECT{0, 0, width, height}, face);
  if (looks.ShownCount > 0) {
    const int w = width / looks.ShownCount;
    TDataSkinButton* buttons = skin ? skin->Buttons.get() : nullptr;
    int column = 0;
    for (int b = 0; b < ButtonCount; ++b) {
      if (!looks.Shown[b]) continue;
      const RECT r{column * w, 0, (column + 1) * w, height};
      ++column;
      const bool pressed = FPressed && FDownButton == b;
      const int frame = pressed ? bfPressed : !looks.Enabled[b] ? bfDisabled : bfNormal;
      if (buttons && !buttons->Bitmap.Empty())
        DrawBitmapFrame(work, r, buttons->Bitmap, false, buttons->Tile == 1, buttons->Trans, buttons->FrameCount, frame,
                        buttons->Margins());
      const TGlyphLook look = !looks.Enabled[b] ? glDisabled : looks.Coloured[b] ? glColoured : glEnabled;
      tk::TBitmap& glyph = *FGlyphs[look * ButtonCount + b];
      if (glyph.Empty()) continue;
      const int shift = pressed ? 1 : 0;
      const int x = r.left + (w - glyph.Width()) / 2 + shift, y = (height - glyph.Height()) / 2 + shift;
      DrawTransparent(work, RECT{x, y, x + glyph.Width(), y + glyph.Height()}, glyph, GlyphKeyColour);
    }
  }
  BitBlt(Canvas().Handle(), 0, 0, width, height, work, 0, 0, SRCCOPY);
}

void TWMediaPlayer::WndProc(tk::TMessage& msg) {
  switch (msg.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      PressAt(msg);
      msg.Result = 0;
      return;
    case WM_LBUTTONUP:
      ReleaseAt(msg);
      msg.Result = 0;
      return;
    case WM_ERASEBKGND:
      msg.Result = 1;
      return;
    default:
      tk::TCustomControl::WndProc(msg);
  }
}

void TWMediaPlayer::PressAt(const tk::TMessage& msg) {
  FPressed = true;
  PassToPlayer(tk::TMessage{WM_LBUTTONDOWN, msg.WParam, msg.LParam, 0});
  // The control may have taken the mouse: the release must come back here.
  ReleaseCapture();
  FDownButton = ButtonAt(GET_X_LPARAM(msg.LParam));
  Invalidate();
}

void TWMediaPlayer::ReleaseAt(const tk::TMessage& msg) {
  FPressed = false;
  if (FDownButton >= 0 && ButtonAt(GET_X_LPARAM(msg.LParam)) == FDownButton) PassToPlayer(msg);
  FDownButton = -1;
  Invalidate();
}

void TWMediaPlayer::PassToPlayer(const tk::TMessage& msg) {
  auto* player = dynamic_cast<tk::TWinControl*>(Player);
  HWND wnd = player ? player->HandleIfAllocated() : nullptr;
  if (wnd) SendMessageW(wnd, msg.Msg, msg.WParam, msg.LParam);
}
