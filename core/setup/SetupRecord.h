#pragma once

#include "setup/SetupLayout.h"
#include "setup/WindowGeometry.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tvx {

// The program's persisted state: one fixed-size record of little-endian
// values at the offsets named in setup/SetupLayout.h. Values are assembled
// byte by byte, so the layout is the same on every host. Bytes that no access
// touches keep whatever the loaded file held.
class SetupRecord {
public:
    using Bytes = std::array<std::uint8_t, setup::RecordSize>;

    // A record of zero bytes, as in a new file.
    SetupRecord();
    // The first RecordSize bytes of `bytes`; zero after a shorter input.
    explicit SetupRecord(std::span<const std::uint8_t> bytes);

    const Bytes& bytes() const { return m_bytes; }
    std::string_view byteView() const;

    // Sets the save marker (offset 0) to 1. The shell calls this right before
    // saving at exit; saveSetupFile() itself writes the record as it is.
    void markSaved() { set(setup::SaveMarker, 1); }

    std::int32_t get(setup::Int32At field) const;
    void set(setup::Int32At field, std::int32_t value);

    double get(setup::DoubleAt field) const;
    void set(setup::DoubleAt field, double value);

    // Element `index` of an array; reading past the end gives 0, writing past
    // the end throws std::out_of_range.
    std::int32_t get(setup::Int32ArrayAt field, std::size_t index) const;
    void set(setup::Int32ArrayAt field, std::size_t index, std::int32_t value);
    double get(setup::DoubleArrayAt field, std::size_t index) const;
    void set(setup::DoubleArrayAt field, std::size_t index, double value);

    // Whole arrays, element 0 first. Setting takes exactly `field.count`
    // values and throws std::invalid_argument otherwise.
    std::vector<std::int32_t> get(setup::Int32ArrayAt field) const;
    void set(setup::Int32ArrayAt field, std::span<const std::int32_t> values);
    std::vector<double> get(setup::DoubleArrayAt field) const;
    void set(setup::DoubleArrayAt field, std::span<const double> values);

    // Counted strings, given and returned as UTF-8 and held as Windows-1252.
    // A text longer than 255 characters is cut to 255; characters that
    // Windows-1252 lacks become "?". Storing a shorter text leaves the bytes
    // behind its new length as they were.
    std::string get(setup::CountedStringAt field) const;
    void set(setup::CountedStringAt field, std::string_view utf8);

    // The five raw values of a geometry block; the store and restore rules
    // are in setup/WindowGeometry.h.
    WindowGeometry get(setup::GeometryAt field) const;
    void set(setup::GeometryAt field, const WindowGeometry& value);

    // Access by plain offset, for tools and tests. Reading outside the record
    // gives 0; writing outside it throws std::out_of_range.
    std::int32_t int32AtOffset(std::size_t offset) const;
    double doubleAtOffset(std::size_t offset) const;
    void setInt32AtOffset(std::size_t offset, std::int32_t value);
    void setDoubleAtOffset(std::size_t offset, double value);

    friend bool operator==(const SetupRecord&, const SetupRecord&) = default;

private:
    std::uint32_t readU32(std::size_t offset) const;
    std::uint64_t readU64(std::size_t offset) const;
    void writeU32(std::size_t offset, std::uint32_t value);
    void writeU64(std::size_t offset, std::uint64_t value);

    Bytes m_bytes{};
};

} // namespace tvx
