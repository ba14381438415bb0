// A picture of the learner's keyboard drawn from the current layout: the 48
// character keys with their characters and the eleven special keys. Known
// keys carry black labels, the others light grey ones; the key to press next
// is highlighted together with the Shift or Alt Gr key it needs, a wrong key
// is marked, a key can be shown pressed, and clicking a key types it.
//
// The keys are drawn into a picture of the whole keyboard that painting only
// copies from; a change redraws just the keys it touches. Between the keys the
// parent shows through unless a background colour is set. Sizes are in the
// book's units; the pictures have the pixels of the screen the keyboard is
// on, so that a book drawn larger shows sharp keys.
#pragma once

#include "keyboard/KeyboardGeometry.h"

#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QWidget>

#include <array>
#include <functional>
#include <string>
#include <vector>

class TKeyData;

class TKeyboard : public QWidget {
public:
    using TKeyPressEvent = std::function<void(QObject* Sender, char& Key)>;

    // Mark levels of a key.
    enum : int { mlPlain = 0, mlHighlighted = 1, mlMarked = 2 };

    TKeyboard(QWidget* Owner, const TKeyData* Layout);

    // Shows the key of C pressed (0: none).
    void PressKey(char C);
    char PressedChar() const { return FPressed; }
    // Marks every character of Wrong as wrong and highlights every character
    // of Expected with the modifier key it needs; all other marks go.
    void MarkKeys(const std::string& Expected, const std::string& Wrong);
    void ClearMarks();
    // Labels the keys of the characters of S in black; labels only ever turn
    // black, never back.
    void SetKnownKeys(const std::string& S);
    void ShowAllLabels();
    // A key cap of the given size with Caption centred on it, at a mark level,
    // made for the screen the keyboard is on.
    QPixmap KeyCapPicture(const std::string& Caption, int Height, int Width, int Level) const;
    // Redraws every key from the layout (after it was loaded anew).
    void LayoutChanged();

    // The colour between the keys; none by default.
    void SetBackground(const QColor& Color);
    // The 8 x 8 pattern of a key's face.
    void SetKeyFace(const QPixmap& Pattern);

    int MarkLevel(int Position) const;
    bool LabelKnown(int Position) const;
    const TKeyboardGeometry& Geometry() const { return FGeometry; }
    // The first key whose rectangle holds the point, edges included; -1 when none.
    int KeyAt(const QPoint& Point) const;

    // Receives the character of a clicked key.
    TKeyPressEvent OnKeyPress;
    // A press outside every key.
    std::function<void(QObject* Sender)> OnClick;

protected:
    void paintEvent(QPaintEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    void RebuildAll();
    // Makes the pictures anew for the size and the screen, without a repaint.
    void RebuildPictures();
    // Draws key P into the picture of the keyboard and asks for its repaint.
    void DrawKey(int P);
    // Draws key P into the picture of the keyboard; the area it drew.
    QRegion PaintKey(int P);
    void SetLevels(const std::array<int, kpCount + 1>& Levels);
    QImage RenderKey(int P) const;
    void DrawLabel(QPainter& Painter, int P, int H) const;

    const TKeyData* FLayout;
    TKeyboardGeometry FGeometry;
    char FPressed = 0;
    std::array<bool, kpCount + 1> FKnown{};
    std::array<int, kpCount + 1> FLevels{};
    QPixmap FKeyFace;
    QColor FBackground = Qt::transparent;
    // Screen pixels a unit of the pictures below.
    qreal FRatio = 1;
    // A plain standard-size character key without its label, made on resize.
    QImage FPlainCap;
    // Each key's finished picture at each mark level, made when first drawn
    // and dropped when the size, the layout or the key's label changes.
    std::array<std::array<QImage, 3>, kpCount + 1> FKeyPictures;
    // The whole keyboard as drawn.
    QImage FPicture;
};

// The face of a key at a size and mark level: character keys and the space
// bar on the key-face pattern with white bevels, the other special keys grey;
// level 1 green. The Enter key has its own L-shaped face. The size is in
// units; the picture has Ratio pixels a unit.
QImage RenderKeyFace(int Position, int Width, int Height, int Level, const QPixmap& Pattern,
                     qreal Ratio = 1);
QImage RenderEnterFace(int Width, int Height, int Notch, int Level, const QPixmap& Pattern,
                       qreal Ratio = 1);

// A text on a key: the text, its font, and its top left corner on the key.
struct TKeyLabel {
    QString Text;
    QFont Font;
    QPoint At;
};
// The labels of key Position of a layout on a key Height units high: the
// Shift and Alt Gr keys name themselves; a letter shows its capital; any
// other character key its Shift character above its base character.
std::vector<TKeyLabel> KeyLabels(const TKeyData* Layout, int Position, int Height);
