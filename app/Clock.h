#pragma once
// The clock a calculation counts the minutes to.
#include "runtime/TimeParse.h"

#include <functional>

namespace velkaro {

using TClock = std::function<TimeOfDay()>;

// The local time of the system's clock.
TimeOfDay SystemClock();

// The clock the program runs with: the system's, unless the environment variable
// VELKARO_FIXED_CLOCK holds a time of day "HH:MM" for the clock to stand at. The end-to-end tests
// set it to know the minute a calculation counts to.
TClock ProgramClock();

} // namespace velkaro
