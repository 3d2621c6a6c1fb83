#include "LoopbackSocket.h"

#include <ws2tcpip.h>

#include <mutex>
#include <string>

namespace tts {

namespace {

std::string LastSocketError(const char* what) { return std::string(what) + " failed (" + std::to_string(WSAGetLastError()) + ")"; }

// Waits until the socket is readable; false on timeout.
bool WaitReadable(SOCKET s, std::chrono::milliseconds timeout) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(s, &set);
  timeval tv{static_cast<long>(timeout.count() / 1000), static_cast<long>((timeout.count() % 1000) * 1000)};
  int r = select(0, &set, nullptr, nullptr, &tv);
  if (r == SOCKET_ERROR) throw SocketError(LastSocketError("select"));
  return r > 0;
}

}  // namespace

void EnsureWinsock() {
  static std::once_flag once;
  std::call_once(once, [] {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
  });
}

Socket& Socket::operator=(Socket&& o) noexcept {
  if (this != &o) {
    Close();
    s_ = o.s_;
    o.s_ = INVALID_SOCKET;
  }
  return *this;
}

void Socket::Close() {
  if (s_ != INVALID_SOCKET) closesocket(s_);
  s_ = INVALID_SOCKET;
}

LoopbackListener::LoopbackListener() {
  EnsureWinsock();
  socket_ = Socket(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
  if (!socket_.Valid()) throw SocketError(LastSocketError("socket"));
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = 0;
  if (bind(socket_.Get(), reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) throw SocketError(LastSocketError("bind"));
  if (listen(socket_.Get(), 4) != 0) throw SocketError(LastSocketError("listen"));
  int len = sizeof addr;
  if (getsockname(socket_.Get(), reinterpret_cast<sockaddr*>(&addr), &len) != 0)
    throw SocketError(LastSocketError("getsockname"));
  port_ = ntohs(addr.sin_port);
}

Socket LoopbackListener::Accept(std::chrono::milliseconds timeout) {
  if (!WaitReadable(socket_.Get(), timeout)) return Socket();
  Socket s(accept(socket_.Get(), nullptr, nullptr));
  if (s.Valid()) {
    BOOL one = TRUE;
    setsockopt(s.Get(), IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&one), sizeof one);
  }
  return s;
}

FrameStream::FrameStream(Socket socket) : socket_(std::move(socket)) {}

void FrameStream::Send(const std::vector<uint8_t>& bytes) {
  size_t sent = 0;
  while (sent < bytes.size()) {
    int chunk = static_cast<int>(std::min<size_t>(bytes.size() - sent, 1 << 20));
    int n = send(socket_.Get(), reinterpret_cast<const char*>(bytes.data() + sent), chunk, 0);
    if (n == SOCKET_ERROR || n == 0) throw SocketError(LastSocketError("send"));
    sent += static_cast<size_t>(n);
  }
}

bool FrameStream::Read(protocol::Frame& frame, std::chrono::milliseconds timeout) {
  auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!decoder_.Next(frame)) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (!WaitReadable(socket_.Get(), std::max(left, std::chrono::milliseconds(0)))) return false;
    char buffer[65536];
    int n = recv(socket_.Get(), buffer, sizeof buffer, 0);
    if (n == 0) throw SocketError("the connection was closed");
    if (n == SOCKET_ERROR) throw SocketError(LastSocketError("recv"));
    decoder_.Feed(reinterpret_cast<const uint8_t*>(buffer), static_cast<size_t>(n));
  }
  return true;
}

bool FrameStream::PeerClosed() {
  try {
    if (!WaitReadable(socket_.Get(), std::chrono::milliseconds(0))) return false;
  } catch (const SocketError&) {
    return true;
  }
  char byte;
  int n = recv(socket_.Get(), &byte, 1, MSG_PEEK);
  return n == 0 || n == SOCKET_ERROR;
}

}  // namespace tts
