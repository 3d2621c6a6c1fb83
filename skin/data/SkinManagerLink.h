// What a skin data component asks of the skin manager: the one object per program that decides
// which windows are painted from a skin. The manager lives in the skin runtime; the skin data
// knows it only through this interface, so that the data can be built and tested on its own.
#pragma once

#include <windows.h>

class TSkinData;

class ISkinManager {
 public:
  virtual void AddSkinData(TSkinData* skin) = 0;
  virtual void RemoveSkinData(TSkinData* skin) = 0;
  // Watches window creation and activation of this thread (components serving every form).
  virtual void InstallHook() = 0;
  // Runs an action from the manager's timer: 1 skin all forms, 2 unskin all, 3 the skin changed.
  virtual void ScheduleAction(int code, int intervalMs) = 0;
  virtual void SetPendingSkin(TSkinData* skin) = 0;
  virtual bool ManagerActive() const = 0;
  virtual void SetManagerActive(bool active) = 0;
  virtual int ManagerState() const = 0;
  virtual void SetManagerState(int state) = 0;
  // Frees the caption-button objects of every frame painter skinned by the pending skin.
  virtual void FreeCaptionButtons() = 0;
  virtual bool SkinWindow(HWND wnd) = 0;

 protected:
  ~ISkinManager() = default;
};

// The manager of this program: none until the first component asks for it, and none at all when
// the skin runtime is not part of the program.
ISkinManager* ExistingSkinManager();
ISkinManager* SkinManagerNeeded();

// Installed by the skin runtime (RegisterSkinRuntime).
struct TSkinManagerFactory {
  ISkinManager* (*existing)() = nullptr;
  ISkinManager* (*create)() = nullptr;
};
void SetSkinManagerFactory(const TSkinManagerFactory& factory);
