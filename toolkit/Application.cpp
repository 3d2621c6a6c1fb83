#include "Application.h"

#include <commctrl.h>
#include <objbase.h>

#include <algorithm>

#include "Encoding.h"
#include "Forms.h"
#include "Ime.h"

namespace tk {

TApplication* Application = nullptr;

const TClassInfo& TApplication::StaticClass() {
  static const TClassInfo info("TApplication", &TComponent::StaticClass());
  return info;
}

TApplication::TApplication() : TComponent(nullptr) {
  if (!Application) Application = this;
}

TApplication::~TApplication() {
  // Forms first (they may still use COM), then the tool tip window and COM.
  while (!forms_.empty()) TComponent::Free(forms_.back());
  while (ComponentCount() > 0) TComponent::Free(Components(ComponentCount() - 1));
  if (toolTip_) DestroyWindow(toolTip_);
  if (comInitialized_) CoUninitialize();
  if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
  if (!comInitialized_) comInitialized_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  StartupKeyboardLayout();  // remembered before any control switches input methods
}

void TApplication::AddForm(TCustomForm* form) {
  if (std::find(forms_.begin(), forms_.end(), form) == forms_.end()) forms_.push_back(form);
  if (!mainForm_) mainForm_ = form;
}

void TApplication::RemoveForm(TCustomForm* form) {
  std::erase(forms_, form);
  if (mainForm_ == form) mainForm_ = nullptr;
}

void TApplication::Run() {
  if (mainForm_ && showMainForm_) mainForm_->Show();
  while (!terminated_) HandleMessage();
}

void TApplication::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  if (!TranslateMDIKeys(msg) && !IsKeyMsg(msg)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

bool TApplication::HandleMessage() {
  MSG msg;
  if (!ProcessMessage(msg)) WaitMessage();
  return !terminated_;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (ProcessMessage(msg)) {
  }
}

bool TApplication::IsKeyMsg(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  // The nearest toolkit control at or above the window gets the key first (dialog keys).
  for (HWND wnd = msg.hwnd; wnd; wnd = GetParent(wnd)) {
    if (TWinControl* control = FindControl(wnd)) {
      try {
        return control->Perform(CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
      } catch (...) {
        HandleException(std::current_exception());
        return true;
      }
    }
  }
  return false;
}

std::string ExceptionMessage(std::exception_ptr e) {
  try {
    if (e) std::rethrow_exception(e);
  } catch (const std::exception& ex) {
    return ex.what();
  } catch (...) {
    return "Unknown error";
  }
  return {};
}

void TApplication::HandleException(std::exception_ptr e) {
  if (OnException) {
    OnException(e);
    return;
  }
  ShowException(ExceptionMessage(e));
}

void TApplication::ShowException(const std::string& gbkMessage) {
  MessageBoxW(DialogOwner(), GbkToWide(gbkMessage).c_str(), GbkToWide(title_).c_str(), MB_OK | MB_ICONSTOP);
}

void HandleException(std::exception_ptr e) {
  if (Application) Application->HandleException(e);
}

HWND TApplication::DialogOwner() const {
  HWND active = GetActiveWindow();
  if (active && FindControl(active)) return active;
  if (mainForm_ && mainForm_->HandleAllocated()) return mainForm_->HandleIfAllocated();
  return active;
}

void TApplication::SetShowHint(bool v) {
  showHint_ = v;
  if (toolTip_) SendMessageW(toolTip_, TTM_ACTIVATE, v, 0);
}

void TApplication::SetHintPause(int ms) { hintPause_ = ms; ApplyHintPauses(); }
void TApplication::SetHintHidePause(int ms) { hintHidePause_ = ms; ApplyHintPauses(); }
void TApplication::SetHintShortPause(int ms) { hintShortPause_ = ms; ApplyHintPauses(); }

void TApplication::ApplyHintPauses() {
  if (!toolTip_) return;
  SendMessageW(toolTip_, TTM_SETDELAYTIME, TTDT_INITIAL, hintPause_);
  SendMessageW(toolTip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, hintHidePause_);
  SendMessageW(toolTip_, TTM_SETDELAYTIME, TTDT_RESHOW, hintShortPause_);
}

namespace {
TTTOOLINFOW ToolInfo(HWND control) {
  TTTOOLINFOW ti{};
  ti.cbSize = TTTOOLINFOW_V2_SIZE;
  ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  ti.hwnd = control;
  ti.uId = reinterpret_cast<UINT_PTR>(control);
  return ti;
}
}  // namespace

void TApplication::SetToolTip(HWND control, const std::string& gbkHint) {
  if (!toolTip_) {
    toolTip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (!toolTip_) return;
    SendMessageW(toolTip_, TTM_SETMAXTIPWIDTH, 0, 400);
    ApplyHintPauses();
    SendMessageW(toolTip_, TTM_ACTIVATE, showHint_, 0);
  }
  std::wstring text = GbkToWide(gbkHint);
  TTTOOLINFOW ti = ToolInfo(control);
  ti.lpszText = text.data();
  if (SendMessageW(toolTip_, TTM_GETTOOLCOUNT, 0, 0) > 0) {
    TTTOOLINFOW probe = ToolInfo(control);
    if (SendMessageW(toolTip_, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&probe))) {
      SendMessageW(toolTip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
      return;
    }
  }
  SendMessageW(toolTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

void TApplication::RemoveToolTip(HWND control) {
  if (!toolTip_) return;
  TTTOOLINFOW ti = ToolInfo(control);
  SendMessageW(toolTip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

}  // namespace tk
