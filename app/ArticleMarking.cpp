#include "ArticleMarking.h"

#include <richedit.h>

#include <algorithm>
#include <functional>

#include "RichEditContent.h"
#include "RichText.h"

namespace practice {

namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlack{0, 0, 0};
constexpr int kUnmarked = -1;

// Everything of a character's formatting that a rewrite must keep: all but its colours.
constexpr DWORD kShapeMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_PROTECTED | CFM_LINK |
                             CFM_SIZE | CFM_FACE | CFM_OFFSET | CFM_CHARSET | CFM_SUBSCRIPT | CFM_SUPERSCRIPT |
                             CFM_UNDERLINETYPE | CFM_WEIGHT | CFM_HIDDEN;

// Paragraph attributes a rewrite must keep.
constexpr DWORD kParagraphMask = PFM_ALIGNMENT | PFM_STARTINDENT | PFM_RIGHTINDENT | PFM_OFFSET | PFM_NUMBERING |
                                 PFM_TABSTOPS | PFM_SPACEBEFORE | PFM_SPACEAFTER | PFM_LINESPACING;

void SelectRange(HWND edit, int start, int end) {
  CHARRANGE range{start, end};
  SendMessageW(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

CHARFORMAT2W FormatOf(HWND edit, int start, int end) {
  SelectRange(edit, start, end);
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  SendMessageW(edit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  return format;
}

// Splits [start, end) into ranges over which the attributes of `mask` do not change. The control
// answers for a whole range whether they do, so uniform text costs one question.
void ForEachUniformRange(HWND edit, int start, int end, DWORD mask,
                         const std::function<void(int, int, const CHARFORMAT2W&)>& visit) {
  const CHARFORMAT2W format = FormatOf(edit, start, end);
  if ((format.dwMask & mask) == mask || end - start == 1) {
    visit(start, end, format);
    return;
  }
  const int middle = start + (end - start) / 2;
  ForEachUniformRange(edit, start, middle, mask, visit);
  ForEachUniformRange(edit, middle, end, mask, visit);
}

bool IsLineBreakAt(const std::wstring& text, size_t p) {
  if (text[p] == L'\r') return p + 1 < text.size() && text[p + 1] == L'\n';
  return text[p] == L'\n' && p > 0 && text[p - 1] == L'\r';
}

}  // namespace

ArticleMarker::ArticleMarker(tk::TRichEdit& view, std::wstring text, const std::vector<CharacterMark>& marks)
    : edit_(view.Handle()), text_(std::move(text)), background_(BackgroundOf(view)), table_{kRed, kBlack} {
  const int length = static_cast<int>(text_.size());
  int last = -1;
  for (const CharacterMark& m : marks) {
    if (m.position >= length) break;
    if (first_ < 0) first_ = m.position;
    last = m.position;
  }
  if (first_ < 0) return;
  colourAt_.assign(static_cast<size_t>(last - first_ + 1), kUnmarked);
  for (const CharacterMark& m : marks)
    if (m.position <= last) colourAt_[m.position - first_] = m.wrong ? 1 : 2;  // table: red, black
}

PositionRange ArticleMarker::Marked() const {
  if (first_ < 0) return {};
  return {first_, first_ + static_cast<int>(colourAt_.size())};
}

void ArticleMarker::Mark(PositionRange range) {
  // The common case, an article of one formatting: one rewrite from the first mark to the last.
  // Rich text with line breaks brings its own paragraph format, so the old one is put back.
  const PositionRange marked = Marked();
  int start = std::max(range.from, marked.from), end = std::min(range.to, marked.to);
  while (start < end && IsLineBreakAt(text_, start)) ++start;
  while (end > start && IsLineBreakAt(text_, end - 1)) --end;
  if (start >= end) return;
  PARAFORMAT2 paragraphs{};
  if (IsUniform(start, end, paragraphs)) {
    Rewrite(start, end);
    SelectRange(edit_, start, end);
    SendMessageW(edit_, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&paragraphs));
    return;
  }
  // Otherwise line by line, from each line's first marked character to its last, and within a
  // line in pieces of one formatting; line breaks are left alone.
  int p = start;
  while (p < end) {
    if (IsLineBreakAt(text_, p)) {
      ++p;
      continue;
    }
    int lineEnd = p;
    while (lineEnd < end && !IsLineBreakAt(text_, lineEnd)) ++lineEnd;
    int a = p, b = lineEnd;
    while (a < b && ColourAt(a) == kUnmarked) ++a;
    while (b > a && ColourAt(b - 1) == kUnmarked) --b;
    if (a < b) ForEachUniformRange(edit_, a, b, kShapeMask, [this](int s, int e, const CHARFORMAT2W&) { Rewrite(s, e); });
    p = lineEnd;
  }
}

int ArticleMarker::ColourAt(int position) const { return colourAt_[position - first_]; }

bool ArticleMarker::IsUniform(int start, int end, PARAFORMAT2& paragraphs) {
  if ((FormatOf(edit_, start, end).dwMask & kShapeMask) != kShapeMask) return false;
  paragraphs.cbSize = sizeof paragraphs;
  SendMessageW(edit_, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&paragraphs));
  if ((paragraphs.dwMask & kParagraphMask) != kParagraphMask) return false;
  paragraphs.dwMask = kParagraphMask;
  return true;
}

void ArticleMarker::Rewrite(int start, int end) {
  std::vector<int> colours(static_cast<size_t>(end - start));
  for (int p = start; p < end;) {
    if (ColourAt(p) != kUnmarked || IsLineBreakAt(text_, p)) {
      colours[p - start] = ColourAt(p) == kUnmarked ? 0 : ColourAt(p);
      ++p;
      continue;
    }
    int gapEnd = p;
    while (gapEnd < end && ColourAt(gapEnd) == kUnmarked && !IsLineBreakAt(text_, gapEnd)) ++gapEnd;
    ForEachUniformRange(edit_, p, gapEnd, CFM_COLOR, [&](int s, int e, const CHARFORMAT2W& format) {
      const int index = (format.dwEffects & CFE_AUTOCOLOR) ? 0 : TableIndex(format.crTextColor);
      for (int i = s; i < e; ++i) colours[i - start] = index;
    });
    p = gapEnd;
  }
  const std::u16string_view piece(reinterpret_cast<const char16_t*>(text_.data()) + start, static_cast<size_t>(end - start));
  ReplaceWithRichText(edit_, start, end, RichTextOf(piece, colours, table_, background_));
}

int ArticleMarker::TableIndex(COLORREF c) {
  const Rgb rgb{GetRValue(c), GetGValue(c), GetBValue(c)};
  for (size_t i = 0; i < table_.size(); ++i)
    if (table_[i] == rgb) return static_cast<int>(i) + 1;
  table_.push_back(rgb);
  return static_cast<int>(table_.size());
}

void MarkArticle(tk::TRichEdit& view, const std::vector<CharacterMark>& marks) {
  HWND edit = view.Handle();
  QuietRichEdit quiet(edit);
  ArticleMarker marker(view, PositionedText(edit), marks);
  const PositionRange marked = marker.Marked();
  if (marked.Empty()) return;
  marker.Mark(marked);
  view.Select(marked.to - 1, 1);
  view.ScrollCaret();
}

}  // namespace practice
