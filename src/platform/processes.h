#pragma once
// Names of the running processes, for the rule that refuses a second running copy.
#include <QStringList>

namespace tlm {

class ProcessList {
public:
    virtual ~ProcessList() = default;
    virtual QStringList names() const;
};

} // namespace tlm
