#include "ui/main_window.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolTip>

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "core/gravity_table.h"
#include "core/variety_table.h"
#include "ui/browser_launcher.h"
#include "ui/fonts.h"
#include "ui/number_input.h"
#include "ui/text_fit.h"
#include "ui/twips.h"

namespace mostaric::ui {
namespace {

enum class Kind {
    Label,   // static caption, wraps at its box's width
    List,    // drop-down list: pick only
    Input,   // number input behind the key filter
    Result,  // read-only text box: takes focus, text can be selected and copied
    Hidden,  // read-only text box never shown nor focused (sd)
    Button,
};

enum class Font {
    SongTi10_5,      // 宋体 10.5 pt: every control but the four below
    KaiTi15,         // 楷体_GB2312 15 pt: the heading Label20
    SongTi12,        // 宋体 12 pt: Label21
    TimesNewRoman12, // Times New Roman 12 pt: Label22
    WindowDefault,   // the window's default font: sd
};

// One control of the window. Positions and sizes are
// in twips from the top left corner of the client area; `tab` is the place
// in the keyboard order. `before` and `after` name the caption labels that
// stand before and after a field; together they are its accessible name.
struct ControlRow {
    std::string_view name;
    Kind kind;
    std::string_view text;
    int left;
    int top;
    int width;
    int height;
    int tab;
    Font font = Font::SongTi10_5;
    std::string_view before = {};
    std::string_view after = {};
};

// Texts of our own wording; Command1's
// line ends with the forum address it opens.
constexpr std::string_view kCreditLine = "Mostaric 由家酿爱好者编写，免费使用。";
constexpr std::string_view kContactLine = "Home-made red wine calculator, free to use and share.";
constexpr std::string_view kWelcomeLine = "欢迎访问 Mostaric 家酿论坛：";

// The window's definition, in reading order.
constexpr std::array<ControlRow, 50> kControls = {{
    {"Label20", Kind::Label, "Mostaric V 2.0", 1680, 240, 4695, 375, 19, Font::KaiTi15},
    {"Label25", Kind::Label, "葡萄品种", 600, 840, 975, 375, 39},
    {"Label4", Kind::Label, "葡萄浆重量", 2400, 840, 1335, 255, 35},
    {"Label3", Kind::Label, "测得的比重", 4320, 840, 1575, 300, 36},
    {"Label6", Kind::Label, "习惯用糖量", 6120, 840, 1215, 255, 33},
    {"pinzhong", Kind::List, "", 600, 1080, 1095, 330, 40, Font::SongTi10_5, "Label25"},
    {"weit", Kind::Input, "", 2400, 1080, 975, 315, 12, Font::SongTi10_5, "Label4", "Label5"},
    {"Label5", Kind::Label, "Kg", 3500, 1080, 375, 255, 34},
    {"bizhong", Kind::List, "", 4320, 1080, 1100, 330, 14, Font::SongTi10_5, "Label3"},
    {"xiguan", Kind::List, "", 6120, 1080, 1100, 330, 10, Font::SongTi10_5, "Label6", "Label7"},
    {"Label7", Kind::Label, "g/L", 7320, 1080, 375, 255, 32},
    {"Label1", Kind::Label, "此葡萄浆的糖度", 600, 1560, 1815, 255, 38},
    {"Label8", Kind::Label, "理想酒精度", 6120, 1560, 1215, 255, 31},
    {"tangdu", Kind::Result, "", 600, 1800, 615, 315, 43, Font::SongTi10_5, "Label1", "Label27"},
    {"T1", Kind::Result, "", 3360, 1800, 615, 315, 13, Font::SongTi10_5, "label26", "Label2"},
    {"Tt2", Kind::Input, "Text1", 6120, 1800, 615, 315, 9, Font::SongTi10_5, "Label8", "Label9"},
    {"Label27", Kind::Label, "度(白利度)", 1320, 1875, 1335, 255, 45},
    {"label26", Kind::Label, "能酿出", 2640, 1875, 735, 255, 44},
    {"Label2", Kind::Label, "%vol(度)的红酒", 4080, 1875, 1575, 255, 37},
    {"Label9", Kind::Label, "%vol(度）", 6840, 1875, 975, 330, 30},
    {"Tt1", Kind::Result, "", 1920, 2520, 855, 300, 11, Font::SongTi10_5, "Label11", "Label10"},
    {"Label10", Kind::Label, "Kg(公斤)的糖才能达到理想酒精度", 2880, 2565, 3375, 375, 29},
    {"Label11", Kind::Label, "您需要加入", 600, 2595, 1215, 375, 28},
    {"jisuan", Kind::Button, "加糖计算", 6360, 2685, 1250, 400, 5},
    {"Label28", Kind::Label, "大概能酿出", 600, 2925, 1095, 375, 46},
    {"jiutiji", Kind::Result, "", 1920, 2925, 855, 300, 47, Font::SongTi10_5, "Label28", "Label29"},
    {"Label29", Kind::Label, "L(升)的红酒", 2880, 2925, 2055, 255, 48},
    {"s1", Kind::Input, "Text1", 1920, 3480, 855, 300, 8, Font::SongTi10_5, "Label12", "Label13"},
    {"Label13", Kind::Label, "mg/L (PPM、一般为30-80mg/L)", 2880, 3480, 2895, 255, 26},
    {"Label12", Kind::Label, "习惯加硫量", 600, 3540, 1095, 255, 27},
    {"jialiu", Kind::Button, "加硫计算", 6360, 3825, 1250, 400, 6},
    {"s2", Kind::Result, "", 1920, 3840, 855, 300, 7, Font::SongTi10_5, "Label14", "Label15"},
    {"Label15", Kind::Label, "g(克)的偏重亚硫酸钾", 2880, 3840, 2055, 300, 24},
    {"Label14", Kind::Label, "您需要加入", 600, 3885, 1095, 375, 25},
    {"s3", Kind::Result, "", 1920, 4200, 855, 315, 0, Font::SongTi10_5, "Label23", "Label24"},
    {"Label23", Kind::Label, "或者是", 1005, 4260, 735, 375, 16},
    {"Label24", Kind::Label, "ml(毫升)浓度为6%的亚硫酸溶液", 2880, 4260, 3015, 375, 15},
    {"jiaomu1", Kind::Input, "", 1920, 4800, 855, 300, 4, Font::SongTi10_5, "Label16", "Label17"},
    {"Label17", Kind::Label, "g/Kg (一般为0.2g/Kg)", 2880, 4800, 2895, 255, 22},
    {"Label16", Kind::Label, "习惯加酵母量", 600, 4875, 1335, 255, 23},
    {"jiaomu", Kind::Button, "酵母计算", 6360, 4905, 1250, 400, 2},
    {"jiaomu2", Kind::Result, "", 1920, 5160, 855, 300, 3, Font::SongTi10_5, "Label18", "Label19"},
    {"Label19", Kind::Label, "g(克)的酵母", 2880, 5160, 1695, 375, 20},
    {"Label18", Kind::Label, "您需要加入", 600, 5235, 1215, 375, 21},
    {"Label21", Kind::Label, kCreditLine, 960, 5760, 6375, 375, 18, Font::SongTi12},
    {"Label22", Kind::Label, kContactLine, 720, 6120, 6855, 375, 17, Font::TimesNewRoman12},
    {"Command1", Kind::Button, kWelcomeLine, 600, 6600, 7035, 480, 49},
    {"sd", Kind::Hidden, "", 7080, 7080, 855, 375, 41, Font::WindowDefault},
    {"explain_c", Kind::Button, "说  明", 1680, 7320, 1500, 500, 42},
    {"exit", Kind::Button, "退  出", 4920, 7320, 1500, 500, 1},
}};

// Client area: 8205 × 8160 twips.
constexpr int kClientWidthTwips = 8205;
constexpr int kClientHeightTwips = 8160;

// Command1's face: the classic system colour for inactive caption text
// (index 19), a calm light grey.
constexpr std::string_view kCommand1Style =
    "QPushButton#Command1 { background-color: #c0c0c0; border: 1px solid #808080;"
    " border-radius: 2px; padding: 2px; }"
    "QPushButton#Command1:hover { background-color: #cacaca; }"
    "QPushButton#Command1:pressed { background-color: #b0b0b0; }"
    "QPushButton#Command1:focus { border: 1px solid #303030; }";

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString qs(const std::string& text) { return QString::fromStdString(text); }

QFont fontOf(Font font, const QFont& windowDefault)
{
    switch (font) {
    case Font::SongTi10_5: return songTiFont(10.5);
    case Font::KaiTi15: return kaiTiFont(15);
    case Font::SongTi12: return songTiFont(12);
    case Font::TimesNewRoman12: return timesNewRomanFont(12);
    case Font::WindowDefault: return windowDefault;
    }
    return windowDefault;
}

const ControlRow* rowOf(std::string_view name)
{
    for (const ControlRow& row : kControls) {
        if (row.name == name)
            return &row;
    }
    return nullptr;
}

QString textOfRow(std::string_view name)
{
    const ControlRow* row = rowOf(name);
    return row != nullptr ? qs(row->text) : QString();
}

// A thin red frame laid over a field whose text a calculation could not use
// (or a result it could not compute). It takes no focus and no clicks, and
// changes neither the field nor the layout.
QFrame* makeFailureFrame(QWidget* window, QWidget* field)
{
    auto* frame = new QFrame(window);
    frame->setObjectName(QStringLiteral("failureMark_%1").arg(field->objectName()));
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->setFocusPolicy(Qt::NoFocus);
    frame->setStyleSheet(QStringLiteral(
        "QFrame { border: 2px solid #c0392b; border-radius: 2px; background: transparent; }"));
    frame->setGeometry(field->geometry().adjusted(-2, -2, 2, 2));
    frame->show();
    frame->raise();
    return frame;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("count1"));
    setWindowTitle(QStringLiteral("欢迎使用"));
    // Fixed single border: a title bar with its system menu and close box,
    // no maximise and no minimise button, no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(twipsSize(kClientWidthTwips, kClientHeightTwips));

