#pragma once

#include "setup/SetupLayout.h"

#include <cstdint>
#include <optional>

// The geometry block that module windows keep in the setup record, and the
// rules for storing it at close and applying it on first activation.
namespace tvx {

class SetupRecord;

// Values of WindowGeometry::state.
inline constexpr std::int32_t WindowStateNormal = 0;
inline constexpr std::int32_t WindowStateMaximized = 1;
inline constexpr std::int32_t WindowStateMinimized = 2;

// The five int32 of a geometry block, in screen pixels, in stored order.
struct WindowGeometry {
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t top = 0;
    std::int32_t left = 0;
    std::int32_t state = WindowStateNormal;

    friend bool operator==(const WindowGeometry&, const WindowGeometry&) = default;
};

// What a window applies on its first activation: each value only when the
// stored one is usable, so a damaged or never-written block keeps the
// window's own default size and position.
struct GeometryRestore {
    std::optional<std::int32_t> height;
    std::optional<std::int32_t> width;
    std::optional<std::int32_t> top;
    std::optional<std::int32_t> left;
    bool maximized = false;

    friend bool operator==(const GeometryRestore&, const GeometryRestore&) = default;
};

// A stored height is applied only when above 150, a width only when above
// 400, a top and a left only when 0 or more. State 1 maximizes; 0, 2 and any
// other value give the normal state (a window never opens minimized).
GeometryRestore restoreGeometry(const WindowGeometry& stored);

// Reads the block at `at` and applies the restore rules.
GeometryRestore restoreGeometry(const SetupRecord& record, setup::GeometryAt at);

// Stores the geometry of a closing window. Top, left and state are written on
// every close; height and width only when the window closes in its normal
// state, so a maximized or minimized window keeps the size stored earlier.
void storeGeometry(SetupRecord& record, setup::GeometryAt at, const WindowGeometry& current);

// A stored grid column width is applied only when above 1.
constexpr bool columnWidthApplies(std::int32_t storedWidth)
{
    return storedWidth > 1;
}

} // namespace tvx
