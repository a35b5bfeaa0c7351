#pragma once

#include "audio/AudioEngine.h"

#include <vector>

// Takes all of `range` in pieces of `piece` frames, as an output would: `pauseUs` apart,
// or as fast as the reader fills it.
std::vector<float> drain(PlayRange& range, qint64 piece = 1000, int pauseUs = 0);
