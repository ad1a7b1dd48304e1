#pragma once

#include <array>
#include <memory>
#include <QString>
#include <QWidget>

class QFrame;

namespace tvn {

class FileSystem;
class ShellFolders;
class Ui;

// The main window as a tool outside the program sees it (the control locator of the screenshot
// walk): built and shown as the program builds it, with the texts of one language read from a
// program folder, and the panels of its right column. The tool needs nothing else of the
// window's header.
struct MeasuredWindow {
    std::unique_ptr<QWidget> window;
    std::array<QFrame*, 7> panels{};
};

MeasuredWindow openMeasuredWindow(Ui& ui, FileSystem& fs, ShellFolders& shellFolders,
                                  const QString& programFolder, int languageIndex);

} // namespace tvn
