#include "AudioFileWriter.h"

#include <windows.h>

#include <memory>
#include <vector>

#include "PcmConverter.h"
#include "PcmFileEncoders.h"
#include "TextChunker.h"
#include "Utf.h"

namespace tts {

namespace {

std::string Narrow(const std::wstring& w) { return Utf16ToUtf8(std::u16string(w.begin(), w.end())); }

std::string SystemText(DWORD error) {
  wchar_t* text = nullptr;
  DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, error, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
  std::wstring s = n && text ? std::wstring(text, n) : L"error " + std::to_wstring(error);
  if (text) LocalFree(text);
  while (!s.empty() && (s.back() == L'\n' || s.back() == L'\r' || s.back() == L' ')) s.pop_back();
  return Narrow(s);
}

[[noreturn]] void Fail(const std::wstring& path, DWORD error) {
  throw FileWriteError("Cannot write \"" + Narrow(path) + "\": " + SystemText(error), error);
}

// The temporary file: deleted unless committed.
class TemporaryFile : public ByteSink {
 public:
  TemporaryFile(const std::wstring& target) : target_(target) {
    size_t slash = target.find_last_of(L"\\/");
    std::wstring dir = slash == std::wstring::npos ? L"." : target.substr(0, slash + 1);
    wchar_t name[MAX_PATH + 16];
    if (!GetTempFileNameW(dir.c_str(), L"tts", 0, name)) Fail(target, GetLastError());
    path_ = name;
    handle_ = CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) {
      DWORD e = GetLastError();
      DeleteFileW(path_.c_str());
      Fail(target, e);
    }
  }
  ~TemporaryFile() override {
    Close();
    if (!committed_) DeleteFileW(path_.c_str());
  }

  void Write(const uint8_t* data, size_t size) override { WriteAt(end_, data, size); }

  void WriteAt(uint64_t offset, const uint8_t* data, size_t size) override {
    LARGE_INTEGER at;
    at.QuadPart = static_cast<LONGLONG>(offset);
    if (!SetFilePointerEx(handle_, at, nullptr, FILE_BEGIN)) Fail(target_, GetLastError());
    while (size > 0) {
      DWORD chunk = static_cast<DWORD>(std::min<size_t>(size, 1 << 24)), written = 0;
      if (!WriteFile(handle_, data, chunk, &written, nullptr) || written != chunk) Fail(target_, GetLastError());
      data += chunk;
      size -= chunk;
      offset += chunk;
    }
    end_ = std::max(end_, offset);
  }

  void Commit() {
    Close();
    if (!MoveFileExW(path_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED))
      Fail(target_, GetLastError());
    committed_ = true;
  }

 private:
  void Close() {
    if (handle_ != INVALID_HANDLE_VALUE) {
      BOOL flushed = FlushFileBuffers(handle_);
      DWORD e = GetLastError();
      CloseHandle(handle_);
      handle_ = INVALID_HANDLE_VALUE;
      if (!flushed && !committed_ && std::uncaught_exceptions() == 0) Fail(target_, e);
    }
  }

  std::wstring target_, path_;
  HANDLE handle_ = INVALID_HANDLE_VALUE;
  uint64_t end_ = 0;
  bool committed_ = false;
};

class PieceCollector : public SynthesisListener {
 public:
  void OnAudio(const int16_t* samples, size_t count) override { audio.insert(audio.end(), samples, samples + count); }
  void OnWord(uint32_t, uint32_t, uint64_t) override {}
  bool Cancelled() override { return false; }
  std::vector<int16_t> audio;
};

std::wstring FullPath(const std::wstring& path) {
  DWORD n = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (n == 0) Fail(path, GetLastError());
  std::wstring full(n, L'\0');
  n = GetFullPathNameW(path.c_str(), n, full.data(), nullptr);
  full.resize(n);
  return full;
}

}  // namespace

void WriteSpeechFile(SpeechEngine& engine, const SynthesisSettings& settings, std::u16string_view text,
                     const std::wstring& path, FileType type, const FormatOption& format) {
  if (path.empty()) throw FileWriteError("No file name was given.", ERROR_INVALID_NAME);
  std::wstring target = FullPath(path);
  uint32_t rate = engine.SampleRate();
  TemporaryFile file(target);
  std::unique_ptr<AudioEncoder> encoder = IsCompressed(type) ? engine.MakeEncoder(type, format, file)
                                                             : MakePcmFileEncoder(type, format, file);
  if (!encoder)
    throw EncoderError(std::string("This system has no encoder for ") + FileTypeName(type) + " files.");
  PcmConverter converter(rate, format.sampleRate, format.channels);
  std::vector<int16_t> converted;
  TextChunker chunker(text, 200, 200);
  while (auto piece = chunker.Next()) {
    PieceCollector collector;
    engine.Synthesize(settings, text.substr(piece->start, piece->length), collector);
    converted.clear();
    converter.Convert(collector.audio.data(), collector.audio.size(), converted);
    encoder->Encode(converted.data(), converted.size() / format.channels);
  }
  converted.clear();
  converter.Finish(converted);
  encoder->Encode(converted.data(), converted.size() / format.channels);
  encoder->Finish();
  encoder.reset();
  file.Commit();
}

}  // namespace tts
