// The skinned menu band of a toolkit form with a main menu, driven with real mouse and key input
// under the system's own menu tracking: what the band shows, which drop-down opens, what choosing
// an item runs, switching between drop-downs, the skin's owner-drawn items, and menu changes.
#include <atomic>
#include <map>

#include "Encoding.h"
#include "Menus.h"
#include "SkinnedFormFixture.h"
#include "StdCtrls.h"
#include "UserInput.h"
#include "WinSkinMenu.h"

using namespace skin_test;
using tk::testing::ClickAt;
using tk::testing::InputScript;
using tk::testing::MoveMouseTo;
using tk::testing::OnTestThread;
using tk::testing::TapKey;
using tk::testing::TapKeyWith;
using tk::testing::VisibleMenuWindows;
using tk::testing::WaitFor;

namespace {

constexpr int Wait = 3000;

RECT WindowRect(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return r;
}

// The one visible menu window whose left edge is at x (a drop-down opens under its band button).
HWND MenuWindowAt(int x) {
  for (HWND wnd : VisibleMenuWindows())
    if (WindowRect(wnd).left == x) return wnd;
  return nullptr;
}

HWND WaitForMenuAt(int x) {
  HWND found = nullptr;
  WaitFor([&] { return (found = MenuWindowAt(x)) != nullptr; }, Wait);
  return found;
}

// Rests the mouse on p the way a hand does: small moves now and then, until the drop-down at x
// opens. A single jump can land before a busy machine's menu loop listens for moves.
HWND HoverUntilMenuAt(POINT p, int x) {
  HWND found = nullptr;
  for (int waited = 0, step = 0; waited < Wait && !found; waited += 250, ++step) {
    MoveMouseTo(POINT{p.x + (step & 1), p.y});
    WaitFor([&] { return (found = MenuWindowAt(x)) != nullptr; }, 250);
  }
  return found;
}

// Escape until no menu is open (each closes one level).
void CloseMenus() {
  for (int i = 0; i < 4 && !VisibleMenuWindows().empty(); ++i) {
    TapKey(VK_ESCAPE);
    WaitFor([] { return VisibleMenuWindows().empty(); }, 500);
  }
}

// Whether some pixel of a screen rectangle has the colour.
bool AnyPixel(const RECT& r, COLORREF colour) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (ScreenPixel(x, y) == colour) return true;
  return false;
}

RECT ItemRect(HMENU menu, int position) {
  RECT r{};
  GetMenuItemRect(nullptr, menu, static_cast<UINT>(position), &r);
  return r;
}

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

}  // namespace

