#include "Strings.h"

#include "Filer.h"
#include "Text.h"

namespace tk {

const TClassInfo& TStrings::StaticClass() {
  static const TClassInfo info("TStrings", &TObject::StaticClass());
  return info;
}

int TStrings::Add(const std::string& s) {
  items_.push_back(s);
  Changed();
  return Count() - 1;
}

void TStrings::Insert(int index, const std::string& s) {
  if (index < 0 || index > Count()) throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  items_.insert(items_.begin() + index, s);
  Changed();
}

void TStrings::Delete(int index) {
  if (index < 0 || index >= Count()) throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  items_.erase(items_.begin() + index);
  Changed();
}

void TStrings::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Changed();
}

void TStrings::Put(int index, const std::string& s) {
  if (index < 0 || index >= Count()) throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  items_[static_cast<size_t>(index)] = s;
  Changed();
}

int TStrings::IndexOf(const std::string& s) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i] == s) return static_cast<int>(i);
  return -1;
}

void TStrings::SetItems(const std::vector<std::string>& items) {
  items_ = items;
  Changed();
}

std::string TStrings::Text() const {
  std::string s;
  for (const std::string& line : items_) s += line + "\r\n";
  return s;
}

void TStrings::SetText(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      lines.push_back(text.substr(start, i - start));
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  SetItems(lines);
}

std::string TStrings::Names(int index) const {
  const std::string& s = (*this)[index];
  const size_t eq = s.find('=');
  return eq == std::string::npos ? std::string() : s.substr(0, eq);
}

std::string TStrings::Values(const std::string& name) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    const size_t eq = items_[i].find('=');
    if (eq != std::string::npos && SameText(std::string_view(items_[i]).substr(0, eq), name))
      return items_[i].substr(eq + 1);
  }
  return {};
}

void TStrings::DefineProperties(TFiler& filer) {
  filer.DefineStringListProperty(
      "Strings", [this](const std::vector<std::string>& lines) { SetItems(lines); },
      [this] { return items_; }, !items_.empty());
}

void TStrings::Changed() {
  if (OnChange) OnChange();
}

}  // namespace tk
