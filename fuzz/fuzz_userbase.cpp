// Reads arbitrary bytes as a user database: finds learners, lists them, and
// saves and creates one, checking that nothing reads past a record, that what
// is found is what was asked for, and that a saved record reads back as it
// was saved.
#include "platform/Dialogs.h"
#include "platform/Latin1Case.h"
#include "users/TUser.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

void Check(bool Condition) {
    if (!Condition) abort();
}

char Folder[] = "/tmp/clavora-fuzz-users-XXXXXX";

void RemoveFolder() {
    unlink("userbase.kq4");
    unlink("Errors.log");
    rmdir(Folder);
}

// The program's data folder for the run: a fresh temporary folder, removed
// when the fuzzer ends.
void Prepare() {
    static bool Done = false;
    if (Done) return;
    if (!mkdtemp(Folder) || chdir(Folder) != 0) abort();
    atexit(RemoveFolder);
    SetDialogResponder([](const TDialogRequest& Request) {
        return Request.Buttons & mbNo ? int(mrNo) : int(mrOk);
    });
    TUser::SetRetryInterval(std::chrono::milliseconds(0));
    CreateDifficultKeys();
    Done = true;
}

std::string Encoded(TUser& User) {
    TRecordBuffer Record;
    User.WriteRecord(Record);
    Check(Record.Bytes().size() == size_t(TUser::RecordSize));
    return std::string(Record.Bytes().begin(), Record.Bytes().end());
}

void FindAndSave(const std::string& Name, size_t Size) {
    std::unique_ptr<TUser> User = TUser::FindUser(Name);
    if (!User) return;
    Check(Latin1Case::UpperCase(User->FName) == Latin1Case::UpperCase(Name));
    Check(User->FName.size() <= 255 && User->FCourseFile.size() <= 255);
    const std::string Before = Encoded(*User);
    const int32_t Status = User->Save();
    Check(Status == 2 || (Status == 1 && User->IsVisitor()));
    FILE* In = fopen("userbase.kq4", "rb");
    Check(In != nullptr);
    fseek(In, 0, SEEK_END);
    Check(size_t(ftell(In)) == Size); // rewritten in place
    fclose(In);
    if (Status != 2) return;
    std::unique_ptr<TUser> Again = TUser::FindUser(Name);
    Check(Again != nullptr);
    Check(Encoded(*Again) == Before);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    Prepare();
    ClearDialogLog();
    FILE* Out = fopen("userbase.kq4", "wb");
    if (!Out) abort();
    fwrite(Data, 1, Size, Out);
    fclose(Out);

    const std::string Bytes(reinterpret_cast<const char*>(Data), Size);
    const size_t Records = Size / TUser::RecordSize;
    // The first and the last whole record's names, and one that is not there.
    if (Records > 0) {
        FindAndSave(Bytes.substr(1, uint8_t(Bytes[0])), Size);
        const size_t Last = (Records - 1) * TUser::RecordSize;
        FindAndSave(Bytes.substr(Last + 1, uint8_t(Bytes[Last])), Size);
    }
    Check(TUser::FindUser("\xFF no such learner \x01") == nullptr || Records > 0);

    std::optional<TStringList> Names = TUser::GetUserList();
    Check(Names.has_value());
    Check(Names->size() <= Records && Names->size() <= size_t(TUser::MaxListedUsers));
    for (const std::string& Name : *Names)
        Check(Name.size() <= 255);

    if (Size % 2 == 1) {
        Check(TUser::CreateUser("New learner") != nullptr);
        FILE* In = fopen("userbase.kq4", "rb");
        Check(In != nullptr);
        fseek(In, 0, SEEK_END);
        Check(size_t(ftell(In)) == (Records + 1) * TUser::RecordSize);
        fclose(In);
    }
    unlink("Errors.log"); // the partial-record warning would pile up
    return 0;
}
