// Menus under real windows: the native items an item tree makes, owner drawing dispatched by the
// form to the item it names, Alt+character reaching the form, and the form telling its window when
// its menu changes.
#include <gtest/gtest.h>

#include <vector>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "Menus.h"
#include "Messages.h"
#include "StdCtrls.h"
#include "UserInput.h"

using namespace tk;
using tk::testing::InputScript;
using tk::testing::PumpMessages;
using tk::testing::TapKey;
using tk::testing::TapKeyWith;
using tk::testing::VisibleMenuWindows;
using tk::testing::WaitFor;

namespace {

struct NativeItem {
  UINT type = 0, state = 0, id = 0;
  HMENU subMenu = nullptr;
  ULONG_PTR data = 0;
  std::wstring text;
};

NativeItem ReadItem(HMENU menu, int position) {
  wchar_t text[128] = {};
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_STRING;
  info.dwTypeData = text;
  info.cch = 128;
  EXPECT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info));
  return NativeItem{info.fType, info.fState, info.wID, info.hSubMenu, info.dwItemData, text};
}

class MenusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBorderStyle(TFormBorderStyle::bsSingle);
    form->SetBounds(120, 120, 300, 200);
    popup = new TPopupMenu(form);
    open = Add(popup->Items(), "&Open\tCtrl+O");
    line = Add(popup->Items(), "-");
    radio = Add(popup->Items(), "Radio");
    radio->SetRadioItem(true);
    radio->SetChecked(true);
    off = Add(popup->Items(), "Off");
    off->SetEnabled(false);
    more = Add(popup->Items(), "More");
    inner = Add(more, "Inner");
  }
  void TearDown() override { TComponent::Free(form); }

  TMenuItem* Add(TMenuItem* parent, const char* caption) {
    auto* item = new TMenuItem(form);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  }

  TForm* form = nullptr;
  TPopupMenu* popup = nullptr;
  TMenuItem *open, *line, *radio, *off, *more, *inner;
};

TEST_F(MenusTest, OwnerDrawnItemsKeepTheirTextAndNameTheirItem) {
  popup->SetOwnerDraw(true);
  HMENU menu = popup->Handle();
  ASSERT_EQ(GetMenuItemCount(menu), 5);
  TMenuItem* items[] = {open, line, radio, off, more};
  for (int i = 0; i < 5; ++i) {
    const NativeItem native = ReadItem(menu, i);
    EXPECT_TRUE(native.type & MFT_OWNERDRAW) << i;
    EXPECT_EQ(native.data, reinterpret_cast<ULONG_PTR>(items[i])) << i;
    EXPECT_EQ(popup->FindItemByIdentity(native.data), items[i]) << i;
  }
  EXPECT_EQ(ReadItem(menu, 0).text, L"&Open\tCtrl+O");
  EXPECT_EQ(ReadItem(menu, 0).id, open->Command());
  EXPECT_TRUE(ReadItem(menu, 1).type & MFT_SEPARATOR);
  EXPECT_TRUE(ReadItem(menu, 2).type & MFT_RADIOCHECK);
  EXPECT_TRUE(ReadItem(menu, 2).state & MFS_CHECKED);
  EXPECT_TRUE(ReadItem(menu, 3).state & MFS_GRAYED);
  EXPECT_EQ(ReadItem(menu, 4).subMenu, more->Handle());
  EXPECT_TRUE(ReadItem(more->Handle(), 0).type & MFT_OWNERDRAW);

  // An item data that names no item of the menu finds nothing, whatever it points at.
  int unrelated = 0;
  EXPECT_EQ(popup->FindItemByIdentity(reinterpret_cast<ULONG_PTR>(&unrelated)), nullptr);
  EXPECT_EQ(popup->FindItemByIdentity(0x12345678), nullptr);

  popup->SetOwnerDraw(false);
  EXPECT_FALSE(ReadItem(popup->Handle(), 0).type & MFT_OWNERDRAW);
  EXPECT_EQ(open->CaptionText(), L"&Open");
  EXPECT_EQ(open->ShortCutText(), L"Ctrl+O");
}

