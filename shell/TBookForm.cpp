#include "shell/TBookForm.h"

#include "files/ErrorLog.h"
#include "files/ProductInfo.h"
#include "files/TProgramSettings.h"
#include "platform/Application.h"
#include "platform/BookScale.h"
#include "platform/ErrorHandler.h"
#include "platform/KeyPreview.h"
#include "platform/ShellOpen.h"
#include "shell/TFormView.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <algorithm>

TBookForm* BookForm = nullptr;

namespace {

TImage* MakeImage(QWidget* Parent, const char* Name, int Left, int Top, int Width, int Height,
                  const char* Picture, bool Clickable = false) {
    auto* Image = MakeControl<TImage>(Parent, Name, Left, Top, Width, Height);
    Image->SetPictureFile(Picture);
    Image->SetClickable(Clickable);
    return Image;
}

QLabel* MakeLabel(QWidget* Parent, const char* Name, int Left, int Top, const QFont& Font,
                  const QColor& Color) {
    // Sized to its caption later, like a designed auto-size label.
    auto* Label = MakeTextLabel(Parent, Name, Left, Top, 0, 0, Font, Color, Qt::AlignLeft);
    Label->setAttribute(Qt::WA_TranslucentBackground);
    return Label;
}

} // namespace

TBookForm::TBookForm() {
    setObjectName(QStringLiteral("BookForm"));
    setWindowTitle(QString::fromLatin1(ProductInfo::Title));
    setWindowIcon(QIcon(LoadPicture("Clavora.png")));
    QPalette Palette = palette();
    Palette.setColor(QPalette::Window, Qt::white);
    setPalette(Palette);
    setAutoFillBackground(true);
    resize(804, 556);

    CreateParts();
    CreateCover();

    // The window's creation handler.
    LoadLabel->setText(QStringLiteral("Loading, please wait..."));
    LogLabel->setText(QStringLiteral("Enter your name:"));
    LogOK->setText(QStringLiteral("OK"));
    LogVisitor->setText(QStringLiteral("&Visitor"));
    UserYes->setText(QStringLiteral("&Yes"));
    UserCancel->setText(QStringLiteral("&Cancel"));
    LoadLabel->adjustSize();
    LogLabel->adjustSize();
    resize(Book->size());
    SetExerciseConsole(0);
    CentreOnScreen();
    SetMaximized(true);
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        raise();
        activateWindow();
    }
}

TBookForm::~TBookForm() {
    if (BookForm == this) BookForm = nullptr;
}

