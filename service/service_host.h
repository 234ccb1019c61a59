// Runs the service the way the service manager expects: the service thread
// starts it and runs its request loop, the main thread runs the timer,
// SIGTERM and SIGINT are the stop request.
#pragma once

#include "platform/clock.h"

namespace spr {

// Runs the service until it is stopped. Returns the process's exit status:
// 0 after a stop request, 1 after a failed start.
int RunServiceHost(Clock& clock);

}  // namespace spr
