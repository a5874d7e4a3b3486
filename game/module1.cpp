#include "module1.h"

namespace game {

Module1& state() {
    static Module1 record;
    return record;
}

} // namespace game
