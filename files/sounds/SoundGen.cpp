// Makes the program's sound effects: Click.wav, Theend.wav, Error.wav and
// Intro.wav, 16-bit mono PCM at 22050 Hz, into the folder given as the only
// argument. Everything is synthesised from sines with smooth envelopes, so the
// files are the same on every build.
//
//   Click   45 ms   a soft wooden tick, peak -6 dBFS
//   Error   170 ms  a short low "bump" gliding down G3 to E3, peak -12 dBFS:
//                   round, with only two soft overtones, so it does not
//                   grate when it repeats
//   Theend  0.9 s   a rising C major chime C5 E5 G5 C6, peak -6 dBFS
//   Intro   4.9 s   a little theme over C F G7 C, mallet melody, bass and a
//                   soft pad with a light echo, peak -6 dBFS
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int Rate = 22050;
constexpr double Pi = 3.14159265358979323846;

using TSignal = std::vector<double>;

size_t Samples(double Seconds) {
    return size_t(std::lround(Seconds * Rate));
}

double MidiHz(int Note) {
    return 440.0 * std::pow(2.0, (Note - 69) / 12.0);
}

// Rises from 0 to 1 along half a cosine over Length samples.
double RaisedCosine(size_t I, size_t Length) {
    return I >= Length ? 1.0 : 0.5 - 0.5 * std::cos(Pi * double(I) / double(Length));
}

// A struck tone: harmonics with their own decay times, a smooth attack and
// an exponential decay. Harmonic k has amplitude Amps[k-1] and decays k^Damp
// times faster than the fundamental, as a mallet on a bar does.
struct TStrike {
    double Hz;
    double Start;  // seconds
    double Length; // seconds until it is damped
    double Amplitude;
    double Attack; // seconds
    double Decay;  // time constant of the fundamental, seconds
    std::vector<double> Amps;
    double Damp = 1.0;
};

void Add(TSignal& Out, const TStrike& S) {
    const size_t From = Samples(S.Start);
    const size_t Attack = std::max<size_t>(1, Samples(S.Attack));
    const size_t Release = Samples(0.06);
    const size_t Held = Samples(S.Length);
    const size_t End = std::min(Out.size(), From + Held + Release);
    for (size_t I = From; I < End; ++I) {
        const size_t N = I - From;
        const double T = double(N) / Rate;
        double Envelope = RaisedCosine(N, Attack);
        if (N >= Held) Envelope *= 1.0 - RaisedCosine(N - Held, Release);
        double Value = 0.0;
        for (size_t K = 0; K < S.Amps.size(); ++K) {
            const double Harmonic = double(K + 1);
            if (S.Hz * Harmonic >= Rate / 2.2) break;
            const double Tau = S.Decay / std::pow(Harmonic, S.Damp);
            Value += S.Amps[K] * std::exp(-T / Tau) * std::sin(2 * Pi * S.Hz * Harmonic * T);
        }
        Out[I] += S.Amplitude * Envelope * Value;
    }
}

// A held tone that swells in and out (the pad under the theme).
void AddPad(TSignal& Out, double Hz, double Start, double Length, double Amplitude) {
    const size_t From = Samples(Start);
    const size_t Total = Samples(Length);
    const size_t Swell = Samples(0.25);
    const size_t Release = Samples(0.3);
    for (size_t N = 0; N < Total + Release && From + N < Out.size(); ++N) {
        const double T = double(N) / Rate;
        double Envelope = RaisedCosine(N, Swell);
        if (N >= Total) Envelope *= 1.0 - RaisedCosine(N - Total, Release);
        const double Value = std::sin(2 * Pi * Hz * T) + 0.15 * std::sin(4 * Pi * Hz * T);
        Out[From + N] += Amplitude * Envelope * Value;
    }
}

// Fades both ends so that no sound starts or stops with a step.
void FadeEnds(TSignal& Out, double In, double OutSeconds) {
    const size_t InN = Samples(In);
    const size_t OutN = Samples(OutSeconds);
    for (size_t I = 0; I < Out.size(); ++I) {
        Out[I] *= RaisedCosine(I, InN);
        const size_t Left = Out.size() - 1 - I;
        if (Left < OutN) Out[I] *= RaisedCosine(Left, OutN);
    }
}

// Scales the signal so that its peak is at the given level.
void Normalize(TSignal& Out, double PeakDbfs) {
    double Peak = 0.0;
    for (double V : Out)
        Peak = std::max(Peak, std::fabs(V));
    if (Peak <= 0.0) return;
    const double Gain = std::pow(10.0, PeakDbfs / 20.0) / Peak;
    for (double& V : Out)
        V *= Gain;
}

// A feedback echo, mixed in lightly: the room around the theme.
void Echo(TSignal& Out, double Delay, double Feedback, double Mix) {
    const size_t D = Samples(Delay);
    TSignal Wet(Out.size(), 0.0);
    for (size_t I = D; I < Out.size(); ++I)
        Wet[I] = Out[I - D] + Feedback * Wet[I - D];
    for (size_t I = 0; I < Out.size(); ++I)
        Out[I] += Mix * Wet[I];
}

void Put16(std::string& B, unsigned V) {
    B += char(V & 0xFF);
    B += char((V >> 8) & 0xFF);
}
void Put32(std::string& B, uint32_t V) {
    Put16(B, V & 0xFFFF);
    Put16(B, V >> 16);
}

