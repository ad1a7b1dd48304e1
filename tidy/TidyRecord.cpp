#include "tidy/TidyRecord.h"

#include "platform/FileSystem.h"
#include "platform/Paths.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tvn {
namespace {

constexpr qsizetype kMaxTidyFileBytes = 256 * 1024 * 1024;

QJsonObject stepToJson(const UndoStep& step) {
    QJsonObject json{{QStringLiteral("kind"), static_cast<int>(step.kind)},
                     {QStringLiteral("path"), step.path}};
    if (!step.target.isEmpty())
        json.insert(QStringLiteral("target"), step.target);
    if (!step.digest.isEmpty())
        json.insert(QStringLiteral("digest"), QString::fromLatin1(step.digest.toHex()));
    if (step.id.device != 0 || step.id.inode != 0)
        json.insert(QStringLiteral("id"),
                    QStringLiteral("%1:%2").arg(step.id.device).arg(step.id.inode));
    if (step.before)
        json.insert(QStringLiteral("before"), QString::fromLatin1(step.before->toBase64()));
    if (step.replaced)
        json.insert(QStringLiteral("replaced"), true);
    return json;
}

UndoStep stepFromJson(const QJsonObject& json) {
    UndoStep step{static_cast<UndoStep::Kind>(json.value(QStringLiteral("kind")).toInt()),
                  json.value(QStringLiteral("path")).toString()};
    step.target = json.value(QStringLiteral("target")).toString();
    step.digest = QByteArray::fromHex(json.value(QStringLiteral("digest")).toString().toLatin1());
    const QStringList id = json.value(QStringLiteral("id")).toString().split(u':');
    if (id.size() == 2)
        step.id = {id[0].toULongLong(), id[1].toULongLong()};
    if (json.contains(QStringLiteral("before")))
        step.before =
            QByteArray::fromBase64(json.value(QStringLiteral("before")).toString().toLatin1());
    step.replaced = json.value(QStringLiteral("replaced")).toBool();
    return step;
}

QJsonArray captionsToJson(const std::array<QString, kCategoryCount>& captions) {
    QJsonArray json;
    for (const QString& caption : captions)
        json.append(caption);
    return json;
}

std::array<QString, kCategoryCount> captionsFromJson(const QJsonValue& json) {
    std::array<QString, kCategoryCount> captions;
    const QJsonArray array = json.toArray();
    for (qsizetype k = 0; k < kCategoryCount && k < array.size(); ++k)
        captions[static_cast<size_t>(k)] = array.at(k).toString();
    return captions;
}

} // namespace

TidyRecord::TidyRecord(FileSystem& fs, QString programFolder)
    : fs_(fs)
    , path_(joinPath(programFolder, QString::fromUtf16(kTidyFileName))) {
    content_ = fs_.readFile(path_, kMaxTidyFileBytes).value_or(QByteArray());
}

std::optional<QSet<QString>> TidyRecord::seen(const QString& startMenu) const {
    const QJsonValue shortcuts = QJsonDocument::fromJson(content_)
                                     .object()
                                     .value(QStringLiteral("seen"))
                                     .toObject()
                                     .value(startMenu);
    if (!shortcuts.isArray())
        return std::nullopt;
    QSet<QString> paths;
    for (const QJsonValue& path : shortcuts.toArray())
        paths.insert(path.toString());
    return paths;
}

void TidyRecord::setSeen(const QString& startMenu, const QSet<QString>& shortcuts) {
    QJsonObject root = QJsonDocument::fromJson(content_).object();
    QJsonObject seen = root.value(QStringLiteral("seen")).toObject();
    QStringList sorted(shortcuts.begin(), shortcuts.end());
    sorted.sort();
    seen.insert(startMenu, QJsonArray::fromStringList(sorted));
    root.insert(QStringLiteral("seen"), seen);
    content_ = QJsonDocument(root).toJson(QJsonDocument::Compact);
}

std::optional<LastTidy> TidyRecord::lastTidy() const {
    const QJsonObject json =
        QJsonDocument::fromJson(content_).object().value(QStringLiteral("last")).toObject();
    if (json.isEmpty())
        return std::nullopt;
    LastTidy tidy{json.value(QStringLiteral("startMenu")).toString(),
                  {UndoScope::Creation,
                   {},
                   captionsFromJson(json.value(QStringLiteral("captionsBefore"))),
                   captionsFromJson(json.value(QStringLiteral("captionsAfter")))},
                  {}};
    for (const QJsonValue& step : json.value(QStringLiteral("steps")).toArray())
        tidy.entry.steps.push_back(stepFromJson(step.toObject()));
    for (const QJsonValue& line : json.value(QStringLiteral("filed")).toArray())
        tidy.filed.append(line.toString());
    return tidy;
}

void TidyRecord::setLastTidy(const std::optional<LastTidy>& tidy) {
    QJsonObject root = QJsonDocument::fromJson(content_).object();
    if (!tidy) {
        root.remove(QStringLiteral("last"));
    } else {
        QJsonArray steps;
        for (const UndoStep& step : tidy->entry.steps)
            steps.append(stepToJson(step));
        root.insert(
            QStringLiteral("last"),
            QJsonObject{
                {QStringLiteral("startMenu"), tidy->startMenu},
                {QStringLiteral("captionsBefore"), captionsToJson(tidy->entry.captionsBefore)},
                {QStringLiteral("captionsAfter"), captionsToJson(tidy->entry.captionsAfter)},
                {QStringLiteral("steps"), steps},
                {QStringLiteral("filed"), QJsonArray::fromStringList(tidy->filed)}});
    }
    content_ = QJsonDocument(root).toJson(QJsonDocument::Compact);
}

bool TidyRecord::save() {
    return fs_.writeFile(path_, content_);
}

} // namespace tvn
