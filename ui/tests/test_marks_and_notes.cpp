// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the main window says beside its numbers: a notice on a guard's zero
// and on a negative sugar amount, stale results after a failed run, a refused
// paste, and failure notes that quote the text they could not read.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QTest>

#include "ui/main_window.h"
#include "ui/tests/main_window_test_support.h"
#include "ui/tests/ui_test_support.h"

using mostaric::Field;
using mostaric::test::chooseByKeys;
using mostaric::test::click;
using mostaric::test::control;
using mostaric::test::markedFields;
using mostaric::test::retype;
using mostaric::test::s;
using mostaric::ui::MainWindow;
using mostaric::ui::MarkKind;

class TestMarksAndNotes : public mostaric::test::MainWindowFixture {
    Q_OBJECT

private:
    void typical()
    {
        QVERIFY(chooseByKeys(list("bizhong"), QStringLiteral("1.08")));
        QVERIFY(chooseByKeys(list("xiguan"), QStringLiteral("17")));
        retype(box(s("weit")), QStringLiteral("100"));
        retype(box(s("Tt2")), QStringLiteral("12.5"));
        retype(box(s("s1")), QStringLiteral("30"));
    }
    bool looksStale(const QString& name) const
    {
        QLineEdit* result = box(name);
        const QColor normal = box(s("T1"))->palette().color(QPalette::Text);
        return result->property("resultStale").toBool()
            && result->accessibleDescription().contains(s("不是当前的结果"))
            && result->palette().color(QPalette::Text) != normal;
    }

private Q_SLOTS:
    void init() { QVERIFY(openWindow()); }
    void cleanup() { closeWindow(); }

    // A guard's zero and a negative sugar amount keep their texts; a notice
    // mark and a note say why.
    void noticesExplainTheNumber_data()
    {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<QString>("noteSays");
        QTest::newRow("sugar at start-up")
            << ""
            << "jisuan" << QStringList{s("Tt1")} << s("“习惯用糖量”");
        QTest::newRow("sulfite, s1 emptied")
            << "s1"
            << "jialiu" << QStringList{s("s2"), s("s3")} << s("填写“习惯加硫量”");
        QTest::newRow("target below the must")
            << "Tt2"
            << "jisuan" << QStringList{s("Tt1")} << s("不需要加糖");
    }
    void noticesExplainTheNumber()
    {
        QFETCH(QString, setUp);
        QFETCH(QString, button);
        QFETCH(QStringList, results);
        QFETCH(QString, noteSays);
        if (!setUp.isEmpty()) {
            typical();
            retype(box(setUp), setUp == QLatin1String("Tt2") ? QStringLiteral("9") : QString());
        }
        click(*m_window, button);
        QCOMPARE(markedFields(*m_window, MarkKind::Notice).size(), results.size());
        for (const QString& result : results) {
            QVERIFY(box(result)->property("calculationNotice").toBool());
            auto* frame = m_window->findChild<QFrame*>(QStringLiteral("noticeMark_") + result);
            QVERIFY(frame != nullptr && frame->isVisible());
            QVERIFY(box(result)->toolTip().contains(noteSays));
        }
        QVERIFY(m_window->lastNote().contains(noteSays));
        QVERIFY(markedFields(*m_window).isEmpty());
        // Any earlier mark goes with the next run that needs none.
        typical();
        click(*m_window, button);
        QVERIFY(markedFields(*m_window, MarkKind::Notice).isEmpty());
    }

    // Results a failed run did not reach look stale until the next
    // successful run or an edit of one of the calculation's inputs.
    void failedRunLeavesStaleResults_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("stale");
        QTest::addColumn<QString>("clearBy");  // "run", "type", or a list to choose in
        QTest::addColumn<QString>("entry");
        QTest::newRow("sugar, run again")
            << "jisuan" << QStringList{s("Tt1"), s("jiutiji")} << "run"
            << "";
        QTest::newRow("sugar, Tt2 typed")
            << "jisuan" << QStringList{s("Tt1"), s("jiutiji")} << "type"
            << "";
        QTest::newRow("sugar, xiguan chosen")
            << "jisuan" << QStringList{s("Tt1"), s("jiutiji")} << "xiguan"
            << "18";
        QTest::newRow("sulfite, variety chosen")
            << "jialiu" << QStringList{s("s2"), s("s3")} << "pinzhong" << s("蛇龙珠");
    }
    void failedRunLeavesStaleResults()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, stale);
        QFETCH(QString, clearBy);
        QFETCH(QString, entry);
        typical();
        click(*m_window, button);
        retype(box(s("weit")), QString());
        click(*m_window, button);
        QCOMPARE(markedFields(*m_window, MarkKind::Stale).size(), stale.size());
        for (const QString& result : stale)
            QVERIFY2(looksStale(result), qPrintable(result));

        if (clearBy == QLatin1String("run")) {
            retype(box(s("weit")), QStringLiteral("100"));
            click(*m_window, button);
        } else if (clearBy == QLatin1String("type")) {
            retype(box(s("Tt2")), QStringLiteral("13"));
        } else {
            QVERIFY(chooseByKeys(control<QComboBox>(*m_window, clearBy), entry));
        }
        QVERIFY(markedFields(*m_window, MarkKind::Stale).isEmpty());
        for (const QString& result : stale) {
            QVERIFY(!looksStale(result));
            QCOMPARE(box(result)->accessibleDescription(), QString());
        }
    }

    // A refused paste and a failure note quote what was wrong, a long text
    // shortened around an ellipsis.
    void notesQuoteTheText_data()
    {
        QTest::addColumn<bool>("paste");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("quoted");
        QTest::newRow("paste with a comma") << true << "1,5" << s("粘贴的内容不是数字：“1,5”");
        QTest::newRow("long paste")
            << true << QString(40, QLatin1Char('x')) << s("“xxxxxxxxxxxxxx…xxxxxxxxx”");
        QTest::newRow("unreadable target") << false << "1012.5.8" << s("“1012.5.8”");
        QTest::newRow("long unreadable")
            << false << QStringLiteral("1.") + QString(40, QLatin1Char('2')) + QStringLiteral(".3")
            << s("“1.222222222222…2222222.3”");
    }
    void notesQuoteTheText()
    {
        QFETCH(bool, paste);
        QFETCH(QString, text);
        QFETCH(QString, quoted);
        typical();
        QLineEdit* target = box(s("Tt2"));
        if (paste) {
            QApplication::clipboard()->setText(text);
            QTest::keyClick(target, Qt::Key_Insert, Qt::ShiftModifier);
            QCOMPARE(target->text(), QStringLiteral("12.5"));
        } else {
            retype(target, text);
            click(*m_window, QStringLiteral("jisuan"));
        }
        QVERIFY2(m_window->lastNote().contains(quoted), qPrintable(m_window->lastNote()));
    }
};

int main(int argc, char** argv) { return mostaric::test::runUiTest<TestMarksAndNotes>(argc, argv); }

#include "test_marks_and_notes.moc"
