#include "LayoutReader.h"

#include <windows.h>

#include <cctype>
#include <charconv>
#include <memory>
#include <sstream>

#include "Collections.h"
#include "Encoding.h"
#include "Filer.h"
#include "Strings.h"
#include "Text.h"

namespace tk {

ELayoutError::ELayoutError(const std::string& source, int line, const std::string& message)
    : std::runtime_error("Error reading layout " + source + ", line " + std::to_string(line) + ": " + message),
      line_(line) {}

namespace {

enum class Tok { End, Ident, Integer, String, Symbol };

struct Token {
  Tok kind = Tok::End;
  std::string text;  // identifier, symbol, or the string's bytes (UTF-8 before conversion)
  int64_t number = 0;
  int line = 1;
};

// A value as read, before it is given to a property.
struct Value {
  enum Kind { Integer, String, Ident, Set, List, Binary, Collection } kind = Integer;
  int64_t number = 0;
  std::string text;                    // String (GBK) or Ident
  std::vector<std::string> items;      // Set identifiers or List strings (GBK)
  std::vector<uint8_t> bytes;          // Binary
  struct Item {
    std::vector<std::pair<std::string, Value>> props;
    int line;
  };
  std::vector<Item> collection;
  int line = 0;
};

class Lexer {
 public:
  Lexer(std::string_view text, std::string source) : s_(text), source_(std::move(source)) {}

  [[noreturn]] void Fail(const std::string& message) const { throw ELayoutError(source_, line_, message); }
  [[noreturn]] void FailAt(int line, const std::string& message) const { throw ELayoutError(source_, line, message); }
  const std::string& Source() const { return source_; }

  const Token& Peek() {
    if (!peeked_) {
      next_ = Scan();
      peeked_ = true;
    }
    return next_;
  }
  Token Next() {
    Peek();
    peeked_ = false;
    return next_;
  }
  void Expect(const char* symbol) {
    Token t = Next();
    if (t.kind != Tok::Symbol || t.text != symbol) FailAt(t.line, std::string("'") + symbol + "' expected");
  }
  bool TrySymbol(const char* symbol) {
    if (Peek().kind == Tok::Symbol && next_.text == symbol) {
      Next();
      return true;
    }
    return false;
  }
  std::string ExpectIdent(const char* what) {
    Token t = Next();
    if (t.kind != Tok::Ident) FailAt(t.line, std::string(what) + " expected");
    return t.text;
  }
  int Line() { return Peek().line; }

  // Hexadecimal digits up to '}' (the '{' has been read).
  std::vector<uint8_t> ReadHex() {
    peeked_ = false;
    std::vector<uint8_t> bytes;
    int high = -1;
    while (true) {
      if (pos_ >= s_.size()) Fail("'}' expected");
      const char c = s_[pos_++];
      if (c == '}') break;
      if (c == '\n') ++line_;
      if (std::isspace(static_cast<unsigned char>(c))) continue;
      int v;
      if (c >= '0' && c <= '9') v = c - '0';
      else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
      else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
      else Fail("Invalid binary value");
      if (high < 0) {
        high = v;
      } else {
        bytes.push_back(static_cast<uint8_t>(high * 16 + v));
        high = -1;
      }
    }
    if (high >= 0) Fail("Odd number of hexadecimal digits");
    return bytes;
  }

 private:
  void SkipSpace() {
    while (pos_ < s_.size()) {
      const char c = s_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++pos_;
      } else if (c == '/' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '/') {
        while (pos_ < s_.size() && s_[pos_] != '\n') ++pos_;
      } else {
        break;
      }
    }
  }

