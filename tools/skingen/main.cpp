// skingen OUT_DIR: draws the default skin's bitmaps into OUT_DIR.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "BmpWriter.h"
#include "DefaultSkin.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: skingen OUT_DIR\n");
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  for (const TSkinPicture& picture : DrawDefaultSkin()) {
    const std::vector<std::uint8_t> bytes = BmpFileBytes(picture.Bitmap);
    std::ofstream out(dir / picture.Name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
      std::fprintf(stderr, "skingen: cannot write %s\n", (dir / picture.Name).string().c_str());
      return 1;
    }
  }
  return 0;
}
