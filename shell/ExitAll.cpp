#include "shell/ExitAll.h"

#include "shell/Runtime.h"
#include "shell/SoundCues.h"

namespace pelmaroos::shell {

void ExitAll(Runtime &runtime)
{
    // Screens never used are created only to be unloaded: nothing loads, so nothing resets or plays.
    for (ScreenName name : exitOrder)
        runtime.screen(name).unload();
    PlayCue(runtime, cues::doh);
}

} // namespace pelmaroos::shell
