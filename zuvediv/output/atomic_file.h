#pragma once
// A file written beside its final name and renamed into place on commit,
// so a failed run leaves any previous file untouched and never half a
// file. Nor does a run that is killed: on Linux the file has no name until
// the commit (where the file system allows), on Windows it is marked for
// deletion, which the system carries out when the process ends, until then.
#include <memory>
#include <string>
#include <string_view>

namespace zuvediv {

class AtomicFile {
public:
    AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile();  // discards what was not committed

    // Returns an empty string on success, else the reason.
    std::string open(const std::string& path);
    bool write(std::string_view bytes);
    std::string commit();
    bool is_open() const;

private:
    struct State;  // the platform's
    std::unique_ptr<State> state_;
};

}  // namespace zuvediv
