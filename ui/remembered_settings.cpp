#include "ui/remembered_settings.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QSettings>

namespace morvane {

namespace {
const QString kFolderMaskKey = QStringLiteral("folderMask");
const QString kOnErrorKey = QStringLiteral("batch/onError");
} // namespace

RememberedSettings::RememberedSettings(QString file) : m_file(std::move(file))
{
}

std::unique_ptr<QSettings> RememberedSettings::open() const
{
    if (!m_file.isEmpty())
        return std::make_unique<QSettings>(m_file, QSettings::IniFormat);
    return std::make_unique<QSettings>(QStringLiteral("Quenzel"), QStringLiteral("Morvane"));
}

OnError RememberedSettings::onError() const
{
    return open()->value(kOnErrorKey).toString() == QLatin1String("skip") ? OnError::Skip : OnError::Stop;
}

void RememberedSettings::keepFolderMask(QLineEdit *mask)
{
    mask->setText(open()->value(kFolderMaskKey).toString());
    connect(mask, &QLineEdit::textChanged, this,
            [this](const QString &text) { open()->setValue(kFolderMaskKey, text); });
}

void RememberedSettings::keepRenameFolders(QAction *renameFolders)
{
    keepSwitch(renameFolders, QStringLiteral("renameFolders"));
}

void RememberedSettings::keepLivePreview(QAction *livePreview)
{
    keepSwitch(livePreview, QStringLiteral("livePreview"));
}

void RememberedSettings::keepSwitch(QAction *action, const QString &key)
{
    action->setChecked(open()->value(key, false).toBool());
    connect(action, &QAction::toggled, this, [this, key](bool on) { open()->setValue(key, on); });
}

void RememberedSettings::keepOnError(QComboBox *combo, OnError *onError)
{
    combo->setCurrentIndex(*onError == OnError::Skip ? 1 : 0);
    connect(combo, &QComboBox::currentIndexChanged, this, [this, onError](int index) {
        const bool skip = index == 1;
        *onError = skip ? OnError::Skip : OnError::Stop;
        open()->setValue(kOnErrorKey, skip ? QStringLiteral("skip") : QStringLiteral("stop"));
    });
}

} // namespace morvane
