// The controls over the common controls that show a value within a range
// (track bar, up-down, progress bar), for code that uses several of them;
// each has its own header.
#pragma once

#include "toolkit/ProgressBar.h"
#include "toolkit/TrackBar.h"
#include "toolkit/UpDown.h"
