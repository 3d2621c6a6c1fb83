#pragma once
// One reading of a text: a synthesis thread turns the text piece by piece into audio and marks,
// staying a few seconds ahead of the listener; a playback thread feeds the audio output and
// reports each mark when the output reaches its sample. Memory stays bounded whatever the length
// of the text.
#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "AudioOutput.h"
#include "ReadingEvents.h"
#include "SpeechEngine.h"

namespace tts {

struct ReadingTuning {
  double aheadSeconds = 3.0;     // synthesised audio kept ready beyond what is heard
  double queuedSeconds = 0.4;    // audio handed to the output beyond what is heard
  size_t firstPieceLength = 40;  // a short first piece is heard soon
  size_t pieceLength = 200;
};

class Reading {
 public:
  Reading(uint32_t id, std::u16string text, const SynthesisSettings& settings, std::shared_ptr<SpeechEngine> engine,
          std::unique_ptr<AudioOutput> output, uint32_t sampleRate, ReadingEvents& events,
          const ReadingTuning& tuning = {});
  // Cancels and waits for both threads.
  ~Reading();
  Reading(const Reading&) = delete;
  Reading& operator=(const Reading&) = delete;

  uint32_t Id() const { return id_; }
  void Start();
  void Pause();
  void Resume();
  bool Paused() const { return paused_; }
  // True once the reading has told its End (or Cancel has claimed the End for its caller).
  bool Ended() const { return ended_; }
  // Stops both threads; returns true if the End is still to be told (by the caller).
  bool Cancel();
  // Text of the engine's failure that cut the reading short, if any.
  std::string Failure() const;

 private:
  struct Mark {
    ReadingEventKind kind;
    uint32_t start, length;
    uint64_t sample;
  };
  class PieceListener;

  void Synthesize();
  void Play();
  void Deliver(const Mark& mark);
  bool WaitForRoom();  // false when cancelled

  const uint32_t id_;
  const std::u16string text_;
  const SynthesisSettings settings_;
  std::shared_ptr<SpeechEngine> engine_;
  std::unique_ptr<AudioOutput> output_;
  const uint32_t rate_;
  ReadingEvents& events_;
  const ReadingTuning tuning_;

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::vector<int16_t>> audio_;  // synthesised, not yet written to the output
  std::deque<Mark> marks_;                  // not yet reached
  uint64_t synthesised_ = 0;                // samples produced so far
  bool synthesisDone_ = false;
  std::string failure_;

  std::atomic<bool> cancelled_{false};
  std::atomic<bool> paused_{false};
  std::atomic<bool> ended_{false};
  int lastPercent_ = -1;
  std::thread synthesisThread_, playbackThread_;
};

}  // namespace tts