  static void AppendCodePoint(std::string& utf8, uint32_t cp) {
    if (cp < 0x80) {
      utf8 += static_cast<char>(cp);
    } else if (cp < 0x800) {
      utf8 += static_cast<char>(0xC0 | (cp >> 6));
      utf8 += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      utf8 += static_cast<char>(0xE0 | (cp >> 12));
      utf8 += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      utf8 += static_cast<char>(0xF0 | (cp >> 18));
      utf8 += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      utf8 += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }

  // A string: quoted pieces and #code characters side by side; '' inside quotes is one quote.
  void ScanString(Token& t) {
    t.kind = Tok::String;
    while (pos_ < s_.size() && (s_[pos_] == '\'' || s_[pos_] == '#')) {
      if (s_[pos_] == '\'') {
        ++pos_;
        while (true) {
          if (pos_ >= s_.size() || s_[pos_] == '\n') Fail("Unterminated string");
          if (s_[pos_] == '\'') {
            if (pos_ + 1 < s_.size() && s_[pos_ + 1] == '\'') {
              t.text += '\'';
              pos_ += 2;
              continue;
            }
            ++pos_;
            break;
          }
          t.text += s_[pos_++];
        }
      } else {
        ++pos_;
        size_t start = pos_;
        while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) ++pos_;
        uint32_t cp = 0;
        auto [p, ec] = std::from_chars(s_.data() + start, s_.data() + pos_, cp);
        if (ec != std::errc() || start == pos_ || cp > 0x10FFFF) Fail("Invalid character code");
        (void)p;
        AppendCodePoint(t.text, cp);
      }
    }
  }

  Token Scan() {
    SkipSpace();
    Token t;
    t.line = line_;
    if (pos_ >= s_.size()) return t;
    const char c = s_[pos_];
    if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
      t.kind = Tok::Ident;
      while (pos_ < s_.size() && (std::isalnum(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '_' || s_[pos_] == '.'))
        t.text += s_[pos_++];
      return t;
    }
    if (std::isdigit(static_cast<unsigned char>(c)) || ((c == '-' || c == '+') && pos_ + 1 < s_.size() &&
                                                        (std::isdigit(static_cast<unsigned char>(s_[pos_ + 1])) || s_[pos_ + 1] == '$')) ||
        c == '$') {
      bool negative = false;
      if (c == '-' || c == '+') {
        negative = c == '-';
        ++pos_;
      }
      int base = 10;
      if (s_[pos_] == '$') {
        base = 16;
        ++pos_;
      }
      size_t start = pos_;
      while (pos_ < s_.size() && std::isxdigit(static_cast<unsigned char>(s_[pos_]))) ++pos_;
      if (pos_ < s_.size() && (s_[pos_] == '.' || s_[pos_] == 'e' || s_[pos_] == 'E') && base == 10)
        Fail("Floating-point values are not supported");
      int64_t v = 0;
      auto [p, ec] = std::from_chars(s_.data() + start, s_.data() + pos_, v, base);
      if (ec != std::errc() || p != s_.data() + pos_ || start == pos_) Fail("Invalid integer value");
      t.kind = Tok::Integer;
      t.number = negative ? -v : v;
      return t;
    }
    if (c == '\'' || c == '#') {
      ScanString(t);
      return t;
    }
    if (std::string_view("=:()[]<>{},+").find(c) != std::string_view::npos) {
      t.kind = Tok::Symbol;
      t.text = std::string(1, c);
      ++pos_;
      return t;
    }
    Fail(std::string("Invalid character '") + c + "'");
  }

  std::string_view s_;
  std::string source_;
  size_t pos_ = 0;
  int line_ = 1;
  Token next_;
  bool peeked_ = false;
};

// Delivers one value to a defined (non-published) property when the object claims the name.
class ReadingFiler : public TFiler {
 public:
  ReadingFiler(const std::string& name, const Value& value) : name_(name), value_(value) {}
  bool Handled() const { return handled_; }
  std::string error;

  void DefineBinaryProperty(const std::string& name, BinaryReader read, BinaryWriter, bool) override {
    if (handled_ || !SameText(name, name_)) return;
    handled_ = true;
    if (value_.kind != Value::Binary) {
      error = "Binary value expected";
      return;
    }
    read(value_.bytes);
  }
  void DefineStringListProperty(const std::string& name, ListReader read, ListWriter, bool) override {
    if (handled_ || !SameText(name, name_)) return;
    handled_ = true;
    if (value_.kind != Value::List) {
      error = "List of strings expected";
      return;
    }
    read(value_.items);
  }

