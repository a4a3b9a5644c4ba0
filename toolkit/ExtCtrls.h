// Panels, timers and date-time pickers, for code that uses several of them;
// each has its own header.
#pragma once

#include "toolkit/DateTimePicker.h"
#include "toolkit/Panel.h"
#include "toolkit/Timer.h"
