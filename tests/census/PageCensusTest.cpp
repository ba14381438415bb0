// Every page a learner can reach, opened on the book window at the scale the
// test runs with (the same executable runs at 1, 1.25, 1.6 and 2), and held
// to the relations that make a page readable at any scale:
//   - every visible control lies inside its page, and the pages' controls
//     keep clear of the title strip and the console of buttons;
//   - every row of a list lies inside its list;
//   - every text fits its label, button or field (wrapped texts with their
//     lines);
//   - every picture control's picture has the window's pixels a unit and
//     fits its control, and no picture any control draws is blown up.
// A failure names the page, the scale, the control and the rectangles, once
// for each control.
#include "tests/support/ProgramFixture.h"
#include "tests/support/TextEventFixture.h"

#include "analysis/results/TExercInfoView.h"
#include "app/TMain.h"
#include "course/TChapter.h"
#include "course/TChapterPages.h"
#include "course/ui/EventClassTable.h"
#include "engine/ui/RunEvent.h"
#include "engine/ui/TTextEvent.h"
#include "files/SystemUtils.h"
#include "forms/TBuilderStg.h"
#include "forms/TEventViewStg.h"
#include "forms/TEventsStg.h"
#include "forms/TRevisionStg.h"
#include "games/ui/TBubbles.h"
#include "games/ui/TLexidropEvent.h"
#include "games/ui/TTopTenView.h"
#include "guided/ui/TChpContentsView.h"
#include "guided/ui/TExerciseList.h"
#include "guided/ui/TGoodbyeView.h"
#include "keyboard/TKeyData.h"
#include "platform/Controls.h"
#include "platform/FileNames.h"
#include "revision/ui/TChooseTextView.h"
#include "revision/ui/TWizResultView.h"
#include "shell/TBookForm.h"
#include "shell/TChapterView.h"
#include "shell/TFormView.h"
#include "users/TDifficultKeys.h"
#include "users/TUser.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextDocument>

#include <cmath>
#include <cstdlib>
#include <iomanip>
#include <set>
#include <sstream>

