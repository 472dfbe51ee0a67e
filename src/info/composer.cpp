#include "info/composer.h"

#include "app/controls.h"
#include "app/frame.h"
#include "app/layout.h"
#include "app/widgets/commandbutton.h"
#include "app/widgets/textarea.h"
#include "app/widgets/textbox.h"
#include "app/window.h"
#include "info/builtins.h"
#include "info/sendemail.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>

namespace spawnsmith {
namespace {

constexpr int widthTwips = 4710;
constexpr int heightTwips = 4590;
constexpr int margin = 120;
constexpr int labelWidth = 720;
constexpr int boxLeft = margin + labelWidth + margin;
constexpr int boxWidth = widthTwips - boxLeft - margin;
// Rows kept close, so that the body is tall enough to show its five lines whole, wrapped.
constexpr int lineHeight = 300;
constexpr int rowPitch = lineHeight + 45;
constexpr int bodyTop = margin + 4 * rowPitch;
constexpr int buttonHeight = 480;
constexpr int buttonTop = heightTwips - margin - buttonHeight;
constexpr int buttonWidth = (widthTwips - 4 * margin) / 3;

// The single-line boxes, top to bottom, each with its caption label of the array Label1.
struct ComposerBox {
    const char* name;
    const char* caption;
    const char* initialText;
    bool readOnly;
};

constexpr ComposerBox boxes[] = {
    {.name = "txtTo", .caption = "To", .initialText = builtin::makerEmail, .readOnly = true},
    {.name = "txtCc", .caption = "CC", .initialText = "", .readOnly = false},
    {.name = "txtBcc", .caption = "BCC", .initialText = "", .readOnly = false},
    {.name = "txtSubject",
     .caption = "Subject",
     .initialText = builtin::mailSubject,
     .readOnly = true},
};

// The composer's five boxes, found when the window is built, in the order the URL takes them.
struct MessageBoxes {
    QPointer<QLineEdit> to;
    QPointer<QLineEdit> cc;
    QPointer<QLineEdit> bcc;
    QPointer<QLineEdit> subject;
    QPointer<TextArea> body;
};

// "Launch E-Mail Application": reads the five boxes in order and hands the message over on
// behalf of the composer window.
void send(Frame& frame, Window* composer, const MessageBoxes& message) {
    sendEMail(frame.platform(), composer->winId(), message.to->text(), message.cc->text(),
              message.bcc->text(), message.subject->text(), message.body->text());
}

// An element of the label array Label1: every element has the array's name and keeps its index.
QLabel* addCaption(Window* window, int index, const char* caption, int top, QWidget* buddy) {
    QLabel* label = addLabel(window, "Label1", QLatin1String(caption),
                             twips(margin, top, labelWidth, lineHeight));
    label->setProperty("index", index);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setAccessibleName(QLatin1String(caption));
    label->setBuddy(buddy);
    return label;
}

Window* buildComposer(Frame& frame) {
    auto* window = new Window(WindowId::frmsendemail, QStringLiteral("Spawnsmith | E-Mail Author"),
                              widthTwips, heightTwips);
    window->setOpensOverAScreen(true);
    std::vector<QWidget*> tabOrder;
    QList<QLineEdit*> lines;
    int top = margin;
    int index = 0;
    for (const ComposerBox& field : boxes) {
        QLineEdit* box = addTextBox(window, field.name, QLatin1String(field.caption), 0,
                                    twips(boxLeft, top, boxWidth, lineHeight));
        box->setText(QLatin1String(field.initialText));
        box->setReadOnly(field.readOnly);
        box->setCursorPosition(0);
        addCaption(window, index++, field.caption, top, box);
        tabOrder.push_back(box);
        lines.append(box);
        top += rowPitch;
    }

    auto* body = new TextArea(QStringLiteral("txtBody"), QStringLiteral("Body"), window->client());
    body->setGeometry(twips(boxLeft, bodyTop, boxWidth, buttonTop - margin - bodyTop));
    // Long lines wrap at the box's edge, so that the whole message shows without scrolling
    // sideways; the line breaks it was written with stay as they are.
    body->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    body->setText(QLatin1String(builtin::mailBody));
    // However a line break is made in the message (Enter, Shift+Enter, pasted), it is one.
    body->setLineSeparatorIsBreak(true);
    addCaption(window, index, "Body", bodyTop, body);
    tabOrder.push_back(body);

    const MessageBoxes message{lines[0], lines[1], lines[2], lines[3], body};
    const Button buttons[] = {
        {"cmdSend", "Launch E-Mail Application",
         runRoutine([window, message](Frame& f) { send(f, window, message); })},
        {"cmdclosewindow", "Close This Window", closeDialogTo(WindowId::frmgtapick),
         ButtonRole::CloseBox},
        {"cmdexit", "Exit", openDialog(WindowId::frmemailexit)},
    };
    int left = margin;
    for (const Button& button : buttons) {
        tabOrder.push_back(
            addButton(frame, window, button, twips(left, buttonTop, buttonWidth, buttonHeight)));
        left += buttonWidth + margin;
    }
    setTabOrder(window, tabOrder);
    return window;
}

} // namespace

void addComposer(Frame& frame) {
    frame.registerWindow(WindowId::frmsendemail, buildComposer);
}

} // namespace spawnsmith
