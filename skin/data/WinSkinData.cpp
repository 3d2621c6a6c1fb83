#include "WinSkinData.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "Application.h"
#include "Encoding.h"
#include "Filer.h"
#include "Forms.h"
#include "SkinLoader.h"
#include "SkinManagerLink.h"
#include "SysErrors.h"

using tk::TComponent;

namespace {

constexpr int GlyphSize = 16;

TSkinControlTypes AllControlTypesButMenuItemsAndReports() {
  TSkinControlTypes types;
  for (int t = 0; t <= static_cast<int>(TSkinControlType::xcSystemMenu); ++t) types.Include(static_cast<TSkinControlType>(t));
  return types.Exclude(TSkinControlType::xcMenuItem);
}

bool FileExists(const std::filesystem::path& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The whole file, or why it could not be read.
bool ReadWholeFile(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes, std::string& why) {
  tk::UniqueKernelHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.Get() == INVALID_HANDLE_VALUE) {
    file.Release();
    why = tk::LastErrorText();
    return false;
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size)) {
    why = tk::LastErrorText();
    return false;
  }
  // A skin is a few hundred kilobytes; anything near this is not one.
  constexpr LONGLONG MaxSkinFile = 64LL * 1024 * 1024;
  if (size.QuadPart > MaxSkinFile) {
    why = "the file is too large to be a skin";
    return false;
  }
  bytes.resize(static_cast<size_t>(size.QuadPart));
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20));
    if (!ReadFile(file.Get(), bytes.data() + done, want, &got, nullptr)) {
      why = tk::LastErrorText();
      return false;
    }
    if (got == 0) break;
    done += got;
  }
  bytes.resize(done);
  return true;
}

}  // namespace

const tk::TClassInfo& TSkinData::StaticClass() {
  static const tk::TClassInfo info = [] {
    tk::TClassInfo c("TSkinData", &TComponent::StaticClass());
    c.Property("Active", &TSkinData::Active, &TSkinData::SetActive);
    c.Property("DisableTag", &TSkinData::DisableTag, &TSkinData::SetDisableTag);
    c.Property("SkinControls", &TSkinData::SkinControls, &TSkinData::SetSkinControls);
    c.Property("Options", &TSkinData::Options, &TSkinData::SetOptions);
    c.Property("Skin3rd", &TSkinData::Skin3rd, &TSkinData::SetSkin3rd);
    c.Property("SkinFile", &TSkinData::SkinFile, &TSkinData::SetSkinFile);
    c.Property("SkinStore", &TSkinData::SkinStore, &TSkinData::SetSkinStore);
    c.Property("SkinFormtype", &TSkinData::SkinFormtype, &TSkinData::SetSkinFormtype);
    c.Property("Version", &TSkinData::Version, &TSkinData::SetVersion);
    c.Property("MenuUpdate", &TSkinData::MenuUpdate, &TSkinData::SetMenuUpdate);
    c.Property("MenuMerge", &TSkinData::MenuMerge, &TSkinData::SetMenuMerge);
    c.Event("OnFormSkin", &TSkinData::OnFormSkin);
    c.Event("OnSkinChanged", &TSkinData::OnSkinChanged);
    c.Event("OnSkinControl", &TSkinData::OnSkinControl);
    c.Event("OnBeforeSkinForm", &TSkinData::OnBeforeSkinForm);
    c.Event("OnAfterSkinForm", &TSkinData::OnAfterSkinForm);
    c.SetFactory([](TComponent* owner) { return new TSkinData(owner); });
    return c;
  }();
  return info;
}

TSkinData::TSkinData(TComponent* owner)
    : TComponent(owner),
      FSkinControls(AllControlTypesButMenuItemsAndReports()),
      FOptions{TSkinOption::xoPreview, TSkinOption::xoToolbarBK, TSkinOption::xoCaptionButtonHint},
      FSkin3rd(std::make_unique<tk::TStrings>()) {
  FAppIconBitmap.SetPixelFormat(tk::TPixelFormat::pf24bit);
  FSkin3rd->SetItems(DefaultSkin3rd());
  // Four black-on-white glyphs; white is their mask.
  FMenuGlyphs.Reset(ImageList_LoadImageW(GetModuleHandleW(nullptr), L"QUILLETMENU", GlyphSize, 0, RGB(255, 255, 255),
                                         IMAGE_BITMAP, LR_CREATEDIBSECTION));
  FMaxWidth = GetSystemMetrics(SM_CXMAXIMIZED);
  FMaxHeight = GetSystemMetrics(SM_CYMAXIMIZED);
}

