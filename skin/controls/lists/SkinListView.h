// Painter of a list view: its scroll bars covered as for any control with system bars, and its
// column header given a header painter of its own.
#pragma once

#include "TSkinScrollbar.h"

class TSkinHeader;

class TSkinListView : public TSkinScrollbar {
  TK_CLASS(TSkinListView)
 public:
  using TSkinScrollbar::TSkinScrollbar;

  void AttachScrollbars(tk::TControl* control, TSkinData* skin, TWinSkinForm* form, tk::TCanvas* canvas) override;
  void AfterMessage(tk::TMessage& msg) override;
  void Unskin() override;

  // The header's painter (owned by the list view), or none.
  TSkinHeader* Header = nullptr;

 protected:
  void Notification(tk::TComponent* component, tk::TOperation operation) override;

 private:
  void AttachHeader();
};
