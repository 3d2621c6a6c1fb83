#pragma once
// Events of readings on their way from the reading threads to the component's own thread. Threads
// push; the owner is woken (a posted window message) and pops them one at a time on its thread.
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>

namespace tts {

enum class ReadingEventKind { Start, End, Word, Sentence, Progress };

struct ReadingEvent {
  uint32_t reading = 0;
  ReadingEventKind kind = ReadingEventKind::Start;
  int32_t first = 0;   // start, or percent
  int32_t second = 0;  // length
};

class ReadingEvents {
 public:
  // `wake` is called (from any thread) when the queue goes from empty to not empty.
  explicit ReadingEvents(std::function<void()> wake) : wake_(std::move(wake)) {}

  void Push(const ReadingEvent& event);
  std::optional<ReadingEvent> Pop();
  // Forgets what a stopped reading had heard but not yet told; its Start and End stay.
  void DropProgressOf(uint32_t reading);
  size_t Size() const;

 private:
  mutable std::mutex mutex_;
  std::deque<ReadingEvent> queue_;
  std::function<void()> wake_;
};

}  // namespace tts
