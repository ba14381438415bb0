#include "forms/TStorageForm.h"

#include <QLabel>

TStorageForm::TStorageForm(const char* Name) : QWidget(nullptr) {
    setObjectName(QString::fromLatin1(Name));
    setAttribute(Qt::WA_DontShowOnScreen);
}

QWidget* TStorageForm::Control(const char* Name) const {
    return findChild<QWidget*>(QString::fromLatin1(Name));
}

void SetAcceleratedCaption(QLabel* Label, const char* Caption) {
    const QString Text = QString::fromLatin1(Caption);
    QString Shown;
    for (qsizetype I = 0; I < Text.size(); ++I) {
        if (Text[I] == QLatin1Char('&') && I + 1 < Text.size()) {
            ++I;
            if (Text[I] == QLatin1Char('&'))
                Shown += QStringLiteral("&amp;");
            else
                Shown += QStringLiteral("<u>") + QString(Text[I]).toHtmlEscaped() +
                         QStringLiteral("</u>");
        } else {
            Shown += QString(Text[I]).toHtmlEscaped();
        }
    }
    Label->setTextFormat(Qt::RichText);
    Label->setText(Shown);
    Label->setProperty("caption", Text);
}
