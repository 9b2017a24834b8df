#pragma once

#include <QWidget>

class QCloseEvent;
class QKeyEvent;
class QPushButton;
class QShowEvent;

namespace mostaric::ui {

// The explanation window `explain` (Part 2.2): a fixed page of definitions,
// formulas, the gravity temperature and the juice yields, with one button,
// `goback` ("返  回"). It is a top-level window even when given a parent, is
// not listed in the taskbar, and is centred on its screen the first time it
// is shown; later showings keep the place it was moved to.
//
// It never goes away by itself: pressing `goback` (click, Enter or Space) and
// the title bar's close box both emit backRequested and leave the window as it
// is; the owner hides it and shows the main window (Part 2.3). A close event
// sent while the window is shown is refused; one sent while it is hidden
// (for example when the application quits) is accepted.
class ExplanationWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ExplanationWindow(QWidget* parent = nullptr);

Q_SIGNALS:
    void backRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* m_goback = nullptr;
    bool m_placed = false;
};

}  // namespace mostaric::ui