 private:
  const std::string& name_;
  const Value& value_;
  bool handled_ = false;
};

class Reader {
 public:
  Reader(TComponent& root, std::string_view text, const std::string& source) : lex_(text, source), root_(&root) {}
  Reader(TComponent* owner, std::string_view text, const std::string& source) : lex_(text, source), owner_(owner) {}

  TComponent* Read() {
    Token head = lex_.Next();
    if (head.kind != Tok::Ident || (!SameText(head.text, "object") && !SameText(head.text, "inherited")))
      lex_.FailAt(head.line, "'object' expected");
    const std::string name = lex_.ExpectIdent("Component name");
    lex_.Expect(":");
    const int classLine = lex_.Line();
    const std::string className = lex_.ExpectIdent("Class name");
    if (root_) {
      if (!SameText(className, root_->ClassName()))
        lex_.FailAt(classLine, "Class " + className + " does not match " + root_->ClassName());
    } else {
      root_ = Create(className, owner_, classLine);
    }
    root_->BeginRead();
    loaded_.push_back(root_);
    if (!name.empty()) root_->SetName(name);
    ReadBody(*root_);
    if (lex_.Peek().kind != Tok::End) lex_.Fail("End of layout expected");
    ResolveFixups();
    for (TComponent* c : loaded_) c->Loaded();
    return root_;
  }

 private:
  struct Fixup {
    TObject* object;
    const TPropInfo* prop;
    std::string name;
    int line;
  };

  TComponent* Create(const std::string& className, TComponent* owner, int line) {
    const TClassInfo* info = FindComponentClass(className);
    if (!info || !info->GetFactory()) lex_.FailAt(line, "Class " + className + " not found");
    return info->GetFactory()(owner);
  }

  void ReadBody(TComponent& component) {
    while (true) {
      const Token& t = lex_.Peek();
      if (t.kind == Tok::End) lex_.Fail("'end' expected");
      if (t.kind == Tok::Ident && SameText(t.text, "end")) {
        lex_.Next();
        return;
      }
      if (t.kind == Tok::Ident && (SameText(t.text, "object") || SameText(t.text, "inherited"))) {
        ReadChild(component);
        continue;
      }
      const int line = t.line;
      const std::string path = lex_.ExpectIdent("Property name");
      lex_.Expect("=");
      Value v = ReadValue();
      SetProperty(component, path, v, line);
    }
  }

  void ReadChild(TComponent& parent) {
    lex_.Next();
    const std::string name = lex_.ExpectIdent("Component name");
    lex_.Expect(":");
    const int line = lex_.Line();
    const std::string className = lex_.ExpectIdent("Class name");
    TComponent* child = Create(className, root_, line);
    child->BeginRead();
    loaded_.push_back(child);
    try {
      child->SetName(name);
    } catch (const std::exception& e) {
      lex_.FailAt(line, e.what());
    }
    child->SetParentComponent(&parent);
    ReadBody(*child);
  }

  std::string ToGbk(const std::string& utf8) { return Utf8ToGbk(utf8); }

