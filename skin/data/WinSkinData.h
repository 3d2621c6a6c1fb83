// The skin data component: dropped on a form, it carries the packed skin inside the form's stored
// layout (SkinStream), loads it into element records as soon as it is read, and holds the settings
// that steer the skin engine and the few objects the painters share (menu glyphs, caption font,
// caption-button hint).
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CaptionHintWindow.h"
#include "Component.h"
#include "Controls.h"
#include "GdiHandle.h"
#include "Graphics.h"
#include "SkinElements.h"
#include "SkinNotice.h"
#include "Strings.h"
#include "WinSkinHelpers.h"

enum class TSkinControlType {
  xcMainMenu, xcPopupMenu, xcMenuItem, xcToolbar, xcControlbar, xcCombo, xcCheckBox, xcRadioButton, xcProgress,
  xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcSpin, xcPanel, xcGroupBox, xcStatusBar, xcTab,
  xcTrackBar, xcSystemMenu, xcFastReport
};
TK_ENUM(TSkinControlType, "xcMainMenu", "xcPopupMenu", "xcMenuItem", "xcToolbar", "xcControlbar", "xcCombo",
        "xcCheckBox", "xcRadioButton", "xcProgress", "xcScrollbar", "xcEdit", "xcButton", "xcBitBtn", "xcSpeedButton",
        "xcSpin", "xcPanel", "xcGroupBox", "xcStatusBar", "xcTab", "xcTrackBar", "xcSystemMenu", "xcFastReport");
using TSkinControlTypes = tk::TSet<TSkinControlType>;

enum class TSkinOption {
  xoMDIScrollbar, xoMenuMerge, xoTransparent, xoPreview, xoParentBackGround, xoNoFocusRect, xoToolbarBK,
  xoToolbarButton, xoMDIChildBorder, xoMenuBG, xoCaptionButtonHint, xoFormScrollbar
};
TK_ENUM(TSkinOption, "xoMDIScrollbar", "xoMenuMerge", "xoTransparent", "xoPreview", "xoParentBackGround",
        "xoNoFocusRect", "xoToolbarBK", "xoToolbarButton", "xoMDIChildBorder", "xoMenuBG", "xoCaptionButtonHint",
        "xoFormScrollbar");
using TSkinOptions = tk::TSet<TSkinOption>;

// Which windows a component serves: every form of the program, only its own form, its own dialog
// form at once, or the forms of a library.
enum class TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };
TK_ENUM(TSkinFormType, "sfMainform", "sfOnlyThisForm", "sfDialog", "sfDLL");

class TSkinData;

// Lets the program refuse skinning a window class.
using TOnFormSkin = std::function<void(tk::TObject* Sender, const std::string& aName, bool& DoSkin)>;
// Lets the program give a control a painter of its own.
using TOnSkinControl = std::function<void(tk::TComponent* Sender, TSkinData* SkinData, tk::TControl* Form,
                                          tk::TControl* Control, const std::string& ControlClass,
                                          tk::TComponent*& SkinnedControl)>;
// Before and after a window gets its skinned frame.
using TOnSkinForm = std::function<void(tk::TObject* Sender, HWND ahwnd, const std::string& aName)>;

class TSkinData : public tk::TComponent, public TSkinElements {
  TK_CLASS(TSkinData)
 public:
  static constexpr const char* DefaultVersion = "5.40.07.15";

  explicit TSkinData(tk::TComponent* owner);
  ~TSkinData() override;

