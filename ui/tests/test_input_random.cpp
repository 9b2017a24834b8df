// Seeded random input into the four number inputs through Qt: key presses
// (typing and editing keys, shortcuts), pastes, input-method commits and
// drops. Whatever arrives, every text a field ever holds is one typing could
// have produced: digits and "." only. A paste or commit that is refused
// leaves the text as it was.

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QRandomGenerator>
#include <QTest>

#include "ui/main_window.h"
#include "ui/number_input.h"
#include "ui/tests/main_window_test_support.h"
#include "ui/tests/ui_test_support.h"

using mostaric::test::control;
using mostaric::test::s;
using mostaric::ui::MainWindow;

namespace {

// Characters a user, a clipboard or an input method may offer.
const QString kOffered = s(u"0123456789..-+,e E\t\n\b中２五\U0001F600");

bool typable(const QString& text)
{
    for (const QChar unit : text) {
        if (!unit.isDigit() || unit.unicode() > '9') {
            if (unit != QLatin1Char('.'))
                return false;
        }
    }
    return true;
}

QString randomText(QRandomGenerator& random)
{
    QString text;
    const int length = random.bounded(0, 8);
    for (int i = 0; i < length; ++i) {
        const qsizetype at = random.bounded(kOffered.size());
        text += kOffered.at(at);
        if (kOffered.at(at).isHighSurrogate())
            text += kOffered.at(at + 1);
    }
    return text;
}

constexpr Qt::Key kEditingKeys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End,
                                    Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Insert, Qt::Key_A,
                                    Qt::Key_V, Qt::Key_X, Qt::Key_Z, Qt::Key_Y};
constexpr Qt::KeyboardModifiers kModifiers[] = {Qt::NoModifier, Qt::ShiftModifier,
                                                Qt::ControlModifier};

}  // namespace

class TestInputRandom : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void onlyTypableTexts_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<quint32>("seed");
        for (const char* field : {"weit", "Tt2", "s1", "jiaomu1"}) {
            for (const quint32 seed : {1U, 2U, 3U})
                QTest::addRow("%s seed %u", field, seed) << s(field) << seed;
        }
    }
    void onlyTypableTexts()
    {
        QFETCH(QString, field);
        QFETCH(quint32, seed);
        MainWindow window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* box = control<QLineEdit>(window, field);
        box->setFocus(Qt::TabFocusReason);
        QStringList seen;
        connect(box, &QLineEdit::textChanged, box, [&seen](const QString& text) { seen << text; });

        QRandomGenerator random(seed);
        for (int step = 0; step < 300; ++step) {
            const QString before = box->text();
            const QString offered = randomText(random);
            bool mayChange = true;
            const int action = random.bounded(5);
            switch (action) {
            case 0: {  // a key that types a character
                const QString one = offered.left(1);
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, one);
                QApplication::sendEvent(box, &press);
                break;
            }
            case 1:
                QTest::keyClick(box, kEditingKeys[random.bounded(int(std::size(kEditingKeys)))],
                                kModifiers[random.bounded(int(std::size(kModifiers)))]);
                break;
            case 2:  // a paste: the whole number, or nothing
                QApplication::clipboard()->setText(offered);
                QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
                mayChange = typable(offered.trimmed());
                break;
            case 3: {
                QInputMethodEvent commit;
                commit.setCommitString(offered);
                QApplication::sendEvent(box, &commit);
                mayChange = typable(offered);
                break;
            }
            default: {
                QMimeData data;
                data.setText(offered);
                QDropEvent drop(QPointF(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(box, &drop);
                mayChange = false;
                break;
            }
            }
            QVERIFY2(typable(box->text()),
                     qPrintable(QStringLiteral("%1 after action %2 offering %3 to %4")
                                    .arg(box->text().toUtf8().toHex(), QString::number(action),
                                         offered.toUtf8().toHex(), before)));
            if (!mayChange)
                QCOMPARE(box->text(), before);
        }
        for (const QString& text : seen)
            QVERIFY2(typable(text), qPrintable(text));
    }
};

int main(int argc, char** argv) { return mostaric::test::runUiTest<TestInputRandom>(argc, argv); }

#include "test_input_random.moc"
