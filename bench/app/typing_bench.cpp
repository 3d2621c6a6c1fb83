// Keystroke to echo in the typing area: a character posted to RichEdit2 as a key of the user's
// arrives (WM_CHAR through the message queue), then the time until it reads back from the control
// and the control has repainted. The typing area holds 0, 2,000 or 20,000 characters, in one
// paragraph or in lines of 200, the caret at its end. A bare rich edit of the same class, style,
// size and font, outside the toolkit, gives the platform's own figure beside ours. "echo": the
// character reads back; "painted": the control has no update region left; "max": slowest key.
//   typing_bench
#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "Application.h"
#include "ClassRegistration.h"
#include "Encoding.h"
#include "Unit1.h"
#include "WinSkinData.h"

namespace {

constexpr int kKeys = 40;

double Now() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

bool PumpOne() {
  MSG msg;
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  return true;
}

void Pump() {
  while (PumpOne()) {
  }
}

int Length(HWND edit) {
  GETTEXTLENGTHEX length{GTL_NUMCHARS, 1200};
  return static_cast<int>(SendMessageW(edit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
}

std::wstring Article(int chars, int line) {
  const std::wstring sample = tk::Utf8ToWide("听写练习的文章由许多常用汉字组成，交稿后逐字标出对错。");
  std::wstring text;
  for (int i = 0; i < chars; ++i) {
    text += sample[static_cast<size_t>(i) % sample.size()];
    if (line && i % line == line - 1 && i + 1 < chars) text += L"\r\n";
  }
  return text;
}

struct Figures {
  double echo, painted, worst;
};

// Types kKeys characters at the end of what the area holds; median time to echo and to repaint.
// `message` is what arrives: WM_CHAR for the typing area, as from the keyboard; the bare control
// gets the WM_UNICHAR that the typing area passes on to it.
Figures Type(HWND edit, UINT message) {
  CHARRANGE end{-1, -1};
  SendMessageW(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
  SetFocus(edit);
  Pump();
  std::vector<double> echo, painted;
  const std::wstring keys = tk::Utf8ToWide("听写练习的文章");
  for (int k = 0; k < kKeys; ++k) {
    const int before = Length(edit);
    const double start = Now();
    PostMessageW(edit, message, keys[static_cast<size_t>(k) % keys.size()], 1);
    while (Length(edit) == before)
      if (!PumpOne()) MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    echo.push_back(Now() - start);
    // WM_PAINT comes once the queue is empty; the update region is gone when it has been served.
    while (GetUpdateRect(edit, nullptr, FALSE)) {
      Pump();
      if (GetUpdateRect(edit, nullptr, FALSE)) MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
    painted.push_back(Now() - start);
  }
  std::sort(echo.begin(), echo.end());
  std::sort(painted.begin(), painted.end());
  return {echo[echo.size() / 2], painted[painted.size() / 2], painted.back()};
}

void SetWide(HWND edit, const std::wstring& text) {
  SETTEXTEX set{ST_DEFAULT, 1200};
  SendMessageW(edit, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&set), reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace

int wmain() {
  tk::TApplication application;
  application.Initialize();
  application.SetTitle("Tolvane");
  tk::RegisterToolkitClasses();
  RegisterSkinDataClasses();
  auto* form = new TForm1(nullptr);
  form->Show();
  Pump();
  HWND typing = form->RichEdit2->Handle();

  // The bare control: a top-level window of the typing area's client size with a rich edit in it.
  RECT area;
  GetClientRect(typing, &area);
  HWND frame = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, area.right + 40, area.bottom + 40,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  HWND bare = CreateWindowExW(WS_EX_CLIENTEDGE, L"RICHEDIT", L"",
                              WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 0, 0,
                              area.right + 4, area.bottom + 4, frame, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(bare, EM_EXLIMITTEXT, 0, 0x7FFFFFF0);
  SendMessageW(bare, WM_SETFONT, SendMessageW(typing, WM_GETFONT, 0, 0), FALSE);
  CHARFORMAT2W font{};
  font.cbSize = sizeof font;
  SendMessageW(typing, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&font));
  SendMessageW(bare, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&font));

  std::printf("%-34s %26s   %26s\n", "", "typing area (RichEdit2)", "bare rich edit");
  std::printf("%-34s %8s %8s %8s   %8s %8s %8s\n", "characters held", "echo", "painted", "max", "echo", "painted", "max");
  for (int chars : {0, 2000, 20000}) {
    for (int line : {0, 200}) {
      if (chars == 0 && line) continue;
      const std::wstring text = Article(chars, line);
      form->RichEdit2->SetText(tk::WideToGbk(text));
      const Figures ours = Type(typing, WM_CHAR);
      SetWide(bare, text);
      const Figures platform = Type(bare, WM_UNICHAR);
      const std::string what = std::to_string(chars) + (chars == 0 ? "" : line ? ", lines of 200" : ", one paragraph");
      std::printf("%-34s %6.1f ms %5.1f ms %5.1f ms   %5.1f ms %5.1f ms %5.1f ms\n", what.c_str(), ours.echo, ours.painted,
                  ours.worst, platform.echo, platform.painted, platform.worst);
    }
  }
  DestroyWindow(frame);
  tk::TComponent::Free(form);
  return 0;
}
