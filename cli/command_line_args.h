#pragma once

#include "engine/ascii.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace morvane {

// The program's arguments sorted into switches and options, paths and faults.
// An argument is a switch or an option only when its name (after "/" or "--",
// before the first "=") is one of the known names, in any ASCII case;
// everything else is a path. After "--" every argument is a path.
struct CommandLineArgs {
    QStringList switchesAndOptions;  // as "/name" or "/name=value", in order
    QStringList paths;               // in order, as given
    QStringList faults;              // a known name used wrongly, e.g. "/dryrun=1" or "/pattern"
    bool help = false;               // "/help", "--help" or "/?"
};

CommandLineArgs parseCommandLineArgs(const QStringList &arguments);

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
