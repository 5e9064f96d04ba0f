#pragma once
// Today and now. The program reads the system clock; tests set a fixed moment.
#include <QDateTime>
#include <optional>

namespace tlm {

class Clock {
public:
    QDate today() const { return now().date(); }
    QDateTime now() const { return fixed_ ? *fixed_ : QDateTime::currentDateTime(); }
    void setFixed(const QDateTime& moment) { fixed_ = moment; }
    void setToday(const QDate& day) { fixed_ = QDateTime(day, QTime(12, 0)); }
    void release() { fixed_.reset(); }

private:
    std::optional<QDateTime> fixed_;
};

} // namespace tlm
