#include "windowrule.h"

#include "dblookupcombo.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace WindowRule {

namespace {

int scaled(int value, int screenHeight)
{
    return value * screenHeight / designHeight;
}

void scaleFont(QWidget *widget, int screenHeight)
{
    QFont font = widget->font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * screenHeight / designHeight);
    else if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, scaled(font.pixelSize(), screenHeight)));
    widget->setFont(font);
}

void scaleFixedSizes(QWidget *widget, int screenHeight)
{
    const QSize min = widget->minimumSize();
    const QSize max = widget->maximumSize();
    if (min.width() > 0)
        widget->setMinimumWidth(scaled(min.width(), screenHeight));
    if (min.height() > 0)
        widget->setMinimumHeight(scaled(min.height(), screenHeight));
    if (max.width() < QWIDGETSIZE_MAX)
        widget->setMaximumWidth(scaled(max.width(), screenHeight));
    if (max.height() < QWIDGETSIZE_MAX)
        widget->setMaximumHeight(scaled(max.height(), screenHeight));
}

} // namespace

void scale(QWidget *window, int screenHeight)
{
    if (screenHeight <= 0 || screenHeight == designHeight)
        return;
    // A control that set a font of its own, even only bold or underline,
    // keeps the size it shows now, scaled, as its own; the others inherit
    // the window's scaled font. Every font is read before any control it
    // inherits from has changed, so none is scaled twice.
    const QList<QWidget *> children = window->findChildren<QWidget *>();
    for (auto child = children.crbegin(); child != children.crend(); ++child) {
        if ((*child)->testAttribute(Qt::WA_SetFont))
            scaleFont(*child, screenHeight);
        scaleFixedSizes(*child, screenHeight);
        // A pick list's drop-down is a size of its own.
        if (auto *combo = qobject_cast<DbLookupCombo *>(*child); combo && combo->dropDownWidth() > 0)
            combo->setDropDownWidth(scaled(combo->dropDownWidth(), screenHeight));
    }
    scaleFont(window, screenHeight);
    scaleFixedSizes(window, screenHeight);
    window->resize(scaled(window->width(), screenHeight), scaled(window->height(), screenHeight));
    window->move(scaled(window->x(), screenHeight), scaled(window->y(), screenHeight));
}

void bringToFront(QWidget *window)
{
    if (auto *frame = qobject_cast<QMdiSubWindow *>(window->parentWidget())) {
        frame->show();
        if (QMdiArea *area = frame->mdiArea())
            area->setActiveSubWindow(frame);
        return;
    }
    window->show();
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    window->activateWindow();
}

namespace {

// A free window opens over the middle of the window that owns it.
void centreOnOwner(QWidget *window)
{
    if (!window->parentWidget())
        return;
    const QRect owner = window->parentWidget()->window()->geometry();
    window->move(owner.center() - QPoint(window->width() / 2, window->height() / 2));
}

} // namespace

void present(QWidget *window, std::function<void()> forget, Kind kind, int screenHeight, QMdiArea *area)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(window, &QObject::destroyed, window, [forget = std::move(forget)] { forget(); });
    // A window that placed itself keeps its (scaled) place.
    const bool placed = window->testAttribute(Qt::WA_Moved);
    scale(window, screenHeight);
    switch (kind) {
    case Kind::MdiChild:
    case Kind::MdiChildMaximized: {
        QMdiSubWindow *frame = area->addSubWindow(window);
        frame->setAttribute(Qt::WA_DeleteOnClose);
        frame->setWindowIcon(window->windowIcon());
        if (kind == Kind::MdiChildMaximized)
            frame->showMaximized();
        else
            frame->show();
        area->setActiveSubWindow(frame);
        break;
    }
    case Kind::StaysOnTop:
        window->setWindowFlag(Qt::WindowStaysOnTopHint);
        if (!placed)
            centreOnOwner(window);
        window->show();
        break;
    case Kind::TopLevel:
        if (!placed)
            centreOnOwner(window);
        window->show();
        break;
    }
}

void close(QWidget *window)
{
    if (!window)
        return;
    if (auto *frame = qobject_cast<QMdiSubWindow *>(window->parentWidget()))
        frame->close();
    else
        window->close();
}

} // namespace WindowRule
