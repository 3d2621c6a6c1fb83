#include "TypeInfo.h"

#include "Text.h"

#include <algorithm>
#include <charconv>

namespace tk {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

std::optional<int64_t> ParseInt(std::string_view s) {
  s = Trim(s);
  int64_t v = 0;
  bool negative = false;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  int base = 10;
  if (!s.empty() && s.front() == '$') {
    base = 16;
    s.remove_prefix(1);
  }
  if (s.empty()) return std::nullopt;
  auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v, base);
  if (ec != std::errc() || ptr != s.data() + s.size()) return std::nullopt;
  return negative ? -v : v;
}

std::map<std::string, const TClassInfo*, std::less<>>& Registry() {
  static std::map<std::string, const TClassInfo*, std::less<>> classes;
  return classes;
}

}  // namespace

std::optional<int> TEnumTypeInfo::Ordinal(std::string_view ident) const {
  for (size_t i = 0; i < identifiers.size(); ++i)
    if (SameText(identifiers[i], ident)) return static_cast<int>(i);
  return std::nullopt;
}

std::optional<int64_t> TIdentMap::ToInt(std::string_view ident) const {
  for (const auto& [name, value] : entries)
    if (SameText(name, ident)) return value;
  return std::nullopt;
}

std::optional<std::string> TIdentMap::ToIdent(int64_t value) const {
  for (const auto& [name, v] : entries)
    if (v == value) return name;
  return std::nullopt;
}

bool TPropInfo::ReadOnly() const {
  switch (kind) {
    case TTypeKind::String: return !setStr;
    case TTypeKind::Object: return !setObj;
    case TTypeKind::Method: return !setMethod;
    default: return !setOrd;
  }
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    if (c == &other) return true;
  return false;
}

bool TClassInfo::InheritsFrom(std::string_view className) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    if (SameText(c->name_, className)) return true;
  return false;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view name) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    for (const TPropInfo& p : c->props_)
      if (SameText(p.name, name)) return &p;
  return nullptr;
}

std::vector<const TPropInfo*> TClassInfo::Properties() const {
  std::vector<const TPropInfo*> result;
  if (parent_) result = parent_->Properties();
  for (const TPropInfo& p : props_) {
    auto same = std::find_if(result.begin(), result.end(), [&](const TPropInfo* q) { return SameText(q->name, p.name); });
    if (same != result.end()) *same = &p;
    else result.push_back(&p);
  }
  return result;
}

std::optional<std::any> TClassInfo::BindMethod(TObject& self, std::string_view name) const {
  for (const TClassInfo* c = this; c; c = c->parent_) {
    auto it = c->methods_.find(name);
    if (it != c->methods_.end()) return it->second(self);
  }
  return std::nullopt;
}

const TClassInfo& TObject::StaticClass() {
  static const TClassInfo info("TObject", nullptr);
  return info;
}

const TPropInfo* FindPropInfo(const TObject* obj, std::string_view name) {
  return obj ? obj->ClassType().FindProperty(name) : nullptr;
}

std::optional<int64_t> GetOrdProp(const TObject* obj, std::string_view name) {
  const TPropInfo* p = FindPropInfo(obj, name);
  if (!p || !p->getOrd) return std::nullopt;
  return p->getOrd(*obj);
}

std::string GetEnumProp(const TObject* obj, std::string_view name) {
  const TPropInfo* p = FindPropInfo(obj, name);
  if (!p || !p->getOrd) return {};
  const int64_t v = p->getOrd(*obj);
  if (p->kind == TTypeKind::Boolean) return v ? "True" : "False";
  if (p->kind != TTypeKind::Enumeration || !p->enumType) return {};
  if (v < 0 || static_cast<size_t>(v) >= p->enumType->identifiers.size()) return {};
  return p->enumType->identifiers[static_cast<size_t>(v)];
}

std::string GetStrProp(const TObject* obj, std::string_view name) {
  const TPropInfo* p = FindPropInfo(obj, name);
  if (!p || p->kind != TTypeKind::String || !p->getStr) return {};
  return p->getStr(*obj);
}

TObject* GetObjectProp(const TObject* obj, std::string_view name, const TClassInfo* ofClass) {
  const TPropInfo* p = FindPropInfo(obj, name);
  if (!p || p->kind != TTypeKind::Object || !p->getObj) return nullptr;
  TObject* value = p->getObj(*obj);
  if (value && ofClass && !value->InheritsFrom(*ofClass)) return nullptr;
  return value;
}

std::string SetToString(const TEnumTypeInfo& type, uint64_t bits) {
  std::string s = "[";
  for (size_t i = 0; i < type.identifiers.size() && i < 64; ++i) {
    if (bits & (uint64_t{1} << i)) {
      if (s.size() > 1) s += ", ";
      s += type.identifiers[i];
    }
  }
  return s + "]";
}

std::optional<uint64_t> StringToSet(const TEnumTypeInfo& type, std::string_view text) {
  text = Trim(text);
  if (text.size() < 2 || text.front() != '[' || text.back() != ']') return std::nullopt;
  text = text.substr(1, text.size() - 2);
  uint64_t bits = 0;
  while (!Trim(text).empty()) {
    const size_t comma = text.find(',');
    std::string_view item = Trim(text.substr(0, comma));
    auto ord = type.Ordinal(item);
    if (!ord) return std::nullopt;
    bits |= uint64_t{1} << *ord;
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return bits;
}

bool SetOrdProp(TObject* obj, std::string_view name, int64_t value) {
  const TPropInfo* p = FindPropInfo(obj, name);
  if (!p || !p->setOrd) return false;
  p->setOrd(*obj, value);
  return true;
}

bool SetStrProp(TObject* obj, std::string_view name, const std::string& value) {
  const TPropInfo* p = FindPropInfo(obj, name);
  if (!p || p->kind != TTypeKind::String || !p->setStr) return false;
  p->setStr(*obj, value);
  return true;
}

bool SetPropText(TObject* obj, std::string_view name, std::string_view value) {
  const TPropInfo* p = FindPropInfo(obj, name);
  if (!p || p->ReadOnly()) return false;
  switch (p->kind) {
    case TTypeKind::String:
      p->setStr(*obj, std::string(value));
      return true;
    case TTypeKind::Integer: {
      auto v = ParseInt(value);
      if (!v && p->idents) v = p->idents->ToInt(Trim(value));
      if (!v) return false;
      p->setOrd(*obj, *v);
      return true;
    }
    case TTypeKind::Boolean:
      if (SameText(Trim(value), "True")) p->setOrd(*obj, 1);
      else if (SameText(Trim(value), "False")) p->setOrd(*obj, 0);
      else return false;
      return true;
    case TTypeKind::Enumeration: {
      auto ord = p->enumType ? p->enumType->Ordinal(Trim(value)) : std::nullopt;
      if (!ord) return false;
      p->setOrd(*obj, *ord);
      return true;
    }
    case TTypeKind::Set: {
      auto bits = p->enumType ? StringToSet(*p->enumType, value) : std::nullopt;
      if (!bits) return false;
      p->setOrd(*obj, static_cast<int64_t>(*bits));
      return true;
    }
    default:
      return false;
  }
}

void RegisterComponentClass(const TClassInfo& info) { Registry()[UpperCase(info.Name())] = &info; }

const TClassInfo* FindComponentClass(std::string_view name) {
  auto it = Registry().find(UpperCase(name));
  return it == Registry().end() ? nullptr : it->second;
}

}  // namespace tk
