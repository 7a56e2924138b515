#pragma once

// The game's one OpenAL device and context, opened through ALUT by the
// first sound owner and closed when the game ends.
//
// Without a usable device the game plays silently: the first owner finds
// out, one line on standard error says so, and every owner after it skips
// its set-up.
bool openAudio();

// Closes the context and the device, so that OpenAL finds nothing left
// open when the process exits. A later openAudio opens them again.
void closeAudio();
