#pragma once
// The window's search clock is the Qt-free one the command line uses too.

#include "game/time_source_search_clock.h"
