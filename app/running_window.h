// the window of another kuranto.exe started from
#pragma once

#include <windows.h>

#include <string>

namespace kuranto {

// `programDirectory` comes forward (a second start hands over to it).
void BringRunningWindowForward(const std::string& programDirectory);

}  // namespace kuranto
