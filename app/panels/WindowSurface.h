#pragma once

#include <QObject>
#include <QString>

class QFrame;
class QLabel;
class QWidget;

namespace tvn {

class FileSystem;
struct ProgramFolders;
class Ui;

// The window around the panels: the left column (the language picture, and the about frame
// that replaces it while the picture is held down or help shows), the status frame under the
// panels with the wait text and the progress line, and the help cover that lies over them while
// help shows. Its controls are the window's own children, placed in the window's coordinates
// and stacked under the panels, which are created after them.
class WindowSurface final : public QObject {
    Q_OBJECT

public:
    explicit WindowSurface(QWidget& window);

    // Places the areas where start-up puts them: the picture shown, the about frame and the help
    // cover hidden.
    void layOut();
    void setLanguagePictureVisible(bool visible);
    void loadLanguagePicture(Ui& ui, FileSystem& fs, const ProgramFolders& folders,
                             int languageIndex);
    void hideAboutFrame();
    void setHelpCoverVisible(bool visible);
    // Help shows over the panels: the about frame in place of the picture, the cover without its
    // wait text, since nothing runs meanwhile. `uncoverAfterHelp` puts everything back.
    void coverForHelp();
    void uncoverAfterHelp();
    QString progressText() const;
    void setProgressText(const QString& text);
    // The version and credit lines of the about frame and the help cover.
    void showVersion(const QString& version, const QString& credit);
    // The line under the panels that says the desktop menu sync runs, or is done: made hidden
    // the first time a desktop menu is given, over everything made before it.
    void addDesktopMenuStatus();
    void setDesktopMenuStatus(const QString& text);
    void showDesktopMenuStatus();

    // The hint to use the taskbar's small icons, and whether the option it names exists here
    // (Windows only).
    static QString smallIconsHintText();
    static bool showsSmallIconsHint();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    QFrame* statusFrame = nullptr;       // the sunken frame under the panels
    QLabel* pleaseWait = nullptr;        // under the panels: please wait
    QLabel* progressLine = nullptr;      // under the panels: progress of a long operation
    QLabel* languagePicture = nullptr;   // held down, shows the about frame
    QFrame* aboutFrame = nullptr;        // version and credits in place of the picture
    QLabel* aboutTitle = nullptr;        // the about frame: product title
    QFrame* helpCover = nullptr;         // over the panels while help shows
    QLabel* helpCoverTitle = nullptr;    // helpCover: product title
    QLabel* helpCoverWait = nullptr;     // helpCover: please wait
    QLabel* smallIconsHint = nullptr;    // helpCover: the small-icons hint
    QLabel* desktopMenuStatus = nullptr; // under the panels: the sync runs, or is done
    // The mouse went down on the picture and the about frame shows until it comes up.
    bool pictureHeld_ = false;
};

} // namespace tvn
