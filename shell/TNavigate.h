// The navigation console: a small borderless window with three buttons that
// move the book sideways inside the book window. Shown only on small screens.
#pragma once

#include "platform/Controls.h"

#include <QWidget>

class TNavigate : public QWidget {
public:
    TNavigate();
    ~TNavigate() override;

    TButton* Left;
    TButton* Center;
    TButton* Right;

private:
    void MoveBook(QObject* Sender);
};

extern TNavigate* Navigate;
