#pragma once

#include "ProgramState.h"
#include "Tvn.h"
#include "VectorListBox.h"
#include "Window.h"

#include <array>
#include <functional>
#include <memory>
#include <QWidget>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;

namespace tvn {

class ButtonRoles;
class FileSystem;
class QtListBox;
class ShellFolders;
class Ui;

// The program's one working window. Its screens are panels that share the right column;
// exactly one of them is visible after every navigation. Controls carry their names as
// object names and as members, and every handler runs to completion on the event thread.
class FrmMain final : public QWidget, public Window {
    Q_OBJECT

public:
    FrmMain(Ui& ui, FileSystem& fs, ShellFolders& shellFolders,
            std::function<QString()> currentFolder, QWidget* parent = nullptr);
    ~FrmMain() override;

    // Told the Programs folders (the user's and the all-users one) each time the settings are
    // applied and at each analysis, so that the file system can refuse every change inside
    // those trees.
    void setProgramsGuard(std::function<void(const QStringList&)> guard);

    ProgramState& state() { return state_; }
    Tvn& tvn() { return *tvn_; }
    // The panels of the right column, in no particular order.
    std::array<QFrame*, 7> panels() const;
    QPushButton* defaultButton() const;
    QPushButton* cancelButton() const;

    // Window: what the catalogue and store procedures read and act on.
    void ShowConfig() override;
    void setPreviewPictureVisible(bool visible) override;
    void setAbout2Visible(bool visible) override;
    QString progressText() const override;
    void setProgressText(const QString& text) override;
    QString debugText() const override;
    bool hideHelpShortcuts() const override;
    QString categoryCaption(int k) const override;
    void setCategoryCaption(int k, const QString& caption) override;
    QString messageText(int k) const override;

    // Panel-showing procedures: each shows its panel and arms its Enter and Esc buttons.
    void ShowMenu();
    void ShowIntroduction();
    void ShowLanguages();
    void ShowModify();
    void ShowPurges();
    void ReadShellFolders();
    void OpenCreationPanel();
    void ReadLanguageChoice();
    bool CheckDrive();
    void ApplySettings();

    // Start-up and exit.
    void Form_Load();
    void Form_Unload();
    void CContinue_Click();
    void DoNotShowAgain_Click();
    void DoNotShowAgain2_Click();
    void Command3_Click();
    void Command4_Click();
    void CExit_Click();
    // Back to the main menu from the Creation, Modify and Purges panels.
    void Command10_Click();
    void Command2_Click();
    void Command1_Click();
    // The main menu and the Creation panel.
    void CAdd_Click();
    void CReAnalyse_Click();
    void Categories_Click(int index);
    void Categories_MouseDown(int index, Qt::MouseButton button, const QPoint& globalPos);
    void MnuChangeCategorie_Click();
    // The Modify panel and moving copies.
    void Command6_Click();
    void CRemove_Click();
    void CMove_Click();
    void Command8_Click();
    // The orphan purge and the reset.
    void CShowPurges_Click();
    void CPurge_Click();
    void Command7_Click();
    // Settings.
    void COK_Click();
    void Command5_Click();
    void CmdDebug_Click();
    // Languages.
    void CmdLanguageOK_Click();
    void CmdChangeLanguage_Click();
    void LoadLanguageTexts();
    void LoadLanguagePicture();
    void Version_Click();
    // Help, information and the picture.
    void Command9_Click();
    void Command11_Click();
    void PreviewPicture_MouseDown();
    void PreviewPicture_MouseUp();

    // Window surface.
    QLabel* PreviewPicture = nullptr;
    QFrame* About = nullptr;
    QLabel* Label30 = nullptr;
    QFrame* About2 = nullptr;
    QLabel* Label32 = nullptr;
    QLabel* Label35 = nullptr;
    QLabel* Label6 = nullptr;
    QFrame* Picture5 = nullptr;
    QLabel* Label17 = nullptr;
    QLabel* Label31 = nullptr;
    // The debug frame, below the window's bottom edge.
    QGroupBox* Frame1 = nullptr;
    QLineEdit* DebugBox = nullptr;
    QPushButton* CmdDebug = nullptr;
    // The store of hidden labels and lists, right of the window's right edge.
    QFrame* Picture1 = nullptr;
    std::array<QLabel*, kMessageCount> Msg{}; // Msg[k - 1] is the label Msg<k>
    QComboBox* Drive1 = nullptr;
    std::array<QRadioButton*, 4> Version{};
    QLabel* Label26 = nullptr;
    QLabel* Label27 = nullptr;

