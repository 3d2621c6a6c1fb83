#include "ReadingEvents.h"

#include <algorithm>

namespace tts {

void ReadingEvents::Push(const ReadingEvent& event) {
  bool wasEmpty;
  {
    std::lock_guard lock(mutex_);
    wasEmpty = queue_.empty();
    queue_.push_back(event);
  }
  if (wasEmpty && wake_) wake_();
}

std::optional<ReadingEvent> ReadingEvents::Pop() {
  std::lock_guard lock(mutex_);
  if (queue_.empty()) return std::nullopt;
  ReadingEvent e = queue_.front();
  queue_.pop_front();
  return e;
}

void ReadingEvents::DropProgressOf(uint32_t reading) {
  std::lock_guard lock(mutex_);
  std::erase_if(queue_, [&](const ReadingEvent& e) {
    return e.reading == reading && e.kind != ReadingEventKind::Start && e.kind != ReadingEventKind::End;
  });
}

size_t ReadingEvents::Size() const {
  std::lock_guard lock(mutex_);
  return queue_.size();
}

}  // namespace tts