  Value ReadValue() {
    Value v;
    Token t = lex_.Next();
    v.line = t.line;
    switch (t.kind) {
      case Tok::Integer:
        v.kind = Value::Integer;
        v.number = t.number;
        return v;
      case Tok::String: {
        std::string s = t.text;
        while (lex_.TrySymbol("+")) {
          Token more = lex_.Next();
          if (more.kind != Tok::String) lex_.FailAt(more.line, "String expected");
          s += more.text;
        }
        v.kind = Value::String;
        v.text = ToGbk(s);
        return v;
      }
      case Tok::Ident:
        v.kind = Value::Ident;
        v.text = t.text;
        return v;
      case Tok::Symbol:
        if (t.text == "[") {
          v.kind = Value::Set;
          if (lex_.TrySymbol("]")) return v;
          do {
            v.items.push_back(lex_.ExpectIdent("Set element"));
          } while (lex_.TrySymbol(","));
          lex_.Expect("]");
          return v;
        }
        if (t.text == "(") {
          v.kind = Value::List;
          while (!lex_.TrySymbol(")")) {
            Value item = ReadValue();
            if (item.kind != Value::String) lex_.FailAt(item.line, "String expected");
            v.items.push_back(item.text);
          }
          return v;
        }
        if (t.text == "{") {
          v.kind = Value::Binary;
          v.bytes = lex_.ReadHex();
          return v;
        }
        if (t.text == "<") {
          v.kind = Value::Collection;
          while (!lex_.TrySymbol(">")) {
            Value::Item item;
            item.line = lex_.Line();
            const std::string word = lex_.ExpectIdent("'item' expected");
            if (!SameText(word, "item")) lex_.FailAt(item.line, "'item' expected");
            while (!(lex_.Peek().kind == Tok::Ident && SameText(lex_.Peek().text, "end"))) {
              if (lex_.Peek().kind == Tok::End) lex_.Fail("'end' expected");
              const int line = lex_.Line();
              std::string name = lex_.ExpectIdent("Property name");
              lex_.Expect("=");
              Value pv = ReadValue();
              pv.line = line;
              item.props.emplace_back(std::move(name), std::move(pv));
            }
            lex_.Next();
            v.collection.push_back(std::move(item));
          }
          return v;
        }
        break;
      default:
        break;
    }
    lex_.FailAt(t.line, "Property value expected");
  }

  void SetProperty(TObject& target, const std::string& path, const Value& v, int line) {
    // Walk the dotted path through sub-objects; the last part is set.
    TObject* obj = &target;
    std::string_view rest = path;
    while (true) {
      const size_t dot = rest.find('.');
      if (dot == std::string_view::npos) break;
      const std::string part(rest.substr(0, dot));
      const TPropInfo* p = obj->ClassType().FindProperty(part);
      if (p && p->kind == TTypeKind::Object && p->getObj && p->getObj(*obj)) {
        obj = p->getObj(*obj);
        rest.remove_prefix(dot + 1);
        continue;
      }
      break;  // the rest may be a defined property with a dotted name ("Glyph.Data" style)
    }
    const std::string name(rest);
    const TPropInfo* p = obj->ClassType().FindProperty(name);
    if (!p) {
      ReadingFiler filer(name, v);
      obj->DefineProperties(filer);
      if (!filer.Handled()) lex_.FailAt(line, "Property " + path + " does not exist");
      if (!filer.error.empty()) lex_.FailAt(line, filer.error + " for " + path);
      return;
    }
    try {
      Assign(*obj, *p, v, line, path);
    } catch (const ELayoutError&) {
      throw;
    } catch (const std::exception& e) {
      lex_.FailAt(line, "Invalid value for " + path + ": " + e.what());
    }
  }

