#include "platform/WholeFiles.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool MakeFolders(const std::string& Path) {
    for (size_t Slash = Path.find('/', 1);; Slash = Path.find('/', Slash + 1)) {
        const std::string Part = Path.substr(0, Slash);
        if (!Part.empty() && mkdir(Part.c_str(), 0755) != 0 && errno != EEXIST) return false;
        if (Slash == std::string::npos) break;
    }
    struct stat St {};
    return stat(Path.c_str(), &St) == 0 && S_ISDIR(St.st_mode);
}

bool ReadWholeFile(const std::string& Name, std::string& Bytes) {
    const int Fd = open(Name.c_str(), O_RDONLY | O_CLOEXEC);
    if (Fd < 0) return false;
    char Buffer[65536];
    ssize_t Got;
    while ((Got = read(Fd, Buffer, sizeof Buffer)) > 0)
        Bytes.append(Buffer, size_t(Got));
    close(Fd);
    return Got == 0;
}

bool ReplaceFile(const std::string& Name, const std::string& Bytes, mode_t Mode) {
    const std::string Temporary = Name + ".new";
    const int Fd = open(Temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, Mode);
    if (Fd < 0) return false;
    size_t Done = 0;
    bool Ok = true;
    while (Ok && Done < Bytes.size()) {
        const ssize_t Wrote = write(Fd, Bytes.data() + Done, Bytes.size() - Done);
        Ok = Wrote > 0;
        if (Ok) Done += size_t(Wrote);
    }
    Ok = Ok && fsync(Fd) == 0;
    Ok = close(Fd) == 0 && Ok;
    if (!Ok || rename(Temporary.c_str(), Name.c_str()) != 0) {
        unlink(Temporary.c_str());
        return false;
    }
    return true;
}
