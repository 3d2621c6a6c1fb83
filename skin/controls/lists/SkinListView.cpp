#include "SkinListView.h"

#include <commctrl.h>

#include "SkinHeader.h"
#include "SkinMessages.h"

const tk::TClassInfo& TSkinListView::StaticClass() {
  static const tk::TClassInfo info("TSkinListView", &TSkinScrollbar::StaticClass());
  return info;
}

void TSkinListView::AttachScrollbars(tk::TControl* control, TSkinData* skin, TWinSkinForm* form, tk::TCanvas* canvas) {
  const bool wasAttached = Attached;
  TSkinScrollbar::AttachScrollbars(control, skin, form, canvas);
  if (!wasAttached && Attached) AttachHeader();
}

void TSkinListView::AttachHeader() {
  if (!Handle || !Control) return;
  HWND header = reinterpret_cast<HWND>(SendMessageW(Handle, LVM_GETHEADER, 0, 0));
  if (!header || (Header && Header->Handle == header && Header->State != psWindowDestroyed)) return;
  if (SendMessageW(header, SKM_ISSKINNED, 0, 0) == 1) return;
  Header = new TSkinHeader(Control);
  FreeNotification(Header);
  Header->AttachWindow(header, SkinData, Form, Canvas);
}

void TSkinListView::AfterMessage(tk::TMessage& msg) {
  TSkinScrollbar::AfterMessage(msg);
  // A new list view window comes with a new header.
  if (msg.Msg == WM_CREATE && Active) AttachHeader();
}

void TSkinListView::Unskin() {
  if (Header && State != psWindowDestroyed) Header->Unskin();
  TSkinScrollbar::Unskin();
}

void TSkinListView::Notification(tk::TComponent* component, tk::TOperation operation) {
  TSkinScrollbar::Notification(component, operation);
  if (operation == tk::TOperation::opRemove && component == Header) Header = nullptr;
}
