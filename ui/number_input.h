// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>
#include <QString>

#include <functional>

class QContextMenuEvent;
class QEvent;
class QInputMethodEvent;
class QKeyEvent;
class QPoint;
class QMouseEvent;

namespace mostaric::ui {

// Whether every UTF-16 unit of `text` passes the core's key filter; and what
// typing `text` key by key would leave (backspace only acts as a key).
bool passesNumericKeyFilter(const QString& text);
QString filterTypedText(const QString& text);

// Pops up the Chinese context menu of a text box at `at` (global): undo, redo,
// cut, copy, paste (done by `paste`), delete and select all; only copy and
// select all when read-only. Actions are named edit-undo ... select-all.
void popUpEditMenu(QLineEdit& box, QPoint at, const std::function<void()>& paste);

// One of the four number inputs. Every character a key types passes the
// core's key filter (acceptsKey) first; a refused one changes nothing. Keys
// that type nothing (arrows, Home, End, Delete) act as usual. An input-method
// commit with a refused character, and a paste whose trimmed text typing would
// not give, are refused whole: a paste is a number or nothing. No drops.
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
    // Inserts the clipboard's text if typing could give it; else says so.
    void pasteWhole(bool fromSelection);
};

}  // namespace mostaric::ui
