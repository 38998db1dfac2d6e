#pragma once
// Poppler sets up fonts and colour management on first use, which is slow
// and not thread-safe. Doing it once in the coordinator lets every worker
// process start with it done.
namespace zuvediv {

void send_poppler_messages_to_standard_error();
void warm_up_poppler(bool with_rendering);

}  // namespace zuvediv
