// The picture groups of the generator. Each group appends its finished
// pictures to the list; ArtMain.cpp writes them out.
#pragma once

#include "forms/art/ArtKit.h"

#include <QString>

// Desk.png, Desk16.png
void DrawDeskPictures(TPictureList& Out);
// BookPages.png, Fold.png, TitleStrip.png
void DrawBookPictures(TPictureList& Out);
// TabRow.png and the six menu tabs
void DrawTabPictures(TPictureList& Out);
// Console1.png, Console2.png and the six console buttons
void DrawConsolePictures(TPictureList& Out);
// Cover.png, Clavora.png, LinkWww.png, LinkEmail.png
void DrawCoverPictures(TPictureList& Out);
// RightConsole.png, LeftConsole.png (the exercise console's columns), KeyFace.png
void DrawEventPictures(TPictureList& Out);
// Fingers.png (both hands) and Finger1.png .. Finger9.png
void DrawFingerPictures(TPictureList& Out);
// RowActive.png, RowInactive.png, RowCompleted.png (the exercise list's rows),
// ExercisesStrip.png, NumeralFrame.png, and the default chapter picture
// "../Ch1.pic" beside the courses
void DrawChapterPictures(TPictureList& Out);
// DropWallLeft, DropWallRight, DropBase, DropActive, DropInactive (the
// falling-words shaft), BubbleTile, BubbleOn, BubbleOff (the bubbles game)
void DrawGamePictures(TPictureList& Out);
// The change arrows ArrowUp2, ArrowUp1, ArrowHorizontal, ArrowDown1, ArrowDown2,
// each plain and as a "b" tile
void DrawArrowPictures(TPictureList& Out);
// Revision.png, RevisionStrip.png, the activities Wizard.png, StoryBox.png,
// BubblesBox.png, LexidropBox.png, and the wizard's method previews
// PreviewKeyboard.png, PreviewSentences.png, PreviewBubbles.png, PreviewLexidrop.png
void DrawRevisionPictures(TPictureList& Out);
// WelcomeTitle.png, WelcomeIntro.png, WelcomeStudy.png (the welcome page),
// CourseDone.png and Restart.png (the course-completed page)
void DrawWelcomePictures(TPictureList& Out);

// The open book without its tabs (the tab row and the pages in one piece,
// 777 x 529, the size of the book's panel; the tab row is its top 61 rows).
// Shared by the book and the tab pictures.
QImage BookCanvas();
constexpr int TabRowHeight = 61;

// Small vector icons, drawn into a Size x Size box at the painter's origin.
namespace Icons {
void MortarBoard(QPainter& P, double Size, const QColor& Ink); // guided studying
void Repeat(QPainter& P, double Size, const QColor& Ink);      // revision
void Chart(QPainter& P, double Size, const QColor& Ink);       // statistics
void Info(QPainter& P, double Size, const QColor& Ink);        // about
void Gear(QPainter& P, double Size, const QColor& Ink);        // options
void Door(QPainter& P, double Size, const QColor& Ink);        // exit
void Globe(QPainter& P, double Size, const QColor& Ink);
void Envelope(QPainter& P, double Size, const QColor& Ink);
} // namespace Icons

// Assembles the book window and the cover from the pictures in Dir, as the
// program shows them, into two preview files in OutDir.
bool WritePreviews(const QString& Dir, const QString& OutDir);
