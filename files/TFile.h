// The state every file of the program shares, and the status codes its
// operations return. File objects never throw (but for the input error of a
// text file's header, see TTextFile) and never show anything: each operation
// stores its result in Status and returns it, and the caller decides.
#pragma once

#include "files/TextUtils.h"
#include "platform/SharedFile.h"

#include <cstdint>
#include <string>

// Status codes of the file operations.
enum : int32_t {
    fsClosed = 2,
    fsOk = 1,
    fsEnd = 0,
    fsNotFound = -1,
    fsOpenRefused = -2,
    fsAlreadyOpen = -3,
    fsWriteFailed = -5,
    fsCloseFailed = -6,
    fsReadFailed = -7,
    fsHeaderPastEnd = -11,
};

// Texts of at most this many characters are short strings; a record file
// stores one in a slot of ShortStringSlot bytes (length byte + characters).
constexpr size_t MaxShortString = 255;
constexpr size_t ShortStringSlot = 256;

class TFile {
public:
    TFile() = default;
    virtual ~TFile();
    TFile(const TFile&) = delete;
    TFile& operator=(const TFile&) = delete;

    // Closes the open file: Status 2, or -6 when the system reports a failure
    // (also when the data could not be synced to disk). Without an open file
    // nothing happens. Returns Status.
    int32_t Close();

    bool IsOpen() const { return FHandle.IsOpen(); }

    // The names of the ordinary files in the current directory (or the mask's
    // folder) matching Mask, such as "*.cnt": each the part before its first
    // "." passed through CapitalizeName. Empty when nothing matches.
    static TStringList ListNames(const std::string& Mask);
    // The same with First in front.
    static TStringList ListNamesWithFirst(const std::string& Mask, const std::string& First);

    bool Crypted = false;
    std::string FileName; // as passed to the last Open, at most 255 characters
    std::string Version;
    int32_t Status = 0;
    std::string LongDesc;
    std::string Description;
    std::string Author;
    std::string Copyright;
    int32_t Size = 0;     // length when opened; -1 after a refused open
    int32_t Position = 0; // where the object believes it is

protected:
    // The common start of every Open: false (with Status -3) when a file is
    // open and the last operation succeeded. A file left open after an error
    // or at its end is closed first, so its sharing locks do not outlive it.
    bool BeginOpen(const std::string& Name);
    // Status -2 with Size and Position -1.
    int32_t Refused();
    // Position + Count, kept within the 32-bit range.
    static int32_t Advanced(int32_t From, int64_t Count);

    TSharedFile FHandle;
};