class MenuBandTest : public SkinnedFormTest {
 protected:
  void PrepareForm(tk::TForm& f) override {
    menu = new tk::TMainMenu(&f);
    file = Item(menu->Items(), "&File");
    open = Item(file, "&Open");
    Item(file, "-");
    recent = Item(file, "&Recent");
    one = Item(recent, "One");
    Item(recent, "Two");
    tools = Item(menu->Items(), "&Tools");
    tools->SetEnabled(false);
    Item(tools, "Nothing");
    options = Item(menu->Items(), "&Options");
    fast = Item(options, "Fast");
    fast->SetChecked(true);
    Item(options, "-");
    small = Item(options, "Small");
    large = Item(options, "Large");
    for (tk::TMenuItem* radio : {small, large}) {
      radio->SetRadioItem(true);
      radio->SetGroupIndex(1);
    }
    large->SetChecked(true);
    disabled = Item(options, "Disabled");
    disabled->SetEnabled(false);
    help = Item(menu->Items(), "&Help");
    hidden = Item(menu->Items(), "Hidden");
    hidden->SetVisible(false);
    Item(hidden, "Nothing either");
    if (rightToLeft) {
      HWND wnd = f.Handle();
      SetWindowLongPtrW(wnd, GWL_EXSTYLE, GetWindowLongPtrW(wnd, GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
    }
    f.SetMenu(menu);
    if (withEdit) {
      edit = new tk::TEdit(&f);
      edit->SetParent(&f);
      edit->SetBounds(10, 10, 200, 24);
    }
  }

  tk::TMenuItem* Item(tk::TMenuItem* parent, const char* caption) {
    auto* item = new tk::TMenuItem(form);
    item->SetCaption(caption);
    item->OnClick = [this](tk::TObject* sender) { ++clicks[sender]; };
    parent->Add(item);
    return item;
  }

  void SetUp() override {
    SkinnedFormTest::SetUp();
    MakeSkinnedForm(400, 300, tk::TFormBorderStyle::bsSizeable, TSkinFormType::sfDialog, skinOptions);
    ASSERT_NE(Painter(), nullptr);
    ASSERT_NE(Band(), nullptr);
    SetForegroundWindow(Wnd());
    if (edit) edit->SetFocus();
    tk::testing::PumpMessages(50);
  }
  void TearDown() override {
    CloseMenus();
    SkinnedFormTest::TearDown();
  }

  TWinSkinMenu* Band() const { return Painter() ? Painter()->MenuBar.get() : nullptr; }
  TMenuBtn& Button(int i) const { return *Band()->Buttons.at(static_cast<size_t>(i)); }
  // Screen point inside a band button, and the left edge its drop-down opens at.
  POINT ButtonPoint(int i) const {
    const RECT w = WindowRect(Wnd());
    const RECT b = Button(i).Bounds;
    return POINT{w.left + (b.left + b.right) / 2, w.top + (b.top + b.bottom) / 2};
  }
  int DropDownLeft(int i) const { return WindowRect(Wnd()).left + Button(i).Bounds.left; }
  RECT ButtonOnScreen(int i) const {
    RECT b = Button(i).Bounds;
    const RECT w = WindowRect(Wnd());
    OffsetRect(&b, w.left, w.top);
    return b;
  }

  bool withEdit = false;
  bool rightToLeft = false;
  SolidSkinOptions skinOptions;
  tk::TMainMenu* menu = nullptr;
  tk::TMenuItem *file = nullptr, *open = nullptr, *recent = nullptr, *one = nullptr, *tools = nullptr;
  tk::TMenuItem *options = nullptr, *fast = nullptr, *small = nullptr, *large = nullptr, *disabled = nullptr;
  tk::TMenuItem *help = nullptr, *hidden = nullptr;
  tk::TEdit* edit = nullptr;
  std::map<tk::TObject*, int> clicks;
};

// Band indexes of the visible items.
enum { bFile = 0, bTools = 1, bOptions = 2, bHelp = 3 };

TEST_F(MenuBandTest, TheWindowHasNoNativeMenuAndTheBandShowsTheVisibleItems) {
  EXPECT_EQ(GetMenu(Wnd()), nullptr);
  TWinSkinMenu& band = *Band();
  ASSERT_EQ(band.ButtonCount(), 4);
  const wchar_t* captions[] = {L"&File", L"&Tools", L"&Options", L"&Help"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Button(i).Caption, captions[i]) << i;
  EXPECT_EQ(Button(bFile).SubMenu, file->Handle());
  EXPECT_EQ(Button(bHelp).SubMenu, nullptr);
  EXPECT_EQ(Button(bHelp).Command, help->Command());
  EXPECT_FALSE(Button(bTools).Enabled);

  // Below the title, in one row from the band's left, in menu order.
  const int bandTop = TitleHeight, bandBottom = TitleHeight + Painter()->MenuHeight;
  EXPECT_EQ(Button(bFile).Bounds.left, LeftWidth + 6);
  for (int i = 0; i < 4; ++i) {
    const RECT b = Button(i).Bounds;
    EXPECT_EQ(b.top, bandTop) << i;
    EXPECT_EQ(b.bottom, bandBottom - 1) << i;
    if (i > 0) {
      EXPECT_EQ(b.left, Button(i - 1).Bounds.right) << i;
    }
  }
  RECT client{};
  GetClientRect(Wnd(), &client);
  EXPECT_EQ(client.bottom, 300);
  EXPECT_EQ(WindowSize().cy, 300 + TitleHeight + Painter()->MenuHeight + BottomHeight);

  // Without a menu bar picture the band is the skin's menu bar colour, the captions its menu bar
  // text colour (the disabled one the system's shadow colour).
  const SIZE size = WindowSize();
  EXPECT_EQ(WindowPixel(Wnd(), size.cx - RightWidth - 3, bandTop + 2), TableColour(scMenubar));
  EXPECT_TRUE(AnyPixel(ButtonOnScreen(bFile), TableColour(scMenuBarText)));
  EXPECT_FALSE(AnyPixel(ButtonOnScreen(bTools), TableColour(scMenuBarText)));
  EXPECT_TRUE(AnyPixel(ButtonOnScreen(bTools), GetSysColor(COLOR_BTNSHADOW)));
}

TEST_F(MenuBandTest, AClickOnABandButtonOpensItsDropDownAndAClickOnAnItemRunsIt) {
  HMENU dropDown = file->Handle();
  bool opened = false;
  InputScript script([&] {
    ClickAt(ButtonPoint(bFile));
    opened = WaitForMenuAt(DropDownLeft(bFile)) != nullptr;
    if (opened) ClickAt(Centre(ItemRect(dropDown, 0)));
    WaitFor([] { return VisibleMenuWindows().empty(); }, Wait);
    CloseMenus();
  });
  ASSERT_TRUE(script.RunToEnd());
  tk::testing::PumpUntil([&] { return clicks[open] > 0; }, Wait);
  EXPECT_TRUE(opened);
  EXPECT_EQ(clicks[open], 1);
  EXPECT_EQ(clicks[one], 0);
}

TEST_F(MenuBandTest, AltAloneOpensTheFirstDropDownWithItsFirstItemSelectedAndEnterRunsIt) {
  bool opened = false;
  InputScript script([&] {
    TapKey(VK_MENU);
    opened = WaitForMenuAt(DropDownLeft(bFile)) != nullptr;
    TapKey(VK_RETURN);
    WaitFor([] { return VisibleMenuWindows().empty(); }, Wait);
    CloseMenus();
  });
  ASSERT_TRUE(script.RunToEnd());
  tk::testing::PumpUntil([&] { return clicks[open] > 0; }, Wait);
  EXPECT_TRUE(opened);
  EXPECT_EQ(clicks[open], 1);
}

TEST_F(MenuBandTest, F10OpensTheFirstDropDownAndDownMovesToTheNextItem) {
  bool opened = false;
  InputScript script([&] {
    TapKey(VK_F10);
    opened = WaitForMenuAt(DropDownLeft(bFile)) != nullptr;
    // Open, then (past the separator) Recent, whose sub-menu Right opens, then One.
    TapKey(VK_DOWN);
    TapKey(VK_RIGHT);
    TapKey(VK_RETURN);
    WaitFor([] { return VisibleMenuWindows().empty(); }, Wait);
    CloseMenus();
  });
  ASSERT_TRUE(script.RunToEnd());
  tk::testing::PumpUntil([&] { return clicks[one] > 0; }, Wait);
  EXPECT_TRUE(opened);
  EXPECT_EQ(clicks[one], 1);
  EXPECT_EQ(clicks[open], 0);
}

TEST_F(MenuBandTest, AltAndAnAcceleratorOpenThatItemsDropDown) {
  bool opened = false;
  InputScript script([&] {
    TapKeyWith(VK_MENU, 'O');
    opened = WaitForMenuAt(DropDownLeft(bOptions)) != nullptr;
    TapKey(VK_RETURN);  // its first item
    WaitFor([] { return VisibleMenuWindows().empty(); }, Wait);
    CloseMenus();
  });
  ASSERT_TRUE(script.RunToEnd());
  tk::testing::PumpUntil([&] { return clicks[fast] > 0; }, Wait);
  EXPECT_TRUE(opened);
  EXPECT_EQ(clicks[fast], 1);
}

TEST_F(MenuBandTest, AnAcceleratorOfADisabledItemOrOfNoItemOpensNothing) {
  std::atomic<bool> anyMenu{false};
  InputScript script([&] {
    TapKeyWith(VK_MENU, 'T');
    TapKeyWith(VK_MENU, 'Z');
    // Then one that opens, to know the others were handled before it.
    TapKeyWith(VK_MENU, 'H');
    WaitFor([&] { return clicks[help] > 0; }, Wait);
    anyMenu = !VisibleMenuWindows().empty();
  });
  ASSERT_TRUE(script.RunToEnd());
  EXPECT_EQ(clicks[help], 1);
  EXPECT_FALSE(anyMenu);
  EXPECT_EQ(clicks[tools], 0);
}

class MenuBandWithFocusedEditTest : public MenuBandTest {
 protected:
  MenuBandWithFocusedEditTest() { withEdit = true; }
};

TEST_F(MenuBandWithFocusedEditTest, AltAndAnAcceleratorWorkWithTheFocusInAControl) {
  ASSERT_EQ(GetFocus(), edit->Handle());
  bool opened = false, openedByAlt = false;
  InputScript script([&] {
    TapKeyWith(VK_MENU, 'O');  // arrives as 'o': any case
    opened = WaitForMenuAt(DropDownLeft(bOptions)) != nullptr;
    TapKey(VK_ESCAPE);
    WaitFor([] { return VisibleMenuWindows().empty(); }, Wait);
    TapKey(VK_MENU);
    openedByAlt = WaitForMenuAt(DropDownLeft(bFile)) != nullptr;
    CloseMenus();
  });
  ASSERT_TRUE(script.RunToEnd());
  EXPECT_TRUE(opened);
  EXPECT_TRUE(openedByAlt);
  EXPECT_EQ(edit->GetText(), "");  // the letter went to the menu, not into the edit
}

TEST_F(MenuBandTest, RightAndLeftSwitchToTheNeighbouringDropDownsRoundTheBand) {
  // File, Tools (disabled), Options, Help (a command): only File and Options have drop-downs to
  // switch to.
  bool file1 = false, options1 = false, file2 = false, options2 = false, options3 = false;
  InputScript script([&] {
    TapKey(VK_MENU);
    file1 = WaitForMenuAt(DropDownLeft(bFile)) != nullptr;
    TapKey(VK_RIGHT);
    options1 = WaitForMenuAt(DropDownLeft(bOptions)) != nullptr;
    TapKey(VK_RIGHT);  // past the last one: round to the first
    file2 = WaitForMenuAt(DropDownLeft(bFile)) != nullptr;
    TapKey(VK_LEFT);  // before the first one: round to the last
    options2 = WaitForMenuAt(DropDownLeft(bOptions)) != nullptr;
    TapKey(VK_LEFT);
    WaitForMenuAt(DropDownLeft(bFile));
    TapKey(VK_LEFT);
    options3 = WaitForMenuAt(DropDownLeft(bOptions)) != nullptr && VisibleMenuWindows().size() == 1;
    CloseMenus();
  });
  ASSERT_TRUE(script.RunToEnd());
  EXPECT_TRUE(file1);
  EXPECT_TRUE(options1);
  EXPECT_TRUE(file2);
  EXPECT_TRUE(options2);
  EXPECT_TRUE(options3);
  EXPECT_EQ(clicks[help], 0);  // a command on the band is not run by passing over it
}

TEST_F(MenuBandTest, InASubMenuLeftClosesItAndRightOnAnItemWithoutSubItemsSwitches) {
  bool subOpened = false, subClosed = false, switched = false;
  InputScript script([&] {
    TapKey(VK_MENU);
    HWND fileMenu = WaitForMenuAt(DropDownLeft(bFile));
    TapKey(VK_DOWN);   // Recent
    TapKey(VK_RIGHT);  // opens its sub-menu, One selected
    subOpened = WaitFor([] { return VisibleMenuWindows().size() == 2; }, Wait);
    TapKey(VK_LEFT);  // back to Recent: the sub-menu closes, the drop-down stays
    subClosed = WaitFor([] { return VisibleMenuWindows().size() == 1; }, Wait) && MenuWindowAt(DropDownLeft(bFile)) == fileMenu;
    TapKey(VK_RIGHT);  // Recent has sub-items: opens them again
    WaitFor([] { return VisibleMenuWindows().size() == 2; }, Wait);
    TapKey(VK_RIGHT);  // One has none: the next band drop-down
    switched = WaitForMenuAt(DropDownLeft(bOptions)) != nullptr &&
               WaitFor([] { return VisibleMenuWindows().size() == 1; }, Wait);
    CloseMenus();
  });
  ASSERT_TRUE(script.RunToEnd());
  EXPECT_TRUE(subOpened);
  EXPECT_TRUE(subClosed);
  EXPECT_TRUE(switched);
}

TEST_F(MenuBandTest, MovingTheMouseOverAnotherBandButtonSwitchesToItsDropDown) {
  MessageRecorder recorder(Wnd());
  bool file = false, options = false, closedByClick = false;
  InputScript script([&] {
    ClickAt(ButtonPoint(bFile));
    file = WaitForMenuAt(DropDownLeft(bFile)) != nullptr;
    MoveMouseTo(ButtonPoint(bTools));  // disabled: nothing to switch to
    options = HoverUntilMenuAt(ButtonPoint(bOptions), DropDownLeft(bOptions)) != nullptr;
    // A click on the button of the open drop-down closes it.
    ClickAt(ButtonPoint(bOptions));
    closedByClick = WaitFor([] { return VisibleMenuWindows().empty(); }, Wait);
    Sleep(200);
    closedByClick = closedByClick && VisibleMenuWindows().empty();
    CloseMenus();
  });
  ASSERT_TRUE(script.RunToEnd());
  EXPECT_TRUE(file);
  EXPECT_TRUE(options);
  EXPECT_TRUE(closedByClick);
  // Two drop-downs were shown: the closing click did not open the second one again.
  EXPECT_EQ(recorder.Count(WM_INITMENUPOPUP), 2);
}

TEST_F(MenuBandTest, ACommandOnTheBandRunsItsClickAndADisabledItemOpensNothing) {
  std::atomic<bool> anyMenu{false};
  InputScript script([&] {
    ClickAt(ButtonPoint(bTools));
    ClickAt(ButtonPoint(bHelp));
    WaitFor([&] { return clicks[help] > 0; }, Wait);
    anyMenu = !VisibleMenuWindows().empty();
  });
  // Watch for menu windows on this side too, while the clicks are handled.
  ASSERT_TRUE(tk::testing::PumpUntil(
      [&] {
        if (!VisibleMenuWindows().empty()) anyMenu = true;
        return script.Finished();
      },
      10000));
  EXPECT_EQ(clicks[help], 1);
  EXPECT_EQ(clicks[tools], 0);
  EXPECT_FALSE(anyMenu);
}

TEST_F(MenuBandTest, OpenMenuAtOpensTheButtonUnderAScreenPoint) {
  bool opened = false;
  InputScript script([&] {
    opened = WaitForMenuAt(DropDownLeft(bOptions)) != nullptr;
    CloseMenus();
  });
  const POINT p = ButtonPoint(bOptions);
  PostMessageW(Wnd(), SKM_OPENMENUAT, 0, MAKELPARAM(p.x, p.y));
  ASSERT_TRUE(script.RunToEnd());
  EXPECT_TRUE(opened);
}

namespace {

// Where an item's glyph (picture or check mark) goes, on the screen: the skin's item picture keeps
// its left margin (2 in the test skin) free.
RECT GlyphBoxOf(const RECT& item) {
  const int left = item.left + 1 + 2;
  return RECT{left, item.top + 1, left + 16, std::min<LONG>(item.top + 17, item.bottom)};
}

// The caption's part of an item, right of the glyph box.
RECT CaptionAreaOf(const RECT& item) { return RECT{item.left + 22, item.top, item.right - 2, item.bottom}; }

}  // namespace

TEST_F(MenuBandTest, DropDownItemsAreDrawnFromTheSkinsMenuItemPicture) {
  HMENU dropDown = options->Handle();
  RECT items[5]{};
  COLORREF selected = 0, normal = 0, separator = 0;
  bool fastMarked = false, smallMarked = true, largeMarked = false;
  bool normalText = false, selectedText = false, disabledText = false, disabledInMenuText = true;
  InputScript script([&] {
    TapKeyWith(VK_MENU, 'O');
    if (!WaitForMenuAt(DropDownLeft(bOptions))) return;
    for (int i = 0; i < 5; ++i) items[i] = ItemRect(dropDown, i);
    // Fast is selected (the first item), Small is not; the separator is Options' second item.
    const POINT fastPoint{items[0].right - 3, (items[0].top + items[0].bottom) / 2};
    WaitFor([&] { return ScreenPixel(fastPoint.x, fastPoint.y) == MenuItemColour(4); }, Wait);
    selected = ScreenPixel(fastPoint.x, fastPoint.y);
    normal = ScreenPixel(items[2].right - 3, (items[2].top + items[2].bottom) / 2);
    separator = ScreenPixel((items[1].left + items[1].right) / 2, (items[1].top + items[1].bottom) / 2);
    const COLORREF mark = GetSysColor(COLOR_BTNTEXT);
    fastMarked = AnyPixel(GlyphBoxOf(items[0]), mark);
    smallMarked = AnyPixel(GlyphBoxOf(items[2]), mark);
    largeMarked = AnyPixel(GlyphBoxOf(items[3]), mark);
    selectedText = AnyPixel(CaptionAreaOf(items[0]), TableColour(scHilightText));
    normalText = AnyPixel(CaptionAreaOf(items[2]), TableColour(scMenuText));
    disabledText = AnyPixel(CaptionAreaOf(items[4]), TableColour(scButtonShadow));
    disabledInMenuText = AnyPixel(CaptionAreaOf(items[4]), TableColour(scMenuText));
    CloseMenus();
  });
  ASSERT_TRUE(script.RunToEnd());
  EXPECT_EQ(selected, MenuItemColour(4));
  EXPECT_EQ(normal, MenuItemColour(1));
  EXPECT_EQ(separator, MenuItemColour(2));
  EXPECT_TRUE(fastMarked);     // checked: the system's check mark
  EXPECT_FALSE(smallMarked);   // a radio item not checked
  EXPECT_TRUE(largeMarked);    // the checked radio item: the bullet
  EXPECT_TRUE(selectedText);   // the selected item's caption in the skin's highlight text colour
  EXPECT_TRUE(normalText);     // the others in its menu text colour
  EXPECT_TRUE(disabledText);   // a disabled one in its shadow colour
  EXPECT_FALSE(disabledInMenuText);

  // Sizes come from the skin's measure: a separator is 8 high, an item as high as the toolkit's
  // own measure of its caption.
  EXPECT_EQ(items[1].bottom - items[1].top, 8);
  tk::WindowDC dc(Wnd());
  int width = 0, height = 0;
  fast->DefaultMeasure(dc.Get(), width, height);
  EXPECT_EQ(items[0].bottom - items[0].top, height);
}

TEST_F(MenuBandTest, ChangesOfTheMenuRebuildTheBand) {
  options->SetCaption("&Settings");
  ASSERT_EQ(Band()->ButtonCount(), 4);
  EXPECT_EQ(Button(bOptions).Caption, L"&Settings");
  const LONG right = Button(bOptions).Bounds.right;

  tools->SetEnabled(true);
  EXPECT_TRUE(Button(bTools).Enabled);
  tools->SetVisible(false);
  ASSERT_EQ(Band()->ButtonCount(), 3);
  EXPECT_EQ(Button(1).Caption, L"&Settings");
  EXPECT_LT(Button(1).Bounds.right, right);  // laid out again without Tools

  tk::TMenuItem* added = Item(menu->Items(), "&Window");
  Item(added, "Tile");
  ASSERT_EQ(Band()->ButtonCount(), 4);
  EXPECT_EQ(Button(3).Caption, L"&Window");
  EXPECT_EQ(Button(3).SubMenu, added->Handle());
  // Every button names the sub-menu its item has now: no handle of a menu built before survives.
  for (int i = 0; i < Band()->ButtonCount(); ++i) {
    if (Button(i).SubMenu) {
      EXPECT_TRUE(IsMenu(Button(i).SubMenu)) << i;
    }
  }
  EXPECT_EQ(Button(0).SubMenu, file->Handle());

  tk::TComponent::Free(added);
  ASSERT_EQ(Band()->ButtonCount(), 3);
  EXPECT_EQ(GetMenu(Wnd()), nullptr);

  // The new caption is on the screen.
  tk::testing::PumpMessages(50);
  EXPECT_TRUE(AnyPixel(ButtonOnScreen(1), TableColour(scMenuBarText)));
}

TEST_F(MenuBandTest, ACheckedItemChangedInCodeShowsItsMarkTheNextTimeTheDropDownOpens) {
  fast->SetChecked(false);
  small->SetChecked(true);  // and Large, of the same radio group, no longer
  EXPECT_FALSE(large->Checked());
  HMENU dropDown = options->Handle();
  bool fastMarked = true, smallMarked = false, largeMarked = true;
  InputScript script([&] {
    TapKeyWith(VK_MENU, 'O');
    if (!WaitForMenuAt(DropDownLeft(bOptions))) return;
    const RECT small = ItemRect(dropDown, 2);
    const COLORREF mark = GetSysColor(COLOR_BTNTEXT);
    WaitFor([&] { return AnyPixel(GlyphBoxOf(small), mark); }, Wait);
    fastMarked = AnyPixel(GlyphBoxOf(ItemRect(dropDown, 0)), mark);
    smallMarked = AnyPixel(GlyphBoxOf(small), mark);
    largeMarked = AnyPixel(GlyphBoxOf(ItemRect(dropDown, 3)), mark);
    CloseMenus();
  });
  ASSERT_TRUE(script.RunToEnd());
  EXPECT_FALSE(fastMarked);
  EXPECT_TRUE(smallMarked);
  EXPECT_FALSE(largeMarked);
}

TEST_F(MenuBandTest, AFormWithoutAMenuAnyMoreLosesTheBandAndAFormGivenOneGetsIt) {
  const SIZE before = WindowSize();
  const int menuHeight = Painter()->MenuHeight;
  form->SetMenu(nullptr);
  EXPECT_EQ(Band(), nullptr);
  EXPECT_EQ(Painter()->MenuHeight, 0);
  EXPECT_EQ(GetMenu(Wnd()), nullptr);

  form->SetMenu(menu);
  ASSERT_NE(Band(), nullptr);
  EXPECT_EQ(Painter()->MenuHeight, menuHeight);
  EXPECT_EQ(Band()->ButtonCount(), 4);
  EXPECT_EQ(GetMenu(Wnd()), nullptr);
  // The toolkit kept the client size it was asked for.
  RECT client{};
  GetClientRect(Wnd(), &client);
  EXPECT_EQ(client.bottom, 300);
  EXPECT_EQ(WindowSize().cy, before.cy);
}

TEST_F(MenuBandTest, TheSkinnedSystemMenuDrawsItsItemsAndGlyphsFromTheSkin) {
  ASSERT_NE(skin->MenuGlyphs(), nullptr);
  HMENU native = GetSystemMenu(Wnd(), FALSE);
  int closeIndex = -1;
  for (int i = 0; i < GetMenuItemCount(native); ++i)
    if (GetMenuItemID(native, i) == SC_CLOSE) closeIndex = i;
  ASSERT_GE(closeIndex, 0);
  // Nowhere near the menu, so that no item is under the mouse.
  MoveMouseTo(POINT{5, GetSystemMetrics(SM_CYSCREEN) - 5});
  TWinSkinForm* painter = Painter();
  RECT close{};
  COLORREF frame = 0;
  bool glyph = false;
  InputScript script([&] {
    if (!WaitFor([] { return !VisibleMenuWindows().empty(); }, Wait)) return;
    close = ItemRect(painter->SysMenu->Handle(), closeIndex);
    const POINT p{close.right - 3, (close.top + close.bottom) / 2};
    WaitFor([&] { return ScreenPixel(p.x, p.y) == MenuItemColour(1); }, Wait);
    frame = ScreenPixel(p.x, p.y);
    glyph = AnyPixel(GlyphBoxOf(close), RGB(0, 0, 0));  // the close glyph, black on its mask
    CloseMenus();
  });
  POINT origin{0, 0};
  ClientToScreen(Wnd(), &origin);
  painter->OpenSystemMenu(origin);
  ASSERT_TRUE(script.RunToEnd());
  EXPECT_EQ(frame, MenuItemColour(1));
  EXPECT_TRUE(glyph);
}

// With a component that serves every form, menu windows get their painter: the skin's menu
// background makes their border.
class MenuWindowPainterTest : public MenuBandTest {
 protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    MakeSkinnedForm(400, 300, tk::TFormBorderStyle::bsSizeable, TSkinFormType::sfMainform);
    ASSERT_NE(Painter(), nullptr);
    ASSERT_NE(Band(), nullptr);
    SetForegroundWindow(Wnd());
    tk::testing::PumpMessages(50);
  }
};

TEST_F(MenuWindowPainterTest, ADropDownsWindowHasTheSkinsMenuBackgroundAsItsBorder) {
  HWND menuWindow = nullptr;
  COLORREF corner = 0, edge = 0;
  size_t painters = 0;
  bool fromBar = false;
  InputScript script([&] {
    TapKeyWith(VK_MENU, 'F');
    menuWindow = WaitForMenuAt(DropDownLeft(bFile));
    if (!menuWindow) return;
    const RECT r = WindowRect(menuWindow);
    WaitFor([&] { return ScreenPixel(r.left + 1, r.top + 1) == MenuBackgroundColour(); }, Wait);
    corner = ScreenPixel(r.left + 1, r.top + 1);
    edge = ScreenPixel(r.right - 2, (r.top + r.bottom) / 2);
    TSkinManage* manager = TSkinManage::Instance();
    painters = manager->PopMenus.size();
    fromBar = painters > 0 && manager->PopMenus.back()->OpenedFromBar;
    CloseMenus();
  });
  ASSERT_TRUE(script.RunToEnd());
  ASSERT_NE(menuWindow, nullptr);
  EXPECT_EQ(painters, 1u);
  EXPECT_TRUE(fromBar);
  EXPECT_EQ(corner, MenuBackgroundColour());
  EXPECT_EQ(edge, MenuBackgroundColour());
  // The painter leaves with its window.
  tk::testing::PumpMessages(50);
  EXPECT_TRUE(TSkinManage::Instance()->PopMenus.empty());
}

TEST_F(MenuBandTest, AButtonUnderTheMouseIsFramedInTheSkinsHighlightColour) {
  const RECT b = ButtonOnScreen(bOptions);
  const POINT edge{b.left, (b.top + b.bottom) / 2};
  EXPECT_NE(ScreenPixel(edge.x, edge.y), TableColour(scButtonHilight));
  COLORREF hot = 0, left = 0;
  InputScript script([&] {
    MoveMouseTo(ButtonPoint(bOptions));
    WaitFor([&] { return ScreenPixel(edge.x, edge.y) == TableColour(scButtonHilight); }, Wait);
    hot = ScreenPixel(edge.x, edge.y);
    // Off the band again: the frame timer lets the button go.
    MoveMouseTo(POINT{b.left + 5, b.bottom + 60});
    WaitFor([&] { return ScreenPixel(edge.x, edge.y) == TableColour(scMenubar); }, Wait);
    left = ScreenPixel(edge.x, edge.y);
  });
  ASSERT_TRUE(script.RunToEnd());
  EXPECT_EQ(hot, TableColour(scButtonHilight));
  EXPECT_EQ(left, TableColour(scMenubar));
}

TEST_F(MenuBandTest, AltWhileADropDownIsOpenClosesItWithoutOpeningItAgain) {
  MessageRecorder recorder(Wnd());
  bool opened = false, closed = false, reopenedByF10 = false;
  InputScript script([&] {
    TapKey(VK_MENU);
    opened = WaitForMenuAt(DropDownLeft(bFile)) != nullptr;
    TapKey(VK_MENU);
    closed = WaitFor([] { return VisibleMenuWindows().empty(); }, Wait);
    // Keys are handled in order: once F10's drop-down is there, the second Alt is all handled.
    TapKey(VK_F10);
    reopenedByF10 = WaitForMenuAt(DropDownLeft(bFile)) != nullptr;
    CloseMenus();
  });
  ASSERT_TRUE(script.RunToEnd());
  EXPECT_TRUE(opened);
  EXPECT_TRUE(closed);
  EXPECT_TRUE(reopenedByF10);
  EXPECT_EQ(recorder.Count(WM_INITMENUPOPUP), 2);
  EXPECT_FALSE(Painter()->MenuTracking);
}

TEST_F(MenuBandTest, TheBandKnowsTheSelectedItemOfTheOpenDropDown) {
  tk::TMenuItem *first = nullptr, *afterDown = nullptr;
  int openIndex = -1;
  InputScript script([&] {
    TapKeyWith(VK_MENU, 'O');
    if (!WaitForMenuAt(DropDownLeft(bOptions))) return;
    HMENU dropDown = nullptr;
    OnTestThread([&] { dropDown = options->Handle(); });
    auto hilited = [dropDown](int i) { return (GetMenuState(dropDown, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) != 0; };
    WaitFor([&] { return hilited(0); }, Wait);
    OnTestThread([&] {
      first = Band()->SelectedItem;
      openIndex = Band()->OpenIndex();
    });
    TapKey(VK_DOWN);  // past the separator
    WaitFor([&] { return hilited(2); }, Wait);
    OnTestThread([&] { afterDown = Band()->SelectedItem; });
    CloseMenus();
  });
  ASSERT_TRUE(script.RunToEnd());
  EXPECT_EQ(openIndex, bOptions);
  EXPECT_EQ(first, fast);
  EXPECT_EQ(afterDown, small);
  EXPECT_EQ(Band()->OpenIndex(), -1);
  EXPECT_EQ(Band()->SelectedItem, nullptr);
}

class MenuBarPictureTest : public MenuBandTest {
 protected:
  MenuBarPictureTest() {
    skinOptions.menuBar = true;
    skinOptions.menuBarLeftWidth = 5;
  }
};

TEST_F(MenuBarPictureTest, TheBandShowsTheMenuBarPictureActiveThenInactiveAndItemsStartAfterItsLeftEnd) {
  const int y = TitleHeight + 2;
  const int x = WindowSize().cx - RightWidth - 4;
  EXPECT_EQ(Button(bFile).Bounds.left, LeftWidth + 5 + 4);
  EXPECT_EQ(WindowPixel(Wnd(), x, y), MenuBarColour(1));
  // Another window active: the inactive frame.
  tk::TForm* other = new tk::TForm(nullptr);
  other->SetBounds(600, 500, 200, 150);
  other->Show();
  tk::testing::PumpUntil([&] { return !Painter()->NCActive; }, Wait);
  tk::testing::PumpMessages(50);
  EXPECT_EQ(WindowPixel(Wnd(), x, y), MenuBarColour(2));
  tk::TComponent::Free(other);
}

class RightToLeftMenuBandTest : public MenuBandTest {
 protected:
  RightToLeftMenuBandTest() { rightToLeft = true; }
};

TEST_F(RightToLeftMenuBandTest, ButtonsRunFromTheRightAndTheArrowKeysFollowThem) {
  ASSERT_TRUE(Painter()->RightToLeft);
  EXPECT_EQ(Button(bFile).Bounds.right, WindowSize().cx - RightWidth - 6);
  EXPECT_EQ(Button(bTools).Bounds.right, Button(bFile).Bounds.left);
  auto dropDownRight = [this](int i) { return WindowRect(Wnd()).left + Button(i).Bounds.right; };
  auto menuEndingAt = [](int right) {
    HWND found = nullptr;
    WaitFor(
        [&] {
          for (HWND wnd : VisibleMenuWindows())
            if (WindowRect(wnd).right == right) found = wnd;
          return found != nullptr;
        },
        Wait);
    return found != nullptr;
  };
  bool file = false, options = false;
  InputScript script([&] {
    TapKey(VK_MENU);
    file = menuEndingAt(dropDownRight(bFile));
    TapKey(VK_LEFT);  // leftwards is onwards in a right-to-left band
    options = menuEndingAt(dropDownRight(bOptions));
    CloseMenus();
  });
  ASSERT_TRUE(script.RunToEnd());
  EXPECT_TRUE(file);
  EXPECT_TRUE(options);
}

// A window of the program that is no toolkit form, with a menu of its own: the band and the items
// come from the native menu alone, and Alt+letter reaches the band as the system's key-menu
// command.
class PlainWindowMenuTest : public SkinnedFormTest {
 protected:
  static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND) commands.push_back(LOWORD(wParam));
    return DefWindowProcW(wnd, msg, wParam, lParam);
  }
  void SetUp() override {
    SkinnedFormTest::SetUp();
    MakeSkinnedForm(200, 150);
    commands.clear();
    static const ATOM atom = [] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = Proc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
      wc.lpszClassName = L"MenuBandTestPlainWindow";
      return RegisterClassW(&wc);
    }();
    ASSERT_NE(atom, 0);
    HMENU bar = CreateMenu();
    edit = CreatePopupMenu();
    AppendMenuW(edit, MF_STRING, 101, L"&Copy\tCtrl+C");
    AppendMenuW(edit, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(edit, MF_STRING | MF_CHECKED, 102, L"Checked");
    AppendMenuW(edit, MF_STRING | MF_GRAYED, 103, L"Gone");
    HMENU view = CreatePopupMenu();
    AppendMenuW(view, MF_STRING, 201, L"Zoom");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), L"&Edit");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(view), L"&View");
    plain = CreateWindowExW(0, L"MenuBandTestPlainWindow", L"Plain", WS_OVERLAPPEDWINDOW, 150, 150, 360, 260, nullptr, bar,
                            GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(plain, nullptr);
    ShowWindow(plain, SW_SHOW);
    SetForegroundWindow(plain);
    SetFocus(plain);
    ASSERT_TRUE(TSkinManage::Instance()->SkinWindow(plain));
    tk::testing::PumpUntil([this] { return PlainPainter() && PlainPainter()->FrameState == fsRunning; }, Wait);
    tk::testing::PumpMessages(50);
  }
  void TearDown() override {
    CloseMenus();
    if (plain) DestroyWindow(plain);
    SkinnedFormTest::TearDown();
  }
  TWinSkinForm* PlainPainter() const { return TSkinManage::Instance()->FindForm(plain); }

  HWND plain = nullptr;
  HMENU edit = nullptr;
  static inline std::vector<UINT> commands;
};

