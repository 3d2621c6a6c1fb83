// The skin manager: one per program. It keeps the registered skin data components, gives each
// qualifying top-level window a frame painter and each menu window a menu painter, runs the
// deferred skin-all, unskin-all and skin-changed actions from its timer, and, for components that
// serve every form, watches this thread's window creation and activation through a hook.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ExtCtrls.h"
#include "Forms.h"
#include "SkinManagerLink.h"

class TSkinData;
class TWinSkinForm;
class TWinSkinPopMenu;

enum TManagerState { msNotStarted = 0, msRunning = 1, msShuttingDown = 4 };
enum TMenuSource { mnsContext = 0, mnsBar = 1, mnsSystem = 2 };
enum TSkinAction { saNone = 0, saSkinAll = 1, saUnskinAll = 2, saSkinChanged = 3 };

class TSkinManage final : public ISkinManager {
 public:
  TSkinManage();
  ~TSkinManage();
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  // The manager of this program, or nullptr before the first skin data component loaded.
  static TSkinManage* Instance();
  static TSkinManage& Create();
  // Shut-down of the engine: every frame painter left is detached quickly and freed.
  static void Destroy();

  // --- ISkinManager ---
  void AddSkinData(TSkinData* skin) override;
  void RemoveSkinData(TSkinData* skin) override;
  void InstallHook() override;
  void ScheduleAction(int code, int intervalMs) override;
  void SetPendingSkin(TSkinData* skin) override { PendingSkin = skin; }
  bool ManagerActive() const override { return Active; }
  void SetManagerActive(bool active) override { Active = active; }
  int ManagerState() const override { return State; }
  void SetManagerState(int state) override { State = state; }
  void FreeCaptionButtons() override;
  bool SkinWindow(HWND wnd) override;

  // --- frame painters ---
  TWinSkinForm* FindForm(HWND wnd) const;
  // Forgets a frame painter (it is being freed, or its window is gone).
  void RemoveForm(TWinSkinForm* form);
  void SkinForm(tk::TCustomForm* form);
  void PurgeForms();
  void SetMDIMaximized(bool on);
  bool AcceptWindow(HWND wnd, const std::string& className);
  TSkinData* PickSkinData(HWND wnd, const std::string& className);
  void RunPendingAction();

  // --- menu windows ---
  void AttachPopMenu(HWND menuWindow);
  void DetachPopMenu(HWND menuWindow);
  void MarkPopMenusFromBar();
  // Records a menu handle in the newest menu painter that has none.
  void RecordMenuHandle(HMENU menu);
  // The background picture of the menu window showing this menu, or nullptr.
  tk::TBitmap* PopBackgroundOf(HMENU menu);

  std::unique_ptr<tk::TTimer> Timer;
  std::vector<TWinSkinForm*> Forms;
  std::vector<std::unique_ptr<TWinSkinPopMenu>> PopMenus;
  std::vector<TSkinData*> SkinDatas;
  bool Active = false;
  bool SkinAllPass = false;
  int State = msNotStarted;
  int MenuSource = mnsContext;
  bool BarMenuOpen = false;
  bool MDIMaximized = false;
  HWND MDIClientWnd = nullptr;
  tk::TCustomForm* MDIMainForm = nullptr;
  int PendingAction = saNone;
  TSkinData* PendingSkin = nullptr;
  TSkinData* DefaultSkin = nullptr;

 private:
  static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
  void OnHook(int code, HWND wnd, LPARAM lParam);
  void OnCreateWindow(HWND wnd, const CBT_CREATEWNDW* create);
  void UnskinAndFree(TWinSkinForm* form);
  HHOOK FHook = nullptr;
};

// Window class name of a window (at most 255 characters), as GBK text.
std::string WindowClassName(HWND wnd);
// The toolkit form behind a window handle, or nullptr.
tk::TCustomForm* FormOfWindow(HWND wnd);

// Installs the skin runtime in this program: skin data components start the manager when they
// load. Also registers the skin data component's class for stored layouts.
void RegisterSkinRuntime();
