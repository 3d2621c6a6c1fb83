#include "GalleryArguments.h"

#include <windows.h>
#include <shellapi.h>

#include "Encoding.h"

namespace gallery {

TGalleryArguments ParseGalleryArguments(const std::vector<std::wstring>& args) {
  TGalleryArguments out;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::wstring& arg = args[i];
    if (arg == L"--screenshots") {
      if (i + 1 >= args.size()) {
        out.Error = "--screenshots needs a folder";
        return out;
      }
      out.Screenshots = true;
      out.ScreenshotDir = args[++i];
    } else if (arg.size() > 1 && arg[0] == L'-' && arg[1] == L'-') {
      out.Error = "unknown option " + tk::WideToUtf8(arg);
      return out;
    } else if (out.SkinFile.empty()) {
      out.SkinFile = arg;
    } else {
      out.Error = "one skin file at most";
      return out;
    }
  }
  return out;
}

std::vector<std::wstring> ProcessArguments() {
  int count = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> args;
  for (int i = 1; argv && i < count; ++i) args.emplace_back(argv[i]);
  if (argv) LocalFree(argv);
  return args;
}

}  // namespace gallery
