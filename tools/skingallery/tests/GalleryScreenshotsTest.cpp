// Screenshots of every page, for the default skin and for skins that lack most elements: one
// decodable PNG per page showing the window as the skin painted it.
#include "ComCtrls.h"
#include "GalleryFixture.h"
#include "GalleryPages.h"
#include "PngFile.h"
#include "ScreenPixels.h"
#include "SolidSkin.h"

namespace {

std::vector<std::wstring> WriteAll(gallery::TGalleryForm& form, const std::filesystem::path& dir, std::string& why) {
  std::vector<std::wstring> written;
  const bool ok = gallery::WriteScreenshots(form, dir.wstring(), [&](const std::wstring& p) { written.push_back(p); }, why);
  if (!ok) written.clear();
  return written;
}

// Pixels that differ between two images of the same size, in the rectangle given.
int DifferingPixels(const gallery::TCapturedImage& a, const gallery::TCapturedImage& b, const RECT& area) {
  int n = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) n += a.PixelAt(x, y) != b.PixelAt(x, y);
  return n;
}

}  // namespace

TEST_F(GalleryTest, EveryPageOfTheDefaultSkinIsWrittenAsAPngShowingTheSkinnedWindow) {
  Open();
  ASSERT_TRUE(skinned);
  EXPECT_EQ(form->Skin()->SkinName, "Tolvane Slate");
  TWinSkinForm* painter = FramePainter();
  const std::filesystem::path dir = Temporary("default");
  std::string why;
  const std::vector<std::wstring> files = WriteAll(*form, dir, why);
  // One picture per page, then the Windows page's MDI window.
  ASSERT_EQ(files.size(), std::size(gallery::GalleryPages) + 1) << why;
  const size_t pages = std::size(gallery::GalleryPages);
  EXPECT_EQ(std::filesystem::path(files[pages]).filename().wstring(), gallery::ScreenshotName(int(pages), "MDI"));
  const gallery::TCapturedImage mdi = gallery::ReadPng(files[pages]);
  EXPECT_GT(mdi.Width, 0);
  EXPECT_EQ(mdi.PixelAt(mdi.Width - painter->RightWidth() - 120, painter->TitleHeight() / 2),
            form->Skin()->Borders[sdTop]->Bitmap.PixelAt(form->Skin()->Borders[sdTop]->Bitmap.Width() / 2,
                                                         painter->TitleHeight() / 2));

  RECT window{};
  GetWindowRect(form->Handle(), &window);
  const int width = window.right - window.left, height = window.bottom - window.top;
  const auto& top = *form->Skin()->Borders[sdTop];
  std::vector<gallery::TCapturedImage> images;
  for (size_t i = 0; i < pages; ++i) {
    EXPECT_EQ(std::filesystem::path(files[i]).filename().wstring(),
              gallery::ScreenshotName(static_cast<int>(i), gallery::GalleryPages[i].Title));
    gallery::TCapturedImage image = gallery::ReadPng(files[i]);
    ASSERT_EQ(image.Width, width) << i;
    ASSERT_EQ(image.Height, height) << i;
    // The title band, right of the caption and left of the caption buttons: the skin's top border
    // stretched along, one colour per row.
    for (int y : {2, painter->TitleHeight() / 2, painter->TitleHeight() - 3})
      EXPECT_EQ(image.PixelAt(width - painter->RightWidth() - 200, y), top.Bitmap.PixelAt(top.Bitmap.Width() / 2, y))
          << "page " << i << " row " << y;
    images.push_back(std::move(image));
  }
  // Each page shows its own controls: the page area differs between the filled pages.
  const RECT pageArea{painter->LeftWidth(), painter->TitleHeight() + painter->MenuHeight + 40, width - painter->RightWidth(),
                      height - painter->BottomHeight() - 30};
  for (size_t i = 1; i < 4; ++i) EXPECT_GT(DifferingPixels(images[0], images[i], pageArea), 500) << i;
}

TEST_F(GalleryTest, SkinsWithoutOptionalElementsStillGiveEveryScreenshot) {
  skin_test::SolidSkinOptions bare;
  bare.captionButtons = false;
  bare.menuItem = false;
  bare.menuBackground = false;
  const skin_test::SolidSkinOptions variants[] = {skin_test::SolidSkinOptions{}, bare};
  int n = 0;
  for (const auto& options : variants) {
    const std::filesystem::path file = TemporaryFile("solid" + std::to_string(n) + ".skin", skin_test::PackSolidSkin(options));
    Open(file.wstring());
    ASSERT_TRUE(skinned) << n;
    EXPECT_EQ(form->Skin()->SkinName, "Solid test skin");
    std::string why;
    const std::vector<std::wstring> files = WriteAll(*form, Temporary("solid_shots" + std::to_string(n)), why);
    ASSERT_EQ(files.size(), std::size(gallery::GalleryPages) + 1) << why;
    for (const std::wstring& path : files) {
      const gallery::TCapturedImage image = gallery::ReadPng(path);
      ASSERT_GT(image.Width, 0);
      // The solid skin's active borders: top band and left edge.
      EXPECT_EQ(image.PixelAt(image.Width / 2 + 40, 1), skin_test::BorderColour(3, 1));
      EXPECT_EQ(image.PixelAt(1, image.Height / 2), skin_test::BorderColour(1, 1));
    }
    Close();
    ++n;
  }
}

TEST_F(GalleryTest, AFileThatIsNoSkinIsReportedAndTheDefaultSkinStays) {
  const std::filesystem::path junk = TemporaryFile("junk.skin", std::vector<uint8_t>(400, 0x33));
  tk::testing::DialogWatcher watcher;
  Open(junk.wstring());
  ASSERT_TRUE(tk::testing::PumpUntil([&] { return watcher.Count() >= 1; }, 5000));
  EXPECT_NE(watcher.Dialogs()[0].text.find(L"This is Older Skin File"), std::wstring::npos);
  EXPECT_EQ(form->Skin()->SkinName, "Tolvane Slate");
  EXPECT_TRUE(skinned);
}

TEST_F(GalleryTest, AFolderThatCannotBeMadeIsAnErrorWithItsName) {
  Open();
  // A file where a folder of the path should be.
  const std::filesystem::path blocker = TemporaryFile("blocker", {1, 2, 3});
  std::string why;
  EXPECT_TRUE(WriteAll(*form, blocker / "shots", why).empty());
  EXPECT_NE(why.find("cannot make the folder"), std::string::npos) << why;
}

TEST_F(GalleryTest, ASkinOpenedWhileRunningRepaintsTheWindow) {
  Open();
  ASSERT_TRUE(skinned);
  const std::filesystem::path file = TemporaryFile("reopened.skin", skin_test::PackSolidSkin());
  form->UseSkinFile(file.wstring());
  EXPECT_EQ(form->Skin()->SkinName, "Solid test skin");
  EXPECT_NE(form->StatusBar()->PanelTextShown(1).find("Solid test skin"), std::string::npos);
  HWND wnd = form->Handle();
  SetForegroundWindow(wnd);
  RECT window{};
  GetWindowRect(wnd, &window);
  const int width = window.right - window.left;
  EXPECT_TRUE(tk::testing::PumpUntil(
      [&] { return skin_test::WindowPixel(wnd, width / 2 + 40, 1) == skin_test::BorderColour(3, 1); }, 5000));
}