TEST_F(PlainWindowMenuTest, TheBandAndTheItemsComeFromTheNativeMenu) {
  ASSERT_NE(PlainPainter(), nullptr);
  TWinSkinMenu* band = PlainPainter()->MenuBar.get();
  ASSERT_NE(band, nullptr);
  EXPECT_EQ(GetMenu(plain), nullptr);
  ASSERT_EQ(band->ButtonCount(), 2);
  EXPECT_EQ(band->Buttons[0]->Caption, L"&Edit");
  EXPECT_EQ(band->Buttons[1]->Caption, L"&View");
  EXPECT_EQ(band->Buttons[0]->SubMenu, edit);

  const int left = WindowRect(plain).left + band->Buttons[0]->Bounds.left;
  RECT copy{}, line{}, checked{};
  COLORREF selected = 0, separator = 0;
  bool marked = false;
  InputScript script([&] {
    TapKeyWith(VK_MENU, 'E');
    if (!WaitForMenuAt(left)) return;
    copy = ItemRect(edit, 0);
    line = ItemRect(edit, 1);
    checked = ItemRect(edit, 2);
    const POINT p{copy.right - 3, (copy.top + copy.bottom) / 2};
    WaitFor([&] { return ScreenPixel(p.x, p.y) == MenuItemColour(4); }, Wait);
    selected = ScreenPixel(p.x, p.y);
    separator = ScreenPixel((line.left + line.right) / 2, (line.top + line.bottom) / 2);
    marked = AnyPixel(GlyphBoxOf(checked), GetSysColor(COLOR_BTNTEXT));
    TapKey(VK_RETURN);
    WaitFor([] { return VisibleMenuWindows().empty(); }, Wait);
  });
  ASSERT_TRUE(script.RunToEnd());
  tk::testing::PumpUntil([] { return !commands.empty(); }, Wait);
  EXPECT_EQ(selected, MenuItemColour(4));
  EXPECT_EQ(separator, MenuItemColour(2));
  EXPECT_TRUE(marked);
  EXPECT_EQ(line.bottom - line.top, 8);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0], 101u);

  // The menu the band took off the window goes with the window.
  DestroyWindow(plain);
  plain = nullptr;
  EXPECT_FALSE(IsMenu(edit));
}

