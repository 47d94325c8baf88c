// The PC speaker, driven by channel 2 of the 8254 (gate and output through
// port 61h).
#pragma once

// A short tone of about a tenth of a second.
void SpeakerBeep();
