#include "engine/metadata_module.h"

#include "engine/image_size.h"
#include "engine/morvane_error.h"
#include "engine/program_module.h"

#include <QCoreApplication>

#include <string>

namespace morvane {

namespace {

constinit const MetadataReaders *linkedReaders = nullptr;

struct Loaded {
    const MetadataReaders *readers = nullptr;
    QString failure; // why no module could be used, one reason per place looked at
};

using Entry = const MetadataReaders *(*)();

bool isThisBuild(void *entry)
{
    const MetadataReaders *readers = reinterpret_cast<Entry>(entry)();
    return readers && readers->version == kMetadataReadersVersion;
}

// Looked for where main looks for the window module. The module stays
// loaded to the end of the process.
Loaded load()
{
    if (linkedReaders)
        return {linkedReaders, {}};
    std::string reasons;
    void *entry = programModuleEntry("morvane-metadata.so", MORVANE_METADATA_MODULE_RELATIVE, MORVANE_METADATA_MODULE,
                                     "morvaneMetadataReaders", &reasons, isThisBuild);
    if (!entry)
        return {nullptr, QString::fromLocal8Bit(reasons).replace(QStringLiteral("\n  "), QStringLiteral("; "))};
    return {reinterpret_cast<Entry>(entry)(), {}};
}

} // namespace

void useLinkedMetadataReaders(const MetadataReaders *readers)
{
    linkedReaders = readers;
}

const MetadataReaders &metadataReaders()
{
    static const Loaded loaded = load();
    if (!loaded.readers)
        throw MorvaneError(QCoreApplication::translate("Engine",
                                                       "Photo metadata, audio tags and picture sizes cannot be read: "
                                                       "the module morvane-metadata.so could not be loaded (%1)")
                               .arg(loaded.failure));
    return *loaded.readers;
}

// ---- the calls of the rest of the engine, through the table -----------------

void silenceMetadataLibraries()
{
    metadataReaders().silence();
}

PhotoMetadata PhotoMetadata::read(const QString &path)
{
    PhotoMetadata result;
    result.m_data = metadataReaders().readPhoto(path);
    return result;
}

PhotoMetadata PhotoMetadata::fromBytes(const QByteArray &bytes)
{
    PhotoMetadata result;
    result.m_data = metadataReaders().photoFromBytes(bytes);
    return result;
}

QDateTime PhotoMetadata::taken() const
{
    return m_data ? metadataReaders().photoTaken(*m_data) : QDateTime();
}

QString PhotoMetadata::make() const
{
    return m_data ? metadataReaders().photoText(*m_data, MetadataReaders::PhotoText::Make) : QString();
}

QString PhotoMetadata::model() const
{
    return m_data ? metadataReaders().photoText(*m_data, MetadataReaders::PhotoText::Model) : QString();
}

QString PhotoMetadata::camera() const
{
    const QString make = this->make();
    const QString model = this->model();
    if (make.isEmpty() || model.startsWith(make, Qt::CaseInsensitive))
        return model;
    const QString firstWord = make.section(u' ', 0, 0);
    if (model.startsWith(firstWord + u' ', Qt::CaseInsensitive) || model.isEmpty())
        return model.isEmpty() ? make : model;
    return make + u' ' + model;
}

QString PhotoMetadata::lens() const
{
    return m_data ? metadataReaders().photoText(*m_data, MetadataReaders::PhotoText::Lens) : QString();
}

QString PhotoMetadata::iso() const
{
    return m_data ? metadataReaders().photoText(*m_data, MetadataReaders::PhotoText::Iso) : QString();
}

QString PhotoMetadata::value(const QString &key) const
{
    return m_data ? metadataReaders().photoValue(*m_data, key) : QString();
}

AudioTags readAudioTags(const QString &path)
{
    return metadataReaders().readAudioTags(path);
}

bool readImageSize(const QString &path, int *width, int *height)
{
    return metadataReaders().readImageSize(path, width, height);
}

} // namespace morvane
