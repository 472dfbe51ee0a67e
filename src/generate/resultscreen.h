#pragma once

#include "app/action.h"
#include "app/widgets/textarea.h"
#include "app/window.h"

#include <QPointer>

#include <vector>

namespace spawnsmith {

class Frame;

// A result screen: its text box and its four buttons from left to right.
struct ResultScreen {
    WindowId id;
    const char* caption; // the whole window caption
    int widthTwips;
    int heightTwips;
    const char* box;
    std::vector<Button> buttons;
    bool buttonsFirstInTabOrder = false; // tab order from "Exit" leftwards, the box last
};

// A loaded result screen, holding the box its creator screen writes the generated text into.
class ResultWindow : public Window {
    Q_OBJECT
public:
    ResultWindow(const ResultScreen& screen);

    TextArea* box() const { return m_box; }
    void setBox(TextArea* box) { m_box = box; }

private:
    QPointer<TextArea> m_box;
};

void addResultScreen(Frame& frame, const ResultScreen& screen);

} // namespace spawnsmith
