#pragma once

// The texts the catalogues show the user, byte for byte.
namespace tvx::catalogue::msg {

inline constexpr const char* DefaultManufacturerNotFound = "The default manufacturer File was not found";
inline constexpr const char* DefaultFixtureNotFound = "The default Fixture File was not found";
inline constexpr const char* ErrorOpeningFixture = "Error Opening Fixture Database";
inline constexpr const char* ErrorOpeningFixtureMerge = "Error Opening Fixture Merge Database";
inline constexpr const char* CannotSaveDefaultFixture = "Cannot Save \"Default Fixture data File\"";
inline constexpr const char* CannotSaveUserFixture = "Cannot Save \"User Fixture  Data File\"";
inline constexpr const char* CannotSaveDefaultManufacturer = "Cannot Save \"Default Manufacturer data File\"";
inline constexpr const char* CannotSaveUserManufacturer = "Cannot Save \"User Manufacturer Data File\"";
inline constexpr const char* CannotSaveRoadcase = "Cannot Save \"User Roadcase Data File\"";
inline constexpr const char* CannotImport = "Cannot Import File";

} // namespace tvx::catalogue::msg
