#include "ComCtrls.h"
#include "WindowTextLines.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <fstream>

#include "Encoding.h"
#include "Forms.h"

namespace tk {

// ---------------------------------------------------------------------------------------------
// TToolBar

const TClassInfo& TToolBar::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TToolBar", &TWinControl::StaticClass());
    c.Property("ButtonHeight", &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight);
    c.Property("ButtonWidth", &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth);
    c.Property("EdgeBorders", &TToolBar::EdgeBorders, &TToolBar::SetEdgeBorders);
    c.Property("Flat", &TToolBar::Flat, &TToolBar::SetFlat);
    c.Property("ParentBackground", &TToolBar::ParentBackground, &TToolBar::SetParentBackground);
    c.Property("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions);
    c.Property("Transparent", &TToolBar::Transparent, &TToolBar::SetTransparent);
    c.Property("Wrapable", &TToolBar::Wrapable, &TToolBar::SetWrapable);
    c.Event("OnCustomDraw", &TToolBar::OnCustomDraw);
    c.Event("OnCustomDrawButton", &TToolBar::OnCustomDrawButton);
    c.SetFactory([](TComponent* owner) { return new TToolBar(owner); });
    return c;
  }();
  return info;
}

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
  align_ = TAlign::alTop;
  width_ = 150;
  height_ = 29;
  parentColor_ = true;
  color_ = clBtnFace;
}

void TToolBar::SetButtonHeight(int v) {
  buttonHeight_ = v;
  if (HandleAllocated()) SendMessageW(handle_, TB_SETBUTTONSIZE, 0, MAKELPARAM(buttonWidth_, buttonHeight_));
}

void TToolBar::SetButtonWidth(int v) {
  buttonWidth_ = v;
  if (HandleAllocated()) SendMessageW(handle_, TB_SETBUTTONSIZE, 0, MAKELPARAM(buttonWidth_, buttonHeight_));
}

void TToolBar::SetFlat(bool v) {
  if (v == flat_) return;
  flat_ = v;
  if (HandleAllocated()) {
    LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
    SetWindowLongPtrW(handle_, GWL_STYLE, v ? (style | TBSTYLE_FLAT) : (style & ~static_cast<LONG_PTR>(TBSTYLE_FLAT)));
    Invalidate();
  }
}

void TToolBar::SetTransparent(bool v) {
  if (v == transparent_) return;
  transparent_ = v;
  RecreateWnd();
}

void TToolBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClassName = TOOLBARCLASSNAMEW;
  // The toolkit places the bar and its controls itself.
  params.style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | TBSTYLE_TOOLTIPS | WS_CLIPCHILDREN;
  if (flat_) params.style |= TBSTYLE_FLAT;
  if (transparent_) params.style |= TBSTYLE_TRANSPARENT;
  if (wrapable_) params.style |= TBSTYLE_WRAPABLE;
}

void TToolBar::InitializeWnd() {
  TWinControl::InitializeWnd();
  SendMessageW(handle_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(handle_, TB_SETBUTTONSIZE, 0, MAKELPARAM(buttonWidth_, buttonHeight_));
}

LRESULT TToolBar::CustomDraw(NMTBCUSTOMDRAW& draw) {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT: {
      if (OnCustomDraw) {
        bool defaultDraw = true;
        RECT r;
        GetClientRect(handle_, &r);
        customDrawDC_ = draw.nmcd.hdc;
        struct Reset {
          HDC& dc;
          ~Reset() { dc = nullptr; }
        } reset{customDrawDC_};
        OnCustomDraw(this, r, defaultDraw);
        if (!defaultDraw) return CDRF_SKIPDEFAULT;
      }
      return OnCustomDrawButton ? CDRF_NOTIFYITEMDRAW : CDRF_DODEFAULT;
    }
    case CDDS_ITEMPREPAINT: {
      if (!OnCustomDrawButton) return CDRF_DODEFAULT;
      TToolBarButtonDraw button;
      button.DC = draw.nmcd.hdc;
      button.Bounds = draw.nmcd.rc;
      button.State = draw.nmcd.uItemState;
      button.Command = static_cast<int>(draw.nmcd.dwItemSpec);
      button.TextColour = draw.clrText;
      bool defaultDraw = true;
      OnCustomDrawButton(this, button, defaultDraw);
      if (!defaultDraw) return CDRF_SKIPDEFAULT;
      LRESULT result = CDRF_DODEFAULT;
      if (button.TextColour != draw.clrText) {
        draw.clrText = button.TextColour;
        result |= CDRF_NEWFONT;
      }
      // A themed bar would paint its own button face over the handler's frame too.
      if (!button.DrawEdges) result |= TBCDRF_NOEDGES | TBCDRF_NOBACKGROUND;
      return result;
    }
    default:
      return CDRF_DODEFAULT;
  }
}

