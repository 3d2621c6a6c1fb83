// The header painter: every item in the header bar's normal frame, the item under the mouse in its
// hot frame after a real mouse move, back to normal when the mouse leaves; captions aligned.
#include <windows.h>
#include <commctrl.h>

#include "ListViews.h"
#include "ListsFixture.h"
#include "SkinHeader.h"

namespace {

using lists_test::HeaderColour;

class HeaderPainterTest : public ListsTest {
 protected:
  void MakeHeader() {
    MakeForm();
    header = Place<tk::THeaderControl>(20, 20, 360, 24);
    header->SetAlign(tk::TAlign::alNone);
    header->SetBounds(20, 20, 360, 24);
    header->AddSection("Name", 100);
    header->AddSection("Size", 90, tk::TAlignment::taRightJustify);
    header->AddSection("Kind", 80, tk::TAlignment::taCenter);
    painter = dynamic_cast<TSkinHeader*>(Skin(TPainterKind::pkHeader, header));
    ASSERT_NE(painter, nullptr);
  }
  HWND Hdr() const { return header->HandleIfAllocated(); }
  RECT Item(int i) const {
    RECT r{};
    SendMessageW(Hdr(), HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
    return r;
  }
  // A point inside item i clear of its caption.
  COLORREF ItemPixel(int i) const { return skin_test::WindowPixel(Hdr(), Item(i).left + 1, 1); }
  COLORREF ItemBecomes(int i, COLORREF expected) const { return PixelBecomes(Hdr(), Item(i).left + 1, 1, expected); }
  void MoveOver(int i) {
    const RECT r = Item(i);
    skin_test::MoveMouse(ScreenPoint(Hdr(), (r.left + r.right) / 2, (r.top + r.bottom) / 2));
  }
  // Columns of item i (between fromPart and toPart tenths of its width) where the caption shows.
  int CaptionColumns(int i, int fromTenth, int toTenth) const {
    const RECT r = Item(i);
    const int w = r.right - r.left;
    int columns = 0;
    for (int x = r.left + w * fromTenth / 10; x < r.left + w * toTenth / 10; ++x)
      for (int y = 5; y < r.bottom - 5; ++y)
        if (skin_test::WindowPixel(Hdr(), x, y) != HeaderColour(1)) {
          ++columns;
          break;
        }
    return columns;
  }

  tk::THeaderControl* header = nullptr;
  TSkinHeader* painter = nullptr;
};

TEST_F(HeaderPainterTest, EveryItemAndTheStripBeyondShowTheNormalFrame) {
  MakeHeader();
  EXPECT_EQ(painter->HotItem, -1);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(ItemBecomes(i, HeaderColour(1)), HeaderColour(1)) << "item " << i;
  EXPECT_EQ(skin_test::WindowPixel(Hdr(), 340, 12), HeaderColour(1));
  EXPECT_EQ(SendMessageW(Hdr(), SKM_ISSKINNED, 0, 0), 1);
  ASSERT_EQ(painter->ItemRects.size(), 3u);
  // The mouse answers 3 pixels inside each item.
  EXPECT_EQ(painter->ItemRects[1].left, Item(1).left + 3);
  EXPECT_EQ(painter->ItemRects[1].right, Item(1).right - 3);
}

TEST_F(HeaderPainterTest, TheItemUnderTheMouseIsHotUntilTheMouseLeaves) {
  MakeHeader();
  ASSERT_EQ(ItemBecomes(1, HeaderColour(1)), HeaderColour(1));
  MoveOver(1);
  EXPECT_EQ(ItemBecomes(1, HeaderColour(2)), HeaderColour(2));
  EXPECT_EQ(painter->HotItem, 1);
  EXPECT_EQ(ItemPixel(0), HeaderColour(1));
  EXPECT_EQ(ItemPixel(2), HeaderColour(1));

  MoveOver(2);
  EXPECT_EQ(ItemBecomes(2, HeaderColour(2)), HeaderColour(2));
  EXPECT_EQ(ItemPixel(1), HeaderColour(1));
  EXPECT_EQ(painter->HotItem, 2);

  MoveAway();
  EXPECT_EQ(ItemBecomes(2, HeaderColour(1)), HeaderColour(1));
  EXPECT_EQ(painter->HotItem, -1);
}

TEST_F(HeaderPainterTest, CaptionsFollowTheirSectionsAlignment) {
  MakeHeader();
  ASSERT_EQ(ItemBecomes(0, HeaderColour(1)), HeaderColour(1));
  // Left: the caption starts near the left edge; right: it ends near the right edge.
  EXPECT_GT(CaptionColumns(0, 0, 4), 0);
  EXPECT_EQ(CaptionColumns(0, 6, 10), 0);
  EXPECT_EQ(CaptionColumns(1, 0, 4), 0);
  EXPECT_GT(CaptionColumns(1, 6, 10), 0);
  // Centre: nothing at either end, something in the middle.
  EXPECT_EQ(CaptionColumns(2, 0, 2), 0);
  EXPECT_GT(CaptionColumns(2, 3, 7), 0);
  EXPECT_EQ(CaptionColumns(2, 8, 10), 0);
}

TEST_F(HeaderPainterTest, WithoutAHeaderBarTheHeaderLooksAsAnUnskinnedOne) {
  MakeForm({.headerbar = false});
  auto place = [this](int top) {
    auto* h = Place<tk::THeaderControl>(20, top, 360, 24);
    h->SetAlign(tk::TAlign::alNone);
    h->SetBounds(20, top, 360, 24);
    h->AddSection("Name", 100);
    h->AddSection("Size", 90, tk::TAlignment::taRightJustify);
    return h;
  };
  header = place(20);
  tk::THeaderControl* plain = place(80);
  ASSERT_NE(Skin(TPainterKind::pkHeader, header), nullptr);
  for (HWND wnd : {Hdr(), plain->HandleIfAllocated()})
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  tk::testing::PumpMessages(30);
  for (POINT p : {POINT{1, 1}, POINT{80, 12}, POINT{150, 12}, POINT{300, 12}, POINT{99, 5}})
    EXPECT_EQ(skin_test::WindowPixel(Hdr(), p.x, p.y), skin_test::WindowPixel(plain->HandleIfAllocated(), p.x, p.y))
        << p.x << "," << p.y;
}

}  // namespace
