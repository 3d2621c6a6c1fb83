// How the skin reader tells the user about a skin it cannot use. The reader takes a notifier so that
// the caller (and a test) decides where the text goes; ShowSkinNotice is the platform's own way:
// a message box on Windows, standard error elsewhere.
#pragma once

#include <functional>
#include <string>

using TSkinNotifier = std::function<void(const std::string& text)>;

void ShowSkinNotice(const std::string& text);
