#include "RichEditContent.h"

#include <richedit.h>

#include <algorithm>
#include <stdexcept>

#include "Encoding.h"
#include "Graphics.h"

namespace practice {

QuietRichEdit::QuietRichEdit(HWND edit) : edit_(edit), mask_(SendMessageW(edit, EM_SETEVENTMASK, 0, 0)) {}

QuietRichEdit::~QuietRichEdit() { SendMessageW(edit_, EM_SETEVENTMASK, 0, mask_); }

std::wstring PositionedText(HWND edit) {
  GETTEXTLENGTHEX length{GTL_USECRLF | GTL_PRECISE | GTL_NUMCHARS, 1200};
  const LRESULT n = SendMessageW(edit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
  if (n <= 0) return {};
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  GETTEXTEX get{};
  get.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  get.flags = GT_USECRLF;
  get.codepage = 1200;
  const LRESULT got = SendMessageW(edit, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(std::max<LRESULT>(got, 0)));
  return text;
}

Rgb BackgroundOf(tk::TRichEdit& edit) {
  const COLORREF c = tk::ColorToRGB(edit.Color());
  return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

void ReplaceWithRichText(HWND edit, int start, int end, const std::string& rtf) {
  CHARRANGE range{start, end};
  SendMessageW(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  if (!tk::StreamIntoRichEdit(edit, rtf, SF_RTF | SFF_SELECTION))
    throw std::runtime_error("The rich edit could not take its new text");
}

void EmptyByNewWindow(tk::TRichEdit& edit) {
  edit.DestroyHandle();
  edit.SetText(std::string());
  edit.HandleNeeded();
}

void SetPlainText(tk::TRichEdit& edit, const std::string& gbk) {
  const std::wstring wide = tk::GbkToWide(gbk);
  const std::string rtf = RichTextOf(std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()),
                                     BackgroundOf(edit));
  // Emptied first, the control gives the new text its default formatting, not the old text's.
  EmptyByNewWindow(edit);
  ReplaceWithRichText(edit.Handle(), 0, 0, rtf);
}

}  // namespace practice
