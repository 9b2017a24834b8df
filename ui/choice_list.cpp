// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/choice_list.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPointer>
#include <QProxyStyle>
#include <QScreen>
#include <QWheelEvent>

#include <algorithm>

namespace mostaric::ui {
namespace {

// The application's style, but the list drops below its box: Fusion and
// others lay it over the box, as tall as the screen, without a scroll bar.
class DropBelowStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit DropBelowStyle(QObject* parent) { setParent(parent); }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == QStyle::SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// One style for every list: a style sheet per list costs far more at start-up.
QStyle* dropBelowStyle()
{
    static QPointer<QStyle> style;
    if (style == nullptr) {
        style = new DropBelowStyle(QApplication::instance());
    }
    return style;
}

}  // namespace

ChoiceList::ChoiceList(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    // Qt's default for lists also takes the focus on a wheel notch.
    setFocusPolicy(Qt::StrongFocus);
    setStyle(dropBelowStyle());
    setMaxVisibleItems(kMostRows);
}

void ChoiceList::showPopup()
{
    // The rows that fit in half the screen, less the list's frames.
    int rows = kMostRows;
    const QScreen* shownOn = screen();
    QAbstractItemView* list = view();
    if (shownOn != nullptr && count() > 0) {
        const QMargins margins = list->parentWidget()->contentsMargins();  // the popup's frame
        const int frames = 2 * list->frameWidth() + margins.top() + margins.bottom();
        const int rowHeight = std::max(1, list->sizeHintForRow(0));
        const int half = shownOn->availableGeometry().height() / 2;
        rows = std::clamp((half - frames) / rowHeight, 1, kMostRows);
    }
    setMaxVisibleItems(rows);
    QComboBox::showPopup();
}

void ChoiceList::wheelEvent(QWheelEvent* event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

}  // namespace mostaric::ui

#include "choice_list.moc"
