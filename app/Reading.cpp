// Reading aloud: the speed levels and what the window does with the speech events.
#include "TTSObj_TLB.h"
#include "Unit1.h"

using namespace tk;

void TForm1::RegisterReadingHandlers(TClassInfo& c) {
  c.Method("N26Click", &TForm1::N26Click);
  c.Method("N25Click", &TForm1::N25Click);
  c.Method("N27Click", &TForm1::N27Click);
  c.Method("N23Click", &TForm1::N23Click);
  c.Method("N24Click", &TForm1::N24Click);
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
