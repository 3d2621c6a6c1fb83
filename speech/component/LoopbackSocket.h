#pragma once
// Winsock pieces for talking to the helper on 127.0.0.1: a listener the helper connects to and the
// connected stream of protocol frames.
#include <winsock2.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

#include "Protocol.h"

namespace tts {

class SocketError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Socket {
 public:
  Socket() = default;
  explicit Socket(SOCKET s) : s_(s) {}
  ~Socket() { Close(); }
  Socket(Socket&& o) noexcept : s_(o.s_) { o.s_ = INVALID_SOCKET; }
  Socket& operator=(Socket&& o) noexcept;
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  SOCKET Get() const { return s_; }
  bool Valid() const { return s_ != INVALID_SOCKET; }
  void Close();

 private:
  SOCKET s_ = INVALID_SOCKET;
};

class LoopbackListener {
 public:
  LoopbackListener();  // on an ephemeral port; throws SocketError
  uint16_t Port() const { return port_; }
  // A connection, or an invalid socket when none came in time.
  Socket Accept(std::chrono::milliseconds timeout);

 private:
  Socket socket_;
  uint16_t port_ = 0;
};

class FrameStream {
 public:
  explicit FrameStream(Socket socket);
  void Send(const std::vector<uint8_t>& bytes);  // throws SocketError
  // False when no whole frame arrived in time; throws SocketError when the peer is gone.
  bool Read(protocol::Frame& frame, std::chrono::milliseconds timeout);
  // True when the peer has closed the connection (checked without waiting or consuming data).
  bool PeerClosed();

 private:
  Socket socket_;
  protocol::FrameDecoder decoder_;
};

// Winsock is started once per process and left running.
void EnsureWinsock();

}  // namespace tts