  void Assign(TObject& obj, const TPropInfo& p, const Value& v, int line, const std::string& path) {
    auto wrongType = [&]() { lex_.FailAt(line, "Invalid property value for " + path); };
    switch (p.kind) {
      case TTypeKind::Integer:
        if (p.ReadOnly()) lex_.FailAt(line, "Property " + path + " is read-only");
        if (v.kind == Value::Integer) {
          p.setOrd(obj, v.number);
        } else if (v.kind == Value::Ident && p.idents && p.idents->ToInt(v.text)) {
          p.setOrd(obj, *p.idents->ToInt(v.text));
        } else {
          wrongType();
        }
        return;
      case TTypeKind::Boolean:
        if (p.ReadOnly()) lex_.FailAt(line, "Property " + path + " is read-only");
        if (v.kind == Value::Ident && SameText(v.text, "True")) p.setOrd(obj, 1);
        else if (v.kind == Value::Ident && SameText(v.text, "False")) p.setOrd(obj, 0);
        else wrongType();
        return;
      case TTypeKind::Enumeration: {
        if (p.ReadOnly()) lex_.FailAt(line, "Property " + path + " is read-only");
        auto ord = v.kind == Value::Ident && p.enumType ? p.enumType->Ordinal(v.text) : std::nullopt;
        if (!ord) wrongType();
        p.setOrd(obj, *ord);
        return;
      }
      case TTypeKind::Set: {
        if (p.ReadOnly()) lex_.FailAt(line, "Property " + path + " is read-only");
        if (v.kind != Value::Set || !p.enumType) wrongType();
        uint64_t bits = 0;
        for (const std::string& id : v.items) {
          auto ord = p.enumType->Ordinal(id);
          if (!ord) lex_.FailAt(line, "Invalid set element " + id + " for " + path);
          bits |= uint64_t{1} << *ord;
        }
        p.setOrd(obj, static_cast<int64_t>(bits));
        return;
      }
      case TTypeKind::String:
        if (p.ReadOnly()) lex_.FailAt(line, "Property " + path + " is read-only");
        if (v.kind == Value::String) p.setStr(obj, v.text);
        else if (v.kind == Value::Integer) p.setStr(obj, std::to_string(v.number));
        else wrongType();
        return;
      case TTypeKind::Method: {
        if (v.kind != Value::Ident) wrongType();
        std::optional<std::any> handler = root_->ClassType().BindMethod(*root_, v.text);
        if (!handler) lex_.FailAt(line, "Method " + v.text + " not found");
        if (p.methodType && handler->type() != *p.methodType)
          lex_.FailAt(line, "Method " + v.text + " does not suit " + path);
        p.setMethod(obj, *handler);
        return;
      }
      case TTypeKind::Object: {
        if (v.kind == Value::Collection) {
          auto* collection = dynamic_cast<TCollection*>(p.getObj ? p.getObj(obj) : nullptr);
          if (!collection) wrongType();
          collection->Clear();
          for (const Value::Item& item : v.collection) {
            TCollectionItem* target = collection->Add();
            for (const auto& [name, pv] : item.props) SetProperty(*target, name, pv, pv.line);
          }
          return;
        }
        if (v.kind == Value::Ident && p.setObj) {
          fixups_.push_back(Fixup{&obj, &p, v.text, line});
          return;
        }
        wrongType();
      }
    }
  }

  void ResolveFixups() {
    for (const Fixup& f : fixups_) {
      TComponent* target = SameText(f.name, "nil") ? nullptr : root_->FindComponent(f.name);
      if (!target && !SameText(f.name, "nil")) lex_.FailAt(f.line, "Component " + f.name + " not found");
      f.prop->setObj(*f.object, target);
    }
  }

  Lexer lex_;
  TComponent* root_ = nullptr;
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> loaded_;
  std::vector<Fixup> fixups_;
};

}  // namespace

void ReadLayout(TComponent& root, std::string_view text, const std::string& sourceName) {
  Reader(root, text, sourceName).Read();
}

TComponent* ReadComponentLayout(TComponent* owner, std::string_view text, const std::string& sourceName) {
  return Reader(owner, text, sourceName).Read();
}

void ReadComponentResource(TComponent& root, const std::wstring& resourceName) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC res = FindResourceW(module, resourceName.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (!res) throw std::runtime_error("Layout resource " + WideToGbk(resourceName) + " not found");
  const char* data = static_cast<const char*>(LockResource(LoadResource(module, res)));
  ReadLayout(root, std::string_view(data, SizeofResource(module, res)), WideToGbk(resourceName));
}

// ---------------------------------------------------------------------------------------------
// Writing

namespace {

std::string QuoteGbk(const std::string& gbk) {
  // Printable ASCII stays quoted; everything else becomes #code so the layout is plain ASCII.
  std::wstring w = GbkToWide(gbk);
  std::string out;
  bool inQuote = false;
  for (wchar_t c : w) {
    if (c >= 32 && c < 127) {
      if (!inQuote) {
        out += '\'';
        inQuote = true;
      }
      if (c == L'\'') out += "''";
      else out += static_cast<char>(c);
    } else {
      if (inQuote) {
        out += '\'';
        inQuote = false;
      }
      out += '#' + std::to_string(static_cast<unsigned>(c));
    }
  }
  if (inQuote) out += '\'';
  if (out.empty()) out = "''";
  return out;
}

class WritingFiler : public TFiler {
 public:
  WritingFiler(std::ostringstream& out, const std::string& indent, const std::string& prefix)
      : out_(out), indent_(indent), prefix_(prefix) {}
  void DefineBinaryProperty(const std::string& name, BinaryReader, BinaryWriter write, bool hasData) override {
    if (!hasData) return;
    std::vector<uint8_t> bytes = write();
    static const char* hex = "0123456789ABCDEF";
    out_ << indent_ << prefix_ << name << " = {";
    for (size_t i = 0; i < bytes.size(); ++i) {
      if (i % 32 == 0) out_ << "\n" << indent_ << "  ";
      out_ << hex[bytes[i] >> 4] << hex[bytes[i] & 15];
    }
    out_ << "}\n";
  }
  void DefineStringListProperty(const std::string& name, ListReader, ListWriter write, bool hasData) override {
    if (!hasData) return;
    out_ << indent_ << prefix_ << name << " = (";
    for (const std::string& s : write()) out_ << "\n" << indent_ << "  " << QuoteGbk(s);
    out_ << ")\n";
  }

