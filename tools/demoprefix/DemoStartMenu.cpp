#include "tools/demoprefix/DemoStartMenu.h"

namespace tvn::tools {

namespace {

DemoFile shortcut(const char* path, const char* target, const char* description,
                  const char* arguments = "") {
    return {QString::fromUtf8(path),
            QString::fromUtf8(target),
            QString::fromUtf8(description),
            QString::fromUtf8(arguments),
            {},
            {}};
}

DemoFile hidden(DemoFile file, const char* attributes) {
    file.dosAttributes = attributes;
    return file;
}

DemoFile plainFile(const char* path, const QByteArray& content, const char* attributes = "") {
    return {QString::fromUtf8(path), {}, {}, {}, attributes, content};
}

QByteArray desktopIni(const char* folderName) {
    return "\r\n[.ShellClassInfo]\r\nLocalizedResourceName=" + QByteArray(folderName) + "\r\n";
}

} // namespace

std::vector<DemoFile> demoProgramsTree() {
    return {
        shortcut("Brightfold Software/Brightfold Ledger/Brightfold Ledger.lnk",
                 "C:\\Program Files\\Brightfold Software\\Ledger\\ledger.exe",
                 "Household accounts and budgets"),
        shortcut("Brightfold Software/Brightfold Ledger/Brightfold Ledger Help.lnk",
                 "C:\\Program Files\\Brightfold Software\\Ledger\\ledger.chm",
                 "Help for Brightfold Ledger"),
        shortcut("Brightfold Software/Brightfold Ledger/ReadMe.lnk",
                 "C:\\Program Files\\Brightfold Software\\Ledger\\readme.txt",
                 "Latest notes on Brightfold Ledger"),
        shortcut("Brightfold Software/Brightfold Ledger/Uninstall Brightfold Ledger.lnk",
                 "C:\\Program Files\\Brightfold Software\\Ledger\\uninstall.exe",
                 "Remove Brightfold Ledger", "/ledger"),
        shortcut("Brightfold Software/Brightfold Planner/Brightfold Planner.lnk",
                 "C:\\Program Files\\Brightfold Software\\Planner\\planner.exe",
                 "Diary, tasks and reminders"),
        shortcut("Brightfold Software/Brightfold Planner/ReadMe.lnk",
                 "C:\\Program Files\\Brightfold Software\\Planner\\readme.txt",
                 "Latest notes on Brightfold Planner"),
        shortcut("Brightfold Software/Brightfold Planner/Product registration.lnk",
                 "C:\\Program Files\\Brightfold Software\\Planner\\register.exe",
                 "Register your copy of Brightfold Planner"),
        shortcut("Brightfold Software/Brightfold Planner/uninstall planner.lnk",
                 "C:\\Program Files\\Brightfold Software\\Planner\\uninstall.exe",
                 "Remove Brightfold Planner", "/planner"),
        plainFile("Brightfold Software/Brightfold on the Web.url",
                  "[InternetShortcut]\r\nURL=http://brightfold.example/\r\n"),

        shortcut("Marrowby Games/Cinderpeak.lnk",
                 "C:\\Program Files\\Marrowby Games\\Cinderpeak\\cinderpeak.exe",
                 "Climb the burning mountain"),
        shortcut("Marrowby Games/Cinderpeak Manual.lnk",
                 "C:\\Program Files\\Marrowby Games\\Cinderpeak\\manual.pdf", "Cinderpeak manual"),
        shortcut("Marrowby Games/Cinderpeak readme.lnk",
                 "C:\\Program Files\\Marrowby Games\\Cinderpeak\\readme.txt",
                 "Cinderpeak release notes"),
        shortcut("Marrowby Games/Harbour Lights Solitaire.lnk",
                 "C:\\Program Files\\Marrowby Games\\Harbour Lights\\harbour.exe",
                 "Patience games by the sea"),
        shortcut("Marrowby Games/Tidewater Chess Game.lnk",
                 "C:\\Program Files\\Marrowby Games\\Tidewater\\chess.exe", "Chess for two"),
        shortcut("Marrowby Games/Uninstall Marrowby Games.lnk",
                 "C:\\Program Files\\Marrowby Games\\uninstall.exe", "Remove Marrowby Games"),

        shortcut("Quillon/Quillon Writer.lnk", "C:\\Program Files\\Quillon\\writer.exe",
                 "Word processor"),
        shortcut("Quillon/Quillon Sheets.lnk", "C:\\Program Files\\Quillon\\sheets.exe",
                 "Spreadsheets"),
        shortcut("Quillon/Quillon Help.lnk", "C:\\Program Files\\Quillon\\quillon.chm",
                 "Help for Quillon"),
        shortcut("Quillon/Quillon Tools/Quillon Update Check.lnk",
                 "C:\\Program Files\\Quillon\\Tools\\update.exe", "Look for a newer Quillon",
                 "--check"),
        shortcut("Quillon/Quillon Tools/Licence.txt.lnk", "C:\\Program Files\\Quillon\\licence.txt",
                 "Quillon licence"),

        shortcut("Tesselate Labs/Tesselate Paint/Tesselate Paint.lnk",
                 "C:\\Program Files\\Tesselate Labs\\Paint\\tpaint.exe", "Paint and retouch"),
        shortcut("Tesselate Labs/Tesselate Paint/Tesselate Paint Help.lnk",
                 "C:\\Program Files\\Tesselate Labs\\Paint\\tpaint.chm", "Aide de Tesselate Paint"),
        shortcut("Tesselate Labs/Tesselate Paint/Lisez-moi.lnk",
                 "C:\\Program Files\\Tesselate Labs\\Paint\\lisezmoi.txt", "Notes de version"),
        shortcut("Tesselate Labs/Tesselate Paint/Désinstaller Tesselate Paint.lnk",
                 "C:\\Program Files\\Tesselate Labs\\Paint\\desinstaller.exe",
                 "Désinstaller Tesselate Paint"),
        shortcut("Tesselate Labs/Tesselate Viewer.LNK",
                 "C:\\Program Files\\Tesselate Labs\\Viewer\\tview.exe", "Look at pictures"),

        shortcut("Orrery Media/Orrery Player.lnk", "C:\\Program Files\\Orrery Media\\player.exe",
                 "Play music and films"),
        shortcut("Orrery Media/Orrery Disc Maker.lnk",
                 "C:\\Program Files\\Orrery Media\\discmaker.exe", "Burn discs"),
        shortcut("Orrery Media/Release notes.lnk", "C:\\Program Files\\Orrery Media\\notes.txt",
                 "What is new in Orrery Media"),
        shortcut("Orrery Media/Uninstall Orrery Media.lnk",
                 "C:\\Program Files\\Orrery Media\\uninstall.exe", "Remove Orrery Media"),

        shortcut("Ventaglio/Ventaglio Atlante.lnk", "C:\\Program Files\\Ventaglio\\atlante.exe",
                 "Atlante del mondo"),
        shortcut("Ventaglio/Guida rapida.lnk", "C:\\Program Files\\Ventaglio\\guida.hlp",
                 "Guida rapida di Ventaglio Atlante"),
        shortcut("Ventaglio/Disinstalla Ventaglio Atlante.lnk",
                 "C:\\Program Files\\Ventaglio\\disinstalla.exe", "Disinstalla Ventaglio"),

        shortcut("Pennywhistle Studios/Pennywhistle Sound Editor.lnk",
                 "C:\\Program Files\\Pennywhistle\\sounded.exe", "Edit sound recordings"),
        shortcut("Pennywhistle Studios/Pennywhistle Sound Editor Help.lnk",
                 "C:\\Program Files\\Pennywhistle\\sounded.hlp", "Help for the sound editor"),

        shortcut("Halcyon Forge/Halcyon Code Studio.lnk",
                 "C:\\Program Files\\Halcyon Forge\\bin\\studio.exe", "Write and build programs"),
        shortcut("Halcyon Forge/Halcyon SDK Documentation.lnk",
                 "C:\\Program Files\\Halcyon Forge\\docs\\index.html", "SDK documentation"),
        plainFile("Halcyon Forge/desktop.ini", desktopIni("Halcyon Forge"), "0x6"),

        shortcut("Duskmere Net/Duskmere Mail.lnk", "C:\\Program Files\\Duskmere\\mail.exe",
                 "Read and send e-mail"),
        shortcut("Duskmere Net/Duskmere Browser.lnk", "C:\\Program Files\\Duskmere\\browse.exe",
                 "Browse the web"),
        shortcut("Duskmere Net/.Duskmere Updater.lnk", "C:\\Program Files\\Duskmere\\update.exe",
                 "Keeps Duskmere up to date", "--quiet"),

        shortcut("Kestrel Bay Utilities/Disk Tidy.lnk",
                 "C:\\Program Files\\Kestrel Bay\\disktidy.exe", "Free space on your disks"),
        shortcut("Kestrel Bay Utilities/System Monitor.lnk",
                 "C:\\Program Files\\Kestrel Bay\\sysmon.exe", "Watch the processor and memory"),
        shortcut("Kestrel Bay Utilities/Kestrel Bay Utilities Help.lnk",
                 "C:\\Program Files\\Kestrel Bay\\kbu.chm", "Help for Kestrel Bay Utilities"),
        shortcut("Kestrel Bay Utilities/Uninstall Kestrel Bay Utilities.lnk",
                 "C:\\Program Files\\Kestrel Bay\\uninstall.exe", "Remove Kestrel Bay Utilities"),
        hidden(shortcut("Kestrel Bay Utilities/Service Agent.lnk",
                        "C:\\Program Files\\Kestrel Bay\\agent.exe", "Background service"),
               "0x2"),

        shortcut("StartUp/Orrery Tray.lnk", "C:\\Program Files\\Orrery Media\\tray.exe",
                 "Orrery Media in the notification area", "/minimized"),

        shortcut("Wordsmith Dictionary.lnk", "C:\\Program Files\\Wordsmith\\dictionary.exe",
                 "English dictionary and thesaurus"),
        shortcut("Stargazer Planetarium.lnk", "C:\\Program Files\\Stargazer\\planetarium.exe",
                 "The night sky on your screen"),
        plainFile("desktop.ini", desktopIni("Programs"), "0x6"),
    };
}

std::vector<DemoFile> demoAllUsersProgramsTree() {
    return {
        shortcut("Marrowby Games/Cinderpeak Editor.lnk",
                 "C:\\Program Files\\Marrowby Games\\Cinderpeak\\editor.exe",
                 "Build your own mountains"),
        shortcut("Lanternfish Backup/Lanternfish Backup.lnk",
                 "C:\\Program Files\\Lanternfish\\backup.exe", "Back up your files every night"),
        shortcut("Lanternfish Backup/Lanternfish Backup Help.lnk",
                 "C:\\Program Files\\Lanternfish\\backup.chm", "Help for Lanternfish Backup"),
        shortcut("Lanternfish Backup/Uninstall Lanternfish Backup.lnk",
                 "C:\\Program Files\\Lanternfish\\uninstall.exe", "Remove Lanternfish Backup"),
        shortcut("Zephyr Remote Desktop.lnk", "C:\\Program Files\\Zephyr\\remote.exe",
                 "Work on another computer from this one"),
        plainFile("desktop.ini", desktopIni("Programs"), "0x6"),
    };
}

} // namespace tvn::tools