namespace {
// Opens a band button's drop-down and closes it from a timer once the menu loop runs.
void OpenAndClose(HWND wnd, const RECT& buttonOnScreen) {
  SetTimer(nullptr, 0, 1, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    EndMenu();
  });
  SendMessageW(wnd, SKM_OPENMENUAT, 0, MAKELPARAM(buttonOnScreen.left + 1, buttonOnScreen.top + 1));
}
}  // namespace

TEST_F(MenuBandTest, DropDownsRebuildsAndRepaintsGiveBackTheirGdiObjectsAndWindows) {
  const RECT fileButton = ButtonOnScreen(bFile), optionsButton = ButtonOnScreen(bOptions);
  // Once first: what is made once for the program (fonts, marks) is made here.
  OpenAndClose(Wnd(), fileButton);
  OpenAndClose(Wnd(), optionsButton);
  tk::testing::PumpMessages(50);
  const int gdi = tk::testing::GdiObjectCount(), windows = tk::testing::ThreadWindowCount();
  MessageRecorder recorder(Wnd());
  for (int i = 0; i < 40; ++i) {
    OpenAndClose(Wnd(), fileButton);
    OpenAndClose(Wnd(), optionsButton);
    options->SetCaption(i % 2 ? "&Options" : "&Settings");
    SendMessageW(Wnd(), SKM_REPAINTFRAME, 0, 0);
  }
  tk::testing::PumpMessages(50);
  EXPECT_GE(recorder.Count(WM_DRAWITEM), 80);  // the items were drawn each time
  EXPECT_EQ(recorder.Count(WM_INITMENUPOPUP), 80);
  EXPECT_EQ(tk::testing::GdiObjectCount(), gdi);
  EXPECT_EQ(tk::testing::ThreadWindowCount(), windows);
}

