// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Seeded random input into the four number inputs through Qt: typing keys,
// editing keys and shortcuts, pastes, input-method commits and drops. Every
// text a field ever holds is one typing could give (digits and "." only), and
// a refused paste, commit or drop leaves the text as it was.

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include "ui/main_window.h"
#include "ui/tests/main_window_test_support.h"
#include "ui/tests/ui_test_support.h"

using mostaric::test::s;

namespace {

const QString kOffered = s(u"0123456789..-+,e E\t\n\b中２五\U0001F600");
const QRegularExpression kTypable(QRegularExpression::anchoredPattern(QStringLiteral("[0-9.]*")));
constexpr Qt::Key kKeys[] = {Qt::Key_Left,      Qt::Key_Home,   Qt::Key_End, Qt::Key_Delete,
                             Qt::Key_Backspace, Qt::Key_Insert, Qt::Key_A,   Qt::Key_V,
                             Qt::Key_X,         Qt::Key_Z};
constexpr Qt::KeyboardModifier kModifiers[] = {Qt::NoModifier, Qt::ShiftModifier,
                                               Qt::ControlModifier};

QString randomText(QRandomGenerator& random)
{
    QString text;
    for (int i = random.bounded(8); i > 0; --i) {
        const qsizetype at = random.bounded(kOffered.size());
        text += QStringView(kOffered).mid(at, kOffered.at(at).isHighSurrogate() ? 2 : 1);
    }
    return text;
}

}  // namespace

class TestInputRandom : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void onlyTypableTexts_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<quint32>("seed");
        for (const QString& field : {s("weit"), s("Tt2"), s("s1"), s("jiaomu1")}) {
            for (const quint32 seed : {1U, 2U, 3U})
                QTest::addRow("%s seed %u", qPrintable(field), seed) << field << seed;
        }
    }
    void onlyTypableTexts()
    {
        QFETCH(QString, field);
        QFETCH(quint32, seed);
        mostaric::ui::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* box = mostaric::test::control<QLineEdit>(window, field);
        box->setFocus(Qt::TabFocusReason);
        const QSignalSpy seen(box, &QLineEdit::textChanged);

        QRandomGenerator random(seed);
        for (int step = 0; step < 300; ++step) {
            const QString before = box->text();
            const QString offered = randomText(random);
            bool mayChange = true;
            const int action = random.bounded(5);
            if (action == 0) {  // a key that types a character
                QTest::sendKeyEvent(QTest::Press, box, Qt::Key_unknown, offered.left(1), {});
            } else if (action == 1) {
                QTest::keyClick(box, kKeys[random.bounded(int(std::size(kKeys)))],
                                kModifiers[random.bounded(int(std::size(kModifiers)))]);
            } else if (action == 2) {  // a paste: the whole number, or nothing
                QApplication::clipboard()->setText(offered);
                QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
                mayChange = kTypable.match(offered.trimmed()).hasMatch();
            } else if (action == 3) {
                QInputMethodEvent commit;
                commit.setCommitString(offered);
                QApplication::sendEvent(box, &commit);
                mayChange = kTypable.match(offered).hasMatch();
            } else {
                QMimeData data;
                data.setText(offered);
                QDropEvent drop(QPointF(4, 4), Qt::CopyAction, &data, Qt::LeftButton,
                                Qt::NoModifier);
                QApplication::sendEvent(box, &drop);
                mayChange = false;
            }
            QVERIFY2(kTypable.match(box->text()).hasMatch(),
                     qPrintable(QStringLiteral("action %1 gave %2")
                                    .arg(action)
                                    .arg(box->text().toUtf8().toHex())));
            if (!mayChange)
                QCOMPARE(box->text(), before);
        }
        for (const QList<QVariant>& change : seen)
            QVERIFY(kTypable.match(change.at(0).toString()).hasMatch());
    }
};

int main(int argc, char** argv) { return mostaric::test::runUiTest<TestInputRandom>(argc, argv); }

#include "test_input_random.moc"