void TToolBar::WndProc(TMessage& msg) {
  if (msg.Msg == CN_NOTIFY) {
    const auto* hdr = reinterpret_cast<const NMHDR*>(msg.LParam);
    if (hdr->code == static_cast<UINT>(NM_CUSTOMDRAW)) {
      msg.Result = CustomDraw(*reinterpret_cast<NMTBCUSTOMDRAW*>(msg.LParam));
      return;
    }
  }
  if (msg.Msg == WM_ERASEBKGND && !transparent_) {
    RECT r;
    GetClientRect(handle_, &r);
    ::FillRect(reinterpret_cast<HDC>(msg.WParam), &r, ControlBrush());
    if (edgeBorders_.Contains(TEdgeBorder::ebTop)) {
      RECT edge = r;
      DrawEdge(reinterpret_cast<HDC>(msg.WParam), &edge, EDGE_ETCHED, BF_TOP);
    }
    msg.Result = 1;
    return;
  }
  TWinControl::WndProc(msg);
}

// ---------------------------------------------------------------------------------------------
// TStatusBar

const TClassInfo& TStatusPanel::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TStatusPanel", &TCollectionItem::StaticClass());
    c.Property("Alignment", &TStatusPanel::Alignment, &TStatusPanel::SetAlignment);
    c.Property("Bevel", &TStatusPanel::Bevel, &TStatusPanel::SetBevel);
    c.Property("Style", &TStatusPanel::Style, &TStatusPanel::SetStyle);
    c.Property("Text", &TStatusPanel::Text, &TStatusPanel::SetText);
    c.Property("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth);
    return c;
  }();
  return info;
}

const TClassInfo& TStatusBar::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TStatusBar", &TWinControl::StaticClass());
    c.Property("Panels", &TStatusBar::PanelsObject);
    c.Property("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel);
    c.Property("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText);
    c.Property("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip);
    c.Event("OnDrawPanel", &TStatusBar::OnDrawPanel);
    c.SetFactory([](TComponent* owner) { return new TStatusBar(owner); });
    return c;
  }();
  return info;
}

TStatusBar::TStatusBar(TComponent* owner)
    : TWinControl(owner), panels_([](TCollection* c) { return std::make_unique<TStatusPanel>(c); }) {
  align_ = TAlign::alBottom;
  height_ = 19;
  width_ = 200;
  color_ = clBtnFace;
  panels_.OnUpdate = [this](TCollectionItem* item) {
    if (item) UpdatePanel(item->Index());
    else UpdatePanels();
  };
}

void TStatusBar::SetSimplePanel(bool v) {
  simplePanel_ = v;
  if (HandleAllocated()) SendMessageW(handle_, SB_SIMPLE, v, 0);
}

void TStatusBar::SetSimpleText(const std::string& v) {
  simpleText_ = v;
  if (HandleAllocated()) SendMessageW(handle_, SB_SETTEXTW, 255, reinterpret_cast<LPARAM>(GbkToWide(v).c_str()));
}

void TStatusBar::SetSizeGrip(bool v) {
  if (v == sizeGrip_) return;
  sizeGrip_ = v;
  RecreateWnd();
}

void TStatusBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClassName = STATUSCLASSNAMEW;
  params.style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_BOTTOM;
  // A grip only where it can size something: on a sizeable form.
  auto* form = dynamic_cast<TCustomForm*>(parent_);
  if (sizeGrip_ && form &&
      (form->BorderStyle() == TFormBorderStyle::bsSizeable || form->BorderStyle() == TFormBorderStyle::bsSizeToolWin))
    params.style |= SBARS_SIZEGRIP;
}

