// Line-oriented text files with an optional header of "$" tag lines and
// optional scrambling of what follows a "$fileformat=crypted" line.
//
// Lines end with CR LF when written. The reader also takes a lone LF (files
// made on Linux) and a lone CR as a line end. A line holds at most 255
// characters; a longer one is returned cut with status 0, which ends reading.
#pragma once

#include "files/TFile.h"

#include <string>
#include <utility>
#include <vector>

class TTextFile : public TFile {
public:
    enum TMode { tmRead = 1, tmCreate = 2, tmAppend = 3 };

    // Read: the file must exist (-1), is opened read-only with others allowed
    // to read only, and its header is parsed, leaving Position at the first
    // body line; -11 when the header runs to the end of the file without a
    // line end. Create: created or emptied, read-write. Append: an existing
    // file (-2 when missing), write-only, others may read. Returns Status.
    // Throws EInputError when a recognised header tag has no value.
    int32_t Open(const std::string& Name, int Mode);

    // The next body line, unscrambled when Crypted, cut to Capacity (at most
    // 255) characters. 1 when the line had a line end; 0 at the end of data,
    // when Line may still hold a last line without one.
    int32_t NextLine(std::string& Line, int Capacity = int(MaxShortString));

    // The rest of the file from Position, unscrambled when Crypted, up to its
    // first NUL byte. 1, or 0 (empty Buffer) when nothing is left.
    int32_t ReadAll(std::string& Buffer);

    // Writes the text (at most 255 characters) and CR LF; -5 when not all of
    // it was written. Never scrambles.
    int32_t WriteLine(const std::string& Text);

    // The lines of the header read by the last Open, so that a reader can
    // number the body's lines as the file's own.
    int HeaderLines = 0;
    // The header's other tag lines ("$end", a reader's own tags), each as its
    // tag lower-cased and its value (empty without one), in file order.
    std::vector<std::pair<std::string, std::string>> OtherTags;

private:
    struct TLineRead {
        std::string Line; // unscrambled, at most 255 characters
        bool Ended = false;
        int64_t Consumed = 0; // bytes up to and including the line end
        bool Failed = false;
    };
    TLineRead ReadLineAt(int64_t Offset);
    // The offset just past the first line end at or after Offset (Size when
    // there is none).
    int64_t PastLineEnd(int64_t Offset);
    bool NextByteIsLf(int64_t Offset);
    int32_t OpenForReading(const std::string& Name);
    void ParseHeader();
    void TakeHeaderLine(const std::string& Line);
};
