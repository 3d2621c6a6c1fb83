#pragma once
// Run-time type information of the toolkit: class descriptors with inheritance, factories for classes
// that layouts may create, published properties readable and writable by name with their kind, and
// published methods that layouts bind to event properties by name.
#include <any>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace tk {

class TObject;
class TComponent;

enum class TTypeKind { Integer, Enumeration, Boolean, String, Set, Object, Method };

// Identifiers of an enumeration type, in ordinal order (value n has the n-th identifier).
struct TEnumTypeInfo {
  std::string name;
  std::vector<std::string> identifiers;
  std::optional<int> Ordinal(std::string_view ident) const;  // case-insensitive
};

// Integer types may have symbolic names (colours: clBtnFace, cursors: crVSplit).
struct TIdentMap {
  std::vector<std::pair<std::string, int64_t>> entries;
  std::optional<int64_t> ToInt(std::string_view ident) const;
  std::optional<std::string> ToIdent(int64_t value) const;
};

// The identifiers of an enumeration type, declared with TK_ENUM next to the type (found by
// argument-dependent lookup, so enumerations of any namespace can be published).
template <class E>
const TEnumTypeInfo& EnumInfoOf() {
  return TkEnumInfo(static_cast<E*>(nullptr));
}

// A set of an enumeration type (value n is bit n).
template <class E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> items) {
    for (E e : items) bits_ |= Bit(e);
  }
  static constexpr TSet FromBits(uint64_t bits) { TSet s; s.bits_ = bits; return s; }
  constexpr uint64_t Bits() const { return bits_; }
  constexpr bool Contains(E e) const { return (bits_ & Bit(e)) != 0; }
  constexpr TSet& Include(E e) { bits_ |= Bit(e); return *this; }
  constexpr TSet& Exclude(E e) { bits_ &= ~Bit(e); return *this; }
  constexpr bool Empty() const { return bits_ == 0; }
  friend constexpr bool operator==(TSet a, TSet b) { return a.bits_ == b.bits_; }
  friend constexpr TSet operator+(TSet a, TSet b) { return FromBits(a.bits_ | b.bits_); }
  friend constexpr TSet operator-(TSet a, TSet b) { return FromBits(a.bits_ & ~b.bits_); }

 private:
  static constexpr uint64_t Bit(E e) { return uint64_t{1} << static_cast<unsigned>(e); }
  uint64_t bits_ = 0;
};

template <class T> struct IsSet : std::false_type {};
template <class E> struct IsSet<TSet<E>> : std::true_type { using Element = E; };

struct TPropInfo {
  std::string name;
  TTypeKind kind = TTypeKind::Integer;
  const TEnumTypeInfo* enumType = nullptr;  // Enumeration, and the element type of a Set
  const TIdentMap* idents = nullptr;        // optional names of Integer values
  std::function<int64_t(const TObject&)> getOrd;         // Integer, Enumeration, Boolean, Set
  std::function<void(TObject&, int64_t)> setOrd;
  std::function<std::string(const TObject&)> getStr;     // String
  std::function<void(TObject&, const std::string&)> setStr;
  std::function<TObject*(const TObject&)> getObj;        // Object (sub-objects are owned by their holder)
  std::function<void(TObject&, TObject*)> setObj;
  std::function<void(TObject&, const std::any&)> setMethod;  // Method: a bound handler
  std::function<bool(const TObject&)> hasMethod;
  const std::type_info* methodType = nullptr;
  bool ReadOnly() const;
};

class TClassInfo {
 public:
  using Factory = std::function<TComponent*(TComponent* owner)>;
  using MethodBinder = std::function<std::any(TObject& self)>;

  TClassInfo(std::string name, const TClassInfo* parent) : name_(std::move(name)), parent_(parent) {}

  const std::string& Name() const { return name_; }
  const TClassInfo* Parent() const { return parent_; }
  bool InheritsFrom(const TClassInfo& other) const;
  bool InheritsFrom(std::string_view className) const;  // case-insensitive, for class-name rules