TSkinData::~TSkinData() {
  if (ISkinManager* manager = ExistingSkinManager()) manager->RemoveSkinData(this);
}

void TSkinData::SetActive(bool value) {
  if (value == FActive) return;
  FActive = value;
  if (Designing() || Reading()) return;
  ISkinManager* manager = ExistingSkinManager();
  if (!manager) return;
  switch (FSkinFormtype) {
    case TSkinFormType::sfMainform:
      if (value) {
        if (Loading) return;
        manager->SetPendingSkin(this);
        manager->ScheduleAction(1, 250);
        manager->SetManagerState(1);
      } else {
        manager->SetPendingSkin(this);
        manager->ScheduleAction(2, 250);
      }
      break;
    case TSkinFormType::sfOnlyThisForm:
      manager->SetPendingSkin(this);
      if (value && Loading) return;
      manager->ScheduleAction(value ? 1 : 2, 250);
      break;
    default:
      break;
  }
}

void TSkinData::SetSkin3rd(tk::TStrings* value) {
  if (value) FSkin3rd->Assign(*value);
}

std::string TSkinData::SkinStore() const {
  return Designing() && !FSkinStream.empty() ? "(Good)" : "(none)";
}

void TSkinData::SetSkinFile(const std::string& path) {
  // A file that is missing, unreadable or not a skin leaves the skin in use as it was.
  const bool wasLoading = Loading;
  Loading = true;
  FSkinFile = path;
  if (Designing()) {
    // A skin file named in the designer replaces the skin carried in the layout.
    if (!path.empty()) FSkinStream.clear();
    return;
  }
  const std::filesystem::path file(tk::GbkToWide(path));
  if (path.empty() || !FileExists(file)) {
    Loading = wasLoading;
    return;
  }
  std::vector<std::uint8_t> bytes;
  std::string why;
  if (!ReadWholeFile(file, bytes, why)) {
    Loading = wasLoading;
    ShowSkinNotice("Cannot read the skin file " + path + ": " + why);
    return;
  }
  std::vector<std::uint8_t> previous = std::move(FSkinStream);
  FSkinStream = std::move(bytes);
  bool loaded = false;
  try {
    loaded = LoadSkin();
  } catch (...) {
    FSkinStream = std::move(previous);
    Loading = wasLoading;
    throw;
  }
  if (!loaded) {
    // Refused before any element changed (the reader has said why).
    FSkinStream = std::move(previous);
    Loading = wasLoading;
    return;
  }
  ReloadIntoManager();
}

void TSkinData::ReloadIntoManager() {
  if (Designing() || Reading()) return;
  if (!ExistingSkinManager()) Loaded();
  ISkinManager* manager = ExistingSkinManager();
  if (!manager) return;
  manager->SetPendingSkin(this);
  manager->FreeCaptionButtons();
  if (manager->ManagerState() == 1) manager->ScheduleAction(3, 250);
}

bool TSkinData::LoadSkin() {
  Loading = true;
  if (Designing()) return false;
  return LoadSkinElements(*this, FSkinStream, ShowSkinNotice);
}

void TSkinData::DefineProperties(tk::TFiler& filer) {
  TComponent::DefineProperties(filer);
  filer.DefineBinaryProperty(
      "SkinStream", [this](const std::vector<std::uint8_t>& payload) { ReadSkinStream(payload); },
      [this] { return WriteSkinStream(); }, true);
}

// The payload: a 32-bit length N, then N bytes of packed skin.
void TSkinData::ReadSkinStream(const std::vector<std::uint8_t>& payload) {
  std::int32_t length = 0;
  if (payload.size() < sizeof length) throw std::runtime_error("Stream read error");
  std::memcpy(&length, payload.data(), sizeof length);
  if (length <= 0) return;
  if (payload.size() - sizeof length < static_cast<size_t>(length)) throw std::runtime_error("Stream read error");
  FSkinStream.assign(payload.begin() + sizeof length, payload.begin() + static_cast<std::ptrdiff_t>(sizeof length) + length);
  if (!Designing()) LoadSkin();
}

std::vector<std::uint8_t> TSkinData::WriteSkinStream() const {
  const auto length = static_cast<std::int32_t>(FSkinStream.size());
  std::vector<std::uint8_t> payload(sizeof length + FSkinStream.size());
  std::memcpy(payload.data(), &length, sizeof length);
  std::copy(FSkinStream.begin(), FSkinStream.end(), payload.begin() + sizeof length);
  return payload;
}

