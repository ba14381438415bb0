// Start-up measurement: with CLAVORA_STARTUP_PROBE set in the environment,
// the program writes one line to standard error when the book's cover has
// been painted for the first time:
//   clavora-startup: cover-painted rss_kb=<resident memory in KiB>
#pragma once

class QWidget;

void InstallStartupProbe(QWidget* Window);
