// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/number_input.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>
#include <cstdint>
#include <optional>

#include "core/key_filter.h"
#include "core/paste.h"
#include "ui/text_conversion.h"

namespace mostaric::ui {
namespace {

// The core's rule for one code, taken as the 16-bit code a text box hands over.
bool passes(int code) { return acceptsKey(static_cast<std::int16_t>(code)); }

constexpr int kBackspace = 8;

// The signed 16-bit code a key event types, as a Windows text box hands it
// to its key handler, or nothing: Ctrl+letter types 1..26 (Ctrl+C 3, Ctrl+V
// 22, Ctrl+X 24), Backspace 8, Enter 13, Escape 27.
std::optional<std::int16_t> typedCharacterCode(const QKeyEvent& event)
{
    const int key = event.key();
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    const bool altOrMeta =
        modifiers.testFlag(Qt::AltModifier) || modifiers.testFlag(Qt::MetaModifier);

    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return std::nullopt;  // moves the focus; never reaches a key-press handler
    if (control && !altOrMeta) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return static_cast<std::int16_t>(key - Qt::Key_A + 1);
        if (key == Qt::Key_Backspace)
            return std::int16_t{127};
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return std::int16_t{10};
        return std::nullopt;  // Ctrl+arrows, Ctrl+Home, Ctrl+Insert...: type nothing
    }
    if (key == Qt::Key_Backspace)
        return std::int16_t{kBackspace};
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return std::int16_t{13};
    if (key == Qt::Key_Escape)
        return std::int16_t{27};

    const QString text = event.text();
    if (text.isEmpty())
        return std::nullopt;
    const char16_t first = text.front().unicode();
    if (text.size() == 1 && (first < 0x20 || first == 0x7f))
        return std::nullopt;  // Delete and other editing keys that some platforms spell
    return static_cast<std::int16_t>(first);
}

}  // namespace

bool passesNumericKeyFilter(const QString& text)
{
    return std::ranges::all_of(text, [](QChar unit) { return passes(unit.unicode()); });
}

QString filterTypedText(const QString& text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar unit : text) {
        if (unit.unicode() != kBackspace && passes(unit.unicode()))
            kept.append(unit);
    }
    return kept;
}

void popUpEditMenu(QLineEdit& box, QPoint at, const std::function<void()>& paste)
{
    auto* menu = new QMenu(&box);
    const auto add = [menu, &box](const char* name, const QString& text, bool enabled,
                                  const auto& act) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setEnabled(enabled);
        QObject::connect(action, &QAction::triggered, &box, act);
    };
    const bool editable = !box.isReadOnly();
    const bool selection = box.hasSelectedText();
    if (editable) {
        add("edit-undo", QStringLiteral("撤销(&U)"), box.isUndoAvailable(), &QLineEdit::undo);
        add("edit-redo", QStringLiteral("重做(&R)"), box.isRedoAvailable(), &QLineEdit::redo);
        menu->addSeparator();
        add("edit-cut", QStringLiteral("剪切(&T)"), selection, &QLineEdit::cut);
    }
    add("edit-copy", QStringLiteral("复制(&C)"), selection, &QLineEdit::copy);
    if (editable) {
        const QClipboard* clipboard = QGuiApplication::clipboard();
        const bool canPaste = clipboard != nullptr && !clipboard->text().isEmpty();
        add("edit-paste", QStringLiteral("粘贴(&P)"), canPaste, [paste] { paste(); });
        add("edit-delete", QStringLiteral("删除(&D)"), selection, [&box] { box.del(); });
    }
    menu->addSeparator();
    add("select-all", QStringLiteral("全选(&A)"), !box.text().isEmpty(), &QLineEdit::selectAll);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(at);
}

NumberInput::NumberInput(QWidget* parent) : QLineEdit(parent)
{
    // A number needs no input method: the keys reach the field as typed, and
    // a Chinese input method does not compose into it.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setInputMethodHints(Qt::ImhFormattedNumbersOnly | Qt::ImhNoPredictiveText);
    setAcceptDrops(false);
}

void NumberInput::keyPressEvent(QKeyEvent* event)
{
    const std::optional<std::int16_t> code = typedCharacterCode(*event);
    if (!code && event->matches(QKeySequence::Paste)) {  // Shift+Insert and the like
        pasteWhole(false);
        event->accept();
        return;
    }
    // A key that types: the typed code, and every further unit a key may
    // type at once, must pass the key filter. Arrows, Home, End, Delete...
    // type nothing and go through.
    const QString text = event->text();
    if (code && (!passes(*code) || (text.size() > 1 && !passesNumericKeyFilter(text)))) {
        event->accept();  // cancelled: text, caret and selection stay
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumberInput::inputMethodEvent(QInputMethodEvent* event)
{
    // Backspace passes the key filter as a key, but a committed one would
    // stand in the text as a control character: typing never leaves one.
    const QString commit = event->commitString();
    if (filterTypedText(commit) == commit) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // Refused whole: keep the composition as it stands, commit nothing.
    QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&withoutCommit);
    event->accept();
}

void NumberInput::contextMenuEvent(QContextMenuEvent* event)
{
    popUpEditMenu(*this, event->globalPos(), [this] { pasteWhole(false); });
    event->accept();
}

void NumberInput::mouseReleaseEvent(QMouseEvent* event)
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard != nullptr
        && clipboard->supportsSelection()) {
        pasteWhole(true);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

bool NumberInput::event(QEvent* event)
{
    // Drops are refused even where acceptDrops() would not stop them (an
    // event sent straight to the box).
    const QEvent::Type type = event->type();
    if (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

void NumberInput::pasteWhole(bool fromSelection)
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr || isReadOnly())
        return;
    const PasteCheck check =
        checkPaste(clipboard->text(fromSelection ? QClipboard::Selection : QClipboard::Clipboard)
                       .toStdString());
    if (check.note) {
        Q_EMIT pasteRefused(toQString(check.offered));
        return;
    }
    if (check.accepted)
        insert(toQString(check.offered));
}

}  // namespace mostaric::ui
