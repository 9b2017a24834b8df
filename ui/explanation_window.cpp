#include "ui/explanation_window.h"

#include "ui/app_icon.h"
#include "ui/explanation_texts.h"
#include "ui/fonts.h"
#include "ui/text_fit.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QString>

#include <algorithm>
#include <vector>

namespace mostaric::ui {

namespace {

constexpr qreal kFontPointSize = 10.5;  // 宋体 10.5 pt: 14 px at 96 dpi

// A fixed, non-resizable window with a title bar and a close box but no
// minimise or maximise button. Qt::Tool keeps it out of the taskbar: on
// Windows it becomes a tool window, on X11 a utility window that window
// managers do not list. It stays a top-level window of its own.
constexpr Qt::WindowFlags kWindowFlags =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
    | Qt::MSWindowsFixedSizeDialogHint;

}  // namespace

ExplanationWindow::ExplanationWindow(QWidget* parent)
    : QWidget(parent, kWindowFlags)
{
    setObjectName(QStringLiteral("explain"));
    setWindowTitle(QStringLiteral("说明"));
    setWindowIcon(appIcon());
    setFixedSize(twipsSize(6930, 7710));
    const QFont font = songTiFont(kFontPointSize);
    setFont(font);

    // Qt's keyboard order is the order in which the controls are created
    // (QWidget::setTabOrder ignores controls that take no focus, like the
    // labels), so the controls are created in the order of their Tab places.
    std::vector<const ExplanationControl*> byTab;
    for (const ExplanationControl& control : explanationControls())
        byTab.push_back(&control);
    std::stable_sort(byTab.begin(), byTab.end(),
                     [](const ExplanationControl* a, const ExplanationControl* b) {
                         return a->tab < b->tab;
                     });
    for (const ExplanationControl* entry : byTab) {
        const ExplanationControl& control = *entry;
        QWidget* widget = nullptr;
        if (control.kind == ExplanationControl::Kind::Button) {
            auto* button = new QPushButton(displayedText(control), this);
            // The only control that takes the focus: Enter and Space press it.
            button->setAutoDefault(true);
            button->setDefault(true);
            button->setFocusPolicy(Qt::StrongFocus);
            connect(button, &QPushButton::clicked, this,
                    &ExplanationWindow::backRequested);
            m_goback = button;
            widget = button;
        } else {
            auto* label = new QLabel(this);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            // The lines are broken where the page's texts break; wrapping at
            // the box's width could only add breaks with another font's
            // metrics, so it stays off.
            label->setWordWrap(false);
            label->setMargin(0);
            label->setIndent(0);
            label->setText(displayedText(control));
            widget = label;
        }
        widget->setObjectName(QString::fromLatin1(control.name));
        widget->setFont(font);
        widget->setGeometry(twipsRect(control.left, control.top,
                                      control.width, control.height));
    }
    setFocusProxy(m_goback);
    fitTextsToBoxes(*this);
}

void ExplanationWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        if (!m_placed) {
            // First showing: centre the window on its screen.
            m_placed = true;
            QScreen* screen = this->screen();
            if (screen == nullptr)
                screen = QGuiApplication::primaryScreen();
            if (screen != nullptr) {
                QRect frame = frameGeometry();
                frame.moveCenter(screen->availableGeometry().center());
                move(frame.topLeft());
            }
        }
        m_goback->setFocus(Qt::OtherFocusReason);
        // Tool windows are shown without being activated on some platforms
        // (Windows); the window was opened by the user, so it takes the
        // keyboard once it is on screen, and Enter or Space press `goback`.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (isVisible())
                    activateWindow();
            },
            Qt::QueuedConnection);
    }
    QWidget::showEvent(event);
}

void ExplanationWindow::closeEvent(QCloseEvent* event)
{
    // The close box means "back to the main window". The close itself goes
    // through, which only hides this window, so a quit request or a logout is
    // never held up by it.
    const bool wasShown = isVisible();
    event->accept();
    if (wasShown)
        Q_EMIT backRequested();
}

void ExplanationWindow::keyPressEvent(QKeyEvent* event)
{
    // Enter presses `goback` even if the focus is not on it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        m_goback->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace mostaric::ui
