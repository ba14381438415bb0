#include "app/TMain.h"

#include "analysis/results/TExercInfoView.h"
#include "app/DemoCourse.h"
#include "app/DemoExercise.h"
#include "app/Installation.h"
#include "app/ProgramObjects.h"
#include "app/Setup.h"
#include "files/ErrorLog.h"
#include "files/Sounds.h"
#include "files/TProgramSettings.h"
#include "files/TextUtils.h"
#include "guided/ui/TCoverView.h"
#include "guided/ui/TNewUserView.h"
#include "pages/ui/TOptionsView.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Environment.h"
#include "platform/FileNames.h"
#include "platform/Latin1.h"
#include "platform/UserFolders.h"
#include "platform/WholeFiles.h"
#include "shell/TController.h"
#include "shell/TFormView.h"
#include "shell/TNavigate.h"
#include "users/TDifficultKeys.h"
#include "users/TUser.h"

#include <QGuiApplication>
#include <QScreen>

#include <unistd.h>

std::string TMain::SelectedMenu;
std::string TMain::RunningMenu;
QPointer<QWidget> TMain::SelectedPicture;
bool TMain::ExitRequested = false;
bool TMain::Halted = false;
int TMain::ExitStatus = 0;
TController* TMain::GuidedStudying = nullptr;
TController* TMain::Revision = nullptr;
TController* TMain::StatisticsPage = nullptr;
TController* TMain::About = nullptr;

namespace {

std::string ComponentName(QObject* Sender) {
    return Sender ? FromQ(Sender->objectName()) : "";
}

void Halt(int Status) {
    TMain::Halted = true;
    TMain::ExitStatus = Status;
}

// The program directory: the learner's own folder over the shipped material,
// which is only read. The learner's folder is also the current directory, so
// that nothing is ever written beside the program.
void UseLearnersFolder() {
    const std::string DataHome = UserFolders::DataHome();
    const std::string UserFolder = DataHome.empty() ? std::string() : DataHome + "/Clavora";
    SetProgramLayers(UserFolder, Application::ProgramDirectory());
    if (!UserFolder.empty() && MakeFolders(UserFolder) && chdir(UserFolder.c_str()) != 0) {
        // Relative names still resolve through the layers.
    }
    Application::SetHelpFile("CLAVORA.HLP");
}

// The error log names the version that wrote it.
void SignErrorLog() {
    TErrorLogInfo LogInfo = ErrorLogInfo();
    LogInfo.Version = Settings->Version;
    LogInfo.Build = Settings->Build;
    LogInfo.Platform = Settings->Platform;
    LogInfo.CompileDate = Settings->BuildDate;
    SetErrorLogInfo(LogInfo);
}

void ShowCover() {
    BookForm->BackGround32->show();
    BookForm->BackGround16->hide();
    BookForm->setWindowTitle(QStringLiteral("Clavora 98"));
    BookForm->SetPageMode(0);
    BookForm->RepaintNow();
    TMain::ExitRequested = false;
    BookForm->OnClose = &TMain::BookClose;
}

bool AutoSetupAsked(int ArgumentCount, char** Arguments) {
    return ArgumentCount == 1 && UpperCase(Arguments[0]) == "/AUTOSETUP";
}

// The first start seeds the settings before they are read.
void LoadSettings() {
    if (Settings->LayoutNames.empty()) FirstRunSetup(*Settings);
    Settings->Load();
    BookForm->SetMaximized(Settings->MaximizedBook);
}

void LoadSounds() {
    LoadEffect(ClickSound, "Click.wav");
    LoadEffect(TheEndSound, "Theend.wav");
    LoadEffect(ErrorSound, "Error.wav");
    if (Settings->PlayTheme) {
        LoadEffect(IntroSound, "Intro.wav");
        PlayEffect(IntroSound);
    }
}

// One text exercise or one course given on the command line runs instead of
// the book's tabs, without a login (for trying out material and for the
// program's own tests); false when the command line gives neither.
bool RunCommandLine(int ArgumentCount, char** Arguments) {
    const auto DemoLine = DemoExerciseLine(ArgumentCount, Arguments);
    const auto DemoCourse = DemoCourseFile(ArgumentCount, Arguments);
    if (!DemoLine && !DemoCourse) return false;
    FreeEffect(IntroSound);
    MakeProgramObjects(TObjectMoment::LearnerKnown);
    BookForm->SetPageMode(2);
    if (DemoLine) {
        if (RunDemoExercise(*DemoLine) < 0) TMain::ExitStatus = 1;
    } else {
        RunDemoCourse(*DemoCourse);
    }
    return true;
}

void WelcomeLearner(const std::string& EnteredName) {
    const bool Visitor = UpperCase(EnteredName) == "VISITOR";
    if (Visitor)
        MessageDlg("Welcome to explore Clavora as a Visitor.\r"
                   "\r"
                   "Your personal studying information will not be saved.\r"
                   "For serious studing use your own name instead.",
                   mtCustom, mbOK);
    if (CurrentUser->FSoundsOn == 0) SoundsOn = false;
    // The theme plays while the learner logs in and stops when the book opens.
    FreeEffect(IntroSound);
    // Loading the course takes a moment: the cover says so at once.
    BookForm->LoadLabel->show();
    BookForm->RepaintNow();
    if (!Visitor) Settings->LastUser = CurrentUser->FName;

    // The first run after the login is compared with the learner's last one.
    ExercInfoView->SetSpeed(CurrentUser->FLastSpeed);
    ExercInfoView->SetAccuracy(CurrentUser->FLastAccuracy);
    ExercInfoView->SetBackSpace(CurrentUser->FLastBackspace);
    ExercInfoView->SetEfficiency(CurrentUser->FLastEfficiency);
}

// The book opens at its tabs, which the mouse and the shortcuts select.
void OpenBook() {
    BookForm->SetPageMode(2);
    if (Settings->SmallScreen) {
        // The navigation console sits on the book window's bottom edge.
        const QRect Frame = BookForm->frameGeometry();
        Navigate->move(Frame.left(), Frame.top() + Frame.height() - Navigate->height());
        Navigate->show();
        BookForm->activateWindow();
        BookForm->setFocus();
    }

    for (TImage* Menu : {BookForm->MenuGuided, BookForm->MenuInfo, BookForm->MenuRevision,
                         BookForm->MenuOptions, BookForm->MenuExit, BookForm->MenuLogo})
        Menu->OnClick = &TMain::MenuClick;
    BookForm->OnCtrlTab = &TMain::SelectNextMenu;
    BookForm->OnCtrlShiftTab = &TMain::SelectPreviousMenu;
    BookForm->OnEscape = &TMain::SelectGuidedMenu;
}

} // namespace