bool WriteWave(const std::string& Path, const TSignal& Signal) {
    const uint32_t DataBytes = uint32_t(Signal.size() * 2);
    std::string B = "RIFF";
    Put32(B, 36 + DataBytes);
    B += "WAVEfmt ";
    Put32(B, 16);
    Put16(B, 1); // PCM
    Put16(B, 1); // mono
    Put32(B, Rate);
    Put32(B, Rate * 2); // bytes per second
    Put16(B, 2);        // bytes per frame
    Put16(B, 16);       // bits per sample
    B += "data";
    Put32(B, DataBytes);
    for (double V : Signal) {
        const long S = std::lround(std::max(-1.0, std::min(1.0, V)) * 32767.0);
        Put16(B, unsigned(S) & 0xFFFF);
    }
    FILE* F = std::fopen(Path.c_str(), "wb");
    if (!F) return false;
    const bool Written = std::fwrite(B.data(), 1, B.size(), F) == B.size();
    return std::fclose(F) == 0 && Written;
}

TSignal Click() {
    TSignal Out(Samples(0.045), 0.0);
    // A bright tick on a rounder knock, both gone within a few milliseconds.
    Add(Out, {1450.0, 0.0, 0.04, 1.0, 0.0008, 0.005, {1.0, 0.2}, 1.0});
    Add(Out, {520.0, 0.0, 0.04, 0.7, 0.0012, 0.009, {1.0, 0.15}, 1.0});
    FadeEnds(Out, 0.0005, 0.010);
    Normalize(Out, -6.0);
    return Out;
}

TSignal Error() {
    TSignal Out(Samples(0.17), 0.0);
    // The pitch glides down a minor third; the phase is integrated so the
    // glide stays smooth.
    const double FromHz = MidiHz(55), ToHz = MidiHz(52);
    double Phase = 0.0;
    for (size_t I = 0; I < Out.size(); ++I) {
        const double T = double(I) / Rate;
        const double Hz = ToHz + (FromHz - ToHz) * std::exp(-T / 0.05);
        Phase += 2 * Pi * Hz / Rate;
        const double Envelope = RaisedCosine(I, Samples(0.012)) * std::exp(-T / 0.07);
        // The overtones carry the tone on small speakers that cannot play
        // the fundamental.
        Out[I] =
            Envelope * (std::sin(Phase) + 0.5 * std::sin(2 * Phase) + 0.15 * std::sin(3 * Phase));
    }
    FadeEnds(Out, 0.002, 0.05);
    Normalize(Out, -12.0);
    return Out;
}

TSignal TheEnd() {
    TSignal Out(Samples(0.9), 0.0);
    const int Notes[] = {72, 76, 79, 84};
    for (int I = 0; I < 4; ++I) {
        const bool Last = I == 3;
        Add(Out, {MidiHz(Notes[I]),
                  0.075 * I,
                  0.9,
                  Last ? 1.0 : 0.8,
                  0.003,
                  Last ? 0.32 : 0.24,
                  {1.0, 0.25, 0.08, 0.03},
                  1.2});
    }
    FadeEnds(Out, 0.001, 0.15);
    Normalize(Out, -6.0);
    return Out;
}

TSignal Intro() {
    constexpr double Eighth = 0.15;
    TSignal Out(Samples(4.9), 0.0);
    struct TNote {
        int Start, Length, Midi;
    };
    const TNote Melody[] = {
        {0, 1, 72},  {1, 1, 76},  {2, 1, 79},  {3, 2, 84},  {5, 1, 83},  {6, 2, 79},  {8, 1, 77},
        {9, 1, 81},  {10, 1, 84}, {11, 2, 86}, {13, 1, 84}, {14, 2, 81}, {16, 1, 79}, {17, 1, 83},
        {18, 1, 86}, {19, 1, 89}, {20, 1, 88}, {21, 1, 86}, {22, 6, 84}, {22, 6, 76}, {22, 6, 79},
    };
    for (const TNote& N : Melody) {
        const double Length = N.Length * Eighth;
        const double Level = N.Start == 22 && N.Midi != 84 ? 0.35 : 0.6;
        Add(Out, {MidiHz(N.Midi),
                  N.Start * Eighth,
                  N.Start == 22 ? 1.2 : Length + 0.05,
                  Level,
                  0.004,
                  0.25 + 0.08 * N.Length,
                  {1.0, 0.35, 0.12, 0.04},
                  1.3});
    }
    const TNote Bass[] = {{0, 8, 48}, {8, 8, 41}, {16, 6, 43}, {22, 6, 36}};
    for (const TNote& N : Bass)
        Add(Out, {MidiHz(N.Midi),
                  N.Start * Eighth,
                  N.Length * Eighth,
                  0.5,
                  0.01,
                  0.9,
                  {1.0, 0.3, 0.1},
                  1.0});
    struct TChord {
        int Start, Length;
        std::vector<int> Notes;
    };
    const TChord Chords[] = {{0, 8, {60, 64, 67}},
                             {8, 8, {60, 65, 69}},
                             {16, 6, {59, 62, 65, 67}},
                             {22, 6, {60, 64, 67}}};
    for (const TChord& C : Chords)
        for (int Note : C.Notes)
            AddPad(Out, MidiHz(Note), C.Start * Eighth, C.Length * Eighth, 0.06);
    Echo(Out, 3 * Eighth / 2, 0.3, 0.18);
    FadeEnds(Out, 0.003, 0.5);
    Normalize(Out, -6.0);
    return Out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::string Folder = argv[1];
    const struct {
        const char* Name;
        TSignal (*Make)();
    } Sounds[] = {
        {"Click.wav", Click}, {"Error.wav", Error}, {"Theend.wav", TheEnd}, {"Intro.wav", Intro}};
    for (const auto& S : Sounds) {
        if (!WriteWave(Folder + "/" + S.Name, S.Make())) {
            std::fprintf(stderr, "cannot write %s/%s\n", Folder.c_str(), S.Name);
            return 1;
        }
    }
    return 0;
}
