// What the chapter container shows after an event: the one place that
// decides it. Start-up installs ShowPageAfterEvent as the after-event hook
// (engine/ui/RunEvent.h), so every event, whoever runs it, ends here.
//
// A page the event asked for (a game's top-ten list, the wizard's results)
// follows it; otherwise a measured run's figures go to the results page,
// which follows. An event that leaves neither changes nothing, so a message
// after a text keeps the text's results on show.
#pragma once

#include "engine/ui/TEvent.h"

void ShowPageAfterEvent(const TEventRecord& Record);
