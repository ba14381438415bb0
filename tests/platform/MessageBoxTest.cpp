// The real message box: a long text stays within the screen, and its words
// break where the box needs them to.
#include "platform/Dialogs.h"
#include "platform/MessageBoxPresenter.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

TEST(MessageBox, ALongTextStaysWithinTheScreen) {
    InstallMessageBoxPresenter();
    const QRect Screen = QGuiApplication::primaryScreen()->availableGeometry();
    // A 5 KB value without a space, as a broken file can put into an error text.
    for (const std::string& Text :
         {std::string("Cannot read the value ") + std::string(5000, 'x') + ".",
          std::string(300, 'y') + "\r\r" + std::string(40, 'z')}) {
        QRect Shown;
        QTimer::singleShot(50, [&] {
            QWidget* Box = QApplication::activeModalWidget();
            ASSERT_NE(Box, nullptr);
            Shown = Box->frameGeometry();
            Box->close();
        });
        MessageDlg(Text, mtError, mbOK, 0);
        EXPECT_TRUE(Screen.contains(Shown)) << Shown.width() << " x " << Shown.height();
    }
    SetDialogPresenter(nullptr);
}

TEST(MessageBox, LongWordsGetPlacesToBreakAndLongTextsKeepBothEnds) {
    const QChar Break(0x200B);
    // Line ends become one, short words stay as they are.
    EXPECT_EQ(MessageBoxText("One\r\nTwo\n\rThree\rFour"), QStringLiteral("One\nTwo\nThree\nFour"));
    // 100 letters: a break after the 40th and the 80th.
    const QString Word = MessageBoxText(std::string(100, 'a'));
    EXPECT_EQ(Word.count(Break), 2);
    EXPECT_EQ(Word.indexOf(Break), 40);
    EXPECT_EQ(QString(Word).remove(Break), QString(100, QLatin1Char('a')));
    // A space starts the count again.
    EXPECT_EQ(MessageBoxText(std::string(39, 'a') + " " + std::string(39, 'b')).count(Break), 0);
    // 5000 characters: the beginning and the end, with " ... " between.
    const QString Long =
        QString(MessageBoxText("Start " + std::string(5000, 'c') + " end")).remove(Break);
    EXPECT_TRUE(Long.startsWith(QStringLiteral("Start ccc")));
    EXPECT_TRUE(Long.endsWith(QStringLiteral("ccc end")));
    EXPECT_TRUE(Long.contains(QStringLiteral(" ... ")));
    EXPECT_LE(Long.size(), 1500);
}
