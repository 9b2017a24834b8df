// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class QContextMenuEvent;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QInputMethodEvent;
class QKeyEvent;
class QMenu;
class QMouseEvent;

namespace mostaric::ui {

// True when every UTF-16 unit of `text` passes the core's key filter;
// an empty text passes.
bool passesNumericKeyFilter(const QString& text);

// The text that typing `text` character by character would leave: every unit
// the key filter refuses is dropped, and so is backspace (code 8), which only
// means something as a key.
QString filterTypedText(const QString& text);

// The context menu of a text box of the main window, in Chinese: undo,
// redo, cut, copy, paste, delete and select all for an editable box, copy and
// select all for a read-only one. `paste` does the pasting (a number input
// pastes only a whole number). Its actions are named edit-undo, edit-redo,
// edit-cut, edit-copy, edit-paste, edit-delete and select-all. The caller
// owns the menu.
QMenu* createEditMenu(QLineEdit& box, const std::function<void()>& paste);

// One of the four number inputs (weit, Tt2, s1, jiaomu1). Every character that
// a key types goes through the core's key filter (acceptsKey) first; a refused one is
// cancelled and leaves text, caret and selection as they were. Keys that type
// nothing (arrows, Home, End, Delete, with or without Shift) keep their usual
// effect. The other ways text can arrive are guarded by the same rule: an
// input-method commit holding a refused character (or a backspace) is
// refused whole, and so is
// a paste (context menu, Shift+Insert, middle mouse button) whose text, less
// the blanks around it, holds one character typing would not give: a paste is
// a number or nothing, never a number quietly made of what was left. Drops are
// refused.
class NumberInput : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberInput(QWidget* parent = nullptr);

    // The character code a key event types, as a Windows text box hands it
    // to its key-press handler (a signed 16-bit code), or nothing when the key
    // types no character. Ctrl+letter types the control code 1..26 (Ctrl+C is
    // 3, Ctrl+V 22, Ctrl+X 24); Backspace 8, Enter 13, Escape 27.
    static std::optional<std::int16_t> typedCharacterCode(const QKeyEvent& event);

Q_SIGNALS:
    // A paste was refused; `text` is what was offered, less surrounding blanks.
    void pasteRefused(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Inserts the clipboard's text at the caret when typing it would give the
    // same text; otherwise changes nothing and says so.
    void pasteWhole(bool fromSelection);
};

}  // namespace mostaric::ui
