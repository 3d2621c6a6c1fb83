// A gallery form made as the program makes it, shown and taken over by its skin.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "GalleryForm.h"
#include "GalleryScreenshots.h"
#include "GuiTestSupport.h"
#include "SkinManage.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"

class GalleryTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterSkinRuntime(); }
  void TearDown() override {
    Close();
    for (const auto& path : temporaries) std::filesystem::remove_all(path);
    // Each test starts with a manager of its own.
    TSkinManage::Destroy();
  }

  gallery::TGalleryForm* Open(const std::wstring& skinFile = L"") {
    form = new gallery::TGalleryForm(nullptr, skinFile);
    form->Show();
    skinned = gallery::WaitUntilSkinned(*form, 10000);
    tk::testing::PumpMessages(50);
    return form;
  }
  void Close() {
    if (form) tk::TComponent::Free(form);
    form = nullptr;
    tk::testing::PumpMessages(20);
  }
  TWinSkinForm* FramePainter() const {
    TSkinManage* manager = TSkinManage::Instance();
    return manager && form ? manager->FindForm(form->HandleIfAllocated()) : nullptr;
  }

  // A fresh folder or file under the temporary folder, removed after the test.
  std::filesystem::path Temporary(const std::string& name) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() / ("tolvane_gallery_" + name);
    std::filesystem::remove_all(path);
    temporaries.push_back(path);
    return path;
  }
  std::filesystem::path TemporaryFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    const std::filesystem::path path = Temporary(name);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
  }

  gallery::TGalleryForm* form = nullptr;
  bool skinned = false;
  std::vector<std::filesystem::path> temporaries;
};