namespace {

std::string Show(const QRect& R) {
    std::ostringstream S;
    S << "(" << R.x() << "," << R.y() << " " << R.width() << "x" << R.height() << ")";
    return S.str();
}

std::string NameOf(const QWidget* W) {
    std::string Name = W->objectName().toStdString();
    if (Name.empty()) Name = std::string("a ") + W->metaObject()->className();
    if (const QWidget* Parent = W->parentWidget(); Parent && !Parent->objectName().isEmpty())
        Name += " on " + Parent->objectName().toStdString();
    return Name;
}

double Ratio() {
    return BookForm->devicePixelRatioF();
}

// The part of the book a control belongs to: the page it was put on, a
// console, the cover or the status bar; the book for the book's own parts
// and for controls put on the window itself; the window for the book.
QWidget* FrameOf(const QWidget* W) {
    const std::set<const QWidget*> Frames = {
        BookForm->LeftPage,   BookForm->RightPage, BookForm->WidePage,  BookForm->TitleConsole,
        BookForm->BtnConsole, BookForm->StatusBar, BookForm->BookCover, BookForm->Book};
    for (QWidget* P = W->parentWidget(); P && P != BookForm; P = P->parentWidget())
        if (Frames.count(P)) return P;
    const std::set<const QWidget*> WindowParts = {BookForm->Book, BookForm->StatusBar,
                                                  BookForm->BookCover, BookForm->BackGround32,
                                                  BookForm->BackGround16};
    return WindowParts.count(W) ? static_cast<QWidget*>(BookForm) : BookForm->Book;
}

bool IsPage(const QWidget* Frame) {
    return Frame == BookForm->LeftPage || Frame == BookForm->RightPage ||
           Frame == BookForm->WidePage;
}

// Where W lies in Frame's coordinates (Frame need not hold it).
QRect In(const QWidget* W, const QWidget* Frame) {
    const QPoint Origin = Frame == BookForm ? QPoint(0, 0) : Frame->mapTo(BookForm, QPoint(0, 0));
    return QRect(W->mapTo(BookForm, QPoint(0, 0)) - Origin, W->size());
}

// The visible controls of the window, Qt's own parts of its compound
// controls left out.
void Collect(QWidget* Parent, std::vector<QWidget*>& Out) {
    for (QObject* Child : Parent->children()) {
        auto* W = qobject_cast<QWidget*>(Child);
        if (!W || W->isWindow() || !W->isVisible()) continue;
        Out.push_back(W);
        if (qobject_cast<QAbstractScrollArea*>(W) || qobject_cast<QComboBox*>(W) ||
            qobject_cast<QAbstractSpinBox*>(W))
            continue;
        Collect(W, Out);
    }
}

bool HasVisibleChildren(const QWidget* W) {
    for (const QObject* Child : W->children())
        if (auto* C = qobject_cast<const QWidget*>(Child); C && !C->isWindow() && C->isVisible())
            return true;
    return false;
}

// Backdrops laid under other parts or beyond their panel by design: the
// title's strip shows from its tenth unit on; the exercise console's two
// columns frame the console of buttons and slide under the page's edge with
// the typing screen; the revision menu's picture fills the left page, blank
// where the title strip lies; the cover's picture bleeds past the cover on
// every side, and the console's two backgrounds reach two units below it,
// their tray ending inside it.
bool Backdrop(const QWidget* W) {
    return W == BookForm->Image1 || W == EventsStg->LeftConsole || W == EventsStg->RightConsole ||
           W == RevisionStg->Image1 || W == BookForm->Image3 || W == BookForm->ConsolePic1 ||
           W == BookForm->ConsolePic2;
}

QString Plain(QString Text) {
    // "&&" shows one ampersand, "&x" underlines x.
    Text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    Text.remove(QLatin1Char('&'));
    Text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return Text;
}

// A paint device of the window's device-pixel ratio that draws nothing and
// keeps every picture drawn on it: a widget rendered on it shows which
// pictures it draws and with how many pixels a unit.
class TPictureSpy : public QPaintDevice {
public:
    struct TDrawn {
        qreal Ratio;
        QSizeF Target, Units;
    };
    TPictureSpy(QSize Size, qreal Ratio) : FSize(Size), FRatio(Ratio) {}
    QPaintEngine* paintEngine() const override { return &FEngine; }
    const std::vector<TDrawn>& Drawn() const { return FEngine.Drawn; }

protected:
    int metric(PaintDeviceMetric Metric) const override {
        switch (Metric) {
        case PdmWidth:
            return FSize.width();
        case PdmHeight:
            return FSize.height();
        case PdmWidthMM:
            return FSize.width() * 254 / 960;
        case PdmHeightMM:
            return FSize.height() * 254 / 960;
        case PdmNumColors:
            return 0x7fffffff;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatio:
            return int(std::ceil(FRatio));
        case PdmDevicePixelRatioScaled:
            return int(std::lround(FRatio * devicePixelRatioFScale()));
        }
        return 0;
    }

private:
    class TEngine : public QPaintEngine {
    public:
        TEngine() : QPaintEngine(AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF& Target, const QPixmap& Shown, const QRectF& Source) override {
            Keep(Shown.devicePixelRatio(), Target.size(), Source.size());
        }
        void drawImage(const QRectF& Target, const QImage& Shown, const QRectF& Source,
                       Qt::ImageConversionFlags) override {
            Keep(Shown.devicePixelRatio(), Target.size(), Source.size());
        }
        // Tiles are drawn at their size.
        void drawTiledPixmap(const QRectF&, const QPixmap& Shown, const QPointF&) override {
            Keep(Shown.devicePixelRatio(), Shown.deviceIndependentSize(), Shown.size());
        }
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        Type type() const override { return User; }
        std::vector<TDrawn> Drawn;

    private:
        void Keep(qreal Ratio, QSizeF Target, QSizeF Source) {
            Drawn.push_back({Ratio, Target, Source / Ratio});
        }
    };
    mutable TEngine FEngine;
    QSize FSize;
    qreal FRatio;
};

std::set<std::string> Reported;

class TCensus {
public:
    explicit TCensus(std::string Page) : FPage(std::move(Page)) {}

