#pragma once
// Tab strips built on the platform's tab control: a tab control with a list of captions, and a
// page control whose tabs are the captions of its sheets, showing the active sheet in the display
// area. A tabbed notebook and an advanced page control are page controls known by their class
// names.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "Controls.h"
#include "Graphics.h"
#include "Strings.h"

namespace tk {

enum class TTabStyle { tsTabs, tsButtons, tsFlatButtons };
TK_ENUM(TTabStyle, "tsTabs", "tsButtons", "tsFlatButtons");
enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
TK_ENUM(TTabPosition, "tpTop", "tpBottom", "tpLeft", "tpRight");

// The platform tab control: its captions, the selected tab, style and side.
class TCustomTabControl : public TWinControl {
  TK_CLASS(TCustomTabControl)
 public:
  explicit TCustomTabControl(TComponent* owner);
  ~TCustomTabControl() override;

  int TabIndex() const;
  void SetTabIndex(int index);
  TTabStyle Style() const { return style_; }
  void SetStyle(TTabStyle v);
  TTabPosition TabPosition() const { return tabPosition_; }
  void SetTabPosition(TTabPosition v);
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool v);
  // Whether the strip is shown at all (a page control may hide it).
  bool ShowTabs() const { return showTabs_; }
  // The image list the tabs take their icons from (not owned).
  HIMAGELIST Images() const { return images_; }
  void SetImages(HIMAGELIST images);
  // The area inside the strip and the frame, in client coordinates.
  RECT DisplayRect();

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void SaveWndState() override;
  void WndProc(TMessage& msg) override;
  // The captions the window shows, in order, with each one's image index.
  virtual std::vector<std::string> TabCaptions() const = 0;
  virtual int TabImage(int) const { return -1; }
  // The selected tab changed by the user.
  virtual void Change();
  void SyncTabs();
  int tabIndex_ = -1;
  bool showTabs_ = true;

 private:
  TTabStyle style_ = TTabStyle::tsTabs;
  TTabPosition tabPosition_ = TTabPosition::tpTop;
  bool multiLine_ = false;
  HIMAGELIST images_ = nullptr;
};

class TTabControl : public TCustomTabControl {
  TK_CLASS(TTabControl)
 public:
  explicit TTabControl(TComponent* owner);
  TStrings& Tabs() { return *tabs_; }
  TStrings* TabsObject() const { return tabs_.get(); }

 protected:
  std::vector<std::string> TabCaptions() const override { return tabs_->Items(); }

 private:
  std::unique_ptr<TStrings> tabs_;
};

class TPageControl;

// One page of a page control: a plain container in the button-face colour.
class TTabSheet : public TCustomControl {
  TK_CLASS(TTabSheet)
 public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;
  TPageControl* PageControl() const { return pageControl_; }
  void SetPageControl(TPageControl* control);
  int PageIndex() const;
  void SetPageIndex(int index);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int v);
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool v);
  // The tab's place in the strip; -1 while the tab is hidden.
  int TabIndex() const;

 protected:
  void Paint() override;
  void TextChanged() override;

 private:
  friend class TPageControl;
  TPageControl* pageControl_ = nullptr;
  int imageIndex_ = -1;
  bool tabVisible_ = true;
};

class TPageControl : public TCustomTabControl {
  TK_CLASS(TPageControl)
 public:
  explicit TPageControl(TComponent* owner);
  ~TPageControl() override;
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int index) const { return pages_.at(static_cast<size_t>(index)); }
  TTabSheet* ActivePage() const { return activePage_; }
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);
  // The page a tab of the strip stands for (hidden tabs are skipped), or null.
  TTabSheet* PageOfTab(int tabIndex) const;
  void SetBounds(int left, int top, int width, int height) override;

 protected:
  std::vector<std::string> TabCaptions() const override;
  int TabImage(int tabIndex) const override;
  void Change() override;
  void InitializeWnd() override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void MovePage(TTabSheet* page, int index);
  void PagesChanged();
  void ShowActivePage();
  std::vector<TTabSheet*> pages_;
  TTabSheet* activePage_ = nullptr;
};

// Known by its class name to skins of other libraries.
class TTabbedNotebook : public TPageControl {
  TK_CLASS(TTabbedNotebook)
 public:
  using TPageControl::TPageControl;
};

// A page control that can draw its tabs from two pictures: the normal and the active tab.
class TAdvPageControl : public TPageControl {
  TK_CLASS(TAdvPageControl)
 public:
  explicit TAdvPageControl(TComponent* owner);
  TBitmap* TabBackGround() const { return tabBackGround_.get(); }
  void SetTabBackGround(TBitmap* picture);
  TBitmap* TabBackGroundActive() const { return tabBackGroundActive_.get(); }
  void SetTabBackGroundActive(TBitmap* picture);

 protected:
  void WndProc(TMessage& msg) override;

 private:
  void DrawTabPictures();
  std::unique_ptr<TBitmap> tabBackGround_;
  std::unique_ptr<TBitmap> tabBackGroundActive_;
};

}  // namespace tk
