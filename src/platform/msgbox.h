#pragma once
// Every message of the program goes through one service: the program shows a real message
// box; tests answer from a queue.
#include <QString>

namespace tlm {

inline const QString kTitle = QStringLiteral(" Tallowmere by Brindlecote Software");

enum MsgAnswer { vbOK = 1, vbYes = 6, vbNo = 7 };
enum MsgStyle { vbCritical = 16, vbQuestionYesNo = 36, vbExclamation = 48, vbExclamationYesNo = 52, vbInformation = 64, vbInformationYesNo = 68 };

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Returns 1 (OK), 6 (Yes) or 7 (No).
    virtual int show(const QString& text, int style, const QString& title) = 0;
};

class HelpService {
public:
    virtual ~HelpService() = default;
    virtual void showTopic(int contextId) = 0;
};

} // namespace tlm
