#include "WindowsPage.h"

#include <string>

#include "Dialogs.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "GalleryPages.h"
#include "Menus.h"
#include "SkinManage.h"
#include "SkinMessages.h"
#include "StdCtrls.h"
#include "WinSkinForm.h"

namespace gallery {

namespace {

bool AnswersSkinned(HWND wnd) { return SendMessageW(wnd, SKM_ISSKINNED, 0, 0) == 1; }

// Under a skin that serves every form the manager's hook skins the frame and its children as they
// appear; under one that serves its own form only, they are handed to the manager here.
void SkinIfNeeded(tk::TCustomForm& form) {
  TSkinManage* manager = TSkinManage::Instance();
  if (manager && form.HandleAllocated() && !AnswersSkinned(form.HandleIfAllocated())) manager->SkinWindow(form.HandleIfAllocated());
}

tk::TMenuItem* AddItem(tk::TComponent* owner, tk::TMenuItem* parent, const char* caption, tk::TNotifyEvent onClick = {}) {
  auto* item = new tk::TMenuItem(owner);
  item->SetCaption(caption);
  item->OnClick = std::move(onClick);
  parent->Add(item);
  return item;
}

tk::TForm* NewChild(tk::TForm* frame, const std::string& caption, int x, int y, bool maximisable) {
  auto* child = new tk::TForm(frame);
  child->SetFormStyle(tk::TFormStyle::fsMDIChild);
  child->SetCaption(caption);
  child->SetBounds(x, y, 300, 200);
  if (!maximisable) child->SetBorderIcons({tk::TBorderIcon::biSystemMenu, tk::TBorderIcon::biMinimize});
  auto* memo = new tk::TMemo(child);
  memo->SetParent(child);
  memo->SetAlign(tk::TAlign::alClient);
  memo->SetText(maximisable ? "This child can be maximised: its buttons then sit in the frame's menu band."
                            : "This child has no maximise button.");
  child->Show();
  SkinIfNeeded(*child);
  return child;
}

// A panel with the platform's size grip in its bottom-right corner. The grip is a bare window, so
// it is handed to the frame painter once the form is skinned (the skin draws it as a size box).
class TSizeGripPanel : public tk::TPanel {
 public:
  using tk::TPanel::TPanel;

 protected:
  void InitializeWnd() override {
    tk::TPanel::InitializeWnd();
    grip_ = CreateWindowExW(0, L"ScrollBar", nullptr, WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP | SBS_SIZEBOXBOTTOMRIGHTALIGN,
                            0, 0, width_, height_, handle_, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  void Paint() override {
    tk::TPanel::Paint();
    TSkinManage* manager = TSkinManage::Instance();
    if (!grip_ || !IsWindow(grip_) || !manager || AnswersSkinned(grip_)) return;
    if (TWinSkinForm* painter = manager->FindForm(GetAncestor(handle_, GA_ROOT))) painter->SkinChildWindow(grip_);
  }

 private:
  HWND grip_ = nullptr;  // a child of the panel's window, destroyed with it
};

}  // namespace

tk::TForm* OpenMdiWindow(tk::TComponent* owner) {
  auto* frame = new tk::TForm(owner);
  frame->SetFormStyle(tk::TFormStyle::fsMDIForm);
  frame->SetCaption("MDI window");
  frame->SetBounds(80, 60, 720, 480);
  auto* menu = new tk::TMainMenu(frame);
  tk::TMenuItem* file = AddItem(frame, menu->Items(), "&File");
  int made = 0;
  AddItem(frame, file, "&New child", [frame, made](tk::TObject*) mutable {
    NewChild(frame, "Child " + std::to_string(3 + made++), 40, 40, true);
  });
  AddItem(frame, file, "-");
  AddItem(frame, file, "&Close", [frame](tk::TObject*) { frame->Close(); });
  tk::TMenuItem* window = AddItem(frame, menu->Items(), "&Window");
  AddItem(frame, window, "&Cascade", [frame](tk::TObject*) { frame->Cascade(); });
  AddItem(frame, window, "&Tile", [frame](tk::TObject*) { frame->Tile(); });
  AddItem(frame, window, "&Next", [frame](tk::TObject*) { frame->Next(); });
  frame->SetMenu(menu);
  frame->SetWindowMenu(window);
  // Closed, the frame goes with its children.
  frame->OnClose = [](tk::TObject*, tk::TCloseAction& action) { action = tk::TCloseAction::caFree; };
  frame->Show();
  SkinIfNeeded(*frame);
  NewChild(frame, "Maximisable child", 10, 10, true);
  NewChild(frame, "Fixed child", 200, 120, false);
  return frame;
}

void BuildWindowsPage(tk::TComponent* owner, tk::TWinControl* page) {
  auto* mdi = new tk::TButton(owner);
  mdi->SetParent(page);
  mdi->SetBounds(16, 16, 150, 28);
  mdi->SetCaption("MDI window...");
  mdi->OnClick = [owner](tk::TObject*) { OpenMdiWindow(owner); };

  auto* box = new tk::TButton(owner);
  box->SetParent(page);
  box->SetBounds(16, 56, 150, 28);
  box->SetCaption("Message box...");
  box->OnClick = [](tk::TObject*) {
    tk::MessageBoxText("A message box drawn by the skin. Save the changes?", "Message box", MB_YESNOCANCEL | MB_ICONQUESTION);
  };

  auto* popup = new tk::TPopupMenu(owner);
  for (const char* caption : {"Cu&t", "&Copy", "&Paste", "-", "Select &all"}) AddItem(owner, popup->Items(), caption);
  tk::TMenuItem* more = AddItem(owner, popup->Items(), "&More");
  AddItem(owner, more, "&One");
  AddItem(owner, more, "&Two");

  auto* panel = new tk::TPanel(owner);
  panel->SetParent(page);
  panel->SetBounds(190, 16, 260, 120);
  panel->SetCaption("Right-click here for a pop-up menu");
  panel->SetPopupMenu(popup);

  auto* memo = new tk::TMemo(owner);
  memo->SetParent(page);
  memo->SetBounds(190, 150, 260, 120);
  memo->SetText("The same pop-up menu: right-click, or Shift+F10 with the focus here.");
  memo->SetPopupMenu(popup);

  auto* grip = new TSizeGripPanel(owner);
  grip->SetParent(page);
  grip->SetBounds(470, 16, 270, 254);
  grip->SetCaption("A size grip (bottom right)");
}

}  // namespace gallery