  // Own properties first, then inherited ones (a class may republish a parent's name).
  const TPropInfo* FindProperty(std::string_view name) const;  // case-insensitive
  std::vector<const TPropInfo*> Properties() const;             // parent's first, in declaration order
  // A published method of the class (or a parent), bound to an instance.
  std::optional<std::any> BindMethod(TObject& self, std::string_view name) const;

  const Factory& GetFactory() const { return factory_; }

  // --- builder used by the classes' StaticClass() definitions ---
  TClassInfo& SetFactory(Factory f) { factory_ = std::move(f); return *this; }
  TClassInfo& AddProperty(TPropInfo p) { props_.push_back(std::move(p)); return *this; }
  TClassInfo& AddMethod(std::string name, MethodBinder binder) {
    methods_.emplace(std::move(name), std::move(binder));
    return *this;
  }

  // A property from a getter and an optional setter; its kind follows from the value type.
  template <class T, class R, class P = R>
  TClassInfo& Property(std::string name, R (T::*get)() const, void (T::*set)(P) = nullptr);
  // An integer property whose values also have names (colours, cursors).
  template <class T, class R, class P = R>
  TClassInfo& IntProperty(std::string name, R (T::*get)() const, void (T::*set)(P), const TIdentMap* idents);
  template <class T, class F>
  TClassInfo& Event(std::string name, F T::*field);
  template <class T, class... A>
  TClassInfo& Method(std::string name, void (T::*m)(A...));

 private:
  std::string name_;
  const TClassInfo* parent_;
  Factory factory_;
  std::vector<TPropInfo> props_;
  std::map<std::string, MethodBinder, std::less<>> methods_;
};

// Every toolkit object: class descriptor access and a place for properties that are not published
// values (binary data, string lists) and are streamed through DefineProperties.
class TFiler;
class TObject {
 public:
  virtual ~TObject() = default;
  static const TClassInfo& StaticClass();
  virtual const TClassInfo& ClassType() const { return StaticClass(); }
  const std::string& ClassName() const { return ClassType().Name(); }
  bool InheritsFrom(const TClassInfo& c) const { return ClassType().InheritsFrom(c); }
  template <class T> bool Is() const { return InheritsFrom(T::StaticClass()); }
  virtual void DefineProperties(TFiler& filer) {}
};

// Property access by name. Missing property or object: the stated neutral result, never a throw.
const TPropInfo* FindPropInfo(const TObject* obj, std::string_view name);
std::optional<int64_t> GetOrdProp(const TObject* obj, std::string_view name);  // Integer/Enum/Boolean/Set
std::string GetEnumProp(const TObject* obj, std::string_view name);            // identifier ("True" for Booleans)
std::string GetStrProp(const TObject* obj, std::string_view name);
TObject* GetObjectProp(const TObject* obj, std::string_view name, const TClassInfo* ofClass = nullptr);
// Sets from text as a layout would: integers in decimal (or a symbolic name), enumerations and
// Booleans by identifier, sets as "[a,b]", strings as they are. False when nothing was set.
bool SetPropText(TObject* obj, std::string_view name, std::string_view value);
bool SetOrdProp(TObject* obj, std::string_view name, int64_t value);
bool SetStrProp(TObject* obj, std::string_view name, const std::string& value);
std::string SetToString(const TEnumTypeInfo& type, uint64_t bits);  // "[a,b]"
std::optional<uint64_t> StringToSet(const TEnumTypeInfo& type, std::string_view text);

// Classes that layouts may name.
void RegisterComponentClass(const TClassInfo& info);
const TClassInfo* FindComponentClass(std::string_view name);  // case-insensitive

// ---------------------------------------------------------------------------------------------
// Implementation of the builder templates.

namespace detail {
template <class V>
constexpr TTypeKind KindOf() {
  if constexpr (std::is_same_v<V, bool>) return TTypeKind::Boolean;
  else if constexpr (std::is_enum_v<V>) return TTypeKind::Enumeration;
  else if constexpr (std::is_integral_v<V>) return TTypeKind::Integer;
  else if constexpr (std::is_same_v<V, std::string>) return TTypeKind::String;
  else if constexpr (IsSet<V>::value) return TTypeKind::Set;
  else if constexpr (std::is_pointer_v<V>) return TTypeKind::Object;
  else static_assert(sizeof(V) == 0, "unsupported property type");
}
}  // namespace detail

