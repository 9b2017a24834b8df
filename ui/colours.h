#pragma once

#include <QColor>
#include <QString>

namespace mostaric::ui {

// Every colour the windows pin comes from here; everything else follows the
// desktop's theme. A control that pins one colour pins all it draws with:
// face and text in each state, border and focus border, so no theme can put
// its own text colour on our face.
struct PinnedColours {
    QColor face;
    QColor text;
    QColor hoverFace;
    QColor pressedFace;
    QColor border;
    QColor focusBorder;
};

// Command1: the classic system colour for inactive caption text (index 19),
// a calm light grey, with the classic black button text.
PinnedColours linkButtonColours();

// The style sheet that draws the push button named `objectName` in
// `colours`, in every state.
QString pinnedButtonStyleSheet(const QString& objectName, const PinnedColours& colours);

}  // namespace mostaric::ui
