// Binary files of fixed-size records. Record i of size R occupies the bytes
// i*R to i*R+R-1; a record is a fixed run of items read and written in order,
// all integers little-endian, short strings in 256-byte slots.
#pragma once

#include "files/TFile.h"
#include "files/TRecordFields.h"

#include <cstdint>
#include <memory>

class TMappedView;

class TRecFile : public TFile, public TRecordFields<TRecFile> {
public:
    enum TMode { rmOpen = 1, rmOpenToo = 2, rmCreate = 5 };
    // Sharing of an existing file: read-only with others reading only, or
    // read-write alone; any other value is read-write shared with everyone.
    enum TShare { rsReadDenyWrite = -2, rsExclusive = -1, rsShared = 0 };

    // Mode 5 creates or empties the file (read-write, Share ignored); any other
    // mode opens an existing one (-1 when missing, -2 when refused). On success
    // Size is the length, Position 0, Status 1.
    int32_t Open(const std::string& Name, int Mode, int Share);

    // Moves to byte Index*RecordSize: 1, or -1 when the seek is refused.
    // Status is not touched and the record need not exist (seeking to
    // RecordCount appends).
    int32_t SeekRecord(int32_t Index, int32_t RecordSize);
    int32_t RecordCount(int32_t RecordSize) const;
    // A read-only view of the first Count records, or null when the file
    // cannot be mapped. Only for a file opened read-deny-write or
    // exclusively, so that no other copy can shorten it meanwhile.
    std::unique_ptr<TMappedView> MapRecords(int32_t Count, int32_t RecordSize) const;
    bool IsWholeRecords(int32_t RecordSize) const;

    // Cuts the file back to Length bytes, such as the partial record of a
    // failed append: 1, or -5 when the system refuses. Status is not touched.
    int32_t Truncate(int32_t Length);

    // The typed items (ReadInt16, WriteString...) come from TRecordFields.
    // Reads happen only while Status is 1; each adds its byte count to
    // Position, sets 0 on a short read (the value is then left as it was,
    // a block keeps the bytes that came) and -7 on a system failure.
    // Writes happen while Status is 1 or 0, through the file device; a short
    // write sets -5.

private:
    friend class TRecordFields<TRecFile>;
    // Reads Count bytes; true when all came.
    bool ReadBytes(void* Bytes, int32_t Count);
    int32_t WriteBytes(const void* Bytes, size_t Count);
};
