#include "shell/TNavigate.h"

#include "shell/TBookForm.h"

TNavigate* Navigate = nullptr;

TNavigate::TNavigate()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("Navigate"));
    setWindowTitle(QStringLiteral("Navigation"));
    resize(145, 25);
    Left = MakeControl<TButton>(this, "Left", 0, 0, 49, 25);
    Center = MakeControl<TButton>(this, "Center", 48, 0, 49, 25);
    Right = MakeControl<TButton>(this, "Right", 96, 0, 49, 25);
    Left->setText(QStringLiteral("Left"));
    Center->setText(QStringLiteral("Center"));
    Right->setText(QStringLiteral("Right"));
    for (TButton* Button : {Left, Center, Right}) {
        Button->setFlat(true);
        Button->setFocusPolicy(Qt::NoFocus);
        Button->OnClick = [this](QObject* Sender) { MoveBook(Sender); };
    }
}

TNavigate::~TNavigate() {
    if (Navigate == this) Navigate = nullptr;
}

void TNavigate::MoveBook(QObject* Sender) {
    if (!BookForm) return;
    QWidget* Book = BookForm->Book;
    const int ClientWidth = BookForm->width();
    int NewLeft = 0;
    if (Sender == Center)
        NewLeft = (ClientWidth - Book->width()) / 2;
    else if (Sender == Right)
        NewLeft = ClientWidth - Book->width();
    Book->move(NewLeft, Book->y());
    BookForm->activateWindow();
    BookForm->setFocus();
}
