#pragma once
// The application object: title, forms, the message loop, tool tips, and the reporting of
// exceptions that escape event handlers.
#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "Component.h"
#include "GdiHandle.h"

namespace tk {

class TCustomForm;

class TApplication : public TComponent {
  TK_CLASS(TApplication)
 public:
  TApplication();
  ~TApplication() override;

  // COM for this thread (single-threaded apartment) and the common controls.
  void Initialize();
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }

  // Makes a form owned by the application; the first one made becomes the main form.
  template <class T>
  T* CreateForm() {
    T* form = new T(this);
    AddForm(form);
    form->AfterConstruction();
    return form;
  }
  TCustomForm* MainForm() const { return mainForm_; }
  const std::vector<TCustomForm*>& Forms() const { return forms_; }
  void AddForm(TCustomForm* form);
  void RemoveForm(TCustomForm* form);

  // Shows the main form (unless ShowMainForm is off) and processes messages until Terminate.
  void Run();
  bool ShowMainForm() const { return showMainForm_; }
  void SetShowMainForm(bool v) { showMainForm_ = v; }
  void Terminate();
  bool Terminated() const { return terminated_; }
  void ProcessMessages();
  // One message, waiting for it when none is queued. False once the loop should end.
  bool HandleMessage();

  // Reports an exception that escaped an event handler: error box (stop icon, OK), captioned with
  // the title. OnException replaces the box.
  void HandleException(std::exception_ptr e);
  void ShowException(const std::string& gbkMessage);
  std::function<void(std::exception_ptr)> OnException;

  int HintPause() const { return hintPause_; }
  void SetHintPause(int ms);
  int HintHidePause() const { return hintHidePause_; }
  void SetHintHidePause(int ms);
  int HintShortPause() const { return hintShortPause_; }
  void SetHintShortPause(int ms);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool v);
  // Tool tips of windowed controls: one tool tip window serves them all.
  void SetToolTip(HWND control, const std::string& gbkHint);
  void RemoveToolTip(HWND control);
  HWND ToolTipWindow() const { return toolTip_; }

  // The window that owns message boxes: the active form, else the main form.
  HWND DialogOwner() const;

 private:
  bool ProcessMessage(MSG& msg);
  bool IsKeyMsg(MSG& msg);
  void ApplyHintPauses();

  std::string title_;
  TCustomForm* mainForm_ = nullptr;
  std::vector<TCustomForm*> forms_;
  bool terminated_ = false;
  bool showMainForm_ = true;
  bool comInitialized_ = false;
  int hintPause_ = 500, hintHidePause_ = 2500, hintShortPause_ = 50;
  bool showHint_ = true;
  HWND toolTip_ = nullptr;
};

// The one application object of the process (made by the program's entry point).
extern TApplication* Application;

// Routes an exception caught at a window procedure to the application object.
void HandleException(std::exception_ptr e);

// The text of an exception for the error box.
std::string ExceptionMessage(std::exception_ptr e);

}  // namespace tk
