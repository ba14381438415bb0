// Draws the chapter pictures of a course (185 x 313 units): the keys the
// chapter adds, large; the keyboard with those keys lit in the colour of their
// finger (and the Shift key they need), the keys known before in white; and
// both hands with the fingers that type the new keys lit, named under them in
// the course's language (from its layout, or --language en|de|sv); the Alt
// Gr key and the right thumb when the keys need Alt Gr. A picture has two
// pixels a unit, stored as a resolution of 192 dots per inch, as the program's
// own pictures are, so that a book drawn larger shows it crisp.
//
//   clavora_chapterpics --course F.cnt --layout F.kbd --out DIR [--language en|de|sv]
// Each chapter's picture is written under the name its "picture" line gives.
#include "keyboard/TKeyData.h"
#include "platform/Latin1.h"
#include "tools/coursetool/TAvoidList.h"
#include "tools/coursetool/TCourseScan.h"
#include "tools/coursetool/TPictureText.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <string>

namespace {

constexpr int W = 185, H = 313;
// Pixels a unit; the file's resolution says it, 96 dots per inch a pixel a unit.
constexpr int Density = 2;

QColor FingerColour(int Finger) {
    switch (Finger) {
    case 1:
    case 8:
        return QColor(214, 86, 86);
    case 2:
    case 7:
        return QColor(230, 150, 50);
    case 3:
    case 6:
        return QColor(80, 170, 90);
    case 4:
    case 5:
        return QColor(70, 120, 210);
    default:
        return QColor(150, 150, 150);
    }
}

QFont Sans(int Px, bool Bold) {
    QFont F(QStringLiteral("Arial"));
    F.setPixelSize(Px);
    F.setBold(Bold);
    return F;
}

// What the big caption shows: the keys themselves, a long run of letters or
// digits as a range ("A \u2013 Z \u00c4 \u00d6 \u00dc").
QString Caption(const std::string& Keys) {
    size_t Run = 0;
    while (Run < Keys.size() && isalnum(static_cast<unsigned char>(Keys[Run])))
        ++Run;
    QString S;
    size_t From = 0;
    if (Run > 6) {
        S = ToQ(std::string(1, Keys.front())) + QString::fromUtf8(" \u2013 ") +
            ToQ(std::string(1, Keys[Run - 1]));
        From = Run;
    }
    for (size_t I = From; I < Keys.size(); ++I) {
        if (!S.isEmpty()) S += QLatin1Char(' ');
        S += ToQ(std::string(1, Keys[I]));
    }
    return S;
}

// The largest of the sizes at which Text, wrapped, fits into Box.
QFont Fitting(const QString& Text, const QRectF& Box, std::initializer_list<int> Sizes, bool Bold) {
    QFont F;
    for (int Px : Sizes) {
        F = Sans(Px, Bold);
        const QRectF Need =
            QFontMetricsF(F).boundingRect(Box, Qt::AlignCenter | Qt::TextWordWrap, Text);
        if (Need.width() <= Box.width() && Need.height() <= Box.height()) break;
    }
    return F;
}

// Key caps: row offsets in key widths, as on a real keyboard.
const double RowOffset[5] = {0, 0, 1.5, 1.8, 1.3};
const int RowKeys[5] = {0, 13, 12, 12, 11};

void DrawKeyboard(QPainter& P, const TKeyData& Layout, const std::set<int>& Lit,
                  const std::set<int>& Known, int Shift, bool AltGr, double Top) {
    const double Unit = 12.0, Cap = 11.0, Left = 2.5;
    P.setFont(Sans(7, false));
    for (int Row = 1; Row <= 4; ++Row)
        for (int Col = 1; Col <= RowKeys[Row]; ++Col) {
            const int Key = TKeyData::KeyNumber(Row, Col);
            const QRectF R(Left + (RowOffset[Row] + Col - 1) * Unit, Top + (Row - 1) * Unit, Cap,
                           Cap);
            QColor Fill = QColor(205, 205, 200);
            if (Known.count(Key)) Fill = Qt::white;
            if (Lit.count(Key)) Fill = FingerColour(TKeyData::FingerOfKey(Key));
            P.setPen(QPen(QColor(90, 90, 90), 0.8));
            P.setBrush(Fill);
            P.drawRoundedRect(R, 1.5, 1.5);
            const char Base = Layout.Key(Key).Base;
            if (Base != ' ') {
                P.setPen(Lit.count(Key) ? Qt::white : QColor(60, 60, 60));
                // Caps show capitals, but a letter without a one-letter capital (ß) stays.
                const QString Label = ToQ(std::string(1, Base));
                const QString Upper = Label.toUpper();
                P.drawText(R, Qt::AlignCenter, Upper.size() == 1 ? Upper : Label);
            }
        }
    // The Shift keys either side of the lower row, and the space bar.
    const double Row4 = Top + 3 * Unit;
    const QRectF LeftShift(Left, Row4, RowOffset[4] * Unit - 1, Cap);
    const QRectF RightShift(Left + (RowOffset[4] + 11) * Unit, Row4,
                            180 - (RowOffset[4] + 11) * Unit, Cap);
    const QRectF Space(Left + 3.5 * Unit, Top + 4 * Unit, 7 * Unit, Cap);
    // Alt Gr lies right of the space bar.
    const QRectF AltGrKey(Space.right() + 1, Top + 4 * Unit, 2 * Unit - 1, Cap);
    for (const auto& [R, Lights] : {std::pair{LeftShift, Shift == 1 || Shift == 3},
                                    std::pair{RightShift, Shift == 2 || Shift == 3},
                                    std::pair{Space, false}, std::pair{AltGrKey, AltGr}}) {
        P.setPen(QPen(QColor(90, 90, 90), 0.8));
        P.setBrush(Lights ? QColor(110, 110, 110) : QColor(225, 225, 220));
        P.drawRoundedRect(R, 1.5, 1.5);
    }
    P.setFont(Sans(6, false));
    P.setPen(AltGr ? Qt::white : QColor(60, 60, 60));
    P.drawText(AltGrKey, Qt::AlignCenter, QStringLiteral("Alt Gr"));
}

// One hand seen from above; Mirror draws the right hand. Fingers 1-4 from the
// outside in (little to index) for the left hand.
void DrawHand(QPainter& P, double X, bool Right, const std::set<int>& Lit, bool ThumbLit) {
    const double Heights[4] = {46, 58, 64, 56};
    const double Widths[4] = {15, 16, 17, 17};
    const double Top = 178;
    QPainterPath Palm;
    Palm.addRoundedRect(QRectF(X, Top + 42, 76, 48), 18, 18);
    P.setPen(QPen(QColor(150, 110, 90), 1));
    P.setBrush(QColor(244, 214, 190));
    P.drawPath(Palm);
    double Fx = X + 2;
    for (int I = 0; I < 4; ++I) {
        // The right hand is the left one mirrored: its index finger comes first.
        const int Finger = Right ? 5 + I : I + 1;
        const int Slot = Right ? 3 - I : I;
        const double Fw = Widths[Slot], Fh = Heights[Slot];
        const QRectF R(Fx, Top + 64 - Fh + (Slot == 0 ? 10 : 0), Fw, Fh);
        P.setBrush(Lit.count(Finger) ? FingerColour(Finger) : QColor(244, 214, 190));
        P.drawRoundedRect(R, Fw / 2, Fw / 2);
        Fx += Fw + 2;
    }
    // The thumb lies toward the middle.
    QRectF Thumb(Right ? X - 12 : X + 62, Top + 70, 26, 15);
    P.setBrush(ThumbLit ? QColor(110, 110, 110) : QColor(244, 214, 190));
    P.drawRoundedRect(Thumb, 7, 7);
}

QImage Picture(const TKeyData& Layout, const std::string& New, const std::string& Before,
               const std::string& Language) {
    QImage Img(W * Density, H * Density, QImage::Format_RGB32);
    // The painter works in units.
    Img.setDevicePixelRatio(Density);
    const int DotsPerMeter = int(std::lround(96 / 0.0254 * Density));
    Img.setDotsPerMeterX(DotsPerMeter);
    Img.setDotsPerMeterY(DotsPerMeter);
    QPainter P(&Img);
    P.setRenderHint(QPainter::Antialiasing);
    QLinearGradient Back(0, 0, 0, H);
    Back.setColorAt(0, QColor(252, 250, 242));
    Back.setColorAt(1, QColor(236, 232, 218));
    P.fillRect(QRect(0, 0, W, H), Back);
    P.setPen(QPen(QColor(180, 170, 150), 1));
    P.setBrush(Qt::NoBrush);
    P.drawRect(QRectF(0.5, 0.5, W - 1, H - 1));

    const TPictureText Text = PictureText(Layout, New, Language);
    std::set<int> Lit, Known, Fingers;
    for (char C : New) {
        const int Key = Layout.KeyOf(C);
        if (Key < 1) continue;
        Lit.insert(Key);
        Fingers.insert(Layout.FingerOf(C));
    }
    for (char C : Before)
        if (Layout.KeyOf(C) > 0) Known.insert(Layout.KeyOf(C));

    P.setPen(QColor(70, 60, 50));
    P.setFont(Sans(13, false));
    P.drawText(QRectF(0, 8, W, 18), Qt::AlignCenter, QString::fromStdString(Text.Title));
    const QString Big = Caption(New);
    const QRectF BigBox(4, 26, W - 8, 70);
    P.setFont(Fitting(Big, BigBox, {40, 28, 19, 15, 12}, true));
    P.setPen(QColor(40, 40, 40));
    P.drawText(BigBox, Qt::AlignCenter | Qt::TextWordWrap, Big);

    DrawKeyboard(P, Layout, Lit, Known, Text.Shift, Text.AltGr, 104);

    DrawHand(P, 8, false, Fingers, false);
    DrawHand(P, W - 84, true, Fingers, Text.AltGr);

    // The fingers by name, under the hands, and what to hold above them.
    const QString Legend = QString::fromStdString(Text.Legend);
    const QRectF LegendBox(6, 271, W - 12, 39);
    P.setFont(Fitting(Legend, LegendBox, {10, 9, 8, 7}, false));
    P.setPen(QColor(70, 60, 50));
    P.drawText(LegendBox, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, Legend);
    const QString Note = QString::fromStdString(Text.Note);
    const QRectF NoteBox(2, 165, W - 4, 14);
    P.setFont(Fitting(Note, NoteBox, {9, 8, 7, 6}, false));
    P.drawText(NoteBox, Qt::AlignCenter | Qt::TextWordWrap, Note);
    return Img;
}

} // namespace

