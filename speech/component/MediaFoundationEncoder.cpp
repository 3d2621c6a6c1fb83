#include <windows.h>
#include <initguid.h>
#include <mfapi.h>
#include <mfidl.h>
#include <mfreadwrite.h>
#include <mferror.h>

#include "ComPtr.h"
#include "MediaFoundationEncoder.h"

#include <cstring>
#include <string>
#include <vector>

namespace tts {

namespace {

void Check(HRESULT hr, const char* what) {
  if (FAILED(hr)) {
    char code[16];
    wsprintfA(code, "%08lX", static_cast<unsigned long>(hr));
    throw EncoderError(std::string("Media Foundation failed ") + what + " (" + code + ").");
  }
}

// The format of the encoder's output: MP3 is described directly; WMA must be one of the types the
// encoder lists, the nearest in bit rate with the right rate and channels.
void OutputType(FileType type, const FormatOption& f, IMFMediaType** out) {
  if (type == FileType::Mp3) {
    Check(MFCreateMediaType(out), "to create a media type");
    (*out)->SetGUID(MF_MT_MAJOR_TYPE, MFMediaType_Audio);
    (*out)->SetGUID(MF_MT_SUBTYPE, MFAudioFormat_MP3);
    (*out)->SetUINT32(MF_MT_AUDIO_SAMPLES_PER_SECOND, f.sampleRate);
    (*out)->SetUINT32(MF_MT_AUDIO_NUM_CHANNELS, f.channels);
    (*out)->SetUINT32(MF_MT_AUDIO_AVG_BYTES_PER_SECOND, f.bitRate / 8);
    (*out)->SetUINT32(MF_MT_AUDIO_BLOCK_ALIGNMENT, 1);
    return;
  }
  ComPtr<IMFCollection> types;
  Check(MFTranscodeGetAudioOutputAvailableTypes(MFAudioFormat_WMAudioV8, MFT_ENUM_FLAG_ALL, nullptr, &types),
        "to list the WMA formats");
  DWORD count = 0;
  types->GetElementCount(&count);
  IMFMediaType* best = nullptr;
  UINT32 bestDistance = ~0u;
  for (DWORD i = 0; i < count; ++i) {
    ComPtr<IUnknown> element;
    if (FAILED(types->GetElement(i, &element))) continue;
    IMFMediaType* candidate = nullptr;
    if (FAILED(element->QueryInterface(IID_IMFMediaType, reinterpret_cast<void**>(&candidate)))) continue;
    UINT32 rate = 0, channels = 0, bytes = 0;
    candidate->GetUINT32(MF_MT_AUDIO_SAMPLES_PER_SECOND, &rate);
    candidate->GetUINT32(MF_MT_AUDIO_NUM_CHANNELS, &channels);
    candidate->GetUINT32(MF_MT_AUDIO_AVG_BYTES_PER_SECOND, &bytes);
    UINT32 distance = bytes > f.bitRate / 8 ? bytes - f.bitRate / 8 : f.bitRate / 8 - bytes;
    if (rate == f.sampleRate && channels == f.channels && distance < bestDistance) {
      if (best) best->Release();
      best = candidate;
      bestDistance = distance;
    } else {
      candidate->Release();
    }
  }
  if (!best) throw EncoderError("The WMA encoder of this system has no format " + f.name + ".");
  *out = best;
}

class MediaFoundationEncoder : public AudioEncoder {
 public:
  MediaFoundationEncoder(FileType type, const FormatOption& format, ByteSink& sink) : format_(format), sink_(sink) {
    wchar_t dir[MAX_PATH], name[MAX_PATH];
    if (!GetTempPathW(MAX_PATH, dir) || !GetTempFileNameW(dir, L"tts", 0, name))
      throw EncoderError("No temporary file for the encoder.");
    scratch_ = name;
    DeleteFileW(scratch_.c_str());
    scratch_ += type == FileType::Mp3 ? L".mp3" : L".wma";  // the container follows the extension

    ComPtr<IMFAttributes> attributes;
    Check(MFCreateAttributes(&attributes, 1), "to create attributes");
    attributes->SetGUID(MF_TRANSCODE_CONTAINERTYPE,
                        type == FileType::Mp3 ? MFTranscodeContainerType_MP3 : MFTranscodeContainerType_ASF);
    Check(MFCreateSinkWriterFromURL(scratch_.c_str(), nullptr, attributes.Get(), &writer_), "to open the file");

    ComPtr<IMFMediaType> output, input;
    OutputType(type, format, &output);
    Check(writer_->AddStream(output.Get(), &stream_), ("to set up the " + format.name + " encoder").c_str());
    Check(MFCreateMediaType(&input), "to create a media type");
    input->SetGUID(MF_MT_MAJOR_TYPE, MFMediaType_Audio);
    input->SetGUID(MF_MT_SUBTYPE, MFAudioFormat_PCM);
    input->SetUINT32(MF_MT_AUDIO_BITS_PER_SAMPLE, 16);
    input->SetUINT32(MF_MT_AUDIO_SAMPLES_PER_SECOND, format.sampleRate);
    input->SetUINT32(MF_MT_AUDIO_NUM_CHANNELS, format.channels);
    input->SetUINT32(MF_MT_AUDIO_BLOCK_ALIGNMENT, format.channels * 2);
    input->SetUINT32(MF_MT_AUDIO_AVG_BYTES_PER_SECOND, format.sampleRate * format.channels * 2);
    input->SetUINT32(MF_MT_ALL_SAMPLES_INDEPENDENT, TRUE);
    Check(writer_->SetInputMediaType(stream_, input.Get(), nullptr), "to accept 16-bit audio");
    Check(writer_->BeginWriting(), "to start writing");
  }

