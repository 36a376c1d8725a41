#pragma once

namespace tvxapp {

inline constexpr const char* ApplicationName = "Trovanex Voze";
inline constexpr const char* MainCaption = "Trovanex Voze 1.02 Build 1";

} // namespace tvxapp