void TMain::Reset() {
    SelectedMenu.clear();
    RunningMenu.clear();
    SelectedPicture = nullptr;
    ExitRequested = false;
    Halted = false;
    ExitStatus = 0;
}

bool TMain::SmallScreenRefused() {
    QScreen* Screen = QGuiApplication::primaryScreen();
    // The screen's real width: a scaled book counts in larger pixels.
    if (!Screen || qRound(Screen->availableGeometry().width() * Screen->devicePixelRatio()) > 640)
        return false;
    if (MessageDlg("Clavora cannot fit to screen, since your display\r"
                   "area is only 640x480 or smaller. Press Help button to\r"
                   "view the instructions.\r"
                   "\r"
                   "Do you want to continue?",
                   mtWarning, mbYes | mbNo | mbHelp, 1010) == mrNo)
        return true;
    Settings->SmallScreen = true;
    BookForm->setWindowFlag(Qt::FramelessWindowHint, true);
    BookForm->show();
    return false;
}

void TMain::Start(int ArgumentCount, char** Arguments) {
    UseLearnersFolder();
    MakeProgramObjects(TObjectMoment::FoldersFound);
    SignErrorLog();
    // Without its pictures or its help book the book would be a white page
    // without buttons: the learner is told what is missing, and the program
    // ends.
    if (!InstallationComplete()) return Halt(1);
    if (SmallScreenRefused()) return Halt(0);
    ShowCover();
    if (AutoSetupAsked(ArgumentCount, Arguments)) {
        CreateProgramGroup(*Settings);
        return Halt(0);
    }
    LoadSettings();
    LoadSounds();
    // The keyboard layout, the current user and the tabs; without the layout
    // no drill could show its keys, so the program cannot go on.
    if (!MakeProgramObjects(TObjectMoment::SettingsLoaded)) return Halt(1);
    BookForm->LoadLabel->hide();
    if (Application::Terminated()) return;

    if (RunCommandLine(ArgumentCount, Arguments)) return;
    std::string EnteredName;
    if (!LoginLoop(EnteredName)) return;
    WelcomeLearner(EnteredName);
    MakeProgramObjects(TObjectMoment::LearnerKnown);
    DifficultKeys->SetStudiedKeys(CurrentUser->StudiedKeys(CurrentUser->FKeyGroupsReached));
    OpenBook();
    // Selects guided studying; no click sound, since nothing was selected.
    MenuClick(BookForm->MenuGuided);
    MenuLoop();
}

std::optional<std::string> TMain::AutoLogonName() {
    if (Settings->AutoLogon.empty()) return std::nullopt;
    // An automatic name is used as the login page would take it; one that
    // expands to nothing usable, or to more than the 98 characters the name
    // may have, leaves the login to the learner.
    std::string Name;
    for (char C : ExpandEnvironmentStrings(Settings->AutoLogon))
        if (static_cast<unsigned char>(C) >= 32 && C != 127) Name += C;
    Name = Trim(Name);
    if (Name.empty() || Name.size() > MaxAutoLogonName) return std::nullopt;
    return Name;
}

