#include "catalogue/ClueWords.h"

#include <algorithm>
#include <QRegularExpression>
#include <QSet>

namespace tvn {
namespace {

// The words a vendor's folder shares with every other company's: they tell nothing of its
// programs ("Safer Networking Ltd", "Foo Development Team").
bool isCompanyWord(const QString& word) {
    static const QSet<QString> company = {
        QStringLiteral("developers"),   QStringLiteral("development"),
        QStringLiteral("developments"), QStringLiteral("team"),
        QStringLiteral("software"),     QStringLiteral("networking"),
        QStringLiteral("ltd"),          QStringLiteral("inc"),
        QStringLiteral("gmbh"),         QStringLiteral("llc"),
        QStringLiteral("corp"),         QStringLiteral("corporation"),
        QStringLiteral("co"),           QStringLiteral("company"),
        QStringLiteral("limited"),      QStringLiteral("technologies"),
        QStringLiteral("technology"),   QStringLiteral("labs"),
        QStringLiteral("systems"),      QStringLiteral("solutions"),
        QStringLiteral("group"),        QStringLiteral("project"),
        QStringLiteral("foundation"),   QStringLiteral("ag"),
        QStringLiteral("sa"),           QStringLiteral("srl"),
        QStringLiteral("bv"),           QStringLiteral("kg"),
        QStringLiteral("oy"),           QStringLiteral("ab"),
        QStringLiteral("pty"),          QStringLiteral("sarl"),
        QStringLiteral("spa"),          QStringLiteral("community"),
        QStringLiteral("contributors"),
    };
    return company.contains(word);
}

// A portable edition's launcher names the program it starts: "GIMP Portable",
// "GIMPPortable.exe" and "Mozilla Firefox, Portable Edition" are GIMP and Firefox.
void removePortableEdition(QStringList& words) {
    static const QString portable = QStringLiteral("portable");
    if (words.size() > 2 && words.last() == u"edition" && words[words.size() - 2] == portable)
        words.removeLast();
    if (words.size() > 1 && words.last() == portable)
        words.removeLast();
    else if (words.size() == 1 && words.first().size() > portable.size() + 1 &&
             words.first().endsWith(portable))
        words.first().chop(portable.size());
}

} // namespace

QStringList wordsOf(const QString& text) {
    // Read by code point, so that a letter beyond the basic plane is one letter; a loop rather
    // than a regular expression, since every description of the catalogue passes here.
    const QString folded = text.toCaseFolded();
    QStringList words;
    qsizetype start = -1;
    for (qsizetype at = 0; at < folded.size();) {
        char32_t character = folded[at].unicode();
        qsizetype length = 1;
        if (QChar::isHighSurrogate(character) && at + 1 < folded.size() &&
            folded[at + 1].isLowSurrogate()) {
            character = QChar::surrogateToUcs4(folded[at], folded[at + 1]);
            length = 2;
        }
        const bool inWord = QChar::isLetterOrNumber(character);
        if (inWord && start < 0)
            start = at;
        else if (!inWord && start >= 0) {
            words += folded.mid(start, at - start);
            start = -1;
        }
        at += length;
    }
    if (start >= 0)
        words += folded.mid(start);
    return words;
}

QString splitCapitals(const QString& text) {
    // A blank goes between a small letter and a capital, and before the last of a run of
    // capitals that starts a word ("HWMonitor").
    QString split;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const bool boundary =
            at > 0 && text[at].isUpper() &&
            (text[at - 1].isLower() ||
             (text[at - 1].isUpper() && at + 1 < text.size() && text[at + 1].isLower()));
        if (boundary && split.isEmpty())
            split = text.left(at);
        if (boundary)
            split += u' ';
        if (!split.isEmpty())
            split += text[at];
    }
    return split.isEmpty() ? text : split;
}

QStringList clueWordsOf(const QString& text) {
    return wordsOf(splitCapitals(text));
}

