#include "files/TTextFile.h"

#include "files/InputError.h"
#include "platform/FileNames.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

// Scrambled files store every byte but CR and LF XOR-ed with this key.
constexpr unsigned char ScrambleKey = 0xA6;

// At most this many header lines are read; a later "$" line is body.
constexpr int MaxHeaderLines = 15;

int32_t ClampedSize(int64_t Length) {
    return int32_t(std::min<int64_t>(Length, std::numeric_limits<int32_t>::max()));
}

void Unscramble(std::string& Text) {
    for (char& C : Text)
        if (C != '\r' && C != '\n') C = char(static_cast<unsigned char>(C) ^ ScrambleKey);
}

} // namespace

int32_t TTextFile::Open(const std::string& Name, int Mode) {
    if (!BeginOpen(Name)) return Status;
    switch (Mode) {
    case tmRead:
        return OpenForReading(Name);
    case tmCreate:
        if (FHandle.Create(Name, TFileShare::DenyAll) != 0) return Refused();
        Status = fsOk;
        Size = 0;
        Position = 0;
        return Status;
    case tmAppend: {
        if (FHandle.OpenAppend(Name) != 0) return Refused();
        const int64_t Length = FHandle.Length();
        if (Length < 0) {
            FHandle.Close();
            return Refused();
        }
        Status = fsOk;
        Size = ClampedSize(Length);
        Position = Size;
        return Status;
    }
    default:
        return Refused();
    }
}

int32_t TTextFile::OpenForReading(const std::string& Name) {
    if (!FileExists(Name)) {
        Status = fsNotFound;
        return Status;
    }
    if (FHandle.Open(Name, TFileAccess::Read, TFileShare::DenyWrite) != 0) return Refused();
    const int64_t Length = FHandle.Length();
    if (Length < 0) {
        FHandle.Close();
        return Refused();
    }
    Status = fsOk;
    Size = ClampedSize(Length);
    Position = 0;
    // Everything the header sets starts afresh, so a reused object never
    // carries the scrambling or a description over from its previous file.
    Version.clear();
    Description.clear();
    Author.clear();
    Copyright.clear();
    LongDesc.clear();
    Crypted = false;
    HeaderLines = 0;
    OtherTags.clear();
    ParseHeader();
    return Status;
}

void TTextFile::ParseHeader() {
    for (int I = 0; I < MaxHeaderLines; ++I) {
        if (Position >= Size) return;
        const TLineRead Read = ReadLineAt(Position);
        if (Read.Failed) {
            Status = fsReadFailed;
            return;
        }
        const std::string Line = Trim(Read.Line);
        // The first line that is not a tag line is the body's first line;
        // Position stays at its start.
        if (Line.empty() || Line[0] != '$') return;
        // A tag line that runs into the end of the file without a line end
        // means the header has no body after it. A line cut short by its
        // length or a NUL byte does not count: bytes still follow it.
        const bool PastEnd = !Read.Ended && Position + Read.Consumed >= Size;
        // A tag line cut short by a NUL byte or by its length is passed over
        // to its real line end, so the next line is read as a line of its own
        // instead of the header stopping on the rest of this one.
        Position = Read.Ended || PastEnd ? Advanced(Position, Read.Consumed)
                                         : PastLineEnd(Advanced(Position, Read.Consumed));
        ++HeaderLines;
        TakeHeaderLine(Line);
        if (PastEnd) {
            Status = fsHeaderPastEnd;
            return;
        }
    }
}

void TTextFile::TakeHeaderLine(const std::string& Line) {
    const TStringList Fields = Split(Line, "=;");
    const std::string Tag = LowerCase(Fields.at(0));
    std::string* Target = nullptr;
    if (Tag == "$version")
        Target = &Version;
    else if (Tag == "$copyright")
        Target = &Copyright;
    else if (Tag == "$longdesc")
        Target = &LongDesc;
    else if (Tag == "$description")
        Target = &Description;
    else if (Tag == "$author")
        Target = &Author;
    else if (Tag != "$fileformat") {
        // Other tags, such as "$end", mean nothing here; a reader may know them.
        OtherTags.emplace_back(Tag, Fields.size() < 2 ? std::string() : Fields[1]);
        return;
    }

    if (Fields.size() < 2) {
        Close();
        throw EInputError("The header line \"" + Line + "\" of the file " + FileName +
                          " has no value.");
    }
    if (Target)
        *Target = Fields[1];
    else
        Crypted = LowerCase(Fields[1]) == "crypted";
}

