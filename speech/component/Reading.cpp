#include "Reading.h"

#include <algorithm>
#include <chrono>

#include "TextChunker.h"

namespace tts {

class Reading::PieceListener : public SynthesisListener {
 public:
  PieceListener(Reading& reading, uint32_t offset, uint64_t base) : reading_(reading), offset_(offset), base_(base) {}
  void OnAudio(const int16_t* samples, size_t count) override {
    std::lock_guard lock(reading_.mutex_);
    reading_.audio_.emplace_back(samples, samples + count);
    reading_.synthesised_ += count;
    produced_ += count;
    reading_.changed_.notify_all();
  }
  void OnWord(uint32_t start, uint32_t length, uint64_t sample) override {
    std::lock_guard lock(reading_.mutex_);
    reading_.marks_.push_back({ReadingEventKind::Word, offset_ + start, length, base_ + sample});
  }
  bool Cancelled() override { return reading_.cancelled_; }
  uint64_t Produced() const { return produced_; }

 private:
  Reading& reading_;
  uint32_t offset_;
  uint64_t base_;
  uint64_t produced_ = 0;
};

Reading::Reading(uint32_t id, std::u16string text, const SynthesisSettings& settings,
                 std::shared_ptr<SpeechEngine> engine, std::unique_ptr<AudioOutput> output, uint32_t sampleRate,
                 ReadingEvents& events, const ReadingTuning& tuning)
    : id_(id), text_(std::move(text)), settings_(settings), engine_(std::move(engine)), output_(std::move(output)),
      rate_(sampleRate), events_(events), tuning_(tuning) {}

Reading::~Reading() { Cancel(); }

void Reading::Start() {
  synthesisThread_ = std::thread([this] { Synthesize(); });
  playbackThread_ = std::thread([this] { Play(); });
}

void Reading::Pause() {
  if (ended_ || paused_.exchange(true)) return;
  output_->Pause();
}

void Reading::Resume() {
  if (!paused_.exchange(false)) return;
  output_->Resume();
}

bool Reading::Cancel() {
  {
    std::lock_guard lock(mutex_);
    cancelled_ = true;
    changed_.notify_all();
  }
  if (synthesisThread_.joinable()) synthesisThread_.join();
  if (playbackThread_.joinable()) playbackThread_.join();
  return !ended_.exchange(true);
}

std::string Reading::Failure() const {
  std::lock_guard lock(mutex_);
  return failure_;
}

bool Reading::WaitForRoom() {
  std::unique_lock lock(mutex_);
  auto ahead = static_cast<uint64_t>(tuning_.aheadSeconds * rate_);
  changed_.wait(lock, [&] { return cancelled_ || synthesised_ < output_->Position() + ahead; });
  return !cancelled_;
}

void Reading::Synthesize() {
  TextChunker chunker(text_, tuning_.firstPieceLength, tuning_.pieceLength);
  try {
    while (auto piece = chunker.Next()) {
      if (!WaitForRoom()) break;
      uint64_t base;
      {
        std::lock_guard lock(mutex_);
        base = synthesised_;
        marks_.push_back({ReadingEventKind::Sentence, static_cast<uint32_t>(piece->start),
                          static_cast<uint32_t>(piece->length), base});
      }
      PieceListener listener(*this, static_cast<uint32_t>(piece->start), base);
      engine_->Synthesize(settings_, std::u16string_view(text_).substr(piece->start, piece->length), listener);
    }
  } catch (const std::exception& e) {
    std::lock_guard lock(mutex_);
    failure_ = e.what();
  }
  std::lock_guard lock(mutex_);
  synthesisDone_ = true;
  changed_.notify_all();
}

void Reading::Deliver(const Mark& mark) {
  if (mark.kind == ReadingEventKind::Sentence) {
    events_.Push({id_, ReadingEventKind::Sentence, static_cast<int32_t>(mark.start), static_cast<int32_t>(mark.length)});
    return;
  }
  events_.Push({id_, ReadingEventKind::Word, static_cast<int32_t>(mark.start), static_cast<int32_t>(mark.length)});
  int percent = text_.empty() ? 100 : static_cast<int>(uint64_t{mark.start + mark.length} * 100 / text_.size());
  percent = std::clamp(percent, 0, 100);
  if (percent != lastPercent_) {
    lastPercent_ = percent;
    events_.Push({id_, ReadingEventKind::Progress, percent, 0});
  }
}

void Reading::Play() {
  auto queued = static_cast<uint64_t>(tuning_.queuedSeconds * rate_);
  while (!cancelled_) {
    uint64_t position = output_->Position();
    std::vector<Mark> due;
    bool finished = false;
    {
      std::unique_lock lock(mutex_);
      while (!audio_.empty() && output_->Written() < position + queued) {
        output_->Write(std::move(audio_.front()));
        audio_.pop_front();
      }
      while (!marks_.empty() && marks_.front().sample <= position) {
        due.push_back(marks_.front());
        marks_.pop_front();
      }
      finished = synthesisDone_ && audio_.empty() && position >= output_->Written();
      // Marks an engine placed past its own audio are told at the end rather than never.
      for (; finished && !marks_.empty(); marks_.pop_front()) due.push_back(marks_.front());
      changed_.notify_all();  // room for more synthesis
    }
    for (const auto& m : due) Deliver(m);
    if (finished) break;
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, std::chrono::milliseconds(10), [&] { return cancelled_.load(); });
  }
  if (cancelled_) {
    output_->Stop();
    return;
  }
  if (!ended_.exchange(true)) {
    if (lastPercent_ != 100 && Failure().empty()) events_.Push({id_, ReadingEventKind::Progress, 100, 0});
    events_.Push({id_, ReadingEventKind::End, 0, 0});
  }
}

}  // namespace tts
