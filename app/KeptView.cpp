#include "KeptView.h"

namespace practice {

namespace {
int CharacterAt(HWND edit, LONG x, LONG y) {
  POINTL point{x, y};
  return static_cast<int>(SendMessageW(edit, EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&point)));
}
}  // namespace

PositionRange ShownPositions(HWND edit) {
  RECT client{};
  GetClientRect(edit, &client);
  return {CharacterAt(edit, 0, 0), CharacterAt(edit, client.right - 1, client.bottom - 1) + 1};
}

KeptView::KeptView(HWND edit, PositionRange rewritten)
    : edit_(edit), rewritten_(rewritten), visible_((GetWindowLongW(edit, GWL_STYLE) & WS_VISIBLE) != 0) {
  SendMessageW(edit_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection_));
  SendMessageW(edit_, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll_));
  // Off for a visible window only: turning drawing back on makes a window visible.
  if (visible_) SendMessageW(edit_, WM_SETREDRAW, FALSE, 0);
}

KeptView::~KeptView() {
  SendMessageW(edit_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection_));
  SendMessageW(edit_, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll_));
  if (!visible_) return;
  SendMessageW(edit_, WM_SETREDRAW, TRUE, 0);
  const PositionRange shown = ShownPositions(edit_);
  if (rewritten_.from < shown.to && shown.from < rewritten_.to) InvalidateRect(edit_, nullptr, FALSE);
}

}  // namespace practice