    void Run() {
        std::vector<QWidget*> Controls;
        Collect(BookForm, Controls);
        for (QWidget* W : Controls) {
            FControl = W;
            Place(W);
            if (auto* Label = qobject_cast<QLabel*>(W)) Text(Label);
            if (auto* Button = qobject_cast<QAbstractButton*>(W)) Caption(Button);
            if (auto* Combo = qobject_cast<QComboBox*>(W)) ComboText(Combo);
            if (auto* Image = dynamic_cast<TImage*>(W)) Picture(Image);
            Drawn(W);
            if (auto* List = dynamic_cast<TExerciseList*>(W)) Rows(List);
            if (auto* View = qobject_cast<QAbstractItemView*>(W)) Rows(View);
        }
    }

private:
    // A fault of a control is told once, on the first page that shows it.
    void Fail(const std::string& What) {
        std::ostringstream Key;
        Key << static_cast<const void*>(FControl) << What;
        if (Reported.insert(Key.str()).second)
            ADD_FAILURE() << FPage << " at x" << std::setprecision(3) << Ratio() << ": " << What;
    }

    void Place(QWidget* W) {
        const QWidget* Frame = FrameOf(W);
        const QRect R = In(W, Frame);
        if (!Frame->rect().contains(R) && !Backdrop(W))
            Fail(NameOf(W) + " at " + Show(R) + " sticks out of " +
                 Frame->objectName().toStdString() + " " + Show(Frame->rect()));
        // A container is judged by what it holds.
        if (!IsPage(Frame) || HasVisibleChildren(W) || Backdrop(W)) return;
        for (const QWidget* Console : {static_cast<const QWidget*>(BookForm->BtnConsole),
                                       static_cast<const QWidget*>(BookForm->TitleConsole)}) {
            if (!Console->isVisible()) continue;
            const QRect Over = In(Console, Frame);
            if (R.intersects(Over))
                Fail(NameOf(W) + " at " + Show(R) + " lies under " +
                     Console->objectName().toStdString() + " " + Show(Over));
        }
    }

    void Text(QLabel* Label) {
        const QString Shown = Label->text();
        if (Shown.isEmpty()) return;
        const QRect Box = Label->contentsRect();
        const QFontMetrics Metrics(Label->font());
        if (Label->textFormat() == Qt::RichText ||
            (Label->textFormat() == Qt::AutoText && Qt::mightBeRichText(Shown))) {
            QTextDocument Doc;
            Doc.setDefaultFont(Label->font());
            Doc.setDocumentMargin(0);
            Doc.setHtml(Shown);
            if (Label->wordWrap()) Doc.setTextWidth(Box.width());
            const QSizeF Size = Doc.size();
            if (Size.width() > Box.width() + 0.5 || Size.height() > Box.height() + 0.5)
                Fail("the text of " + NameOf(Label) + " needs " +
                     std::to_string(int(std::ceil(Size.width()))) + "x" +
                     std::to_string(int(std::ceil(Size.height()))) + " but has " + Show(Box));
            return;
        }
        const QString Text = Label->buddy() ? Plain(Shown) : Shown;
        const int Flags = Label->wordWrap() ? Qt::TextWordWrap : 0;
        const QRect Needed = Metrics.boundingRect(QRect(0, 0, Box.width(), 1 << 20),
                                                  int(Label->alignment()) | Flags, Text);
        if (Needed.width() > Box.width() || Needed.height() > Box.height())
            Fail("the text \"" + Text.toStdString() + "\" of " + NameOf(Label) + " needs " +
                 std::to_string(Needed.width()) + "x" + std::to_string(Needed.height()) +
                 " but has " + Show(Box));
    }

