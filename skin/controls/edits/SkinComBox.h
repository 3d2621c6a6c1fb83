// Painter of combo boxes: the frame and the drop-down button come from the skin; the box paints its
// text and its list itself. The button lights up while the mouse is over it and shows pressed while
// the left button is down on the box or its edit part.
#pragma once

#include <windows.h>

#include "WinSubClass.h"
#include "WindowSubclass.h"

class TDataSkinObject;
class TOffscreenFrame;

class TSkinComBox : public TSkinControl {
  TK_CLASS(TSkinComBox)
 public:
  explicit TSkinComBox(tk::TComponent* owner);
  ~TSkinComBox() override;

  void Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) override;
  void AttachWindow(HWND handle, TSkinData* skin, TWinSkinForm* form, tk::TCanvas* canvas) override;
  void Unskin() override;
  void AfterMessage(tk::TMessage& msg) override;
  void Draw(HDC dc, const RECT& rect) override;

  DWORD ComboStyle = 0;
  DWORD ComboExStyle = 0;
  HWND ListWindow = nullptr;   // the list of a simple combo box
  HWND EditChild = nullptr;    // the edit part, while it is subclassed
  TSkinControl* ListScroll = nullptr;
  TSkinControl* DropScroll = nullptr;
  COMBOBOXINFO Info{};
  RECT ButtonRect{};           // where the button was drawn (window coordinates)
  bool ExMode = false;         // an extended combo box
  bool ListDropped = false;    // between the list's drop-down and close-up notices

 protected:
  void Notification(tk::TComponent* component, tk::TOperation operation) override;

 private:
  class TEditHook : public TWindowSubclass::Target {
   public:
    explicit TEditHook(TSkinComBox& owner) : FOwner(owner) {}
    LRESULT SubclassProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

   private:
    TSkinComBox& FOwner;
  };

  void AttachLists(bool toolkitControl);
  void SubclassEdit();
  void AttachDropScroll();
  void ReleaseEdit();
  void FreeScrollPainters();
  void EditMessage(UINT msg);
  void TrackHot(LPARAM point);
  void NoteListCommand(WORD code);
  void SetPressed(bool pressed);
  int StateFrame() const;
  bool FocusedNow() const;
  bool LeftScrollBar() const { return (ComboExStyle & WS_EX_LEFTSCROLLBAR) != 0; }

  void DrawFlat(TOffscreenFrame& frame, const RECT& rect);
  void DrawExtended(TOffscreenFrame& frame, const RECT& rect);
  void DrawWhole(TOffscreenFrame& frame, const RECT& rect);
  void DrawOnSunkEdge(TOffscreenFrame& frame, const RECT& rect);

  TEditHook FEditHook{*this};
  bool* FEditAlive = nullptr;  // set while the edit part's message is handled
  TWindowSubclass FEditSubclass{FEditHook};
};
