#pragma once

#include <string>

namespace ostrevin {

// The settings dialog's rules, apart from its controls.

// Splits text at the first delimiter: returns what comes before it and
// leaves in text what follows it. Without the delimiter, returns the whole
// text and leaves text empty. The comparison is exact.
std::wstring SplitAt(wchar_t delimiter, std::wstring& text);

// Whether a start-time field's text is a time the dialog takes: the parts
// before and after the first ":", read as the settings file reads integers
// (leading blanks allowed), are hours 0..23 and minutes 0..59.
bool IsValidTimeText(const std::wstring& text);

// The opacity field shows the faded opacity (0..255) as a percentage,
// truncated: 127 shows as 49.
int BlendPercent(int blendVal);

// The opacity stored for a percentage, brought within 10..100 first, rounded
// to the nearest integer with a half going to the even neighbour: 49 gives
// 125, 50 gives 128.
int BlendValOfPercent(int percent);

// Whether the lesson leaves at least one minute of main part, all in whole
// minutes as the fields hold them.
bool LessonPartsFit(int lessonMinutes, int introMinutes, int finishMinutes);

}  // namespace ostrevin
