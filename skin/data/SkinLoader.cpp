#include "SkinLoader.h"

#include <string>
#include <vector>

#include "ImgUtil.h"
#include "SkinDerivedImages.h"
#include "SkinElementLoaders.h"
#include "SkinRead.h"
#include "SkinSource.h"
#include "WinSkinIni.h"

namespace {

void BuildElements(const TSkinSource& source, TSkinElements& e) {
  std::vector<std::string> sections;
  source.Ini().ReadSections(sections);
  e.SkinName = source.String("TitlebarSkin", "SkinName");

  LoadFrameBorders(source, e);
  LoadColours(source, sections, e);
  LoadCaptionButtons(source, sections, e);
  LoadButtons(source, e);
  LoadTitle(source, e);

  const tk::TColor text = e.Colors[scButtonText];
  LoadBitmapElement(source, e.Progress, "Progress");
  LoadImageElement(source, e.ProgressChunk, "Progress.Chunk", text);
  LoadMenuBarElement(source, e.MenuBar);
  LoadImageElement(source, e.GroupBoxEdge, "GroupBoxEdge", text);
  LoadBoxLabelElement(source, e.GroupBox, "GroupBox", text);
  LoadBorderElement(source, e.Tabs, "Tabs", "Border", text);
  LoadImageElement(source, e.StatusBarEdges, "StatusBarEdges", text);
  LoadImageElement(source, e.TabPane, "Tab.Pane", text);
  if (e.TabPane) {
    // The tab painters leave no more than 4 pixels for the pane's edges.
    for (int32_t* margin : {&e.TabPane->LeftWidth, &e.TabPane->TopHeight, &e.TabPane->RightWidth, &e.TabPane->BottomHeight})
      if (*margin > 4) *margin = 4;
  }
  LoadImageElement(source, e.ToolBars, "ToolBars", text);
  LoadBorderElement(source, e.ComboButton, "ComboButton", "****", text);
  LoadImageElement(source, e.SunkEdge, "SunkEdge", text);
  if (e.ComboButton && !e.ComboButton->Bitmap.Empty()) {
    e.ComboButton->Bitmap2.Assign(e.ComboButton->Bitmap);
    MirrorBitmap(e.ComboButton->Bitmap2);
  }
  LoadImageElement(source, e.ExtraImages, "ExtraImages", text);
  LoadImageElement(source, e.Headerbar, "Headerbar", text);
  LoadImageElement(source, e.MenuItem, "MenuItem", text);
  LoadImageElement(source, e.MenuBackground, "MenuBackground", text);
  LoadImageElement(source, e.Scrollbar, "Scrollbar", text);
  LoadImageElement(source, e.HorzScroll, "HorzScroll", text);
  LoadImageElement(source, e.VertScroll, "VertScroll", text);
  LoadImageElement(source, e.HorzScrollThumb, "HorzScrollThumb", text);
  LoadImageElement(source, e.VertScrollThumb, "VertScrollThumb", text);
  LoadImageElement(source, e.TrackThumbHorz, "Trackbar.ThumbHorz", text);
  LoadImageElement(source, e.TrackThumbVert, "Trackbar.ThumbVert", text);
  LoadImageElement(source, e.TrackThumbLeft, "Trackbar.ThumbLeft", text);
  LoadImageElement(source, e.TrackThumbRight, "Trackbar.ThumbRight", text);
  LoadImageElement(source, e.TrackThumbUp, "Trackbar.ThumbUp", text);
  LoadImageElement(source, e.TrackThumbDown, "Trackbar.ThumbDown", text);
  LoadBorderElement(source, e.UpDownHorz, "UpDown.Horz", "GlyphImage", text);
  LoadBorderElement(source, e.UpDownVert, "UpDown.Vert", "GlyphImage", text);
  LoadImageElement(source, e.Track, "Track", text);
  LoadImageElement(source, e.TrackVert, "TRACKVERT", text);
  if (!e.Track) LoadBuiltInElement(e.Track, L"TRACK");
  if (!e.TrackVert) LoadBuiltInElement(e.TrackVert, L"TRACKVERT");

  SetFrameCounts(e);
  // The scroll thumbs say how many frames they have.
  if (e.HorzScrollThumb) e.HorzScrollThumb->FrameCount = source.Integer("HorzScrollThumb", "FrameCount", 3);
  if (e.VertScrollThumb) e.VertScrollThumb->FrameCount = source.Integer("VertScrollThumb", "FrameCount", 3);

  MakeComboImages(e);
  MakeComboArrow(e);
  MakeToolbarFace(e);
  e.Colors[scFrameSample] = e.FrameSampleColour();
  e.FaceBrush.Reset(CreateSolidBrush(tk::ColorToRGB(e.Colors[scButtonFace])));
}

}  // namespace

bool LoadSkinElements(TSkinElements& elements, std::span<const std::uint8_t> packed, const TSkinNotifier& notifier) {
  elements.Loading = true;
  TSkinReader reader(notifier);
  if (!reader.LoadFromStream(packed)) return false;
  std::vector<std::uint8_t> description;
  std::string descriptionName;
  reader.FindMember(".ini", description, descriptionName);
  TQuickIni ini;
  ini.LoadFromStream(description);
  BuildElements(TSkinSource(reader, ini), elements);
  elements.Loading = false;
  return true;
}
