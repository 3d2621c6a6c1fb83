#include "RangeSkinParts.h"

#include <sstream>

namespace range_test {

COLORREF ProgressColour(int frame) { return RGB(210, 20 + 40 * frame, 90); }
COLORREF ChunkColour(int) { return RGB(15, 90, 215); }
COLORREF TrackColour(int) { return RGB(180, 30, 160); }
COLORREF TrackVertColour(int) { return RGB(160, 180, 30); }
COLORREF ThumbHorzColour(int frame) { return RGB(20, 200, 20 * frame); }
COLORREF ThumbVertColour(int frame) { return RGB(200, 20 * frame, 200); }
COLORREF ButtonColour(int frame) { return RGB(40 * frame, 140, 240); }
COLORREF CheckColour(int frame) { return RGB(230, 30 * frame, 10); }
COLORREF RadioColour(int frame) { return RGB(10, 30 * frame, 230); }

skin_test::SolidSkinOptions RangeSkin(const RangePartsOptions& parts) {
  using skin_test::SolidStrip;
  skin_test::SolidSkinOptions options;
  std::ostringstream d;
  auto& members = options.extraMembers;
  if (parts.progress) {
    const int frames = parts.progressStyle == 1 ? 1 : 2;
    d << "[Progress]\nBitmap=progress.bmp\nStyle=" << parts.progressStyle << "\nTile=0\nTrans=0\n";
    members.emplace_back("progress.bmp", SolidStrip(ProgressFrameW, ProgressFrameH, frames, false, ProgressColour));
    if (parts.progressStyle == 1) {
      d << "[Progress.Chunk]\nImage=chunk.bmp\nTile=" << parts.chunkTile << "\nTrans=0\n";
      members.emplace_back("chunk.bmp", SolidStrip(ChunkW, ChunkH, 1, false, ChunkColour));
    }
  }
  if (parts.track) {
    d << "[Track]\nImage=track.bmp\nLeftWidth=2\nRightWidth=2\n";
    d << "[TRACKVERT]\nImage=trackv.bmp\nTopHeight=2\nBottomHeight=2\n";
    members.emplace_back("track.bmp", SolidStrip(TrackW, TrackH, 1, false, TrackColour));
    members.emplace_back("trackv.bmp", SolidStrip(TrackH, TrackW, 1, false, TrackVertColour));
  }
  if (parts.thumbs) {
    d << "[Trackbar.ThumbHorz]\nImage=thumbh.bmp\n[Trackbar.ThumbVert]\nImage=thumbv.bmp\n";
    members.emplace_back("thumbh.bmp", SolidStrip(ThumbW, ThumbH, 5, false, ThumbHorzColour));
    members.emplace_back("thumbv.bmp", SolidStrip(ThumbH, ThumbW, 5, false, ThumbVertColour));
  }
  d << "[Buttons]\n";
  if (parts.buttons) {
    d << "Bitmap=buttons.bmp\nLeftWidth=2\nRightWidth=2\nTopHeight=2\nBottomHeight=2\nTrans=0\nTile=0\n";
    members.emplace_back("buttons.bmp", SolidStrip(20, 20, 5, false, ButtonColour));
  }
  if (parts.checkFrames > 0) {
    d << "CheckButton=check.bmp\nCheckButtonFrame=" << parts.checkFrames << "\n";
    members.emplace_back("check.bmp", SolidStrip(MarkSize, MarkSize, parts.checkFrames, false, CheckColour));
  }
  if (parts.radioFrames > 0) {
    d << "RadioButton=radio.bmp\nRadioButtonFrame=" << parts.radioFrames << "\n";
    members.emplace_back("radio.bmp", SolidStrip(MarkSize, MarkSize, parts.radioFrames, false, RadioColour));
  }
  options.extraDescription = d.str();
  return options;
}

}  // namespace range_test
