#pragma once

// Everything the game plays: the channel banks, the cues and the combat sound queue.
#include "model/SoundState.hpp"
#include "sound/CombatSounds.hpp"
#include "sound/SoundChannels.hpp"
#include "sound/SoundCues.hpp"