    void Caption(QAbstractButton* Button) {
        if (Button->text().isEmpty()) return;
        QStyleOptionButton Option;
        Option.initFrom(Button);
        Option.text = Button->text();
        QStyle::SubElement Contents = QStyle::SE_PushButtonContents;
        if (qobject_cast<QRadioButton*>(Button)) Contents = QStyle::SE_RadioButtonContents;
        if (qobject_cast<QCheckBox*>(Button)) Contents = QStyle::SE_CheckBoxContents;
        const QRect Box = Button->style()->subElementRect(Contents, &Option, Button);
        const int Needed = Button->fontMetrics().horizontalAdvance(Plain(Button->text()));
        if (Needed > Box.width())
            Fail("the caption \"" + Plain(Button->text()).toStdString() + "\" of " +
                 NameOf(Button) + " needs " + std::to_string(Needed) + " but has " + Show(Box));
    }

    // The choice shown fits the field (the list that drops down is as wide
    // as its longest choice).
    void ComboText(QComboBox* Combo) {
        const int Needed = Combo->fontMetrics().horizontalAdvance(Combo->currentText());
        QStyleOptionComboBox Option;
        Option.initFrom(Combo);
        Option.editable = Combo->isEditable();
        const QRect Box = Combo->style()->subControlRect(QStyle::CC_ComboBox, &Option,
                                                         QStyle::SC_ComboBoxEditField, Combo);
        if (Needed > Box.width())
            Fail("the choice \"" + Combo->currentText().toStdString() + "\" of " + NameOf(Combo) +
                 " needs " + std::to_string(Needed) + " but has " + Show(Box));
    }

    // A picture control's picture has the window's pixels a unit, loaded at
    // them once, and one that is not stretched fits its control. (A picture
    // stretched over its control is scaled whatever its pixels.)
    void Picture(TImage* Image) {
        const QPixmap& P = Image->Picture();
        if (P.isNull() || Image->Stretched()) return;
        const QRect Units(QPoint(0, 0), P.deviceIndependentSize().toSize());
        if (std::abs(P.devicePixelRatio() - Ratio()) > 1e-3) {
            std::ostringstream S;
            S << "the picture of " << NameOf(Image) << " has " << P.devicePixelRatio()
              << " pixels a unit";
            Fail(S.str());
        }
        if (!Image->rect().contains(Units))
            Fail("the picture of " + NameOf(Image) + " is " + Show(Units) +
                 " in units, its control " + Show(Image->rect()));
    }

    // No picture a control draws at its size is blown up: it has at least
    // the window's pixels a unit (a drawing kept at a whole number of pixels
    // a unit may have more, reduced as it is drawn).
    void Drawn(QWidget* W) {
        TPictureSpy Spy(W->size(), Ratio());
        W->render(&Spy, QPoint(), QRegion(W->rect()), QWidget::RenderFlags());
        for (const TPictureSpy::TDrawn& D : Spy.Drawn()) {
            const bool AtItsSize = std::abs(D.Target.width() - D.Units.width()) < 0.5 &&
                                   std::abs(D.Target.height() - D.Units.height()) < 0.5;
            if (!AtItsSize || D.Ratio > Ratio() - 1e-3) continue;
            std::ostringstream S;
            S << NameOf(W) << " draws a picture of " << D.Units.width() << "x" << D.Units.height()
              << " units with " << D.Ratio << " pixels a unit";
            Fail(S.str());
        }
    }

    void Rows(TExerciseList* List) {
        for (int Row = 1; Row <= List->RowCount(); ++Row)
            if (!List->rect().contains(List->RowRect(Row)))
                Fail("row " + std::to_string(Row) + " of " + NameOf(List) + " at " +
                     Show(List->RowRect(Row)) + " lies outside it " + Show(List->rect()));
    }

    // A list's rows lie across its width (one scrolled out of sight above
    // or below is still in the list); a row's text fits it, unless the list
    // elides what is too long.
    void Rows(QAbstractItemView* View) {
        const QAbstractItemModel* Model = View->model();
        if (!Model) return;
        const int Width = View->viewport()->width();
        for (int Row = 0; Row < Model->rowCount(); ++Row) {
            const QModelIndex Index = Model->index(Row, 0);
            const QRect R = View->visualRect(Index);
            const int Needed =
                View->fontMetrics().size(Qt::TextExpandTabs, Model->data(Index).toString()).width();
            const bool Elided = View->textElideMode() != Qt::ElideNone;
            if (R.left() < 0 || R.right() >= Width || (!Elided && Needed > Width))
                Fail("row " + std::to_string(Row + 1) + " of " + NameOf(View) + " at " + Show(R) +
                     " needs " + std::to_string(Needed) + " of the list's " +
                     std::to_string(Width));
        }
    }

