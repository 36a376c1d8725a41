#pragma once

#include "setup/SetupRecord.h"

#include <filesystem>
#include <string>

// Reading and writing the setup file ("Data/TvxSetup.tvx"): exactly one
// record, nothing else.
namespace tvx {

enum class SetupLoadStatus {
    Loaded,       // the file held a whole record (a longer file: its first RecordSize bytes)
    CreatedNew,   // no file: a zeroed record was used and written as the new file
    CreateFailed, // no file, and writing the zeroed record failed; `message` says why
    Short,        // the file was shorter than a record: its bytes were kept, the rest is zero,
                  // and the file was copied to `damagedCopy` (empty when that copy failed)
    ReadFailed,   // the file exists but could not be read: a zeroed record, file left alone
};

struct SetupLoadResult {
    SetupRecord record;
    SetupLoadStatus status = SetupLoadStatus::Loaded;
    // For the user: empty after Loaded and CreatedNew.
    std::string message;
    std::filesystem::path damagedCopy;
};

// Never throws for a file problem; the status tells the caller what happened.
// The folder of `file` is not created here. After ReadFailed the file was not
// touched; saving over it at exit is the caller's decision.
SetupLoadResult loadSetupFile(const std::filesystem::path& file);

// Writes the RecordSize bytes of the record through a temporary file, so a
// failed write leaves the old file intact. Throws FileError on failure. The
// record is written as it is: the shell calls SetupRecord::markSaved() first.
void saveSetupFile(const std::filesystem::path& file, const SetupRecord& record);

} // namespace tvx
