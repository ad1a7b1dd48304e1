#include "store/ConfigFile.h"

#include "platform/SequentialFile.h"

#include <optional>

namespace tvn {

namespace {

bool isCheckBoxValue(int value) {
    return value >= 0 && value <= 2;
}

bool isLanguageIndex(int value) {
    return value >= 0 && value <= 2;
}

// Reads the records one after the other; a read fails at the end of the file or when the item
// does not fit its setting.
class RecordReader {
public:
    explicit RecordReader(std::optional<SequentialReader> reader)
        : reader_(std::move(reader)) {}

    int recordsRead() const { return read_; }

    bool boolean(bool& into) {
        auto item = nextItem();
        auto value = item ? itemToBoolean(*item) : std::nullopt;
        return store(value, into);
    }

    bool string(QString& into) {
        auto item = nextItem();
        return store(item ? std::optional<QString>(item->text) : std::nullopt, into);
    }

    bool number(int& into, bool (*accepted)(int)) {
        auto item = nextItem();
        auto value = item ? itemToInteger16(*item) : std::nullopt;
        if (value && !accepted(*value))
            value.reset();
        return store(value, into);
    }

private:
    std::optional<SequentialItem> nextItem() {
        if (!reader_ || reader_->atEnd())
            return std::nullopt;
        return reader_->next();
    }

    template <typename T> bool store(const std::optional<T>& value, T& into) {
        if (!value)
            return false;
        into = *value;
        ++read_;
        return true;
    }

    std::optional<SequentialReader> reader_;
    int read_ = 0;
};

} // namespace

int readConfigFile(FileSystem& fs, const QString& path, ConfigRecords& records) {
    RecordReader in(SequentialReader::open(fs, path));
    // Each read runs only when the one before it succeeded.
    static_cast<void>(in.boolean(records.configured) && in.string(records.windowsDrive) &&
                      in.string(records.startMenuPath) && in.string(records.programsPath) &&
                      in.number(records.skipIntroduction, isCheckBoxValue) &&
                      in.number(records.languageIndex, isLanguageIndex) &&
                      in.number(records.hideHelpShortcuts, isCheckBoxValue) &&
                      in.string(records.debugText));
    return in.recordsRead();
}

bool writeConfigFile(FileSystem& fs, const QString& path, const ConfigRecords& records) {
    SequentialWriter out;
    out.writeBoolean(records.configured);
    out.writeString(records.windowsDrive);
    out.writeString(records.startMenuPath);
    out.writeString(records.programsPath);
    out.writeNumber(records.skipIntroduction);
    out.writeNumber(records.languageIndex);
    out.writeNumber(records.hideHelpShortcuts);
    out.writeString(records.debugText);
    return out.save(fs, path);
}

} // namespace tvn