  ~MediaFoundationEncoder() override {
    writer_.Reset();
    DeleteFileW(scratch_.c_str());
  }

  void Encode(const int16_t* samples, size_t frames) override {
    if (frames == 0) return;
    DWORD bytes = static_cast<DWORD>(frames * format_.channels * 2);
    ComPtr<IMFMediaBuffer> buffer;
    Check(MFCreateMemoryBuffer(bytes, &buffer), "to allocate a buffer");
    BYTE* data = nullptr;
    Check(buffer->Lock(&data, nullptr, nullptr), "to fill a buffer");
    std::memcpy(data, samples, bytes);
    buffer->Unlock();
    buffer->SetCurrentLength(bytes);
    ComPtr<IMFSample> sample;
    Check(MFCreateSample(&sample), "to create a sample");
    sample->AddBuffer(buffer.Get());
    LONGLONG start = static_cast<LONGLONG>(frames_ * 10000000ull / format_.sampleRate);
    frames_ += frames;
    LONGLONG end = static_cast<LONGLONG>(frames_ * 10000000ull / format_.sampleRate);
    sample->SetSampleTime(start);
    sample->SetSampleDuration(end - start);
    Check(writer_->WriteSample(stream_, sample.Get()), "to encode");
  }

  void Finish() override {
    Check(writer_->Finalize(), "to finish the file");
    writer_.Reset();
    HANDLE file = CreateFileW(scratch_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw EncoderError("The encoded file could not be read back.");
    std::vector<uint8_t> chunk(1 << 16);
    DWORD read = 0;
    bool ok = true;
    while ((ok = ReadFile(file, chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr)) && read > 0)
      sink_.Write(chunk.data(), read);
    CloseHandle(file);
    if (!ok) throw EncoderError("The encoded file could not be read back.");
  }

 private:
  FormatOption format_;
  ByteSink& sink_;
  std::wstring scratch_;  // Media Foundation writes files itself: the encoded bytes go through here
  ComPtr<IMFSinkWriter> writer_;
  DWORD stream_ = 0;
  uint64_t frames_ = 0;
};

// TTSObj.dll loads Media Foundation at its first encoder, not at start: a system without it gets no
// encoder instead of a call into a library that is not there.
bool MediaFoundationPresent() {
  static const bool present = [] {
    for (const wchar_t* dll : {L"mfplat.dll", L"mfreadwrite.dll", L"mf.dll"})
      if (!LoadLibraryW(dll)) return false;
    return true;
  }();
  return present;
}

// Media Foundation for as long as an encoder lives.
class MediaFoundationSession {
 public:
  MediaFoundationSession() : ok_(SUCCEEDED(MFStartup(MF_VERSION, MFSTARTUP_LITE))) {}
  ~MediaFoundationSession() {
    if (ok_) MFShutdown();
  }
  bool Ok() const { return ok_; }

 private:
  bool ok_;
};

class SessionEncoder : public AudioEncoder {
 public:
  SessionEncoder(std::unique_ptr<MediaFoundationSession> session, FileType type, const FormatOption& format,
                 ByteSink& sink)
      : session_(std::move(session)), encoder_(type, format, sink) {}
  void Encode(const int16_t* samples, size_t frames) override { encoder_.Encode(samples, frames); }
  void Finish() override { encoder_.Finish(); }

 private:
  std::unique_ptr<MediaFoundationSession> session_;  // outlives the encoder
  MediaFoundationEncoder encoder_;
};

}  // namespace

std::unique_ptr<AudioEncoder> MakeMediaFoundationEncoder(FileType type, const FormatOption& format, ByteSink& sink) {
  if (type != FileType::Mp3 && type != FileType::Wma) return nullptr;
  if (!MediaFoundationPresent()) return nullptr;
  auto session = std::make_unique<MediaFoundationSession>();
  if (!session->Ok()) return nullptr;
  return std::make_unique<SessionEncoder>(std::move(session), type, format, sink);
}

}  // namespace tts