void TBookForm::CreateParts() {
    BackGround32 = MakeImage(this, "BackGround32", 0, 0, 804, 556, "Desk.png");
    BackGround32->SetStretch(true);
    BackGround16 = MakeImage(this, "BackGround16", 0, 0, 804, 556, "Desk16.png");
    BackGround16->hide();

    // The book's pictures cover the whole panel; where they are transparent
    // the desk shows through.
    Book = MakeControl<TPanel>(this, "Book", 32, 24, 777, 529);
    Book->SetTransparent();
    TabRowPic = MakeImage(Book, "TabRowPic", 0, 0, 777, 61, "TabRow.png");
    MenuGuided = MakeImage(Book, "MenuGuided", 28, 18, 113, 43, "TabGuided.png", true);
    MenuRevision = MakeImage(Book, "MenuRevision", 141, 18, 114, 43, "TabRevision.png", true);
    MenuInfo = MakeImage(Book, "MenuInfo", 255, 18, 129, 43, "TabStatistics.png", true);
    MenuLogo = MakeImage(Book, "MenuLogo", 415, 28, 47, 28, "TabAbout.png", true);
    MenuOptions = MakeImage(Book, "MenuOptions", 483, 28, 83, 28, "TabOptions.png", true);
    MenuExit = MakeImage(Book, "MenuExit", 685, 27, 58, 30, "TabExit.png", true);
    Image4 = MakeImage(Book, "Image4", 0, 61, 777, 468, "BookPages.png");
    WidePage = MakeControl<TPanel>(Book, "WidePage", 28, 74, 718, 428);
    LeftPage = MakeControl<TPanel>(Book, "LeftPage", 28, 74, 338, 428);
    PageSeparator = MakeImage(Book, "PageSeparator", 370, 61, 35, 442, "Fold.png");
    RightPage = MakeControl<TPanel>(Book, "RightPage", 405, 74, 338, 428);

    TitleConsole = MakeControl<TPanel>(Book, "TitleConsole", 28, 61, 345, 52);
    Image1 = MakeImage(TitleConsole, "Image1", -10, -3, 342, 56, "TitleStrip.png");
    Title = MakeControl<TAutoSizeLabel>(TitleConsole, "Title", 16, 8, 0, 36);
    Title->setFont(Arial(29, true));
    QPalette Ink = Title->palette();
    Ink.setColor(QPalette::WindowText, Qt::black);
    Title->setPalette(Ink);
    Title->setAlignment(Qt::AlignLeft);
    Title->setAttribute(Qt::WA_TranslucentBackground);

    BtnConsole = MakeControl<TPanel>(Book, "BtnConsole", 553, 424, 193, 78);
    // Round its tray the page, or the exercise console, shows through.
    BtnConsole->SetTransparent();
    ConsolePic1 = MakeImage(BtnConsole, "ConsolePic1", 0, 0, 193, 80, "Console1.png");
    ConsolePic2 = MakeImage(BtnConsole, "ConsolePic2", 0, 0, 193, 80, "Console2.png");
    ConsolePic1->raise();
    BeginB = MakeImage(BtnConsole, "BeginB", 136, 13, 51, 63, "BtnBegin.png", true);
    Next = MakeImage(BtnConsole, "Next", 137, 13, 49, 63, "BtnNext.png", true);
    Back = MakeImage(BtnConsole, "Back", 72, 13, 50, 63, "BtnBack.png", true);
    SkipF = MakeImage(BtnConsole, "SkipF", 72, 13, 51, 63, "BtnSkipF.png", true);
    Cancel = MakeImage(BtnConsole, "Cancel", 61, 13, 66, 63, "BtnCancel.png", true);
    SkipB = MakeImage(BtnConsole, "SkipB", 10, 13, 50, 63, "BtnSkipB.png", true);
    for (TImage* Button : {BeginB, Next, Back, SkipF, Cancel, SkipB}) {
        Button->hide();
        Button->OnClick = [this](QObject* Sender) { ButtonClick(Sender); };
    }
    BtnConsole->hide();

    StatusBar = MakeControl<TPanel>(this, "StatusBar", 0, 556 - 21, 804, 21);
    StatusBar->SetColor(QColor(0x80, 0x00, 0x00));
    wwwlink = MakeImage(StatusBar, "wwwlink", 0, 0, 177, 21, "LinkWww.png", true);
    emaillink = MakeImage(StatusBar, "emaillink", 664, 0, 140, 21, "LinkEmail.png", true);
    wwwlink->OnClick = [this](QObject* Sender) { LinkClick(Sender); };
    emaillink->OnClick = [this](QObject* Sender) { LinkClick(Sender); };
}

void TBookForm::CreateCover() {
    BookCover = MakeControl<TPanel>(this, "BookCover", 40, 8, 356, 499);
    BookCover->hide();
    Image3 = MakeImage(BookCover, "Image3", -1, -3, 369, 511, "Cover.png");
    Shape1 = MakeControl<TShape>(BookCover, "Shape1", 74, 366, 237, 95);
    Shape1->SetPenColor(Qt::white);
    LogLabel = MakeLabel(BookCover, "LogLabel", 87, 375, Arial(13), Qt::white);
    LogLabel->hide();
    LoadLabel = MakeLabel(BookCover, "LoadLabel", 83, 397, Arial(21), Qt::white);
    NewUserLbl = MakeLabel(BookCover, "NewUserLbl", 88, 380, Arial(15, true), Qt::white);
    NewUserLbl->setText(QStringLiteral("Are you a new user?"));
    NewUserLbl->setWordWrap(true);
    NewUserLbl->resize(211, 44);
    NewUserLbl->hide();
    NameField = MakeControl<QComboBox>(BookCover, "NameField", 87, 395, 211, 24);
    NameField->setEditable(true);
    NameField->setFont(Arial(13));
    NameField->hide();
    UserYes = MakeControl<TButton>(BookCover, "UserYes", 87, 426, 89, 25);
    UserCancel = MakeControl<TButton>(BookCover, "UserCancel", 210, 426, 89, 25);
    LogOK = MakeControl<TButton>(BookCover, "LogOK", 144, 426, 89, 25);
    // In the frame's lower right corner, four units from its lines.
    LogVisitor = MakeControl<TButton>(BookCover, "LogVisitor", 246, 436, 60, 20);
    UserYes->setDefault(true);
    UserCancel->Cancel = true;
    LogOK->setDefault(true);
    for (QWidget* Control : {static_cast<QWidget*>(UserYes), static_cast<QWidget*>(UserCancel),
                             static_cast<QWidget*>(LogOK), static_cast<QWidget*>(LogVisitor)})
        Control->hide();
    for (TButton* Button : {UserYes, UserCancel, LogOK, LogVisitor})
        Button->OnClick = [this](QObject* Sender) { ButtonClick(Sender); };
    setTabOrder(NameField, LogOK);
    setTabOrder(LogOK, LogVisitor);
    setTabOrder(LogVisitor, UserCancel);
    setTabOrder(UserCancel, UserYes);
}

