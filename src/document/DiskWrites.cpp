#include "DiskWrites.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace folia {
namespace {

int openPath(const QString& path, int flags) {
    int file;
    do {
        file = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC, 0644);
    } while (file < 0 && errno == EINTR);
    return file;
}

class SystemDisk final : public DiskWrites {
public:
    int create(const QString& path) override {
        return openPath(path, O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW);
    }

    int openExisting(const QString& path) override {
        // Without blocking: a pipe standing at the path would wait for a reader.
        const int file = openPath(path, O_WRONLY | O_NONBLOCK);
        if (file < 0) return -1;
        struct stat status;
        if (::fstat(file, &status) == 0 && S_ISREG(status.st_mode)) return file;
        ::close(file);
        errno = EINVAL; // a device or a pipe
        return -1;
    }

    bool writeAt(int file, qint64 offset, const char* data, qint64 length) override {
        while (length > 0) {
            const ssize_t written = ::pwrite(file, data, size_t(length), off_t(offset));
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) return false;
            data += written;
            offset += written;
            length -= written;
        }
        return true;
    }

    bool sync(int file) override { return ::fsync(file) == 0; }

    void close(int file) override { ::close(file); }

    bool remove(const QString& path) override {
        return ::unlink(QFile::encodeName(path).constData()) == 0 || errno == ENOENT;
    }

    bool syncFolder(const QString& folder) override {
        const int handle = openPath(folder, O_RDONLY | O_DIRECTORY);
        if (handle < 0) return false;
        const bool synced = ::fsync(handle) == 0;
        const int error = errno;
        ::close(handle);
        errno = error;
        return synced;
    }
};

} // namespace

DiskWrites& systemDisk() {
    static SystemDisk disk;
    return disk;
}

} // namespace folia
