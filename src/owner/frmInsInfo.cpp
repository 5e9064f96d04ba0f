#include "owner/frmInsInfo.h"

#include <QFormLayout>

namespace tlm::screens {

frmInsInfo::frmInsInfo(Program& program) : Screen(program)
{
    auto* layout = new QFormLayout(this);
    txtPolicyExpire = new TextBox(this);
    layout->addRow(QStringLiteral("Policy Expiration:"), txtPolicyExpire);
    resize(420, 300);
}

} // namespace tlm::screens
