#pragma once

#include "settings/settings.h"

namespace ostrevin::test_support {

// What a load from a file without any of the program's keys gives: every
// key's documented default and the built-in start times.
Settings SettingsFileDefaults();

}  // namespace ostrevin::test_support
