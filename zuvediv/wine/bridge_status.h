#pragma once
// Under Wine a Windows program cannot wait for a native process, nor give it
// a standard error. When the console bridge (Zuvediv.exe) starts the tool it
// names a status file in ZUVEDIV_STATUS_FILE; the tool writes its pid there
// at start and its exit status at the end, and sends standard error to
// standard output, which the bridge follows.
#include <string>

namespace zuvediv {

class BridgeStatus {
public:
    BridgeStatus();  // does nothing unless ZUVEDIV_STATUS_FILE is set
    void finish(int exit_code);

private:
    std::string path_;
};

}  // namespace zuvediv
