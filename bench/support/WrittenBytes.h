#pragma once

#include <fstream>
#include <string>

namespace folia::bench {

// The bytes this process, all its threads included, has had written to the disk so far:
// write_bytes of /proc/self/io, which counts what reaches the disk, not what was asked.
inline double writtenBytes() {
    std::ifstream io("/proc/self/io");
    std::string key;
    double value = 0;
    while (io >> key >> value)
        if (key == "write_bytes:") return value;
    return 0;
}

} // namespace folia::bench
