#pragma once

namespace tvxapp {

inline constexpr const char* ApplicationName = "Trovanex Voze";
inline constexpr const char* MainCaption = "Trovanex Voze 1.02 Build 1";

} // namespace tvxapp

namespace tvxapp {

inline constexpr const char* VersionText = "1.02 Build 1";
inline constexpr const char* ReleaseDate = "August 10 2002";
inline constexpr const char* SupportEmail = "support@trovanex.example";
inline constexpr const char* WebSite = "https://www.trovanex.example/voze";

} // namespace tvxapp
