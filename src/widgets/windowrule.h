#pragma once

#include <QWidget>

#include <functional>

class QMdiArea;

// How the program opens its windows: at most one live window per class, held
// in the class's global reference; a second request only brings it to the
// front; a new window is scaled to the screen, frees itself when closed and
// empties its reference when it is destroyed.
namespace WindowRule {

enum class Kind {
    TopLevel,          // an ordinary window of its own
    StaysOnTop,        // a window that stays above the others
    MdiChild,          // inside the main window's work area
    MdiChildMaximized  // inside the work area, filling it
};

// Windows are laid out for a screen this many pixels high.
constexpr int designHeight = 1024;

// Multiplies the size and position of a new window, and the fonts and fixed
// sizes it and its controls set, by screenHeight / 1024.
void scale(QWidget *window, int screenHeight);

// Shows an existing window again and brings it to the front.
void bringToFront(QWidget *window);

// Scales a newly created window, makes it free itself on closing, shows it
// as its kind wants, and calls forget when it is destroyed.
void present(QWidget *window, std::function<void()> forget, Kind kind, int screenHeight, QMdiArea *area);

// Closes a window (an MDI child with the frame around it).
void close(QWidget *window);

// The opening rule: shows the window of reference, or creates one with
// create() and presents it. Returns the window.
template<class T, class Create>
T *open(T *&reference, Create create, Kind kind, int screenHeight, QMdiArea *area = nullptr)
{
    if (reference) {
        bringToFront(reference);
        return reference;
    }
    T *window = create();
    reference = window;
    present(window, [&reference, window] {
        if (reference == window)
            reference = nullptr;
    }, kind, screenHeight, area);
    return window;
}

} // namespace WindowRule
