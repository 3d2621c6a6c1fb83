#include "ArticleFile.h"

#include <windows.h>
#include <richedit.h>

#include <stdexcept>

#include "ArticleText.h"
#include "Encoding.h"
#include "GdiHandle.h"
#include "RichEditContent.h"
#include "RichTextLimits.h"

namespace practice {

namespace {

std::string SystemMessage(DWORD error) {
  wchar_t* message = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 error, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
  std::string text = message ? tk::WideToGbk(message) : "Error " + std::to_string(error);
  if (message) LocalFree(message);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
  return text;
}

[[noreturn]] void FailOn(const std::string& gbkPath, DWORD error) {
  throw std::runtime_error(tk::Utf8ToGbk("无法读取文件“") + gbkPath + tk::Utf8ToGbk("”。") + SystemMessage(error));
}

[[noreturn]] void TooLarge(const std::string& what, uint64_t size, uint64_t largest, const char* unitUtf8) {
  throw std::runtime_error(what + tk::Utf8ToGbk("太大（") + std::to_string(size) + tk::Utf8ToGbk(unitUtf8) +
                           tk::Utf8ToGbk("），最多 ") + std::to_string(largest) + tk::Utf8ToGbk(unitUtf8) +
                           tk::Utf8ToGbk("。"));
}

// Paragraphs longer than this make the holder lay out rich text too slowly (its runs can be long);
// such a file's text is shown without its formatting.
constexpr size_t kLongestRichParagraph = 4000;

size_t LongestParagraph(const std::wstring& text) {
  size_t longest = 0, start = 0;
  while (start <= text.size()) {
    size_t end = text.find(L"\r\n", start);
    if (end == std::wstring::npos) end = text.size();
    longest = std::max(longest, end - start);
    start = end + 2;
  }
  return longest;
}

[[noreturn]] void Unreadable() { throw std::runtime_error(tk::Utf8ToGbk("无法读取 RTF 格式的文章。")); }

// Reads rich text in a hidden control that does not wrap lines, where reading costs time in
// proportion to its length. Throws when the text cannot be read, or could harm the control's reader.
std::wstring ReadRichText(const std::string& rtf) {
  if (CheckRichTextLimits(rtf) != RichTextFault::none) Unreadable();
  tk::UniqueWindow scratch(CreateWindowExW(0, L"RICHEDIT", L"", WS_POPUP | ES_MULTILINE | ES_AUTOHSCROLL | WS_HSCROLL,
                                           0, 0, 100, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
  if (!scratch) throw std::runtime_error("A rich edit cannot be made");
  SendMessageW(scratch.Get(), EM_EXLIMITTEXT, 0, 0x7FFFFFF0);
  try {
    ReplaceWithRichText(scratch.Get(), 0, 0, rtf);
  } catch (const std::exception&) {
    Unreadable();
  }
  return PositionedText(scratch.Get());
}

}  // namespace

std::string ReadArticleFile(const std::string& gbkPath) {
  const std::wstring path = tk::GbkToWide(gbkPath);
  tk::UniqueKernelHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.Get() == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    file.Release();
    FailOn(gbkPath, error);
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size)) FailOn(gbkPath, GetLastError());
  const uint64_t bytesInFile = static_cast<uint64_t>(size.QuadPart);
  if (bytesInFile > kLargestArticleFile) {
    // Only rich text may be larger; its first bytes tell.
    char head[5] = {};
    DWORD got = 0;
    const bool rich = ReadFile(file.Get(), head, 5, &got, nullptr) && tk::TRichEdit::IsRichText(std::string(head, got));
    if (!rich || bytesInFile > kLargestRichTextFile)
      TooLarge(tk::Utf8ToGbk("文件“") + gbkPath + tk::Utf8ToGbk("”"), bytesInFile,
               rich ? kLargestRichTextFile : kLargestArticleFile, " 字节");
    SetFilePointer(file.Get(), 0, nullptr, FILE_BEGIN);
  }
  std::string bytes(static_cast<size_t>(bytesInFile), '\0');
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD got = 0;
    if (!ReadFile(file.Get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got, nullptr))
      FailOn(gbkPath, GetLastError());
    if (got == 0) break;
    done += got;
  }
  bytes.resize(done);
  return bytes;
}

void PutArticle(tk::TRichEdit& holder, const std::string& fileBytes) {
  if (!tk::TRichEdit::IsRichText(fileBytes)) {
    SetPlainText(holder, PlainArticleText(fileBytes));
    return;
  }
  const std::wstring text = ReadRichText(fileBytes);
  if (text.size() > kLargestRichTextCharacters)
    TooLarge(tk::Utf8ToGbk("RTF 文章"), text.size(), kLargestRichTextCharacters, " 字符");
  if (LongestParagraph(text) <= kLongestRichParagraph) {
    EmptyByNewWindow(holder);
    holder.LoadFromBytes(fileBytes);
  } else {
    SetPlainText(holder, tk::WideToGbk(text));
  }
}

std::string FileNameOf(const std::string& gbkPath) {
  // On wide characters: a GBK trail byte can be a backslash.
  const std::wstring path = tk::GbkToWide(gbkPath);
  const size_t slash = path.find_last_of(L"\\/");
  return tk::WideToGbk(slash == std::wstring::npos ? path : path.substr(slash + 1));
}

}  // namespace practice
