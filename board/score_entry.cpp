#include "main.h"

namespace board {

void main::Team_CMD_MouseDown(Int16, int, int, float, float) {}
void main::Text1_KeyDown(int, int) {}
void main::Team_Label_GotFocus(Int16) {}

} // namespace board