TEST_F(MenusTest, TheFormHandsOwnerDrawingOfItsMenusItemsToTheItem) {
  struct Measured {
    TObject* item;
    int width, height;
  };
  std::vector<Measured> measured;
  std::vector<std::pair<TObject*, RECT>> drawn;
  for (TMenuItem* item : {open, line, radio, off, more}) {
    item->OnMeasureItem = [&](TObject* sender, HDC, int& width, int& height) {
      measured.push_back({sender, width, height});
      height = 30;
    };
    item->OnDrawItem = [&](TObject* sender, const DRAWITEMSTRUCT& dis) {
      drawn.push_back({sender, dis.rcItem});
      FillRect(dis.hDC, &dis.rcItem, GetSysColorBrush(COLOR_WINDOW));
    };
  }
  popup->SetOwnerDraw(true);
  form->Show();
  PumpMessages(50);
  RECT openRect{};
  InputScript script([&] {
    if (!WaitFor([] { return !VisibleMenuWindows().empty(); }, 3000)) return;
    WaitFor([&] { return GetMenuItemRect(nullptr, popup->Handle(), 0, &openRect) && openRect.bottom > openRect.top; }, 3000);
    TapKey(VK_ESCAPE);
  });
  popup->PopupFor(form->Handle(), 150, 150);
  ASSERT_TRUE(script.RunToEnd());

  ASSERT_FALSE(measured.empty());
  EXPECT_EQ(measured[0].item, open);
  int width = 0, height = 0;
  WindowDC dc(form->Handle());
  open->DefaultMeasure(dc.Get(), width, height);
  EXPECT_EQ(measured[0].width, width);  // the handler starts from the item's own measure
  EXPECT_EQ(measured[0].height, height);
  EXPECT_EQ(openRect.bottom - openRect.top, 30);  // and what it answers is the item's size
  bool openDrawn = false;
  for (const auto& d : drawn) openDrawn = openDrawn || d.first == open;
  EXPECT_TRUE(openDrawn);

  // A draw message whose item data names none of the form's items is not the form's.
  DRAWITEMSTRUCT stranger{};
  stranger.CtlType = ODT_MENU;
  stranger.itemData = 0x12345678;
  const size_t before = drawn.size();
  EXPECT_EQ(SendMessageW(form->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&stranger)), 0);
  EXPECT_EQ(drawn.size(), before);
}

TEST_F(MenusTest, AltAndACharacterInAControlReachTheFormAsADialogCharacter) {
  auto* edit = new TEdit(form);
  edit->SetParent(form);
  edit->SetBounds(10, 10, 150, 24);
  std::vector<WPARAM> dialogChars;
  int editSysChars = 0;
  TWndMethod formProc = form->WindowProc;
  form->WindowProc = [&](TMessage& msg) {
    if (msg.Msg == CM_DIALOGCHAR) {
      dialogChars.push_back(msg.WParam);
      msg.Result = msg.WParam == 'k' ? 1 : 0;  // takes Alt+K only
      return;
    }
    formProc(msg);
  };
  TWndMethod editProc = edit->WindowProc;
  edit->WindowProc = [&](TMessage& msg) {
    if (msg.Msg == WM_SYSCHAR) ++editSysChars;
    editProc(msg);
  };
  form->Show();
  edit->SetFocus();
  PumpMessages(50);
  ASSERT_EQ(GetFocus(), edit->Handle());
  InputScript script([] {
    TapKeyWith(VK_MENU, 'K');
    TapKeyWith(VK_MENU, 'J');
  });
  ASSERT_TRUE(script.RunToEnd());
  tk::testing::PumpUntil([&] { return dialogChars.size() >= 2; }, 3000);
  PumpMessages(50);
  ASSERT_EQ(dialogChars.size(), 2u);
  EXPECT_EQ(dialogChars[0], static_cast<WPARAM>('k'));
  EXPECT_EQ(dialogChars[1], static_cast<WPARAM>('j'));
  EXPECT_EQ(editSysChars, 1);  // the one the form did not take
  form->WindowProc = formProc;
  edit->WindowProc = editProc;
}

TEST_F(MenusTest, TheFormTellsItsWindowWhenItsMainMenuIsReplacedOrFreed) {
  auto* first = new TMainMenu(form);
  Add(first->Items(), "First");
  auto* second = new TMainMenu(form);
  Add(second->Items(), "Second");
  form->SetMenu(first);
  form->Show();
  std::vector<LPARAM> changes;
  TWndMethod formProc = form->WindowProc;
  form->WindowProc = [&](TMessage& msg) {
    if (msg.Msg == CM_MENUCHANGED) changes.push_back(msg.LParam);
    formProc(msg);
  };
  form->SetMenu(second);
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0], reinterpret_cast<LPARAM>(second));
  EXPECT_EQ(GetMenu(form->Handle()), second->Handle());
  TComponent::Free(second);
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_EQ(form->Menu(), nullptr);
  form->WindowProc = formProc;
}

}  // namespace
