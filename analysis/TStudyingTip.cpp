#include "analysis/TStudyingTip.h"

#include "analysis/AnalysisObjects.h"

namespace {

std::string Adverb(double Grade) {
    if (Grade >= 3) return "really ";
    if (Grade >= 2) return "";
    return "relatively ";
}

} // namespace

std::string TStudyingTip::Comment() const {
    const float Accuracy = EfficiencyCalc->AccuracyGrade();
    const float BackSpace = BackSpaceCounter->BackSpaceGrade();
    const float SingleKeys = FDifficultKeys ? float(FDifficultKeys->DifficultyGrade()) : 4;
    const float Speed = EfficiencyCalc->SpeedGrade();
    return CommentFor(Accuracy, BackSpace, SingleKeys, Speed);
}

std::string TStudyingTip::CommentFor(float Accuracy, float BackSpace, float SingleKeys,
                                     float Speed) {
    // The weights are worked in double, where the product of two floats is
    // exact, so a weight of exactly 2 is seen as 2. The average is kept in
    // single precision, as the grades are: grades such as 1.6, 2.6, 2.6 and
    // 1.2 average exactly 2 there, a hair below it in double.
    const double Q[4] = {Accuracy, BackSpace, SingleKeys, Speed};
    const float Average = (Accuracy + BackSpace + SingleKeys + Speed) / 4;
    double W[4];
    int Rank[4];
    for (int K = 0; K < 4; ++K) {
        W[K] = Q[K] * 0.5 * Average;
        Rank[K] = 1;
        for (int J = 0; J < 4; ++J)
            if (Q[J] < Q[K]) Rank[K] += 1;
    }
    const auto Weakest = [&](int K) { return Rank[K] == 1 && Q[K] < 3 && W[K] < 1.3; };

    if (Weakest(0))
        return (W[3] >= 2 ? "Your speed was " + Adverb(Q[3]) + "good, but the " : "The ") +
               "errors you made decreased your efficiency. "
               "You should be more careful with accuracy.";
    if (Weakest(1))
        return (W[0] >= 2 ? "Your accuracy percentage was " + Adverb(Q[0]) + "good, but you "
                          : "You ") +
               "used pretty much BackSpace. You should use BackSpace "
               "more rarely in order to increase your typing efficiency.";
    if (Weakest(2))
        return (W[0] >= 2
                    ? "Your overall accuracy percentage was " + Adverb(Q[0]) + "good, but you "
                    : "You ") +
               "seem to have some problems with a single char. Revision Wizard could help you.";
    if (Weakest(3))
        return (Average >= 2 ? std::string("As the other aspects of your typing are now in ") +
                                   (Average >= 3 ? "really " : "") + "good condition, you "
                             : "You ") +
               "should increase your typing speed in order to reach "
               "better efficiency levels.";
    if (Rank[3] >= Rank[0]) return W[3] >= 2 ? "You typed " + Adverb(Q[3]) + "fast. Good!" : "";
    return W[0] >= 2 ? "Your overall accuracy was " + Adverb(Q[0]) + "good. Great!" : "";
}