bool TMain::LoginLoop(std::string& EnteredName) {
    const std::optional<std::string> Automatic = AutoLogonName();
    for (;;) {
        int Choice = 1;
        if (Automatic) {
            EnteredName = *Automatic;
        } else {
            TViewPtr<TCoverView> Cover(new TCoverView);
            Choice = Cover->Run();
            EnteredName = Cover->UserName;
        }
        if (Choice == 0 || Application::Terminated()) return false;

        if (auto Found = TUser::FindUser(EnteredName)) {
            SetCurrentUser(std::move(Found));
            return true;
        }
        TViewPtr<TNewUserView> Question(new TNewUserView);
        Question->UserName = EnteredName;
        const int Answer = Question->Run();
        Question.reset();
        if (Answer == 0 || Application::Terminated()) return false;
        if (Answer == 1) {
            if (auto Created = TUser::CreateUser(EnteredName)) {
                SetCurrentUser(std::move(Created));
                return true;
            }
        }
    }
}

void TMain::RunOptions() {
    ::RunOptions();
}

void TMain::MenuLoop() {
    for (;;) {
        if (SelectedMenu != "MenuExit") {
            RunningMenu = SelectedMenu;
            if (SelectedMenu == "MenuGuided")
                GuidedStudying->Run();
            else if (SelectedMenu == "MenuRevision")
                Revision->Run();
            else if (SelectedMenu == "MenuInfo")
                StatisticsPage->Run();
            else if (SelectedMenu == "MenuOptions")
                RunOptions();
            else if (SelectedMenu == "MenuLogo")
                About->Run();
            else
                break;
        }
        // A program told to terminate from outside (a signal) has no
        // accepted close, but must not start its pages again and again.
        if (ExitRequested || Application::Terminated()) break;
    }
}

void TMain::MenuClick(QObject* Sender) {
    auto* Picture = qobject_cast<QWidget*>(Sender);
    if (!Picture) return;
    if (!SelectedMenu.empty()) PlayEffect(ClickSound);
    const std::string Name = ComponentName(Sender);
    if (Name == "MenuExit") {
        Picture->hide();
        BookForm->close();
        if (!ExitRequested) {
            Picture->show();
            return;
        }
    }
    if (TFormView::CloseActiveView()) return;
    if (SelectedPicture) SelectedPicture->show();
    Picture->hide();
    SelectedPicture = Picture;
    SelectedMenu = Name;
}

void TMain::BookClose(QObject*, TCloseAction& Action) {
    if (TFormView::CloseActiveView())
        Action = caNone;
    else
        ExitRequested = true;
}

namespace {

// The tab that Ctrl+Tab and Ctrl+Shift+Tab select from the running one.
struct TMenuStep {
    const char* Running;
    TImage* TBookForm::*Next;
    TImage* TBookForm::*Previous;
};
const TMenuStep MenuSteps[] = {
    {"MenuGuided", &TBookForm::MenuRevision, &TBookForm::MenuOptions},
    {"MenuRevision", &TBookForm::MenuInfo, &TBookForm::MenuGuided},
    {"MenuInfo", &TBookForm::MenuLogo, &TBookForm::MenuRevision},
    {"MenuLogo", &TBookForm::MenuOptions, &TBookForm::MenuInfo},
    {"MenuOptions", &TBookForm::MenuGuided, &TBookForm::MenuLogo},
};

const TMenuStep* StepFrom(const std::string& Running) {
    for (const TMenuStep& Step : MenuSteps)
        if (Running == Step.Running) return &Step;
    return nullptr;
}

} // namespace

void TMain::SelectNextMenu(QObject*) {
    if (const TMenuStep* Step = StepFrom(RunningMenu)) MenuClick(BookForm->*(Step->Next));
}

void TMain::SelectPreviousMenu(QObject*) {
    if (const TMenuStep* Step = StepFrom(RunningMenu)) MenuClick(BookForm->*(Step->Previous));
}

void TMain::SelectGuidedMenu(QObject*) {
    MenuClick(BookForm->MenuGuided);
}

void TMain::Shutdown() {
    // A page still open here was left by a signal, not by the learner: it
    // closes quietly, without a question nobody can answer, before its
    // controller goes.
    if (TFormView* Open = TFormView::ActiveView()) Open->BeforeDestruction();
    // Every slot, the theme's too: a learner who leaves at login leaves it
    // playing, and its player must stop before the program ends.
    FreeAllEffects();
    Settings->Save();
}
