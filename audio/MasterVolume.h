#pragma once

// The loudness of everything the game plays: the OpenAL listener's gain,
// from 0 (silent) to 100 percent (the sounds as recorded). Kept while no
// audio device is open and given to the device when one opens.
void setMasterVolume(int percent);
int masterVolume();

// Gives the kept volume to the current OpenAL context (openAudio does).
void applyMasterVolume();
