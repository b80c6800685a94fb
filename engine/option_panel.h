#pragma once

#include <QString>

namespace morvane {

// The option values of the main window and the settings dialog, as the raw
// text, index or checked state of each control. Fields are named by their
// preset keys; the start values are those of a fresh program start.
// Numeric values stay text and are converted at the moment of use.
struct OptionPanel {
    // main window
    QString pattern = QStringLiteral("{name}");
    QString find;
    QString replace;
    int case_ = 0;                 // preset key "case"; 1 lower, 2 UPPER, 3 Title, else unchanged
    bool changeExt = false;        // chkNewExt
    QString newExt;                // edtNewExt, read trimmed
    QString insertText;
    QString insertPos = QStringLiteral("1");
    QString removeFirst = QStringLiteral("0");
    QString removeLast = QStringLiteral("0");
    QString removeFromPos = QStringLiteral("0");
    QString removeTillPos = QStringLiteral("0");
    QString charactersToRemove;
    bool collapseDoubleSpaces = false;
    QString cropBefore;            // labelled "Trim from text:"
    QString cropAfter;             // labelled "Trim until text:"
    QString padNumbers = QStringLiteral("0");
    bool includeSubfolders = false;
    int batchMode = 0;             // 0 rename in place, 1 copy to folder, 2 move to folder; -1 none selected
    QString destination;
    // settings dialog
    QString counterStart = QStringLiteral("1");
    QString digits = QStringLiteral("3");
    int conflict = 2;              // 0 skip, 1 overwrite, 2 auto-number; -1 none selected
    bool regex = false;            // cbRegex
    bool touchModifiedNow = false;

    bool operator==(const OptionPanel &) const = default;
};

// Integer reading of every numeric option text: optional leading U+0020
// spaces, a sign, then decimal digits or hexadecimal ones after "$", "x", "X",
// "0x" or "0X" (a 32-bit two's-complement pattern, so "$FFFFFFFF" is -1);
// the whole text consumed and the signed result within 32 bits, else the default.
int intOrDefault(const QString &text, int defaultValue);

int clampInt(int value, int low, int high);

// Removes every leading and trailing code unit at or below U+0020.
QString trimControl(const QString &text);

} // namespace morvane