void TStatusBar::InitializeWnd() {
  TWinControl::InitializeWnd();
  UpdatePanels();
  if (simplePanel_) SendMessageW(handle_, SB_SIMPLE, TRUE, 0);
}

void TStatusBar::UpdatePanels() {
  if (!HandleAllocated()) return;
  const int n = std::min(panels_.Count(), 64);
  if (n == 0) {
    int right = -1;
    SendMessageW(handle_, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&right));
    return;
  }
  int edges[64];
  int x = 0;
  for (int i = 0; i < n; ++i) {
    x += Panel(i)->Width();
    edges[i] = i == n - 1 ? -1 : x;
  }
  SendMessageW(handle_, SB_SETPARTS, static_cast<WPARAM>(n), reinterpret_cast<LPARAM>(edges));
  for (int i = 0; i < n; ++i) UpdatePanel(i);
}

void TStatusBar::UpdatePanel(int index) {
  if (!HandleAllocated() || index < 0 || index >= std::min(panels_.Count(), 64)) return;
  TStatusPanel* p = Panel(index);
  WPARAM flags = static_cast<WPARAM>(index);
  if (p->Style() == TStatusPanelStyle::psOwnerDraw) flags |= SBT_OWNERDRAW;
  if (p->Bevel() == TStatusPanelBevel::pbNone) flags |= SBT_NOBORDERS;
  else if (p->Bevel() == TStatusPanelBevel::pbRaised) flags |= SBT_POPOUT;
  std::wstring text = GbkToWide(p->Text());
  if (p->Alignment() == TAlignment::taCenter) text = L"\t" + text;
  else if (p->Alignment() == TAlignment::taRightJustify) text = L"\t\t" + text;
  SendMessageW(handle_, SB_SETTEXTW, flags,
               p->Style() == TStatusPanelStyle::psOwnerDraw ? reinterpret_cast<LPARAM>(p) : reinterpret_cast<LPARAM>(text.c_str()));
}

std::string TStatusBar::PanelTextShown(int index) const {
  if (!handle_) return {};
  const LRESULT info = SendMessageW(handle_, SB_GETTEXTLENGTHW, static_cast<WPARAM>(index), 0);
  std::wstring text(LOWORD(info) + 1, L'\0');
  SendMessageW(handle_, SB_GETTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(LOWORD(info));
  return WideToGbk(text);
}

void TStatusBar::WndProc(TMessage& msg) {
  if (msg.Msg == CN_DRAWITEM) {
    const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(msg.LParam);
    if (OnDrawPanel && static_cast<int>(dis->itemID) < panels_.Count())
      OnDrawPanel(this, Panel(static_cast<int>(dis->itemID)), dis->rcItem);
    msg.Result = 1;
    return;
  }
  TWinControl::WndProc(msg);
}

// ---------------------------------------------------------------------------------------------
// TRichEdit

class TRichEdit::RichLines : public TWindowTextLines {
 public:
  using TWindowTextLines::TWindowTextLines;
};

const TClassInfo& TTextAttributes::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TTextAttributes", &TObject::StaticClass());
    c.Property("Charset", &TTextAttributes::Charset, &TTextAttributes::SetCharset);
    c.IntProperty("Color", &TTextAttributes::Color, &TTextAttributes::SetColor, &ColorIdents());
    c.Property("Height", &TTextAttributes::Height, &TTextAttributes::SetHeight);
    c.Property("Name", &TTextAttributes::Name, &TTextAttributes::SetName);
    return c;
  }();
  return info;
}

namespace {
int ScreenPixelsPerInch() {
  WindowDC dc(nullptr);
  return GetDeviceCaps(dc.Get(), LOGPIXELSY);
}
}  // namespace

