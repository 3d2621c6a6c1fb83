#include "ClassRegistration.h"

#include "Buttons.h"
#include "ComCtrls.h"
#include "Dialogs.h"
#include "ExtCtrls.h"
#include "ListViews.h"
#include "UpDown.h"
#include "Forms.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "Ranges.h"
#include "MediaPlayer.h"
#include "PictureMarks.h"
#include "TabSet.h"
#include "Tabs.h"

namespace tk {

void RegisterToolkitClasses() {
  for (const TClassInfo* info : {&TLabel::StaticClass(), &TButton::StaticClass(), &TEdit::StaticClass(),
                                 &TComboBox::StaticClass(), &TGroupBox::StaticClass(), &TScrollBar::StaticClass(),
                                 &TBitBtn::StaticClass(), &TToolBar::StaticClass(), &TStatusBar::StaticClass(),
                                 &TRichEdit::StaticClass(), &TSplitter::StaticClass(), &TTimer::StaticClass(),
                                 &TMainMenu::StaticClass(), &TPopupMenu::StaticClass(), &TMenuItem::StaticClass(),
                                 &TOpenDialog::StaticClass()})
    RegisterComponentClass(*info);
  RegisterComponentClass(TSpeedButton::StaticClass());
  for (const TClassInfo* info : {&TMemo::StaticClass(), &TListBox::StaticClass()}) RegisterComponentClass(*info);
  RegisterComponentClass(TDateTimePicker::StaticClass());
  for (const TClassInfo* info : {&TCheckBox::StaticClass(), &TRadioButton::StaticClass(), &TPanel::StaticClass(),
                                 &TRadioGroup::StaticClass()})
    RegisterComponentClass(*info);
  for (const TClassInfo* info : {&TTrackBar::StaticClass(), &TProgressBar::StaticClass(), &TMediaPlayer::StaticClass(),
                                 &TRzCheckBox::StaticClass(), &TRzRadioButton::StaticClass(), &TcxCheckBox::StaticClass()})
    RegisterComponentClass(*info);
  for (const TClassInfo* info : {&THeaderControl::StaticClass(), &TListView::StaticClass(), &TUpDown::StaticClass(),
                                 &TSpinButton::StaticClass(), &TSpinEdit::StaticClass()})
    RegisterComponentClass(*info);
  for (const TClassInfo* info : {&TTabControl::StaticClass(), &TPageControl::StaticClass(), &TTabSheet::StaticClass(),
                                 &TTabSet::StaticClass(), &TTabbedNotebook::StaticClass(), &TAdvPageControl::StaticClass()})
    RegisterComponentClass(*info);
}

}  // namespace tk