QStringList descriptionWordsOf(const QString& text) {
    static const QSet<QString> makingWords = {
        QStringLiteral("written"), QStringLiteral("built"),     QStringLiteral("made"),
        QStringLiteral("powered"), QStringLiteral("developed"), QStringLiteral("implemented"),
        QStringLiteral("coded"),
    };
    static const QSet<QString> linkWords = {QStringLiteral("in"), QStringLiteral("with"),
                                            QStringLiteral("on"), QStringLiteral("by")};
    const QStringList words = clueWordsOf(text);
    QStringList kept;
    kept.reserve(words.size());
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (!makingWords.contains(words[i]) || i + 2 >= words.size() ||
            !linkWords.contains(words[i + 1])) {
            kept += words[i];
            continue;
        }
        // "built on top of Electron", "written in Rust and TypeScript": what follows is the
        // making, up to a second name joined by "and".
        i += 2;
        if (words[i] == u"top" && i + 2 < words.size() && words[i + 1] == u"of")
            i += 2;
        if (i + 2 < words.size() && words[i + 1] == u"and")
            i += 2;
    }
    return kept;
}

QStringList folderWordsOf(const QString& folders) {
    QStringList words = clueWordsOf(folders);
    words.removeIf(isCompanyWord);
    return words;
}

bool isVersionWord(const QString& word) {
    // Every version word has a digit: most words are let go before the expression is tried.
    if (std::none_of(word.begin(), word.end(), [](QChar c) { return c.isDigit(); }))
        return false;
    static const QRegularExpression version(
        QStringLiteral("^(v?\\d+[a-z]?|x(64|86)|(32|64)bit|win(32|64))$"));
    return version.match(word).hasMatch();
}

bool isCommonDescriptionWord(const QString& word) {
    static const QSet<QString> common = [] {
        QSet<QString> words;
        for (const QString& each :
             QStringLiteral("a an the and or of for to in on with your you it its is are be by "
                            "from as at that this which all any into not no more most can will "
                            "via based simple free open source cross platform app application "
                            "tool tools software program written lightweight fast modern "
                            "powerful easy use using")
                 .split(u' '))
            words.insert(each);
        return words;
    }();
    return common.contains(word) || isVersionWord(word);
}

QStringList programWords(const QString& name) {
    QStringList words = wordsOf(QString(name).replace(u'+', u'p'));
    if (!words.isEmpty()) {
        const QString first = words.takeFirst();
        words.removeIf(isVersionWord);
        words.prepend(first);
        removePortableEdition(words);
    }
    return words;
}

QString programKey(const QString& name) {
    return programWords(name).join(QString());
}

TargetParts targetParts(const QString& path) {
    static const QSet<QString> uninformative = {
        QStringLiteral("c"),
        QStringLiteral("program files"),
        QStringLiteral("program files (x86)"),
        QStringLiteral("programdata"),
        QStringLiteral("windows"),
        QStringLiteral("system32"),
        QStringLiteral("syswow64"),
        QStringLiteral("bin"),
        QStringLiteral("common files"),
        QStringLiteral("users"),
        QStringLiteral("appdata"),
        QStringLiteral("local"),
        QStringLiteral("roaming"),
        QStringLiteral("programs"),
    };
    static const QRegularExpression separators(QStringLiteral("[\\\\/]+"));
    QStringList parts = path.split(separators, Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return {};
    TargetParts target;
    const QString file = parts.takeLast();
    const qsizetype dot = file.lastIndexOf(u'.');
    target.executable = dot > 0 ? file.left(dot) : file;
    for (const QString& folder : parts) {
        const QString folded = folder.toCaseFolded();
        if (!folded.endsWith(u':') && !folded.startsWith(u'%') && !uninformative.contains(folded))
            target.folders += folder;
    }
    return target;
}

QString vendorOf(const QString& folders) {
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    return folders.section(separators, 0, 0).toCaseFolded();
}

} // namespace tvn
