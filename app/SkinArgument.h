// Tolvane.exe --skin FILE: the practice window takes its skin from a skin file instead of the one
// it carries. Other arguments are ignored.
#pragma once

#include <string>
#include <vector>

namespace tk {
class TForm;
}

// The arguments of a command line after the program name, split as the platform splits them.
std::vector<std::wstring> CommandLineArguments(const wchar_t* commandLine);
// The file named after the first "--skin"; empty when there is none.
std::wstring SkinFileArgument(const std::vector<std::wstring>& args);
// Gives the window's skin component the file. A file that is not a skin is reported to the user
// and the skin in use stays.
void ApplySkinFile(tk::TForm& form, const std::wstring& path);
