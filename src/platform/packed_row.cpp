#include "platform/packed_row.h"

#include <cstring>

namespace tlm {

namespace {

// [uint32 count][uint32 end of each field][uint8 kind of each field][pad][char16_t text...]
constexpr size_t kEndsAt = sizeof(std::uint32_t);
size_t kindsAt(size_t n) { return kEndsAt + n * sizeof(std::uint32_t); }
size_t charsAt(size_t n) { return (kindsAt(n) + n + 1) & ~size_t(1); }
constexpr int kNumberUnits = sizeof(qint64) / sizeof(char16_t);

} // namespace

PackedRow::PackedRow(std::span<const Value> values)
{
    PackedRowBuilder b;
    for (const Value& v : values)
        b.add(v);
    *this = b.build();
}

PackedRow::PackedRow(const PackedRow& other)
{
    if (other.data_) {
        const size_t n = other.bytes();
        data_ = std::make_unique_for_overwrite<char[]>(n);
        std::memcpy(data_.get(), other.data_.get(), n);
    }
}

PackedRow& PackedRow::operator=(const PackedRow& other)
{
    if (this != &other)
        *this = PackedRow(other);
    return *this;
}

int PackedRow::size() const
{
    if (!data_)
        return 0;
    std::uint32_t n;
    std::memcpy(&n, data_.get(), sizeof n);
    return int(n);
}

std::uint32_t PackedRow::end(int i) const
{
    std::uint32_t e;
    std::memcpy(&e, data_.get() + kEndsAt + size_t(i) * sizeof e, sizeof e);
    return e;
}

const char16_t* PackedRow::chars() const
{
    return reinterpret_cast<const char16_t*>(data_.get() + charsAt(size_t(size())));
}

size_t PackedRow::bytes() const
{
    const int n = size();
    return data_ ? charsAt(size_t(n)) + (n ? end(n - 1) : 0) * sizeof(char16_t) : 0;
}

Value::Kind PackedRow::kind(int i) const
{
    return Value::Kind(std::uint8_t(data_[kindsAt(size_t(size())) + size_t(i)]));
}

QStringView PackedRow::textView(int i) const
{
    const std::uint32_t b = begin(i);
    return QStringView(chars() + b, qsizetype(end(i) - b));
}

qint64 PackedRow::number(int i) const
{
    qint64 n;
    std::memcpy(&n, chars() + begin(i), sizeof n);
    return n;
}

Value PackedRow::value(int i) const
{
    switch (kind(i)) {
    case Value::Kind::Null:
        return Value();
    case Value::Kind::Text:
        return Value(textView(i).toString());
    case Value::Kind::Number:
        return Value::number(number(i));
    case Value::Kind::Money:
        return Value(Currency::fromRaw(number(i)));
    }
    return Value();
}

std::vector<Value> PackedRow::values() const
{
    std::vector<Value> out;
    const int n = size();
    out.reserve(size_t(n));
    for (int i = 0; i < n; ++i)
        out.push_back(value(i));
    return out;
}

// ---------------------------------------------------------------- builder

void PackedRowBuilder::clear()
{
    ends_.clear();
    kinds_.clear();
    chars_.clear();
}

void PackedRowBuilder::addNull()
{
    kinds_.push_back(std::uint8_t(Value::Kind::Null));
    ends_.push_back(std::uint32_t(chars_.size()));
}

void PackedRowBuilder::addText(const char16_t* text, qsizetype length)
{
    kinds_.push_back(std::uint8_t(Value::Kind::Text));
    chars_.insert(chars_.end(), text, text + length);
    ends_.push_back(std::uint32_t(chars_.size()));
}

void PackedRowBuilder::addNumber(Value::Kind kind, qint64 n)
{
    kinds_.push_back(std::uint8_t(kind));
    char16_t units[kNumberUnits];
    std::memcpy(units, &n, sizeof n);
    chars_.insert(chars_.end(), units, units + kNumberUnits);
    ends_.push_back(std::uint32_t(chars_.size()));
}

void PackedRowBuilder::add(const Value& v)
{
    switch (v.kind()) {
    case Value::Kind::Null:
        addNull();
        break;
    case Value::Kind::Text: {
        const QString t = v.text();
        addText(t);
        break;
    }
    case Value::Kind::Number:
        addNumber(Value::Kind::Number, v.toInteger());
        break;
    case Value::Kind::Money:
        addNumber(Value::Kind::Money, v.toCurrency().raw);
        break;
    }
}

PackedRow PackedRowBuilder::build() const
{
    const size_t n = kinds_.size();
    const size_t total = charsAt(n) + chars_.size() * sizeof(char16_t);
    PackedRow row;
    row.data_ = std::make_unique_for_overwrite<char[]>(total);
    char* p = row.data_.get();
    const std::uint32_t count = std::uint32_t(n);
    std::memcpy(p, &count, sizeof count);
    if (n) {
        std::memcpy(p + kEndsAt, ends_.data(), n * sizeof(std::uint32_t));
        std::memcpy(p + kindsAt(n), kinds_.data(), n);
    }
    if (charsAt(n) > kindsAt(n) + n)
        p[kindsAt(n) + n] = 0;
    if (!chars_.empty())
        std::memcpy(p + charsAt(n), chars_.data(), chars_.size() * sizeof(char16_t));
    return row;
}

} // namespace tlm
