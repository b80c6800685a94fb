#pragma once

#include <QString>

namespace morvane {

// How the engine and the batch talk to the user. The window shows message
// boxes; the unattended run prints (information to stdout, warnings to stderr)
// and answers every confirmation with yes.
class Reporter {
public:
    virtual ~Reporter() = default;
    virtual void information(const QString &text) = 0; // caption "Information"
    virtual void warning(const QString &text) = 0;     // caption "Warning"
    virtual void error(const QString &text) = 0;       // caption "Error"
    virtual bool confirm(const QString &text) = 0;     // caption "Confirm", Yes/No
    // Long runs report done of total now and then; the window keeps painting.
    virtual void progress(qint64 done, qint64 total)
    {
        Q_UNUSED(done);
        Q_UNUSED(total);
    }
};

} // namespace morvane
