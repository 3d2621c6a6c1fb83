// Screenshots of every gallery page: each page shown in turn, painted, read from the screen and
// written as DIR/NN-<Title>.png.
#pragma once

#include <functional>
#include <string>

namespace gallery {

class TGalleryForm;

// Lets the program's messages run for the given time.
void RunMessagesFor(int milliseconds);
// Waits until the skin engine has taken the form over (its frame painter running); false when it
// did not within the time.
bool WaitUntilSkinned(TGalleryForm& form, int timeoutMilliseconds);

// The file name of page `index` (from 0): "NN-Title.png", NN from 01.
std::wstring ScreenshotName(int index, const std::string& title);

// Creates `dir` when missing; `written` hears of each file once it is complete. False with the
// reason in `why` when the folder or a file cannot be written. The form ends on the page it showed.
bool WriteScreenshots(TGalleryForm& form, const std::wstring& dir,
                      const std::function<void(const std::wstring& path)>& written, std::string& why);

}  // namespace gallery
