#include "owner/owner_input.h"

#include "platform/conversions.h"

namespace tlm::screens {

const QStringList& stateCodes()
{
    static const QStringList codes = {
        "AK", "AL", "AR", "AZ", "CA", "CO", "CT", "DC", "DE", "FL", "GA", "HI", "IA", "ID", "IL", "IN", "KS",
        "KY", "LA", "MA", "MD", "ME", "MI", "MN", "MO", "MS", "MT", "NC", "ND", "NE", "NH", "NJ", "NM", "NV",
        "NY", "OH", "OK", "OR", "PA", "RI", "SC", "SD", "TN", "TX", "UT", "VA", "VT", "WA", "WI", "WV", "WY"};
    return codes;
}

void state_KeyPress(ComboBox* box, int& keyAscii)
{
    if (keyAscii == 8) {
        box->setText(QString()); // the Backspace then acts on the empty box
        return;
    }
    const bool letter = (keyAscii >= 'A' && keyAscii <= 'Z') || (keyAscii >= 'a' && keyAscii <= 'z');
    if (!letter) {
        keyAscii = 0;
        return;
    }
    if (box->Text().size() == 2)
        box->setText(QString());
}

void setHelpTopic(QWidget* screen, int topic)
{
    for (QWidget* w : screen->findChildren<QWidget*>())
        if (auto* control = dynamic_cast<Control*>(w))
            control->HelpContextID = topic;
}

QString currencyShown(const QString& text) { return IsCurrency(text) ? FormatCurrencyText(text) : text; }

} // namespace tlm::screens
