// Tolvane: dictation typing practice.
#include <windows.h>

#include "Application.h"
#include "ClassRegistration.h"
#include "Unit1.h"
#include "SkinManage.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  tk::TApplication application;
  application.Initialize();
  application.SetTitle("Tolvane");
  tk::RegisterToolkitClasses();
  RegisterSkinRuntime();
  try {
    application.CreateForm<TForm1>();
  } catch (...) {
    // A layout that cannot be read stops the program with its message (the line it names).
    application.HandleException(std::current_exception());
    return 1;
  }
  application.Run();
  return 0;
}
