#include "forms/TStorageForm.h"

TStorageForm::TStorageForm(const char* Name) : QWidget(nullptr) {
    setObjectName(QString::fromLatin1(Name));
    setAttribute(Qt::WA_DontShowOnScreen);
}

QWidget* TStorageForm::Control(const char* Name) const {
    return findChild<QWidget*>(QString::fromLatin1(Name));
}
