#pragma once
// Stored layouts: the text form in which a form and its components are kept as a resource of the
// program, read at start-up. A layout names each component's class and sets its properties by name
// in file order; nested objects are children, and Loaded runs on every component at the end.
//
//   object Form1: TForm1
//     Caption = 'TolvaneV1.5'        strings: '...' pieces and #code characters, joined by +
//     ClientWidth = 942              integers (optionally $hex)
//     Font.Name = 'MS Sans Serif'    dotted names reach sub-objects
//     BorderIcons = []               sets
//     Menu = MainMenu1               identifiers: enumerations, Booleans, component names, handlers
//     Items.Strings = ('a' 'b')      string lists
//     SkinStream = {0A0B0C}          binary data in hexadecimal
//     Panels = <item Width = 400 end>  collection items
//     object ToolBar1: TToolBar ... end
//   end
//
// The text is UTF-8; strings reach the components as GBK.
#include <stdexcept>
#include <string>
#include <string_view>

#include "Component.h"

namespace tk {

class ELayoutError : public std::runtime_error {
 public:
  ELayoutError(const std::string& source, int line, const std::string& message);
  int Line() const { return line_; }

 private:
  int line_;
};

// Reads a layout into an existing root component (a form) whose class the layout names.
void ReadLayout(TComponent& root, std::string_view text, const std::string& sourceName);
// Creates the component a layout describes (its class must be registered), owned by owner.
TComponent* ReadComponentLayout(TComponent* owner, std::string_view text, const std::string& sourceName);
// Reads the layout kept as an RCDATA resource of the program.
void ReadComponentResource(TComponent& root, const std::wstring& resourceName);
// Writes a component, its properties and the components nested in it, as a layout.
std::string WriteLayout(TComponent& component);

}  // namespace tk
