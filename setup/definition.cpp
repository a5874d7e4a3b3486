#include "FRMlogo.h"

namespace setup {

void FRMlogo::defineControls() {}
void FRMlogo::connectEvents() {}

} // namespace setup
