#include "app/safe_file.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace {

// Creates a new file of a unique hidden name in the folder of `path` and returns its descriptor, or -1.
// The file is created with mode 0666, so the process umask alone decides its permissions, as for any
// file the user writes; the umask is never changed, which other threads may rely on at the same time.
int CreateTemporary(const std::string& path, std::string& temp) {
    // A short name in the same folder: the rename then stays on one file system, and a target name near
    // the length limit still leaves room for the temporary one.
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device seed;
    std::mt19937 pick(seed());
    std::uniform_int_distribution<size_t> letter(0, sizeof kLetters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = folder + ".save-";
        for (int i = 0; i < 6; ++i)
            temp += kLetters[letter(pick)];
        const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

bool WriteFileReplacing(const std::string& path, const std::string& bytes) {
    std::string temp;
    const int fd = CreateTemporary(path, temp);
    if (fd < 0)
        return false;
    bool ok = true;
    size_t done = 0;
    while (ok && done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n > 0)
            done += static_cast<size_t>(n);
        else if (!(n < 0 && errno == EINTR))
            ok = false;
    }
    ok = ok && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (ok)
        ok = std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok)
        std::remove(temp.c_str());
    return ok;
}
