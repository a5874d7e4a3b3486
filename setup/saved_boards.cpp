#include "FRMlogo.h"

namespace setup {

void FRMlogo::List1_Click() {}
void FRMlogo::Load_Data() {}
void FRMlogo::Set_SCR() {}
void FRMlogo::Del_Data() {}

} // namespace setup
