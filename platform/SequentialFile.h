#pragma once

#include <optional>
#include <QByteArray>
#include <QString>

namespace tvn {

class FileSystem;

// One item of a sequential data file, as read: its text without the quotes, and whether it
// was quoted.
struct SequentialItem {
    QString text;
    bool quoted = false;
};

// Reads the items of a sequential data file (Config.tvn, Custom.tvn, Default.tvn, the language
// files): items are separated by commas or line ends (CR LF, a bare LF or a lone CR); blanks
// (spaces and tabs) before an item are skipped; a quoted item runs to the next double quote and
// may hold commas and line ends (an unterminated one runs to the end of the text), and what
// follows the closing quote up to the next separator is dropped; an unquoted item ends at a
// comma or the line end, its trailing blanks trimmed; an empty line is an empty item. Reading
// takes time linear in the text, whatever it holds.
class SequentialReader {
public:
    explicit SequentialReader(QString text);

    // Opens a data file (decoded as decodeDataFile says); nothing when it cannot be read.
    static std::optional<SequentialReader> open(FileSystem& fs, const QString& path);

    // True when no character is left to read (the last item's line end included).
    bool atEnd() const;
    // The next item; an empty unquoted item at the end of the file.
    SequentialItem next();

private:
    QString text_;
    qsizetype pos_ = 0;
};

// The conversions a read item takes into the variable it is read into. Each gives nothing
// where the original would raise a type-mismatch or overflow error. An empty unquoted item reads
// as False or 0, #TRUE# and #FALSE# as -1 and 0, a quoted "True" or "False" as that Boolean, and
// a decimal fraction is rounded half to even ("2.5" -> 2, "3.5" -> 4).
std::optional<bool> itemToBoolean(const SequentialItem& item);  // #TRUE#, #FALSE#, or a number
std::optional<int> itemToInteger16(const SequentialItem& item); // a number in -32768..32767
// The text a caption takes: a quoted item as it stands; an unquoted one that reads as a number
// in its normal decimal form ("007" -> "7"); any other unquoted item as it stands.
QString itemToCaption(const SequentialItem& item);

// Writes records in the sequential write format, each line ended by CR LF: Booleans as
// #TRUE#/#FALSE#, strings between double quotes without escaping, numbers in decimal.
class SequentialWriter {
public:
    void writeBoolean(bool value);
    void writeString(const QString& value);
    void writeNumber(int value);

    // False once a string held a double quote, which the format cannot carry back.
    bool faithful() const { return faithful_; }
    QString text() const { return text_; }
    // The encoded file content (encodeDataFile).
    QByteArray bytes() const;
    // Writes the whole file through the file system's temporary-file-and-rename; refuses
    // (false, nothing written) when the content is not faithful.
    bool save(FileSystem& fs, const QString& path) const;

private:
    QString text_;
    bool faithful_ = true;
};

} // namespace tvn
