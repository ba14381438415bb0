// The small controls that pages are made of: pictures, panels, outlines and
// push buttons. Each carries its design name as objectName, and clickable
// ones call a replaceable OnClick handler with themselves as the sender.
#pragma once

#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

#include <functional>
#include <string>

using TNotifyEvent = std::function<void(QObject* Sender)>;

// Makes a child widget with its design name and geometry.
template <class T>
T* MakeControl(QWidget* Parent, const char* Name, int Left, int Top, int Width, int Height) {
    auto* Control = new T(Parent);
    Control->setObjectName(QString::fromLatin1(Name));
    Control->setGeometry(Left, Top, Width, Height);
    return Control;
}

// A font of the given family at a size in pixels, as the forms are designed.
QFont PixelFont(const char* Family, int Pixels, bool Bold = false);
inline QFont Arial(int Pixels, bool Bold = false) {
    return PixelFont("Arial", Pixels, Bold);
}

// A label with its design name, geometry, font, text colour and alignment.
QLabel* MakeTextLabel(QWidget* Parent, const char* Name, int Left, int Top, int Width, int Height,
                      const QFont& Font, const QColor& Color, Qt::Alignment Align);

// A picture: drawn at its natural size from the top left corner, or
// stretched over the control.
class TImage : public QWidget {
public:
    explicit TImage(QWidget* Parent = nullptr);
    void SetPicture(const QPixmap& Picture);
    // The picture of the "Pictures" folder with this name, loaded when it is
    // first needed (shown, or asked for), so that forms full of pictures cost
    // nothing until their pages appear.
    void SetPictureFile(const std::string& Name);
    // The name given to SetPictureFile, "" for a picture set otherwise.
    const std::string& PictureName() const { return FPictureName; }
    const QPixmap& Picture() const;
    void SetStretch(bool Stretch);
    bool Stretched() const { return FStretch; }
    // Shows the hand cursor and takes clicks.
    void SetClickable(bool Clickable);
    TNotifyEvent OnClick;

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;

private:
    mutable QPixmap FPicture;
    mutable std::string FPictureFile; // still to be loaded into FPicture
    std::string FPictureName;
    QPixmap FScaled;
    bool FStretch = false;
    bool FPressed = false;
};

// A panel: a plain container, filled with its colour unless transparent.
class TPanel : public QWidget {
public:
    explicit TPanel(QWidget* Parent = nullptr);
    void SetColor(const QColor& Color);
    void SetTransparent();
};

// A rectangle outline with a clear inside. The outline is a line of the
// design, one unit wide inside the control's edges, so that a book drawn
// larger draws it thicker too, as it does every other line.
class TShape : public QWidget {
public:
    explicit TShape(QWidget* Parent = nullptr);
    void SetPenColor(const QColor& Color);

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    QColor FPen = Qt::black;
};

// A push button whose click handler is a replaceable slot. A default
// button (QPushButton's default) answers Enter and a cancel button Escape,
// while they are shown, when the window they lie on passes those keys on.
class TButton : public QPushButton {
public:
    explicit TButton(QWidget* Parent = nullptr);
    TNotifyEvent OnClick;
    bool Cancel = false;
};

// A label that takes the width of its caption whenever the caption is set,
// as a designed auto-size label does: the caption before, shorter or longer,
// never cuts the next one. QLabel::setText is not virtual, so the caption is
// set through this class (a pointer of this type), as the book's title is.
class TAutoSizeLabel : public QLabel {
public:
    explicit TAutoSizeLabel(QWidget* Parent = nullptr);
    void setText(const QString& Text);
    // Gives the label the width its caption takes in its font, and at least
    // the font's height.
    void FitToText();
};

// A text that opens something when clicked: underlined, with the hand
// cursor, in the colour of links.
class TLinkLabel : public QLabel {
public:
    explicit TLinkLabel(QWidget* Parent = nullptr);
    TNotifyEvent OnClick;

protected:
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    bool FPressed = false;
};

// Loads a picture of the program's "Pictures" folder; a missing or broken
// picture gives an empty pixmap (and the control shows nothing).
QPixmap LoadPicture(const std::string& Name);
// The same for a picture file of the material (a chapter's picture): Path as
// ResolveFileName gives it.
QPixmap LoadPictureFile(const std::string& Path);

// Moves a control to a new parent as the toolkit's re-parenting should: the
// geometry is kept, and a control that was visible before is visible after.
void Reparent(QWidget* Control, QWidget* NewParent);
