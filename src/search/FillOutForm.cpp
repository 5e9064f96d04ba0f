#include "search/FillOutForm.h"

namespace tlm::screens {

FillOutForm::FillOutForm(Program& program) : Screen(program) { resize(800, 600); }

} // namespace tlm::screens
