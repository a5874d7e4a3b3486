#include "FRMlogo.h"

namespace setup {

void FRMlogo::Team_Click(Int16) {}
void FRMlogo::Text1_KeyDown(int, int) {}

} // namespace setup
