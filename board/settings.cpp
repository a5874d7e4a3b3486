#include "main.h"

namespace board {

void main::Command3_Click() {}
void main::Command4_Click() {}
void main::Command5_Click() {}
void main::Command6_Click() {}
void main::Command2_Click() {}
void main::Label7_Click() {}

} // namespace board
