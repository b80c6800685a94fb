#include "option_panel.h"

// Placeholder bodies; the foundation work fills these in.
int IntOrDefault(const QString &text, int defaultValue)
{
    bool ok = false;
    int v = text.toInt(&ok);
    return ok ? v : defaultValue;
}

int ClampInt(int value, int low, int high)
{
    return value < low ? low : (value > high ? high : value);
}

QString TrimControl(const QString &text)
{
    return text.trimmed();
}
