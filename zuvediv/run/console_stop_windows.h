#pragma once
// Ctrl+C, Ctrl+Break and closing the console window end a run at once. No
// list is left: it is written to a file marked for deletion until it is
// complete, and the system removes such a file with the process. The
// workers are ended through the Job object that holds them.
namespace zuvediv {

void stop_at_console_signals();

}  // namespace zuvediv
