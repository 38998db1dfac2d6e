#pragma once
// Poppler sets up fonts and colour management on first use, which is slow
// and not thread-safe: each worker does it once as it starts, before its
// first document, so that no document's time limit pays for it.
namespace zuvediv {

void send_poppler_messages_to_standard_error();
void warm_up_poppler(bool with_rendering);

}  // namespace zuvediv
