// Opening a record file that other copies of the program share over the
// network: an open that another copy's sharing mode refuses is tried again
// for a while, with the window kept answering, before the learner is asked
// whether to go on waiting.
#pragma once

#include "files/TRecFile.h"

#include <chrono>
#include <cstdint>
#include <string>

// Opens the existing file Name with the sharing Share (a TRecFile share).
// A refused open is tried again 14 times, 200 ms apart, processing window
// messages meanwhile; then the learner is asked "The network is busy ...";
// Yes starts again. Giving up logs TimeOutError (when not 0) with Context
// and returns -2. A file that cannot open however long we wait (no rights,
// a read-only disk) gives up at once. Returns File's status: 1 when open,
// -1 when it does not exist, -2 when refused.
int32_t OpenWhenFree(TRecFile& File, const std::string& Name, int Share, bool ForWriting,
                     int32_t TimeOutError, const std::string& Context);

// Tests: the pause between two tries (200 ms).
void SetBusyRetryInterval(std::chrono::milliseconds Interval);
std::chrono::milliseconds BusyRetryInterval();
