// A storage form: a hidden top-level widget that owns the controls of a group
// of pages for the whole run. Pages borrow the controls and give them back;
// the form itself is never shown.
#pragma once

#include <QWidget>

class QLabel;

class TStorageForm : public QWidget {
public:
    explicit TStorageForm(const char* Name);

    // The control of this form with the given design name, or nullptr.
    QWidget* Control(const char* Name) const;
};

// Gives a label a caption with an accelerator ("&Begin Studying"): the letter
// after "&" is shown underlined, and the caption as written is kept in the
// label's "caption" property.
void SetAcceleratedCaption(QLabel* Label, const char* Caption);