void TBookForm::SetPageMode(int Mode) {
    switch (Mode) {
    case 0:
        Book->hide();
        BookCover->show();
        break;
    case 1:
        BookCover->hide();
        Book->show();
        WidePage->show();
        PageSeparator->hide();
        LeftPage->hide();
        RightPage->hide();
        break;
    case 2:
        BookCover->hide();
        Book->show();
        PageSeparator->show();
        LeftPage->show();
        RightPage->show();
        WidePage->hide();
        break;
    default:
        break;
    }
    StatusBar->raise();
}

void TBookForm::SetConsoleButtons(std::uint8_t Mask) {
    ConsoleButtons = Mask;
    BeginB->setVisible(Mask & cbBegin);
    Next->setVisible(Mask & cbNext);
    Back->setVisible(Mask & cbBack);
    Cancel->setVisible(Mask & cbCancel);
    SkipF->setVisible(Mask & cbSkipF);
    SkipB->setVisible(Mask & cbSkipB);
    BtnConsole->setVisible(Mask != 0);
}

void TBookForm::SetExerciseConsole(std::uint8_t Value) {
    ExerciseConsole = Value;
    if (Value == 1)
        ConsolePic1->lower();
    else
        ConsolePic2->lower();
}

void TBookForm::DoEscape() {
    if (OnEscape) OnEscape(this);
}

void TBookForm::SetMaximized(bool Maximized) {
    if (Maximized) {
        // The window manager gives a maximised window the screen's area;
        // without one the window keeps the book's size.
        if (!IsMaximized())
            setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    } else {
        setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
        resize(Book->size());
        CentreOnScreen();
    }
    show();
}

void TBookForm::CentreOnScreen() {
    const QScreen* Screen = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!Screen) return;
    QRect Frame = frameGeometry();
    Frame.moveCenter(Screen->availableGeometry().center());
    move(Frame.topLeft());
}

bool TBookForm::IsMaximized() const {
    return windowState() & Qt::WindowMaximized;
}

void TBookForm::RepaintNow() {
    if (!isVisible()) return;
    QWindow* Window = windowHandle();
    if (Window && !Window->isExposed()) {
        QElapsedTimer Timer;
        Timer.start();
        while (!Window->isExposed() && !Application::Terminated() && Timer.elapsed() < 1000)
            Application::ProcessMessages();
    }
    repaint();
}

void TBookForm::showEvent(QShowEvent* Event) {
    QWidget::showEvent(Event);
    if (!FKeyPreview && windowHandle()) FKeyPreview = new TKeyPreview(windowHandle(), this);
    // Again on every show: changing the border makes a new native window.
    BookScale::Publish(this);
}

void TBookForm::resizeEvent(QResizeEvent* Event) {
    LayoutParts();
    QWidget::resizeEvent(Event);
    SizeChanged();
}

void TBookForm::changeEvent(QEvent* Event) {
    QWidget::changeEvent(Event);
    if (Event->type() == QEvent::WindowStateChange) SizeChanged();
}

void TBookForm::SizeChanged() {
    // The settings remember whether the book was maximised.
    if (Settings) Settings->MaximizedBook = IsMaximized();
    if (OnResize) OnResize(this);
}

void TBookForm::LayoutParts() {
    if (!Book || FInLayout) return;
    FInLayout = true;
    int ClientWidth = width();
    int ClientHeight = height();
    // The normal window is exactly the book's size.
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized))) {
        ClientWidth = Book->width();
        ClientHeight = Book->height();
        if (size() != Book->size()) resize(Book->size());
    }
    int StatusHeight = 0;
    if (ClientHeight < Book->height() + StatusBar->height()) {
        StatusBar->hide();
    } else {
        StatusHeight = StatusBar->height();
        StatusBar->setGeometry(0, ClientHeight - StatusHeight, ClientWidth, StatusHeight);
        StatusBar->show();
    }
    // Divisions truncate toward zero, also for a window smaller than the book.
    Book->move((ClientWidth - Book->width()) / 2,
               (ClientHeight - StatusHeight - Book->height()) / 2);
    BookCover->move((ClientWidth - BookCover->width()) / 2,
                    (ClientHeight - StatusHeight - BookCover->height()) / 2);
    wwwlink->move(10, wwwlink->y());
    emaillink->move(StatusBar->x() + StatusBar->width() - emaillink->width() - 10, emaillink->y());
    BackGround32->setGeometry(0, 0, ClientWidth, ClientHeight);
    BackGround16->setGeometry(0, 0, ClientWidth, ClientHeight);
    FInLayout = false;
}

