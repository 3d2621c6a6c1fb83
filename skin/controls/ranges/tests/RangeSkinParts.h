// The elements the range painters draw from, for the solid test skin: the progress bar (frames or
// chunks), track channels and thumbs, the media player's buttons and check/radio images, each frame
// one distinct colour.
#pragma once

#include <windows.h>

#include "SolidSkin.h"

namespace range_test {

struct RangePartsOptions {
  bool progress = true;
  int progressStyle = 0;  // 1: chunks
  int chunkTile = 0;
  bool track = true;      // Track and TRACKVERT
  bool thumbs = true;     // Trackbar.ThumbHorz and Trackbar.ThumbVert
  bool buttons = true;    // the Buttons push image (5 frames)
  int checkFrames = 5;    // 0: no check image
  int radioFrames = 5;
};

constexpr int ProgressFrameW = 20, ProgressFrameH = 10;
constexpr int ChunkW = 6, ChunkH = 8;
constexpr int TrackW = 12, TrackH = 4;
constexpr int ThumbW = 10, ThumbH = 20;
constexpr int MarkSize = 13;

COLORREF ProgressColour(int frame);
COLORREF ChunkColour(int frame);
COLORREF TrackColour(int frame);
COLORREF TrackVertColour(int frame);
COLORREF ThumbHorzColour(int frame);
COLORREF ThumbVertColour(int frame);
COLORREF ButtonColour(int frame);
COLORREF CheckColour(int frame);
COLORREF RadioColour(int frame);

skin_test::SolidSkinOptions RangeSkin(const RangePartsOptions& parts = {});

}  // namespace range_test
