// A second copy of the program, as far as the user database is concerned:
// the process tests start it to hold the database, save, create and list
// users from outside the test's own process. It works in its current
// directory (the data folder of a program without settings).
//
//   hold read|update|shared   open, say "open <status>", hold until stdin ends
//   save <name> <gen>         find or create the learner, save generation gen
//   writer <id> <seconds> <users>  create users "W<id>-<k>" and save them over
//                             and over; at the end print "<name> <gen>" for
//                             the last generation saved of each
//   reader <seconds>          list and find users, checking every record found
//   crash <name>              save the learner over and over, now and then
//                             creating another; killed by the test
//   readonly <name>           find the learner, change it, save (the folder is
//                             read-only): print the status and whether the
//                             change is still in memory
//
// Environment: CLAVORA_RETRY_MS (pause between tries), CLAVORA_BUSY_ANSWER
// ("no" gives up when the database stays busy, otherwise try again).
#include "platform/Dialogs.h"
#include "tests/users/Generations.h"
#include "users/TUser.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <random>
#include <string>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point Start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - Start).count();
}

int Hold(const std::string& Mode) {
    const TUser::TAccess Access = Mode == "read"     ? TUser::daRead
                                  : Mode == "update" ? TUser::daUpdate
                                                     : TUser::daSharedUpdate;
    TRecFile File;
    const int32_t Status = TUser::OpenDatabase(File, Access);
    std::cout << "open " << Status << std::endl;
    std::string Line;
    std::getline(std::cin, Line);
    File.Close();
    std::cout << "closed" << std::endl;
    return 0;
}

std::unique_ptr<TUser> FindOrCreate(const std::string& Name) {
    std::unique_ptr<TUser> User = TUser::FindUser(Name);
    if (!User) User = TUser::CreateUser(Name);
    return User;
}

int Save(const std::string& Name, int Gen) {
    std::unique_ptr<TUser> User = FindOrCreate(Name);
    if (!User) return 3;
    Generations::Apply(*User, Gen);
    const auto Start = Clock::now();
    const int32_t Status = User->Save();
    std::cout << "saved " << Status << " " << Since(Start) << std::endl;
    return 0;
}

int Writer(const std::string& Id, double Seconds, int Users) {
    std::mt19937 Random(unsigned(std::hash<std::string>()(Id)));
    std::map<std::string, int> Last;
    std::vector<std::unique_ptr<TUser>> Mine;
    int Saves = 0;
    const auto Start = Clock::now();
    while (Since(Start) < Seconds * 1000) {
        ClearDialogLog();
        if (int(Mine.size()) < Users && (Mine.empty() || Random() % 4 == 0)) {
            const std::string Name = "W" + Id + "-" + std::to_string(Mine.size());
            std::unique_ptr<TUser> User = TUser::CreateUser(Name);
            if (!User) return 3;
            Last[Name] = 0; // created with the defaults, generation 0 applied below
            Mine.push_back(std::move(User));
            continue;
        }
        TUser& User = *Mine[Random() % Mine.size()];
        const int Gen = Last[User.FName] + 1 + int(Random() % 5);
        Generations::Apply(User, Gen);
        const int32_t Status = User.Save();
        if (Status != 2) {
            std::cerr << "save of " << User.FName << " gave " << Status << std::endl;
            return 4;
        }
        Last[User.FName] = Gen;
        ++Saves;
    }
    for (const auto& [Name, Gen] : Last)
        std::cout << Name << " " << Gen << "\n";
    std::cerr << "writer " << Id << ": " << Saves << " saves" << std::endl;
    return 0;
}

int Reader(double Seconds) {
    std::mt19937 Random(7);
    int Lists = 0, Finds = 0;
    const auto Start = Clock::now();
    while (Since(Start) < Seconds * 1000) {
        ClearDialogLog();
        std::optional<TStringList> Names = TUser::GetUserList();
        if (!Names) return 3;
        ++Lists;
        if (Names->empty()) continue;
        const std::string& Name = (*Names)[Random() % Names->size()];
        std::unique_ptr<TUser> User = TUser::FindUser(Name);
        if (!User) {
            std::cerr << "listed " << Name << " not found" << std::endl;
            return 4;
        }
        ++Finds;
        // A learner just created holds the defaults until its first save.
        if (Generations::Of(*User) == 0) continue;
        const std::string Bad = Generations::Mismatch(*User, Generations::Of(*User));
        if (!Bad.empty()) {
            std::cerr << Name << " read torn at " << Bad << std::endl;
            return 5;
        }
    }
    std::cerr << "reader: " << Lists << " lists, " << Finds << " finds" << std::endl;
    return 0;
}

int Crash(const std::string& Name) {
    std::unique_ptr<TUser> User = FindOrCreate(Name);
    if (!User) return 3;
    std::cout << "ready" << std::endl;
    for (int Gen = 1;; ++Gen) {
        ClearDialogLog();
        Generations::Apply(*User, Gen);
        User->Save();
        if (Gen % 5 == 0)
            TUser::CreateUser("Extra" + std::to_string(getpid()) + "-" + std::to_string(Gen));
    }
}

int ReadOnly(const std::string& Name) {
    std::unique_ptr<TUser> User = TUser::FindUser(Name);
    if (!User) return 3;
    Generations::Apply(*User, 4242);
    const int32_t Status = User->Save();
    const bool Kept = Generations::Mismatch(*User, 4242).empty();
    std::cout << "saved " << Status << " kept " << Kept << std::endl;
    for (const TDialogRequest& Request : DialogLog())
        std::cout << "dialog " << Request.Text << "\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::string Command = argv[1];
    if (const char* Ms = getenv("CLAVORA_RETRY_MS"))
        TUser::SetRetryInterval(std::chrono::milliseconds(atoi(Ms)));
    const char* Answer = getenv("CLAVORA_BUSY_ANSWER");
    const bool GiveUp = Answer && std::strcmp(Answer, "no") == 0;
    SetDialogResponder([GiveUp](const TDialogRequest& Request) {
        if (Request.Buttons & mbNo) return GiveUp ? int(mrNo) : int(mrYes);
        return int(mrOk);
    });
    CreateDifficultKeys();
    if (Command == "hold" && argc == 3) return Hold(argv[2]);
    if (Command == "save" && argc == 4) return Save(argv[2], atoi(argv[3]));
    if (Command == "writer" && argc == 5) return Writer(argv[2], atof(argv[3]), atoi(argv[4]));
    if (Command == "reader" && argc == 3) return Reader(atof(argv[2]));
    if (Command == "crash" && argc == 3) return Crash(argv[2]);
    if (Command == "readonly" && argc == 3) return ReadOnly(argv[2]);
    return 2;
}