CHARFORMAT2W TTextAttributes::Get(DWORD mask) const {
  CHARFORMAT2W cf{};
  cf.cbSize = sizeof cf;
  cf.dwMask = mask;
  SendMessageW(owner_.Handle(), EM_GETCHARFORMAT, selection_ ? SCF_SELECTION : SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
  return cf;
}

void TTextAttributes::Set(CHARFORMAT2W& cf) {
  cf.cbSize = sizeof cf;
  SendMessageW(owner_.Handle(), EM_SETCHARFORMAT, selection_ ? SCF_SELECTION : SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
}

TColor TTextAttributes::Color() const {
  CHARFORMAT2W cf = Get(CFM_COLOR);
  return (cf.dwEffects & CFE_AUTOCOLOR) ? clWindowText : static_cast<TColor>(cf.crTextColor);
}

void TTextAttributes::SetColor(TColor c) {
  CHARFORMAT2W cf{};
  cf.dwMask = CFM_COLOR;
  if (c == clWindowText) cf.dwEffects = CFE_AUTOCOLOR;
  else cf.crTextColor = ColorToRGB(c);
  Set(cf);
}

std::string TTextAttributes::Name() const { return WideToGbk(Get(CFM_FACE).szFaceName); }

void TTextAttributes::SetName(const std::string& name) {
  CHARFORMAT2W cf{};
  cf.dwMask = CFM_FACE;
  wcsncpy(cf.szFaceName, GbkToWide(name).c_str(), LF_FACESIZE - 1);
  Set(cf);
}

int TTextAttributes::Height() const { return -MulDiv(Get(CFM_SIZE).yHeight, ScreenPixelsPerInch(), 1440); }

void TTextAttributes::SetHeight(int height) {
  CHARFORMAT2W cf{};
  cf.dwMask = CFM_SIZE;
  cf.yHeight = MulDiv(std::abs(height), 1440, ScreenPixelsPerInch());
  Set(cf);
}

int TTextAttributes::Charset() const { return Get(CFM_CHARSET).bCharSet; }

void TTextAttributes::SetCharset(int charset) {
  CHARFORMAT2W cf{};
  cf.dwMask = CFM_CHARSET;
  cf.bCharSet = static_cast<BYTE>(charset);
  Set(cf);
}

void TTextAttributes::AssignFont(const TFont& font) {
  CHARFORMAT2W cf{};
  cf.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;
  wcsncpy(cf.szFaceName, GbkToWide(font.Name()).c_str(), LF_FACESIZE - 1);
  cf.yHeight = MulDiv(std::abs(font.Height()), 1440, ScreenPixelsPerInch());
  cf.bCharSet = static_cast<BYTE>(font.Charset());
  if (font.Color() == clWindowText) cf.dwEffects |= CFE_AUTOCOLOR;
  else cf.crTextColor = ColorToRGB(font.Color());
  if (font.Style().Contains(TFontStyle::fsBold)) cf.dwEffects |= CFE_BOLD;
  if (font.Style().Contains(TFontStyle::fsItalic)) cf.dwEffects |= CFE_ITALIC;
  if (font.Style().Contains(TFontStyle::fsUnderline)) cf.dwEffects |= CFE_UNDERLINE;
  if (font.Style().Contains(TFontStyle::fsStrikeOut)) cf.dwEffects |= CFE_STRIKEOUT;
  Set(cf);
}

const TClassInfo& TRichEdit::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TRichEdit", &TWinControl::StaticClass());
    c.Property("ImeName", &TRichEdit::ImeName, &TRichEdit::SetImeName);
    c.Property("BorderStyle", &TRichEdit::BorderStyle, &TRichEdit::SetBorderStyle);
    c.Property("HideSelection", &TRichEdit::HideSelection, &TRichEdit::SetHideSelection);
    c.Property("Lines", &TRichEdit::LinesObject);
    c.Property("PlainText", &TRichEdit::PlainText, &TRichEdit::SetPlainText);
    c.Property("ReadOnly", &TRichEdit::ReadOnly, &TRichEdit::SetReadOnly);
    c.Property("ScrollBars", &TRichEdit::ScrollBars, &TRichEdit::SetScrollBars);
    c.Property("WantReturns", &TRichEdit::WantReturns, &TRichEdit::SetWantReturns);
    c.Property("WantTabs", &TRichEdit::WantTabs, &TRichEdit::SetWantTabs);
    c.Event("OnChange", &TRichEdit::OnChange);
    c.Event("OnSelectionChange", &TRichEdit::OnSelectionChange);
    c.SetFactory([](TComponent* owner) { return new TRichEdit(owner); });
    return c;
  }();
  return info;
}

