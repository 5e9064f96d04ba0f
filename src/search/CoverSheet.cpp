#include "search/CoverSheet.h"

namespace tlm::screens {

CoverSheet::CoverSheet(Program& program) : Screen(program) { resize(800, 600); }

} // namespace tlm::screens
