#pragma once

#include "app/action.h"

#include "app/widgets/commandbutton.h"
#include "app/window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRect>

namespace spawnsmith {

class Frame;

// A place given in the design's twips, as pixels.
constexpr QRect twips(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

// Controls are placed in pixels on `parent`'s client area (or inside a frame).
// The small set of controls every window is made of. Each gets its object name, its caption
// and its accessible name, is placed on `parent` (the window's client area when a Window is
// given) and, for buttons, is wired to the frame operation its action names.
CommandButton* addButton(Frame& frame, Window* window, const ButtonSpec& design, const QRect& where,
                         QWidget* parent = nullptr);
QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QRect& where);
QLineEdit* addInputBox(QWidget* parent, const char* name, const QString& accessibleName,
                       int maxLength, const QRect& where);
QGroupBox* addFrame(QWidget* parent, const char* name, const QString& title, const QRect& where);

// The parent for controls placed directly on a window.
QWidget* clientOf(QWidget* parent);

} // namespace spawnsmith
