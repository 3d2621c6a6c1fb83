#include "SkinManage.h"

#include <algorithm>
#include <cctype>

#include "Encoding.h"
#include "SkinMessages.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"
#include "WinSkinMenu.h"

namespace {

// The manager lives until Destroy, or until the program's statics go. Both paths go through
// reset(), which forgets the pointer before the manager is destroyed: a hook call or a painter
// freed during the shut-down sees no manager.
struct TManagerHolder {
  std::unique_ptr<TSkinManage> manager;
  ~TManagerHolder() { manager.reset(); }
};

std::unique_ptr<TSkinManage>& TheManager() {
  static TManagerHolder holder;
  return holder.manager;
}

// Set once the manager is gone: a hook call still under way only chains on.
bool g_finalising = false;

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

// A form with this tag keeps its native frame, whatever the skin's DisableTag says.
constexpr intptr_t NeverSkinnedFormTag = 99;

// Window classes that are never given a frame: (part of the name, whole name only).
struct TExcludedClass {
  const char* name;
  bool whole;
};
constexpr TExcludedClass ExcludedClasses[] = {
  {"TcxPopupEditPopupWindow", false},
  {"TTERenderWindow", false},
  {"TApplication", true},
};

bool ExcludedClass(const std::string& className) {
  for (const TExcludedClass& excluded : ExcludedClasses)
    if (excluded.whole ? className == excluded.name : Contains(className, excluded.name)) return true;
  return false;
}

// Whether a window is of the kind that gets a frame painter: a top-level window or MDI child with
// an area, a toolkit form (but never one tagged 99), a dialog, or another window of this program.
bool Qualifies(HWND wnd, tk::TCustomForm* form, const std::string& className, bool skinAllPass) {
  const LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE);
  const bool mdiChild = (GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
  // A form placed in an MDI client without being an MDI child waits for the skin-all pass.
  if (!skinAllPass && (style & WS_CHILD) && !mdiChild && Lower(WindowClassName(GetParent(wnd))) == "mdiclient")
    return false;
  const bool ownModule = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(wnd, GWLP_HINSTANCE)) == GetModuleHandleW(nullptr);
  if (!form && !ownModule && className != "#32770") return false;
  RECT r{};
  GetWindowRect(wnd, &r);
  if (!mdiChild && (r.right - r.left) * (r.bottom - r.top) == 0) return false;
  if (form && form->Tag() == NeverSkinnedFormTag) return false;
  return !ExcludedClass(className);
}

}  // namespace

std::string WindowClassName(HWND wnd) {
  wchar_t name[256] = {};
  const int n = GetClassNameW(wnd, name, 256);
  return n > 0 ? tk::WideToGbk(std::wstring(name, static_cast<size_t>(n))) : std::string();
}

tk::TCustomForm* FormOfWindow(HWND wnd) {
  if (!wnd) return nullptr;
  for (tk::TCustomForm* form : tk::ScreenForms())
    if (form->HandleIfAllocated() == wnd) return form;
  return dynamic_cast<tk::TCustomForm*>(tk::TWinControl::FromHandle(wnd));
}

// ---------------------------------------------------------------------------------------------

TSkinManage* TSkinManage::Instance() { return TheManager().get(); }

TSkinManage& TSkinManage::Create() {
  if (!TheManager()) {
    g_finalising = false;
    TheManager() = std::make_unique<TSkinManage>();
  }
  return *TheManager();
}

void TSkinManage::Destroy() { TheManager().reset(); }

TSkinManage::TSkinManage() : Timer(std::make_unique<tk::TTimer>(nullptr)) {
  Timer->SetEnabled(false);
  Timer->SetInterval(100);
  Timer->OnTimer = [this](tk::TObject*) { RunPendingAction(); };
}

TSkinManage::~TSkinManage() {
  State = msShuttingDown;
  Active = false;
  Timer.reset();
  // Every frame painter left lets its window go at once and is freed, also one a form owns (it
  // leaves the form's components as it goes).
  while (!Forms.empty()) {
    TWinSkinForm* form = Forms.back();
    Forms.pop_back();
    form->ReleaseWindow();
    form->FrameState = fsDetached;
    tk::TComponent::Free(form);
  }
  for (auto& pop : PopMenus) pop->Detach();
  PopMenus.clear();
  SkinDatas.clear();
  if (FHook) UnhookWindowsHookEx(FHook);
  FHook = nullptr;
  g_finalising = true;
}

void TSkinManage::AddSkinData(TSkinData* skin) {
  if (!skin || std::find(SkinDatas.begin(), SkinDatas.end(), skin) != SkinDatas.end()) return;
  SkinDatas.push_back(skin);
  if (!DefaultSkin && skin->SkinFormtype() == TSkinFormType::sfMainform) DefaultSkin = skin;
}

