// The small pop-up that names a caption button under the mouse. Its window is made when it is
// first shown.
#pragma once

#include <windows.h>

#include <string>

#include "GdiHandle.h"
#include "Graphics.h"

class TCaptionHintWindow {
 public:
  TCaptionHintWindow();
  ~TCaptionHintWindow();
  TCaptionHintWindow(const TCaptionHintWindow&) = delete;
  TCaptionHintWindow& operator=(const TCaptionHintWindow&) = delete;

  // The window rectangle the GBK text needs at (0, 0), wrapped at maxWidth pixels.
  RECT CalcHintRect(int maxWidth, const std::string& text);
  // Shows the text in a window of rect (screen coordinates), above every other window, without
  // taking the focus.
  void ActivateHint(const RECT& rect, const std::string& text);
  void Hide();

  HWND Handle() const { return FWindow.Get(); }
  const std::string& Text() const { return FText; }

 private:
  static LRESULT CALLBACK WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void Paint(HDC dc);
  void CreateWnd();
  HFONT Font();

  tk::UniqueWindow FWindow;
  tk::UniqueFont FFont;
  std::string FText;
};
