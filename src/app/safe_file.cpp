#include "app/safe_file.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool WriteFileReplacing(const std::string& path, const std::string& bytes) {
    // A short hidden name in the same folder: the rename then stays on one file system, and a target
    // name near the length limit still leaves room for the temporary one.
    const size_t slash = path.rfind('/');
    std::string temp =
        (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + ".save-XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0)
        return false;
    bool ok = true;
    size_t done = 0;
    while (ok && done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n > 0)
            done += static_cast<size_t>(n);
        else
            ok = false;
    }
    ok = ok && fsync(fd) == 0;
    // mkstemp creates the file private; the result should be as readable as any file the user writes.
    const mode_t mask = umask(0);
    umask(mask);
    ok = fchmod(fd, 0666 & ~mask) == 0 && ok;
    ok = close(fd) == 0 && ok;
    if (ok)
        ok = std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok)
        std::remove(temp.c_str());
    return ok;
}
