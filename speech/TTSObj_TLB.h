#pragma once
// The speech component as the application sees it: the interface and ids generated from
// TTSObj.idl, and TCTextToSpeech, a component that connects to the component on its first
// operation and raises its events as handlers.
//
// Texts cross in GBK (code page 936) on our side and UTF-16 on the component's. A failed call
// throws std::runtime_error carrying the component's or the system's error text in GBK, except
// SetVoice, whose failures are ignored. Events arrive on the thread that connected (the GUI
// thread), inside its message loop.
#include <windows.h>
#include <ocidl.h>

#include <functional>
#include <string>

#include "Component.h"
#include "Controls.h"
#include "TTSObj.h"

class TCTextToSpeech : public tk::TComponent {
  TK_CLASS(TCTextToSpeech)
 public:
  using TWordEvent = std::function<void(tk::TObject* Sender, int nStart, int nLength)>;
  using TProgressEvent = std::function<void(tk::TObject* Sender, int nPercent)>;

  explicit TCTextToSpeech(tk::TComponent* owner);
  ~TCTextToSpeech() override;

  // A running object of the class first, else a new one (in-process or local). Operations call
  // it themselves; after a failure the next operation tries again.
  void Connect();
  // Unadvises the events and releases the component.
  void Disconnect();
  bool Connected() const { return intf_ != nullptr; }
  // The component's interface (connects first); not AddRef'd for the caller.
  ITextToSpeech* DefaultInterface();

  int VoiceCount();
  int GetVoice();
  void SetVoice(int index);
  std::string VoiceName(int index);
  std::string VoiceLanguage(int index);
  bool IsSpeaking();
  bool IsPaused();
  void Speak(const std::string& text, int flags = 0);
  void SpeakToFile(const std::string& text, const std::string& fileName, int flags = 0);
  void Stop();
  void Pause();
  void Resume();
  int GetRate();
  void SetRate(int rate);
  int GetVolume();
  void SetVolume(int volume);
  int GetPitch();
  void SetPitch(int pitch);
  int FormatCount();
  int GetFormat();
  void SetFormat(int index);
  std::string FormatName();
  int GetFileType();
  void SetFileType(int index);
  int FileTypeCount();
  std::string FileTypeName(int index);

  tk::TNotifyEvent OnTTSStart;
  tk::TNotifyEvent OnTTSEnd;
  TWordEvent OnTTSWord;
  TWordEvent OnTTSSentence;
  TProgressEvent OnTTSProgress;

 private:
  class EventSink;
  void Check(HRESULT hr);
  void Advise();
  void Dispatch(DISPID id, const DISPPARAMS* params);

  ITextToSpeech* intf_ = nullptr;
  EventSink* sink_ = nullptr;
  IConnectionPoint* connectionPoint_ = nullptr;
  DWORD cookie_ = 0;
};

// Text of a failed COM call: the object's error info when it gives one, else the system's message
// for the code. GBK.
std::string OleErrorText(HRESULT hr, IUnknown* object, REFIID iid);