    std::string FPage;
    const QWidget* FControl = nullptr;
};

// The census of the page now shown; with CLAVORA_TEST_SHOTS naming a
// folder, a picture of the window too.
void Census(const std::string& Page) {
    SCOPED_TRACE(Page);
    TCensus(Page).Run();
    if (const char* Folder = std::getenv("CLAVORA_TEST_SHOTS")) {
        std::string File = Page;
        for (char& C : File)
            if (!isalnum(static_cast<unsigned char>(C))) C = '-';
        BookForm->grab().save(QString::fromStdString(std::string(Folder) + "/" + File + "-x" +
                                                     std::to_string(Ratio()).substr(0, 4) +
                                                     ".png"));
    }
}

// The world of the events: a learner who knows the home row and q and z,
// with f and j difficult; a vocabulary and a story.
class EventCensus : public TextEventTest {
protected:
    void SetUp() override {
        TextEventTest::SetUp();
        Reported.clear();
        FixRandomSeed(16);
        SetProgramLayers(Dir->Path(), std::getenv("CLAVORA_APP_DIR"));
        KeyData = new TKeyData; // freed with the program's objects
        ASSERT_EQ(KeyData->Load(std::string(std::getenv("CLAVORA_APP_DIR")) + "/qwerty.kbd"), 1);
        auto User = std::make_unique<TUser>("Runner");
        for (const char* Group : {"fj", "dk", "sl", "a;", "qz"})
            User->AddKeyGroup(Group);
        User->FKeyGroupsReached = 5;
        SetCurrentUser(std::move(User));
        for (int I = 0; I < 20; ++I) {
            DifficultKeys->RecordKey('j', I < 6);
            DifficultKeys->RecordKey('f', I < 5);
        }
        DifficultKeys->Merge();
        WriteFileBytes("Test.vcb", "$description=test\r\n$end\r\n  cat \r\n\r\n");
        WriteFileBytes("Tiny.exm", "we type a tiny story at home\r\n");
        SetStoryChooser(
            [](const TStringList&, const std::string&, const std::string&, std::string& Chosen) {
                Chosen = "Tiny.exm";
                return 1;
            });
    }

    // A chapter of N exercises of 5 minutes each.
    static std::unique_ptr<TChapter> MakeChapter(int Number, int N) {
        auto Made = std::make_unique<TChapter>();
        Made->Number = Number;
        Made->Name = "Chapter " + std::to_string(Number);
        for (int I = 1; I <= N; ++I) {
            auto Exercise = std::make_unique<TExercise>();
            Exercise->Name = std::to_string(Number) + "." + std::to_string(I);
            Exercise->Type = "Exercise " + std::to_string(I);
            Exercise->Minutes = 5;
            Made->Exercises.push_back(std::move(Exercise));
        }
        return Made;
    }

    // The chapter's spread with Left, when given, as the page that follows
    // an event; the census is taken while it is shown.
    void CensusOfSpread(const std::string& Page, int Exercises, TFormView* Left = nullptr,
                        const std::function<void()>& Prepare = nullptr) {
        const auto Chapter = MakeChapter(3, Exercises);
        TChapterSpread Spread;
        Spread.Chapter = Chapter.get();
        Spread.Title = Chapter->Name;
        Spread.LastRowText = "Next Lesson";
        Spread.Numeral = "3";
        Spread.Picture = "Ch1.pic";
        if (Left) ChapterView->SetFollowing(Left);
        TDriver Driver;
        Driver.Then(
            Page, [] { return ChpContentsView->IsOpen; },
            [&] {
                if (Prepare) Prepare();
                Census(Page);
                TFormView::CloseActiveView();
            });
        Driver.Start();
        ChapterPages()->ShowChapter(Spread);
        EXPECT_TRUE(Driver.Finished()) << Driver.Failure();
        ChapterView->ForgetFollowing();
    }

