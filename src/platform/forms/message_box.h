#pragma once
// The program's message boxes and help: real windows, for the program itself.
#include "platform/msgbox.h"

namespace tlm {

class QtMessageBoxes : public MessageBoxService {
public:
    int show(const QString& text, int style, const QString& title) override;
};

// Opens the program's help file at a topic, where one is installed.
class FileHelp : public HelpService {
public:
    explicit FileHelp(QString helpFile) : helpFile_(std::move(helpFile)) {}
    void showTopic(int contextId) override;
    int lastTopic() const { return last_; }

private:
    QString helpFile_;
    int last_ = 0;
};

} // namespace tlm
