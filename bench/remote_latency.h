#pragma once

// Prints the phone remote's latencies on the loopback: phone to board and board to phone.
void measureRemoteLatency();
