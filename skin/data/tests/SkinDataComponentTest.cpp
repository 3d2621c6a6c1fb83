// The skin data component: its settings, its life in a stored layout, skin files, the caption
// hint, the helpers of its unit, and what it gives back when freed.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "LayoutReader.h"
#include "SkinPixels.h"
#include "TestFiles.h"
#include "WinSkinData.h"

using namespace skin_test;

namespace {

std::string Hex(const std::vector<uint8_t>& bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string text;
  for (uint8_t b : bytes) {
    text += digits[b >> 4];
    text += digits[b & 15];
  }
  return text;
}

std::vector<uint8_t> Payload(int32_t length, const std::vector<uint8_t>& bytes) {
  std::vector<uint8_t> payload(4);
  std::memcpy(payload.data(), &length, 4);
  payload.insert(payload.end(), bytes.begin(), bytes.end());
  return payload;
}

std::string Layout(const std::string& body, const std::string& name = "SkinData1") {
  return "object " + name + ": TSkinData\n" + body + "end\n";
}

class SkinDataTest : public ::testing::Test {
 protected:
  void SetUp() override { tk::RegisterComponentClass(TSkinData::StaticClass()); }
  TSkinData* FromLayout(const std::string& body) {
    const std::string name = "SkinData" + std::to_string(++made);
    return static_cast<TSkinData*>(tk::ReadComponentLayout(&owner, Layout(body, name), "TEST"));
  }
  std::vector<uint8_t> defaultSkin = ReadBytes(TOLVANE_DEFAULT_SKIN_FILE);
  tk::TComponent owner{nullptr};
  int made = 0;
};

TEST_F(SkinDataTest, ConstructionValues) {
  TSkinData data(nullptr);
  EXPECT_FALSE(data.Active());
  EXPECT_EQ(data.DisableTag(), 99);
  EXPECT_EQ(data.SkinControls().Bits(), 0x1FFFFBu);
  EXPECT_EQ(data.Options().Bits(), 0x0448u);
  EXPECT_TRUE(data.Options().Contains(TSkinOption::xoCaptionButtonHint));
  EXPECT_EQ(data.SkinFormtype(), TSkinFormType::sfMainform);
  EXPECT_EQ(data.Version(), "5.40.07.15");
  EXPECT_TRUE(data.MenuUpdate());
  EXPECT_FALSE(data.MenuMerge());
  EXPECT_EQ(data.SkinStore(), "(none)");
  EXPECT_EQ(data.SkinFile(), "");
  EXPECT_TRUE(data.SkinStream().empty());
  EXPECT_TRUE(data.Loading);
  EXPECT_TRUE(data.FramePaintEnabled);
  EXPECT_EQ(data.MaxWidth(), GetSystemMetrics(SM_CXMAXIMIZED));
  EXPECT_EQ(data.AppIconBitmap().PixelFormat(), tk::TPixelFormat::pf24bit);
  EXPECT_EQ(data.Buttons->Name, "Buttons");
  EXPECT_EQ(data.Borders[sdLeft]->Name, "Left");
  EXPECT_EQ(data.Borders[sdBottom]->Name, "Bottom");
  EXPECT_EQ(data.Title->Name, "Title");
  EXPECT_EQ(data.MenuItem, nullptr);
  EXPECT_FALSE(data.OnSkinChanged);
}

TEST_F(SkinDataTest, TheDefaultClassListHas118EntriesWithThreeTwice) {
  TSkinData data(nullptr);
  const tk::TStrings& list = *data.Skin3rd();
  ASSERT_EQ(list.Count(), 118);
  EXPECT_EQ(list[0], "TCategoryButtons=scrollbar");
  EXPECT_EQ(list[117], "TOVCDBNUMERICFIELD=Edit");
  for (const char* twice : {"TDBCheckboxEh=Checkbox", "TLMDFontSizeCombobox=combobox", "TWWDBCombobox=Combobox"})
    EXPECT_EQ(std::count(list.Items().begin(), list.Items().end(), twice), 2) << twice;
  tk::TStrings other{"TFoo=button"};
  data.SetSkin3rd(&other);
  EXPECT_EQ(data.Skin3rd()->Count(), 1);
  EXPECT_NE(data.Skin3rd(), &other);  // copied, not taken
}

TEST_F(SkinDataTest, MenuGlyphsAreFour16PixelImages) {
  TSkinData data(nullptr);
  ASSERT_NE(data.MenuGlyphs(), nullptr);
  EXPECT_EQ(ImageList_GetImageCount(data.MenuGlyphs()), 4);
  int cx = 0, cy = 0;
  ImageList_GetIconSize(data.MenuGlyphs(), &cx, &cy);
  EXPECT_EQ(cx, 16);
  EXPECT_EQ(cy, 16);
  // The close glyph is a cross: drawn on red, its centre is black and its corner shows the red.
  tk::TBitmap target;
  Paint(target, 16, 16, [](int, int) { return RGB(255, 0, 0); });
  ImageList_Draw(data.MenuGlyphs(), 3, target.Canvas().Handle(), 0, 0, ILD_TRANSPARENT);
  EXPECT_EQ(target.PixelAt(7, 7), RGB(0, 0, 0));
  EXPECT_EQ(target.PixelAt(0, 0), RGB(255, 0, 0));
}

TEST_F(SkinDataTest, PublishedPropertiesInOrder) {
  std::vector<std::string> names;
  for (const tk::TPropInfo* p : TSkinData::StaticClass().Properties())
    if (p->kind != tk::TTypeKind::Method) names.push_back(p->name);
  const std::vector<std::string> own{"Active", "DisableTag", "SkinControls", "Options", "Skin3rd", "SkinFile",
                                     "SkinStore", "SkinFormtype", "Version", "MenuUpdate", "MenuMerge"};
  ASSERT_GE(names.size(), own.size());
  EXPECT_EQ(std::vector<std::string>(names.end() - static_cast<std::ptrdiff_t>(own.size()), names.end()), own);
  for (const char* event : {"OnFormSkin", "OnSkinChanged", "OnSkinControl", "OnBeforeSkinForm", "OnAfterSkinForm"})
    EXPECT_NE(TSkinData::StaticClass().FindProperty(event), nullptr) << event;
}

TEST_F(SkinDataTest, TheStreamRoundTripsThroughALayoutAndLoadsWhenRead) {
  TSkinData* first = FromLayout("  SkinFormtype = sfDialog\n  Active = True\n  SkinStream = {" +
                                Hex(Payload(static_cast<int32_t>(defaultSkin.size()), defaultSkin)) + "}\n");
  EXPECT_EQ(first->SkinStream(), defaultSkin);
  EXPECT_FALSE(first->Loading);
  ASSERT_NE(first->MenuItem, nullptr);
  EXPECT_TRUE(first->Active());

  const std::string written = tk::WriteLayout(*first);
  EXPECT_NE(written.find("SkinStream = {"), std::string::npos);
  EXPECT_NE(written.find("Version = '5.40.07.15'"), std::string::npos);
  EXPECT_NE(written.find("Skin3rd.Strings = ("), std::string::npos);
  tk::TComponent otherOwner(nullptr);
  auto* second = static_cast<TSkinData*>(tk::ReadComponentLayout(&otherOwner, written, "WRITTEN"));
  EXPECT_EQ(second->SkinStream(), defaultSkin);
  EXPECT_FALSE(second->Loading);
  EXPECT_EQ(second->SkinFormtype(), TSkinFormType::sfDialog);
  EXPECT_EQ(second->Skin3rd()->Items(), first->Skin3rd()->Items());
  EXPECT_EQ(second->SkinControls(), first->SkinControls());
  EXPECT_EQ(tk::WriteLayout(*second), written);
}

TEST_F(SkinDataTest, AnEmptyStreamIsWrittenWithLengthZero) {
  TSkinData data(nullptr);
  data.SetName("SkinData1");
  EXPECT_NE(tk::WriteLayout(data).find("SkinStream = {\n    00000000}"), std::string::npos) << tk::WriteLayout(data);
}

TEST_F(SkinDataTest, AZeroOrNegativeLengthLoadsNothingAndKeepsTheStream) {
  for (const char* payload : {"00000000", "FFFFFFFF", "00000080AABB"}) {
    TSkinData* data = FromLayout(std::string("  SkinStream = {") + payload + "}\n");
    EXPECT_TRUE(data->SkinStream().empty()) << payload;
    EXPECT_TRUE(data->Loading);
  }
  // Into a component that already holds a skin.
  TSkinData held(nullptr);
  held.SetName("SkinData1");
  tk::ReadLayout(held, Layout("  SkinStream = {" + Hex(Payload(static_cast<int32_t>(defaultSkin.size()), defaultSkin)) + "}\n"), "A");
  tk::ReadLayout(held, Layout("  SkinStream = {00000000}\n"), "B");
  EXPECT_EQ(held.SkinStream(), defaultSkin);
}

TEST_F(SkinDataTest, AStreamShorterThanItsLengthIsAnError) {
  EXPECT_ANY_THROW(FromLayout("  SkinStream = {0A000000AABB}\n"));
}

TEST_F(SkinDataTest, VersionAndSkinStoreIgnoreAssignments) {
  TSkinData* data = FromLayout("  Version = '1.0'\n  SkinStore = '(Good)'\n");
  EXPECT_EQ(data->Version(), "5.40.07.15");
  EXPECT_EQ(data->SkinStore(), "(none)");
  EXPECT_TRUE(tk::SetPropText(data, "Version", "2.0"));
  EXPECT_EQ(tk::GetStrProp(data, "Version"), "5.40.07.15");
  data->SetSkinFile(TOLVANE_DEFAULT_SKIN_FILE);
  EXPECT_EQ(data->SkinStore(), "(none)");  // at run time, whatever the stream holds
  data->SetDesigning(true);
  EXPECT_EQ(data->SkinStore(), "(Good)");
}

TEST_F(SkinDataTest, AMainFormComponentWithoutAUsableSkinSwitchesItselfOff) {
  tk::testing::DialogWatcher watcher;
  std::vector<uint8_t> junk(64, 0x11);
  TSkinData* main = FromLayout("  Active = True\n  SkinStream = {" + Hex(Payload(64, junk)) + "}\n");
  EXPECT_FALSE(main->Active());
  EXPECT_TRUE(main->Loading);
  TSkinData* dialog =
      FromLayout("  Active = True\n  SkinFormtype = sfDialog\n  SkinStream = {" + Hex(Payload(64, junk)) + "}\n");
  EXPECT_TRUE(dialog->Active());  // offered to the manager, which decides
  ASSERT_TRUE(tk::testing::PumpUntil([&] { return watcher.Count() >= 2; }, 5000));
  EXPECT_NE(watcher.Dialogs()[0].text.find(L"This is Older Skin File"), std::wstring::npos);
}

TEST_F(SkinDataTest, AMainFormComponentWithItsSkinStaysOnAndSettlesItsMenuKinds) {
  const std::string stream = "  SkinStream = {" + Hex(Payload(static_cast<int32_t>(defaultSkin.size()), defaultSkin)) + "}\n";
  TSkinData* withMenu = FromLayout("  Active = True\n  SkinControls = [xcMainMenu, xcMenuItem, xcSystemMenu]\n" + stream);
  EXPECT_TRUE(withMenu->Active());
  EXPECT_EQ(withMenu->SkinControls(), (TSkinControlTypes{TSkinControlType::xcMainMenu, TSkinControlType::xcSystemMenu}));
  TSkinData* withoutMenu = FromLayout("  SkinControls = [xcMenuItem, xcSystemMenu]\n");
  EXPECT_EQ(withoutMenu->SkinControls(), TSkinControlTypes{TSkinControlType::xcMenuItem});
  TSkinData* dialog = FromLayout("  SkinFormtype = sfDialog\n  SkinControls = [xcMainMenu, xcMenuItem]\n");
  EXPECT_EQ(dialog->SkinControls(), (TSkinControlTypes{TSkinControlType::xcMainMenu, TSkinControlType::xcMenuItem}));
  EXPECT_FALSE(dialog->CaptionFont().Name().empty());
}

TEST_F(SkinDataTest, ActiveStoresOnlyChanges) {
  TSkinData data(nullptr);
  data.SetActive(false);
  EXPECT_FALSE(data.Active());
  data.SetActive(true);
  EXPECT_TRUE(data.Active());
}

TEST_F(SkinDataTest, SkinFilesLoadAtRunTimeAndAreIgnoredWhenMissing) {
  TSkinData data(nullptr);
  data.SetSkinFile(TOLVANE_DEFAULT_SKIN_FILE);
  EXPECT_EQ(data.SkinStream(), defaultSkin);
  EXPECT_FALSE(data.Loading);
  EXPECT_EQ(data.SkinName, "Tolvane Slate");
  data.SetSkinFile("Z:\\no\\such\\file.skin");
  EXPECT_EQ(data.SkinFile(), "Z:\\no\\such\\file.skin");
  // The skin in use stays, ready as it was.
  EXPECT_FALSE(data.Loading);
  EXPECT_EQ(data.SkinStream(), defaultSkin);
  EXPECT_EQ(data.SkinName, "Tolvane Slate");

  TSkinData empty(nullptr);
  empty.SetSkinFile("Z:\\no\\such\\file.skin");
  EXPECT_TRUE(empty.Loading);  // nothing loaded before, nothing loaded now
  EXPECT_TRUE(empty.SkinStream().empty());
}

TEST_F(SkinDataTest, AFileThatIsNotASkinLeavesTheSkinInUseAndSaysSo) {
  const std::filesystem::path junk = std::filesystem::temp_directory_path() / "tolvane_not_a_skin.skin";
  {
    std::ofstream out(junk, std::ios::binary);
    out << std::string(300, '\x5A');
  }
  tk::testing::DialogWatcher watcher;
  TSkinData data(nullptr);
  data.SetSkinFile(TOLVANE_DEFAULT_SKIN_FILE);
  const COLORREF face = data.Colors[scButtonFace];
  data.SetSkinFile(junk.string());
  ASSERT_TRUE(tk::testing::PumpUntil([&] { return watcher.Count() >= 1; }, 5000));
  EXPECT_NE(watcher.Dialogs()[0].text.find(L"This is Older Skin File"), std::wstring::npos);
  EXPECT_FALSE(data.Loading);
  EXPECT_EQ(data.SkinStream(), defaultSkin);
  EXPECT_EQ(data.SkinName, "Tolvane Slate");
  EXPECT_EQ(data.Colors[scButtonFace], face);
  std::filesystem::remove(junk);
}

TEST_F(SkinDataTest, AnUnreadableSkinFileLeavesTheSkinInUseAndSaysWhy) {
  const std::filesystem::path locked = std::filesystem::temp_directory_path() / "tolvane_locked.skin";
  std::filesystem::copy_file(TOLVANE_DEFAULT_SKIN_FILE, locked, std::filesystem::copy_options::overwrite_existing);
  // Held open with no sharing: nobody else may read it.
  HANDLE holder = CreateFileW(locked.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  tk::testing::DialogWatcher watcher;
  TSkinData data(nullptr);
  data.SetSkinFile(TOLVANE_DEFAULT_SKIN_FILE);
  data.SetSkinFile(locked.string());
  CloseHandle(holder);
  ASSERT_TRUE(tk::testing::PumpUntil([&] { return watcher.Count() >= 1; }, 5000));
  EXPECT_NE(watcher.Dialogs()[0].text.find(L"Cannot read the skin file"), std::wstring::npos);
  EXPECT_FALSE(data.Loading);
  EXPECT_EQ(data.SkinStream(), defaultSkin);
  EXPECT_EQ(data.SkinFile(), locked.string());
  std::filesystem::remove(locked);
}

TEST_F(SkinDataTest, InTheDesignerSkinsAreNeverParsed) {
  TSkinData data(nullptr);
  data.SetSkinFile(TOLVANE_DEFAULT_SKIN_FILE);
  data.SetDesigning(true);
  EXPECT_FALSE(data.LoadSkin());
  EXPECT_TRUE(data.Loading);
  data.SetSkinFile("C:\\elsewhere.skin");  // a file named in the designer drops the carried skin
  EXPECT_TRUE(data.SkinStream().empty());
}

TEST_F(SkinDataTest, TheCaptionHintIsShownOnceAndHiddenOnce) {
  TSkinData data(nullptr);
  data.HideCaptionHint();  // nothing shown: nothing happens
  EXPECT_EQ(data.HintWindow().Handle(), nullptr);
  data.ShowCaptionHint(RECT{100, 120, 140, 140}, "Close");
  ASSERT_TRUE(data.CaptionHintShown());
  HWND hint = data.HintWindow().Handle();
  ASSERT_NE(hint, nullptr);
  EXPECT_TRUE(IsWindowVisible(hint));
  RECT placed{};
  GetWindowRect(hint, &placed);
  EXPECT_EQ(placed.left, 100);
  EXPECT_EQ(placed.top, 120);
  EXPECT_GT(placed.right - placed.left, 10);
  data.ShowCaptionHint(RECT{300, 300, 340, 340}, "Minimize");
  GetWindowRect(hint, &placed);
  EXPECT_EQ(placed.left, 100);
  EXPECT_EQ(data.HintWindow().Text(), "Close");
  data.HideCaptionHint();
  EXPECT_FALSE(IsWindowVisible(hint));
  EXPECT_FALSE(data.CaptionHintShown());

  data.SetOptions(TSkinOptions{TSkinOption::xoPreview});
  data.ShowCaptionHint(RECT{100, 120, 140, 140}, "Close");
  EXPECT_FALSE(data.CaptionHintShown());
  EXPECT_FALSE(IsWindowVisible(hint));
}

TEST_F(SkinDataTest, SkinChangedReachesItsHandler) {
  TSkinData data(nullptr);
  data.FireSkinChanged();  // unassigned: nothing
  tk::TObject* sender = nullptr;
  data.OnSkinChanged = [&](tk::TObject* s) { sender = s; };
  data.FireSkinChanged();
  EXPECT_EQ(sender, &data);
}

TEST_F(SkinDataTest, LoadsAndFreesGiveBackEveryGdiObject) {
  auto cycle = [] {
    auto* data = new TSkinData(nullptr);
    data->SetSkinFile(TOLVANE_DEFAULT_SKIN_FILE);
    data->ShowCaptionHint(RECT{0, 0, 10, 10}, "x");
    data->HideCaptionHint();
    tk::TComponent::Free(data);
  };
  cycle();
  const int before = tk::testing::GdiObjectCount();
  ASSERT_GT(before, 0);
  for (int i = 0; i < 100; ++i) cycle();
  EXPECT_EQ(tk::testing::GdiObjectCount(), before);
}

// --- helpers of the unit ---

TEST(WinSkinHelpers, TextConversions) {
  EXPECT_EQ(AnsiToWide(tk::testing::Gbk("中文 text")), L"中文 text");
  const wchar_t* text = L"caption";
  EXPECT_EQ(WideCopy(text, -1), L"caption");
  EXPECT_EQ(WideCopy(text, 3), L"cap");
  EXPECT_EQ(WideCopy(nullptr, -1), L"");
}

TEST(WinSkinHelpers, WideCopyStopsAtTheTerminatorWhenTheCountIsLarger) {
  const wchar_t text[] = L"cap\0tion";
  EXPECT_EQ(WideCopy(text, 7), L"cap");
  EXPECT_EQ(WideCopy(text, 3), L"cap");
  EXPECT_EQ(WideCopy(text, 0), L"");
}

TEST(WinSkinHelpers, WideCopyReadsNothingPastTheTerminator) {
  // The text ends at the end of a readable page; the page after it cannot be read.
  SYSTEM_INFO system;
  GetSystemInfo(&system);
  const size_t page = system.dwPageSize;
  auto* pages = static_cast<char*>(VirtualAlloc(nullptr, 2 * page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
  ASSERT_NE(pages, nullptr);
  DWORD old = 0;
  ASSERT_TRUE(VirtualProtect(pages + page, page, PAGE_NOACCESS, &old));
  auto* text = reinterpret_cast<wchar_t*>(pages + page) - 4;
  wcscpy(text, L"cap");
  EXPECT_EQ(WideCopy(text, 4096), L"cap");
  VirtualFree(pages, 0, MEM_RELEASE);
}

TEST(WinSkinHelpers, DrawTextWideDrawsAndMeasures) {
  tk::TBitmap target;
  Paint(target, 80, 20, [](int, int) { return RGB(255, 255, 255); });
  HDC dc = target.Canvas().Handle();
  RECT measure{0, 0, 0, 0};
  DrawTextWide(dc, L"中文", measure, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_GT(measure.right, 4);
  EXPECT_GT(measure.bottom, 4);
  RECT r{0, 0, 80, 20};
  SetTextColor(dc, RGB(0, 0, 0));
  DrawTextWide(dc, L"WWW", r, DT_SINGLELINE);
  int dark = 0;
  for (COLORREF c : Pixels(target)) dark += c == RGB(0, 0, 0);
  EXPECT_GT(dark, 5);
}

TEST(WinSkinHelpers, ControlOfWindowFindsToolkitControlsOnly) {
  EXPECT_EQ(ControlOfWindow(nullptr), nullptr);
  tk::TForm form(nullptr);
  EXPECT_EQ(ControlOfWindow(form.Handle()), &form);
  EXPECT_EQ(ControlOfWindow(GetDesktopWindow()), nullptr);
}

TEST(WinSkinHelpers, ScrollBarInfoAndMouseLeave) {
  ASSERT_TRUE(HasGetScrollBarInfo());
  ASSERT_TRUE(HasTrackMouseEvent());
  HWND wnd = CreateWindowExW(WS_EX_TOPMOST, L"EDIT", L"", WS_POPUP | WS_VISIBLE | WS_VSCROLL, 400, 300, 100, 100, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(wnd, nullptr);
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  EXPECT_TRUE(SafeGetScrollBarInfo(wnd, OBJID_VSCROLL, info));
  EXPECT_GT(info.rcScrollBar.bottom, info.rcScrollBar.top);
  // The mouse goes over the window and then away: the system's tracking sends the leave notice.
  static bool left;
  left = false;
  static WNDPROC original;
  original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(wnd, GWLP_WNDPROC));
  SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
    if (m == WM_MOUSELEAVE) left = true;
    return CallWindowProcW(original, w, m, wp, lp);
  }));
  SetCursorPos(450, 350);
  tk::testing::PumpMessages(100);
  TrackMouseLeave(wnd);
  SetCursorPos(10, 10);
  EXPECT_TRUE(tk::testing::PumpUntil([] { return left; }, 3000));
  DestroyWindow(wnd);
}

}  // namespace
