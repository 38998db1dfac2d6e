#include "cache/file_identity.h"

#include <tuple>

namespace zuvediv {

bool FileIdentity::operator==(const FileIdentity& o) const {
    return std::tie(path, size, mtime_ns, ctime_ns, inode, device) ==
           std::tie(o.path, o.size, o.mtime_ns, o.ctime_ns, o.inode, o.device);
}

}  // namespace zuvediv
