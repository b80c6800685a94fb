#include "engine/metadata_module.h"

#include "engine/image_size.h"
#include "engine/morvane_error.h"

#include <QCoreApplication>
#include <QStringList>

#include <dlfcn.h>
#include <unistd.h>

#include <string>

namespace morvane {

namespace {

constinit const MetadataReaders *linkedReaders = nullptr;

struct Loaded {
    const MetadataReaders *readers = nullptr;
    QString failure; // why no module could be used, one reason per place looked at
};

std::string programFolder()
{
    char self[4096];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0)
        return {};
    std::string folder(self, size_t(n));
    folder.erase(folder.rfind('/'));
    return folder;
}

// Looked for where main looks for the window module: beside the program (the
// build), then the library folder next to it and the installed one. The
// module stays loaded to the end of the process.
Loaded load()
{
    if (linkedReaders)
        return {linkedReaders, {}};
    const std::string folder = programFolder();
    const std::string candidates[] = {folder + "/morvane-metadata.so", folder + "/../" MORVANE_METADATA_MODULE_RELATIVE,
                                      MORVANE_METADATA_MODULE};
    QStringList reasons;
    for (const std::string &path : candidates) {
        void *module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            reasons.append(QString::fromLocal8Bit(dlerror()));
            continue;
        }
        using Entry = const MetadataReaders *(*)();
        const auto entry = reinterpret_cast<Entry>(dlsym(module, "morvaneMetadataReaders"));
        if (!entry) {
            reasons.append(QString::fromLocal8Bit(dlerror()));
            continue;
        }
        const MetadataReaders *readers = entry();
        if (readers && readers->version == kMetadataReadersVersion)
            return {readers, {}};
        reasons.append(QString::fromLocal8Bit(path.c_str()) + QStringLiteral(": built for another version"));
    }
    reasons.removeDuplicates();
    return {nullptr, reasons.join(QStringLiteral("; "))};
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
