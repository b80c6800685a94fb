#pragma once

#include "batch/batch_executor.h"

#include <QObject>
#include <QString>

#include <memory>

class QAction;
class QComboBox;
class QLineEdit;
class QSettings;

namespace morvane {

// What the window keeps between runs, unlike the options: the folder mask,
// the "Rename folders" and live-preview switches, and how this user wants a
// failing file met. Each keep...() shows the remembered value and then
// stores every change as it is made, so a crash loses nothing.
class RememberedSettings : public QObject {
    Q_OBJECT
public:
    // `file`: an INI file (tests); empty: the user's own settings.
    explicit RememberedSettings(QString file);

    OnError onError() const;

    void keepFolderMask(QLineEdit *mask);
    void keepRenameFolders(QAction *renameFolders);
    void keepLivePreview(QAction *livePreview);
    // The combo's first entry stops at a failure, its second skips the file;
    // `onError` follows every choice.
    void keepOnError(QComboBox *combo, OnError *onError);

private:
    std::unique_ptr<QSettings> open() const;
    void keepSwitch(QAction *action, const QString &key);

    QString m_file;
};

} // namespace morvane