 private:
  std::ostringstream& out_;
  std::string indent_, prefix_;
};

void WriteProperties(std::ostringstream& out, TObject& obj, const std::string& indent, const std::string& prefix, int depth) {
  for (const TPropInfo* p : obj.ClassType().Properties()) {
    if (SameText(p->name, "Name") && prefix.empty()) continue;
    const std::string key = prefix + p->name;
    switch (p->kind) {
      case TTypeKind::Integer:
        if (p->ReadOnly()) break;
        if (auto id = p->idents ? p->idents->ToIdent(p->getOrd(obj)) : std::nullopt) out << indent << key << " = " << *id << "\n";
        else out << indent << key << " = " << p->getOrd(obj) << "\n";
        break;
      case TTypeKind::Boolean:
        if (!p->ReadOnly()) out << indent << key << " = " << (p->getOrd(obj) ? "True" : "False") << "\n";
        break;
      case TTypeKind::Enumeration: {
        if (p->ReadOnly()) break;
        const int64_t v = p->getOrd(obj);
        if (v >= 0 && static_cast<size_t>(v) < p->enumType->identifiers.size())
          out << indent << key << " = " << p->enumType->identifiers[static_cast<size_t>(v)] << "\n";
        break;
      }
      case TTypeKind::Set:
        if (!p->ReadOnly()) out << indent << key << " = " << SetToString(*p->enumType, static_cast<uint64_t>(p->getOrd(obj))) << "\n";
        break;
      case TTypeKind::String:
        if (!p->ReadOnly()) out << indent << key << " = " << QuoteGbk(p->getStr(obj)) << "\n";
        break;
      case TTypeKind::Object: {
        TObject* sub = p->getObj ? p->getObj(obj) : nullptr;
        if (!sub) break;
        if (auto* component = dynamic_cast<TComponent*>(sub)) {
          if (p->setObj && !component->Name().empty()) out << indent << key << " = " << component->Name() << "\n";
        } else if (auto* collection = dynamic_cast<TCollection*>(sub)) {
          out << indent << key << " = <";
          for (int i = 0; i < collection->Count(); ++i) {
            out << "\n" << indent << "  item\n";
            WriteProperties(out, *collection->Items(i), indent + "    ", "", depth + 1);
            out << indent << "  end";
          }
          out << ">\n";
        } else if (depth < 4) {
          WriteProperties(out, *sub, indent, key + ".", depth + 1);
        }
        break;
      }
      case TTypeKind::Method:
        break;  // handlers belong to the form's code, not to its layout
    }
  }
  WritingFiler filer(out, indent, prefix);
  obj.DefineProperties(filer);
}

void WriteComponent(std::ostringstream& out, TComponent& c, TComponent& root, const std::string& indent) {
  out << indent << "object " << c.Name() << ": " << c.ClassName() << "\n";
  WriteProperties(out, c, indent + "  ", "", 0);
  for (TComponent* child : root.ComponentList()) {
    TComponent* parent = child->GetParentComponent();
    if (&c == &root ? (parent == nullptr || parent == &root) : parent == &c) WriteComponent(out, *child, root, indent + "  ");
  }
  out << indent << "end\n";
}

}  // namespace

std::string WriteLayout(TComponent& component) {
  std::ostringstream out;
  WriteComponent(out, component, component, "");
  return out.str();
}

}  // namespace tk
