// The learner's place in the course: chapter, exercise and event. Guided
// studying resumes from it and the course runner moves it on. In the user
// record it takes 8 bytes: chapter, exercise, event and a reserved word, each
// a little-endian 16-bit integer; the mode is never stored.
#pragma once

#include "users/TRecordBuffer.h"

#include <cstdint>

class TBookMark {
public:
    // Status of ReadFrom when the event number could not be read.
    static constexpr int32_t ErrEventUnreadable = -1402;

    enum TMode {
        bmGuided = 0,       // guided studying of the learner's course
        bmSingle = 1,       // one exercise run on its own (the revision wizard)
        bmIntroduction = 2, // the introduction course
    };

    void Clear() { *this = TBookMark(); }

    // The four stored fields in order, each as a 16-bit integer clamped to
    // that range. File is a TRecFile or a TRecordBuffer.
    template <class TRecordIO> int32_t WriteTo(TRecordIO& File) const;
    // Reads the four fields: -1402 when the event could not be read (the
    // reserved word is then left unread), otherwise the status of the last
    // read (1 = read).
    template <class TRecordIO> int32_t ReadFrom(TRecordIO& File);

    int32_t FChapter = 0;  // from 1; 0 = the course has not been started
    int32_t FExercise = 0; // from 1
    int32_t FEvent = 0;    // from 1
    int32_t FReserved = 0;
    int32_t FMode = bmGuided;
};

template <class TRecordIO> int32_t TBookMark::WriteTo(TRecordIO& File) const {
    File.WriteInt16(ClampInt16(FChapter));
    File.WriteInt16(ClampInt16(FExercise));
    File.WriteInt16(ClampInt16(FEvent));
    return File.WriteInt16(ClampInt16(FReserved));
}

template <class TRecordIO> int32_t TBookMark::ReadFrom(TRecordIO& File) {
    File.ReadInt16(FChapter);
    File.ReadInt16(FExercise);
    if (File.ReadInt16(FEvent) != 1) return ErrEventUnreadable;
    return File.ReadInt16(FReserved);
}
