#include "info/textwindows.h"

#include "app/controls.h"
#include "app/frame.h"
#include "app/layout.h"
#include "app/widgets/commandbutton.h"
#include "app/widgets/textarea.h"
#include "app/window.h"

#include <QLabel>

#include <QVBoxLayout>

#include <vector>

namespace spawnsmith {
namespace {

// One control of a fixed-text window. The controls stand in one column, top to bottom, all
// as wide as the window allows, and the close button follows at the bottom.
struct Piece {
    enum Kind { Heading, Text, Box };
    Kind kind;
    const char* name;
    const char* text;
    const char* accessibleName = nullptr; // a box's is its label's text; a label's is its text
    int lines = 0; // a box shows this many lines without scrolling, the empty one after a last
                   // line break included
};

struct TextWindow {
    WindowId id;
    const char* title;
    int widthTwips;
    int heightTwips;
    const char* closeButton;
    WindowId owner; // the screen the window is opened over, unlocked again on close
    Qt::Alignment alignment;
    std::vector<Piece> pieces;
};

// The close button's height, in twips.
constexpr int closeButtonHeight = 390;

constexpr auto leftAligned = Qt::AlignLeft | Qt::AlignTop;
constexpr auto centred = Qt::AlignHCenter | Qt::AlignTop;

const std::vector<Piece> notAvailablePieces = {
    {Piece::Text, "lblnotava", "Sorry This Function Is Not Yet Available."},
    {Piece::Text, "lblreason",
     "Due to a snag in the development of this program this feature has been disabled for this "
     "version."},
    {Piece::Text, "lbllater", "I will get it fixed for future versions."},
};

// A "Function Not Available" window over a code-pick screen.
TextWindow notAvailable(WindowId id, WindowId codePick) {
    return {.id = id,
            .title = "Function Not Available",
            .widthTwips = 4695,
            .heightTwips = 1830,
            .closeButton = "cmdclosewindow",
            .owner = codePick,
            .alignment = centred,
            .pieces = notAvailablePieces};
}

const TextWindow textWindows[] = {
    {.id = WindowId::frmaboutprogram,
     .title = "About Program",
     .widthTwips = 4695,
     .heightTwips = 2415,
     .closeButton = "cmdclosethiswindow",
     .owner = WindowId::frmgtapick,
     .alignment = leftAligned,
     .pieces =
         {{Piece::Heading, "lblaboutprogram", "About Spawnsmith"},
          {Piece::Text, "lblaboutprogramabout",
           "Spawnsmith is a free tool to help people with generating main.scm code. I created it "
           "purely for this purpose."},
          {Piece::Text, "lblreliability",
           "I cannot be held responible for any damage caused to your computer or the files stored "
           "within it. I did not create this program for that purpose."}}},
    {.id = WindowId::frmaboutversion,
     .title = "About Version",
     .widthTwips = 4695,
     .heightTwips = 4455,
     .closeButton = "cmdclosewindow",
     .owner = WindowId::frmgtapick,
     .alignment = leftAligned,
     .pieces =
         {{Piece::Heading, "lblaboutversion", "About Version 0.1"},
          {Piece::Text, "lblaboutversionabout",
           "Version 0.1 is the first version of Spawnsmith. It contains the following features:"},
          {.kind = Piece::Box,
           .name = "txtaboutversionfeatures",
           .text = "GTA 3 Weapon Spawn Point Creating\r\n"
                   "GTA 3 Melee Weapon Spawn Point Creating\r\n"
                   "GTA 3 Item Spawn Point Creating\r\n"
                   "GTA VC Weapon Spawn Point Creating\r\n"
                   "GTA VC Melee Weapon Spawn Point Creating\r\n"
                   "GTA VC Item Spawn Point Creating\r\n"
                   "GTA SA Weapon Spawn Point Creating\r\n"
                   "GTA SA Melee Weapon Spawn Point Creating\r\n"
                   "GTA SA Item Spawn Point Creating\r\n",
           .accessibleName = "Features",
           .lines = 10},
          {Piece::Text, "lblbugsfixed", "Bugs Fixed:"},
          {.kind = Piece::Box,
           .name = "txtbugsfixed",
           .text = "No Bugs Reported Yet.\r\n",
           .accessibleName = "Bugs Fixed",
           .lines = 2}}},
    {.id = WindowId::frmaboutcopyright,
     .title = "About Copyright",
     .widthTwips = 4695,
     .heightTwips = 3990,
     .closeButton = "cmdclosewindow",
     .owner = WindowId::frmgtapick,
     .alignment = leftAligned,
     .pieces =
         {{Piece::Heading, "lblaboutcopyright", "About Copyright"},
          {Piece::Text, "lblaboutcopyrightabout",
           "Spawnsmith belongs to Tarvik. It is free software: you may pass it on and change it "
           "under the terms of the GNU General Public License, version 3 or (at your option) any "
           "later version. It comes with no warranty."},
          {.kind = Piece::Text, .name = "lblwebsites", .text = "", .accessibleName = "Web Sites"},
          {Piece::Text, "lblcopyright", "Copyright \u00A9 2026 Tarvik"}}},
    {.id = WindowId::frmthanks,
     .title = "Thanks",
     .widthTwips = 4665,
     .heightTwips = 3855,
     .closeButton = "cmdclosewindow",
     .owner = WindowId::frmgtapick,
     .alignment = leftAligned,
     .pieces =
         {{Piece::Heading, "lblthanks", "Thanks"},
          {Piece::Text, "lblthanks1",
           "I would like to thank several people for helping me throughout the develpoment of this "
           "program."},
          {Piece::Text, "lblthanks2",
           "Orrin Vaskel, for the graphics and for his support throughout the development."},
          {Piece::Text, "lblthanks3",
           "Bexley Marrow, for his help with the splash screen delay and the new e-mail message "
           "code."},
          {Piece::Text, "lblthanks4",
           "Ysolde Pennick, for her help with the new e-mail message code."},
          {Piece::Text, "lblthanks5",
           "The members of the Dockside Scripting Club, for their support."}}},
    notAvailable(WindowId::frm3notavailable, WindowId::frmgta3codepick),
    notAvailable(WindowId::frmvcnotavailable, WindowId::frmgtavccodepick),
    notAvailable(WindowId::frmsanotavailable, WindowId::frmgtasacodepick),
};

QWidget* addPiece(Window* window, const Piece& piece, Qt::Alignment alignment) {
    const QString text = QString::fromUtf8(piece.text);
    if (piece.kind == Piece::Box) {
        auto* box = new TextArea(QLatin1String(piece.name), QString::fromUtf8(piece.accessibleName),
                                 window->client());
        box->setReadOnly(true);
        box->setText(text);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        // Frame and document margin above and below, and one pixel more: Qt counts the last
        // line as fitting only when the viewport is strictly taller than the text.
        const int margins = 2 * (box->frameWidth() + qRound(box->document()->documentMargin())) + 1;
        box->setFixedHeight(box->fontMetrics().lineSpacing() * piece.lines + margins);
        return box;
    }
    // The column's layout gives each label its height, so every label wraps.
    auto* label = new QLabel(text, window->client());
    label->setObjectName(QLatin1String(piece.name));
    label->setWordWrap(true);
    label->setAlignment(alignment);
    label->setAccessibleName(piece.accessibleName ? QString::fromUtf8(piece.accessibleName) : text);
    if (piece.kind == Piece::Heading) {
        // Bold, in the window's one font size (a font that sets only the weight takes the rest
        // from the window, also when the window's size changes).
        QFont bold;
        bold.setBold(true);
        label->setFont(bold);
    }
    return label;
}

Window* buildTextWindow(Frame& frame, const TextWindow& text) {
    auto* window = new Window(text.id, QStringLiteral("Spawnsmith | ") + QLatin1String(text.title),
                              text.widthTwips, text.heightTwips);
    window->setOpensOverAScreen(true);
    auto* column = new QVBoxLayout(window->client());
    column->setContentsMargins(px(marginTwips), px(marginTwips), px(marginTwips), px(marginTwips));
    column->setSpacing(px(gapTwips));
    QLabel* previousLabel = nullptr;
    for (const Piece& piece : text.pieces) {
        QWidget* added = addPiece(window, piece, text.alignment);
        // A box is named, for screen readers, by the label above it.
        if (piece.kind == Piece::Box && previousLabel)
            previousLabel->setBuddy(added);
        previousLabel = qobject_cast<QLabel*>(added);
        column->addWidget(added);
    }
    column->addStretch();
    auto* close = addButton(
        frame, window,
        {text.closeButton, "Close This Window", closeDialogTo(text.owner), ButtonRole::CloseBox},
        {});
    close->setFixedHeight(px(closeButtonHeight));
    column->addWidget(close);
    // The button is the window's one action, so it has the focus and Enter closes the window.
    window->setFirstFocus(close);
    return window;
}

} // namespace

void addTextWindows(Frame& frame) {
    registerEach(frame, textWindows, buildTextWindow);
}

} // namespace spawnsmith