void TSkinData::Loaded() {
  TComponent::Loaded();
  if (Designing()) return;
  if (!HasGetScrollBarInfo()) FSkinControls.Exclude(TSkinControlType::xcScrollbar);
  ISkinManager* manager = SkinManagerNeeded();
  if (manager) manager->AddSkinData(this);
  ReadCaptionFont();
  if (FSkinFormtype != TSkinFormType::sfMainform) {
    if (!manager) return;
    manager->SetManagerActive(true);
    manager->SetManagerState(manager->ManagerState() + 1);
    if (auto* form = dynamic_cast<tk::TCustomForm*>(Owner()); form && FActive) manager->SkinWindow(form->Handle());
    return;
  }
  if (manager) manager->InstallHook();
  if (FActive) {
    // A component that serves every form but holds no usable skin switches itself off.
    if (Loading) {
      FActive = false;
    } else if (manager) {
      // The skin-all action needs its component: a manager already running skins the forms
      // shown by then; a new one is switched on at once and skins them as they activate.
      manager->SetPendingSkin(this);
      manager->ScheduleAction(1, 250);
    }
  }
  if (FSkinControls.Contains(TSkinControlType::xcMainMenu)) FSkinControls.Exclude(TSkinControlType::xcMenuItem);
  else FSkinControls.Exclude(TSkinControlType::xcSystemMenu);
  MakeAppIconBitmap();
}

void TSkinData::ReadCaptionFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    FCaptionFont.AssignLogFont(metrics.lfCaptionFont);
}

void TSkinData::MakeAppIconBitmap() {
  // The toolkit has no application window: the main form stands for it, else this form.
  HWND wnd = nullptr;
  if (tk::Application && tk::Application->MainForm() && tk::Application->MainForm()->HandleAllocated())
    wnd = tk::Application->MainForm()->HandleIfAllocated();
  else if (auto* form = dynamic_cast<tk::TWinControl*>(Owner()); form && form->HandleAllocated())
    wnd = form->HandleIfAllocated();
  if (!wnd) return;
  HICON icon = reinterpret_cast<HICON>(SendMessageW(wnd, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(wnd, WM_GETICON, ICON_BIG, 0));
  if (!icon) return;
  const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  tk::UniqueIcon small(static_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE)));
  if (!small) return;
  FAppIconBitmap.SetSize(cx, cy);
  RECT all{0, 0, cx, cy};
  tk::UniqueBrush magenta(CreateSolidBrush(RGB(255, 0, 255)));
  HDC dc = FAppIconBitmap.Canvas().Handle();
  FillRect(dc, &all, magenta.Get());
  DrawIconEx(dc, 0, 0, small.Get(), cx, cy, 0, nullptr, DI_NORMAL);
  FAppIconBitmap.SetTransparentColor(static_cast<tk::TColor>(RGB(255, 0, 255)));
  FAppIconBitmap.SetTransparent(true);
}

void TSkinData::ShowCaptionHint(const RECT& screenRect, const std::string& text) {
  if (!FOptions.Contains(TSkinOption::xoCaptionButtonHint) || FHintShown) return;
  RECT rect = FHintWindow.CalcHintRect(500, text);
  OffsetRect(&rect, screenRect.left, screenRect.top);
  FHintWindow.ActivateHint(rect, text);
  FHintShown = true;
}

void TSkinData::HideCaptionHint() {
  if (!FHintShown) return;
  FHintWindow.Hide();
  FHintShown = false;
}

void TSkinData::FireSkinChanged() {
  if (OnSkinChanged) OnSkinChanged(this);
}