  // Published settings.
  bool Active() const { return FActive; }
  void SetActive(bool value);
  int DisableTag() const { return FDisableTag; }
  void SetDisableTag(int value) { FDisableTag = value; }
  TSkinControlTypes SkinControls() const { return FSkinControls; }
  void SetSkinControls(TSkinControlTypes value) { FSkinControls = value; }
  TSkinOptions Options() const { return FOptions; }
  void SetOptions(TSkinOptions value) { FOptions = value; }
  // Class name = painter kind, for control classes from outside the toolkit.
  tk::TStrings* Skin3rd() const { return FSkin3rd.get(); }
  void SetSkin3rd(tk::TStrings* value);
  std::string SkinFile() const { return FSkinFile; }
  void SetSkinFile(const std::string& path);
  // "(Good)" in the designer while a packed skin is held, else "(none)"; assignments change nothing.
  std::string SkinStore() const;
  void SetSkinStore(const std::string&) {}
  TSkinFormType SkinFormtype() const { return FSkinFormtype; }
  void SetSkinFormtype(TSkinFormType value) { FSkinFormtype = value; }
  // Fixed; assignments change nothing.
  std::string Version() const { return DefaultVersion; }
  void SetVersion(const std::string&) {}
  bool MenuUpdate() const { return FMenuUpdate; }
  void SetMenuUpdate(bool value) { FMenuUpdate = value; }
  bool MenuMerge() const { return FMenuMerge; }
  void SetMenuMerge(bool value) { FMenuMerge = value; }

  TOnFormSkin OnFormSkin;
  tk::TNotifyEvent OnSkinChanged;
  TOnSkinControl OnSkinControl;
  TOnSkinForm OnBeforeSkinForm;
  TOnSkinForm OnAfterSkinForm;

  // The skin's loading state (not the component's layout reading state).
  using TSkinElements::Loading;

  // Loads the packed skin stream into the element records. False in the designer and when the
  // stream holds no usable skin.
  bool LoadSkin();
  const std::vector<std::uint8_t>& SkinStream() const { return FSkinStream; }

  void ShowCaptionHint(const RECT& screenRect, const std::string& text);
  void HideCaptionHint();
  bool CaptionHintShown() const { return FHintShown; }
  TCaptionHintWindow& HintWindow() { return FHintWindow; }
  void FireSkinChanged();

  // The system menu's glyphs: restore, maximize, minimize, close.
  HIMAGELIST MenuGlyphs() const { return FMenuGlyphs.Get(); }
  tk::TFont& CaptionFont() { return FCaptionFont; }
  tk::TBitmap& AppIconBitmap() { return FAppIconBitmap; }
  int MaxWidth() const { return FMaxWidth; }
  int MaxHeight() const { return FMaxHeight; }
  // Off while the frame painter passes a menu change on, so that it does not paint the frame then.
  bool FramePaintEnabled = true;
  // The window the manager last asked this component about (form-skin decision).
  HWND AskedWindow = nullptr;
  // The caption-button hint's hover time, kept across the frame painters of this skin.
  int HintCounter = 0;

  void DefineProperties(tk::TFiler& filer) override;
  void Loaded() override;

  // The default class-to-painter list.
  static const std::vector<std::string>& DefaultSkin3rd();

 private:
  void ReadSkinStream(const std::vector<std::uint8_t>& payload);
  std::vector<std::uint8_t> WriteSkinStream() const;
  void ReadCaptionFont();
  void MakeAppIconBitmap();
  void ReloadIntoManager();

  bool FActive = false;
  int FDisableTag = 99;
  TSkinControlTypes FSkinControls;
  TSkinOptions FOptions;
  std::unique_ptr<tk::TStrings> FSkin3rd;
  std::string FSkinFile;
  TSkinFormType FSkinFormtype = TSkinFormType::sfMainform;
  bool FMenuUpdate = true;
  bool FMenuMerge = false;
  std::vector<std::uint8_t> FSkinStream;  // the packed skin (LZH stream of the skin archive)
  tk::TBitmap FAppIconBitmap;
  tk::UniqueImageList FMenuGlyphs;
  tk::TFont FCaptionFont;
  TCaptionHintWindow FHintWindow;
  bool FHintShown = false;
  int FMaxWidth = 0;
  int FMaxHeight = 0;
};

// Makes TSkinData creatable by stored layouts.
void RegisterSkinDataClasses();
