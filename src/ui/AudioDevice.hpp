#pragma once

// Whether the default audio output can be opened, tried once at start-up. Without a device the
// audio library reports a failure for every call a sound or the music stream makes, thousands a
// second, so the game then plays on in silence and says so in one line on the error stream.
bool detectAudioDevice();
