#include "main.h"

namespace board {

void main::Save_Team() {}

} // namespace board
