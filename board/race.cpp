#include "main.h"

namespace board {

void main::Computer_Score() {}
void main::Timer1_Timer() {}
void main::Running(Int16) {}
void main::Over_Computer() {}

} // namespace board
