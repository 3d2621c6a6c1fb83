#pragma once
// A connected stream socket carrying protocol frames.
#include <cstdint>
#include <string>
#include <vector>

#include "Protocol.h"

namespace tts::helper {

class Connection {
 public:
  explicit Connection(int fd) : fd_(fd) {}
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // Connects to 127.0.0.1:port; throws std::runtime_error on failure.
  static int ConnectLoopback(uint16_t port);

  // False at the end of the stream; throws on a broken frame or socket error.
  bool ReadFrame(protocol::Frame& frame);
  // True when a whole frame can be read without waiting.
  bool FrameReady();
  void Send(const std::vector<uint8_t>& bytes);

 private:
  bool Fill(bool wait);
  int fd_;
  protocol::FrameDecoder decoder_;
  bool eof_ = false;
};

}  // namespace tts::helper
