// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/text_fit.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QLabel>
#include <QPainter>
#include <QRawFont>
#include <QStyleOption>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace mostaric::ui {
namespace {

constexpr QLatin1String kFitterName("mostaric_textFit");

// Glyph boxes are rounded outwards, so losing their top row loses only a
// faint edge. Text we place keeps half a pixel from the box's edges, as glyphs
// hinted for a scaled screen reach that far; tightened lines keep a pixel
// between one line's ink and the next's.
constexpr qreal kFaintEdge = 1.0;
constexpr qreal kScaledSlack = 0.5;
constexpr qreal kLineGap = 1.0;
constexpr double kSmallestFitScale = 0.85;
constexpr int kScaleSteps = 6;  // 100 %, 97.5 %, ... 85 %

struct Line {
    QString text;
    qreal width = 0;            // advance width, or the ink's right edge if further
    qreal inkTop = 0;           // above the baseline: negative
    qreal inkBottom = 0;        // below the baseline
    qreal naturalBaseline = 0;  // where the label itself would put it
};

struct Placement {
    QFont font;
    std::vector<Line> lines;
    qreal firstBaseline = 0;
    qreal pitch = 0;
};

// The outline boxes of a line's glyphs, fallback faces included, relative to
// the line's origin on its baseline.
QRectF inkOf(QTextLine line)
{
    QRectF ink;
    const auto runs = line.glyphRuns();
    for (const QGlyphRun& run : runs) {
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            ink |= run.rawFont().boundingRect(glyphs[i]).translated(positions[i]);
    }
    return ink.translated(-line.x(), -line.y() - line.ascent());
}

// The lines of `text` as a label draws them: its own line breaks, and with
// word wrap also breaks at the box's width; lines stacked as QPainter stacks
// them (each on a whole pixel, the font's leading between them).
std::vector<Line> layOut(const QString& text, const QFont& font, bool wrap, qreal width)
{
    const QFontMetricsF metrics(font);
    std::vector<Line> lines;
    qreal bottom = -metrics.leading();
    const auto paragraphs = text.split(u'\n');
    for (const QString& paragraph : paragraphs) {
        QTextLayout layout(paragraph, font);
        QTextOption option;
        option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            Line out;
            out.text = paragraph.mid(line.textStart(), line.textLength());
            const QRectF ink = inkOf(line);
            out.width = std::max(line.naturalTextWidth(), ink.isEmpty() ? 0.0 : ink.right());
            if (!ink.isEmpty()) {
                out.inkTop = ink.top();
                out.inkBottom = ink.bottom();
            }
            const qreal top = std::ceil(bottom + metrics.leading());
            out.naturalBaseline = top + line.ascent();
            bottom = top + line.height();
            lines.push_back(std::move(out));
        }
        layout.endLayout();
    }
    return lines;
}

bool fitsAsDrawn(const std::vector<Line>& lines, QSizeF box)
{
    return std::all_of(lines.begin(), lines.end(), [&box](const Line& line) {
        return line.width <= box.width() && line.naturalBaseline + line.inkTop >= -kFaintEdge
            && line.naturalBaseline + line.inkBottom <= box.height();
    });
}

// The lines at `font` placed inside `box`, baseline and pitch each only as
// much higher or tighter than the label's as the box needs, the lines never
// touching; nothing if they cannot fit.
std::optional<Placement> place(std::vector<Line> lines, const QFont& font, QSizeF box)
{
    if (lines.empty())
        return std::nullopt;
    for (const Line& line : lines) {
        if (line.width > box.width())
            return std::nullopt;
    }
    const QFontMetricsF metrics(font);
    const auto gaps = static_cast<qreal>(lines.size() - 1);
    qreal tightest = 0;
    for (std::size_t i = 1; i < lines.size(); ++i)
        tightest = std::max(tightest, lines[i - 1].inkBottom - lines[i].inkTop + kLineGap);
    tightest = std::ceil(tightest);
    const qreal highest = -lines.front().inkTop + kScaledSlack;
    const qreal lowest = box.height() - kScaledSlack - lines.back().inkBottom;
    if (lowest - highest < gaps * tightest)
        return std::nullopt;
    Placement placement;
    placement.font = font;
    placement.pitch = std::ceil(metrics.lineSpacing());
    if (gaps > 0) {
        placement.pitch =
            std::max(tightest, std::min(placement.pitch, std::floor((lowest - highest) / gaps)));
    }
    placement.firstBaseline =
        std::min(lines.front().naturalBaseline, std::floor(lowest - gaps * placement.pitch));
    placement.lines = std::move(lines);
    return placement;
}

std::optional<Placement> fit(const QLabel& label)
{
    const QSizeF box = label.contentsRect().size();
    const bool wrap = label.wordWrap();
    for (int step = 0; step <= kScaleSteps; ++step) {
        QFont font = label.font();
        const qreal scale = 1.0 - (1.0 - kSmallestFitScale) * step / kScaleSteps;
        font.setPointSizeF(font.pointSizeF() * scale);  // the forms ask in points
        std::vector<Line> lines = layOut(label.text(), font, wrap, box.width());
        if (step == 0 && fitsAsDrawn(lines, box))
            return std::nullopt;  // the label draws it well itself
        if (auto placement = place(std::move(lines), font, box))
            return placement;
    }
    return std::nullopt;  // cannot fit: the label draws it as Qt would
}

// Paints its label's text at the fitted placement instead of the label, in
// the label's text colour, aligned left and top.
class FittedText : public QObject {
    Q_OBJECT
public:
    FittedText(QLabel& label, Placement placement)
        : QObject(&label), m_placement(std::move(placement))
    {
        setObjectName(kFitterName);
        label.installEventFilter(this);
        label.update();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        auto* label = static_cast<QLabel*>(watched);
        QStyleOption option;
        option.initFrom(label);
        QPainter painter(label);
        painter.setFont(m_placement.font);
        painter.setPen(option.palette.color(label->foregroundRole()));
        const QRect box = label->contentsRect();
        qreal baseline = box.top() + m_placement.firstBaseline;
        for (const Line& line : m_placement.lines) {
            painter.drawText(QPointF(box.left(), baseline), line.text);
            baseline += m_placement.pitch;
        }
        return true;
    }

private:
    Placement m_placement;
};

}  // namespace

void fitTextsToBoxes(QWidget& window)
{
    const auto labels = window.findChildren<QLabel*>();
    for (QLabel* label : labels) {
        qDeleteAll(label->findChildren<QObject*>(kFitterName, Qt::FindDirectChildrenOnly));
        if (label->textFormat() == Qt::RichText || label->text().isEmpty())
            continue;
        if (auto placement = fit(*label))
            new FittedText(*label, std::move(*placement));
    }
}

}  // namespace mostaric::ui

#include "text_fit.moc"
