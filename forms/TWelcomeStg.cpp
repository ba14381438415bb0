#include "forms/TWelcomeStg.h"

#include "platform/Controls.h"

#include <QLabel>

TWelcomeStg* WelcomeStg = nullptr;

namespace {

const QColor Navy(0x1C, 0x2C, 0x5A);
const QColor Muted(0x55, 0x5E, 0x70);

// A card's caption and explanation under its picture.
void MakeCaptions(QWidget* Parent, const char* TitleName, const char* TextName, int Left, int Top,
                  QLabel*& Title, QLabel*& Text) {
    Title = MakeTextLabel(Parent, TitleName, Left, Top, 300, 30, Arial(22, true), Navy,
                          Qt::AlignHCenter | Qt::AlignVCenter);
    Text = MakeTextLabel(Parent, TextName, Left + 10, Top + 32, 280, 52, Arial(14), Muted,
                         Qt::AlignHCenter | Qt::AlignTop);
    Text->setWordWrap(true);
}

TImage* MakePicture(QWidget* Parent, const char* Name, int Left, int Top, int Width, int Height,
                    const char* File) {
    auto* Picture = MakeControl<TImage>(Parent, Name, Left, Top, Width, Height);
    Picture->SetPictureFile(File);
    return Picture;
}

// A clickable area over a card: no picture of its own, the hand cursor.
TImage* MakeMask(QWidget* Parent, const char* Name, int Left, int Top) {
    auto* Mask = MakeControl<TImage>(Parent, Name, Left, Top, 300, 292);
    Mask->SetClickable(true);
    return Mask;
}

} // namespace

TWelcomeStg::TWelcomeStg() : TStorageForm("WelcomeStg") {
    resize(1460, 430);

    Panel = MakeControl<TPanel>(this, "Panel", 0, 0, 718, 428);
    Panel->SetTransparent();
    WelcomeTitle = MakePicture(Panel, "WelcomeTitle", 0, 6, 718, 96, "WelcomeTitle.png");
    IntroPic = MakePicture(Panel, "IntroPic", 40, 116, 300, 180, "WelcomeIntro.png");
    MakeCaptions(Panel, "IntroTitle", "IntroLbl", 40, 300, IntroTitle, IntroLbl);
    StudyingPic = MakePicture(Panel, "StudyingPic", 378, 116, 300, 180, "WelcomeStudy.png");
    MakeCaptions(Panel, "StudyingTitle", "StudyingLbl", 378, 300, StudyingTitle, StudyingLbl);
    IntroMask = MakeMask(Panel, "IntroMask", 40, 116);
    StudyingMask = MakeMask(Panel, "StudyingMask", 378, 116);

    // The title strip covers the top 40 units of the page's left half, and
    // the console stands in its lower right corner, under the Restart card:
    // the medal starts below the one, the card and its texts end above the
    // other.
    Panel2 = MakeControl<TPanel>(this, "Panel2", 730, 0, 718, 428);
    Panel2->SetTransparent();
    DonePic = MakePicture(Panel2, "DonePic", 40, 42, 300, 300, "CourseDone.png");
    DoneLbl = MakeTextLabel(Panel2, "DoneLbl", 40, 346, 300, 78, Arial(16, true), Navy,
                            Qt::AlignHCenter | Qt::AlignTop);
    DoneLbl->setWordWrap(true);
    Restart = MakePicture(Panel2, "Restart", 378, 60, 300, 180, "Restart.png");
    Restart->SetClickable(true);
    MakeCaptions(Panel2, "RestartTitle", "RestartLbl", 378, 244, RestartTitle, RestartLbl);

    SetAcceleratedCaption(IntroTitle, "&Introduction");
    IntroLbl->setText(QStringLiteral("Click here to learn the key features of Clavora in minutes "
                                     "with this interactive overview."));
    SetAcceleratedCaption(StudyingTitle, "&Begin Studying");
    StudyingLbl->setText(QStringLiteral(
        "Click here to start personalized guided studying with multi-form exercises."));
    SetAcceleratedCaption(RestartTitle, "&Restart Studying");
    RestartLbl->setText(
        QStringLiteral("Click here to restart studying with different studying material."));
    DoneLbl->setText(QStringLiteral("Well done! You have studied every chapter of the course."));
}
