// Speech component figures under Wine, with the native eSpeak NG helper:
//   - time from Speak to the first word event for a 2,000-character article (helper cold and warm),
//   - synthesis speed as a multiple of real time,
//   - peak memory of this process (the component's side) and of the helper during a
//     20,000-character reading (played on a silent clock running 40 times real time).
// Run: scripts/wine-run build/windows/bin/bench_speech.exe
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Articles.h"
#include "HelperEngine.h"
#include "SilentClock.h"
#include "TextChunker.h"
#include "TextToSpeech.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kClockSpeedup = 40;  // the reading hands audio to the clock at most about this fast

// Counts events; the benchmark waits on it with a message loop.
class Sink final : public IDispatch {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == DIID_ITextToSpeechEvents) {
      *out = this;
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override { *n = 0; return S_OK; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    if (id == 3 && words++ == 0) firstWord = Clock::now();
    if (id == 2) ended = true;
    return S_OK;
  }
  void Reset() {
    words = 0;
    ended = false;
  }
  int words = 0;
  bool ended = false;
  Clock::time_point firstWord;
};

void PumpUntil(const std::function<bool()>& done, const std::function<void()>& tick = {}) {
  while (!done()) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    if (tick) tick();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}

BSTR Bstr(const std::wstring& s) { return SysAllocStringLen(s.data(), static_cast<UINT>(s.size())); }

struct Memory {
  size_t resident = 0;   // working set
  size_t committed = 0;  // private committed bytes
};

Memory ProcessMemory() {
  PROCESS_MEMORY_COUNTERS c{};
  c.cb = sizeof c;
  GetProcessMemoryInfo(GetCurrentProcess(), &c, sizeof c);
  return {c.WorkingSetSize, c.PagefileUsage};
}

// A line of /proc/PID/status in kB (the helper is a Linux process).
long HelperStatusKb(uint32_t pid, const char* field) {
  std::ifstream in("Z:\\proc\\" + std::to_string(pid) + "\\status");
  std::string line;
  while (std::getline(in, line))
    if (line.rfind(field, 0) == 0) return std::strtol(line.c_str() + std::strlen(field), nullptr, 10);
  return -1;
}

struct Object {
  std::shared_ptr<tts::HelperEngine> engine = std::make_shared<tts::HelperEngine>();
  ITextToSpeech* tts = nullptr;
  IConnectionPoint* point = nullptr;
  DWORD cookie = 0;
  Sink sink;
  explicit Object(int clockSpeedup) {
    tts::ComponentParts parts;
    auto engineRef = engine;
    parts.makeEngine = [engineRef] { return engineRef; };
    parts.openOutput = [clockSpeedup](uint32_t rate) { return std::make_unique<tts::SilentClock>(rate * clockSpeedup); };
    tts::TextToSpeech::Create(std::move(parts), IID_ITextToSpeech, reinterpret_cast<void**>(&tts));
    IConnectionPointContainer* c = nullptr;
    tts->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&c));
    c->FindConnectionPoint(DIID_ITextToSpeechEvents, &point);
    c->Release();
    point->Advise(&sink, &cookie);
  }
  ~Object() {
    point->Unadvise(cookie);
    point->Release();
    tts->Release();
  }
  double SecondsToFirstWord(const std::wstring& text) {
    sink.Reset();
    BSTR b = Bstr(text);
    auto begin = Clock::now();
    tts->Speak(b, 0);
    SysFreeString(b);
    PumpUntil([&] { return sink.words > 0 || sink.ended; });
    double s = std::chrono::duration<double>(sink.firstWord - begin).count();
    tts->Stop();
    PumpUntil([&] { return sink.ended; });
    return s;
  }
};

class Collector : public tts::SynthesisListener {
 public:
  void OnAudio(const int16_t*, size_t count) override { samples += count; }
  void OnWord(uint32_t, uint32_t, uint64_t) override {}
  bool Cancelled() override { return false; }
  uint64_t samples = 0;
};

}  // namespace

int main() {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const std::wstring article2k = tts::testing::ChineseArticle(2000);
  const std::wstring article20k = tts::testing::ChineseArticle(20000);

  {
    Object o(1);
    double cold = o.SecondsToFirstWord(article2k);
    std::vector<double> warm;
    for (int i = 0; i < 5; ++i) warm.push_back(o.SecondsToFirstWord(article2k));
    std::sort(warm.begin(), warm.end());
    std::printf("first word after Speak, 2,000 characters: %.0f ms with the helper starting, %.0f ms median warm "
                "(min %.0f, max %.0f)\n",
                cold * 1000, warm[2] * 1000, warm.front() * 1000, warm.back() * 1000);

    Collector collector;
    std::u16string_view text(reinterpret_cast<const char16_t*>(article2k.data()), article2k.size());
    tts::TextChunker chunker(text, 200, 200);
    auto begin = Clock::now();
    while (auto piece = chunker.Next()) o.engine->Synthesize({0, 0, 100, 0}, text.substr(piece->start, piece->length), collector);
    double wall = std::chrono::duration<double>(Clock::now() - begin).count();
    double audio = double(collector.samples) / o.engine->SampleRate();
    std::printf("synthesis speed: %.1f s of audio in %.2f s = %.0f x real time\n", audio, wall, audio / wall);
  }

  {
    Object o(kClockSpeedup);
    BSTR b = Bstr(article20k);
    Memory baseline = ProcessMemory(), peak = baseline;
    long helperRss = 0;
    auto begin = Clock::now();
    o.tts->Speak(b, 0);
    SysFreeString(b);
    uint32_t pid = 0;
    PumpUntil([&] { return o.sink.ended; }, [&] {
      Memory now = ProcessMemory();
      peak.resident = std::max(peak.resident, now.resident);
      peak.committed = std::max(peak.committed, now.committed);
      if (!pid) pid = o.engine->HelperProcessId();
      if (pid) helperRss = std::max(helperRss, HelperStatusKb(pid, "VmRSS:"));
    });
    double wall = std::chrono::duration<double>(Clock::now() - begin).count();
    long helperPeak = pid ? HelperStatusKb(pid, "VmHWM:") : -1;
    std::printf("20,000-character reading (%d words told, %.0f s on a %dx clock):\n", o.sink.words, wall,
                kClockSpeedup);
    const double mb = 1048576.0;
    std::printf("  component process: resident %.1f MB before, peak %.1f MB (+%.1f MB); committed %.1f MB before, "
                "peak %.1f MB (+%.1f MB)\n",
                baseline.resident / mb, peak.resident / mb, (peak.resident - baseline.resident) / mb,
                baseline.committed / mb, peak.committed / mb, (peak.committed - baseline.committed) / mb);
    std::printf("  helper process: peak resident %.1f MB (VmHWM), largest sampled VmRSS %.1f MB\n", helperPeak / 1024.0,
                helperRss / 1024.0);
  }
  CoUninitialize();
  return 0;
}
