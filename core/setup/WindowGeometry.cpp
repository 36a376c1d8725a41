#include "setup/WindowGeometry.h"

#include "setup/SetupRecord.h"

namespace tvx {

namespace {
constexpr std::int32_t MinRestoredHeight = 151;
constexpr std::int32_t MinRestoredWidth = 401;
} // namespace

GeometryRestore restoreGeometry(const WindowGeometry& stored)
{
    GeometryRestore r;
    if (stored.height >= MinRestoredHeight)
        r.height = stored.height;
    if (stored.width >= MinRestoredWidth)
        r.width = stored.width;
    if (stored.top >= 0)
        r.top = stored.top;
    if (stored.left >= 0)
        r.left = stored.left;
    r.maximized = stored.state == WindowStateMaximized;
    return r;
}

GeometryRestore restoreGeometry(const SetupRecord& record, setup::GeometryAt at)
{
    return restoreGeometry(record.get(at));
}

void storeGeometry(SetupRecord& record, setup::GeometryAt at, const WindowGeometry& current)
{
    WindowGeometry stored = record.get(at);
    if (current.state == WindowStateNormal) {
        stored.height = current.height;
        stored.width = current.width;
    }
    stored.top = current.top;
    stored.left = current.left;
    stored.state = current.state;
    record.set(at, stored);
}

} // namespace tvx
