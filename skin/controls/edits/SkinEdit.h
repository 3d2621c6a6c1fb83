// Painter of single-line edits: a flat skin-coloured frame over the edit's sunken border. The edit
// paints its text itself.
#pragma once

#include <windows.h>

#include "WinSubClass.h"

class TSkinEdit : public TSkinControl {
  TK_CLASS(TSkinEdit)
 public:
  using TSkinControl::TSkinControl;

  void AfterMessage(tk::TMessage& msg) override;
  void Draw(HDC dc, const RECT& rect) override;

  // Gives an up-down child of the edit its painter (owned by the edit), when there is one.
  void AttachUpDown();

  // The painter of an up-down child of the edit, or none.
  TSkinControl* UpDown = nullptr;

 protected:
  void Notification(tk::TComponent* component, tk::TOperation operation) override;

 private:
  void PrintFrame(HDC given);
};

// Messages a container sends to have an edit paint itself into a DC of its own.
constexpr UINT SKM_PAINTEDITINTO = 0xBC4A;
constexpr LPARAM SkinRequestKey = 0x41A2;

// The first child of a window (in z-order) that is an up-down control by its class name, or null.
HWND FindUpDownChild(HWND wnd);
