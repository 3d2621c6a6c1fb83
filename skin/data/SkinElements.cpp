#include "SkinElements.h"

#include <algorithm>

TSkinElements::TSkinElements() {
  // These records live as long as their holder; every load fills them again.
  Buttons = std::make_unique<TDataSkinButton>("Buttons");
  Borders[sdLeft] = std::make_unique<TDataSkinBorder>("Left");
  Borders[sdRight] = std::make_unique<TDataSkinBorder>("Right");
  Borders[sdTop] = std::make_unique<TDataSkinBorder>("Top");
  Borders[sdBottom] = std::make_unique<TDataSkinBorder>("Bottom");
  Title = std::make_unique<TDataSkinTitle>("Title");
}

TSkinElements::~TSkinElements() = default;

tk::TColor TSkinElements::FrameSampleColour() const {
  const TDataSkinBorder* top = Borders[sdTop].get();
  if (!top || top->Bitmap.Empty()) return Colors[scButtonFace];
  // A top border that claims no frames is sampled as one frame.
  const int frameHeight = top->Bitmap.Height() / std::max(top->FrameCount, 1);
  return static_cast<tk::TColor>(top->Bitmap.PixelAt(top->Bitmap.Width() / 3, frameHeight / 3));
}
