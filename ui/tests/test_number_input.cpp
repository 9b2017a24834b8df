// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The key filter of the four number inputs as the user meets it in
// the main window: typed keys, shortcuts, an input method, pasting and drops.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include "ui/main_window.h"
#include "ui/number_input.h"
#include "ui/tests/main_window_test_support.h"
#include "ui/tests/ui_test_support.h"

using mostaric::test::control;
using mostaric::test::s;
using mostaric::ui::MainWindow;

namespace {

const char* const kInputs[] = {"weit", "Tt2", "s1", "jiaomu1"};

// Sends one key that types `text`, as a keyboard or an input method
// without composition would.
void typeText(QWidget* widget, const QString& text, Qt::Key key = Qt::Key_unknown)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

}  // namespace

class TestNumberInput : public mostaric::test::MainWindowFixture {
    Q_OBJECT

private:
    QLineEdit* input(const QString& name) const { return box(name); }

    // An input emptied and focused, ready for typing.
    QLineEdit* emptied(const QString& name) const
    {
        QLineEdit* box = input(name);
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box, Qt::Key_End);
        while (!box->text().isEmpty())
            QTest::keyClick(box, Qt::Key_Backspace);
        return box;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(openWindow(true)); }
    void cleanupTestCase() { closeWindow(); }

    void typing_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        for (const char* field : kInputs) {
            const QString name = s(field);
            QTest::addRow("%s 1a2.5", field) << name << "1a2.5"
                                             << "12.5";
            QTest::addRow("%s minus", field) << name << "-5"
                                             << "5";
            QTest::addRow("%s comma", field) << name << "1,5"
                                             << "15";
            QTest::addRow("%s blank", field) << name << "1 5"
                                             << "15";
            QTest::addRow("%s plus and e", field) << name << "+1e5"
                                                  << "15";
            QTest::addRow("%s second point", field) << name << "1.2.3"
                                                    << "1.2.3";
            QTest::addRow("%s lone point", field) << name << "."
                                                  << ".";
            QTest::addRow("%s all digits", field) << name << "0123456789"
                                                  << "0123456789";
            QTest::addRow("%s letters only", field) << name << "abcXYZ"
                                                    << "";
            QTest::addRow("%s symbols", field) << name << "!@#$%^&*()_=/\\"
                                               << "";
        }
    }
    void typing()
    {
        QFETCH(QString, field);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        QLineEdit* box = emptied(field);
        QTest::keyClicks(box, keys);
        QCOMPARE(box->text(), expected);
    }

    void cancelledKeysLeaveCaretAndSelection_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        for (const char* field : kInputs) {
            QTest::addRow("%s Enter", field) << s(field) << int(Qt::Key_Return) << 0;
            QTest::addRow("%s keypad Enter", field)
                << s(field) << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
            QTest::addRow("%s Escape", field) << s(field) << int(Qt::Key_Escape) << 0;
            QTest::addRow("%s letter", field) << s(field) << int(Qt::Key_Q) << 0;
            QTest::addRow("%s Ctrl+C", field)
                << s(field) << int(Qt::Key_C) << int(Qt::ControlModifier);
            QTest::addRow("%s Ctrl+V", field)
                << s(field) << int(Qt::Key_V) << int(Qt::ControlModifier);
            QTest::addRow("%s Ctrl+X", field)
                << s(field) << int(Qt::Key_X) << int(Qt::ControlModifier);
        }
    }
    void cancelledKeysLeaveCaretAndSelection()
    {
        QFETCH(QString, field);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("99"));

        QLineEdit* box = emptied(field);
        QTest::keyClicks(box, QStringLiteral("12.5"));
        QTest::keyClick(box, Qt::Key_Left);
        QTest::keyClick(box, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(box, Qt::Key_Left, Qt::ShiftModifier);  // "2." selected
        QCOMPARE(box->selectedText(), QStringLiteral("2."));

        QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(box->text(), QStringLiteral("12.5"));
        QCOMPARE(box->selectedText(), QStringLiteral("2."));
        QCOMPARE(box->cursorPosition(), 1);
        QCOMPARE(clipboard->text(),
                 QStringLiteral("99"));  // Ctrl+C copies nothing, Ctrl+X cuts nothing
    }

    void editingKeysKeepTheirEffect_data()
    {
        QTest::addColumn<QString>("field");
        for (const char* field : kInputs)
            QTest::newRow(field) << s(field);
    }
    void editingKeysKeepTheirEffect()
    {
        QFETCH(QString, field);
        QLineEdit* box = emptied(field);
        QTest::keyClicks(box, QStringLiteral("12.5"));
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(box->text(), QStringLiteral("2.5"));
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QStringLiteral("2."));
        QTest::keyClick(box, Qt::Key_Left);
        QTest::keyClick(box, Qt::Key_Right);
        QTest::keyClick(box, Qt::Key_Home, Qt::ShiftModifier);
        QCOMPARE(box->selectedText(), QStringLiteral("2."));
        QTest::keyClicks(box, QStringLiteral("7"));  // typing replaces the selection
        QCOMPARE(box->text(), QStringLiteral("7"));
        QTest::keyClick(box, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(box, Qt::Key_Delete,
                        Qt::ShiftModifier);  // Shift+Delete works as Delete does
        QCOMPARE(box->text(), QString());
        QTest::keyClicks(box, QStringLiteral("345"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QString());  // Backspace empties the field
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QString());
        QTest::keyClick(box, Qt::Key_5, Qt::KeypadModifier);
        QCOMPARE(box->text(), QStringLiteral("5"));
    }

    void chineseCharacters_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        for (const char* field : kInputs) {
            QTest::addRow("%s 中", field) << s(field) << s("中");
            QTest::addRow("%s full-width 5", field) << s(field) << s("５");
            QTest::addRow("%s full-width point", field) << s(field) << s("．");
            QTest::addRow("%s ideographic full stop", field) << s(field) << s("。");
            QTest::addRow("%s U+FFFF", field) << s(field) << QString(QChar(0xffff));
            QTest::addRow("%s U+012E (code 302)", field) << s(field) << QString(QChar(0x012e));
        }
    }
    void chineseCharacters()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QLineEdit* box = emptied(field);
        QTest::keyClicks(box, QStringLiteral("1"));
        typeText(box, typed);
        QCOMPARE(box->text(), QStringLiteral("1"));

        // The same text committed by an input method is refused as well.
        QInputMethodEvent commit;
        commit.setCommitString(typed);
        QApplication::sendEvent(box, &commit);
        QCOMPARE(box->text(), QStringLiteral("1"));
    }

    void inputMethodCommits_data()
    {
        QTest::addColumn<QString>("commit");
        QTest::addColumn<QString>("expected");
        QTest::newRow("digits pass") << "23"
                                     << "123";
        QTest::newRow("point passes") << "."
                                      << "1.";
        QTest::newRow("Chinese refused") << s("一二三") << "1";
        QTest::newRow("mixed refused whole") << s("2中3") << "1";
        QTest::newRow("full-width digits refused") << s("２３") << "1";
        QTest::newRow("committed backspace refused") << s("2\b") << "1";
    }
    void inputMethodCommits()
    {
        QFETCH(QString, commit);
        QFETCH(QString, expected);
        QLineEdit* box = emptied(QStringLiteral("weit"));
        QTest::keyClicks(box, QStringLiteral("1"));
        QInputMethodEvent event;
        event.setCommitString(commit);
        QApplication::sendEvent(box, &event);
        QCOMPARE(box->text(), expected);
    }

    void numberInputsNeedNoInputMethod()
    {
        for (const char* field : kInputs)
            QVERIFY(!input(s(field))->testAttribute(Qt::WA_InputMethodEnabled));
    }

    void contextMenuPasteIsFiltered_data()
    {
        // A paste is a number or nothing: anything typing would not give
        // refuses it whole. Blanks around a number are not part of it.
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("refused");
        QTest::newRow("number") << "2.5"
                                << "12.5" << false;
        QTest::newRow("blanks around a number") << " 2.5\n"
                                                << "12.5" << false;
        QTest::newRow("letters refused") << "a2b.5c"
                                         << "1" << true;
        QTest::newRow("Chinese refused") << s("２五公斤") << "1" << true;
        QTest::newRow("minus refused") << " -3 "
                                       << "1" << true;
        QTest::newRow("comma refused") << "1,5"
                                       << "1" << true;
        QTest::newRow("exponent refused") << "1e308"
                                          << "1" << true;
        QTest::newRow("inner blank refused") << "2 5"
                                             << "1" << true;
        QTest::newRow("backspace refused") << "2\b5"
                                           << "1" << true;
    }
    void contextMenuPasteIsFiltered()
    {
        QFETCH(QString, clipboard);
        QFETCH(QString, expected);
        QFETCH(bool, refused);
        QLineEdit* box = emptied(QStringLiteral("weit"));
        QTest::keyClicks(box, QStringLiteral("1"));
        QGuiApplication::clipboard()->setText(clipboard);
        QSignalSpy refusals(box, SIGNAL(pasteRefused(QString)));

        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5),
                                    box->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(box, &menuEvent);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
        if (paste == nullptr) {
            const auto actions = menu->actions();
            for (QAction* action : actions) {
                if (action->objectName() == QLatin1String("edit-paste"))
                    paste = action;
            }
        }
        QVERIFY(paste != nullptr);
        paste->trigger();
        menu->close();
        QCOMPARE(box->text(), expected);
        QCOMPARE(refusals.size(), refused ? 1 : 0);
        if (refused)
            QCOMPARE(refusals.at(0).at(0).toString(), clipboard.trimmed());
    }

    void shiftInsertPasteIsFiltered()
    {
        QLineEdit* box = emptied(QStringLiteral("s1"));
        QGuiApplication::clipboard()->setText(s("四十mg 40"));
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(box->text(), QString());
        QGuiApplication::clipboard()->setText(s(" 40 "));
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(box->text(), QStringLiteral("40"));
    }

    void dropsAreRefused()
    {
        for (const char* field : kInputs)
            QVERIFY(!input(s(field))->acceptDrops());

        QLineEdit* box = emptied(QStringLiteral("jiaomu1"));
        QMimeData data;
        data.setText(s("abc中"));
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &enter);
        QVERIFY(!enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &drop);
        QCOMPARE(box->text(), QString());
    }

    void filterHelpers()
    {
        using mostaric::ui::filterTypedText;
        using mostaric::ui::passesNumericKeyFilter;
        QVERIFY(passesNumericKeyFilter(QStringLiteral("0123456789.")));
        QVERIFY(passesNumericKeyFilter(QString()));
        QVERIFY(!passesNumericKeyFilter(QStringLiteral("1,5")));
        QVERIFY(!passesNumericKeyFilter(s("中")));
        QCOMPARE(filterTypedText(s("a1\b2中.3")), QStringLiteral("12.3"));
    }
};

int main(int argc, char** argv) { return mostaric::test::runUiTest<TestNumberInput>(argc, argv); }

#include "test_number_input.moc"