    buildControls();
    loadStartState();
    bindEvents();
    fitTextsToBoxes(*this);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls()
{
    const QFont windowDefault = font();
    std::vector<const ControlRow*> focusOrder;

    for (const ControlRow& row : kControls) {
        QWidget* widget = nullptr;
        switch (row.kind) {
        case Kind::Label: {
            auto* label = new QLabel(qs(row.text), this);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(true);
            widget = label;
            break;
        }
        case Kind::List: {
            auto* list = new QComboBox(this);
            list->setEditable(false);
            widget = list;
            break;
        }
        case Kind::Input: {
            auto* input = new NumberInput(this);
            input->setText(qs(row.text));
            widget = input;
            break;
        }
        case Kind::Result:
        case Kind::Hidden: {
            auto* box = new QLineEdit(this);
            box->setReadOnly(true);
            box->setText(qs(row.text));
            if (row.kind == Kind::Hidden) {
                box->setFocusPolicy(Qt::NoFocus);
                box->setVisible(false);
            } else {
                // The same Chinese copy menu as the inputs have.
                box->setContextMenuPolicy(Qt::CustomContextMenu);
                connect(box, &QWidget::customContextMenuRequested, box, [box](const QPoint& at) {
                    QMenu* menu = createEditMenu(*box, [] {});
                    menu->setAttribute(Qt::WA_DeleteOnClose);
                    menu->popup(box->mapToGlobal(at));
                });
            }
            widget = box;
            break;
        }
        case Kind::Button: {
            auto* button = new QPushButton(qs(row.text), this);
            button->setAutoDefault(true);  // Enter presses the focused button
            widget = button;
            break;
        }
        }
        widget->setObjectName(qs(row.name));
        widget->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
        widget->setFont(fontOf(row.font, windowDefault));
        if (widget->focusPolicy() != Qt::NoFocus && row.kind != Kind::Hidden)
            focusOrder.push_back(&row);
    }

    // Field widgets by Field, and their accessible names from their captions.
    for (const Field field : AllFields) {
        auto* widget = findChild<QWidget*>(qs(fieldName(field)), Qt::FindDirectChildrenOnly);
        Q_ASSERT(widget != nullptr);
        m_fieldWidgets.insert(static_cast<int>(field), widget);
        const ControlRow* row = rowOf(fieldName(field));
        QStringList caption;
        if (!row->before.empty())
            caption << textOfRow(row->before);
        if (!row->after.empty())
            caption << textOfRow(row->after);
        if (!caption.isEmpty())
            widget->setAccessibleName(caption.join(QLatin1Char(' ')));
    }
    for (const ControlRow& row : kControls) {
        if (row.kind == Kind::Button) {
            auto* button = findChild<QPushButton*>(qs(row.name), Qt::FindDirectChildrenOnly);
            button->setAccessibleName(button->text());
        }
    }

    // Our own texts: Command1 names the address it opens.
    auto* command1 = findChild<QPushButton*>(QStringLiteral("Command1"));
    command1->setText(qs(kWelcomeLine) + forumAddress());
    command1->setAccessibleName(command1->text());
    command1->setStyleSheet(qs(kCommand1Style));

    const QString weightTip = QStringLiteral("去梗后，含有皮、核的葡萄汁。");
    QWidget* weight = fieldWidget(Field::weit);
    weight->setToolTip(weightTip);
    weight->setAccessibleDescription(weightTip);

    // Keyboard order: the Tab column, lowest first; Tab from the last control
    // comes back to the first.
    std::stable_sort(focusOrder.begin(), focusOrder.end(),
                     [](const ControlRow* a, const ControlRow* b) { return a->tab < b->tab; });
    for (std::size_t i = 1; i < focusOrder.size(); ++i) {
        QWidget::setTabOrder(findChild<QWidget*>(qs(focusOrder[i - 1]->name)),
                             findChild<QWidget*>(qs(focusOrder[i]->name)));
    }
    if (!focusOrder.empty())
        findChild<QWidget*>(qs(focusOrder.front()->name))->setFocus(Qt::OtherFocusReason);
}

void MainWindow::loadStartState()
{
    CalculatorFields start;
    onMainWindowLoad(start);

    const auto fillList = [this](Field field, const ChoiceList& list) {
        auto* box = static_cast<QComboBox*>(fieldWidget(field));
        for (const std::string& item : list.items)
            box->addItem(qs(item));
        box->setCurrentIndex(box->findText(qs(list.text), Qt::MatchExactly | Qt::MatchCaseSensitive));
    };
    fillList(Field::pinzhong, start.pinzhong);
    fillList(Field::bizhong, start.bizhong);
    fillList(Field::xiguan, start.xiguan);

    for (const Field field : AllFields) {
        if (auto* box = qobject_cast<QLineEdit*>(fieldWidget(field)))
            box->setText(qs(start.text(field)));
    }
}

void MainWindow::bindEvents()
{
    const auto list = [this](Field field) { return static_cast<QComboBox*>(fieldWidget(field)); };
    const auto button = [this](const char* name) {
        return findChild<QPushButton*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    };

    // Choices: only the user's (activated), never a programmatic change.
    connect(list(Field::bizhong), &QComboBox::activated, this,
            [this] { runOperation(Operation::Gravity, [](CalculatorFields& f) -> CalculationOutcome {
                         onGravityChosen(f);
                         return std::nullopt;
                     }); });
    connect(list(Field::pinzhong), &QComboBox::activated, this,
            [this] { runOperation(Operation::Variety, [](CalculatorFields& f) -> CalculationOutcome {
                         onVarietyChosen(f);
                         return std::nullopt;
                     }); });
    // Choosing a customary sugar amount triggers nothing.

    connect(button("jisuan"), &QPushButton::clicked, this,
            [this] { runOperation(Operation::Sugar, onSugarCalculation); });
    connect(button("jialiu"), &QPushButton::clicked, this,
            [this] { runOperation(Operation::Sulfite, onSulfiteCalculation); });
    connect(button("jiaomu"), &QPushButton::clicked, this,
            [this] { runOperation(Operation::Yeast, onYeastCalculation); });

    connect(button("explain_c"), &QPushButton::clicked, this, &MainWindow::explanationRequested);
    connect(button("Command1"), &QPushButton::clicked, this, &MainWindow::webLinkRequested);
    connect(button("exit"), &QPushButton::clicked, this, &MainWindow::exitRequested);

    // The user's edit of a marked input takes its mark away.
    for (const Field field : {Field::weit, Field::Tt2, Field::s1, Field::jiaomu1}) {
        connect(static_cast<QLineEdit*>(fieldWidget(field)), &QLineEdit::textEdited, this,
                [this, field] { clearMark(field); });
    }
}

QWidget* MainWindow::fieldWidget(Field field) const
{
    return m_fieldWidgets.value(static_cast<int>(field));
}

CalculatorFields MainWindow::fields() const
{
    CalculatorFields fields;
    const auto readList = [this](Field field, ChoiceList& list) {
        const auto* box = static_cast<const QComboBox*>(fieldWidget(field));
        for (int i = 0; i < box->count(); ++i)
            list.items.push_back(box->itemText(i).toStdString());
        list.text = box->currentIndex() >= 0 ? box->currentText().toStdString() : std::string();
    };
    readList(Field::pinzhong, fields.pinzhong);
    readList(Field::bizhong, fields.bizhong);
    readList(Field::xiguan, fields.xiguan);
    for (const Field field : AllFields) {
        if (const auto* box = qobject_cast<const QLineEdit*>(fieldWidget(field)))
            fields.text(field) = box->text().toStdString();
    }
    return fields;
}

void MainWindow::runOperation(Operation operation,
                              const std::function<CalculationOutcome(CalculatorFields&)>& step)
{
    const CalculatorFields before = fields();
    CalculatorFields after = before;
    const CalculationOutcome outcome = step(after);
    writeBack(before, after);

    // This operation's earlier marks go: it has run again.
    const QList<int> marked = m_marks.keys();
    for (const int field : marked) {
        if (m_marks.value(field).owner == operation)
            clearMark(static_cast<Field>(field));
    }
    if (outcome)
        markFailure(operation, *outcome);
}

void MainWindow::writeBack(const CalculatorFields& before, const CalculatorFields& after)
{
    for (const Field field : AllFields) {
        if (before.text(field) == after.text(field))
            continue;  // untouched: caret and selection stay
        const QString text = qs(after.text(field));
        QWidget* widget = fieldWidget(field);
        if (auto* box = qobject_cast<QLineEdit*>(widget)) {
            box->setText(text);
        } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            list->setCurrentIndex(list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
        }
        clearMark(field);  // a new text: whatever was wrong with the old one is gone
    }
}

QString MainWindow::captionOf(Field field) const
{
    if (field == Field::sd)
        return QStringLiteral("出汁率");
    const ControlRow* row = rowOf(fieldName(field));
    // Inputs and lists are named by the caption above or before them, which
    // is unique; results by both captions ("您需要加入" stands thrice).
    if (row->kind == Kind::Input || row->kind == Kind::List)
        return textOfRow(row->before);
    return fieldWidget(field)->accessibleName();
}

void MainWindow::markFailure(Operation operation, const CalculationFailure& failure)
{
    QWidget* widget = fieldWidget(failure.field);
    const QString caption = captionOf(failure.field);
    const QString message = failure.kind == CalculationFailure::Kind::Unreadable
        ? QStringLiteral("“%1”不是一个数字，请检查后再计算。").arg(caption)
        : QStringLiteral("无法计算“%1”：结果超出了数值范围。").arg(caption);

    clearMark(failure.field);
    Mark mark{operation, nullptr, widget->toolTip()};
    if (widget->isVisibleTo(this)) {
        mark.frame = makeFailureFrame(this, widget);
        widget->setToolTip(mark.savedToolTip.isEmpty() ? message
                                                       : message + QLatin1Char('\n') + mark.savedToolTip);
    }
    widget->setProperty("calculationFailed", true);
    m_marks.insert(static_cast<int>(failure.field), mark);
    showNote(widget->isVisibleTo(this) ? widget : this, message);
}

void MainWindow::clearMark(Field field)
{
    const auto found = m_marks.find(static_cast<int>(field));
    if (found == m_marks.end())
        return;
    QWidget* widget = fieldWidget(field);
    widget->setToolTip(found->savedToolTip);
    widget->setProperty("calculationFailed", QVariant());
    delete found->frame.data();
    m_marks.erase(found);
    if (m_marks.isEmpty() && QToolTip::isVisible() && QToolTip::text() == m_lastNote)
        QToolTip::hideText();
}

QList<Field> MainWindow::markedFields() const
{
    QList<Field> fields;
    for (const Field field : AllFields) {
        if (m_marks.contains(static_cast<int>(field)))
            fields << field;
    }
    return fields;
}

void MainWindow::showNote(QWidget* anchor, const QString& text)
{
    m_lastNote = text;
    if (anchor == nullptr)
        anchor = this;
    QAccessibleEvent alert(anchor, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    if (!isVisible())
        return;
    const QPoint below = anchor->mapToGlobal(QPoint(0, anchor->height()));
    QToolTip::showText(below, text, anchor, QRect(), 8000);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing by the close box ends the program as "退  出" does; the
    // Application closes and destroys the windows itself.
    event->ignore();
    Q_EMIT exitRequested();
}

}  // namespace mostaric::ui
