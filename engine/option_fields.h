#pragma once

#include "engine/option_panel.h"

#include <QLatin1StringView>
#include <QList>

#include <span>

namespace morvane {

// How an option is edited and stored: Text and Number are kept as text
// (Number is converted at the moment of use), Check is a bool, Choice an enum
// stored in presets by its index.
enum class OptionKind { Text, Number, Check, Choice };

// One option of OptionPanel: its preset key, its kind and where it lives.
// The preset writer and reader, the command line and the widgets all walk
// this one table, so adding an option is one member and one row.
struct OptionField {
    QLatin1StringView key; // preset key, e.g. "counterStart"
    OptionKind kind;
    QString OptionPanel::*text = nullptr;                 // Text, Number
    bool OptionPanel::*check = nullptr;                   // Check
    bool checkWhenAbsent = false;                         // Check: the value of a preset that lacks the key
    int (*choiceIndex)(const OptionPanel &) = nullptr;    // Choice: the index of the value
    void (*setChoiceIndex)(OptionPanel &, int) = nullptr; // Choice: an index out of range picks the default
    QList<QLatin1StringView> choices = {};                // Choice: one word per index, for the command line

    int choiceCount() const { return int(choices.size()); }
};

// Every option, in the order presets list them.
//
//   for (const OptionField &f : optionFields())
//       if (f.kind == OptionKind::Check) qDebug() << f.key << options.*f.check;
std::span<const OptionField> optionFields();

// The field with this preset key, letters in any case; null when none has it.
//
//   findOptionField(u"COUNTERSTART")->key == "counterStart"
const OptionField *findOptionField(QStringView key);

// The value of a field as text: Text/Number as stored, Check "true"/"false",
// Choice its index.
QString optionText(const OptionPanel &options, const OptionField &field);

} // namespace morvane
