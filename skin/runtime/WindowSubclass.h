// Taking over a window's messages, passing them on and giving the window back: the one mechanism
// every skin painter uses for windows it reaches by handle (frames, menu windows, bare controls).
// Built on the platform's subclass chain, so painters can come and go in any order without
// breaking another subclass of the same window.
#pragma once

#include <windows.h>
#include <commctrl.h>

class TWindowSubclass {
 public:
  class Target {
   public:
    virtual LRESULT SubclassProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) = 0;

   protected:
    ~Target() = default;
  };

  explicit TWindowSubclass(Target& target) : FTarget(target) {}
  ~TWindowSubclass();
  TWindowSubclass(const TWindowSubclass&) = delete;
  TWindowSubclass& operator=(const TWindowSubclass&) = delete;

  // Takes over the window's messages; false when the window is gone or already taken by us.
  bool Install(HWND wnd);
  // Gives the window back (nothing when not installed or the window is gone). Allowed while one
  // of the window's messages is being handled: CallPrevious still reaches the previous procedure.
  void Remove();
  // Passes a message of the window to its previous procedure. Only valid inside
  // Target::SubclassProc (the platform keeps the chain position for the message being handled).
  static LRESULT CallPrevious(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(wnd, msg, wParam, lParam);
  }

  bool Installed() const { return FWindow != nullptr; }
  HWND Window() const { return FWindow; }

 private:
  static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data);
  Target& FTarget;
  HWND FWindow = nullptr;
  bool* FAlive = nullptr;  // set while a message is dispatched: tells Proc whether we outlived it
};
