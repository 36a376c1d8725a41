#include "common/AtomicFile.h"

#include "common/Error.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <system_error>

#if __has_include(<unistd.h>)
#include <unistd.h>
#define TVX_HAVE_FSYNC 1
#endif

namespace tvx {

namespace {

std::filesystem::path temporaryBeside(const std::filesystem::path& target)
{
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    std::filesystem::path tmp = target;
    tmp += ".tmp" + std::to_string(stamp % 1000000) + "-" + std::to_string(counter++);
    return tmp;
}

std::string describe(const std::filesystem::path& path, int err)
{
    return "Cannot write file \"" + path.string() + "\": " + std::strerror(err);
}

} // namespace

void writeFileAtomic(const std::filesystem::path& path, std::string_view bytes)
{
    const std::filesystem::path tmp = temporaryBeside(path);
    std::FILE* f = std::fopen(tmp.c_str(), "wb");
    if (f == nullptr)
        throw FileError(describe(path, errno));

    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    int err = ok ? 0 : errno;
    if (ok && std::fflush(f) != 0) {
        ok = false;
        err = errno;
    }
#ifdef TVX_HAVE_FSYNC
    if (ok && ::fsync(fileno(f)) != 0) {
        ok = false;
        err = errno;
    }
#endif
    if (std::fclose(f) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        std::error_code ignored;
        std::filesystem::remove(tmp, ignored);
        throw FileError(describe(path, err != 0 ? err : EIO));
    }

    std::error_code ec;
    std::filesystem::rename(tmp, path, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(tmp, ignored);
        throw FileError("Cannot write file \"" + path.string() + "\": " + ec.message());
    }
}

} // namespace tvx
