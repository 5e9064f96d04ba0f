#include "search/AssetReport.h"

namespace tlm::screens {

AssetReport::AssetReport(Program& program) : Screen(program) { resize(800, 600); }

} // namespace tlm::screens
