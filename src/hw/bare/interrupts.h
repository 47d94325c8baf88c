// The bare machine's interrupt table and interrupt controllers.  Every
// processor exception prints one line naming it and where it happened, and
// ends the run; the two 8259s are moved off the exception vectors and all
// their lines masked, so that STI lets nothing in.
#pragma once

void SetupInterrupts();
