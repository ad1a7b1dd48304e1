#pragma once

#include "tests/support/TempTree.h"

#include <gtest/gtest.h>
#include <QStringList>

namespace tvn::test {

// A real temporary folder and a file system to test on it.
template <typename Fs> class FileSystemTest : public ::testing::Test {
protected:
    QString path(const QString& relative) const { return tree.path(relative); }

    QStringList shortcuts(const QString& relative = {}) {
        const auto listing = fs.listFolder(path(relative));
        EXPECT_TRUE(listing.has_value());
        return listing ? listing->shortcuts : QStringList();
    }

    QStringList subfolders(const QString& relative = {}) {
        const auto listing = fs.listFolder(path(relative));
        EXPECT_TRUE(listing.has_value());
        return listing ? listing->subfolders : QStringList();
    }

    TempTree tree;
    Fs fs;
};

} // namespace tvn::test
