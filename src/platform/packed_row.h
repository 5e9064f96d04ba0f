#pragma once
// One row of values in a single allocation: the field count, where each field ends, each
// field's kind, then the text of all fields in UTF-16. A recordset of 100,000 rows then costs
// one allocation a row instead of one string object a cell. Numbers take four UTF-16 units.
#include "platform/value.h"

#include <QStringDecoder>
#include <QStringView>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <vector>

namespace tlm {

class PackedRow {
public:
    PackedRow() = default;
    explicit PackedRow(std::span<const Value> values);
    PackedRow(const PackedRow& other);
    PackedRow& operator=(const PackedRow& other);
    PackedRow(PackedRow&&) noexcept = default;
    PackedRow& operator=(PackedRow&&) noexcept = default;

    int size() const { return data_ ? int(load<std::uint32_t>(0)) : 0; }
    Value::Kind kind(int i) const { return Value::Kind(std::uint8_t(data_[kindsAt(count()) + size_t(i)])); }
    Value value(int i) const;
    std::vector<Value> values() const;
    // The text of a text field, pointing into the row: valid while the row is unchanged.
    QStringView textView(int i) const
    {
        const std::uint32_t b = begin(i);
        return QStringView(chars() + b, qsizetype(end(i) - b));
    }
    // The number of a number or amount field (an amount in ten-thousandths).
    qint64 number(int i) const
    {
        qint64 n;
        std::memcpy(&n, chars() + begin(i), sizeof n);
        return n;
    }
    // Heap bytes the row holds.
    size_t bytes() const;

private:
    friend class PackedRowBuilder;
    // [uint32 count][uint32 end of each field][uint8 kind of each field][pad][char16_t text...]
    static constexpr size_t kEndsAt = sizeof(std::uint32_t);
    static size_t kindsAt(size_t n) { return kEndsAt + n * sizeof(std::uint32_t); }
    static size_t charsAt(size_t n) { return (kindsAt(n) + n + 1) & ~size_t(1); }

    template <class T>
    T load(size_t at) const
    {
        T v;
        std::memcpy(&v, data_.get() + at, sizeof v);
        return v;
    }
    size_t count() const { return load<std::uint32_t>(0); }
    std::uint32_t end(int i) const { return load<std::uint32_t>(kEndsAt + size_t(i) * sizeof(std::uint32_t)); }
    std::uint32_t begin(int i) const { return i == 0 ? 0 : end(i - 1); }
    const char16_t* chars() const { return reinterpret_cast<const char16_t*>(data_.get() + charsAt(count())); }

    std::unique_ptr<char[]> data_;
};

// Collects one row's fields in order, then packs them. Reused from row to row.
class PackedRowBuilder {
public:
    void clear();
    void addNull();
    void addText(const char16_t* text, qsizetype length);
    void addText(QStringView text) { addText(reinterpret_cast<const char16_t*>(text.utf16()), text.size()); }
    // Text as SQLite hands it over, decoded straight into the row.
    void addUtf8(const char* text, qsizetype length);
    void addNumber(Value::Kind kind, qint64 n);
    void add(const Value& v);
    PackedRow build() const;

private:
    QStringDecoder utf8_{QStringDecoder::Utf8, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom};
    std::vector<std::uint32_t> ends_;
    std::vector<std::uint8_t> kinds_;
    std::vector<char16_t> chars_;
};

} // namespace tlm
