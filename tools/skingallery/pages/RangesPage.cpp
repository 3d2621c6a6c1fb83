// Range controls: progress bars empty, part-filled and full, lying and standing; track bars both
// ways, enabled and disabled; a media player with some buttons disabled and some coloured; check
// boxes and radio buttons that take their marks from pictures.
#include "GalleryPages.h"
#include "MediaPlayer.h"
#include "PictureMarks.h"
#include "Ranges.h"
#include "StdCtrls.h"

namespace gallery {

namespace {

template <class C>
C* Put(tk::TComponent* owner, tk::TWinControl* page, int left, int top, int width, int height) {
  auto* control = new C(owner);
  control->SetParent(page);
  control->SetBounds(left, top, width, height);
  return control;
}

void Heading(tk::TComponent* owner, tk::TWinControl* page, int left, int top, const char* text) {
  Put<tk::TLabel>(owner, page, left, top, 200, 16)->SetCaption(text);
}

void AddProgressBars(tk::TComponent* owner, tk::TWinControl* page) {
  Heading(owner, page, 16, 12, "Progress bars (0, 35, 100 %)");
  const int positions[] = {0, 35, 100};
  for (int i = 0; i < 3; ++i) {
    auto* bar = Put<tk::TProgressBar>(owner, page, 16, 32 + i * 26, 220, 18);
    bar->SetPosition(positions[i]);
  }
  auto* smooth = Put<tk::TProgressBar>(owner, page, 16, 110, 220, 18);
  smooth->SetSmooth(true);
  smooth->SetPosition(70);
  for (int i = 0; i < 3; ++i) {
    auto* bar = Put<tk::TProgressBar>(owner, page, 250 + i * 26, 32, 18, 120);
    bar->SetOrientation(tk::TProgressBarOrientation::pbVertical);
    bar->SetPosition(positions[i]);
  }
}

void AddTrackBars(tk::TComponent* owner, tk::TWinControl* page) {
  Heading(owner, page, 16, 170, "Track bars");
  auto* bar = Put<tk::TTrackBar>(owner, page, 16, 190, 260, 40);
  bar->SetPosition(4);
  auto* both = Put<tk::TTrackBar>(owner, page, 16, 236, 260, 45);
  both->SetTickMarks(tk::TTickMark::tmBoth);
  both->SetPosition(7);
  auto* disabled = Put<tk::TTrackBar>(owner, page, 16, 286, 260, 40);
  disabled->SetPosition(2);
  disabled->SetEnabled(false);
  auto* vertical = Put<tk::TTrackBar>(owner, page, 340, 12, 45, 170);
  vertical->SetOrientation(tk::TTrackBarOrientation::trVertical);
  vertical->SetPosition(6);
  auto* verticalOff = Put<tk::TTrackBar>(owner, page, 390, 12, 45, 170);
  verticalOff->SetOrientation(tk::TTrackBarOrientation::trVertical);
  verticalOff->SetPosition(3);
  verticalOff->SetEnabled(false);
}

void AddMediaPlayer(tk::TComponent* owner, tk::TWinControl* page) {
  Heading(owner, page, 16, 340, "Media player (record, eject disabled)");
  auto* player = Put<tk::TMediaPlayer>(owner, page, 16, 360, 279, 30);
  player->SetEnabledButtons(player->EnabledButtons() - tk::TButtonSet{tk::TMPBtnType::btRecord, tk::TMPBtnType::btEject});
  player->SetColoredButtons(tk::TButtonSet{tk::TMPBtnType::btPlay, tk::TMPBtnType::btStop, tk::TMPBtnType::btRecord});
}

void AddPictureMarks(tk::TComponent* owner, tk::TWinControl* page) {
  Heading(owner, page, 470, 12, "Picture-mark boxes");
  auto* box = Put<tk::TRzCheckBox>(owner, page, 470, 34, 200, 20);
  box->SetCaption("Picture check box");
  auto* checked = Put<tk::TRzCheckBox>(owner, page, 470, 58, 200, 20);
  checked->SetCaption("Checked");
  checked->SetChecked(true);
  auto* off = Put<tk::TRzCheckBox>(owner, page, 470, 82, 200, 20);
  off->SetCaption("Disabled");
  off->SetEnabled(false);
  auto* radio = Put<tk::TRzRadioButton>(owner, page, 470, 114, 200, 20);
  radio->SetCaption("Picture radio button");
  auto* radioOn = Put<tk::TRzRadioButton>(owner, page, 470, 138, 200, 20);
  radioOn->SetCaption("Selected");
  radioOn->SetChecked(true);
  auto* glyphBox = Put<tk::TcxCheckBox>(owner, page, 470, 170, 200, 20);
  glyphBox->SetCaption("Glyph check box");
  auto* glyphOn = Put<tk::TcxCheckBox>(owner, page, 470, 194, 200, 20);
  glyphOn->SetCaption("Glyph, checked");
  glyphOn->SetChecked(true);
}

}  // namespace

void BuildRangesPage(tk::TComponent* owner, tk::TWinControl* page) {
  AddProgressBars(owner, page);
  AddTrackBars(owner, page);
  AddMediaPlayer(owner, page);
  AddPictureMarks(owner, page);
}

}  // namespace gallery
