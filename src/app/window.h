#pragma once

#include <QAbstractButton>
#include <QPointer>
#include <QWidget>

class QMenuBar;

namespace spawnsmith {

// Converts the design's twips (1/1440 inch) into device-independent pixels: 15 twips a pixel.
constexpr int px(int twips) {
    return (twips * 2 + 15) / 30;
}

// A top-level window of the wizard: fixed size, no minimize or maximize button, the common icon
// and caption. Controls live on the fixed-size client area, below an optional menu bar. The
// title-bar close box presses the window's chosen button if that button is enabled and is
// ignored otherwise, so closing a window never skips its handler or leaves a screen locked.
class Window : public QWidget {
    Q_OBJECT
public:
    // A framed window. `title` is the full caption; sizes are the client area in twips.
    Window(const QString& name, const QString& title, int widthTwips, int heightTwips);

    QWidget* client() const { return m_client; }
    void setMenuBar(QMenuBar* menuBar);
    void setCloseBoxButton(QAbstractButton* button) { m_closeBoxButton = button; }
    void setFirstFocus(QWidget* widget) { m_firstFocus = widget; }
    QWidget* firstFocus() const { return m_firstFocus; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* m_client;
    QPointer<QAbstractButton> m_closeBoxButton;
    QPointer<QWidget> m_firstFocus;
};

} // namespace spawnsmith
