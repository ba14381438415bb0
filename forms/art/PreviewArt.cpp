// Assembles the book window from the finished pictures, placed as the program
// places them, so the artwork can be judged as a whole.
#include "forms/art/Pictures.h"
#include "platform/PictureDensity.h"

#include <QDir>
#include <QPainter>

#include <cstdio>

namespace {

constexpr int ClientW = 804, ClientH = 556, StatusH = 21;
constexpr int BookW = 777, BookH = 529;

struct TPreview {
    QString Dir;
    bool Ok = true;
    QImage Load(const QString& Name) {
        QImage Img(Dir + QStringLiteral("/") + Name);
        ApplyPictureDensity(Img);
        if (Img.isNull()) {
            std::fprintf(stderr, "clavora_art: cannot read %s\n", qPrintable(Name));
            Ok = false;
        }
        return Img;
    }
};

void DrawDeskAndStatus(QPainter& P, TPreview& Pics) {
    P.drawImage(QRect(0, 0, ClientW, ClientH), Pics.Load(QStringLiteral("Desk.png")));
    P.fillRect(QRect(0, ClientH - StatusH, ClientW, StatusH), QColor(0x80, 0, 0));
    P.save();
    P.setClipRect(QRect(0, ClientH - StatusH, ClientW, StatusH));
    P.drawImage(10, ClientH - StatusH, Pics.Load(QStringLiteral("LinkWww.png")));
    const QImage Mail = Pics.Load(QStringLiteral("LinkEmail.png"));
    P.drawImage(ClientW - Mail.width() - 10, ClientH - StatusH, Mail);
    P.restore();
}

// Draws Img into a white panel of the given size, at Offset inside it.
void Panel(QPainter& P, const QRect& R, const QImage& Img, QPoint Offset, bool White = true) {
    P.save();
    P.setClipRect(R, Qt::IntersectClip);
    if (White) P.fillRect(R, Qt::white);
    P.drawImage(R.topLeft() + Offset, Img);
    P.restore();
}

struct TBookState {
    int Selected; // index of the hidden menu picture
    QString Title;
    bool Exercise; // the dark console
    QStringList Buttons;
};

QImage Book(TPreview& Pics, const TBookState& S) {
    QImage Img(ClientW, ClientH, QImage::Format_ARGB32_Premultiplied);
    QPainter P(&Img);
    P.setRenderHint(QPainter::SmoothPixmapTransform);
    P.setRenderHint(QPainter::TextAntialiasing);
    DrawDeskAndStatus(P, Pics);

    const QPoint B((ClientW - BookW) / 2, (ClientH - StatusH - BookH) / 2);
    P.translate(B);
    P.setClipRect(QRect(0, 0, BookW, BookH));
    P.drawImage(0, 61, Pics.Load(QStringLiteral("BookPages.png")));
    P.drawImage(0, 0, Pics.Load(QStringLiteral("TabRow.png")));
    const struct {
        const char* File;
        QPoint At;
    } Menus[] = {{"TabGuided.png", {28, 18}},      {"TabRevision.png", {141, 18}},
                 {"TabStatistics.png", {255, 18}}, {"TabAbout.png", {415, 28}},
                 {"TabOptions.png", {483, 28}},    {"TabExit.png", {685, 27}}};
    for (int I = 0; I < 6; ++I)
        if (I != S.Selected) P.drawImage(Menus[I].At, Pics.Load(QLatin1String(Menus[I].File)));
    P.fillRect(QRect(28, 74, 338, 428), Qt::white);
    P.drawImage(370, 61, Pics.Load(QStringLiteral("Fold.png")));
    P.fillRect(QRect(405, 74, 338, 428), Qt::white);

    const QRect Title(28, 61, 345, 52);
    Panel(P, Title, Pics.Load(QStringLiteral("TitleStrip.png")), {-10, -3});
    P.setFont(Art::Sans(29, true));
    P.setPen(Qt::black);
    P.drawText(Title.topLeft() + QPoint(16, 8 + QFontMetrics(P.font()).ascent()), S.Title);

    // Some page text, to judge the paper against.
    P.setFont(Art::Sans(13));
    P.setPen(QColor(0x20, 0x20, 0x20));
    P.drawText(
        QRect(44, 130, 306, 300), Qt::TextWordWrap,
        QStringLiteral("Place your fingers on the home row: A S D F with the left hand and J K L ; "
                       "with the right. Your thumbs rest lightly on the space bar."));
    P.drawText(QRect(421, 90, 306, 300), Qt::TextWordWrap,
               QStringLiteral("Lesson 1 - The home row\n\nasdf jkl; asdf jkl; fjdk slaj"));

    const QRect Console(553, 424, 193, 78);
    Panel(P, Console,
          Pics.Load(S.Exercise ? QStringLiteral("Console2.png") : QStringLiteral("Console1.png")),
          {0, 0});
    P.save();
    P.setClipRect(Console);
    const struct {
        const char* Name;
        QPoint At;
    } Buttons[] = {{"BtnBegin.png", {136, 13}}, {"BtnNext.png", {137, 13}},
                   {"BtnBack.png", {72, 13}},   {"BtnSkipF.png", {72, 13}},
                   {"BtnCancel.png", {61, 13}}, {"BtnSkipB.png", {10, 13}}};
    for (const auto& Btn : Buttons)
        if (S.Buttons.contains(QLatin1String(Btn.Name)))
            P.drawImage(Console.topLeft() + Btn.At, Pics.Load(QLatin1String(Btn.Name)));
    P.restore();
    return Img;
}

QImage CoverView(TPreview& Pics) {
    QImage Img(ClientW, ClientH, QImage::Format_ARGB32_Premultiplied);
    QPainter P(&Img);
    P.setRenderHint(QPainter::TextAntialiasing);
    DrawDeskAndStatus(P, Pics);
    const QRect Cover((ClientW - 356) / 2, (ClientH - StatusH - 499) / 2, 356, 499);
    Panel(P, Cover, Pics.Load(QStringLiteral("Cover.png")), {-1, -3});
    P.translate(Cover.topLeft());
    P.setPen(QPen(Qt::white, 1));
    P.drawRect(QRect(74, 366, 236, 94));
    P.setFont(Art::Sans(13));
    P.drawText(QPoint(87, 375 + QFontMetrics(P.font()).ascent()),
               QStringLiteral("Enter your name:"));
    P.fillRect(QRect(87, 395, 211, 24), Qt::white);
    P.setPen(QColor(0x80, 0x80, 0x80));
    P.drawRect(QRect(87, 395, 210, 23));
    P.setPen(Qt::black);
    P.drawText(QRect(92, 395, 200, 24), Qt::AlignVCenter, QStringLiteral("Anna"));
    P.fillRect(QRect(144, 426, 89, 25), QColor(0xE8, 0xE8, 0xE8));
    P.drawText(QRect(144, 426, 89, 25), Qt::AlignCenter, QStringLiteral("OK"));
    P.fillRect(QRect(252, 451, 60, 20), QColor(0xE8, 0xE8, 0xE8));
    P.drawText(QRect(252, 451, 60, 20), Qt::AlignCenter, QStringLiteral("Visitor"));
    P.translate(-Cover.topLeft());
    P.drawImage(ClientW - 80, 12, Pics.Load(QStringLiteral("Clavora.png")));
    return Img;
}

} // namespace

