#include "panel/panel_row.h"

namespace velmo {

// Out of line, so that the class's virtual table has one home.
BuiltTrainer::~BuiltTrainer() = default;

} // namespace velmo
