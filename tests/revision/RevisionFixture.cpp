#include "tests/revision/RevisionFixture.h"

#include "app/TMain.h"
#include "forms/TRevisionStg.h"
#include "platform/Controls.h"
#include "shell/TBookForm.h"
#include "shell/TChapterView.h"
#include "users/TDifficultKeys.h"
#include "users/TUser.h"

#include <QTest>

#include <cstdlib>

void RevisionTest::SetUp() {
    ProgramTest::SetUp();
    SetClock(&Clock);
}

void RevisionTest::MakeNora() {
    auto User = std::make_unique<TUser>("Nora");
    for (const char* Group : {"fj", "dk", "sl", "a;", "qz"})
        User->AddKeyGroup(Group);
    User->FKeyGroupsReached = 5;
    SetCurrentUser(std::move(User));
    DifficultKeys->SetStudiedKeys("");
    // Four times the share of wrong strokes.
    for (int I = 0; I < 20; ++I) {
        DifficultKeys->RecordKey('j', I < 6);
        DifficultKeys->RecordKey('f', I < 5);
        DifficultKeys->RecordKey('d', I < 1);
    }
    DifficultKeys->Merge();
}

void RevisionTest::Type(const std::string& Keys) {
    for (char C : Keys) {
        Clock.AdvanceClockSeconds(1);
        Qt::Key Key = Qt::Key_unknown;
        if (C == ' ')
            Key = Qt::Key_Space;
        else if (C == '\r')
            Key = Qt::Key_Return;
        else if (C >= 'a' && C <= 'z')
            Key = Qt::Key(Qt::Key_A + (C - 'a'));
        QTest::sendKeyEvent(QTest::Click, BookForm->windowHandle(), Key,
                            QString(QChar::fromLatin1(C)), Qt::NoModifier);
    }
}

void RevisionTest::Shot(const std::string& Name) {
    const char* Folder = std::getenv("CLAVORA_TEST_SHOTS");
    if (!Folder || !BookForm) return;
    BookForm->grab().save(QString::fromStdString(std::string(Folder) + "/" + Name + ".png"));
}

bool RevisionMenuShown() {
    return TMain::RunningMenu == "MenuRevision" && RevisionStg &&
           TFormView::ActiveView() == ChapterView && ChapterView->IsOpen &&
           IsShownOnWindow(RevisionStg->WizardBox);
}
