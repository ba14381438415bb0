#include "users/TRecordBuffer.h"

#include "files/TFile.h"

#include <algorithm>
#include <cstring>

TRecordBuffer::TRecordBuffer(const void* Bytes, size_t Count, int32_t FileStatus)
    : Status(FileStatus == fsOk || FileStatus == fsEnd ? fsOk : FileStatus),
      FBytes(static_cast<const unsigned char*>(Bytes),
             static_cast<const unsigned char*>(Bytes) + Count) {}

bool TRecordBuffer::ReadBytes(void* Bytes, int32_t Count) {
    if (Status != fsOk) return false;
    const size_t N = size_t(std::max(Count, 0));
    const size_t From = size_t(Position);
    Position += int32_t(N);
    if (From + N > FBytes.size()) {
        // As a file does: a short read keeps the bytes that came.
        if (From < FBytes.size()) std::memcpy(Bytes, FBytes.data() + From, FBytes.size() - From);
        Status = fsEnd;
        return false;
    }
    if (N > 0) std::memcpy(Bytes, FBytes.data() + From, N);
    return true;
}

int32_t TRecordBuffer::WriteBytes(const void* Bytes, size_t Count) {
    if (Status != fsOk && Status != fsEnd) return Status;
    const auto* P = static_cast<const unsigned char*>(Bytes);
    FBytes.insert(FBytes.end(), P, P + Count);
    return Status;
}
