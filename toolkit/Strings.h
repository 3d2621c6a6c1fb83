#pragma once
// An ordered list of GBK strings with a change notification (combo box items, rich edit lines,
// the class lists of the skin engine).
#include <functional>
#include <string>
#include <vector>

#include "TypeInfo.h"

namespace tk {

class TFiler;

class TStrings : public TObject {
  TK_CLASS(TStrings)
 public:
  TStrings() = default;
  TStrings(std::initializer_list<std::string> items) : items_(items) {}

  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& operator[](int index) const { return items_.at(static_cast<size_t>(index)); }
  const std::vector<std::string>& Items() const { return items_; }
  int Add(const std::string& s);
  void Insert(int index, const std::string& s);
  void Delete(int index);
  void Clear();
  void Put(int index, const std::string& s);
  int IndexOf(const std::string& s) const;  // exact match, first one
  void Assign(const TStrings& other) { SetItems(other.items_); }
  void SetItems(const std::vector<std::string>& items);
  // Lines joined with CR LF, each line terminated (the classic Text of a string list).
  std::string Text() const;
  void SetText(const std::string& text);  // splits at CR LF, LF or CR
  // name=value helpers
  std::string Names(int index) const;
  std::string Values(const std::string& name) const;

  void DefineProperties(TFiler& filer) override;

  std::function<void()> OnChange;

 protected:
  // Control-backed lists (combo box, rich edit) mirror every change into their window.
  virtual void Changed();

  std::vector<std::string> items_;
};

}  // namespace tk