const std::vector<std::string>& TSkinData::DefaultSkin3rd() {
  // In the order painters look them up; three entries stand twice.
  static const std::vector<std::string> list{
    "TCategoryButtons=scrollbar", "TPngSpeedbutton=pngspeedbutton", "TPngBitBtn=pngbitbtn",
    "TVirtualStringTree=scrollbar", "TVirtualDrawTree=scrollbar", "TTBXDockablePanel=Panel",
    "TAdvPanelGroup=scrollbar", "TComboboxex=combobox", "TRxSpeedButton=speedbutton", "THTMLViewer=scrollbar",
    "TDBCtrlGrid=scrollbar", "TfrSpeedButton=speedbutton", "TfrTBButton=speedbutton", "TControlBar=Panel",
    "TTBDock=Panel", "TTBToolbar=Panel", "TImageEnMView=scrollbar", "TImageEnView=scrollbar", "TAdvMemo=scrollbar",
    "TDBAdvMemo=scrollbar", "TcxDBLookupComboBox=combobox", "TcxDBComboBox=combobox", "TcxDBDateEdit=combobox",
    "TcxDBImageComboBox=combobox", "TcxDBCalcEdit=combobox", "TcxDBBlobEdit=combobox", "TcxDBPopupEdit=combobox",
    "TcxDBFontNameComboBox=combobox", "TcxDBShellComboBox=combobox", "TRxLookupEdit=combobox",
    "TRxDBLookupCombo=combobox", "TRzGroup=panel", "TRzButton=button", "TRzBitbtn=bitbtn", "TRzMenuButton=menubtn",
    "TRzCheckGroup=CheckGroup", "TRzRadioGroup=Radiogroup", "TRzButtonEdit=Edit", "TRzDBRadioGroup=Radiogroup",
    "TRzDBRadioButton=Radiobutton", "TRzDateTimeEdit=combobox", "TRzColorEdit=combobox",
    "TRzDateTimePicker=combobox", "TRzDBDateTimeEdit=combobox", "TRzDbColorEdit=combobox",
    "TRzDBDateTimePicker=combobox", "TLMDButton=bitbtn", "TLMDGroupBox=Groupbox", "TDBCheckboxEh=Checkbox",
    "TDBCheckboxEh=Checkbox", "TLMDCHECKBOX=Checkbox", "TLMDDBCHECKBOX=Checkbox", "TLMDRadiobutton=Radiobutton",
    "TLMDCalculator=panel", "TLMDGROUPBOX=Panel", "TLMDSIMPLEPANEL=Panel", "TLMDDBCalendar=Panel",
    "TLMDButtonPanel=Panel", "TLMDLMDCalculator=Panel", "TLMDHeaderPanel=Panel", "TLMDTechnicalLine=Panel",
    "TLMDLMDClock=Panel", "TLMDTrackbar=panel", "TLMDListCombobox=combobox", "TLMDCheckListCombobox=combobox",
    "TLMDHeaderListCombobox=combobox", "TLMDImageCombobox=combobox", "TLMDColorCombobox=combobox",
    "TLMDFontCombobox=combobox", "TLMDFontSizeCombobox=combobox", "TLMDFontSizeCombobox=combobox",
    "TLMDPrinterCombobox=combobox", "TLMDDriveCombobox=combobox", "TLMDCalculatorComboBox=combobox",
    "TLMDTrackBarComboBox=combobox", "TLMDCalendarComboBox=combobox", "TLMDTreeComboBox=combobox",
    "TLMDRADIOGROUP=radiogroup", "TLMDCheckGroup=CheckGroup", "TLMDDBRADIOGROUP=radiogroup",
    "TLMDDBCheckGroup=CheckGroup", "TLMDCalculatorEdit=edit", "TLMDEDIT=Edit", "TLMDMASKEDIT=Edit",
    "TLMDBROWSEEDIT=Edit", "TLMDEXTSPINEDIT=Edit", "TLMDCALENDAREDIT=Edit", "TLMDFILEOPENEDIT=Edit",
    "TLMDFILESAVEEDIT=Edit", "TLMDCOLOREDIT=Edit", "TLMDDBEDIT=Edit", "TLMDDBMASKEDIT=Edit",
    "TLMDDBEXTSPINEDIT=Edit", "TLMDDBSPINEDIT=Edit", "TLMDDBEDITDBLookup=Edit", "TLMDEDITDBLookup=Edit",
    "TDBLookupCombobox=Combobox", "TWWDBCombobox=Combobox", "TWWDBLookupCombo=Combobox", "TWWDBCombobox=Combobox",
    "TWWKeyCombo=Combobox", "TWWTempKeyCombo=combobox", "TWWDBDateTimePicker=Combobox", "TWWRADIOGROUP=radiogroup",
    "TWWDBEDIT=Edit", "TcxButton=bitbtn", "TcxDBRadioGroup=radiogroup", "TcxRadioGroup=radiogroup",
    "TcxGroupbox=groupbox", "TOVCPICTUREFIELD=Edit", "TOVCDBPICTUREFIELD=Edit", "TOVCSLIDEREDIT=Edit",
    "TOVCDBSLIDEREDIT=Edit", "TOVCSIMPLEFIELD=Edit", "TOVCDBSIMPLEFIELD=Edit", "TO32DBFLEXEDIT=Edit",
    "TOVCNUMERICFIELD=Edit", "TOVCDBNUMERICFIELD=Edit"
  };
  return list;
}

void RegisterSkinDataClasses() { tk::RegisterComponentClass(TSkinData::StaticClass()); }
