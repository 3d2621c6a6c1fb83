// Speaking the article into an audio file: file type, format options, and the file itself.
#include "Encoding.h"
#include "TTSObj_TLB.h"
#include "Unit1.h"

using namespace tk;

void TForm1::RegisterSpeakToFileHandlers(TClassInfo& c) {
  c.Method("ComboBox3Change", &TForm1::ComboBox3Change);
  c.Method("ComboBox1Change", &TForm1::ComboBox1Change);
  c.Method("Button3Click", &TForm1::Button3Click);
}

// The format options follow the chosen file type; option 0 is chosen.
void TForm1::ComboBox3Change(TObject* Sender) {
  ComboBox1->Items().Clear();
  Speech->SetFileType(ComboBox3->ItemIndex());
  const int count = Speech->FormatCount();
  for (int i = 0; i < count; ++i) {
    Speech->SetFormat(i);
    ComboBox1->Items().Add(Speech->FormatName());
  }
  ComboBox1->SetItemIndex(0);
  Speech->SetFormat(0);
}

void TForm1::ComboBox1Change(TObject* Sender) { Speech->SetFormat(ComboBox1->ItemIndex()); }

// The article (not the typed text) goes into <Edit1>.<file type>, in the current directory.
void TForm1::Button3Click(TObject* Sender) {
  Speech->SetVolume(ScrollBar2->Position());
  Speech->SetRate(ScrollBar1->Position());
  Speech->SetPitch(ScrollBar3->Position());
  Speech->SpeakToFile(RichEdit1->GetText(), Edit1->GetText() + "." + ComboBox3->GetText());
}
