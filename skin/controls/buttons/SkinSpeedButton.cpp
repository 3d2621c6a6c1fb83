#include "SkinSpeedButton.h"

#include <algorithm>
#include <cctype>

#include "ButtonDrawing.h"
#include "SkinMessages.h"
#include "WinSkinData.h"

namespace {

bool IsTrue(const tk::TObject* obj, std::string_view name) {
  std::string text = ::GetEnumText(obj, name);
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text == "true";
}

}  // namespace

const tk::TClassInfo& TSkinSpeedButton::StaticClass() {
  static const tk::TClassInfo info("TSkinSpeedButton", &TSkinBitButton::StaticClass());
  return info;
}

TSkinSpeedButton::TSkinSpeedButton(tk::TComponent* owner) : TSkinBitButton(owner) {}

TSkinSpeedButton::~TSkinSpeedButton() {
  if (FAliveFlag) *FAliveFlag = false;
  GiveCompanionBack();
}

void TSkinSpeedButton::AttachSpeedButton(TWinSkinForm* form, TSkinData* skin, tk::TCanvas* canvas) {
  if (Attached) return;
  auto* button = dynamic_cast<tk::TControl*>(Owner());
  if (!button) return;
  SkinData = skin;
  Canvas = canvas;
  SetCompanion(button);
  OldWindowProc = button->WindowProc;
  button->WindowProc = [this](tk::TMessage& m) { CompanionMessage(m); };
  FCompanionTaken = true;
  RegisterWithForm(form);
  State = psAttached;
  Attached = true;
  ParentLook = button->Tag() == 5555 || (skin && skin->Options().Contains(TSkinOption::xoTransparent));
  button->Invalidate();
}

void TSkinSpeedButton::GiveCompanionBack() {
  if (!FCompanionTaken) return;
  FCompanionTaken = false;
  if (Companion) Companion->WindowProc = std::move(OldWindowProc);
  OldWindowProc = nullptr;
}

void TSkinSpeedButton::Notification(tk::TComponent* component, tk::TOperation operation) {
  // The button is going but still whole: its procedure goes back before it is forgotten.
  if (operation == tk::TOperation::opRemove && component == Companion && component) GiveCompanionBack();
  TSkinBitButton::Notification(component, operation);
}

// ---------------------------------------------------------------------------------------------
// Messages

void TSkinSpeedButton::CallCompanion(tk::TMessage& msg) {
  tk::TWndMethod previous = OldWindowProc;  // a handler may give the button back while it runs
  if (!previous) return;
  if (!FCompanionFailure) {
    previous(msg);
    return;
  }
  try {
    previous(msg);
  } catch (...) {
    *FCompanionFailure = std::current_exception();
  }
}

void TSkinSpeedButton::CompanionMessage(tk::TMessage& msg) {
  if (msg.Msg == SKM_SETACTIVE) {
    const bool turnedOn = msg.WParam > 0 && !Active;
    Active = msg.WParam > 0;
    if (turnedOn) Repaint();
    return;
  }
  if (!Active) {
    CallCompanion(msg);
    return;
  }
  bool alive = true;
  bool* const outerAlive = FAliveFlag;
  FAliveFlag = &alive;
  std::exception_ptr failure;
  std::exception_ptr* const outerFailure = FCompanionFailure;
  FCompanionFailure = &failure;
  try {
    IsEnabled = Companion && Companion->Enabled();
    if (BeforeMessage(msg)) {
      CallCompanion(msg);
      if (alive) AfterMessage(msg);
    }
  } catch (...) {
    // The painter's failures stay here.
  }
  if (alive) {
    FAliveFlag = outerAlive;
    FCompanionFailure = outerFailure;
  } else if (outerAlive) {
    *outerAlive = false;
  }
  if (failure) std::rethrow_exception(failure);
}

bool TSkinSpeedButton::BeforeMessage(tk::TMessage& msg) {
  switch (msg.Msg) {
    case WM_PAINT:
      if (!msg.WParam) return true;
      PaintNow(reinterpret_cast<HDC>(msg.WParam));
      msg.Result = 1;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      bool alive = true;
      bool* const outer = FAliveFlag;
      FAliveFlag = &alive;
      CallCompanion(msg);  // the button handles the press itself
      if (!alive) {
        if (outer) *outer = false;
        return false;
      }
      FAliveFlag = outer;
      States |= scsPressed;
      PaintNow(nullptr);
      return false;
    }
    case WM_LBUTTONUP:
    case WM_NCDESTROY:
      return true;
    case SKM_ISSKINNED:
      msg.Result = 1;
      return false;
    default:
      return true;
  }
}

