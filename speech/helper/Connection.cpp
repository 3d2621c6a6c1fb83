#include "Connection.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace tts::helper {

Connection::~Connection() {
  if (fd_ >= 0) close(fd_);
}

int Connection::ConnectLoopback(uint16_t port) {
  int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) throw std::runtime_error(std::string("socket: ") + std::strerror(errno));
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(port);
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
    int e = errno;
    close(fd);
    throw std::runtime_error(std::string("connect: ") + std::strerror(e));
  }
  int one = 1;
  setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
  return fd;
}

bool Connection::Fill(bool wait) {
  if (eof_) return false;
  if (!wait) {
    pollfd p{fd_, POLLIN, 0};
    if (poll(&p, 1, 0) <= 0) return false;
  }
  uint8_t buf[65536];
  ssize_t n;
  do {
    n = recv(fd_, buf, sizeof buf, 0);
  } while (n < 0 && errno == EINTR);
  if (n < 0) throw std::runtime_error(std::string("recv: ") + std::strerror(errno));
  if (n == 0) {
    eof_ = true;
    return false;
  }
  decoder_.Feed(buf, static_cast<size_t>(n));
  return true;
}

bool Connection::ReadFrame(protocol::Frame& frame) {
  while (!decoder_.Next(frame)) {
    if (!Fill(true)) return false;
  }
  return true;
}

bool Connection::FrameReady() {
  protocol::Frame probe;
  while (Fill(false)) {
  }
  // Peeking would need a copy of the decoder; a ready frame is simply buffered whole.
  return decoder_.Buffered() >= 4 && [&] {
    protocol::FrameDecoder copy = decoder_;
    return copy.Next(probe);
  }();
}

void Connection::Send(const std::vector<uint8_t>& bytes) {
  size_t sent = 0;
  while (sent < bytes.size()) {
    ssize_t n = send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw std::runtime_error(std::string("send: ") + std::strerror(errno));
    sent += static_cast<size_t>(n);
  }
}

}  // namespace tts::helper