void TSkinManage::RemoveSkinData(TSkinData* skin) {
  std::erase(SkinDatas, skin);
  // The painters this component serves let their windows go while its elements still exist.
  for (size_t i = Forms.size(); i-- > 0;)
    if (i < Forms.size() && Forms[i]->SkinData == skin) UnskinAndFree(Forms[i]);
  std::erase_if(PopMenus, [skin](const std::unique_ptr<TWinSkinPopMenu>& pop) {
    if (pop->Skin != skin) return false;
    pop->Detach();
    return true;
  });
  // Nothing may keep pointing at a component that is going away.
  if (DefaultSkin == skin) {
    DefaultSkin = nullptr;
    for (TSkinData* other : SkinDatas)
      if (other->SkinFormtype() == TSkinFormType::sfMainform) {
        DefaultSkin = other;
        break;
      }
  }
  if (PendingSkin == skin) PendingSkin = nullptr;
}

void TSkinManage::InstallHook() {
  if (FHook) return;
  FHook = SetWindowsHookExW(WH_CBT, &TSkinManage::HookProc, nullptr, GetCurrentThreadId());
}

LRESULT CALLBACK TSkinManage::HookProc(int code, WPARAM wParam, LPARAM lParam) {
  TSkinManage* self = g_finalising ? nullptr : Instance();
  if (!self) return CallNextHookEx(nullptr, code, wParam, lParam);
  const HHOOK hook = self->FHook;
  if (code >= 0) {
    try {
      self->OnHook(code, reinterpret_cast<HWND>(wParam), lParam);
    } catch (...) {
      // A window that cannot be skinned keeps its native looks; its creation goes on.
    }
  }
  return CallNextHookEx(hook, code, wParam, lParam);
}

void TSkinManage::OnHook(int code, HWND wnd, LPARAM lParam) {
  switch (code) {
    case HCBT_CREATEWND:
      OnCreateWindow(wnd, reinterpret_cast<const CBT_CREATEWNDW*>(lParam));
      break;
    case HCBT_DESTROYWND:
      DetachPopMenu(wnd);
      break;
    case HCBT_ACTIVATE:
      if (State == msNotStarted) State = msRunning;
      SkinWindow(wnd);
      break;
    default:
      break;
  }
}

void TSkinManage::OnCreateWindow(HWND wnd, const CBT_CREATEWNDW* create) {
  const CREATESTRUCTW* cs = create ? create->lpcs : nullptr;
  if (!cs) return;
  const std::string cls = WindowClassName(wnd);
  if (cls == "ScrollBar" && (cs->style & SBS_SIZEGRIP) && cs->hwndParent)
    if (TWinSkinForm* parent = FindForm(cs->hwndParent)) parent->SkinChildWindow(wnd);
  if (!(cs->style & WS_CHILD) && cls == "#32768") AttachPopMenu(wnd);
  if (cs->dwExStyle & WS_EX_MDICHILD) SkinWindow(wnd);
}

void TSkinManage::ScheduleAction(int code, int intervalMs) {
  PendingAction = code;
  Timer->SetInterval(intervalMs);
  if (State != msNotStarted) {
    Timer->SetEnabled(true);
    return;
  }
  if (code == saSkinAll) Active = true;
  else if (code == saUnskinAll) Active = false;
}

void TSkinManage::FreeCaptionButtons() {
  for (TWinSkinForm* form : Forms)
    if (form->SkinData == PendingSkin) form->FreeCaptionButtons();
}

TWinSkinForm* TSkinManage::FindForm(HWND wnd) const {
  // A detached painter's window is gone; its handle may already name another window.
  for (TWinSkinForm* form : Forms)
    if (form->Wnd == wnd && form->FrameState != fsDetached) return form;
  return nullptr;
}

void TSkinManage::RemoveForm(TWinSkinForm* form) {
  if (State == msShuttingDown) return;
  std::erase(Forms, form);
}

void TSkinManage::PurgeForms() {
  // The list is exact (painters leave it when they are freed); detached ones are freed here.
  for (size_t i = Forms.size(); i-- > 0;) {
    if (i >= Forms.size()) continue;
    TWinSkinForm* form = Forms[i];
    if (form->FrameState != fsDetached) continue;
    Forms.erase(Forms.begin() + static_cast<std::ptrdiff_t>(i));
    tk::TComponent::Free(form);
  }
}

