#pragma once
// A practice window made as the program makes it, talking to a scripted speech component.
#include <gtest/gtest.h>
#include <objbase.h>

#include <string>
#include <vector>

#include "Application.h"
#include "FakeTextToSpeech.h"
#include "GuiTestSupport.h"
#include "TTSObj_TLB.h"
#include "Unit1.h"
#include "SkinManage.h"
#include "WinSkinForm.h"
#include "WinSubClass.h"
#include "WinSkinData.h"

// A class object that refuses every creation: stands in for a component that is not registered,
// whatever the prefix the tests run in holds.
class MissingComponentFactory : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (riid == IID_IUnknown || riid == IID_IClassFactory) {
      *out = static_cast<IClassFactory*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID, void** out) override {
    *out = nullptr;
    return REGDB_E_CLASSNOTREG;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

class PracticeWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tk::Application->SetTitle("Tolvane");
    RegisterSkinRuntime();  // the stored layout holds SkinData1, which starts the skin engine
    fake = tts::testing::FakeTextToSpeech::Create();
    fake->RegisterAsActive();
  }
  void TearDown() override {
    if (form) tk::TComponent::Free(form);
    ShowComponent();
    fake->RevokeActive();
    fake->Release();
  }
  // Construction reads the stored layout; FormCreate runs as the application would run it.
  TForm1* MakeForm() {
    form = new TForm1(nullptr);
    form->OpenWebPage = [this](HWND, const std::wstring& address) { openedPages.push_back(address); };
    form->AfterConstruction();
    return form;
  }
  // The window as the user first sees it, its first paint and layout done.
  void ShowForm() {
    MakeForm();
    form->Show();
    tk::testing::PumpMessages(50);
  }

  // The painter the skin gave a control of the window, when it is of that class.
  template <class Painter>
  Painter* PainterOf(const tk::TControl* control) const {
    TSkinManage* manager = TSkinManage::Instance();
    TWinSkinForm* frame = manager && form ? manager->FindForm(form->Handle()) : nullptr;
    if (!frame) return nullptr;
    for (TSkinControl* painter : frame->PainterList())
      if (painter->Control == control)
        if (auto* found = dynamic_cast<Painter*>(painter)) return found;
    return nullptr;
  }

  void HideComponent() {
    ASSERT_EQ(CoRegisterClassObject(CLSID_TextToSpeech, &missing_, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                    REGCLS_MULTIPLEUSE, &missingCookie_),
              S_OK);
  }
  void ShowComponent() {
    if (missingCookie_) CoRevokeClassObject(missingCookie_);
    missingCookie_ = 0;
  }

  tts::testing::FakeTextToSpeech* fake = nullptr;
  TForm1* form = nullptr;
  std::vector<std::wstring> openedPages;

 private:
  MissingComponentFactory missing_;
  DWORD missingCookie_ = 0;
};
