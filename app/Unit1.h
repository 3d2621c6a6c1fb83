#pragma once
// The practice window: one form holding the article holder, the typing area, the tool bar,
// the status bar, the menus and the hidden groups of sample articles and speech settings.
#include <functional>
#include <memory>
#include <string>

#include "Buttons.h"
#include "ComCtrls.h"
#include "Dialogs.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "Menus.h"
#include "StdCtrls.h"

class TCTextToSpeech;
namespace practice {
class ProgressiveMarking;
}

class TForm1 : public tk::TForm {
  TK_CLASS(TForm1)
 public:
  explicit TForm1(tk::TComponent* owner);
  ~TForm1() override;

  // Controls of the stored layout.
  tk::TToolBar* ToolBar1;
  tk::TComboBox* ComboBox2;
  tk::TBitBtn* BitBtn1;
  tk::TBitBtn* BitBtn4;
  tk::TBitBtn* BitBtn2;
  tk::TLabel* Label4;
  tk::TRichEdit* RichEdit1;
  tk::TSplitter* Splitter1;
  tk::TRichEdit* RichEdit2;
  tk::TStatusBar* StatusBar1;
  tk::TGroupBox* GroupBox2;
  tk::TRichEdit* RichEdit6;
  tk::TRichEdit* RichEdit7;
  tk::TRichEdit* RichEdit8;
  tk::TRichEdit* RichEdit9;
  tk::TRichEdit* RichEdit10;
  tk::TRichEdit* RichEdit11;
  tk::TRichEdit* RichEdit12;
  tk::TRichEdit* RichEdit13;
  tk::TRichEdit* RichEdit14;
  tk::TRichEdit* RichEdit15;
  tk::TGroupBox* GroupBox1;
  tk::TLabel* Label1;
  tk::TLabel* Label2;
  tk::TLabel* Label3;
  tk::TComboBox* ComboBox1;
  tk::TButton* Button3;
  tk::TEdit* Edit1;
  tk::TComboBox* ComboBox3;
  tk::TScrollBar* ScrollBar1;
  tk::TScrollBar* ScrollBar2;
  tk::TScrollBar* ScrollBar3;
  tk::TMainMenu* MainMenu1;
  tk::TMenuItem* t1;
  tk::TMenuItem* N16;
  tk::TMenuItem* N17;
  tk::TMenuItem* N18;
  tk::TMenuItem* N19;
  tk::TMenuItem* N20;
  tk::TMenuItem* N21;
  tk::TMenuItem* N22;
  tk::TMenuItem* N26;
  tk::TMenuItem* N25;
  tk::TMenuItem* N27;
  tk::TMenuItem* N23;
  tk::TMenuItem* N24;
  tk::TMenuItem* N2;
  tk::TMenuItem* N6;
  tk::TMenuItem* N7;
  tk::TMenuItem* N8;
  tk::TMenuItem* N9;
  tk::TMenuItem* N10;
  tk::TMenuItem* N11;
  tk::TMenuItem* N12;
  tk::TMenuItem* N13;
  tk::TMenuItem* N14;
  tk::TMenuItem* N15;
  tk::TMenuItem* N1;
  tk::TMenuItem* N3;
  tk::TMenuItem* N5;
  tk::TMenuItem* N4;
  tk::TTimer* Timer1;
  tk::TOpenDialog* OpenDialog1;

  // The speech component's wrapper, made by FormCreate.
  TCTextToSpeech* Speech = nullptr;

  // Characters of the article in the holder, and of the text typed at the last submission.
  int ArticleCharCount = 0;
  int TypedCharCount = 0;

  // Opens a web page through the shell (replaceable so that tests need no browser).
  std::function<void(HWND owner, const std::wstring& address)> OpenWebPage;

  // Start-up and exit.
  void FormCreate(tk::TObject* Sender);
  void FormShow(tk::TObject* Sender);
  void FormClose(tk::TObject* Sender, tk::TCloseAction& Action);
  void FormDestroy(tk::TObject* Sender);
  void N16Click(tk::TObject* Sender);
  // Help.
  void N4Click(tk::TObject* Sender);
  void N5Click(tk::TObject* Sender);

  // Article sources (Articles.cpp).
  void N1Click(tk::TObject* Sender);
  void N2Click(tk::TObject* Sender);
  void N6Click(tk::TObject* Sender);
  void N7Click(tk::TObject* Sender);
  void N8Click(tk::TObject* Sender);
  void N9Click(tk::TObject* Sender);
  void N10Click(tk::TObject* Sender);
  void N11Click(tk::TObject* Sender);
  void N12Click(tk::TObject* Sender);
  void N13Click(tk::TObject* Sender);
  void N14Click(tk::TObject* Sender);
  void N15Click(tk::TObject* Sender);
  void RichEdit1Change(tk::TObject* Sender);

  // Start, pause and continue, the clock (Reading.cpp).
  void BitBtn1Click(tk::TObject* Sender);
  void BitBtn4Click(tk::TObject* Sender);
  void RichEdit2KeyDown(tk::TObject* Sender, WORD& Key, tk::TShiftState Shift);
  void RichEdit2Change(tk::TObject* Sender);
  void Timer1Timer(tk::TObject* Sender);

  // Voices (Voices.cpp).
  void ComboBox2Change(tk::TObject* Sender);
  void N18Click(tk::TObject* Sender);
  void N19Click(tk::TObject* Sender);
  void N20Click(tk::TObject* Sender);
  void N21Click(tk::TObject* Sender);

  // Submission and scoring (Submission.cpp).
  void BitBtn2Click(tk::TObject* Sender);
  // The marks of the last submission, some of which may still be on their way into RichEdit1.
  practice::ProgressiveMarking& ArticleMarking() { return *articleMarking_; }

  // Reading speed levels and the speech events (Reading.cpp).
  void N26Click(tk::TObject* Sender);
  void N25Click(tk::TObject* Sender);
  void N27Click(tk::TObject* Sender);
  void N23Click(tk::TObject* Sender);
  void N24Click(tk::TObject* Sender);
  void SpeechTTSWord(tk::TObject* Sender, int nStart, int nLength);
  void SpeechTTSEnd(tk::TObject* Sender);

  // Speak-to-file (SpeakToFile.cpp).
  void ComboBox3Change(tk::TObject* Sender);
  void ComboBox1Change(tk::TObject* Sender);
  void Button3Click(tk::TObject* Sender);

  static const wchar_t* const kVoiceShopAddress;

 private:
  // Handlers of each part of the window, published for the stored layout to bind by name.
  static void RegisterArticleHandlers(tk::TClassInfo& c);
  static void RegisterReadingHandlers(tk::TClassInfo& c);
  static void RegisterVoiceHandlers(tk::TClassInfo& c);
  static void RegisterSubmissionHandlers(tk::TClassInfo& c);
  static void RegisterSpeakToFileHandlers(tk::TClassInfo& c);
  // What choosing an article resets: Submit and Pause off, the view hidden, typing area and the
  // article's status panels emptied.
  void ResetForArticleChoice();
  void ChooseSampleArticle(tk::TMenuItem* item, tk::TRichEdit* sample);
  void ShowArticleStatus(const std::string& name);
  void SelectVoiceItem(tk::TMenuItem* item);
  int ElapsedSeconds() const;
  void SelectSpeedLevel(tk::TMenuItem* item, int rate);
  void FindLayoutComponents();
  void ListVoices();
  // Stops a reading under way before the program ends.
  void StopReadingForExit();

  std::unique_ptr<practice::ProgressiveMarking> articleMarking_;
};
