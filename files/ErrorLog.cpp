#include "files/ErrorLog.h"

#include "files/ProductInfo.h"
#include "files/TTextFile.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"

#include <cmath>
#include <ctime>
#include <utility>

namespace {

struct TErrorText {
    int Code;
    const char* Message;
};

const TErrorText ErrorTable[] = {
    {0, "(0)"},
    {-1, "File not found"},
    {-2, "File open failed"},
    {-3, "File already open"},
    {-4, "out of memory for file"},
    {-5, "File write error"},
    {-6, "File close failed / write failed"},
    {-10, "out of file request"},
    {-11, "textfile field error"},
    {-88, "textfile row over 255 char"},
    {-500, "Error in Main-procedure"},
    {-501, "Error in Event"},
    {-503, "Story file missing or read error"},
    {-801, "Time out while opening for exclusive write mode "},
    {-802, " Time out while opening for write-denied read mode"},
    {-901, "Database files not found"},
    {-910, "Username already exists, new was not be created"},
    {-1001, "User bookmark vs. Chapter data overflow"},
    {-1052, "Contents detected error"},
    {-1095, "Contents file description invalid"},
    {-1202, "User bookmark vs. exercise data overflow"},
    {-1505, "Cannot open User database"},
    {-1517, "Warning: Wrong Userbase file version, size mitsmatch"},
    {-3321, "Problems in Difficult Keys event"},
    {-5452, "WWW-browser/email software is not properly installed or file extension launch "
            "error"},
    {-5633, "Fatal Contents Error; Program halted"},
    {-5733, "Fatal Introduction file error"},
    {-6123, "Contents file(s) *.CNT not available, program halted"},
    {-6633, "Error when renaming default userbase to:"},
    {-7001, "Access denied when using product registry entry"},
    {-9977, "Windows is currently using Large Fonts setting. Clavora requires small fonts."},
};

TErrorLogInfo& Info() {
    static TErrorLogInfo Current = DefaultErrorLogInfo();
    return Current;
}

// Now() in the system's short-date and long-time format.
std::string DateTimeText() {
    // Days since 1899-12-30 in local time; whole seconds, rounded.
    const double Seconds = std::round((Now() - 25569.0) * 86400.0);
    const std::time_t Local = static_cast<std::time_t>(Seconds);
    std::tm Parts{};
    if (!gmtime_r(&Local, &Parts)) return "";
    char Text[128];
    const size_t Length = std::strftime(Text, sizeof Text, "%x %X", &Parts);
    return std::string(Text, Length);
}

void Report(int Code, const std::string& DialogDetail, const std::string& LogDetail) {
    const std::string Heading = "#" + std::to_string(Code) + " " + ErrorMessage(Code);
    MessageDlg(Heading + "\n\r" + DialogDetail, mtError, mbOK);

    const TErrorLogInfo& About = ErrorLogInfo();
    TTextFile Log;
    if (FileExists(ErrorLogName)) {
        Log.Open(ErrorLogName, TTextFile::tmAppend);
    } else if (Log.Open(ErrorLogName, TTextFile::tmCreate) == fsOk) {
        Log.WriteLine("Clavora " + About.Version + " error file.  ");
        Log.WriteLine("Please send this file to author: " + About.SupportMail + "! ");
    }
    // A log that cannot be opened is skipped: the learner has seen the message.
    if (!Log.IsOpen()) return;
    Log.WriteLine(std::string(58, '-'));
    Log.WriteLine(DateTimeText() + " Build " + About.Build + " (" + About.Platform + ") compiled " +
                  About.CompileDate);
    Log.WriteLine("#" + std::to_string(Code) + "  " + ErrorMessage(Code));
    Log.WriteLine(" - " + LogDetail);
    Log.Close();
}

} // namespace

TErrorLogInfo DefaultErrorLogInfo() {
    return {ProductInfo::Version, ProductInfo::Build, ProductInfo::Platform, ProductInfo::BuildDate,
            ProductInfo::SupportMail};
}

void SetErrorLogInfo(const TErrorLogInfo& NewInfo) {
    Info() = NewInfo;
}

const TErrorLogInfo& ErrorLogInfo() {
    return Info();
}

std::string ErrorMessage(int Code) {
    for (const TErrorText& Entry : ErrorTable)
        if (Entry.Code == Code) return Entry.Message;
    return "Unknown error " + std::to_string(Code);
}

int LogError(int Code, const std::string& Context) {
    const std::string Text = Context.substr(0, MaxShortString);
    Report(Code, Text, Text);
    return 0;
}

int LogErrorCode(int Code, int DetailCode) {
    Report(Code, ErrorMessage(DetailCode),
           ErrorMessage(DetailCode) + " = " + std::to_string(DetailCode));
    return 0;
}
