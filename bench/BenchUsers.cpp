// The user database on a local disk: finding and saving the last of 10,000
// learners, listing 250, and for comparison one sequential read of the
// 2.5 MB that the names of 10,000 learners take (10,000 x 256 bytes), the
// least any scan of the names can cost.
#include "users/TUser.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::string Name(int I) {
    char Text[32];
    std::snprintf(Text, sizeof Text, "Learner %05d", I);
    return Text;
}

// The folders below, removed when the run ends.
struct TFolders {
    std::string Paths[2];
    ~TFolders() {
        for (const std::string& Path : Paths) {
            if (Path.empty()) continue;
            unlink((Path + "/Userbase.kq4").c_str());
            unlink((Path + "/names.bin").c_str());
            rmdir(Path.c_str());
        }
    }
};

// A folder holding a database of Count learners; made once per size.
const std::string& Folder(int Count) {
    static TFolders Made;
    std::string* Folders = Made.Paths;
    std::string& Path = Folders[Count > 250 ? 1 : 0];
    if (!Path.empty()) return Path;
    char Template[] = "/var/tmp/clavora-bench-users-XXXXXX";
    if (!mkdtemp(Template)) std::abort();
    Path = Template;
    CreateDifficultKeys();
    std::vector<unsigned char> Bytes;
    for (int I = 0; I < Count; ++I) {
        TUser User(Name(I));
        TRecordBuffer Record;
        User.WriteRecord(Record);
        Bytes.insert(Bytes.end(), Record.Bytes().begin(), Record.Bytes().end());
    }
    FILE* Out = std::fopen((Path + "/Userbase.kq4").c_str(), "wb");
    std::fwrite(Bytes.data(), 1, Bytes.size(), Out);
    std::fclose(Out);
    Out = std::fopen((Path + "/names.bin").c_str(), "wb");
    const std::vector<char> Names(size_t(Count) * 256, 'n');
    std::fwrite(Names.data(), 1, Names.size(), Out);
    std::fclose(Out);
    return Path;
}

void Enter(int Count) {
    if (chdir(Folder(Count).c_str()) != 0) std::abort();
}

void BM_FindUser10k(benchmark::State& State) {
    Enter(10000);
    for (auto _ : State) {
        auto User = TUser::FindUser(Name(9999));
        if (!User) State.SkipWithError("not found");
        benchmark::DoNotOptimize(User);
    }
}
BENCHMARK(BM_FindUser10k)->Unit(benchmark::kMillisecond);

void BM_Save10k(benchmark::State& State) {
    Enter(10000);
    auto User = TUser::FindUser(Name(9999));
    for (auto _ : State) {
        User->FTotalMinutes += 1;
        if (User->Save() != 2) State.SkipWithError("save failed");
    }
}
BENCHMARK(BM_Save10k)->Unit(benchmark::kMillisecond);

void BM_UserList250(benchmark::State& State) {
    Enter(250);
    for (auto _ : State) {
        auto Names = TUser::GetUserList();
        if (!Names || Names->size() != 250) State.SkipWithError("wrong list");
        benchmark::DoNotOptimize(Names);
    }
}
BENCHMARK(BM_UserList250)->Unit(benchmark::kMillisecond);

// Open, one read of the 2,560,000 bytes, close.
void BM_SeqRead2_5MB(benchmark::State& State) {
    Enter(10000);
    std::vector<char> Buffer(size_t(10000) * 256);
    for (auto _ : State) {
        const int Fd = open("names.bin", O_RDONLY | O_CLOEXEC);
        if (read(Fd, Buffer.data(), Buffer.size()) != ssize_t(Buffer.size()))
            State.SkipWithError("short read");
        close(Fd);
        benchmark::DoNotOptimize(Buffer.data());
    }
}
BENCHMARK(BM_SeqRead2_5MB)->Unit(benchmark::kMillisecond);

} // namespace