int main(int Argc, char** Argv) {
    QGuiApplication App(Argc, Argv);
    std::map<std::string, std::string> Opt;
    for (int I = 1; I + 1 < Argc; I += 2)
        Opt[std::string(Argv[I]).substr(2)] = Argv[I + 1];
    TCourseScan Course;
    std::string Error;
    if (!Course.Load(Opt["course"], Error)) {
        std::fprintf(stderr, "clavora_chapterpics: %s\n", Error.c_str());
        return 1;
    }
    TKeyData Layout;
    if (Layout.Load(Opt["layout"]) != 1) {
        std::fprintf(stderr, "clavora_chapterpics: cannot read %s\n", Opt["layout"].c_str());
        return 1;
    }
    // The course's language, as the course tool finds it.
    const std::string Language =
        Opt["language"].empty() ? TAvoidList::LanguageOfLayout(Course.Keyboard()) : Opt["language"];
    int Written = 0;
    for (const TScannedChapter& Ch : Course.Chapters()) {
        if (Ch.Picture.empty() || Ch.NewKeys.empty()) continue;
        const std::string Before = Course.KnownAt(Ch.Groups - 1);
        const std::string Path = Opt["out"] + "/" + Ch.Picture;
        if (!Picture(Layout, Ch.NewKeys, Before, Language)
                 .save(QString::fromLocal8Bit(Path.c_str()), "PNG",
                       0 /* strongest compression */)) {
            std::fprintf(stderr, "clavora_chapterpics: cannot write %s\n", Path.c_str());
            return 1;
        }
        ++Written;
    }
    std::printf("%d pictures written to %s\n", Written, Opt["out"].c_str());
    return 0;
}
