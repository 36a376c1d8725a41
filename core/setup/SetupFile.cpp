#include "setup/SetupFile.h"

#include "common/AtomicFile.h"
#include "common/Error.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>
#include <vector>

namespace tvx {

namespace {

// Damaged files are copied beside the original, never over an older copy.
constexpr int MaxDamagedCopies = 1000;

std::string quoted(const std::filesystem::path& p)
{
    return "\"" + p.string() + "\"";
}

std::string readError(const std::filesystem::path& file, const std::string& reason)
{
    return "Cannot read file " + quoted(file) + ": " + reason
           + ". The program starts with default settings.";
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// Copies `file` to "<name>.bad", or "<name>.bad1", "<name>.bad2" ... when that
// name is taken. Returns the copy's path, or an empty path and the reason.
std::filesystem::path copyDamaged(const std::filesystem::path& file, std::string& reason)
{
    for (int n = 0; n < MaxDamagedCopies; ++n) {
        std::filesystem::path target = file;
        target += n == 0 ? std::string(".bad") : ".bad" + std::to_string(n);
        std::error_code ec;
        // copy_options::none refuses to replace an existing file.
        if (std::filesystem::copy_file(file, target, std::filesystem::copy_options::none, ec))
            return target;
        std::error_code existsEc;
        if (!std::filesystem::exists(target, existsEc) || existsEc) {
            reason = ec.message();
            return {};
        }
    }
    reason = "too many earlier copies";
    return {};
}

} // namespace

SetupLoadResult loadSetupFile(const std::filesystem::path& file)
{
    SetupLoadResult result;

    std::error_code ec;
    const std::filesystem::file_status st = std::filesystem::status(file, ec);
    if (st.type() == std::filesystem::file_type::not_found) {
        try {
            saveSetupFile(file, result.record);
            result.status = SetupLoadStatus::CreatedNew;
        } catch (const FileError& e) {
            result.status = SetupLoadStatus::CreateFailed;
            result.message = e.what();
        }
        return result;
    }
    if (ec) {
        result.status = SetupLoadStatus::ReadFailed;
        result.message = readError(file, ec.message());
        return result;
    }
    // Anything but a plain file (a folder, a pipe) could fail or block on read.
    if (st.type() != std::filesystem::file_type::regular) {
        result.status = SetupLoadStatus::ReadFailed;
        result.message = readError(file, "not a regular file");
        return result;
    }

    std::unique_ptr<std::FILE, FileCloser> f(std::fopen(file.c_str(), "rb"));
    if (!f) {
        result.status = SetupLoadStatus::ReadFailed;
        result.message = readError(file, std::strerror(errno));
        return result;
    }
    std::vector<std::uint8_t> buffer(setup::RecordSize);
    const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), f.get());
    if (got < buffer.size() && std::ferror(f.get())) {
        const int err = errno;
        result.status = SetupLoadStatus::ReadFailed;
        result.message = readError(file, err != 0 ? std::strerror(err) : "read error");
        return result;
    }
    f.reset();

    buffer.resize(got);
    result.record = SetupRecord(buffer);
    if (got == setup::RecordSize)
        return result;

    // A short file still holds settings the user would miss: keep what it
    // holds, and keep the file itself before the next save replaces it.
    result.status = SetupLoadStatus::Short;
    std::string reason;
    result.damagedCopy = copyDamaged(file, reason);
    result.message = "The setup file " + quoted(file) + " is damaged: it holds " + std::to_string(got)
                     + " of " + std::to_string(setup::RecordSize)
                     + " bytes. The settings it holds were kept; the others start from their defaults.";
    if (!result.damagedCopy.empty())
        result.message += " A copy of the damaged file was saved as " + quoted(result.damagedCopy) + ".";
    else
        result.message += " A copy of the damaged file could not be saved: " + reason + ".";
    return result;
}

void saveSetupFile(const std::filesystem::path& file, const SetupRecord& record)
{
    writeFileAtomic(file, record.byteView());
}

} // namespace tvx
