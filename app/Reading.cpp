// Reading aloud: Start, pause and continue (button and F4), the clock, the speed levels and what
// the window does with the speech events.
#include <stdexcept>

#include "Encoding.h"
#include "ProgressiveMarking.h"
#include "TTSObj_TLB.h"
#include "Unit1.h"

using namespace tk;

void TForm1::RegisterReadingHandlers(TClassInfo& c) {
  c.Method("BitBtn1Click", &TForm1::BitBtn1Click);
  c.Method("BitBtn4Click", &TForm1::BitBtn4Click);
  c.Method("RichEdit2KeyDown", &TForm1::RichEdit2KeyDown);
  c.Method("RichEdit2Change", &TForm1::RichEdit2Change);
  c.Method("Timer1Timer", &TForm1::Timer1Timer);
  c.Method("N26Click", &TForm1::N26Click);
  c.Method("N25Click", &TForm1::N25Click);
  c.Method("N27Click", &TForm1::N27Click);
  c.Method("N23Click", &TForm1::N23Click);
  c.Method("N24Click", &TForm1::N24Click);
}

void TForm1::BitBtn1Click(TObject* Sender) {
  // The marks of the last submission stay in the article, complete, while it is read again.
  articleMarking_->Finish();
  if (RichEdit1->GetText().empty()) {
    MessageBoxText(Utf8ToGbk("请选择一篇TXT文本文档文章后点击\"开始\"进行练习！"), Utf8ToGbk("提示"), MB_OK);
    N1Click(Sender);
    return;
  }
  RichEdit2->SetFocus();
  Timer1->SetEnabled(true);
  Label4->SetCaption("0");
  BitBtn2->SetEnabled(true);
  BitBtn4->SetEnabled(true);
  Speech->SetVolume(ScrollBar2->Position());
  Speech->SetRate(ScrollBar1->Position());
  Speech->SetPitch(ScrollBar3->Position());
  Speech->Speak(RichEdit1->GetText());
  Speech->Resume();
  RichEdit1->Hide();
}

void TForm1::BitBtn4Click(TObject* Sender) {
  if (BitBtn4->Caption() == Utf8ToGbk("暂  停")) {
    Speech->Pause();
    BitBtn4->SetCaption(Utf8ToGbk("继  续"));
  } else {
    Speech->Resume();
    BitBtn4->SetCaption(Utf8ToGbk("暂  停"));
  }
}

void TForm1::RichEdit2KeyDown(TObject* Sender, WORD& Key, TShiftState Shift) {
  if (Key != VK_F4) return;
  BitBtn4Click(BitBtn4);
  PostMessageW(RichEdit2->Handle(), WM_KEYDOWN, VK_BACK, 0);
}

void TForm1::RichEdit2Change(TObject* Sender) {}

int TForm1::ElapsedSeconds() const {
  const std::string caption = Label4->Caption();
  size_t used = 0;
  int seconds = 0;
  try {
    seconds = std::stoi(caption, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used == 0 || used != caption.size()) throw std::runtime_error("'" + caption + "' is not a valid integer value");
  return seconds;
}

void TForm1::Timer1Timer(TObject* Sender) {
  Label4->SetCaption(std::to_string(ElapsedSeconds() + 1));
  StatusBar1->Panel(1)->SetText(Utf8ToGbk("耗时：") + Label4->Caption() + Utf8ToGbk("秒    "));
}

// One speed level ticked, its rate stored for the next Start; nothing reaches the component now.
void TForm1::SelectSpeedLevel(TMenuItem* item, int rate) {
  for (TMenuItem* level : {N26, N25, N27, N23, N24}) level->SetChecked(level == item);
  ScrollBar1->SetPosition(rate);
}

void TForm1::N26Click(TObject* Sender) { SelectSpeedLevel(N26, -10); }
void TForm1::N25Click(TObject* Sender) { SelectSpeedLevel(N25, -7); }
void TForm1::N27Click(TObject* Sender) { SelectSpeedLevel(N27, -5); }
void TForm1::N23Click(TObject* Sender) { SelectSpeedLevel(N23, -3); }
void TForm1::N24Click(TObject* Sender) { SelectSpeedLevel(N24, 0); }

void TForm1::SpeechTTSWord(TObject* Sender, int nStart, int nLength) {
  RichEdit1->Select(nStart, nLength);
  RichEdit1->ScrollCaret();
}

void TForm1::SpeechTTSEnd(TObject* Sender) {
  RichEdit1->Select(0, 0);
  RichEdit1->ScrollCaret();
}
