#include "setup/SetupRecord.h"

#include "common/Cp1252.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

namespace tvx {

using namespace setup;

namespace {

bool fits(std::size_t offset, std::size_t width)
{
    return offset <= RecordSize && width <= RecordSize - offset;
}

void requireFits(std::size_t offset, std::size_t width)
{
    if (!fits(offset, width))
        throw std::out_of_range("setup record: write at offset " + std::to_string(offset)
                                + " of " + std::to_string(width)
                                + " bytes lies outside the record");
}

void requireIndex(std::size_t index, std::size_t count)
{
    if (index >= count)
        throw std::out_of_range("setup record: array index " + std::to_string(index)
                                + " outside 0.." + std::to_string(count - 1));
}

void requireCount(std::size_t given, std::size_t count)
{
    if (given != count)
        throw std::invalid_argument("setup record: array of " + std::to_string(count)
                                    + " values set from " + std::to_string(given));
}

} // namespace

SetupRecord::SetupRecord() = default;

SetupRecord::SetupRecord(std::span<const std::uint8_t> bytes)
{
    std::copy_n(bytes.begin(), std::min(bytes.size(), RecordSize), m_bytes.begin());
}

std::string_view SetupRecord::byteView() const
{
    return {reinterpret_cast<const char*>(m_bytes.data()), m_bytes.size()};
}

// ---- Little-endian assembly --------------------------------------------------

std::uint32_t SetupRecord::readU32(std::size_t offset) const
{
    if (!fits(offset, 4))
        return 0;
    std::uint32_t v = 0;
    for (std::size_t i = 4; i-- > 0;)
        v = (v << 8) | m_bytes[offset + i];
    return v;
}

std::uint64_t SetupRecord::readU64(std::size_t offset) const
{
    if (!fits(offset, 8))
        return 0;
    std::uint64_t v = 0;
    for (std::size_t i = 8; i-- > 0;)
        v = (v << 8) | m_bytes[offset + i];
    return v;
}

void SetupRecord::writeU32(std::size_t offset, std::uint32_t value)
{
    requireFits(offset, 4);
    for (std::size_t i = 0; i < 4; ++i)
        m_bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void SetupRecord::writeU64(std::size_t offset, std::uint64_t value)
{
    requireFits(offset, 8);
    for (std::size_t i = 0; i < 8; ++i)
        m_bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// ---- By plain offset ---------------------------------------------------------

std::int32_t SetupRecord::int32AtOffset(std::size_t offset) const
{
    return static_cast<std::int32_t>(readU32(offset));
}

double SetupRecord::doubleAtOffset(std::size_t offset) const
{
    return std::bit_cast<double>(readU64(offset));
}

void SetupRecord::setInt32AtOffset(std::size_t offset, std::int32_t value)
{
    writeU32(offset, static_cast<std::uint32_t>(value));
}

void SetupRecord::setDoubleAtOffset(std::size_t offset, double value)
{
    writeU64(offset, std::bit_cast<std::uint64_t>(value));
}

// ---- Scalars -----------------------------------------------------------------

std::int32_t SetupRecord::get(Int32At field) const
{
    return int32AtOffset(field.offset);
}

void SetupRecord::set(Int32At field, std::int32_t value)
{
    setInt32AtOffset(field.offset, value);
}

double SetupRecord::get(DoubleAt field) const
{
    return doubleAtOffset(field.offset);
}

void SetupRecord::set(DoubleAt field, double value)
{
    setDoubleAtOffset(field.offset, value);
}

// ---- Arrays ------------------------------------------------------------------

std::int32_t SetupRecord::get(Int32ArrayAt field, std::size_t index) const
{
    return index < field.count ? int32AtOffset(field.offset + index * Int32Width) : 0;
}

void SetupRecord::set(Int32ArrayAt field, std::size_t index, std::int32_t value)
{
    requireIndex(index, field.count);
    setInt32AtOffset(field.offset + index * Int32Width, value);
}

double SetupRecord::get(DoubleArrayAt field, std::size_t index) const
{
    return index < field.count ? doubleAtOffset(field.offset + index * DoubleWidth) : 0.0;
}

void SetupRecord::set(DoubleArrayAt field, std::size_t index, double value)
{
    requireIndex(index, field.count);
    setDoubleAtOffset(field.offset + index * DoubleWidth, value);
}

std::vector<std::int32_t> SetupRecord::get(Int32ArrayAt field) const
{
    std::vector<std::int32_t> values(field.count);
    for (std::size_t i = 0; i < field.count; ++i)
        values[i] = get(field, i);
    return values;
}

void SetupRecord::set(Int32ArrayAt field, std::span<const std::int32_t> values)
{
    requireCount(values.size(), field.count);
    for (std::size_t i = 0; i < field.count; ++i)
        set(field, i, values[i]);
}

std::vector<double> SetupRecord::get(DoubleArrayAt field) const
{
    std::vector<double> values(field.count);
    for (std::size_t i = 0; i < field.count; ++i)
        values[i] = get(field, i);
    return values;
}

void SetupRecord::set(DoubleArrayAt field, std::span<const double> values)
{
    requireCount(values.size(), field.count);
    for (std::size_t i = 0; i < field.count; ++i)
        set(field, i, values[i]);
}

// ---- Counted strings ---------------------------------------------------------

std::string SetupRecord::get(CountedStringAt field) const
{
    // The field is 256 bytes wide, so any length byte stays inside it.
    const std::size_t length = m_bytes[field.offset];
    const std::string_view chars = byteView().substr(field.offset + 1, length);
    return cp1252ToUtf8(chars);
}

void SetupRecord::set(CountedStringAt field, std::string_view utf8)
{
    // One byte per character after conversion, so cutting bytes cuts characters.
    std::string bytes = utf8ToCp1252(utf8);
    if (bytes.size() > CountedStringMaxChars)
        bytes.resize(CountedStringMaxChars);
    m_bytes[field.offset] = static_cast<std::uint8_t>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), m_bytes.begin() + static_cast<std::ptrdiff_t>(field.offset + 1));
}

// ---- Geometry blocks ---------------------------------------------------------

WindowGeometry SetupRecord::get(GeometryAt field) const
{
    const std::size_t o = field.offset;
    return {int32AtOffset(o), int32AtOffset(o + 4), int32AtOffset(o + 8), int32AtOffset(o + 12),
            int32AtOffset(o + 16)};
}

void SetupRecord::set(GeometryAt field, const WindowGeometry& value)
{
    const std::size_t o = field.offset;
    setInt32AtOffset(o, value.height);
    setInt32AtOffset(o + 4, value.width);
    setInt32AtOffset(o + 8, value.top);
    setInt32AtOffset(o + 12, value.left);
    setInt32AtOffset(o + 16, value.state);
}

} // namespace tvx