TRichEdit::TRichEdit(TComponent* owner) : TWinControl(owner), lines_(std::make_unique<RichLines>(*this)) {
  width_ = 185;
  height_ = 89;
  tabStop_ = true;
}

TRichEdit::~TRichEdit() { DestroyHandle(); }

void TRichEdit::CreateParams(TCreateParams& params) {
  // The version 1 rich edit: its text reads back with CR LF line breaks, each counting two.
  static HMODULE library = LoadLibraryW(L"RICHED32.DLL");
  if (!library) throw std::runtime_error("RICHED32.DLL cannot be loaded");
  TWinControl::CreateParams(params);
  params.systemClassName = L"RICHEDIT";
  params.style |= ES_MULTILINE | ES_AUTOVSCROLL;
  if (wantReturns_) params.style |= ES_WANTRETURN;
  if (readOnly_) params.style |= ES_READONLY;
  if (!hideSelection_) params.style |= ES_NOHIDESEL;
  if (scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth) params.style |= WS_VSCROLL;
  if (scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth) params.style |= WS_HSCROLL | ES_AUTOHSCROLL;
  if (borderStyle_ == TBorderStyle::bsSingle) params.exStyle |= WS_EX_CLIENTEDGE;
  params.caption.clear();
}

void TRichEdit::InitializeWnd() {
  TWinControl::InitializeWnd();
  SendMessageW(handle_, EM_EXLIMITTEXT, 0, 0x7FFFFFF0);
  SendMessageW(handle_, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(ColorToRGB(color_)));
  ApplyDefaultFormat();
  if (!text_.empty()) {
    std::string text = std::move(text_);
    text_.clear();
    SetText(text);
  }
  SendMessageW(handle_, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE);
}

void TRichEdit::SaveWndState() { text_ = GetText(); }

void TRichEdit::ApplyDefaultFormat() {
  if (!handle_) return;
  defAttributes_.AssignFont(font_);
}

void TRichEdit::FontChanged() {
  TWinControl::FontChanged();
  ApplyDefaultFormat();
}

void TRichEdit::ColorChanged() {
  TWinControl::ColorChanged();
  if (handle_) SendMessageW(handle_, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(ColorToRGB(color_)));
}

TStrings& TRichEdit::Lines() { return *LinesPtr(); }

TStrings* TRichEdit::LinesPtr() {
  lines_->Refresh();
  return lines_.get();
}

std::string TRichEdit::GetText() const {
  if (!handle_) return text_;
  GETTEXTLENGTHEX len{GTL_USECRLF | GTL_PRECISE | GTL_NUMCHARS, 1200};
  const LRESULT n = SendMessageW(handle_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&len), 0);
  if (n <= 0) return {};
  std::wstring w(static_cast<size_t>(n) + 1, L'\0');
  GETTEXTEX get{};
  get.cb = static_cast<DWORD>(w.size() * sizeof(wchar_t));
  get.flags = GT_USECRLF;
  get.codepage = 1200;
  const LRESULT got = SendMessageW(handle_, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(w.data()));
  w.resize(static_cast<size_t>(std::max<LRESULT>(got, 0)));
  return WideToGbk(w);
}

void TRichEdit::SetText(const std::string& s) {
  if (!handle_) {
    text_ = s;
    // With a window the control announces the change (EN_CHANGE); without one the toolkit does.
    if (OnChange) OnChange(this);
    return;
  }
  std::wstring w = GbkToWide(s);
  SETTEXTEX set{ST_DEFAULT, 1200};
  SendMessageW(handle_, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&set), reinterpret_cast<LPARAM>(w.c_str()));
  Perform(CM_TEXTCHANGED);
}

int TRichEdit::GetTextLen() const {
  if (!handle_) return static_cast<int>(GbkToWide(text_).size());
  GETTEXTLENGTHEX len{GTL_DEFAULT, 1200};
  return static_cast<int>(SendMessageW(handle_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&len), 0));
}

