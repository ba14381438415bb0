#include "platform/FileNames.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool PathPresent(const std::string& Path) {
    struct stat St;
    return lstat(Path.c_str(), &St) == 0;
}

std::string Join(const std::string& Folder, const std::string& Name) {
    if (Folder.empty()) return Name;
    if (Folder.back() == '/') return Folder + Name;
    return Folder + "/" + Name;
}

// The entry of Folder whose name equals Name without regard to case; the
// smallest such name when there are several, so the choice is stable.
bool FindInFolder(const std::string& Folder, const std::string& Name, std::string& Found) {
    DIR* Dir = opendir(Folder.empty() ? "." : Folder.c_str());
    if (!Dir) return false;
    bool Any = false;
    while (dirent* Entry = readdir(Dir)) {
        const std::string Candidate = Entry->d_name;
        if (!SameFileName(Candidate, Name)) continue;
        if (!Any || Candidate < Found) Found = Candidate;
        Any = true;
    }
    closedir(Dir);
    return Any;
}

bool LessNoCase(const std::string& A, const std::string& B) {
    const size_t N = std::min(A.size(), B.size());
    for (size_t I = 0; I < N; ++I) {
        const unsigned char X = Latin1Case::Lower(static_cast<unsigned char>(A[I]));
        const unsigned char Y = Latin1Case::Lower(static_cast<unsigned char>(B[I]));
        if (X != Y) return X < Y;
    }
    if (A.size() != B.size()) return A.size() < B.size();
    return A < B;
}

// Copies an ordinary file to a new name (which must not exist) and syncs it.
bool CopyFileData(const std::string& From, const std::string& To) {
    const int In = open(From.c_str(), O_RDONLY | O_CLOEXEC);
    if (In < 0) return false;
    struct stat St;
    if (fstat(In, &St) != 0 || !S_ISREG(St.st_mode)) {
        close(In);
        errno = EINVAL;
        return false;
    }
    const int Out = open(To.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, St.st_mode & 07777);
    if (Out < 0) {
        const int Err = errno;
        close(In);
        errno = Err;
        return false;
    }
    bool Ok = true;
    char Buffer[65536];
    for (;;) {
        const ssize_t N = read(In, Buffer, sizeof Buffer);
        if (N < 0 && errno == EINTR) continue;
        if (N <= 0) {
            Ok = N == 0;
            break;
        }
        for (ssize_t Done = 0; Ok && Done < N;) {
            const ssize_t W = write(Out, Buffer + Done, size_t(N - Done));
            if (W < 0 && errno == EINTR) continue;
            if (W <= 0)
                Ok = false;
            else
                Done += W;
        }
        if (!Ok) break;
    }
    int Err = Ok ? 0 : errno;
    if (Ok && fsync(Out) != 0) {
        Ok = false;
        Err = errno;
    }
    if (close(Out) != 0 && Ok) {
        Ok = false;
        Err = errno;
    }
    close(In);
    if (!Ok) {
        unlink(To.c_str());
        errno = Err ? Err : EIO;
    }
    return Ok;
}

} // namespace

bool SameFileName(const std::string& A, const std::string& B) {
    if (A.size() != B.size()) return false;
    for (size_t I = 0; I < A.size(); ++I)
        if (Latin1Case::Lower(static_cast<unsigned char>(A[I])) !=
            Latin1Case::Lower(static_cast<unsigned char>(B[I])))
            return false;
    return true;
}

