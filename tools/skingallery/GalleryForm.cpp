#include "GalleryForm.h"

#include <windows.h>
#include <commdlg.h>

#include "Application.h"
#include "Buttons.h"
#include "ComCtrls.h"
#include "Encoding.h"
#include "ExtCtrls.h"
#include "GalleryGlyphs.h"
#include "GalleryPages.h"
#include "GallerySkin.h"
#include "Menus.h"
#include "WinSkinData.h"

namespace gallery {
namespace {

constexpr int ToolBarHeight = 30;
constexpr int StatusBarHeight = 22;
// The page control's tab strip and frame around each page.
constexpr int PageFrameHeight = 32;
constexpr int PageFrameWidth = 8;

struct TToolButtonSpec {
  TGlyph Glyph;
  const char* Hint;
  bool Enabled;
};

}  // namespace

TGalleryForm::TGalleryForm(tk::TComponent* owner, const std::wstring& skinFile) : tk::TForm(owner) {
  SetName("GalleryForm");
  SetCaption("Tolvane Skin Gallery");
  SetBorderStyle(tk::TFormBorderStyle::bsSizeable);
  SetPosition(tk::TPosition::poScreenCenter);
  SetBounds(0, 0, PageWidth + 20, PageHeight + 120);
  SetClientSize(PageWidth + PageFrameWidth, ToolBarHeight + PageFrameHeight + PageHeight + StatusBarHeight);
  BuildMenu();
  BuildToolBar();
  BuildStatusBar();
  host_ = new tk::TPanel(this);
  host_->SetBevelOuter(tk::TPanelBevel::bvNone);
  host_->SetParent(this);
  host_->SetAlign(tk::TAlign::alClient);
  book_.Create(this, host_);
  book_.OnPageChanged = [this](int index) { ShowPage(index); };
  BuildPages();
  skin_ = MakeGallerySkin(*this, skinFile);
  ShowPage(0);
  ShowSkinName();
}

tk::TMenuItem* TGalleryForm::AddItem(tk::TMenuItem* parent, const std::string& caption, std::function<void()> action) {
  auto* item = new tk::TMenuItem(this);
  item->SetCaption(caption);
  if (action) item->OnClick = [action](tk::TObject*) { action(); };
  parent->Add(item);
  return item;
}

void TGalleryForm::BuildMenu() {
  menu_ = new tk::TMainMenu(this);
  tk::TMenuItem* file = AddItem(menu_->Items(), "&File", nullptr);
  AddItem(file, "&Open skin...\tCtrl+O", [this] { OpenSkin(); });
  AddItem(file, "&Screenshots...", [this] {
    if (OnScreenshots) OnScreenshots();
  });
  AddItem(file, "-", nullptr);
  AddItem(file, "E&xit", [this] { Close(); });
  tk::TMenuItem* view = AddItem(menu_->Items(), "&View", nullptr);
  int index = 0;
  for (const TGalleryPage& page : GalleryPages) {
    tk::TMenuItem* item = AddItem(view, std::string("&") + page.Title, [this, index] { ShowPage(index); });
    item->SetRadioItem(true);
    item->SetGroupIndex(1);
    viewItems_.push_back(item);
    ++index;
  }
  tk::TMenuItem* help = AddItem(menu_->Items(), "&Help", nullptr);
  AddItem(help, "&About", [this] { About(); });
  SetMenu(menu_);
}

void TGalleryForm::BuildToolBar() {
  toolBar_ = new tk::TToolBar(this);
  toolBar_->SetParent(this);
  toolBar_->SetAlign(tk::TAlign::alTop);
  toolBar_->SetHeight(ToolBarHeight);
  toolBar_->SetFlat(true);
  const TToolButtonSpec specs[] = {
      {TGlyph::Open, "Open a skin file", true},   {TGlyph::Camera, "Screenshots of every page", true},
      {TGlyph::Back, "Previous page", true},      {TGlyph::Forward, "Next page", true},
      {TGlyph::Info, "About the gallery", true},  {TGlyph::Stop, "Disabled: nothing to stop", false},
  };
  const std::function<void()> actions[] = {
      [this] { OpenSkin(); },
      [this] {
        if (OnScreenshots) OnScreenshots();
      },
      [this] { ShowPage((ActivePage() + PageCount() - 1) % PageCount()); },
      [this] { ShowPage((ActivePage() + 1) % PageCount()); },
      [this] { About(); },
      nullptr,
  };
  int left = 4;
  for (size_t i = 0; i < std::size(specs); ++i) {
    if (i == 2 || i == 4) left += 8;  // groups
    auto* button = new tk::TSpeedButton(this);
    button->SetParent(toolBar_);
    button->SetBounds(left, 3, 24, 24);
    button->SetFlat(true);
    GiveGlyph(*button, specs[i].Glyph);
    button->SetHint(specs[i].Hint);
    button->SetShowHint(true);
    button->SetEnabled(specs[i].Enabled);
    if (actions[i]) {
      auto action = actions[i];
      button->OnClick = [action](tk::TObject*) { action(); };
    }
    left += 25;
  }
}

void TGalleryForm::BuildStatusBar() {
  statusBar_ = new tk::TStatusBar(this);
  statusBar_->SetParent(this);
  statusBar_->SetAlign(tk::TAlign::alBottom);
  statusBar_->SetHeight(StatusBarHeight);
  statusBar_->SetSizeGrip(true);
  for (int width : {160, 420}) {
    auto* panel = static_cast<tk::TStatusPanel*>(statusBar_->Panels().Add());
    panel->SetWidth(width);
  }
}

void TGalleryForm::BuildPages() {
  for (const TGalleryPage& page : GalleryPages) page.Build(this, book_.AddPage(page.Title));
}

void TGalleryForm::ShowPage(int index) {
  if (index < 0 || index >= PageCount()) return;
  book_.ShowPage(index);
  for (size_t i = 0; i < viewItems_.size(); ++i) viewItems_[i]->SetChecked(static_cast<int>(i) == index);
  statusBar_->Panel(0)->SetText("Page: " + PageTitle(index));
}

void TGalleryForm::About() {
  MessageBoxW(Handle(),
              L"Tolvane Skin Gallery\n\nEvery control family of the skin engine on one form, in all their "
              L"states, for skin authors.",
              L"About", MB_OK | MB_ICONINFORMATION);
}

void TGalleryForm::ShowSkinName() {
  std::string text = "Skin: " + (skin_ && !skin_->SkinName.empty() ? skin_->SkinName : std::string("(none)"));
  if (skin_ && !skin_->SkinFile().empty()) text += "  (" + skin_->SkinFile() + ")";
  statusBar_->Panel(1)->SetText(text);
}

void TGalleryForm::OpenSkin() {
  wchar_t path[MAX_PATH] = L"";
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = Handle();
  dialog.lpstrFilter = L"Skins (*.skin;*.skn)\0*.skin;*.skn\0All files\0*.*\0";
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrTitle = L"Open skin";
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (GetOpenFileNameW(&dialog)) UseSkinFile(path);
}

void TGalleryForm::UseSkinFile(const std::wstring& path) {
  skin_->SetSkinFile(tk::WideToGbk(path));
  ShowSkinName();
}

}  // namespace gallery
