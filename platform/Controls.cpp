#include "platform/Controls.h"

#include "platform/Application.h"
#include "platform/ErrorHandler.h"
#include "platform/FileNames.h"
#include "platform/PictureDensity.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

QFont PixelFont(const char* Family, int Pixels, bool Bold) {
    QFont Font(QString::fromLatin1(Family));
    Font.setPixelSize(Pixels);
    Font.setBold(Bold);
    return Font;
}

QLabel* MakeTextLabel(QWidget* Parent, const char* Name, int Left, int Top, int Width, int Height,
                      const QFont& Font, const QColor& Color, Qt::Alignment Align) {
    auto* Label = MakeControl<QLabel>(Parent, Name, Left, Top, Width, Height);
    Label->setFont(Font);
    QPalette Palette = Label->palette();
    Palette.setColor(QPalette::WindowText, Color);
    Label->setPalette(Palette);
    Label->setAlignment(Align);
    return Label;
}

TImage::TImage(QWidget* Parent) : QWidget(Parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TImage::SetPicture(const QPixmap& Picture) {
    FPicture = Picture;
    FPictureFile.clear();
    FPictureName.clear();
    FScaled = QPixmap();
    update();
}

void TImage::SetPictureFile(const std::string& Name) {
    FPicture = QPixmap();
    FPictureFile = Name;
    FPictureName = Name;
    FScaled = QPixmap();
    update();
}

const QPixmap& TImage::Picture() const {
    if (!FPictureFile.empty()) {
        FPicture = LoadPicture(FPictureFile);
        FPictureFile.clear();
    }
    return FPicture;
}

void TImage::SetStretch(bool Stretch) {
    FStretch = Stretch;
    FScaled = QPixmap();
    update();
}

void TImage::SetClickable(bool Clickable) {
    if (Clickable)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void TImage::resizeEvent(QResizeEvent*) {
    FScaled = QPixmap();
}

void TImage::paintEvent(QPaintEvent*) {
    if (Picture().isNull()) return;
    QPainter Painter(this);
    if (FPicture.devicePixelRatio() != devicePixelRatioF())
        Painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!FStretch) {
        Painter.drawPixmap(0, 0, FPicture);
        return;
    }
    // On a book drawn larger the picture is scaled smoothly as it is drawn;
    // a copy at the screen's size would cost more memory than it saves.
    if (devicePixelRatioF() != 1) {
        Painter.setRenderHint(QPainter::SmoothPixmapTransform);
        Painter.drawPixmap(rect(), FPicture);
        return;
    }
    // Scaling is done once per size and kept.
    if (FScaled.size() != size()) {
        FScaled = FPicture.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        FScaled.setDevicePixelRatio(1);
    }
    Painter.drawPixmap(0, 0, FScaled);
}

void TImage::mousePressEvent(QMouseEvent* Event) {
    if (Event->button() == Qt::LeftButton) FPressed = true;
}

void TImage::mouseReleaseEvent(QMouseEvent* Event) {
    const bool WasPressed = FPressed;
    FPressed = false;
    if (WasPressed && Event->button() == Qt::LeftButton &&
        rect().contains(Event->position().toPoint()) && OnClick)
        Guarded([this] { OnClick(this); });
}

TPanel::TPanel(QWidget* Parent) : QWidget(Parent) {
    SetColor(Qt::white);
}

void TPanel::SetColor(const QColor& Color) {
    QPalette Palette = palette();
    Palette.setColor(QPalette::Window, Color);
    setPalette(Palette);
    setAutoFillBackground(true);
}

void TPanel::SetTransparent() {
    setAutoFillBackground(false);
}

TShape::TShape(QWidget* Parent) : QWidget(Parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TShape::SetPenColor(const QColor& Color) {
    FPen = Color;
    update();
}

void TShape::paintEvent(QPaintEvent*) {
    // Four strips of one unit, filled rather than stroked: a pen's line is
    // centred on its path, and one drawn along the edge would lose its outer
    // half, or become a single screen pixel, on a scaled book.
    QPainter Painter(this);
    const int W = width(), H = height();
    if (W <= 0 || H <= 0) return;
    Painter.fillRect(0, 0, W, 1, FPen);
    Painter.fillRect(0, H - 1, W, 1, FPen);
    Painter.fillRect(0, 0, 1, H, FPen);
    Painter.fillRect(W - 1, 0, 1, H, FPen);
}

TAutoSizeLabel::TAutoSizeLabel(QWidget* Parent) : QLabel(Parent) {}

void TAutoSizeLabel::setText(const QString& Text) {
    QLabel::setText(Text);
    FitToText();
}

void TAutoSizeLabel::FitToText() {
    const QFontMetrics Metrics(font());
    // The advance, or the ink where a last glyph reaches past it; one unit
    // more for the rounding of a scaled book's glyphs.
    const int Ink = Metrics.boundingRect(text()).right() + 1;
    const int Width = std::max(Metrics.horizontalAdvance(text()), Ink) + 1;
    resize(Width + 2 * margin(), std::max(height(), Metrics.height() + 2 * margin()));
}

TButton::TButton(QWidget* Parent) : QPushButton(Parent) {
    connect(this, &QPushButton::clicked, this, [this] {
        if (OnClick) Guarded([this] { OnClick(this); });
    });
}

TLinkLabel::TLinkLabel(QWidget* Parent) : QLabel(Parent) {
    setCursor(Qt::PointingHandCursor);
    QFont Underlined = font();
    Underlined.setUnderline(true);
    setFont(Underlined);
    QPalette Colours = palette();
    Colours.setColor(QPalette::WindowText, QColor(0x00, 0x33, 0x99));
    setPalette(Colours);
}

void TLinkLabel::mousePressEvent(QMouseEvent* Event) {
    if (Event->button() == Qt::LeftButton) FPressed = true;
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* Event) {
    const bool WasPressed = FPressed;
    FPressed = false;
    if (WasPressed && Event->button() == Qt::LeftButton &&
        rect().contains(Event->position().toPoint()) && OnClick)
        Guarded([this] { OnClick(this); });
}

QPixmap LoadPicture(const std::string& Name) {
    return LoadPictureFile(ResolveFileName(Application::ProgramDirectory() + "/Pictures/" + Name));
}

QPixmap LoadPictureFile(const std::string& Path) {
    QImage Image(QString::fromLocal8Bit(Path.c_str()));
    ApplyPictureDensity(Image);
    // A picture is drawn at the screen's pixels: one with more pixels a unit
    // than the screen has (two a unit on a book drawn at its own size or at
    // 1.25 times it) is reduced to the screen's once here, not at every
    // paint. Its size in units stays what its file says.
    const QScreen* Screen = QGuiApplication::primaryScreen();
    const qreal Ratio = Screen ? Screen->devicePixelRatio() : 1;
    if (Image.devicePixelRatio() > Ratio + 0.001) {
        const QSizeF Units = Image.deviceIndependentSize();
        Image = Image.scaled(int(std::lround(Units.width() * Ratio)),
                             int(std::lround(Units.height() * Ratio)), Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
        Image.setDevicePixelRatio(Ratio);
    }
    return QPixmap::fromImage(std::move(Image));
}

void Reparent(QWidget* Control, QWidget* NewParent) {
    // setParent always hides; a control hidden on purpose stays hidden.
    const bool DesignedHidden =
        Control->isHidden() && Control->testAttribute(Qt::WA_WState_ExplicitShowHide);
    Control->setParent(NewParent);
    // A control without a parent would become a window of its own.
    if (NewParent && !DesignedHidden) Control->show();
}
