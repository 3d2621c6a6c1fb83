#pragma once
// Forms: top-level windows read from a stored layout, with a menu, focus management, dialog keys
// and the create/show/close/destroy events.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "Controls.h"

namespace tk {

class TMainMenu;
class TMenuItem;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
TK_ENUM(TFormBorderStyle, "bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin");

enum class TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
TK_ENUM(TBorderIcon, "biSystemMenu", "biMinimize", "biMaximize", "biHelp");
using TBorderIcons = TSet<TBorderIcon>;

enum class TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
TK_ENUM(TPosition, "poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter", "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter");

enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
TK_ENUM(TFormStyle, "fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop");

enum class TTileMode { tbHorizontal, tbVertical };
TK_ENUM(TTileMode, "tbHorizontal", "tbVertical");

enum class TCloseAction { caNone, caHide, caFree, caMinimize };
TK_ENUM(TCloseAction, "caNone", "caHide", "caFree", "caMinimize");

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TWinControl {
  TK_CLASS(TCustomForm)
 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  // Reads the form's stored layout: the RCDATA resource named after the class (upper case).
  void ReadLayoutResource();
  // Fires OnCreate; called once the most derived constructor has run.
  virtual void AfterConstruction();

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle v);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons v);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition v) { position_ = v; }
  TFormStyle FormStyle() const { return formStyle_; }
  // Taken when the window is made: set it before the form first shows.
  void SetFormStyle(TFormStyle v);
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool v) { keyPreview_ = v; }
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);
  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control);

  void Show();
  void Close();
  void Release();  // frees the form once the messages now queued are handled
  bool Showing() const override;
  void SetClientSize(int width, int height) override;
  RECT ClientRect() const override;

  // Focus: moves the focus to a control of this form and tells the form (CM_FOCUSCHANGED).
  void FocusControl(TWinControl* control);
  void SetFocusedControl(TWinControl* control);
  void DefocusControl(TWinControl* control);
  bool DoKeyDown(TMessage& msg) override;

  // The menu item of a command id or a pop-up menu handle, among this form's menus.
  TMenuItem* FindMenuItem(UINT command) const;
  TMenuItem* FindMenuItemByHandle(HMENU menu) const;
  // The item whose address is a native item's data, among this form's menus (never dereferenced
  // unless found there).
  TMenuItem* FindMenuItemByIdentity(ULONG_PTR identity) const;

  // MDI. A frame form (fsMDIForm) holds an MDI client in the area its aligned controls leave; its
  // children are the fsMDIChild forms, made as windows of that client.
  HWND ClientHandle() const { return clientHandle_; }
  int MDIChildCount() const;
  // In the client's order: the active child first.
  TCustomForm* MDIChildren(int index) const;
  TCustomForm* ActiveMDIChild() const;
  void Cascade();
  void Tile();
  void ArrangeIcons();
  void Next();
  void Previous();
  TTileMode TileMode() const { return tileMode_; }
  void SetTileMode(TTileMode v) { tileMode_ = v; }
  // The menu item whose sub-menu lists the children; read when the client is made.
  TMenuItem* WindowMenu() const { return windowMenu_; }
  void SetWindowMenu(TMenuItem* item);
  bool IsMDIForm() const { return formStyle_ == TFormStyle::fsMDIForm; }
  bool IsMDIChild() const { return formStyle_ == TFormStyle::fsMDIChild; }

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TNotifyEvent OnDestroy;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void SaveWndState() override;
  void WndProc(TMessage& msg) override;
  void PaintWindow(HDC dc) override;
  void BeforeDestruction() override;
  void Notification(TComponent* component, TOperation operation) override;
  virtual bool CloseQuery();
  virtual void DoClose(TCloseAction& action);
  void Loaded() override;
  void DefaultHandler(TMessage& msg) override;
  void AlignControls(RECT& rect) override;
  HWND CreateWindowHandle(const TCreateParams& params, HMENU id) override;
  void DestroyWindowHandle(HWND wnd) override;

 private:
  void CreateMDIClient();
  HWND CreateMDIChildWindow(const TCreateParams& params);
  void MDIChildActivated(TMessage& msg);
  void FreeMDIChildren();
  std::vector<TCustomForm*> MDIChildList() const;

  void ApplyClientSize();
  bool MeasureMenuItem(MEASUREITEMSTRUCT& item);
  bool DrawMenuItem(const DRAWITEMSTRUCT& item);
  void CenterOnScreen();
  void KeepCentred(const WINDOWPOS& pos);

  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
  TBorderIcons borderIcons_{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize};
  TPosition position_ = TPosition::poDesigned;
  TFormStyle formStyle_ = TFormStyle::fsNormal;
  bool keyPreview_ = false;
  TTileMode tileMode_ = TTileMode::tbHorizontal;
  TMenuItem* windowMenu_ = nullptr;
  HWND clientHandle_ = nullptr;  // the MDI client of a frame form; a child of its window
  TMainMenu* menu_ = nullptr;
  TWinControl* activeControl_ = nullptr;
  int wantedClientWidth_ = -1, wantedClientHeight_ = -1;
  bool shownOnce_ = false;
  bool created_ = false;
  // A form centred when first shown stays centred when its frame changes size (a skin taking it
  // over), until it is moved by the user or by the program.
  bool keepCentred_ = false;
  bool centring_ = false;
  POINT centredAt_{};
};

// Every form of the program that exists now, in creation order (the screen's form list).
const std::vector<TCustomForm*>& ScreenForms();

// The MDI frame form that children are made in: the application's main form when it is one, else
// the first frame form on the screen's list.
TCustomForm* MDIFrameForm();

// The keyboard's MDI commands (Ctrl+F4, Ctrl+F6 ...) for a message of the loop; true when taken.
bool TranslateMDIKeys(MSG& msg);

class TForm : public TCustomForm {
  TK_CLASS(TForm)
 public:
  explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};

}  // namespace tk
