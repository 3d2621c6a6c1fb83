#include "SkinTab31.h"

#include "Encoding.h"
#include "GdiHandle.h"
#include "ImgUtil.h"
#include "PainterFactory.h"
#include "Strings.h"
#include "Text.h"
#include "WinSkinData.h"

const tk::TClassInfo& TSkinTab31::StaticClass() {
  static const tk::TClassInfo info("TSkinTab31", &TSkinControl::StaticClass());
  return info;
}

TSkinTab31::TSkinTab31(tk::TComponent* owner) : TSkinControl(owner) {}

TSkinTab31::~TSkinTab31() {
  if (UpDown) UpDown->RemoveFreeNotification(this);
  if (Scroller) Scroller->RemoveFreeNotification(this);
}

void TSkinTab31::Notification(tk::TComponent* component, tk::TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation != tk::TOperation::opRemove) return;
  if (component == UpDown) UpDown = nullptr;
  if (component == Scroller) Scroller = nullptr;
}

void TSkinTab31::Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) {
  if (Attached) return;
  TSkinControl::Attach(form, skin, recolour, canvas);
  PrepareImage();
  // The set's scroller is its first owned component.
  if (Control && Control->ComponentCount() > 0) {
    auto* first = dynamic_cast<tk::TWinControl*>(Control->Components(0));
    if (first && tk::LowerCase(first->ClassName()).find("scroller") != std::string::npos) {
      Scroller = first;
      Scroller->FreeNotification(this);
      // Null until the up-down painters exist: the scroller then draws itself.
      UpDown = SkinControlAs(TPainterKind::pkUpDownHorz, Scroller, Form, SkinData, false, Canvas);
      if (UpDown) UpDown->FreeNotification(this);
    }
  }
}

void TSkinTab31::SkinChanged() {
  TSkinControl::SkinChanged();
  PrepareImage();
  Repaint();
}

void TSkinTab31::PrepareImage() {
  TabImage.Clear();
  if (!SkinData || !SkinData->Tabs || SkinData->Tabs->Bitmap.Empty()) return;
  TabImage.Assign(SkinData->Tabs->Bitmap);
  FlipBitmap(TabImage);
}

bool TSkinTab31::BeforeMessage(tk::TMessage& msg) {
  if (!TSkinControl::BeforeMessage(msg)) return false;
  switch (msg.Msg) {
    case WM_PAINT:
      // The set's own painting would only draw over ours again.
      PaintWithBeginPaint(msg);
      return false;
    case WM_ERASEBKGND:
      msg.Result = 1;
      return false;
    default:
      return true;
  }
}

void TSkinTab31::Draw(HDC dc, const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0 || !SkinData || TabImage.Empty() || !Control) return;
  if (Work.Width() != width || Work.Height() != height) Work.SetSize(width, height);
  HDC work = Work.Canvas().Handle();
  tk::SavedDC saved(work);
  FillColor(work, RECT{0, 0, width, height}, SkinData->Colors[scButtonFace]);
  SelectObject(work, Control->Font().Handle());
  SetBkMode(work, TRANSPARENT);

  const TDataSkinBorder& tabs = *SkinData->Tabs;
  TElementMargins margins = tabs.Margins();
  std::swap(margins.TopHeight, margins.BottomHeight);  // the image is upside down
  auto* strings = dynamic_cast<tk::TStrings*>(::GetObjectProp(Control, "Tabs", &tk::TStrings::StaticClass()));
  const int count = strings ? strings->Count() : 0;
  const int selected = static_cast<int>(::GetIntProp(Control, "TabIndex"));
  const int first = static_cast<int>(std::max<int64_t>(0, ::GetIntProp(Control, "FirstIndex")));
  const int endLimit = width - static_cast<int>(std::max<int64_t>(0, ::GetIntProp(Control, "EndMargin")));
  const bool scrollerShown = Scroller && Scroller->Visible();
  int x = static_cast<int>(std::max<int64_t>(0, ::GetIntProp(Control, "StartMargin")));
  for (int i = first; i < count; ++i) {
    const std::wstring text = tk::GbkToWide((*strings)[i]);
    SIZE size{};
    GetTextExtentPoint32W(work, text.c_str(), static_cast<int>(text.size()), &size);
    const int need = size.cx + (scrollerShown ? TabPadding + ScrollerReserve : TabPadding);
    if (x + need > endLimit) break;
    RECT r{x, 0, x + size.cx + TabPadding, height};
    const int frame = i == selected ? 2 : 1;
    DrawBitmapFrame(work, r, TabImage, false, tabs.Tile == 1, tabs.Trans, tabs.FrameCount > 0 ? tabs.FrameCount : 5,
                    frame, margins);
    SetTextColor(work, tk::ColorToRGB(frame == 1 ? tabs.NormalColour2 : tabs.MouseOverColour2));
    DrawTextW(work, text.c_str(), static_cast<int>(text.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    x += size.cx + TabPadding;
  }
  BitBlt(dc, rect.left, rect.top, width, height, work, 0, 0, SRCCOPY);
}
