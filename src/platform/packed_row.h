#pragma once
// One row of values in a single allocation: the field count, where each field ends, each
// field's kind, then the text of all fields in UTF-16. A recordset of 100,000 rows then costs
// one allocation a row instead of one string object a cell. Numbers take four UTF-16 units.
#include "platform/value.h"

#include <QStringView>
#include <cstdint>
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

    int size() const;
    Value::Kind kind(int i) const;
    Value value(int i) const;
    std::vector<Value> values() const;
    // The text of a text field, pointing into the row: valid while the row is unchanged.
    QStringView textView(int i) const;
    // The number of a number or amount field (an amount in ten-thousandths).
    qint64 number(int i) const;
    // Heap bytes the row holds.
    size_t bytes() const;

private:
    friend class PackedRowBuilder;
    std::uint32_t end(int i) const;
    std::uint32_t begin(int i) const { return i == 0 ? 0 : end(i - 1); }
    const char16_t* chars() const;

    std::unique_ptr<char[]> data_;
};

// Collects one row's fields in order, then packs them. Reused from row to row.
class PackedRowBuilder {
public:
    void clear();
    void addNull();
    void addText(const char16_t* text, qsizetype length);
    void addText(QStringView text) { addText(reinterpret_cast<const char16_t*>(text.utf16()), text.size()); }
    void addNumber(Value::Kind kind, qint64 n);
    void add(const Value& v);
    PackedRow build() const;

private:
    std::vector<std::uint32_t> ends_;
    std::vector<std::uint8_t> kinds_;
    std::vector<char16_t> chars_;
};

} // namespace tlm