void TRichEdit::SetReadOnly(bool v) {
  readOnly_ = v;
  if (handle_) SendMessageW(handle_, EM_SETREADONLY, v, 0);
}

void TRichEdit::SetScrollBars(TScrollStyle v) {
  if (v == scrollBars_) return;
  scrollBars_ = v;
  RecreateWnd();
}

void TRichEdit::SetHideSelection(bool v) {
  if (v == hideSelection_) return;
  hideSelection_ = v;
  if (handle_) SendMessageW(handle_, EM_HIDESELECTION, v, FALSE);
}

void TRichEdit::SetBorderStyle(TBorderStyle v) {
  if (v == borderStyle_) return;
  borderStyle_ = v;
  RecreateWnd();
}

int TRichEdit::SelStart() const {
  CHARRANGE r{};
  SendMessageW(const_cast<TRichEdit*>(this)->Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&r));
  return r.cpMin;
}

int TRichEdit::SelLength() const {
  CHARRANGE r{};
  SendMessageW(const_cast<TRichEdit*>(this)->Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&r));
  return r.cpMax - r.cpMin;
}

void TRichEdit::Select(int start, int length) {
  CHARRANGE r{start, length < 0 ? -1 : start + length};
  SendMessageW(Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
}

void TRichEdit::SetSelStart(int v) { Select(v, 0); }

void TRichEdit::SetSelLength(int v) { Select(SelStart(), v); }

std::string TRichEdit::SelText() const {
  HWND wnd = const_cast<TRichEdit*>(this)->Handle();
  CHARRANGE r{};
  SendMessageW(wnd, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&r));
  if (r.cpMax <= r.cpMin) return {};
  std::wstring w(static_cast<size_t>(r.cpMax - r.cpMin) + 2, L'\0');
  GETTEXTEX get{};
  get.cb = static_cast<DWORD>(w.size() * sizeof(wchar_t));
  get.flags = GT_SELECTION | GT_USECRLF;
  get.codepage = 1200;
  const LRESULT n = SendMessageW(wnd, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(w.data()));
  w.resize(static_cast<size_t>(std::max<LRESULT>(n, 0)));
  return WideToGbk(w);
}

void TRichEdit::ScrollCaret() { SendMessageW(Handle(), EM_SCROLLCARET, 0, 0); }

bool TRichEdit::IsRichText(const std::string& bytes) { return bytes.rfind("{\\rtf", 0) == 0; }

void TRichEdit::LoadFromFile(const std::string& gbkPath) {
  std::wstring path = GbkToWide(gbkPath);
  UniqueKernelHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.Get() == INVALID_HANDLE_VALUE) {
    file.Release();
    const DWORD error = GetLastError();
    wchar_t* message = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   error, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    std::string text = message ? WideToGbk(message) : "Cannot open file";
    if (message) LocalFree(message);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
    throw std::runtime_error("Cannot open file \"" + gbkPath + "\". " + text);
  }
  LARGE_INTEGER size{};
  GetFileSizeEx(file.Get(), &size);
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  DWORD got = 0;
  size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 24));
    if (!ReadFile(file.Get(), bytes.data() + done, chunk, &got, nullptr)) throw std::runtime_error("Read error in \"" + gbkPath + "\"");
    if (got == 0) break;
    done += got;
  }
  bytes.resize(done);
  LoadFromBytes(bytes);
}

void TRichEdit::LoadFromBytes(const std::string& bytes) {
  HandleNeeded();
  const bool rich = !plainText_ && IsRichText(bytes);
  if (rich) StreamIn(bytes, true);
  else SetText(bytes);
}

namespace {
struct StreamSource {
  const std::string* bytes;
  size_t offset;
};

DWORD CALLBACK ReadStream(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* read) {
  auto* s = reinterpret_cast<StreamSource*>(cookie);
  const size_t n = std::min<size_t>(static_cast<size_t>(count), s->bytes->size() - s->offset);
  std::copy_n(s->bytes->data() + s->offset, n, buffer);
  s->offset += n;
  *read = static_cast<LONG>(n);
  return 0;
}
}  // namespace

bool StreamIntoRichEdit(HWND edit, const std::string& bytes, WPARAM format) {
  StreamSource source{&bytes, 0};
  EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&source), 0, ReadStream};
  SendMessageW(edit, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&es));
  return es.dwError == 0;
}

