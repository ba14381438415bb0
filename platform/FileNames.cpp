#include "platform/FileNames.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
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

namespace {

std::string FUserLayer;
std::string FShippedLayer;
// The layers as the file system has them, links resolved; "" when unset or
// not yet made (start-up sets the layers before it makes the learner's
// folder), and then looked up again when next needed.
std::string FUserReal;
std::string FShippedReal;

std::string RealPath(const std::string& Path) {
    if (Path.empty()) return Path;
    char Buffer[PATH_MAX];
    return realpath(Path.c_str(), Buffer) ? std::string(Buffer) : std::string();
}

// Whether Path is Folder or lies inside it.
bool Within(const std::string& Path, const std::string& Folder) {
    if (Folder.empty()) return false;
    if (Folder == "/" || Path == Folder) return true;
    return Path.size() > Folder.size() && Path.compare(0, Folder.size(), Folder) == 0 &&
           Path[Folder.size()] == '/';
}

// Whether an existing path stays inside one of the layers once its links are
// followed. Without layers (most tests) every path does. A link that leads
// out of the layers, or nowhere, does not.
bool StaysInLayers(const std::string& Path) {
    if (FUserLayer.empty() && FShippedLayer.empty()) return true;
    const std::string Real = RealPath(Path);
    if (Real.empty()) return false;
    if (FUserReal.empty()) FUserReal = RealPath(FUserLayer);
    if (FShippedReal.empty()) FShippedReal = RealPath(FShippedLayer);
    return Within(Real, FUserReal) || Within(Real, FShippedReal);
}

bool IsFolder(const std::string& Path) {
    struct stat St;
    return stat(Path.c_str(), &St) == 0 && S_ISDIR(St.st_mode);
}

std::string MappedName(const std::string& Name) {
    std::string Mapped = Name;
    std::replace(Mapped.begin(), Mapped.end(), '\\', '/');
    return Mapped;
}

// Mapped (with '/' separators) looked up under Base ("" for the current
// directory or an absolute name) part by part without regard to case; Found
// tells whether every part exists.
std::string ResolveUnder(const std::string& Base, const std::string& Mapped, bool& Found) {
    Found = false;
    if (Mapped.empty()) return Mapped;
    const bool Absolute = Mapped[0] == '/';
    const std::string Direct = Absolute ? Mapped : Join(Base, Mapped);
    Found = PathPresent(Direct);
    if (Found) return Direct;

    std::string Resolved = Absolute ? "/" : Base;
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
        std::string FoundName;
        if (FindInFolder(Resolved, Part, FoundName)) {
            Resolved = Join(Resolved, FoundName);
        } else {
            Lost = true;
            Resolved = Exact;
        }
    }
    if (Mapped.size() > 1 && Mapped.back() == '/' && !Resolved.empty() && Resolved.back() != '/')
        Resolved += '/';
    Found = !Lost;
    return Resolved;
}

bool IsAbsolute(const std::string& Mapped) {
    return !Mapped.empty() && Mapped[0] == '/';
}

// A mapped name in the user layer (or as it stands, when absolute).
std::string InUserLayer(const std::string& Mapped, bool& Found) {
    return ResolveUnder(IsAbsolute(Mapped) ? "" : FUserLayer, Mapped, Found);
}

// Makes the folders of a path's parent that are missing.
void MakeParentFolders(const std::string& Path) {
    for (size_t Slash = Path.find('/', 1); Slash != std::string::npos;
         Slash = Path.find('/', Slash + 1))
        mkdir(Path.substr(0, Slash).c_str(), 0755);
}

} // namespace

void SetProgramLayers(const std::string& UserLayer, const std::string& ShippedLayer) {
    FUserLayer = UserLayer;
    FShippedLayer = ShippedLayer;
    FUserReal = RealPath(UserLayer);
    FShippedReal = RealPath(ShippedLayer);
}

const std::string& UserLayer() {
    return FUserLayer;
}
const std::string& ShippedLayer() {
    return FShippedLayer;
}

std::string ResolveFileName(const std::string& Name) {
    const std::string Mapped = MappedName(Name);
    bool Found = false;
    std::string InUser = InUserLayer(Mapped, Found);
    if (Mapped.empty() || IsAbsolute(Mapped)) return InUser;
    // A name in a layer is refused like a missing file when a link takes it
    // out of the layers: "" opens nothing and is written nowhere.
    if (Found && !StaysInLayers(InUser)) {
        Found = false;
        InUser.clear();
    }
    if (FShippedLayer.empty()) return InUser;
    bool InShippedFound = false;
    const std::string InShipped = ResolveUnder(FShippedLayer, Mapped, InShippedFound);
    const bool Shipped = InShippedFound && StaysInLayers(InShipped);
    // A learner's folder never hides a shipped file: folders are no material.
    if (Found && !(Shipped && IsFolder(InUser) && !IsFolder(InShipped))) return InUser;
    return Shipped ? InShipped : InUser;
}

