#include "desktopmenu/ProgramIcons.h"

#include "desktopmenu/GeneratedFile.h"
#include "platform/PeResources.h"

#include <algorithm>
#include <map>
#include <QBuffer>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QtEndian>

namespace tvn {

namespace {

const QString kNameStart = QStringLiteral("torvane-");

// The sizes the hicolor theme's index lists for applications.
constexpr int kThemeSizes[] = {16, 22, 24, 32, 36, 48, 64, 72, 96, 128, 192, 256, 512};

// An .ico file is small; anything larger is not read.
constexpr qint64 kMaxIcoFileBytes = 4 * 1024 * 1024;

bool isThemeSize(int size) {
    return std::find(std::begin(kThemeSizes), std::end(kThemeSizes), size) != std::end(kThemeSizes);
}

void put16(QByteArray& out, quint16 value) {
    out.append(char(value & 0xFF)).append(char(value >> 8));
}

void put32(QByteArray& out, quint32 value) {
    put16(out, quint16(value & 0xFFFF));
    put16(out, quint16(value >> 16));
}

// An .ico file holding the one image, which Qt's reader decodes whatever its bitmap form.
QByteArray icoFileOf(const PeIconImage& image) {
    QByteArray ico;
    put16(ico, 0);
    put16(ico, 1);
    put16(ico, 1);
    ico.append(char(image.width & 0xFF)).append(char(image.height & 0xFF));
    ico.append('\0').append('\0');
    put16(ico, 1);
    put16(ico, quint16(image.bitCount));
    put32(ico, quint32(image.data.size()));
    put32(ico, 6 + 16);
    return ico + image.data;
}

QImage decoded(QByteArray data, const char* format) {
    QBuffer buffer(&data);
    QImageReader reader(&buffer, format);
    return reader.read();
}

// An image of an icon, decoded, with its depth and, where the icon stores it as a PNG file, that
// file (written as it is: decoding it checks it, and encoding it again would cost far more).
struct IconImage {
    int depth = 0;
    QImage image;
    QByteArray png;
};

// The images of an .ico file's bytes.
std::vector<IconImage> icoImages(QByteArray data) {
    QBuffer buffer(&data);
    QImageReader reader(&buffer, "ico");
    std::vector<IconImage> images;
    for (int i = 0; i < std::min(reader.imageCount(), kMaxPeIconImages); ++i) {
        if (!reader.jumpToImage(i))
            break;
        QImage image = reader.read();
        if (!image.isNull())
            images.push_back({image.depth(), std::move(image), {}});
    }
    return images;
}

std::vector<IconImage> groupImages(const std::vector<PeIconImage>& group) {
    std::vector<IconImage> images;
    for (const PeIconImage& image : group) {
        const bool png = image.data.startsWith("\x89PNG");
        QImage decodedImage = png ? decoded(image.data, "png") : decoded(icoFileOf(image), "ico");
        if (!decodedImage.isNull())
            images.push_back(
                {image.bitCount, std::move(decodedImage), png ? image.data : QByteArray()});
    }
    return images;
}

// An icon as its file stores it: the bytes of an .ico file, or a program's icon group.
struct StoredIcon {
    QByteArray ico;
    std::vector<PeIconImage> group;

    bool isEmpty() const { return ico.isEmpty() && group.empty(); }

    // A hash of every byte of it: two files holding the same icon give the same.
    QByteArray hash() const {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        hash.addData(ico);
        for (const PeIconImage& image : group) {
            hash.addData(QByteArray::number(image.bitCount) + ':' +
                         QByteArray::number(image.data.size()) + ':');
            hash.addData(image.data);
        }
        return hash.result();
    }
};

StoredIcon storedIcon(const QString& path, int index) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    if (file.peek(4) != QByteArrayView("\0\0\1\0", 4))
        return {{}, peIconGroup(file, index)};
    if (file.size() > kMaxIcoFileBytes)
        return {};
    return {file.read(kMaxIcoFileBytes), {}};
}

// The images of the icon, at most one per size (the deepest; the last listed among equals),
// smallest first.
std::vector<IconImage> imagesOf(const StoredIcon& icon) {
    auto all = icon.ico.isEmpty() ? groupImages(icon.group) : icoImages(icon.ico);
    std::map<int, IconImage> bySize;
    for (IconImage& image : all) {
        if (image.image.width() != image.image.height())
            continue;
        IconImage& best = bySize[image.image.width()];
        if (best.image.isNull() || image.depth >= best.depth)
            best = std::move(image);
    }
    std::vector<IconImage> result;
    for (auto& [size, image] : bySize)
        result.push_back(std::move(image));
    return result;
}

// The PNG files of the icon, by size: one per size the theme lists, or where it has none of
// those, its largest image brought to the nearest size the theme lists.
std::vector<std::pair<int, QByteArray>> pngFilesOf(const StoredIcon& icon) {
    std::vector<IconImage> all = imagesOf(icon);
    if (all.empty())
        return {};
    std::vector<IconImage> chosen;
    for (IconImage& image : all)
        if (isThemeSize(image.image.width()))
            chosen.push_back(std::move(image));
    if (chosen.empty()) {
        const QImage& largest = all.back().image;
        int size = kThemeSizes[0];
        for (const int themeSize : kThemeSizes)
            if (themeSize <= largest.width())
                size = themeSize;
        chosen.push_back(
            {0, largest.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), {}});
    }
    std::vector<std::pair<int, QByteArray>> files;
    for (const IconImage& image : chosen) {
        QByteArray png = image.png;
        QBuffer buffer(&png);
        if (png.isEmpty() &&
            (!buffer.open(QIODevice::WriteOnly) || !image.image.save(&buffer, "png")))
            return {};
        files.push_back({image.image.width(), png});
    }
    return files;
}

