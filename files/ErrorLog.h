// Numbered error messages: shown to the learner as a modal error and appended
// to "Errors.log" in the current directory, both with the same number and text.
// Reporting never stops the program.
#pragma once

#include <string>

// What the log's title and entries say about the program. Start-up fills it
// from the settings; until then it holds the product's own facts.
struct TErrorLogInfo {
    std::string Version;
    std::string Build;
    std::string Platform;
    std::string CompileDate;
    std::string SupportMail;
};

TErrorLogInfo DefaultErrorLogInfo();
void SetErrorLogInfo(const TErrorLogInfo& Info);
const TErrorLogInfo& ErrorLogInfo();

// The log's file name.
inline const std::string ErrorLogName = "Errors.log";

// The message of a code; "Unknown error " + code for codes not in the table.
std::string ErrorMessage(int Code);

// Shows "#code message" with the context text below it and logs it with the
// detail line " - " + Context. Returns 0.
int LogError(int Code, const std::string& Context);

// The same with a second code (typically a file status) as the detail: the
// dialog shows its message, the log " - " + message + " = " + code. Returns 0.
int LogErrorCode(int Code, int DetailCode);
