// The factor by which the whole book window is drawn, so that the book fills
// the screen while every control keeps its designed position and size.
//
// The toolkit scales everything it draws (fonts, pictures, lines) by one
// device-pixel ratio, which must be chosen before the application object
// exists; the screen is therefore asked directly through the X server.
#pragma once

class QWidget;

namespace BookScale {

// The factor that lets a book of 777 x 529 with its status bar and a narrow
// strip of desk fill a work area of AreaWidth x AreaHeight pixels: a multiple
// of 0.05, never below 1 (a small screen gets the book at its own size).
double FactorFor(int AreaWidth, int AreaHeight);

// Chooses the factor for the application object about to be made, from the
// X server's work area. Nothing happens when Wanted is false, without an X
// display, on another platform (a Wayland compositor, which the toolkit
// takes before X when one is running, scales windows itself), or when the
// toolkit's scale factor was set in the environment already (the user's own
// choice stands).
void Prepare(bool Wanted);
// Called once the application object exists: programs started from now on
// (a web browser, the help viewer) must not inherit the factor.
void Forget();
// The factor in use (1 when the book is not scaled).
double Factor();

// Names the factor on the window as the X property _CLAVORA_BOOK_SCALE, so
// that tools driving the program from outside can find the book's parts.
void Publish(QWidget* Window);

} // namespace BookScale