std::string ResolveFileName(const std::string& Name) {
    std::string Mapped = Name;
    std::replace(Mapped.begin(), Mapped.end(), '\\', '/');
    if (Mapped.empty() || PathPresent(Mapped)) return Mapped;

    std::string Resolved = Mapped[0] == '/' ? "/" : "";
    bool Lost = false;
    size_t Start = 0;
    while (Start <= Mapped.size()) {
        size_t End = Mapped.find('/', Start);
        if (End == std::string::npos) End = Mapped.size();
        const std::string Part = Mapped.substr(Start, End - Start);
        Start = End + 1;
        if (Part.empty()) continue;
        if (Lost || Part == "." || Part == "..") {
            Resolved = Join(Resolved, Part);
            continue;
        }
        const std::string Exact = Join(Resolved, Part);
        if (PathPresent(Exact)) {
            Resolved = Exact;
            continue;
        }
        std::string Found;
        if (FindInFolder(Resolved, Part, Found)) {
            Resolved = Join(Resolved, Found);
        } else {
            Lost = true;
            Resolved = Exact;
        }
    }
    if (Mapped.size() > 1 && Mapped.back() == '/' && !Resolved.empty() && Resolved.back() != '/')
        Resolved += '/';
    return Resolved;
}

bool FileExists(const std::string& Name) {
    if (Name.empty()) return false;
    struct stat St;
    return stat(ResolveFileName(Name).c_str(), &St) == 0 && S_ISREG(St.st_mode);
}

bool DirectoryExists(const std::string& Name) {
    if (Name.empty()) return false;
    struct stat St;
    return stat(ResolveFileName(Name).c_str(), &St) == 0 && S_ISDIR(St.st_mode);
}

bool MatchesMask(const std::string& Name, const std::string& Mask) {
    if (Mask == "*.*") return true;
    // Greedy matching with one back-tracking point: linear in practice and
    // never exponential, whatever the mask.
    size_t N = 0, M = 0;
    size_t StarM = std::string::npos, StarN = 0;
    while (N < Name.size()) {
        if (M < Mask.size() && Mask[M] == '*') {
            StarM = M++;
            StarN = N;
        } else if (M < Mask.size() &&
                   (Mask[M] == '?' || Latin1Case::Lower(static_cast<unsigned char>(Mask[M])) ==
                                          Latin1Case::Lower(static_cast<unsigned char>(Name[N])))) {
            ++M;
            ++N;
        } else if (StarM != std::string::npos) {
            M = StarM + 1;
            N = ++StarN;
        } else {
            return false;
        }
    }
    while (M < Mask.size() && Mask[M] == '*')
        ++M;
    return M == Mask.size();
}

std::vector<std::string> ListFiles(const std::string& Mask) {
    std::string Mapped = Mask;
    std::replace(Mapped.begin(), Mapped.end(), '\\', '/');
    std::string Folder;
    std::string Pattern = Mapped;
    const size_t Slash = Mapped.rfind('/');
    if (Slash != std::string::npos) {
        Folder = Slash == 0 ? "/" : ResolveFileName(Mapped.substr(0, Slash));
        Pattern = Mapped.substr(Slash + 1);
    }
    std::vector<std::string> Names;
    DIR* Dir = opendir(Folder.empty() ? "." : Folder.c_str());
    if (!Dir) return Names;
    while (dirent* Entry = readdir(Dir)) {
        const std::string Candidate = Entry->d_name;
        if (Candidate.empty() || Candidate[0] == '.') continue;
        if (!MatchesMask(Candidate, Pattern)) continue;
        struct stat St;
        if (stat(Join(Folder, Candidate).c_str(), &St) != 0 || !S_ISREG(St.st_mode)) continue;
        Names.push_back(Candidate);
    }
    closedir(Dir);
    std::sort(Names.begin(), Names.end(), LessNoCase);
    return Names;
}

bool RenameFile(const std::string& From, const std::string& To) {
    const std::string Source = ResolveFileName(From);
    const std::string Target = ResolveFileName(To);
    if (renameat2(AT_FDCWD, Source.c_str(), AT_FDCWD, Target.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno == EINVAL || errno == ENOSYS) {
        // The file system cannot refuse to replace by itself.
        if (PathPresent(Target)) {
            errno = EEXIST;
            return false;
        }
        if (rename(Source.c_str(), Target.c_str()) == 0) return true;
    }
    if (errno != EXDEV) return false;
    if (!CopyFileData(Source, Target)) return false;
    if (unlink(Source.c_str()) != 0) {
        const int Err = errno;
        unlink(Target.c_str());
        errno = Err;
        return false;
    }
    return true;
}
