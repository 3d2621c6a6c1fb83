// Stands in for the painter factory while a test runs: records which painter kind each control or
// window was given, in order, and attaches a plain base painter so that the frame painter lists it.
#pragma once

#include <optional>
#include <vector>

#include "ControlMapping.h"
#include "WinSkinForm.h"
#include "WinSubClass.h"

struct PainterRecord {
  TPainterKind kind;
  tk::TControl* control = nullptr;  // null for a bare window
  HWND wnd = nullptr;
  bool recolour = false;
};

class PainterRecorder {
 public:
  PainterRecorder() : saved_(PainterMakers()) {
    PainterMakers().Control = [this](TPainterKind kind, tk::TControl* control, TWinSkinForm* form, TSkinData* skin,
                                     bool recolour, tk::TCanvas* canvas) -> TSkinControl* {
      records.push_back({kind, control, nullptr, recolour});
      auto* painter = new TSkinControl(control);
      painter->Attach(form, skin, recolour, canvas);
      return painter;
    };
    PainterMakers().Window = [this](TPainterKind kind, HWND wnd, TWinSkinForm* form, TSkinData* skin,
                                    tk::TCanvas* canvas) -> TSkinControl* {
      records.push_back({kind, nullptr, wnd, false});
      auto* painter = new TSkinControl(form);
      painter->AttachWindow(wnd, skin, form, canvas);
      return painter;
    };
  }
  ~PainterRecorder() { PainterMakers() = saved_; }
  PainterRecorder(const PainterRecorder&) = delete;
  PainterRecorder& operator=(const PainterRecorder&) = delete;

  // Position of the control's (or window's) record, -1 when it got no painter.
  int IndexOf(const tk::TControl* control) const {
    for (size_t i = 0; i < records.size(); ++i)
      if (records[i].control == control) return static_cast<int>(i);
    return -1;
  }
  int IndexOf(HWND wnd) const {
    for (size_t i = 0; i < records.size(); ++i)
      if (records[i].wnd == wnd) return static_cast<int>(i);
    return -1;
  }
  int CountOf(const tk::TControl* control) const {
    int n = 0;
    for (const PainterRecord& r : records) n += r.control == control ? 1 : 0;
    return n;
  }
  template <class Key>
  std::optional<TPainterKind> KindOf(Key key) const {
    const int i = IndexOf(key);
    if (i < 0) return std::nullopt;
    return records[static_cast<size_t>(i)].kind;
  }
  template <class Key>
  bool RecolourOf(Key key) const {
    const int i = IndexOf(key);
    return i >= 0 && records[static_cast<size_t>(i)].recolour;
  }

  std::vector<PainterRecord> records;

 private:
  TPainterMakers saved_;
};
