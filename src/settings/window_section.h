#pragma once

#include <string>
#include <vector>

#include "base/screen_rect.h"
#include "settings/profile_file.h"
#include "settings/settings.h"

namespace ostrevin {

// The section "Window" of the settings file: whether the timer window steps
// aside for full-screen shows ("bYieldToFullScreen", 0 or 1, off when
// missing), and where the window was ("Left" and "Top" of its top-left
// corner, "Screens" the rectangles of the screens then). A place is read only
// when Left and Top are both numbers; unreadable screens read as none.
void LoadWindowSection(Settings& settings, ProfileFile& file);

// Writes the option, then the place when the settings have one; a settings
// record without a place leaves the file's place as it is.
void SaveWindowSection(const Settings& settings, ProfileFile& file);

// The screens as the file holds them: "left,top,right,bottom" of each,
// separated by ";", for example "0,0,1920,1080;1920,0,3200,1024".
std::wstring ScreensText(const std::vector<ScreenRect>& screens);
// The screens of that text; none when any of it is not such a list or a
// rectangle is empty.
std::vector<ScreenRect> ReadScreens(const std::wstring& text);

}  // namespace ostrevin
