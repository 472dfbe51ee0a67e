#pragma once

#include "app/action.h"

#include <QRect>

#include <vector>

class QGroupBox;
class QLabel;
class QWidget;

namespace spawnsmith {

class CommandButton;
class Frame;
class TextBox;
class Window;

// The small set of controls every window is made of. Each gets its object name, its caption
// and its accessible name and is placed in pixels on `parent`: the window's client area when a
// Window is given, otherwise the widget itself (a group frame, say). Buttons are wired to the
// frame operation their action names, on behalf of `window`; the button whose role is CloseBox
// is the one the window's close box presses.
CommandButton* addButton(Frame& frame, Window* window, const Button& button, const QRect& where,
                         QWidget* parent = nullptr);
QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QRect& where);
// A single-line box holding at most `limit` characters (0: any number).
TextBox* addTextBox(QWidget* parent, const char* name, const QString& accessibleName, int limit,
                    const QRect& where);
QGroupBox* addGroupFrame(QWidget* parent, const char* name, const QString& title,
                         const QRect& where);

// Lays widgets side by side in one row of a window `widthTwips` wide, with the window's margins
// at both ends and a small gap between them; each takes its share of the row's width.
void layOutRow(const std::vector<QWidget*>& widgets, const std::vector<int>& shares, int topTwips,
               int heightTwips, int widthTwips);

// Makes `order` the window's tab order and its first control the one focused when the window
// is shown.
void setTabOrder(Window* window, const std::vector<QWidget*>& order);

// The margin between a window's edge and its controls, and the gap between two controls.
inline constexpr int marginTwips = 120;
inline constexpr int gapTwips = 60;

// The parent for controls placed directly on a window.
QWidget* clientOf(QWidget* parent);

} // namespace spawnsmith
