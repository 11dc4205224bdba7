#pragma once

#include <QString>

namespace folia {

// The file operations of a write in place, each of which either reaches the file or fails
// with errno set. The cache's journal works through this port so that tests can put a
// layer in between that stops the write after any of them.
class DiskWrites {
public:
    virtual ~DiskWrites() = default;

    // A new, empty file for reading and writing at the path, where nothing stood.
    // -1 on failure.
    virtual int create(const QString& path) = 0;
    // The regular file at the path, opened for reading and writing without being changed
    // or created. -1 on failure, and for anything but a regular file.
    virtual int openExisting(const QString& path) = 0;
    // Reads all the bytes at the offset.
    virtual bool readAt(int file, qint64 offset, char* data, qint64 length) = 0;
    // Writes all the bytes at the offset.
    virtual bool writeAt(int file, qint64 offset, const char* data, qint64 length) = 0;
    // Cuts or lengthens the file to `length` bytes.
    virtual bool truncate(int file, qint64 length) = 0;
    // Lets the system drop what it holds of that part of the file in memory (nothing is
    // lost: the file's bytes are on the disk).
    virtual void forget(int file, qint64 offset, qint64 length) = 0;
    // Returns once what was written to the file, and its length, are on the disk.
    virtual bool sync(int file) = 0;
    virtual void close(int file) = 0;
    // A missing file counts as removed.
    virtual bool remove(const QString& path) = 0;
    // Returns once the files created and removed in the folder are so on the disk.
    virtual bool syncFolder(const QString& folder) = 0;
};

// The operating system's files.
DiskWrites& systemDisk();

} // namespace folia