bool WritePreviews(const QString& Dir, const QString& OutDir) {
    TPreview Pics{Dir};
    QDir().mkpath(OutDir);
    const QImage Study =
        Book(Pics, {0,
                    QStringLiteral("Guided Studying"),
                    false,
                    {QStringLiteral("BtnNext.png"), QStringLiteral("BtnCancel.png")}});
    const QImage Exercise =
        Book(Pics, {2,
                    QStringLiteral("Statistics"),
                    true,
                    {QStringLiteral("BtnBegin.png"), QStringLiteral("BtnSkipF.png"),
                     QStringLiteral("BtnSkipB.png")}});
    const QImage Other =
        Book(Pics, {5, QStringLiteral("Course Completed"), false, {QStringLiteral("BtnBack.png")}});
    const QImage Closed = CoverView(Pics);
    if (!Pics.Ok) return false;
    bool Ok = Study.save(OutDir + QStringLiteral("/book.png")) &&
              Exercise.save(OutDir + QStringLiteral("/book-exercise.png")) &&
              Other.save(OutDir + QStringLiteral("/book-exit.png")) &&
              Closed.save(OutDir + QStringLiteral("/cover.png"));
    // Enlarged details of the tab row and the console.
    Ok = Ok && Study.copy(0, 0, 420, 140)
                   .scaled(840, 280)
                   .save(OutDir + QStringLiteral("/zoom-tabs-left.png"));
    Ok = Ok && Study.copy(384, 0, 420, 140)
                   .scaled(840, 280)
                   .save(OutDir + QStringLiteral("/zoom-tabs-right.png"));
    Ok = Ok && Exercise.copy(0, 0, 420, 140)
                   .scaled(840, 280)
                   .save(OutDir + QStringLiteral("/zoom-tabs-left2.png"));
    Ok = Ok && Study.copy(540, 400, 264, 156)
                   .scaled(792, 468)
                   .save(OutDir + QStringLiteral("/zoom-console.png"));
    Ok = Ok && Exercise.copy(540, 400, 264, 156)
                   .scaled(792, 468)
                   .save(OutDir + QStringLiteral("/zoom-console2.png"));
    Ok = Ok && Study.copy(330, 380, 140, 176)
                   .scaled(560, 704)
                   .save(OutDir + QStringLiteral("/zoom-fold.png"));
    Ok = Ok && Study.copy(0, 380, 140, 176)
                   .scaled(560, 704)
                   .save(OutDir + QStringLiteral("/zoom-corner.png"));
    Ok = Ok && Study.copy(664, 380, 140, 176)
                   .scaled(560, 704)
                   .save(OutDir + QStringLiteral("/zoom-corner-right.png"));
    return Ok;
}
