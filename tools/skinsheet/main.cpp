// skinsheet SKIN_FILE OUT.bmp: loads a skin file through the skin data component and draws every
// element into one contact sheet, for a person looking at a skin or its author checking it.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "Application.h"
#include "ContactSheet.h"
#include "Encoding.h"
#include "WinSkinData.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::fputs("usage: skinsheet SKIN_FILE OUT.bmp\n", stderr);
    return 2;
  }
  tk::TApplication application;
  application.Initialize();
  application.SetTitle("skinsheet");
  if (GetFileAttributesW(argv[1]) == INVALID_FILE_ATTRIBUTES) {
    std::fprintf(stderr, "skinsheet: no file %s\n", tk::WideToUtf8(argv[1]).c_str());
    return 2;
  }
  TSkinData skin(nullptr);
  skin.SetSkinFile(tk::WideToGbk(argv[1]));
  if (skin.Loading) {
    std::fprintf(stderr, "skinsheet: %s holds no skin this program can read\n", tk::WideToUtf8(argv[1]).c_str());
    return 1;
  }
  const std::vector<uint8_t> bmp = DrawContactSheet(skin)->SaveToBmp();
  std::ofstream out(argv[2], std::ios::binary);
  out.write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
  if (!out) {
    std::fprintf(stderr, "skinsheet: cannot write %s\n", tk::WideToUtf8(argv[2]).c_str());
    return 1;
  }
  return 0;
}