void TBookForm::closeEvent(QCloseEvent* Event) {
    TCloseAction Action = caHide;
    if (OnClose) Guarded([&] { OnClose(this, Action); });
    if (Action == caNone) {
        Event->ignore();
        return;
    }
    Event->accept();
    // Closing the main window ends the application: every running page loop
    // ends at its next turn.
    Application::Terminate();
}

void TBookForm::PreviewKeyDown(std::uint16_t& Key, TShiftState Shift) {
    WindowKeyDown(Key, Shift);
}

void TBookForm::PreviewKeyPress(char& Key) {
    WindowKeyPress(Key);
}

void TBookForm::PreviewKeyUp(std::uint16_t& Key, TShiftState Shift) {
    if (TFormView* Holder = KeyHolder()) Holder->KeyUp(this, Key, Shift);
}

void TBookForm::WindowKeyDown(std::uint16_t& Key, TShiftState Shift) {
    if (Key == VK_TAB && Shift == ssCtrl) {
        Key = 0;
        if (OnCtrlTab) OnCtrlTab(this);
        return;
    }
    if (Key == VK_TAB && Shift == (ssCtrl | ssShift)) {
        Key = 0;
        if (OnCtrlShiftTab) OnCtrlShiftTab(this);
        return;
    }
    if (TFormView* Holder = KeyHolder()) Holder->KeyDown(this, Key, Shift);
    // Keys the page left alone: Enter and Escape press the shown default
    // and cancel buttons, as in a dialog.
    if (Shift == 0 && (Key == VK_RETURN || Key == VK_ESCAPE)) {
        const bool Enter = Key == VK_RETURN;
        for (QPushButton* Push : findChildren<QPushButton*>()) {
            auto* Button = dynamic_cast<TButton*>(Push);
            if (!Button || !Button->isVisible() || !Button->isEnabled()) continue;
            if (Enter ? Button->isDefault() : Button->Cancel) {
                Key = 0;
                Button->click();
                return;
            }
        }
    }
}

void TBookForm::WindowKeyPress(char& Key) {
    if (TFormView* Holder = KeyHolder()) Holder->KeyPress(this, Key);
}

void TBookForm::TakeKeys(TFormView* Holder) {
    if (!Holder) return;
    ReleaseKeys(Holder);
    FKeyHolders.push_back(Holder);
}

void TBookForm::ReleaseKeys(TFormView* Holder) {
    FKeyHolders.erase(std::remove(FKeyHolders.begin(), FKeyHolders.end(), Holder),
                      FKeyHolders.end());
}

void TBookForm::TakeClicks(TFormView* Holder, TNotifyEvent Handler) {
    if (!Holder) return;
    ReleaseClicks(Holder);
    FClickHolders.emplace_back(Holder, std::move(Handler));
}

void TBookForm::ReleaseClicks(TFormView* Holder) {
    FClickHolders.erase(std::remove_if(FClickHolders.begin(), FClickHolders.end(),
                                       [Holder](const auto& Held) { return Held.first == Holder; }),
                        FClickHolders.end());
}

TFormView* TBookForm::ClickHolder() const {
    return FClickHolders.empty() ? nullptr : FClickHolders.back().first;
}

void TBookForm::ButtonClick(QObject* Sender) {
    if (FClickHolders.empty()) return;
    // A copy: the handler may close its view, which gives the clicks back.
    const TNotifyEvent Handler = FClickHolders.back().second;
    if (Handler) Handler(Sender);
}

TFormView* TBookForm::KeyHolder() const {
    return FKeyHolders.empty() ? nullptr : FKeyHolders.back();
}

void TBookForm::LinkClick(QObject* Sender) {
    const bool Www = Sender == wwwlink;
    const std::string Target = Www ? std::string(ProductInfo::HomePage)
                                   : std::string("mailto:") + ProductInfo::SupportMail;
    if (ShellOpen(Target) <= 32) LogError(-5452, Target);
}

QObject* TBookForm::NextOrBackFor(std::uint16_t Key, TShiftState Shift) const {
    if (Key == VK_RETURN || (Shift == ssAlt && Key == 'N')) return Next;
    if (Key == VK_ESCAPE || (Shift == ssAlt && Key == 'B')) return Back;
    return nullptr;
}
