#include "FRMlogo.h"

namespace setup {

void FRMlogo::Form_Load() {
    Team_Ready = false;
    Load_Busy = false;
    Data_Loaded = false;
}
void FRMlogo::Cmd_Click(Int16) {}
void FRMlogo::Preset_Team() {}
void FRMlogo::Reset_Team() {}
void FRMlogo::Set_Team() {}

} // namespace setup