void TRichEdit::StreamIn(const std::string& bytes, bool rich) {
  if (!StreamIntoRichEdit(Handle(), bytes, rich ? SF_RTF : SF_TEXT))
    throw std::runtime_error("The rich text could not be read");
}

void TRichEdit::WndProc(TMessage& msg) {
  switch (msg.Msg) {
    case WM_CHAR:
    case WM_IME_CHAR:
      // The version 1 control takes characters as ANSI bytes and turns a double-byte character
      // into "??"; characters outside ASCII go to it whole, as WM_UNICHAR (surrogate pairs joined).
      if (msg.WParam >= 0x80 && msg.WParam <= 0xFFFF) {
        const auto unit = static_cast<wchar_t>(msg.WParam);
        if (unit >= 0xD800 && unit < 0xDC00) {
          highSurrogate_ = unit;
          msg.Result = 0;
          return;
        }
        WPARAM codePoint = unit;
        if (unit >= 0xDC00 && unit < 0xE000 && highSurrogate_)
          codePoint = 0x10000 + ((static_cast<WPARAM>(highSurrogate_) - 0xD800) << 10) + (unit - 0xDC00);
        highSurrogate_ = 0;
        TMessage unichar{WM_UNICHAR, codePoint, msg.LParam, 0};
        DefaultHandler(unichar);
        msg.Result = 0;
        return;
      }
      break;
    case CN_COMMAND:
      if (HIWORD(msg.WParam) == EN_CHANGE) {
        if (OnChange) OnChange(this);
        return;
      }
      break;
    case CN_NOTIFY: {
      const auto* hdr = reinterpret_cast<const NMHDR*>(msg.LParam);
      if (hdr->code == EN_SELCHANGE) {
        if (OnSelectionChange) OnSelectionChange(this);
        return;
      }
      break;
    }
    case WM_GETDLGCODE:
      DefaultHandler(msg);
      if (!wantTabs_) msg.Result &= ~static_cast<LRESULT>(DLGC_WANTTAB);
      if (!wantReturns_) msg.Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
      return;
    default:
      break;
  }
  TWinControl::WndProc(msg);
}


// ---------------------------------------------------------------------------------------------
// TDateTimePicker

namespace {

bool ParseNumbers(const std::string& text, char separator, int (&out)[3]) {
  int field = 0, value = 0, digits = 0;
  for (char ch : text) {
    if (ch >= '0' && ch <= '9') {
      if (++digits > 4) return false;
      value = value * 10 + (ch - '0');
    } else if (ch == separator && digits > 0 && field < 2) {
      out[field++] = value;
      value = digits = 0;
    } else {
      return false;
    }
  }
  if (digits == 0 || field != 2) return false;
  out[2] = value;
  return true;
}

std::string TwoDigits(int v) { return std::string(1, static_cast<char>('0' + v / 10 % 10)) + static_cast<char>('0' + v % 10); }

}  // namespace

const TClassInfo& TDateTimePicker::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TDateTimePicker", &TWinControl::StaticClass());
    c.Property("Date", &TDateTimePicker::Date, &TDateTimePicker::SetDate);
    c.Property("Time", &TDateTimePicker::Time, &TDateTimePicker::SetTime);
    c.Property("Kind", &TDateTimePicker::Kind, &TDateTimePicker::SetKind);
    c.Property("DateFormat", &TDateTimePicker::DateFormat, &TDateTimePicker::SetDateFormat);
    c.Event("OnChange", &TDateTimePicker::OnChange);
    c.Event("OnDropDown", &TDateTimePicker::OnDropDown);
    c.Event("OnCloseUp", &TDateTimePicker::OnCloseUp);
    c.SetFactory([](TComponent* owner) { return new TDateTimePicker(owner); });
    return c;
  }();
  return info;
}

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner) {
  width_ = 186;
  height_ = 21;
  tabStop_ = true;
  GetLocalTime(&value_);
}