std::string ResolveForWriting(const std::string& Name) {
    const std::string Mapped = MappedName(Name);
    bool Found = false;
    const std::string InUser = InUserLayer(Mapped, Found);
    if (Mapped.empty() || IsAbsolute(Mapped)) return InUser;
    // Nothing is written through a link that leads out of the layers, nor
    // into a folder that such a link stands for.
    const size_t Slash = InUser.rfind('/');
    const std::string Parent =
        Slash == std::string::npos ? std::string(".") : InUser.substr(0, Slash);
    if ((Found && !StaysInLayers(InUser)) ||
        (!Found && PathPresent(Parent) && !StaysInLayers(Parent)))
        return "";
    if (Found || FShippedLayer.empty()) return InUser;
    const std::string InShipped = ResolveUnder(FShippedLayer, Mapped, Found);
    struct stat St;
    if (!Found || stat(InShipped.c_str(), &St) != 0 || !S_ISREG(St.st_mode)) return InUser;
    // Updating shipped material: the learner's own copy takes the changes.
    MakeParentFolders(InUser);
    if (!CopyFileData(InShipped, InUser) && errno != EEXIST) return "";
    return InUser;
}

bool IsMaterialName(const std::string& Name) {
    const std::string Mapped = MappedName(Name);
    if (Mapped.empty() || IsAbsolute(Mapped)) return false;
    size_t Start = 0;
    while (Start <= Mapped.size()) {
        size_t End = Mapped.find('/', Start);
        if (End == std::string::npos) End = Mapped.size();
        if (Mapped.compare(Start, End - Start, "..") == 0) return false;
        Start = End + 1;
    }
    return true;
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

namespace {

// The matching ordinary files of one folder ("" for the current directory);
// in a layer, only those that stay inside the layers.
void ListFolder(const std::string& Folder, const std::string& Pattern,
                std::vector<std::string>& Names, bool InLayer) {
    DIR* Dir = opendir(Folder.empty() ? "." : Folder.c_str());
    if (!Dir) return;
    while (dirent* Entry = readdir(Dir)) {
        const std::string Candidate = Entry->d_name;
        if (Candidate.empty() || Candidate[0] == '.') continue;
        if (!MatchesMask(Candidate, Pattern)) continue;
        struct stat St;
        const std::string Path = Join(Folder, Candidate);
        if (stat(Path.c_str(), &St) != 0 || !S_ISREG(St.st_mode)) continue;
        if (InLayer && !StaysInLayers(Path)) continue;
        const bool Known = std::any_of(Names.begin(), Names.end(), [&](const std::string& Name) {
            return SameFileName(Name, Candidate);
        });
        if (!Known) Names.push_back(Candidate);
    }
    closedir(Dir);
}

} // namespace

std::vector<std::string> ListFiles(const std::string& Mask) {
    const std::string Mapped = MappedName(Mask);
    std::string Folder;
    std::string Pattern = Mapped;
    const size_t Slash = Mapped.rfind('/');
    if (Slash != std::string::npos) {
        Folder = Mapped.substr(0, Slash);
        Pattern = Mapped.substr(Slash + 1);
    }
    std::vector<std::string> Names;
    bool Found = false;
    if (IsAbsolute(Mapped)) {
        ListFolder(Slash == 0 ? "/" : ResolveUnder("", Folder, Found), Pattern, Names, false);
    } else {
        // The user layer first, so that its spelling of a name wins.
        const std::string InUser =
            Folder.empty() ? FUserLayer : ResolveUnder(FUserLayer, Folder, Found);
        ListFolder(InUser, Pattern, Names, true);
        if (!FShippedLayer.empty())
            ListFolder(Folder.empty() ? FShippedLayer : ResolveUnder(FShippedLayer, Folder, Found),
                       Pattern, Names, true);
    }
    std::sort(Names.begin(), Names.end(), LessNoCase);
    return Names;
}

bool CopyNewFile(const std::string& From, const std::string& To) {
    bool Found = false;
    return CopyFileData(ResolveFileName(From), InUserLayer(MappedName(To), Found));
}

bool RenameFile(const std::string& From, const std::string& To) {
    const std::string Source = ResolveFileName(From);
    bool Found = false;
    const std::string Target = InUserLayer(MappedName(To), Found);
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
