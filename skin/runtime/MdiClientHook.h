// The MDI client window of a skinned MDI frame: keeps the frame's skinned menu band and the
// manager's maximised-child state in step with what the client does to its children, and redraws
// the frame when a child asks for it (SKM_REDRAWMDI).
#pragma once

#include <windows.h>

#include "WindowSubclass.h"

class TWinSkinForm;

class TMdiClientHook : private TWindowSubclass::Target {
 public:
  explicit TMdiClientHook(TWinSkinForm& frame) : FFrame(frame) {}
  ~TMdiClientHook() { FSubclass.Remove(); }
  TMdiClientHook(const TMdiClientHook&) = delete;
  TMdiClientHook& operator=(const TMdiClientHook&) = delete;

  bool Install(HWND client) { return FSubclass.Install(client); }
  void Remove() { FSubclass.Remove(); }
  bool Installed() const { return FSubclass.Installed(); }

 private:
  LRESULT SubclassProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT PassOn(UINT msg, WPARAM wParam, LPARAM lParam);
  void ChildDestroyed();
  void FrameMenuSet(WPARAM frameMenu);
  void RedrawFrame();

  TWinSkinForm& FFrame;
  TWindowSubclass FSubclass{*this};
};