    // Runs the event of Line; the census is taken once it is open (and,
    // for a game, once it is under way), then the event is left: typed
    // through when Keys are given, else cancelled.
    void CensusOfEvent(const std::string& Page, const std::string& Line, bool Game,
                       const std::string& Keys = "") {
        std::unique_ptr<TEvent> Made = MakeEvent(Line);
        ASSERT_TRUE(Made) << Line;
        TEvent* Event = Made.get();
        TDriver Driver;
        if (Line.find("ASK:") != std::string::npos)
            Driver.Then(
                "the story chooser", [] { return OpenView("ChooseText"); },
                [] {
                    Census("the story chooser");
                    PressKey(BookForm, Qt::Key_Return);
                });
        Driver.Then(
            Page, [Event] { return Event->IsOpen && TFormView::ActiveView() == Event; },
            [this, Page, Game] {
                Census(Page);
                if (Game) Type("ca", 0.1);
            });
        if (Game)
            Driver.Then(
                Page + " under way",
                [this, Event] {
                    if (auto* Drop = dynamic_cast<TLexidropEvent*>(Event)) Drop->FallStep();
                    if (auto* Bubbles = dynamic_cast<TBubbles*>(Event)) {
                        Clock.AdvanceSeconds(0.1);
                        Bubbles->BubbleTick();
                    }
                    return Event->State == esRunning;
                },
                [Page] { Census(Page + " under way"); });
        if (Keys.empty()) {
            Driver.Do("leave", [] { PressKey(BookForm, Qt::Key_Escape); });
        } else {
            Driver.Do("type", [this, Keys] { Type(Keys, 0.7); });
            Driver.Then(
                "done", [Event] { return Event->State == esCompleted; },
                [] { PressKey(BookForm, Qt::Key_Return); });
        }
        TEventSetup Setup;
        Setup.KnownKeys = "fjdksla;qz";
        Driver.Start();
        ::RunEvent(*Made, Setup);
        EXPECT_TRUE(Driver.Finished()) << Driver.Failure();
    }

    static bool OpenView(const char* Name) {
        const TFormView* View = TFormView::ActiveView();
        return View && View->IsOpen && View->ViewName == Name;
    }
};

} // namespace

TEST_F(EventCensus, EveryEventAndThePagesBetweenThemKeepTheirPartsInPlace) {
    for (int Exercises : {4, 5, 6, 7})
        CensusOfSpread("the chapter page with " + std::to_string(Exercises) + " exercises",
                       Exercises);

    const struct {
        const char* Page;
        const char* Line;
        bool Game;
        const char* Keys;
    } Events[] = {
        {"a message", "M=MESSAGE;0;FILE:b01msg.txt;F and J;b01.png;LEFT", false, ""},
        {"a message with its picture on the right", "M=MESSAGE;0;FILE:b01msg.txt;Exam;b01.png",
         false, ""},
        {"an exam", "E=EXAM;1;ask bob for the keys", false, ""},
        {"a keyboard drill", "K=KEYBOARD;1;fj dk", false, ""},
        {"new keys", "N=NEWKEYS;1;fj", false, ""},
        {"the falling words", "D=LEXIDROP;1;Test.vcb", true, ""},
        {"the bubbles", "B=BUBBLES;1;0", true, ""},
        {"a story", "S=TEXT;1;ASK:*.exm", false, ""},
        {"a text", "T=TEXT;1;ask bob for the keys", false, "ask bob for the keys\r"},
    };
    SetStoryChooser(ChooseStory);
    for (const auto& E : Events)
        CensusOfEvent(E.Page, E.Line, E.Game, E.Keys);
    // The text's figures on the left, the chapter on the right.
    CensusOfSpread("the results page", 5, ExercInfoView);

    // A place in the top ten, the name being typed.
    CensusOfSpread("the top-ten page", 5, TopTenView, [] {
        TopTenView->Submit("bubbles", "Maximilian Alexander", 400);
        EventViewStg->NameBox->setFocus();
    });

    // The revision wizard, its sentences typed through, and its results.
    std::unique_ptr<TEvent> Wizard = MakeEvent("W=BUILDER;0;NIL");
    TEvent* Sentences = nullptr;
    TDriver Driver;
    Driver
        .Then(
            "the revision wizard", [] { return BuilderStg->Panel1->isVisible(); },
            [] {
                Census("the revision wizard");
                BuilderStg->ChooseKeys->setChecked(true);
                BuilderStg->YourKeys->setText(QStringLiteral("jf"));
                BuilderStg->CrazySentences->setChecked(true);
                PressKey(BookForm, Qt::Key_N, Qt::AltModifier);
            })
        .Then(
            "the wizard's sentences",
            [&Sentences] {
                Sentences = dynamic_cast<TTextEvent*>(TFormView::ActiveView());
                return Sentences && Sentences->IsOpen;
            },
            [&, this] {
                Census("the wizard's sentences");
                for (char C : *Sentences->Text) {
                    if (Sentences->State == esCompleted) break;
                    if (C != '\n') Type(std::string(1, C), 0.5);
                }
            })
        .Then(
            "sentences done", [&Sentences] { return Sentences->State == esCompleted; },
            [] { PressKey(BookForm, Qt::Key_Return); });
    TEventSetup Setup;
    Setup.KnownKeys = "fjdksla;qz";
    Driver.Start();
    ::RunEvent(*Wizard, Setup);
    EXPECT_TRUE(Driver.Finished()) << Driver.Failure();
    CensusOfSpread("the wizard's results", 5, WizResultView);

    // The course completed, after a page with a short title.
    TGoodbyeView Goodbye;
    ASSERT_FALSE(Goodbye.Show());
    Census("the course completed");
    Goodbye.SetResult(2);
}

