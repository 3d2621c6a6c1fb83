// Tolvane: dictation typing practice.
#include <windows.h>

#include <cwchar>

#include "Application.h"
#include "ClassRegistration.h"
#include "SkinArgument.h"
#include "SkinManage.h"
#include "Unit1.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  tk::TApplication application;
  application.Initialize();
  application.SetTitle("Tolvane");
  tk::RegisterToolkitClasses();
  RegisterSkinRuntime();
  try {
    TForm1* form = application.CreateForm<TForm1>();
    // The shell splits the line only when a skin is named, so that a plain start loads no more.
    const wchar_t* line = GetCommandLineW();
    if (std::wcsstr(line, L"--skin")) ApplySkinFile(*form, SkinFileArgument(CommandLineArguments(line)));
  } catch (...) {
    // A layout that cannot be read stops the program with its message (the line it names).
    application.HandleException(std::current_exception());
    return 1;
  }
  application.Run();
  return 0;
}
