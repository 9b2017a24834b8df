// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>
#include <QString>

#include <functional>

class QContextMenuEvent;
class QEvent;
class QInputMethodEvent;
class QKeyEvent;
class QMenu;
class QMouseEvent;

namespace mostaric::ui {

// True when every UTF-16 unit of `text` passes the core's key filter (an
// empty text does); filterTypedText keeps what typing `text` key by key would
// leave, without backspace (code 8), which only means something as a key.
bool passesNumericKeyFilter(const QString& text);
QString filterTypedText(const QString& text);

// The Chinese context menu of a text box of the main window, owned by the
// caller: undo, redo, cut, copy, paste (done by `paste`), delete and select
// all, only copy and select all when read-only. Its actions are named
// edit-undo, edit-redo, edit-cut, edit-copy, edit-paste, edit-delete and
// select-all.
QMenu* createEditMenu(QLineEdit& box, const std::function<void()>& paste);

// One of the four number inputs (weit, Tt2, s1, jiaomu1). Every character a
// key types passes the core's key filter (acceptsKey) first; a refused one
// leaves text, caret and selection as they were. Keys that type nothing
// (arrows, Home, End, Delete) keep their effect. An input-method commit with
// a refused character, and a paste (context menu, Shift+Insert, middle
// button) whose text less surrounding blanks typing would not give, are
// refused whole: a paste is a number or nothing. Drops are refused.
class NumberInput : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberInput(QWidget* parent = nullptr);

Q_SIGNALS:
    // A paste was refused; `text` is what was offered, less surrounding blanks.
    void pasteRefused(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Inserts the clipboard's text at the caret when typing it would give the
    // same text; otherwise changes nothing and says so.
    void pasteWhole(bool fromSelection);
};

}  // namespace mostaric::ui
