#pragma once
// Poppler sets up fonts, colour management and its character tables when a
// document first opens (slow, and not thread-safe), and drops them again
// when the last open document closes. Each worker warms it up once as it
// starts, before its first document, so that no document's time limit pays
// for it, and keeps the warm-up document open for as long as it lives, so
// that the set-up is not done again for every document.
#include <memory>

namespace zuvediv {

void send_poppler_messages_to_standard_error();

class WarmPoppler {
public:
    explicit WarmPoppler(bool with_rendering);
    ~WarmPoppler();
    WarmPoppler(const WarmPoppler&) = delete;
    WarmPoppler& operator=(const WarmPoppler&) = delete;

private:
    struct KeptDocument;
    std::unique_ptr<KeptDocument> kept_;
};

}  // namespace zuvediv