// The form's pop-up menus are switched to the skin's drawing when the form is skinned; a main menu
// can be switched too (menu items skinned).
class SkinnedPopupMenuTest : public MenuBandTest {
 protected:
  void PrepareForm(tk::TForm& f) override {
    MenuBandTest::PrepareForm(f);
    popup = new tk::TPopupMenu(&f);
    cut = Item(popup->Items(), "Cut");
    paste = Item(popup->Items(), "Paste");
  }
  tk::TPopupMenu* popup = nullptr;
  tk::TMenuItem *cut = nullptr, *paste = nullptr;
};

TEST_F(SkinnedPopupMenuTest, APopupMenuOfTheFormIsDrawnByTheSkinUntilSwitchedBack) {
  EXPECT_TRUE(popup->OwnerDraw());
  EXPECT_TRUE(cut->OnDrawItem && cut->OnMeasureItem);
  MoveMouseTo(POINT{5, GetSystemMetrics(SM_CYSCREEN) - 5});
  HMENU handle = popup->Handle();
  COLORREF frame = 0;
  InputScript script([&] {
    if (!WaitFor([] { return !VisibleMenuWindows().empty(); }, Wait)) return;
    const RECT first = ItemRect(handle, 0);
    const POINT p{first.right - 3, (first.top + first.bottom) / 2};
    WaitFor([&] { return ScreenPixel(p.x, p.y) == MenuItemColour(1); }, Wait);
    frame = ScreenPixel(p.x, p.y);
    ClickAt(Centre(ItemRect(handle, 1)));
  });
  const RECT w = WindowRect(Wnd());
  popup->PopupFor(Wnd(), w.left + 60, w.top + 80);
  ASSERT_TRUE(script.RunToEnd());
  EXPECT_EQ(frame, MenuItemColour(1));
  EXPECT_EQ(clicks[paste], 1);

  skin_menu::SwitchMenuToSkin(*popup, *skin, false);
  EXPECT_FALSE(popup->OwnerDraw());
  EXPECT_FALSE(cut->OnDrawItem || cut->OnMeasureItem);
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  GetMenuItemInfoW(popup->Handle(), 0, TRUE, &info);
  EXPECT_FALSE(info.fType & MFT_OWNERDRAW);
}

