#include "platform/PrefixConfigFiles.h"

#include <algorithm>
#include <QByteArray>

namespace tvn::prefixes {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// Calls `take` with each line of the text, without its line end.
template <typename Take> void forEachLine(QByteArrayView text, Take take) {
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        QByteArrayView line = text.sliced(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        take(line);
        start = end + 1;
    }
}

qsizetype indentOf(QByteArrayView line) {
    qsizetype indent = 0;
    while (indent < line.size() && isBlank(line[indent]))
        ++indent;
    return indent;
}

bool isBlankOrComment(QByteArrayView text) {
    const QByteArrayView rest = text.sliced(indentOf(text));
    return rest.isEmpty() || rest[0] == '#';
}

// The position after "key:" at the start of `text`, when the colon is followed by the end of
// the line or a blank (a mapping key, not a longer name or a "key:value" text).
std::optional<qsizetype> afterKey(QByteArrayView text, QByteArrayView key) {
    if (!text.startsWith(key))
        return std::nullopt;
    qsizetype pos = key.size();
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    if (pos >= text.size() || text[pos] != ':')
        return std::nullopt;
    ++pos;
    if (pos < text.size() && !isBlank(text[pos]))
        return std::nullopt;
    return pos;
}

// A scalar on one line: '...' (with '' for a quote), "..." (with backslash escapes) or plain
// (up to a " #" comment). An unclosed quote, an empty value or a null reads as nothing.
std::optional<QString> scalar(QByteArrayView text) {
    text = text.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    QByteArray value;
    const char quote = text[0];
    if (quote == '\'' || quote == '"') {
        bool closed = false;
        for (qsizetype i = 1; i < text.size() && !closed; ++i) {
            const char c = text[i];
            if (quote == '\'' && c == '\'' && i + 1 < text.size() && text[i + 1] == '\'') {
                value += '\'';
                ++i;
            } else if (quote == '"' && c == '\\' && i + 1 < text.size()) {
                const char escaped = text[++i];
                value += escaped == 't' ? '\t' : escaped == 'n' ? '\n' : escaped;
            } else if (c == quote) {
                closed = true;
            } else {
                value += c;
            }
        }
        if (!closed)
            return std::nullopt;
    } else {
        qsizetype end = text.size();
        for (qsizetype i = 1; i < text.size(); ++i) {
            if (text[i] == '#' && isBlank(text[i - 1])) {
                end = i;
                break;
            }
        }
        value = text.first(end).trimmed().toByteArray();
        if (value == "~" || value == "null" || value == "Null" || value == "NULL")
            return std::nullopt;
    }
    if (value.isEmpty())
        return std::nullopt;
    return QString::fromUtf8(value);
}

bool isNumber(const QByteArray& text) {
    if (text.isEmpty())
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

} // namespace

std::optional<QString> lutrisValue(QByteArrayView yml, const char* block, const char* key) {
    bool inBlock = false;
    qsizetype childIndent = -1;
    std::optional<QString> value;
    bool found = false;
    forEachLine(yml, [&](QByteArrayView line) {
        if (found || isBlankOrComment(line))
            return;
        const qsizetype indent = indentOf(line);
        const QByteArrayView text = line.sliced(indent);
        if (indent == 0) {
            const auto end = afterKey(text, block);
            inBlock = end && isBlankOrComment(text.sliced(*end));
            childIndent = -1;
            return;
        }
        if (!inBlock)
            return;
        if (childIndent < 0)
            childIndent = indent;
        if (indent != childIndent)
            return;
        if (const auto end = afterKey(text, key)) {
            value = scalar(text.sliced(*end));
            found = true;
        }
    });
    return value;
}

std::optional<QString> lutrisGamePrefix(QByteArrayView yml) {
    return lutrisValue(yml, "game", "prefix");
}

namespace {

// Calls `take(depth, tokens)` with the tokens of each line of a Valve key-value file and the
// depth of braces they stand at. Quoted and bare tokens, the escapes of a backslash and of a
// double quote, // comments; a brace ends the line before it.
template <typename Take> void forEachVdfLine(QByteArrayView vdf, Take take) {
    int depth = 0;
    QList<QByteArray> tokens; // those of the current line
    const auto endLine = [&] {
        if (!tokens.isEmpty())
            take(depth, tokens);
        tokens.clear();
    };
    const qsizetype n = vdf.size();
    qsizetype i = 0;
    while (i < n) {
        const char c = vdf[i];
        if (c == '\n') {
            endLine();
            ++i;
        } else if (isBlank(c)) {
            ++i;
        } else if (c == '{' || c == '}') {
            endLine();
            depth = c == '{' ? depth + 1 : std::max(depth - 1, 0);
            ++i;
        } else if (c == '/' && i + 1 < n && vdf[i + 1] == '/') {
            while (i < n && vdf[i] != '\n')
                ++i;
        } else if (c == '"') {
            QByteArray token;
            for (++i; i < n && vdf[i] != '"'; ++i) {
                if (vdf[i] == '\\' && i + 1 < n && (vdf[i + 1] == '\\' || vdf[i + 1] == '"'))
                    ++i;
                token += vdf[i];
            }
            ++i;
            tokens.append(token);
        } else {
            QByteArray token;
            for (; i < n && !isBlank(vdf[i]) && vdf[i] != '\n' && vdf[i] != '"' && vdf[i] != '{' &&
                   vdf[i] != '}';
                 ++i)
                token += vdf[i];
            tokens.append(token);
        }
    }
    endLine();
}

} // namespace

QStringList steamLibraryPaths(QByteArrayView vdf) {
    QStringList paths;
    forEachVdfLine(vdf, [&](int depth, const QList<QByteArray>& tokens) {
        if (tokens.size() == 2 && !tokens[1].isEmpty() &&
            (tokens[0].compare("path", Qt::CaseInsensitive) == 0 ||
             (depth == 1 && isNumber(tokens[0]))))
            paths.append(QString::fromUtf8(tokens[1]));
    });
    return paths;
}

std::optional<QString> steamAppName(QByteArrayView acf) {
    std::optional<QString> name;
    forEachVdfLine(acf, [&](int depth, const QList<QByteArray>& tokens) {
        if (!name && depth == 1 && tokens.size() == 2 &&
            tokens[0].compare("name", Qt::CaseInsensitive) == 0) {
            const QString value = QString::fromUtf8(tokens[1]).trimmed();
            if (!value.isEmpty())
                name = value;
        }
    });
    return name;
}

} // namespace tvn::prefixes
