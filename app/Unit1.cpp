#include "Unit1.h"

#include <shellapi.h>

#include <stdexcept>

#include "Application.h"
#include "Encoding.h"
#include "ProgressiveMarking.h"
#include "TTSObj_TLB.h"
#include "Text.h"

using namespace tk;

const wchar_t* const TForm1::kVoiceShopAddress = L"https://shop.tolvane.example/voices";

const TClassInfo& TForm1::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TForm1", &TForm::StaticClass());
    c.Method("FormCreate", &TForm1::FormCreate);
    c.Method("FormShow", &TForm1::FormShow);
    c.Method("FormClose", &TForm1::FormClose);
    c.Method("FormDestroy", &TForm1::FormDestroy);
    c.Method("N16Click", &TForm1::N16Click);
    c.Method("N4Click", &TForm1::N4Click);
    c.Method("N5Click", &TForm1::N5Click);
    RegisterArticleHandlers(c);
    RegisterReadingHandlers(c);
    RegisterVoiceHandlers(c);
    RegisterSubmissionHandlers(c);
    RegisterSpeakToFileHandlers(c);
    return c;
  }();
  return info;
}

TForm1::TForm1(TComponent* owner) : TForm(owner), articleMarking_(std::make_unique<practice::ProgressiveMarking>()) {
  OpenWebPage = [](HWND wnd, const std::wstring& address) {
    ShellExecuteW(wnd, nullptr, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  };
  ReadLayoutResource();
  FindLayoutComponents();
}

TForm1::~TForm1() = default;

namespace {
template <class T>
T* Need(const TForm1& form, const char* name) {
  auto* c = form.FindComponentAs<T>(name);
  if (!c) throw std::runtime_error(std::string("The stored layout of TForm1 has no ") + name);
  return c;
}
}  // namespace

void TForm1::FindLayoutComponents() {
  ToolBar1 = Need<TToolBar>(*this, "ToolBar1");
  ComboBox2 = Need<TComboBox>(*this, "ComboBox2");
  BitBtn1 = Need<TBitBtn>(*this, "BitBtn1");
  BitBtn4 = Need<TBitBtn>(*this, "BitBtn4");
  BitBtn2 = Need<TBitBtn>(*this, "BitBtn2");
  Label4 = Need<TLabel>(*this, "Label4");
  RichEdit1 = Need<TRichEdit>(*this, "RichEdit1");
  Splitter1 = Need<TSplitter>(*this, "Splitter1");
  RichEdit2 = Need<TRichEdit>(*this, "RichEdit2");
  StatusBar1 = Need<TStatusBar>(*this, "StatusBar1");
  GroupBox2 = Need<TGroupBox>(*this, "GroupBox2");
  RichEdit6 = Need<TRichEdit>(*this, "RichEdit6");
  RichEdit7 = Need<TRichEdit>(*this, "RichEdit7");
  RichEdit8 = Need<TRichEdit>(*this, "RichEdit8");
  RichEdit9 = Need<TRichEdit>(*this, "RichEdit9");
  RichEdit10 = Need<TRichEdit>(*this, "RichEdit10");
  RichEdit11 = Need<TRichEdit>(*this, "RichEdit11");
  RichEdit12 = Need<TRichEdit>(*this, "RichEdit12");
  RichEdit13 = Need<TRichEdit>(*this, "RichEdit13");
  RichEdit14 = Need<TRichEdit>(*this, "RichEdit14");
  RichEdit15 = Need<TRichEdit>(*this, "RichEdit15");
  GroupBox1 = Need<TGroupBox>(*this, "GroupBox1");
  Label1 = Need<TLabel>(*this, "Label1");
  Label2 = Need<TLabel>(*this, "Label2");
  Label3 = Need<TLabel>(*this, "Label3");
  ComboBox1 = Need<TComboBox>(*this, "ComboBox1");
  Button3 = Need<TButton>(*this, "Button3");
  Edit1 = Need<TEdit>(*this, "Edit1");
  ComboBox3 = Need<TComboBox>(*this, "ComboBox3");
  ScrollBar1 = Need<TScrollBar>(*this, "ScrollBar1");
  ScrollBar2 = Need<TScrollBar>(*this, "ScrollBar2");
  ScrollBar3 = Need<TScrollBar>(*this, "ScrollBar3");
  MainMenu1 = Need<TMainMenu>(*this, "MainMenu1");
  t1 = Need<TMenuItem>(*this, "t1");
  N16 = Need<TMenuItem>(*this, "N16");
  N17 = Need<TMenuItem>(*this, "N17");
  N18 = Need<TMenuItem>(*this, "N18");
  N19 = Need<TMenuItem>(*this, "N19");
  N20 = Need<TMenuItem>(*this, "N20");
  N21 = Need<TMenuItem>(*this, "N21");
  N22 = Need<TMenuItem>(*this, "N22");
  N26 = Need<TMenuItem>(*this, "N26");
  N25 = Need<TMenuItem>(*this, "N25");
  N27 = Need<TMenuItem>(*this, "N27");
  N23 = Need<TMenuItem>(*this, "N23");
  N24 = Need<TMenuItem>(*this, "N24");
  N2 = Need<TMenuItem>(*this, "N2");
  N6 = Need<TMenuItem>(*this, "N6");
  N7 = Need<TMenuItem>(*this, "N7");
  N8 = Need<TMenuItem>(*this, "N8");
  N9 = Need<TMenuItem>(*this, "N9");
  N10 = Need<TMenuItem>(*this, "N10");
  N11 = Need<TMenuItem>(*this, "N11");
  N12 = Need<TMenuItem>(*this, "N12");
  N13 = Need<TMenuItem>(*this, "N13");
  N14 = Need<TMenuItem>(*this, "N14");
  N15 = Need<TMenuItem>(*this, "N15");
  N1 = Need<TMenuItem>(*this, "N1");
  N3 = Need<TMenuItem>(*this, "N3");
  N5 = Need<TMenuItem>(*this, "N5");
  N4 = Need<TMenuItem>(*this, "N4");
  Timer1 = Need<TTimer>(*this, "Timer1");
  OpenDialog1 = Need<TOpenDialog>(*this, "OpenDialog1");
}

void TForm1::FormCreate(TObject* Sender) {
  GroupBox1->SetTop(-1300);
  GroupBox2->SetTop(-1300);

  Speech = new TCTextToSpeech(this);
  Speech->OnTTSWord = [this](TObject* sender, int nStart, int nLength) { SpeechTTSWord(sender, nStart, nLength); };
  Speech->OnTTSEnd = [this](TObject* sender) { SpeechTTSEnd(sender); };

  // The first call connects to the component; when that fails the rest is left undone.
  ListVoices();

  ComboBox3->SetItemIndex(1);
  ComboBox3Change(ComboBox3);

  ComboBox2->SetItemIndex(0);
  Speech->SetVoice(0);

  if (TrimControls(ComboBox2->GetText()).empty()) {
    MessageBoxText(Utf8ToGbk("对不起，你的电脑可能没有安装语音库文件，请下载一个语音库并安装到默认路径下！请联系旺旺客服。"),
                   Utf8ToGbk("提示"), MB_OK);
    if (OpenWebPage) OpenWebPage(Handle(), kVoiceShopAddress);
  }
}

void TForm1::ListVoices() {
  const int count = Speech->VoiceCount();
  for (int i = 0; i < count; ++i) ComboBox2->Items().Add(Speech->VoiceName(i));
}

void TForm1::FormShow(TObject* Sender) { N25Click(N25); }

void TForm1::StopReadingForExit() {
  // The program can always be left: without a component nothing is being read, and a component
  // that fails to stop is reported before the program ends anyway.
  if (!Speech || !Speech->Connected()) return;
  try {
    Speech->Stop();
  } catch (...) {
    Application->HandleException(std::current_exception());
  }
}

void TForm1::N16Click(TObject* Sender) {
  StopReadingForExit();
  Application->Terminate();
}

void TForm1::FormClose(TObject* Sender, TCloseAction& Action) {
  StopReadingForExit();
  Application->Terminate();
}

void TForm1::FormDestroy(TObject* Sender) {
  articleMarking_->Cancel();
  TComponent::Free(Speech);
  Speech = nullptr;
}

void TForm1::N4Click(TObject* Sender) {
  ShowMessage(Utf8ToGbk("选择TXT文章后，点击开始按钮即可以听到声音。按F4进行暂停或继续。"));
}

void TForm1::N5Click(TObject* Sender) {
  ShowMessage(Utf8ToGbk("请根据需要选择下载一种或两种语音库进行安装!") + "\n\r" +
              Utf8ToGbk("win7、win8用户不用安装语音库。请及时联系客服。"));
}