bool TSkinManage::SkinWindow(HWND wnd) {
  if (!Active || !wnd || !IsWindow(wnd)) return false;
  PurgeForms();
  if (SendMessageW(wnd, SKM_ISSKINNED, 0, 0) == 1 || FindForm(wnd)) return false;
  tk::TCustomForm* form = FormOfWindow(wnd);
  const std::string className = WindowClassName(wnd);
  if (!Qualifies(wnd, form, className, SkinAllPass) || !AcceptWindow(wnd, className)) return false;
  TSkinData* skin = PickSkinData(wnd, className);
  if (!skin || skin->Loading) return false;

  auto* painter = new TWinSkinForm(form);
  painter->Wnd = wnd;
  painter->ClassName = className.substr(0, 100);
  // Listed before attaching: windows made while it attaches (a size grip) find their frame.
  Forms.push_back(painter);
  try {
    if (form) painter->AttachToForm(skin, form);
    else painter->AttachToWindow(skin);
  } catch (...) {
    // Half attached: the painter gives the window back and goes.
    UnskinAndFree(painter);
    return false;
  }
  PostMessageW(wnd, SKM_FINISHATTACH, 0, 1000);
  return true;
}

bool TSkinManage::AcceptWindow(HWND wnd, const std::string& className) {
  bool doSkin = true;
  if (!DefaultSkin) return doSkin;
  const std::string lower = Lower(className);
  if (Contains(lower, "preview") && !DefaultSkin->Options().Contains(TSkinOption::xoPreview)) doSkin = false;
  if (className == "#32770" && (GetWindowLongPtrW(wnd, GWL_STYLE) & DS_SETFOREGROUND)) doSkin = false;
  if (lower == "tpopupdbtreeview") doSkin = false;
  DefaultSkin->AskedWindow = wnd;
  if (DefaultSkin->OnFormSkin) {
    DefaultSkin->OnFormSkin(DefaultSkin, className, doSkin);
    return doSkin;
  }
  if (className == "SysMonthCal32") return false;
  if (DefaultSkin->SkinControls().Contains(TSkinControlType::xcFastReport) && className.rfind("Tfr", 0) == 0) return false;
  return doSkin;
}

TSkinData* TSkinManage::PickSkinData(HWND wnd, const std::string& className) {
  for (auto it = SkinDatas.rbegin(); it != SkinDatas.rend(); ++it) {
    if ((*it)->SkinFormtype() != TSkinFormType::sfOnlyThisForm) continue;
    auto* owner = dynamic_cast<tk::TWinControl*>((*it)->Owner());
    if (owner && owner->HandleIfAllocated() == wnd) return *it;
  }
  const std::string lower = Lower(className);
  if (lower == "tmessageform" || lower == "#32770")
    for (auto it = SkinDatas.rbegin(); it != SkinDatas.rend(); ++it)
      if ((*it)->SkinFormtype() == TSkinFormType::sfDialog) return *it;
  for (auto it = SkinDatas.rbegin(); it != SkinDatas.rend(); ++it)
    if ((*it)->SkinFormtype() == TSkinFormType::sfMainform) return *it;
  return SkinDatas.empty() ? nullptr : SkinDatas.front();
}

void TSkinManage::SkinForm(tk::TCustomForm* form) {
  if (!form || !form->HandleAllocated() || !form->Showing()) return;
  if (GetWindowLongPtrW(form->HandleIfAllocated(), GWL_STYLE) & WS_CHILD) return;
  SkinWindow(form->HandleIfAllocated());
}

void TSkinManage::UnskinAndFree(TWinSkinForm* form) {
  HWND wnd = form->Wnd;
  std::erase(Forms, form);
  form->RestoreWindow();
  if (wnd && IsWindow(wnd)) {
    InvalidateRect(wnd, nullptr, TRUE);
    UpdateWindow(wnd);
  }
  tk::TComponent::Free(form);
}

