#pragma once

#include <QString>

namespace morvane {

// Letter case of the finished name; preset values 0-3 in this order.
enum class CaseChange { Unchanged, Lower, Upper, Title };
// What happens when a target name is taken; preset values 0-2 in this order.
enum class ConflictMode { Skip, Overwrite, AutoNumber };
// Where the files go; preset values 0-2 in this order.
enum class BatchMode { RenameInPlace, CopyToFolder, MoveToFolder };

// The option values of the main window and the settings dialog, as the raw
// text, choice or checked state of each control. Fields are named by their
// preset keys; the start values are those of a fresh program start.
// Numeric values stay text and are converted at the moment of use. A list
// left without a selection (a preset's -1) is read as its default choice
// where the preset or the combo box is read, so every mode here is valid.
// optionFields() (option_fields.h) lists every field with its preset key.
struct OptionPanel {
    // main window
    QString pattern = QStringLiteral("{name}");
    QString find;
    QString replace;
    CaseChange caseChange = CaseChange::Unchanged; // preset key "case"
    bool changeExt = false;                        // chkNewExt
    QString newExt;                                // edtNewExt, read trimmed
    QString insertText;
    QString insertPos = QStringLiteral("1");
    QString removeFirst = QStringLiteral("0");
    QString removeLast = QStringLiteral("0");
    QString removeFromPos = QStringLiteral("0");
    QString removeTillPos = QStringLiteral("0");
    QString charactersToRemove;
    bool collapseDoubleSpaces = false;
    QString cropBefore; // labelled "Trim from text:"
    QString cropAfter;  // labelled "Trim until text:"
    QString padNumbers = QStringLiteral("0");
    bool includeSubfolders = false;
    BatchMode batchMode = BatchMode::RenameInPlace;
    QString destination;
    // settings dialog
    QString counterStart = QStringLiteral("1");
    QString digits = QStringLiteral("3");
    ConflictMode conflict = ConflictMode::AutoNumber;
    bool regex = false; // cbRegex
    bool touchModifiedNow = false;

    bool operator==(const OptionPanel &) const = default;
};

// Integer reading of every numeric option text: optional leading U+0020
// spaces, a sign, then decimal digits or hexadecimal ones after "$", "x", "X",
// "0x" or "0X" (a 32-bit two's-complement pattern, so "$FFFFFFFF" is -1);
// the whole text consumed and the signed result within 32 bits, else the default.
//
//   intOrDefault(" -12", 0) == -12
//   intOrDefault("$FF", 0) == 255; intOrDefault("0x10", 0) == 16
//   intOrDefault("$FFFFFFFF", 0) == -1
//   intOrDefault("12 ", 7) == 7; intOrDefault("2147483648", 7) == 7
int intOrDefault(const QString &text, int defaultValue);

int clampInt(int value, int low, int high);

// Removes every leading and trailing code unit at or below U+0020.
//
//   trimControl("\t x y \n") == "x y"
QString trimControl(const QString &text);

// The destination folder text as a copy or move uses it: trimmed, and "~"
// alone or before "/" standing for home. Anything else stays as it is; the
// batch refuses a result that is not a full path.
//
//   destinationFolder(u" ~/Photos "_s, u"/home/ann"_s) == u"/home/ann/Photos"
//   destinationFolder(u"~bob/x"_s, u"/home/ann"_s) == u"~bob/x"
QString destinationFolder(const QString &text, const QString &home);

} // namespace morvane