template <class T, class R, class P>
TClassInfo& TClassInfo::Property(std::string name, R (T::*get)() const, void (T::*set)(P)) {
  using V = std::remove_cvref_t<R>;
  TPropInfo p;
  p.name = std::move(name);
  p.kind = detail::KindOf<V>();
  if constexpr (std::is_same_v<V, std::string>) {
    p.getStr = [get](const TObject& o) { return std::string((static_cast<const T&>(o).*get)()); };
    if (set) p.setStr = [set](TObject& o, const std::string& v) { (static_cast<T&>(o).*set)(v); };
  } else if constexpr (std::is_pointer_v<V>) {
    p.getObj = [get](const TObject& o) -> TObject* { return (static_cast<const T&>(o).*get)(); };
    if (set) p.setObj = [set](TObject& o, TObject* v) { (static_cast<T&>(o).*set)(dynamic_cast<V>(v)); };
  } else if constexpr (IsSet<V>::value) {
    p.enumType = &EnumInfoOf<typename IsSet<V>::Element>();
    p.getOrd = [get](const TObject& o) { return static_cast<int64_t>((static_cast<const T&>(o).*get)().Bits()); };
    if (set) p.setOrd = [set](TObject& o, int64_t v) { (static_cast<T&>(o).*set)(V::FromBits(static_cast<uint64_t>(v))); };
  } else {
    if constexpr (std::is_enum_v<V>) p.enumType = &EnumInfoOf<V>();
    p.getOrd = [get](const TObject& o) { return static_cast<int64_t>((static_cast<const T&>(o).*get)()); };
    if (set) p.setOrd = [set](TObject& o, int64_t v) { (static_cast<T&>(o).*set)(static_cast<V>(v)); };
  }
  return AddProperty(std::move(p));
}

template <class T, class R, class P>
TClassInfo& TClassInfo::IntProperty(std::string name, R (T::*get)() const, void (T::*set)(P), const TIdentMap* idents) {
  Property<T, R, P>(std::move(name), get, set);
  props_.back().idents = idents;
  return *this;
}

template <class T, class F>
TClassInfo& TClassInfo::Event(std::string name, F T::*field) {
  TPropInfo p;
  p.name = std::move(name);
  p.kind = TTypeKind::Method;
  p.methodType = &typeid(F);
  p.setMethod = [field](TObject& o, const std::any& handler) {
    static_cast<T&>(o).*field = std::any_cast<F>(handler);
  };
  p.hasMethod = [field](const TObject& o) { return static_cast<bool>(static_cast<const T&>(o).*field); };
  return AddProperty(std::move(p));
}

template <class T, class... A>
TClassInfo& TClassInfo::Method(std::string name, void (T::*m)(A...)) {
  return AddMethod(std::move(name), [m](TObject& self) -> std::any {
    T* target = &static_cast<T&>(self);
    return std::function<void(A...)>([target, m](A... args) { (target->*m)(std::forward<A>(args)...); });
  });
}

}  // namespace tk

// Declares the identifiers of an enumeration for published properties, in the enumeration's own
// namespace: TK_ENUM(TAlign, "alNone", "alTop", ...)
#define TK_ENUM(Type, ...)                                                  \
  inline const ::tk::TEnumTypeInfo& TkEnumInfo(Type*) {                     \
    static const ::tk::TEnumTypeInfo info{#Type, {__VA_ARGS__}};            \
    return info;                                                            \
  }

// Boilerplate of a class with a descriptor: TK_CLASS(TButton)
#define TK_CLASS(Type)                                                              \
 public:                                                                            \
  static const tk::TClassInfo& StaticClass();                                       \
  const tk::TClassInfo& ClassType() const override { return StaticClass(); }       \
                                                                                    \
 private:
