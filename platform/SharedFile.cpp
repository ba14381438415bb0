#include "platform/SharedFile.h"

#include "platform/FileNames.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Marker bytes, one terabyte into the file where no data of ours ever lies.
// Every open holds a read lock on the markers that describe it: what it does
// (reads, writes) and what it forbids others (deny read, deny write). A new
// open asks whether anyone else holds the markers it clashes with. The gate
// is write-locked for the few calls of check-and-take, so that two opens
// cannot both pass the check before either has taken its markers.
constexpr off_t GateByte = off_t(1) << 40;
constexpr off_t ReadersByte = GateByte + 1;
constexpr off_t WritersByte = GateByte + 2;
constexpr off_t DenyReadByte = GateByte + 3;
constexpr off_t DenyWriteByte = GateByte + 4;

int LockByte(int Fd, short Type, off_t Byte) {
    struct flock Lock {};
    Lock.l_type = Type;
    Lock.l_whence = SEEK_SET;
    Lock.l_start = Byte;
    Lock.l_len = 1;
    Lock.l_pid = 0;
    for (;;) {
        if (fcntl(Fd, F_OFD_SETLK, &Lock) == 0) return 0;
        if (errno != EINTR) return errno;
    }
}

// True when an open other than Fd's holds any lock on the byte (a failed
// test counts as held, so doubt refuses rather than grants).
bool HeldByOthers(int Fd, off_t Byte) {
    struct flock Probe {};
    Probe.l_type = F_WRLCK;
    Probe.l_whence = SEEK_SET;
    Probe.l_start = Byte;
    Probe.l_len = 1;
    Probe.l_pid = 0;
    if (fcntl(Fd, F_OFD_GETLK, &Probe) != 0) return true;
    return Probe.l_type != F_UNLCK;
}

// Takes the sharing markers for one open; 0 or an errno (EBUSY on a clash).
int TakeShare(int Fd, bool Gated, TFileAccess Access, TFileShare Share) {
    const bool Reads = Access != TFileAccess::Write;
    const bool Writes = Access != TFileAccess::Read;
    const bool DenyRead = Share == TFileShare::DenyAll;
    const bool DenyWrite = Share != TFileShare::DenyNone;

    // The gate is held for microseconds; should its holder be stuck (stopped
    // in a debugger), go on without it after a second rather than hang: the
    // order below is safe without the gate too.
    for (int Try = 0; Gated; ++Try) {
        if (LockByte(Fd, F_WRLCK, GateByte) == 0) break;
        if (Try == 1000)
            Gated = false;
        else
            usleep(1000);
    }
    // Take our markers first and check afterwards: even an open that could not
    // take the gate (a file we may only read) then never passes together with
    // a clashing one; at worst both are refused and their callers retry.
    int Err = 0;
    const off_t Mine[] = {Reads ? ReadersByte : -1, Writes ? WritersByte : -1,
                          DenyRead ? DenyReadByte : -1, DenyWrite ? DenyWriteByte : -1};
    for (off_t Byte : Mine)
        if (Byte >= 0 && !Err) Err = LockByte(Fd, F_RDLCK, Byte);
    if (!Err) {
        const bool Clash = (Reads && HeldByOthers(Fd, DenyReadByte)) ||
                           (Writes && HeldByOthers(Fd, DenyWriteByte)) ||
                           (DenyRead && HeldByOthers(Fd, ReadersByte)) ||
                           (DenyWrite && HeldByOthers(Fd, WritersByte));
        if (Clash) Err = EBUSY;
    }
    if (Err == EAGAIN || Err == EACCES) Err = EBUSY;
    if (Err) {
        for (off_t Byte : Mine)
            if (Byte >= 0) LockByte(Fd, F_UNLCK, Byte);
    }
    if (Gated) LockByte(Fd, F_UNLCK, GateByte);
    return Err;
}

} // namespace

TSharedFile::~TSharedFile() {
    Close();
}

int TSharedFile::Open(const std::string& Name, TFileAccess Access, TFileShare Share) {
    return OpenWith(Name, 0, Access, Share, false);
}

int TSharedFile::Create(const std::string& Name, TFileShare Share) {
    return OpenWith(Name, O_CREAT, TFileAccess::ReadWrite, Share, true);
}

int TSharedFile::OpenAppend(const std::string& Name) {
    return OpenWith(Name, O_APPEND, TFileAccess::Write, TFileShare::DenyWrite, false);
}

