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

// Repeats a read or a write until all its bytes are through; a read that meets the end of
// the file fails.
template <typename Transfer, typename Bytes>
bool whole(Transfer transfer, int file, qint64 offset, Bytes* data, qint64 length) {
    while (length > 0) {
        const ssize_t done = transfer(file, data, size_t(length), off_t(offset));
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) {
            if (done == 0) errno = EIO;
            return false;
        }
        data += done;
        offset += done;
        length -= done;
    }
    return true;
}

class SystemDisk final : public DiskWrites {
public:
    int create(const QString& path) override {
        return openPath(path, O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW);
    }

    int openExisting(const QString& path) override {
        // Without blocking: a pipe standing at the path would wait for a reader.
        const int file = openPath(path, O_RDWR | O_NONBLOCK);
        if (file < 0) return -1;
        struct stat status;
        if (::fstat(file, &status) == 0 && S_ISREG(status.st_mode)) return file;
        ::close(file);
        errno = EINVAL; // a device or a pipe
        return -1;
    }

    bool readAt(int file, qint64 offset, char* data, qint64 length) override {
        return whole(::pread, file, offset, data, length);
    }

    bool writeAt(int file, qint64 offset, const char* data, qint64 length) override {
        return whole(::pwrite, file, offset, data, length);
    }

    bool truncate(int file, qint64 length) override {
        int result;
        do {
            result = ::ftruncate(file, off_t(length));
        } while (result != 0 && errno == EINTR);
        return result == 0;
    }

    void forget(int file, qint64 offset, qint64 length) override {
        ::posix_fadvise(file, off_t(offset), off_t(length), POSIX_FADV_DONTNEED);
    }

    // The file's data and what is needed to read it back, its length included; not its
    // times, which would cost a second flush of the disk.
    bool sync(int file) override { return ::fdatasync(file) == 0; }

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
