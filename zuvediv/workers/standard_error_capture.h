#pragma once
// A worker's standard error goes to a file of its own, so that what the
// libraries print there never reaches the user's console and can be judged
// after each document (see library_messages.h).
#include "workers/library_messages.h"

namespace zuvediv {

// In a worker, once. False when no file could be made: the messages then
// go where they went before.
bool capture_standard_error();
// What was printed since the last call, and forgets it.
LibraryMessages take_library_messages();

}  // namespace zuvediv
