// Writes a Chinese text in every file type and format option through the registered-class code
// path (eSpeak NG helper under Wine), with a manifest of what each file must contain. The files
// are then decoded natively by check_file_types.sh.
//   speech_file_types_writer OUTPUT_DIR
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "Articles.h"
#include "TextToSpeech.h"
#include "Utf.h"

namespace {

std::string Utf8(const std::wstring& w) { return tts::Utf16ToUtf8(std::u16string(w.begin(), w.end())); }

std::wstring Description() {
  IErrorInfo* info = nullptr;
  if (GetErrorInfo(0, &info) != S_OK || !info) return L"";
  BSTR text = nullptr;
  info->GetDescription(&text);
  std::wstring out = text ? text : L"";
  SysFreeString(text);
  info->Release();
  return out;
}

BSTR Make(const std::wstring& s) { return SysAllocStringLen(s.data(), static_cast<UINT>(s.size())); }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: speech_file_types_writer OUTPUT_DIR\n");
    return 2;
  }
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  std::wstring dir(argv[1], argv[1] + std::strlen(argv[1]));
  CreateDirectoryW(dir.c_str(), nullptr);
  ITextToSpeech* tts = nullptr;
  if (FAILED(tts::TextToSpeech::Create(tts::DefaultParts(), IID_ITextToSpeech, reinterpret_cast<void**>(&tts)))) return 1;

  std::ofstream manifest(std::string(argv[1]) + "/manifest.txt");
  int failures = 0;
  // The reference: the synthesised audio at the engine's own rate, whose length every file must have.
  const std::wstring longText = tts::testing::ChineseArticle(500), shortText = tts::testing::ChineseArticle(80);
  double seconds[2] = {0, 0};
  for (int k = 0; k < 2; ++k) {
    std::wstring path = dir + (k == 0 ? L"\\reference-long.wav" : L"\\reference-short.wav");
    BSTR text = Make(k == 0 ? longText : shortText), file = Make(path);
    tts->SetFileType(0);
    tts->SetFormat(0);  // 22kHz 16Bit Mono
    HRESULT hr = tts->SpeakToFile(text, file, 0);
    SysFreeString(text);
    SysFreeString(file);
    if (FAILED(hr)) {
      std::fprintf(stderr, "reference failed: %s\n", Utf8(Description()).c_str());
      return 1;
    }
    WIN32_FILE_ATTRIBUTE_DATA data;
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    seconds[k] = double(data.nFileSizeLow - 44) / (22050 * 2);
  }

  LONG types = 0;
  tts->FileTypeCount(&types);
  for (LONG t = 0; t < types; ++t) {
    tts->SetFileType(t);
    BSTR typeName = nullptr;
    tts->FileTypeName(t, &typeName);
    std::wstring type = typeName;
    SysFreeString(typeName);
    LONG formats = 0;
    tts->FormatCount(&formats);
    for (LONG f = 0; f < formats; ++f) {
      tts->SetFormat(f);
      BSTR formatName = nullptr;
      tts->FormatName(&formatName);
      std::wstring format = formatName;
      SysFreeString(formatName);
      const auto& option = tts::FormatOptions(static_cast<tts::FileType>(t))[f];
      // The 500-character article in each type's first format, a shorter text in the others.
      bool isLong = f == 0;
      std::wstring name = type + L"-" + std::to_wstring(f) + L"." + type;
      BSTR text = Make(isLong ? longText : shortText), file = Make(dir + L"\\" + name);
      HRESULT hr = tts->SpeakToFile(text, file, 0);
      SysFreeString(text);
      SysFreeString(file);
      if (FAILED(hr)) {
        std::fprintf(stderr, "%s %s: %s\n", Utf8(type).c_str(), Utf8(format).c_str(), Utf8(Description()).c_str());
        ++failures;
        continue;
      }
      manifest << Utf8(name) << '\t' << Utf8(type) << '\t' << option.sampleRate << '\t' << option.channels << '\t'
               << seconds[isLong ? 0 : 1] << '\t' << Utf8(format) << '\n';
    }
  }
  tts->Release();
  CoUninitialize();
  return failures == 0 ? 0 : 1;
}
