#pragma once

namespace zuvediv {

// In a worker after fork: keeps freed memory for the next page instead of
// handing it back to the system and faulting it in again.
void keep_freed_memory();

}  // namespace zuvediv
