#include <gtest/gtest.h>

#include "GalleryArguments.h"
#include "GalleryScreenshots.h"

using gallery::ParseGalleryArguments;

TEST(GalleryArguments, ASkinFileAndAScreenshotFolderInEitherOrder) {
  auto a = ParseGalleryArguments({L"blue.skin", L"--screenshots", L"out"});
  EXPECT_TRUE(a.Error.empty());
  EXPECT_EQ(a.SkinFile, L"blue.skin");
  EXPECT_TRUE(a.Screenshots);
  EXPECT_EQ(a.ScreenshotDir, L"out");
  auto b = ParseGalleryArguments({L"--screenshots", L"C:\\shots dir", L"blue.skin"});
  EXPECT_TRUE(b.Error.empty());
  EXPECT_EQ(b.SkinFile, L"blue.skin");
  EXPECT_EQ(b.ScreenshotDir, L"C:\\shots dir");
  auto none = ParseGalleryArguments({});
  EXPECT_TRUE(none.Error.empty());
  EXPECT_FALSE(none.Screenshots);
  EXPECT_TRUE(none.SkinFile.empty());
}

TEST(GalleryArguments, MistakesAreNamed) {
  EXPECT_EQ(ParseGalleryArguments({L"--screenshots"}).Error, "--screenshots needs a folder");
  EXPECT_EQ(ParseGalleryArguments({L"--shots", L"x"}).Error, "unknown option --shots");
  EXPECT_EQ(ParseGalleryArguments({L"a.skin", L"b.skin"}).Error, "one skin file at most");
}

TEST(GalleryArguments, ScreenshotNamesAreNumberedFromOne) {
  EXPECT_EQ(gallery::ScreenshotName(0, "Buttons"), L"01-Buttons.png");
  EXPECT_EQ(gallery::ScreenshotName(11, "Windows"), L"12-Windows.png");
}
