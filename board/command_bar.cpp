#include "main.h"

#include "platform/program.h"

namespace board {

void main::Command1_Click(Int16 index) {
    switch (index) {
    case 4:
        platform::endProgram();
        break;
    default:
        break;
    }
}

} // namespace board
