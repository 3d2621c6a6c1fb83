#pragma once
// The helper's side of the protocol: after Hello, answers the component's requests in order until
// Quit or the end of the connection.
#include <deque>
#include <functional>
#include <map>
#include <memory>

#include "AudioEncoder.h"
#include "Connection.h"
#include "Synthesizer.h"

namespace tts::helper {

using EncoderFactory = std::function<std::unique_ptr<AudioEncoder>(const protocol::EncodeBegin&, ByteSink&)>;

class Session {
 public:
  Session(Connection& connection, Synthesizer& synthesizer, EncoderFactory encoders);
  ~Session();

  void SendHello(const std::string& token, uint32_t processId);
  // Returns when the component says Quit or closes the connection.
  void Run();

 private:
  struct Encoding;
  bool Handle(const protocol::Frame& frame);  // false: stop
  void RunSynthesis(const protocol::Synthesize& request);
  void BeginEncoding(const protocol::EncodeBegin& begin);
  void EncodeSamples(const protocol::EncodePcm& pcm);
  void EndEncoding(const protocol::EncodeEnd& end);
  void PollDuringSynthesis(uint32_t requestId, bool& cancel);

  Connection& connection_;
  Synthesizer& synthesizer_;
  EncoderFactory encoders_;
  std::map<uint32_t, std::unique_ptr<Encoding>> encodings_;
  std::deque<protocol::Frame> deferred_;  // requests that arrived during a synthesis
  bool quit_ = false;
};

}  // namespace tts::helper
