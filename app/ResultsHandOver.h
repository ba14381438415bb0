// Where the program shows the results of a text run: the results page takes
// the figures and becomes the chapter container's left page. Start-up
// installs this as the program's result sink; the command-line exercise run
// hands it to its event directly.
#pragma once

#include "analysis/TRunResults.h"

#include <optional>

void ShowOnResultsPage(const std::optional<TRunResults>& Scored);
