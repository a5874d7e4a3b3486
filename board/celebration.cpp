#include "main.h"

namespace board {

void main::Win_Score() {}
void main::Timer2_Timer() {}

} // namespace board