void TSkinManage::RunPendingAction() {
  Timer->SetEnabled(false);
  TSkinData* skin = PendingSkin;
  if (!skin) return;
  const bool onlyThisForm = skin->SkinFormtype() == TSkinFormType::sfOnlyThisForm;
  switch (PendingAction) {
    case saSkinAll: {
      Active = true;
      SkinAllPass = true;
      if (onlyThisForm) {
        const auto& forms = tk::ScreenForms();
        for (auto it = forms.rbegin(); it != forms.rend(); ++it)
          if (*it == skin->Owner()) {
            SkinForm(*it);
            break;
          }
      } else {
        PurgeForms();
        // A copy: skinning may make windows (and forms) of its own.
        const std::vector<tk::TCustomForm*> forms = tk::ScreenForms();
        for (auto it = forms.rbegin(); it != forms.rend(); ++it) SkinForm(*it);
      }
      SkinAllPass = false;
      break;
    }
    case saUnskinAll:
      Active = false;
      PurgeForms();
      if (onlyThisForm) {
        for (auto it = Forms.rbegin(); it != Forms.rend(); ++it)
          if ((*it)->SkinData == skin) {
            UnskinAndFree(*it);
            break;
          }
      } else {
        while (!Forms.empty()) UnskinAndFree(Forms.front());
      }
      break;
    case saSkinChanged: {
      PurgeForms();
      std::vector<TWinSkinForm*> changed;
      for (TWinSkinForm* form : Forms)
        if (form->SkinData == skin) {
          form->FreeCaptionButtons();
          form->LoadFrameMetrics();
          changed.push_back(form);
          if (onlyThisForm) break;
        }
      for (TWinSkinForm* form : changed)
        if (std::find(Forms.begin(), Forms.end(), form) != Forms.end()) form->RefreshSkin();
      break;
    }
    default:
      break;
  }
  // The handler may free the component: forget it first.
  PendingSkin = nullptr;
  skin->FireSkinChanged();
}

void TSkinManage::SetMDIMaximized(bool on) {
  if (on == MDIMaximized) return;
  MDIMaximized = on;
  if (DefaultSkin && DefaultSkin->Options().Contains(TSkinOption::xoMDIChildBorder)) return;
  for (TWinSkinForm* form : Forms) {
    if (!form->IsMDIChild() || !form->Wnd) continue;
    if (on) {
      if (form->Region) SetWindowRgn(form->Wnd, nullptr, TRUE);
      form->Region = nullptr;
      form->RegionSize = SIZE{};
    } else if (form->ShowState != ssMinimized) {
      form->ShowState = ssNormal;
      form->UpdateRegion();
      if (!form->Region)
        SetWindowPos(form->Wnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Menu windows

void TSkinManage::AttachPopMenu(HWND menuWindow) {
  if (!Active || SendMessageW(menuWindow, SKM_ISSKINNED, 0, 0) == 1) return;
  for (auto& pop : PopMenus)
    if (pop->MenuWindow == menuWindow) return;
  TSkinData* skin = PickSkinData(menuWindow, WindowClassName(menuWindow));
  if (!skin || skin->Loading) return;
  const TSkinControlTypes types = skin->SkinControls();
  bool wanted = false;
  switch (MenuSource) {
    case mnsContext: wanted = types.Contains(TSkinControlType::xcPopupMenu); break;
    case mnsBar: wanted = types.Contains(TSkinControlType::xcMainMenu) || types.Contains(TSkinControlType::xcMenuItem); break;
    case mnsSystem: wanted = types.Contains(TSkinControlType::xcSystemMenu); break;
    default: break;
  }
  if (!wanted) return;
  auto pop = std::make_unique<TWinSkinPopMenu>();
  pop->Attach(menuWindow, skin);
  pop->OpenedFromBar = BarMenuOpen;
  PopMenus.push_back(std::move(pop));
}

void TSkinManage::DetachPopMenu(HWND menuWindow) {
  auto it = std::find_if(PopMenus.begin(), PopMenus.end(), [menuWindow](const auto& p) { return p->MenuWindow == menuWindow; });
  if (it == PopMenus.end()) return;
  (*it)->Detach();
  PopMenus.erase(it);
  if (PopMenus.empty()) {
    BarMenuOpen = false;
    MenuSource = mnsContext;
  }
}

void TSkinManage::MarkPopMenusFromBar() {
  for (auto& pop : PopMenus) pop->OpenedFromBar = true;
}

void TSkinManage::RecordMenuHandle(HMENU menu) {
  for (auto it = PopMenus.rbegin(); it != PopMenus.rend(); ++it) {
    if ((*it)->MenuHandle == menu) return;
    if (!(*it)->MenuHandle) {
      (*it)->MenuHandle = menu;
      return;
    }
  }
}

tk::TBitmap* TSkinManage::PopBackgroundOf(HMENU menu) {
  for (auto& pop : PopMenus)
    if (pop->MenuHandle == menu && !pop->PopBackground.Empty()) return &pop->PopBackground;
  return nullptr;
}

// ---------------------------------------------------------------------------------------------

void RegisterSkinRuntime() {
  RegisterSkinDataClasses();
  TSkinManagerFactory factory;
  factory.existing = []() -> ISkinManager* { return TSkinManage::Instance(); };
  factory.create = []() -> ISkinManager* { return &TSkinManage::Create(); };
  SetSkinManagerFactory(factory);
}
