#pragma once
// The hook through which objects stream values that are not published properties: binary data
// (a length-prefixed blob in the layout) and string lists.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tk {

class TFiler {
 public:
  virtual ~TFiler() = default;
  using BinaryReader = std::function<void(const std::vector<uint8_t>&)>;
  using BinaryWriter = std::function<std::vector<uint8_t>()>;
  using ListReader = std::function<void(const std::vector<std::string>&)>;
  using ListWriter = std::function<std::vector<std::string>()>;
  // hasData: whether a writer should write the property at all.
  virtual void DefineBinaryProperty(const std::string& name, BinaryReader read, BinaryWriter write, bool hasData) = 0;
  virtual void DefineStringListProperty(const std::string& name, ListReader read, ListWriter write, bool hasData) = 0;
};

}  // namespace tk
