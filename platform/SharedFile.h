// An open file with a sharing mode, as several copies of the program on a
// network expect: each open states what it does (read, write or both) and what
// it lets other opens of the same file do at the same time. An open whose
// wishes clash with an open that is already there is refused, also between
// two opens in the same process.
//
// The modes are kept with open-file-description locks on marker bytes far
// beyond any real data, so they never touch the file's contents, work between
// processes and over NFS, and vanish when the file is closed or the process
// ends. Every name goes through ResolveFileName.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

enum class TFileAccess { Read, Write, ReadWrite };

enum class TFileShare {
    DenyWrite, // others may read, not write
    DenyAll,   // no one else may open the file at all
    DenyNone,  // others may read and write
};

class TSharedFile {
public:
    TSharedFile() = default;
    ~TSharedFile();
    TSharedFile(const TSharedFile&) = delete;
    TSharedFile& operator=(const TSharedFile&) = delete;

    // Opens an existing ordinary file. Returns 0 or an errno value: ENOENT when
    // it does not exist, EBUSY when the sharing modes clash, others as the
    // system reports them (EACCES, EISDIR...).
    int Open(const std::string& Name, TFileAccess Access, TFileShare Share);
    // Creates the file, or empties an existing one once its sharing mode has
    // been granted (a refused create leaves the old contents alone). Read-write.
    int Create(const std::string& Name, TFileShare Share = TFileShare::DenyAll);
    // Opens an existing file write-only for appending; others may read, not write.
    int OpenAppend(const std::string& Name);

    bool IsOpen() const { return FFd >= 0; }
    int Handle() const { return FFd; }

    // Reads and writes fail (-1) where the open's access does not allow them.
    // Reads up to Count bytes at the current offset, retrying short reads until
    // the end of the file. Returns the bytes read, or -1 on a system failure.
    long long Read(void* Buffer, size_t Count);
    // The same at a given offset; the current offset does not move.
    long long ReadAt(void* Buffer, size_t Count, int64_t Offset);
    // Writes Count bytes at the current offset (at the end in append mode).
    // Returns the bytes written (fewer on a full disk), or -1.
    long long Write(const void* Buffer, size_t Count);
    bool Seek(int64_t Offset);
    // The file's length now, or -1.
    int64_t Length() const;

    // Closes the file, first syncing it to disk when anything was written.
    // Returns 0 or the errno of a failed sync or close. A closed file does nothing.
    int Close();

private:
    int OpenWith(const std::string& Name, int Flags, TFileAccess Access, TFileShare Share,
                 bool Truncate);

    int FFd = -1;
    TFileAccess FAccess = TFileAccess::Read;
    bool FWritten = false;
};

// A read-only view of the first bytes of an open file, for scanning without
// copying. Empty when the system cannot map the file (then read it instead).
// The file must not shrink while the view lives: map only files opened so
// that no one else may write them.
class TMappedView {
public:
    TMappedView(int Fd, size_t Length);
    ~TMappedView();
    TMappedView(const TMappedView&) = delete;
    TMappedView& operator=(const TMappedView&) = delete;

    bool Valid() const { return FData != nullptr; }
    const unsigned char* Data() const { return FData; }
    size_t Length() const { return FLength; }

private:
    const unsigned char* FData = nullptr;
    size_t FLength = 0;
};
