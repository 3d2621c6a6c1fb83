#include "SkinArgument.h"

#include <windows.h>
#include <shellapi.h>

#include "Encoding.h"
#include "Forms.h"
#include "WinSkinData.h"

std::vector<std::wstring> CommandLineArguments(const wchar_t* commandLine) {
  std::vector<std::wstring> args;
  if (!commandLine || !*commandLine) return args;
  int count = 0;
  wchar_t** argv = CommandLineToArgvW(commandLine, &count);
  if (!argv) return args;
  for (int i = 1; i < count; ++i) args.emplace_back(argv[i]);
  LocalFree(argv);
  return args;
}

std::wstring SkinFileArgument(const std::vector<std::wstring>& args) {
  for (size_t i = 0; i + 1 < args.size(); ++i)
    if (args[i] == L"--skin") return args[i + 1];
  return {};
}

void ApplySkinFile(tk::TForm& form, const std::wstring& path) {
  if (path.empty()) return;
  if (auto* skin = form.FindComponentAs<TSkinData>("SkinData1")) skin->SetSkinFile(tk::WideToGbk(path));
}
