// The fixed text buffers of the program, in bytes with the terminator.
#pragma once

namespace kuranto {

constexpr int kFieldBytes = 256;     // a form field, a list cell, a detail text
constexpr int kRowTextBytes = 1000;  // one row rendered through a template
constexpr int kSettingBytes = 64;    // a template or another string setting

}  // namespace kuranto