namespace {

bool Showing(const char* Name) {
    const TFormView* View = TFormView::ActiveView();
    return View && View->IsOpen && View->ViewName == Name;
}

bool Running(const char* Menu) {
    return TMain::RunningMenu == Menu && TFormView::ActiveView() && TFormView::ActiveView()->IsOpen;
}

class ProgramCensus : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        Reported.clear();
        LogInAs.clear();
    }
};

} // namespace

// The pages of the program itself, as a new learner meets them: the cover,
// the question, the welcome, the studying profile and the course's first
// chapter; then each tab.
TEST_F(ProgramCensus, TheCoverTheWelcomeAndEveryTabKeepTheirPartsInPlace) {
    TDriver Driver(10000);
    Driver
        .Then(
            "the cover",
            [] { return BookForm && BookForm->NameField->isVisible() && Showing("Cover"); },
            [] {
                Census("the cover");
                BookForm->NameField->setEditText(QStringLiteral("Alexandra Montgomery"));
                PressKey(BookForm, Qt::Key_Return);
            })
        .Then(
            "the new-user question", [] { return Showing("NewUser"); },
            [] {
                Census("the new-user question");
                PressKey(BookForm, Qt::Key_Return);
            })
        .Then(
            "the welcome", [] { return Showing("Welcome"); },
            [] {
                Census("the welcome");
                PressKey(BookForm, Qt::Key_B, Qt::AltModifier);
            })
        .Then(
            "the studying profile", [] { return Showing("StdProfile"); },
            [] {
                Census("the studying profile");
                ClickWidget(BookForm->BeginB);
            })
        .Then(
            "the first chapter", [] { return ChpContentsView->IsOpen; },
            [] { Census("the course's first chapter"); });
    const struct {
        const char* Page;
        const char* Tab;
    } Tabs[] = {
        {"the revision menu", "MenuRevision"},
        {"the statistics page", "MenuInfo"},
        {"the options page", "MenuOptions"},
        {"the about page", "MenuLogo"},
    };
    for (const auto& T : Tabs) {
        const std::string Page = T.Page;
        const char* Tab = T.Tab;
        Driver.Do("click " + Page,
                  [Tab] { ClickWidget(BookForm->findChild<QWidget*>(QLatin1String(Tab))); });
        Driver.Then(
            Page, [Tab] { return Running(Tab); }, [Page] { Census(Page); });
    }
    Driver.Do("close", [] { BookForm->close(); });
    EXPECT_EQ(RunProgram(Driver), 0);
}
