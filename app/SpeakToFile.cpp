// Speaking the article into an audio file: file type, format options.
#include "Encoding.h"
#include "TTSObj_TLB.h"
#include "Unit1.h"

using namespace tk;

void TForm1::RegisterSpeakToFileHandlers(TClassInfo& c) {
  c.Method("ComboBox3Change", &TForm1::ComboBox3Change);
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
