// The book window: the program's main window, showing an open book on a
// desk, or its closed cover before login.
//
// It arranges its parts, switches between the cover and the page layouts,
// shows the console buttons a page asks for and routes keys. Pages fill its
// panels with borrowed controls and take its keys while they are open.
#pragma once

#include "platform/Controls.h"
#include "platform/KeyPreview.h"

#include <QComboBox>
#include <QLabel>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

class TFormView;
class TKeyPreview;

enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TCloseEvent = std::function<void(QObject* Sender, TCloseAction& Action)>;

// Console button bits.
enum : std::uint8_t {
    cbBegin = 1,
    cbNext = 2,
    cbBack = 4,
    cbCancel = 8,
    cbSkipF = 16,
    cbSkipB = 32,
};

class TBookForm : public QWidget, private IKeyPreviewReceiver {
public:
    TBookForm();
    ~TBookForm() override;

    // Parts, named as designed.
    TImage* BackGround32;
    TImage* BackGround16;
    TPanel* Book;
    TImage* TabRowPic;
    TImage* Image4;
    TImage* MenuGuided;
    TImage* MenuRevision;
    TImage* MenuInfo;
    TImage* MenuLogo;
    TImage* MenuOptions;
    TImage* MenuExit;
    TPanel* WidePage;
    TPanel* LeftPage;
    TImage* PageSeparator;
    TPanel* RightPage;
    TPanel* TitleConsole;
    TImage* Image1;
    // Takes the width of whatever title a page sets.
    TAutoSizeLabel* Title;
    TPanel* BtnConsole;
    TImage* ConsolePic1;
    TImage* ConsolePic2;
    TImage* BeginB;
    TImage* Next;
    TImage* Back;
    TImage* SkipF;
    TImage* Cancel;
    TImage* SkipB;
    TPanel* StatusBar;
    TImage* wwwlink;
    TImage* emaillink;
    TPanel* BookCover;
    TImage* Image3;
    TShape* Shape1;
    QLabel* LogLabel;
    QLabel* LoadLabel;
    QLabel* NewUserLbl;
    QComboBox* NameField;
    TButton* UserYes;
    TButton* UserCancel;
    TButton* LogOK;
    TButton* LogVisitor;

    std::uint8_t ConsoleButtons = 0;
    TNotifyEvent OnCtrlTab;
    TNotifyEvent OnCtrlShiftTab;
    TNotifyEvent OnEscape;
    std::uint8_t ExerciseConsole = 0;

    // The keys of the book go to one view at a time, the key holder, whose
    // KeyDown, KeyPress and KeyUp receive every key the window does not use itself
    // (Ctrl+Tab and Ctrl+Shift+Tab). A page takes the keys when it opens and
    // gives them back when it closes:
    //   - holders stack: when the holder gives the keys back, they return to
    //     the view that held them before it, so a nested page hands them
    //     back to its container;
    //   - giving back keys a view does not hold leaves the holder alone, and
    //     giving them back twice is harmless;
    //   - a view that takes the keys again moves to the top;
    //   - a view being destroyed gives its keys back itself.
    void TakeKeys(TFormView* Holder);
    void ReleaseKeys(TFormView* Holder);
    // The view that receives the keys now, or null.
    TFormView* KeyHolder() const;
    // The clicks of the book's own buttons (the console's Begin, Next, Back,
    // SkipF, Cancel and SkipB, and the cover's UserYes, UserCancel, LogOK and
    // LogVisitor) go to one view at a time in the same way: a view takes
    // them with the handler they call, holders stack, and a view gives them
    // back when it closes or is destroyed (TFormView does both for every
    // view), so a closed page never keeps one. A click with no holder does
    // nothing.
    void TakeClicks(TFormView* Holder, TNotifyEvent Handler);
    void ReleaseClicks(TFormView* Holder);
    TFormView* ClickHolder() const;
    // The close handler, asked when the window is about to close.
    TCloseEvent OnClose;
    // Told whenever the window's size changes (after the layout).
    TNotifyEvent OnResize;

    // 0 the closed cover, 1 one wide page, 2 two pages.
    void SetPageMode(int Mode);
    void SetConsoleButtons(std::uint8_t Mask);
    void SetExerciseConsole(std::uint8_t Value);
    void DoEscape();

    // Shows the window maximised or in its normal state (the book's size).
    void SetMaximized(bool Maximized);
    // Puts the window in the middle of its screen's free area.
    void CentreOnScreen();
    bool IsMaximized() const;
    // Paints the window now, waiting for it to appear on screen first.
    void RepaintNow();

    // The console button a page's Next/Back keys press: Enter or Alt+N gives
    // Next, Escape or Alt+B gives Back, any other key nothing.
    QObject* NextOrBackFor(std::uint16_t Key, TShiftState Shift) const;
    // The key routing of the window, as the key preview calls it.
    void WindowKeyDown(std::uint16_t& Key, TShiftState Shift);
    void WindowKeyPress(char& Key);

protected:
    void resizeEvent(QResizeEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;
    void showEvent(QShowEvent* Event) override;
    void changeEvent(QEvent* Event) override;

private:
    void PreviewKeyDown(std::uint16_t& Key, TShiftState Shift) override;
    void PreviewKeyPress(char& Key) override;
    void PreviewKeyUp(std::uint16_t& Key, TShiftState Shift) override;
    void CreateParts();
    void CreateCover();
    void LayoutParts();
    void LinkClick(QObject* Sender);
    void SizeChanged();

    TKeyPreview* FKeyPreview = nullptr;
    // The key holders, the current one last.
    std::vector<TFormView*> FKeyHolders;
    std::vector<std::pair<TFormView*, TNotifyEvent>> FClickHolders;
    void ButtonClick(QObject* Sender);
    bool FInLayout = false;
};

// The book window, created first of all windows.
extern TBookForm* BookForm;
