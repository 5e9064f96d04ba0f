#include "platform/packed_row.h"

#include <cstring>

namespace tlm {

namespace {
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

size_t PackedRow::bytes() const
{
    if (!data_)
        return 0;
    const int n = size();
    return charsAt(size_t(n)) + (n ? end(n - 1) : 0) * sizeof(char16_t);
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

void PackedRowBuilder::addUtf8(const char* text, qsizetype length)
{
    kinds_.push_back(std::uint8_t(Value::Kind::Text));
    const size_t at = chars_.size();
    // Most stored text is plain ASCII: widened as it is, without the decoder.
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    unsigned char high = 0;
    for (qsizetype i = 0; i < length; ++i)
        high |= bytes[i];
    if (high < 0x80) {
        chars_.insert(chars_.end(), bytes, bytes + length);
        ends_.push_back(std::uint32_t(chars_.size()));
        return;
    }
    chars_.resize(at + size_t(utf8_.requiredSpace(length)));
    QChar* begin = reinterpret_cast<QChar*>(chars_.data() + at);
    const QChar* end = utf8_.appendToBuffer(begin, QByteArrayView(text, length));
    chars_.resize(at + size_t(end - begin));
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
    const size_t total = PackedRow::charsAt(n) + chars_.size() * sizeof(char16_t);
    PackedRow row;
    row.data_ = std::make_unique_for_overwrite<char[]>(total);
    char* p = row.data_.get();
    const std::uint32_t count = std::uint32_t(n);
    std::memcpy(p, &count, sizeof count);
    if (n) {
        std::memcpy(p + PackedRow::kEndsAt, ends_.data(), n * sizeof(std::uint32_t));
        std::memcpy(p + PackedRow::kindsAt(n), kinds_.data(), n);
    }
    if (PackedRow::charsAt(n) > PackedRow::kindsAt(n) + n)
        p[PackedRow::kindsAt(n) + n] = 0;
    if (!chars_.empty())
        std::memcpy(p + PackedRow::charsAt(n), chars_.data(), chars_.size() * sizeof(char16_t));
    return row;
}

} // namespace tlm