void TSkinSpeedButton::AfterMessage(tk::TMessage& msg) {
  switch (msg.Msg) {
    case WM_ENABLE:
    case tk::CM_FOCUSCHANGED:
    case tk::CM_ENABLEDCHANGED:
      break;
    case WM_NCDESTROY:
    case tk::CM_RELEASE:
      GiveCompanionBack();
      break;
    case WM_KEYDOWN:
      if (msg.WParam == VK_SPACE) {
        States |= scsPressed;
        PaintNow(nullptr);
      }
      break;
    case WM_KEYUP:
      if (msg.WParam == VK_SPACE) {
        States &= static_cast<uint8_t>(~scsPressed);
        PaintNow(nullptr);
      }
      break;
    case WM_LBUTTONUP:
      States &= static_cast<uint8_t>(~scsPressed);
      PaintNow(nullptr);
      break;
    case tk::CM_MOUSEENTER:
      States |= scsHot;
      PaintNow(nullptr);
      break;
    case tk::CM_MOUSELEAVE:
      States &= static_cast<uint8_t>(~(scsHot | scsPressed));
      if (Companion && Companion->Visible()) PaintNow(nullptr);
      break;
    default:
      TSkinBitButton::AfterMessage(msg);
      break;
  }
}

void TSkinSpeedButton::PaintNow(HDC dc) {
  if (!Companion) return;
  const RECT rect{0, 0, Companion->Width(), Companion->Height()};
  try {
    if (dc) {
      Draw(dc, rect);
      return;
    }
    // No DC handed over: the parent's window at the button's place, as the parent would set it up.
    tk::TWinControl* parent = Companion->Parent();
    if (!parent || !parent->HandleAllocated() || !Companion->Showing()) return;
    tk::WindowDC parentDc(parent->HandleIfAllocated());
    if (!parentDc.Get()) return;
    tk::SavedDC saved(parentDc.Get());
    SetViewportOrgEx(parentDc.Get(), Companion->Left(), Companion->Top(), nullptr);
    IntersectClipRect(parentDc.Get(), 0, 0, rect.right, rect.bottom);
    Draw(parentDc.Get(), rect);
  } catch (...) {
    // A failing paint leaves the button as it is until its next paint.
  }
}

// ---------------------------------------------------------------------------------------------
// Drawing

void TSkinSpeedButton::Draw(HDC dc, const RECT& rect) {
  TDataSkinButton* element = ButtonsElement();
  if (!element || !Companion || !IsTrue(Companion, "Visible")) return;
  if (Busy) return;
  Busy = true;
  try {
    if (!ImageProperty.empty()) DrawPictureVariant(dc, rect, *element);
    else DrawSpeedButton(dc, rect, *element);
  } catch (...) {
    Busy = false;
    throw;
  }
  Busy = false;
}

void TSkinSpeedButton::DrawSpeedButton(HDC dc, const RECT& rect, TDataSkinButton& element) {
  const int base = (States & scsPressed) ? bfPressed : (States & scsHot) ? bfHot : bfNormal;
  const bool enabled = IsTrue(Companion, "Enabled"), down = IsTrue(Companion, "Down");
  const int frame = down ? bfPressed : enabled ? base : bfDisabled;
  int glyphFrame = frame == bfPressed ? 3 : frame == bfDisabled ? 2 : 1;
  if (down) glyphFrame = 4;

  Caption = PrepareButtonCaption(::GetTextProp(Companion, "Caption"));
  auto* glyph = dynamic_cast<tk::TBitmap*>(::GetObjectProp(Companion, "Glyph", &tk::TBitmap::StaticClass()));
  if (glyph && glyph->Empty()) glyph = nullptr;
  const int numGlyphs = std::max(static_cast<int>(::GetIntProp(Companion, "NumGlyphs")), 1);
  const bool flat = IsTrue(Companion, "Flat");

  const RECT work{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  if (work.right < 1 || work.bottom < 1) return;
  if (!PrepareBuffer(work)) return;
  HDC buffer = Buffer.Canvas().Handle();
  if (frame == bfPressed || frame == bfHot || !flat) DrawElement(buffer, work, ButtonFrameCount, frame, element);

  tk::SelectGuard font(buffer, Companion->Font().Handle());
  SetTextColor(buffer, ButtonTextColour(element, frame, tk::ColorToRGB(Companion->Font().Color()), true));
  const SIZE glyphSize = glyph ? SIZE{glyph->Width() / numGlyphs, glyph->Height()} : SIZE{0, 0};
  if (glyphSize.cx > 0 && glyphSize.cy > 0) {
    TGlyphLayoutInput in = LayoutInput(buffer, work.right, work.bottom, glyphSize);
    in.speedButton = true;
    in.centred = false;
    const TGlyphLayout layout = LayOutGlyphAndText(in);
    DrawGlyphFrame(buffer, layout.glyph, numGlyphs, glyphFrame, *glyph);
    if (!Caption.empty()) {
      const RECT text{layout.text.x, layout.text.y, layout.text.x + in.textWidth, layout.text.y + in.textHeight};
      SetBkMode(buffer, TRANSPARENT);
      RECT drawn = text;
      DrawTextW(buffer, Caption.c_str(), static_cast<int>(Caption.size()), &drawn, RtlFormat(layout.format));
      SetBkMode(buffer, OPAQUE);
    }
  } else {
    DrawButtonCaption(buffer, work, DT_CENTER, Caption, false, RtlFormat(0));
  }
  BitBlt(dc, rect.left, rect.top, work.right, work.bottom, buffer, 0, 0, SRCCOPY);
}