int64_t TTextFile::PastLineEnd(int64_t Offset) {
    char Buffer[512];
    while (Offset < Size) {
        const long long Got = FHandle.ReadAt(Buffer, sizeof Buffer, Offset);
        if (Got <= 0) return Size;
        for (long long I = 0; I < Got; ++I) {
            if (Buffer[I] != '\r' && Buffer[I] != '\n') continue;
            const bool CrLf = Buffer[I] == '\r' &&
                              (I + 1 < Got ? Buffer[I + 1] == '\n' : NextByteIsLf(Offset + I + 1));
            return Offset + I + (CrLf ? 2 : 1);
        }
        Offset += Got;
    }
    return Size;
}

bool TTextFile::NextByteIsLf(int64_t Offset) {
    char Byte = 0;
    return FHandle.ReadAt(&Byte, 1, Offset) == 1 && Byte == '\n';
}

TTextFile::TLineRead TTextFile::ReadLineAt(int64_t Offset) {
    TLineRead Result;
    char Buffer[MaxShortString + 1];
    const long long Got = FHandle.ReadAt(Buffer, sizeof Buffer, Offset);
    if (Got < 0) {
        Result.Failed = true;
        return Result;
    }
    const size_t Count = size_t(Got);
    // The text ends at the first NUL byte and holds at most 255 characters.
    const size_t TextLength =
        std::min(strnlen(Buffer, Count), std::min(Count, size_t(MaxShortString)));
    // A line ends at CR LF, or at a lone LF or CR from other systems.
    size_t End = 0;
    while (End < TextLength && Buffer[End] != '\r' && Buffer[End] != '\n')
        ++End;
    if (End < TextLength) {
        Result.Ended = true;
        const bool CrLf = Buffer[End] == '\r' && End + 1 < Count && Buffer[End + 1] == '\n';
        Result.Consumed = int64_t(End) + (CrLf ? 2 : 1);
    } else {
        Result.Consumed = int64_t(TextLength);
    }
    Result.Line.assign(Buffer, End);
    if (Crypted)
        for (char& C : Result.Line)
            C = char(static_cast<unsigned char>(C) ^ ScrambleKey);
    return Result;
}

int32_t TTextFile::NextLine(std::string& Line, int Capacity) {
    if (Position >= Size) {
        Line.clear();
        Status = fsEnd;
        return Status;
    }
    if (Status != fsOk) return Status;
    Line.clear();
    const TLineRead Read = ReadLineAt(Position);
    if (Read.Failed) {
        Status = fsReadFailed;
        return Status;
    }
    const size_t Keep = size_t(std::clamp(Capacity, 0, int(MaxShortString)));
    Line.assign(Read.Line, 0, std::min(Keep, Read.Line.size()));
    Position = Advanced(Position, Read.Consumed);
    Status = Read.Ended ? fsOk : fsEnd;
    return Status;
}

int32_t TTextFile::ReadAll(std::string& Buffer) {
    Buffer.clear();
    if (Position >= Size) {
        Status = fsEnd;
        return Status;
    }
    if (Status != fsOk) return Status;
    Buffer.resize(size_t(Size - Position));
    const long long Got = FHandle.ReadAt(Buffer.data(), Buffer.size(), Position);
    if (Got < 0) {
        Buffer.clear();
        Status = fsReadFailed;
        return Status;
    }
    Buffer.resize(size_t(Got));
    Position = Advanced(Position, Got);
    // The text ends at its first NUL byte, before and after unscrambling.
    Buffer.resize(strnlen(Buffer.data(), Buffer.size()));
    if (Crypted) {
        Unscramble(Buffer);
        Buffer.resize(strnlen(Buffer.data(), Buffer.size()));
    }
    // The canvases break rows at CR; a file written on Linux ends its lines
    // with a lone LF, which becomes CR LF here so its lines stay lines.
    if (Buffer.find('\n') != std::string::npos) {
        std::string Lines;
        Lines.reserve(Buffer.size() + Buffer.size() / 16);
        for (size_t I = 0; I < Buffer.size(); ++I) {
            if (Buffer[I] == '\n' && (I == 0 || Buffer[I - 1] != '\r')) Lines += '\r';
            Lines += Buffer[I];
        }
        Buffer.swap(Lines);
    }
    Status = fsOk;
    return Status;
}

int32_t TTextFile::WriteLine(const std::string& Text) {
    std::string Out = Text.substr(0, MaxShortString);
    Out += "\r\n";
    if (FHandle.Write(Out.data(), Out.size()) != static_cast<long long>(Out.size()))
        Status = fsWriteFailed;
    return Status;
}
