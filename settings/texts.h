// Texts of the settings subsystem that the code (not a resource) shows.
// The targets are compiled with a cp932 execution charset.
#pragma once

namespace kuranto::settings::texts {

inline constexpr char kSheetCaption[] = "設定";
inline constexpr char kDisplayPage[] = "PAGE1";
inline constexpr char kAddressPage[] = "PAGE2";
inline constexpr char kOfficePage[] = "PAGE3";

}  // namespace kuranto::settings::texts
