// The lines of a text control (memo, rich edit): read from its window, written back as one text.
#pragma once

#include <string>

#include "Controls.h"
#include "Strings.h"

namespace tk {

class TWindowTextLines : public TStrings {
 public:
  explicit TWindowTextLines(TWinControl& owner) : owner_(owner) {}
  void Refresh() {
    loading_ = true;
    SetText(owner_.GetText());
    loading_ = false;
  }

 protected:
  void Changed() override {
    if (loading_) return;
    std::string text;
    for (size_t i = 0; i < items_.size(); ++i) {
      if (i) text += "\r\n";
      text += items_[i];
    }
    owner_.SetText(text);
    TStrings::Changed();
  }

 private:
  TWinControl& owner_;
  bool loading_ = false;
};

}  // namespace tk
