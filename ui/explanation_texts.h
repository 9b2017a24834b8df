#pragma once

#include <QString>
#include <QStringList>

#include <span>

namespace mostaric::ui {

// One control of the explanation window `explain`.
struct ExplanationControl {
    enum class Kind { Label, Button };

    const char* name;  // objectName
    Kind kind;
    int left, top, width, height;  // twips, from the client area's corner
    int tab;                       // place in the keyboard order
    // The text exactly as the page is written, with its runs of blanks and,
    // for Label2 and Label7, the trailing carriage return and line feed.
    const char16_t* text;
    // Where the text breaks into its second line: the text that begins the
    // second line; the run of blanks just
    // before its first occurrence is where the line breaks. nullptr for a
    // text of one line. The window shows a line break in place of that run
    // (see displayedLines); all other blanks stay within their lines.
    const char16_t* secondLine;
};

// The 16 controls in reading order (top to bottom, then left to right).
std::span<const ExplanationControl> explanationControls();

// The control named `name`, or nullptr.
const ExplanationControl* findExplanationControl(const char* name);

// The stored text of a control as a QString.
QString storedText(const ExplanationControl& control);

// The lines the window shows for a control: the stored text without its
// trailing line end and blanks, split at the blank run before secondLine
// (that run dropped). Every other blank stays where it is.
QStringList displayedLines(const ExplanationControl& control);

// displayedLines joined with "\n": the text the control is given.
QString displayedText(const ExplanationControl& control);

}  // namespace mostaric::ui
