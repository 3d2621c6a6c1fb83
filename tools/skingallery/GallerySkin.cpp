#include "GallerySkin.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "Encoding.h"
#include "Filer.h"
#include "Forms.h"
#include "WinSkinData.h"

namespace gallery {
namespace {

// Hands one stored binary property to the component that defines it.
class TBinaryPropertyFeeder : public tk::TFiler {
 public:
  TBinaryPropertyFeeder(std::string name, std::vector<uint8_t> payload)
      : name_(std::move(name)), payload_(std::move(payload)) {}
  void DefineBinaryProperty(const std::string& name, BinaryReader read, BinaryWriter, bool) override {
    if (name == name_ && read) {
      read(payload_);
      fed_ = true;
    }
  }
  void DefineStringListProperty(const std::string&, ListReader, ListWriter, bool) override {}
  bool Fed() const { return fed_; }

 private:
  std::string name_;
  std::vector<uint8_t> payload_;
  bool fed_ = false;
};

std::vector<uint8_t> ResourceBytes(const wchar_t* name) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const DWORD size = SizeofResource(module, found);
  const auto* bytes = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
  return bytes ? std::vector<uint8_t>(bytes, bytes + size) : std::vector<uint8_t>{};
}

}  // namespace

bool LoadDefaultSkin(TSkinData& skin) {
  const std::vector<uint8_t> packed = ResourceBytes(L"DEFAULTSKIN");
  if (packed.empty()) return false;
  // The stored form of the property: a 32-bit length, then the packed skin.
  const auto length = static_cast<int32_t>(packed.size());
  std::vector<uint8_t> payload(sizeof length + packed.size());
  std::memcpy(payload.data(), &length, sizeof length);
  std::memcpy(payload.data() + sizeof length, packed.data(), packed.size());
  TBinaryPropertyFeeder feeder("SkinStream", std::move(payload));
  skin.DefineProperties(feeder);
  return feeder.Fed() && !skin.Loading;
}

TSkinData* MakeGallerySkin(tk::TForm& form, const std::wstring& skinFile) {
  auto* skin = new TSkinData(&form);
  skin->SetName("GallerySkin");
  skin->BeginRead();
  skin->SetSkinFormtype(TSkinFormType::sfMainform);
  skin->SetActive(true);
  TSkinControlTypes controls = skin->SkinControls();
  controls.Include(TSkinControlType::xcMainMenu);
  skin->SetSkinControls(controls);
  skin->Skin3rd()->Add(std::string(GalleryMenuButtonClass) + "=menubtn");
  // Pages with their own tab pictures are one of the kinds other libraries' classes are given.
  skin->Skin3rd()->Add("TAdvPageControl=advpagecontrol");
  LoadDefaultSkin(*skin);
  if (!skinFile.empty()) skin->SetSkinFile(tk::WideToGbk(skinFile));
  skin->Loaded();
  return skin;
}

}  // namespace gallery
