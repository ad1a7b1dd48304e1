#pragma once

#include "catalogue/ProgramState.h"
#include "catalogue/Tvn.h"
#include "catalogue/VectorListBox.h"
#include "catalogue/Window.h"

#include <array>
#include <functional>
#include <QStringList>

namespace tvn::test {

// The main window as the catalogue and store procedures see it, without any widget.
class FakeWindow final : public Window {
public:
    FakeWindow();

    void showConfig() override { ++showConfigCalls; }
    void setLanguagePictureVisible(bool visible) override { previewPictureVisible = visible; }
    void setHelpCoverVisible(bool visible) override { about2Visible = visible; }
    QString progressText() const override { return progress; }
    void setProgressText(const QString& text) override {
        progress = text;
        progressHistory.append(text);
    }
    QString debugText() const override { return debug; }
    bool hideHelpShortcuts() const override { return hideHelp; }
    QString categoryCaption(int k) const override { return captions.at(static_cast<size_t>(k)); }
    void setCategoryCaption(int k, const QString& caption) override {
        captions.at(static_cast<size_t>(k)) = caption;
    }
    QString messageText(Message message) const override {
        return QStringLiteral("message %1").arg(static_cast<int>(message));
    }
    void reportFailedEntries(const std::vector<FailedEntry>& entries, bool) override {
        failedReports.push_back(entries);
    }
    void reportUnreadableFolders(const QStringList& folders) override {
        unreadableReports.append(folders);
    }
    void syncDesktopMenu() override {
        if (onSyncDesktopMenu)
            onSyncDesktopMenu();
    }

    int showConfigCalls = 0;
    bool previewPictureVisible = false;
    bool about2Visible = false;
    QString progress;
    QStringList progressHistory; // every text written to the progress label, in order
    QString debug;
    bool hideHelp = true;
    std::array<QString, kCategoryCount> captions;
    std::vector<std::vector<FailedEntry>> failedReports;
    QList<QStringList> unreadableReports;
    std::function<void()> onSyncDesktopMenu;
};

// The nine catalogue lists as plain vectors; the visible sorted ones are sorted here too.
struct FakeLists {
    VectorListBox progs, progsDirs, fast, fastDirs;
    VectorListBox notYet{true}, notYetDirs;
    VectorListBox purgeList{true}, purgeDirs;
    VectorListBox listModify;

    CatalogueLists refs() {
        return {progs,      progsDirs, fast,      fastDirs,  notYet,
                notYetDirs, purgeList, purgeDirs, listModify};
    }
};

} // namespace tvn::test