TEST_F(SkinnedPopupMenuTest, AMainMenuSwitchedToTheSkinDrawsItsItemsBelowTheBar) {
  skin_menu::SwitchMenuToSkin(*menu, *skin, true);
  EXPECT_TRUE(menu->OwnerDraw());
  EXPECT_FALSE(options->OnDrawItem);  // the bar's own items are the band's
  EXPECT_TRUE(fast->OnDrawItem && fast->OnMeasureItem);
  ASSERT_EQ(Band()->ButtonCount(), 4);
  EXPECT_EQ(Button(bOptions).Caption, L"&Options");
  HMENU dropDown = options->Handle();
  COLORREF selected = 0;
  InputScript script([&] {
    TapKeyWith(VK_MENU, 'O');
    if (!WaitForMenuAt(DropDownLeft(bOptions))) return;
    const RECT first = ItemRect(dropDown, 0);
    const POINT p{first.right - 3, (first.top + first.bottom) / 2};
    WaitFor([&] { return ScreenPixel(p.x, p.y) == MenuItemColour(4); }, Wait);
    selected = ScreenPixel(p.x, p.y);
    CloseMenus();
  });
  ASSERT_TRUE(script.RunToEnd());
  EXPECT_EQ(selected, MenuItemColour(4));
  skin_menu::SwitchMenuToSkin(*menu, *skin, false);
  EXPECT_FALSE(menu->OwnerDraw());
  EXPECT_FALSE(fast->OnDrawItem);
  EXPECT_EQ(Band()->ButtonCount(), 4);
}
