#pragma once

#include "engine/ascii.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace morvane {

struct OptionField;

// The program's arguments sorted into switches and options, paths and faults.
// An argument is a switch or an option only when its name (after "/" or "--",
// before the first "=") is one of the known names or a preset key
// (optionFields()) with a value, in any ASCII case; everything else is a
// path. After "--" every argument is a path. Values that cannot be used (a
// sort key, a preset key's number, check or choice) are faults.
struct CommandLineArgs {
    QStringList switchesAndOptions; // as "/name" or "/name=value", in order
    QStringList paths;              // in order, as given
    QStringList faults;             // a known name used wrongly, e.g. "/dryrun=1" or "/pattern"
    bool help = false;              // "/help", "--help" or "/?"
};

CommandLineArgs parseCommandLineArgs(const QStringList &arguments);

// The preset field that an option of this name sets, such as --batchMode=copy;
// null for other names and for the keys that are options of their own
// (find, replace, pattern, digits, case, newExt, conflict).
const OptionField *keyOptionField(QStringView name);

// A check value on the command line: true/false in any case, 1 or 0.
std::optional<bool> checkOptionValue(QStringView value);

// A choice on the command line: one of the field's words in any case, or its index.
//
//   choiceOptionIndex(*findOptionField(u"batchMode"), u"Copy") == 1
std::optional<int> choiceOptionIndex(const OptionField &field, QStringView value);

// True when an argument equals "/" and name, ASCII letter case ignored.
bool hasSwitch(const QStringList &arguments, QLatin1StringView name);

// The value of the first argument that is the option name, or nothing.
std::optional<QString> findOptionValue(const QStringList &arguments, QLatin1StringView name);

// The value of the first argument that begins with "/", name and "=" (ASCII
// letter case of the name ignored): everything after its first "=", with every
// leading and trailing double quote removed. defaultValue when there is none;
// an empty value is a value.
QString optionValue(const QStringList &arguments, QLatin1StringView name, const QString &defaultValue);

// The usage text of --help.
QString usageText();

} // namespace morvane
