#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

#include "core/calculations.h"
#include "core/calculator_fields.h"

class QCloseEvent;
class QComboBox;
class QFrame;
class QLineEdit;
class QPushButton;

namespace mostaric::ui {

// The main window `count1`: every control of its definition table, in
// its place, with its font, text and keyboard order. The controls hold the
// field texts; each event builds a CalculatorFields from them, runs the
// core's operation and writes back only the texts that changed.
//
// Creating the window runs the core's onMainWindowLoad before it is first
// shown. The three buttons of the life cycle ("说  明", Command1, "退  出")
// and the close box only raise signals: the Application acts on them.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The calculator's state as the controls hold it now.
    CalculatorFields fields() const;

    // The control of a field, by its Field; never null.
    QWidget* fieldWidget(Field field) const;

    // Shows a short note beside `anchor` without stopping anything: a tool
    // tip that goes away by itself. Never a modal dialog.
    void showNote(QWidget* anchor, const QString& text);

    // The note shown last (also a failed calculation's message); empty until
    // one is shown.
    QString lastNote() const { return m_lastNote; }

    // The fields marked now as the cause of a failed calculation.
    QList<Field> markedFields() const;

Q_SIGNALS:
    void explanationRequested();
    void webLinkRequested();
    void exitRequested();

protected:
    // The close box ends the program as "退  出" does: the close itself is
    // left to the Application.
    void closeEvent(QCloseEvent* event) override;

private:
    enum class Operation { Gravity, Variety, Sugar, Sulfite, Yeast };

    void buildControls();
    void loadStartState();
    void bindEvents();
    void runOperation(Operation operation,
                      const std::function<CalculationOutcome(CalculatorFields&)>& step);
    void writeBack(const CalculatorFields& before, const CalculatorFields& after);
    void markFailure(Operation operation, const CalculationFailure& failure);
    void clearMark(Field field);
    QString captionOf(Field field) const;

    QHash<int, QWidget*> m_fieldWidgets;  // by Field
    struct Mark {
        Operation owner;
        QPointer<QFrame> frame;
        QString savedToolTip;
    };
    QHash<int, Mark> m_marks;  // by Field
    QString m_lastNote;
};

}  // namespace mostaric::ui
