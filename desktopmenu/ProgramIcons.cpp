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

// The images an .ico file holds.
std::vector<std::pair<int, QImage>> icoImages(QFile& file) {
    if (file.size() > kMaxIcoFileBytes)
        return {};
    QByteArray data = file.read(kMaxIcoFileBytes);
    QBuffer buffer(&data);
    QImageReader reader(&buffer, "ico");
    std::vector<std::pair<int, QImage>> images;
    for (int i = 0; i < std::min(reader.imageCount(), kMaxPeIconImages); ++i) {
        if (!reader.jumpToImage(i))
            break;
        const QImage image = reader.read();
        if (!image.isNull())
            images.push_back({image.depth(), image});
    }
    return images;
}

std::vector<std::pair<int, QImage>> programImages(QFile& file, int index) {
    std::vector<std::pair<int, QImage>> images;
    for (const PeIconImage& image : peIconGroup(file, index)) {
        const bool png = image.data.startsWith("\x89PNG");
        const QImage decodedImage =
            png ? decoded(image.data, "png") : decoded(icoFileOf(image), "ico");
        if (!decodedImage.isNull())
            images.push_back({image.bitCount, decodedImage});
    }
    return images;
}

QString stemOf(const QString& file) {
    static const QRegularExpression unsafe(QStringLiteral("[^a-z0-9_]+"));
    return QFileInfo(file)
        .completeBaseName()
        .toLower()
        .replace(unsafe, QStringLiteral("_"))
        .left(40);
}

bool writePng(const QString& path, const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    return buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "png") &&
           writeGeneratedFile(path, png);
}

} // namespace

ProgramIcons::ProgramIcons(QString dataHome)
    : dataHome_(std::move(dataHome)) {}

std::vector<QImage> ProgramIcons::images(const QString& path, int index) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = file.peek(4);
    const auto all =
        head == QByteArrayView("\0\0\1\0", 4) ? icoImages(file) : programImages(file, index);
    // The deepest image of each square size; the last listed among equals.
    std::map<int, std::pair<int, QImage>> bySize;
    for (const auto& [depth, image] : all) {
        if (image.width() != image.height())
            continue;
        auto& best = bySize[image.width()];
        if (best.second.isNull() || depth >= best.first)
            best = {depth, image};
    }
    std::vector<QImage> result;
    for (const auto& [size, image] : bySize)
        result.push_back(image.second);
    return result;
}

QString ProgramIcons::fileOf(int size, const QString& name) const {
    return dataHome_ + QStringLiteral("/icons/hicolor/%1x%1/apps/").arg(size) + name +
           QStringLiteral(".png");
}

bool ProgramIcons::write(const QString& file, int index, const QString& name) {
    std::vector<QImage> all = images(file, index);
    if (all.empty())
        return false;
    std::vector<QImage> chosen;
    std::copy_if(all.begin(), all.end(), std::back_inserter(chosen),
                 [](const QImage& image) { return isThemeSize(image.width()); });
    if (chosen.empty()) {
        // Only sizes the theme does not list: the largest, brought to the nearest size it lists.
        const QImage& largest = all.back();
        int size = kThemeSizes[0];
        for (const int themeSize : kThemeSizes)
            if (themeSize <= largest.width())
                size = themeSize;
        chosen.push_back(
            largest.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    for (const QImage& image : chosen) {
        const QString path = fileOf(image.width(), name);
        if (!madeSizes_.contains(image.width())) {
            if (!QDir().mkpath(QFileInfo(path).path()))
                return false;
            madeSizes_.insert(image.width());
        }
        if (!writePng(path, image))
            return false;
    }
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
