// The painter of a window with system scroll bars that has no toolkit control: covers over its
// two bars, kept in place from the window's own messages.
#pragma once

#include <memory>

#include "TWScrollbar.h"
#include "WinSubClass.h"

class TSkinScrollbarH : public TSkinControl {
  TK_CLASS(TSkinScrollbarH)
 public:
  explicit TSkinScrollbarH(tk::TComponent* owner);
  ~TSkinScrollbarH() override;

  void AttachWindow(HWND handle, TSkinData* skin, TWinSkinForm* form, tk::TCanvas* canvas) override;
  void Unskin() override;
  void AfterMessage(tk::TMessage& msg) override;
  void Draw(HDC dc, const RECT& rect) override;

  std::unique_ptr<TWScrollbar> HorzBar;
  std::unique_ptr<TWScrollbar> VertBar;

 private:
  void RepositionBars();
};
