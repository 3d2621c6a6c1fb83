// The voice: the voice box, and the hidden voice menu that only ticks and names.
#include "Encoding.h"
#include "TTSObj_TLB.h"
#include "Unit1.h"

using namespace tk;

void TForm1::RegisterVoiceHandlers(TClassInfo& c) {
  c.Method("ComboBox2Change", &TForm1::ComboBox2Change);
  c.Method("N18Click", &TForm1::N18Click);
  c.Method("N19Click", &TForm1::N19Click);
  c.Method("N20Click", &TForm1::N20Click);
  c.Method("N21Click", &TForm1::N21Click);
}

void TForm1::ComboBox2Change(TObject* Sender) { Speech->SetVoice(ComboBox2->ItemIndex()); }

void TForm1::SelectVoiceItem(TMenuItem* item) {
  for (TMenuItem* voice : {N18, N19, N20, N21}) voice->SetChecked(voice == item);
}

void TForm1::N18Click(TObject* Sender) {
  SelectVoiceItem(N18);
  ComboBox2->SetText("VW Liang");
}

void TForm1::N19Click(TObject* Sender) {
  SelectVoiceItem(N19);
  ComboBox2->SetText("VW Lily");
}

void TForm1::N20Click(TObject* Sender) { SelectVoiceItem(N20); }
void TForm1::N21Click(TObject* Sender) { SelectVoiceItem(N21); }
