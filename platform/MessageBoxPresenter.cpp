#include "platform/MessageBoxPresenter.h"

#include "platform/Dialogs.h"
#include "platform/Latin1.h"

#include <QApplication>
#include <QMessageBox>

QString MessageBoxText(const std::string& Text) {
    // Lines may be separated by CR, LF, LF CR or CR LF.
    QString Lines = ToQ(Text);
    Lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    Lines.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    Lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // A text too long for any screen (a whole file's value in an error
    // message) keeps its beginning and its end; the log has all of it.
    constexpr int Longest = 1500, Head = 1200, Tail = 250;
    if (Lines.size() > Longest)
        Lines = Lines.left(Head) + QStringLiteral(" ... ") + Lines.right(Tail);
    // Words longer than a line may break anywhere: a zero-width space after
    // every WordRun characters without a space lets the box wrap them.
    constexpr int WordRun = 40;
    QString Result;
    Result.reserve(Lines.size() + Lines.size() / WordRun);
    int Run = 0;
    for (const QChar C : Lines) {
        Result += C;
        Run = C.isSpace() ? 0 : Run + 1;
        if (Run == WordRun) {
            Result += QChar(0x200B);
            Run = 0;
        }
    }
    return Result;
}

namespace {

QMessageBox::Icon IconOf(TMsgDlgType Type) {
    switch (Type) {
    case mtWarning:
        return QMessageBox::Warning;
    case mtError:
        return QMessageBox::Critical;
    case mtInformation:
        return QMessageBox::Information;
    case mtConfirmation:
        return QMessageBox::Question;
    default:
        return QMessageBox::NoIcon;
    }
}

int Present(const TDialogRequest& Request) {
    QMessageBox Box(IconOf(Request.Type), QApplication::applicationDisplayName(),
                    MessageBoxText(Request.Text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    Box.setTextFormat(Qt::PlainText);
    struct Pair {
        TMsgDlgBtn Bit;
        QMessageBox::StandardButton Button;
        int Result;
    };
    const Pair Pairs[] = {{mbYes, QMessageBox::Yes, mrYes},
                          {mbNo, QMessageBox::No, mrNo},
                          {mbOK, QMessageBox::Ok, mrOk},
                          {mbCancel, QMessageBox::Cancel, mrCancel},
                          {mbHelp, QMessageBox::Help, mrHelp}};
    for (const Pair& P : Pairs)
        if (Request.Buttons & P.Bit) Box.addButton(P.Button);
    if (Request.Buttons & mbOK)
        Box.setDefaultButton(QMessageBox::Ok);
    else if (Request.Buttons & mbYes)
        Box.setDefaultButton(QMessageBox::Yes);
    Box.exec();
    const auto Clicked = Box.standardButton(Box.clickedButton());
    for (const Pair& P : Pairs)
        if (P.Button == Clicked) return P.Result;
    // Closed with Escape or the close box: the cancel button's answer.
    if (Request.Buttons & mbCancel) return mrCancel;
    if (Request.Buttons & mbNo) return mrNo;
    return mrOk;
}

} // namespace

void InstallMessageBoxPresenter() {
    SetDialogPresenter(&Present);
}
