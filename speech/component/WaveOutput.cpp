#include "WaveOutput.h"

#include "SilentClock.h"

namespace tts {

std::unique_ptr<WaveOutput> WaveOutput::Open(uint32_t sampleRate) {
  WAVEFORMATEX format{};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = 1;
  format.nSamplesPerSec = sampleRate;
  format.wBitsPerSample = 16;
  format.nBlockAlign = 2;
  format.nAvgBytesPerSec = sampleRate * 2;
  HWAVEOUT device = nullptr;
  if (waveOutOpen(&device, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) return nullptr;
  return std::unique_ptr<WaveOutput>(new WaveOutput(device));
}

WaveOutput::~WaveOutput() {
  Stop();
  waveOutClose(device_);
}

void WaveOutput::ReleaseDone() {
  while (!queued_.empty() && (queued_.front()->header.dwFlags & WHDR_DONE)) {
    waveOutUnprepareHeader(device_, &queued_.front()->header, sizeof(WAVEHDR));
    queued_.pop_front();
  }
}

void WaveOutput::Write(std::vector<int16_t> samples) {
  std::lock_guard lock(mutex_);
  ReleaseDone();
  if (stopped_ || samples.empty()) return;
  auto buffer = std::make_unique<Buffer>();
  buffer->samples = std::move(samples);
  buffer->header.lpData = reinterpret_cast<LPSTR>(buffer->samples.data());
  buffer->header.dwBufferLength = static_cast<DWORD>(buffer->samples.size() * 2);
  if (waveOutPrepareHeader(device_, &buffer->header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR) return;
  if (waveOutWrite(device_, &buffer->header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
    waveOutUnprepareHeader(device_, &buffer->header, sizeof(WAVEHDR));
    return;
  }
  written_ += buffer->samples.size();
  queued_.push_back(std::move(buffer));
}

uint64_t WaveOutput::Position() {
  std::lock_guard lock(mutex_);
  ReleaseDone();
  if (stopped_) return lastPosition_;
  MMTIME time{};
  time.wType = TIME_SAMPLES;
  if (waveOutGetPosition(device_, &time, sizeof time) == MMSYSERR_NOERROR) {
    uint64_t p = time.wType == TIME_SAMPLES ? time.u.sample : time.wType == TIME_BYTES ? time.u.cb / 2 : lastPosition_;
    // The device counts in 32 bits: carry into the high half when it wraps.
    uint64_t candidate = (lastPosition_ & ~0xFFFFFFFFull) | p;
    if (candidate < lastPosition_) candidate += 0x100000000ull;
    lastPosition_ = std::min(candidate, written_);
  }
  // A device that has played every buffer is at the end, whatever it reports.
  if (queued_.empty()) lastPosition_ = written_;
  return lastPosition_;
}

uint64_t WaveOutput::Written() const {
  std::lock_guard lock(mutex_);
  return written_;
}

void WaveOutput::Pause() {
  std::lock_guard lock(mutex_);
  waveOutPause(device_);
}

void WaveOutput::Resume() {
  std::lock_guard lock(mutex_);
  waveOutRestart(device_);
}

void WaveOutput::Stop() {
  std::lock_guard lock(mutex_);
  if (stopped_) return;
  stopped_ = true;
  waveOutReset(device_);  // marks every buffer done
  ReleaseDone();
}

std::unique_ptr<AudioOutput> OpenAudioOutput(uint32_t sampleRate) {
  if (auto wave = WaveOutput::Open(sampleRate)) return wave;
  return std::make_unique<SilentClock>(sampleRate);
}

}  // namespace tts