void TDateTimePicker::CreateParams(TCreateParams& params) {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_DATE_CLASSES};
    return InitCommonControlsEx(&icc) != FALSE;
  }();
  (void)registered;
  TWinControl::CreateParams(params);
  params.systemClassName = DATETIMEPICK_CLASSW;
  params.exStyle |= WS_EX_CLIENTEDGE;
  params.style |= kind_ == TDateTimeKind::dtkTime ? DTS_TIMEFORMAT
                                                   : (dateFormat_ == TDTDateFormat::dfLong ? DTS_LONGDATEFORMAT : DTS_SHORTDATEFORMAT);
}

void TDateTimePicker::InitializeWnd() {
  TWinControl::InitializeWnd();
  SendMessageW(handle_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value_));
}

void TDateTimePicker::SaveWndState() { value_ = DateTime(); }

SYSTEMTIME TDateTimePicker::DateTime() const {
  SYSTEMTIME st = value_;
  if (handle_ && SendMessageW(handle_, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) != GDT_VALID) st = value_;
  return st;
}

void TDateTimePicker::SetDateTime(const SYSTEMTIME& value) {
  value_ = value;
  if (handle_) SendMessageW(handle_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value_));
}

std::string TDateTimePicker::Date() const {
  const SYSTEMTIME st = DateTime();
  return std::to_string(st.wYear) + "-" + TwoDigits(st.wMonth) + "-" + TwoDigits(st.wDay);
}

void TDateTimePicker::SetDate(const std::string& v) {
  int f[3];
  if (!ParseNumbers(v, '-', f) || f[0] < 1601 || f[0] > 9999 || f[1] < 1 || f[1] > 12 || f[2] < 1 || f[2] > 31) return;
  SYSTEMTIME st = DateTime();
  st.wYear = static_cast<WORD>(f[0]);
  st.wMonth = static_cast<WORD>(f[1]);
  st.wDay = static_cast<WORD>(f[2]);
  static constexpr int DaysIn[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (f[0] % 4 == 0 && f[0] % 100 != 0) || f[0] % 400 == 0;
  if (f[2] > DaysIn[f[1] - 1] + (f[1] == 2 && leap ? 1 : 0)) return;
  // Round trip through a file time: it fills in the week day.
  FILETIME ft;
  if (!SystemTimeToFileTime(&st, &ft) || !FileTimeToSystemTime(&ft, &st)) return;
  SetDateTime(st);
}

std::string TDateTimePicker::Time() const {
  const SYSTEMTIME st = DateTime();
  return TwoDigits(st.wHour) + ":" + TwoDigits(st.wMinute) + ":" + TwoDigits(st.wSecond);
}

void TDateTimePicker::SetTime(const std::string& v) {
  int f[3];
  if (!ParseNumbers(v, ':', f) || f[0] > 23 || f[1] > 59 || f[2] > 59) return;
  SYSTEMTIME st = DateTime();
  st.wHour = static_cast<WORD>(f[0]);
  st.wMinute = static_cast<WORD>(f[1]);
  st.wSecond = static_cast<WORD>(f[2]);
  st.wMilliseconds = 0;
  SetDateTime(st);
}

bool TDateTimePicker::DroppedDown() const {
  if (!handle_) return false;
  HWND calendar = reinterpret_cast<HWND>(SendMessageW(handle_, DTM_GETMONTHCAL, 0, 0));
  return calendar && IsWindowVisible(calendar);
}

void TDateTimePicker::SetKind(TDateTimeKind v) {
  if (v == kind_) return;
  kind_ = v;
  RecreateWnd();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat v) {
  if (v == dateFormat_) return;
  dateFormat_ = v;
  RecreateWnd();
}

void TDateTimePicker::WndProc(TMessage& msg) {
  if (msg.Msg == CN_NOTIFY && msg.LParam) {
    switch (reinterpret_cast<const NMHDR*>(msg.LParam)->code) {
      case DTN_DATETIMECHANGE:
        if (OnChange) OnChange(this);
        return;
      case DTN_DROPDOWN:
        if (OnDropDown) OnDropDown(this);
        return;
      case DTN_CLOSEUP:
        if (OnCloseUp) OnCloseUp(this);
        return;
      default:
        break;
    }
  }
  TWinControl::WndProc(msg);
}

}  // namespace tk