    QFrame* Languages = nullptr;
    QLabel* Label37 = nullptr;
    QLabel* Label36 = nullptr;
    QLabel* Label14 = nullptr;
    std::array<QRadioButton*, 3> Language{};
    std::array<QLabel*, 3> Flag{};
    QPushButton* CmdLanguageOK = nullptr;
    QPushButton* Command4 = nullptr;

    QFrame* Introduction = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label7 = nullptr;
    QCheckBox* DoNotShowAgain = nullptr;
    QPushButton* CContinue = nullptr;
    QPushButton* Command3 = nullptr;

    QFrame* Menu = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label8 = nullptr;
    QPushButton* CAdd = nullptr;
    QLabel* Label10 = nullptr;
    QPushButton* Command6 = nullptr;
    QLabel* Label12 = nullptr;
    QPushButton* CShowPurges = nullptr;
    QLabel* Label11 = nullptr;
    QPushButton* Command7 = nullptr;
    QLabel* Label13 = nullptr;
    QPushButton* CExit = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* CReAnalyse = nullptr;
    QPushButton* Command9 = nullptr;
    QPushButton* Command11 = nullptr;

    QFrame* Creation = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* Label38 = nullptr;
    QLabel* Label100 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* Label39 = nullptr;
    QListWidget* NotYet = nullptr;
    std::array<QPushButton*, kCategoryCount> Categories{};
    QPushButton* Command10 = nullptr;
    QPushButton* Command8 = nullptr;
    QMenu* MnuPopup = nullptr;
    QAction* MnuChangeCategorie = nullptr;

    QFrame* Modify = nullptr;
    QLabel* Label21 = nullptr;
    QLabel* Label22 = nullptr;
    QLabel* Label23 = nullptr;
    QListWidget* ListModify = nullptr;
    QPushButton* CRemove = nullptr;
    QPushButton* CMove = nullptr;
    QPushButton* Command2 = nullptr;

    QFrame* Purges = nullptr;
    QLabel* Label18 = nullptr;
    QLabel* Label19 = nullptr;
    QLabel* Label20 = nullptr;
    QListWidget* PurgeList = nullptr;
    QPushButton* CPurge = nullptr;
    QPushButton* Command1 = nullptr;

    QFrame* Config = nullptr;
    QLabel* Label24 = nullptr;
    QLabel* Label25 = nullptr;
    QLabel* Label28 = nullptr;
    QLineEdit* StartMenuCustomPath = nullptr;
    QLabel* Label29 = nullptr;
    QLineEdit* ProgramsMenuCustomPath = nullptr;
    QCheckBox* ChkHide = nullptr;
    QCheckBox* DoNotShowAgain2 = nullptr;
    QPushButton* CmdChangeLanguage = nullptr;
    QPushButton* COK = nullptr;

    // The hidden catalogue lists; the visible ones are adapters over NotYet, PurgeList and
    // ListModify.
    VectorListBox Progs;
    VectorListBox Progs_Dirs;
    VectorListBox Fast;
    VectorListBox Fast_Dirs;
    VectorListBox NotYet_Dirs;
    VectorListBox Purge_Dirs;
    std::unique_ptr<QtListBox> notYetBox;
    std::unique_ptr<QtListBox> purgeListBox;
    std::unique_ptr<QtListBox> listModifyBox;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindowSurface();
    void buildHiddenStore();
    void buildLanguagesPanel();
    void buildIntroductionPanel();
    void buildMenuPanel();
    void buildCreationPanel();
    void buildModifyPanel();
    void buildPurgesPanel();
    void buildConfigPanel();
    void connectHandlers();
    // Places every panel and area where start-up puts them, all panels hidden.
    void LayOutWindow();
    QFrame* makePanel(const QString& name);

    // The settings file.
    void LoadSettings();
    void KillConfig(bool silent);
    QString configFilePath() const;
    // The folder exists, can be listed, and its path can be stored in Config.tvn.
    bool usableFolder(const QString& path);

    // Hides the panel being left and lets the window repaint before the work starts.
    void leavePanel(QFrame* panel);
    // Back to the main menu after the classified copies may have changed on disk.
    void returnToMenu(QFrame* panel);

    Ui& ui_;
    FileSystem& fs_;
    ShellFolders& shellFolders_;
    std::function<QString()> currentFolder_;
    ProgramState state_;
    std::unique_ptr<ButtonRoles> roles_;
    std::unique_ptr<Tvn> tvn_;
    // The mouse went down on the picture and the About frame shows until it comes up.
    bool pictureHeld_ = false;
};

} // namespace tvn
