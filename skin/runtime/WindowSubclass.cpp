#include "WindowSubclass.h"

#include <commctrl.h>

TWindowSubclass::~TWindowSubclass() {
  if (FAlive) *FAlive = false;
  Remove();
}

bool TWindowSubclass::Install(HWND wnd) {
  if (FWindow || !wnd || !IsWindow(wnd)) return false;
  if (!SetWindowSubclass(wnd, &TWindowSubclass::Proc, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this)))
    return false;
  FWindow = wnd;
  return true;
}

void TWindowSubclass::Remove() {
  if (!FWindow) return;
  RemoveWindowSubclass(FWindow, &TWindowSubclass::Proc, reinterpret_cast<UINT_PTR>(this));
  FWindow = nullptr;
}

LRESULT CALLBACK TWindowSubclass::Proc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<TWindowSubclass*>(data);
  bool alive = true;
  bool* outer = self->FAlive;
  self->FAlive = &alive;
  const LRESULT result = self->FTarget.SubclassProc(wnd, msg, wParam, lParam);
  if (!alive) {
    // The target went while handling the message; tell an outer dispatch of the same object.
    if (outer) *outer = false;
    return result;
  }
  self->FAlive = outer;
  // A subclass must be gone before its window: the platform does not drop it by itself.
  if (msg == WM_NCDESTROY && self->FWindow == wnd) self->Remove();
  return result;
}