int TSharedFile::OpenWith(const std::string& Name, int Flags, TFileAccess Access, TFileShare Share,
                          bool Truncate) {
    Close();
    // Reading finds the file in either layer of the program directory;
    // writing always goes to the learner's own layer.
    const std::string Path =
        Access == TFileAccess::Read ? ResolveFileName(Name) : ResolveForWriting(Name);
    if (Path.empty()) return ENOENT;
    // The markers are read locks, which need a descriptor open for reading,
    // and the gate is a write lock, which needs one open for writing; so even
    // a read-only open asks for both and settles for reading when the file or
    // its file system allows no more. Non-blocking, so that a pipe under the
    // name cannot hang the open.
    const int Common = O_CLOEXEC | O_NONBLOCK | Flags;
    bool Gated = true;
    int Fd = open(Path.c_str(), O_RDWR | Common, 0666);
    if (Fd < 0 && Access == TFileAccess::Read &&
        (errno == EACCES || errno == EROFS || errno == EPERM || errno == ETXTBSY)) {
        Fd = open(Path.c_str(), O_RDONLY | Common);
        Gated = false;
    }
    if (Fd < 0) return errno;

    struct stat St;
    int Err = 0;
    if (fstat(Fd, &St) != 0)
        Err = errno;
    else if (S_ISDIR(St.st_mode))
        Err = EISDIR;
    else if (!S_ISREG(St.st_mode))
        Err = EINVAL;
    if (!Err && fcntl(Fd, F_SETFL, fcntl(Fd, F_GETFL) & ~O_NONBLOCK) != 0) Err = errno;
    if (!Err) Err = TakeShare(Fd, Gated, Access, Share);
    if (!Err && Truncate && ftruncate(Fd, 0) != 0) Err = errno;
    if (Err) {
        close(Fd);
        return Err;
    }
    FFd = Fd;
    FAccess = Access;
    FWritten = false;
    return 0;
}

long long TSharedFile::Read(void* Buffer, size_t Count) {
    if (FFd < 0 || FAccess == TFileAccess::Write) return -1;
    size_t Done = 0;
    while (Done < Count) {
        const ssize_t N = read(FFd, static_cast<char*>(Buffer) + Done, Count - Done);
        if (N < 0 && errno == EINTR) continue;
        if (N < 0) return -1;
        if (N == 0) break;
        Done += size_t(N);
    }
    return static_cast<long long>(Done);
}

long long TSharedFile::ReadAt(void* Buffer, size_t Count, int64_t Offset) {
    if (FFd < 0 || Offset < 0 || FAccess == TFileAccess::Write) return -1;
    size_t Done = 0;
    while (Done < Count) {
        const ssize_t N =
            pread(FFd, static_cast<char*>(Buffer) + Done, Count - Done, off_t(Offset + Done));
        if (N < 0 && errno == EINTR) continue;
        if (N < 0) return -1;
        if (N == 0) break;
        Done += size_t(N);
    }
    return static_cast<long long>(Done);
}

long long TSharedFile::Write(const void* Buffer, size_t Count) {
    // The descriptor may allow more than the open asked for (see OpenWith);
    // the open's own access is what counts.
    if (FFd < 0 || FAccess == TFileAccess::Read) return -1;
    size_t Done = 0;
    while (Done < Count) {
        const ssize_t N = write(FFd, static_cast<const char*>(Buffer) + Done, Count - Done);
        if (N < 0 && errno == EINTR) continue;
        if (N <= 0) break;
        Done += size_t(N);
        FWritten = true;
    }
    if (Done == 0 && Count > 0) return -1;
    return static_cast<long long>(Done);
}

bool TSharedFile::Seek(int64_t Offset) {
    if (FFd < 0 || Offset < 0) return false;
    return lseek(FFd, off_t(Offset), SEEK_SET) == off_t(Offset);
}

int64_t TSharedFile::Length() const {
    struct stat St;
    if (FFd < 0 || fstat(FFd, &St) != 0) return -1;
    return St.st_size;
}

int TSharedFile::Close() {
    if (FFd < 0) return 0;
    int Err = 0;
    if (FWritten && fsync(FFd) != 0) Err = errno;
    // The descriptor is gone after close() even when it reports an error, so
    // it is never closed twice.
    if (close(FFd) != 0 && !Err) Err = errno;
    FFd = -1;
    FWritten = false;
    return Err;
}

TMappedView::TMappedView(int Fd, size_t Length) {
    if (Fd < 0 || Length == 0) return;
    void* Address = mmap(nullptr, Length, PROT_READ, MAP_SHARED, Fd, 0);
    if (Address == MAP_FAILED) return;
    // The scan reads front to back.
    madvise(Address, Length, MADV_SEQUENTIAL);
    FData = static_cast<const unsigned char*>(Address);
    FLength = Length;
}

TMappedView::~TMappedView() {
    if (FData) munmap(const_cast<unsigned char*>(FData), FLength);
}