QString stemOf(const QString& file) {
    static const QRegularExpression unsafe(QStringLiteral("[^a-z0-9_]+"));
    return QFileInfo(file)
        .completeBaseName()
        .toLower()
        .replace(unsafe, QStringLiteral("_"))
        .left(40);
}

} // namespace

ProgramIcons::ProgramIcons(QString dataHome)
    : dataHome_(std::move(dataHome)) {}

QString ProgramIcons::fileOf(int size, const QString& name) const {
    return dataHome_ + QStringLiteral("/icons/hicolor/%1x%1/apps/").arg(size) + name +
           QStringLiteral(".png");
}

bool ProgramIcons::write(const QString& file, int index, const QString& name) {
    const StoredIcon icon = storedIcon(file, index);
    if (icon.isEmpty())
        return false;
    const QByteArray hash = icon.hash();
    auto encoded = encoded_.find(hash);
    if (encoded == encoded_.end())
        encoded = encoded_.insert(hash, {pngFilesOf(icon), {}});
    if (encoded->files.empty())
        return false;
    for (const auto& [size, bytes] : encoded->files) {
        const QString path = fileOf(size, name);
        if (!madeSizes_.contains(size)) {
            if (!QDir().mkpath(QFileInfo(path).path()))
                return false;
            madeSizes_.insert(size);
        }
        const bool linked = !encoded->writtenAs.isEmpty() &&
                            linkGeneratedFile(fileOf(size, encoded->writtenAs), path);
        if (!linked && !writeGeneratedFile(path, bytes))
            return false;
    }
    if (encoded->writtenAs.isEmpty())
        encoded->writtenAs = name;
    present_.insert(name);
    return true;
}

const QSet<QString>& ProgramIcons::present() {
    if (presentListed_)
        return present_;
    presentListed_ = true;
    for (const int size : kThemeSizes) {
        const QDir folder(QFileInfo(fileOf(size, QStringLiteral("x"))).path());
        for (const QString& file :
             folder.entryList({kNameStart + QStringLiteral("*.png")}, QDir::Files))
            present_.insert(file.chopped(4));
    }
    return present_;
}

QString ProgramIcons::iconFor(const QString& file, int index) {
    const QFileInfo info(file);
    if (!info.isFile())
        return {};
    const QString key = info.absoluteFilePath() + u'\n' + QString::number(index) + u'\n' +
                        QString::number(info.size()) + u'\n' +
                        QString::number(info.lastModified().toMSecsSinceEpoch());
    if (const auto known = given_.constFind(key); known != given_.constEnd())
        return *known;
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256);
    const QString name =
        kNameStart + QString::fromLatin1(hash.toHex().left(12)) + u'-' + stemOf(file);
    const QString given = present().contains(name) || write(file, index, name) ? name : QString();
    given_.insert(key, given);
    return given;
}

void ProgramIcons::removeUnused() const {
    QSet<QString> named;
    const QString key = QStringLiteral("\nIcon=") + kNameStart;
    QDirIterator entries(dataHome_ + QStringLiteral("/applications"), {QStringLiteral("*.desktop")},
                         QDir::Files, QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        QFile entry(entries.next());
        if (!entry.open(QIODevice::ReadOnly))
            return; // an entry that cannot be read may name any icon
        const QString text = QString::fromUtf8(entry.readAll());
        for (qsizetype at = text.indexOf(key); at >= 0; at = text.indexOf(key, at + 1))
            named.insert(text.mid(at + 6, text.indexOf(u'\n', at + 1) - at - 6));
    }
    for (const int size : kThemeSizes) {
        const QDir folder(QFileInfo(fileOf(size, QStringLiteral("x"))).path());
        for (const QString& file :
             folder.entryList({kNameStart + QStringLiteral("*.png")}, QDir::Files))
            if (!named.contains(file.chopped(4)))
                QFile::remove(folder.filePath(file));
    }
}

} // namespace tvn
