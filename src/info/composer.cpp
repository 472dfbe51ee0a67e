#include "info/composer.h"

#include "app/frame.h"
#include "app/widgets/resultbox.h"
#include "app/window.h"
#include "app/windowparts.h"
#include "info/builtins.h"
#include "info/mail.h"

namespace spawnsmith {
namespace {

constexpr int widthTwips = 4710;
constexpr int heightTwips = 4590;
constexpr int margin = 120;
constexpr int labelWidth = 720;
constexpr int boxLeft = margin + labelWidth + margin;
constexpr int boxWidth = widthTwips - boxLeft - margin;
constexpr int lineHeight = 315;
constexpr int rowPitch = lineHeight + 105;
constexpr int bodyTop = margin + 4 * rowPitch;
constexpr int buttonHeight = 570;
constexpr int buttonTop = heightTwips - margin - buttonHeight;
constexpr int buttonWidth = (widthTwips - 4 * margin) / 3;

// The single-line fields, top to bottom, each with its caption label of the array Label1.
struct Field {
    const char* name;
    const char* caption;
    const char* initialText;
    bool readOnly;
};

constexpr Field fields[] = {
    {"txtTo", "To", builtin::makerEmail, true},
    {"txtCc", "CC", "", false},
    {"txtBcc", "BCC", "", false},
    {"txtSubject", "Subject", builtin::mailSubject, true},
};

void send(Frame& frame, const QString& composer) {
    Window* window = frame.loaded(composer);
    if (!window)
        return;
    auto lineText = [window](const char* name) {
        return window->findChild<QLineEdit*>(QLatin1String(name))->text();
    };
    sendEMail(frame.platform(), lineText("txtTo"), lineText("txtCc"), lineText("txtBcc"),
              lineText("txtSubject"),
              window->findChild<ResultBox*>(QStringLiteral("txtBody"))->text());
}

QLabel* addCaption(Window* window, int index, const char* caption, int top, QWidget* buddy) {
    const QByteArray name = "Label1_" + QByteArray::number(index);
    QLabel* label = addLabel(window, name.constData(), QLatin1String(caption),
                             twips(margin, top, labelWidth, lineHeight));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setAccessibleName(QLatin1String(caption));
    label->setBuddy(buddy);
    return label;
}

Window* buildComposer(Frame& frame) {
    auto* window =
        new Window(QStringLiteral("frmsendemail"), QStringLiteral("Spawnsmith | E-Mail Author"),
                   widthTwips, heightTwips);
    QList<QWidget*> tabOrder;
    int top = margin;
    int index = 0;
    for (const Field& field : fields) {
        QLineEdit* box = addInputBox(window, field.name, QLatin1String(field.caption), 0,
                                     twips(boxLeft, top, boxWidth, lineHeight));
        box->setText(QLatin1String(field.initialText));
        box->setReadOnly(field.readOnly);
        box->setCursorPosition(0);
        addCaption(window, index++, field.caption, top, box);
        tabOrder.append(box);
        top += rowPitch;
    }

    auto* body = new ResultBox(QStringLiteral("txtBody"), QStringLiteral("Body"), window->client());
    body->setGeometry(twips(boxLeft, bodyTop, boxWidth, buttonTop - margin - bodyTop));
    // The message keeps the line breaks it was written with; long lines scroll sideways
    // instead of wrapping mid-sentence.
    body->setLineWrapMode(QPlainTextEdit::NoWrap);
    body->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    body->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    body->setText(QLatin1String(builtin::mailBody));
    addCaption(window, index, "Body", bodyTop, body);
    tabOrder.append(body);

    const ButtonSpec buttons[] = {
        {"cmdSend", "Launch E-Mail Application", runRoutine(send)},
        {"cmdclosewindow", "Close This Window", closeDialogTo("frmgtapick")},
        {"cmdexit", "Exit", openDialog("frmemailexit")},
    };
    int left = margin;
    for (const ButtonSpec& button : buttons) {
        tabOrder.append(
            addButton(frame, window, button, twips(left, buttonTop, buttonWidth, buttonHeight)));
        left += buttonWidth + margin;
    }
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);

    window->setFirstFocus(tabOrder.first());
    window->setCloseBoxButton(
        window->findChild<QAbstractButton*>(QStringLiteral("cmdclosewindow")));
    return window;
}

} // namespace

void addComposer(Frame& frame) {
    frame.registerWindow(QStringLiteral("frmsendemail"), buildComposer);
}

} // namespace spawnsmith
