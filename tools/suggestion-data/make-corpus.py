#!/usr/bin/env python3
"""Builds the suggestion's measuring corpus and the known-programs table from public lists.

make-corpus.py MAC_JSON WINDOWS_MD WINDOWS2_MD MAC_MD LINUX_MD OUT_DIR

MAC_JSON    applications.json of serhii-londar/open-source-mac-os-apps (CC0 1.0)
WINDOWS_MD  README.md of Awesome-Windows/Awesome (CC0 1.0)
WINDOWS2_MD README.md of 0PandaDEV/awesome-windows (CC0 1.0)
MAC_MD      README.md of iCHAIT/awesome-macOS (CC BY 4.0)
LINUX_MD    README.md of luong-komorebi/Awesome-Linux-Software (CC BY 4.0)

The corpus (programs the suggestion is measured on) takes every program of the five lists, and
so does the table of described programs the program ships, from whose descriptions the
suggestion learns what a description's words say. The
known-programs table the program ships takes those of the Windows and Linux lists, and the
well-known programs below; the macOS lists' programs stay out of it (they do not run where the
program does), so the figures for them show how the suggestion does on programs it does not
know. A program named by a single common English word (/usr/share/dict/words) stays out of the
table too, since that word in another shortcut's name says nothing about its program. Each list's sections are mapped to the
program's eleven categories; sections that fit none, or fit several equally (text editors,
"other", productivity, which gathers launchers and clipboard tools with notes and planners),
are left out. A section's key may name its parent too ("Audio/Utilities") where the section
alone would say something else.
"""
import json
import re
import sys

from program_key import program_key

# Category indexes in the order of the buttons.
GAMES, UTILITIES, GRAPHICS, VIDEO, AUDIO, WORK, SYSTEM, REFERENCE, PROGRAMMING, INTERNET = range(10)

MAC = {
    "audio": AUDIO, "backup": UTILITIES, "browser": INTERNET, "chat": INTERNET,
    "database": PROGRAMMING, "development": PROGRAMMING, "downloader": INTERNET,
    "finder": UTILITIES, "games": GAMES, "graphics": GRAPHICS, "ide": PROGRAMMING,
    "images": GRAPHICS, "keyboard": UTILITIES, "mail": INTERNET, "music": AUDIO,
    "news": INTERNET, "notes": WORK, "podcast": AUDIO,
    "security": SYSTEM, "sharing-files": INTERNET, "social-networking": INTERNET,
    "system": SYSTEM, "terminal": SYSTEM, "utilities": UTILITIES, "vpn--proxy": INTERNET,
    "video": VIDEO, "window-management": UTILITIES, "git": PROGRAMMING,
    "ios--macos": PROGRAMMING, "json-parsing": PROGRAMMING, "web-development": PROGRAMMING,
    "other-development": PROGRAMMING, "streaming": VIDEO,
}

WINDOWS = {
    "Audio": AUDIO, "Chat Clients": INTERNET, "Compression": UTILITIES,
    "Data Recovery": SYSTEM, "Developer Tools": PROGRAMMING, "Documents": WORK,
    "E-Book Utilities": REFERENCE, "Email": INTERNET, "Games": GAMES, "Graphics": GRAPHICS,
    "IDEs": PROGRAMMING, "Online Storage": INTERNET, "Backup": UTILITIES,
    "Terminal": SYSTEM, "Utilities": UTILITIES, "Proxy and VPN Tools": INTERNET,
    "Video": VIDEO, "Security": SYSTEM,
}

PANDA = {
    "Audio": AUDIO, "Backup": UTILITIES, "Browsers": INTERNET, "CAD": GRAPHICS,
    "Cloud Storage": INTERNET, "Communication": INTERNET, "Compression": UTILITIES,
    "Data Recovery": SYSTEM, "Databases Clients": PROGRAMMING,
    "Developer Utilities": PROGRAMMING, "Email": INTERNET, "File Management": UTILITIES,
    "Graphics": GRAPHICS, "IDEs": PROGRAMMING, "Networking": INTERNET,
    "Note-taking": WORK, "Office Suites": WORK,
    "Proxy and VPN Tools": INTERNET, "Remote Access": INTERNET, "Screen Capture": VIDEO,
    "Screenshot": GRAPHICS, "Security": SYSTEM, "System Utilities": SYSTEM, "Terminal": SYSTEM,
    "Version Control": PROGRAMMING, "Video Utilities": VIDEO, "Window Management": UTILITIES,
    "API Development": PROGRAMMING, "Game Stores": GAMES,
}

MAC_LIST = {
    "Audio": AUDIO, "Backup": UTILITIES, "Chat Clients": INTERNET, "Data Recovery": SYSTEM,
    "Developers": PROGRAMMING, "E-Book Utilities": REFERENCE, "Email Utilities": INTERNET,
    "Finder": UTILITIES, "Games": GAMES, "Graphics": GRAPHICS, "News Readers": INTERNET,
    "Sharing Files": INTERNET, "Terminal": SYSTEM,
    "Utilities": UTILITIES, "Video": VIDEO, "Window Management": UTILITIES, "Security": SYSTEM,
}

LINUX = {
    "Audio": AUDIO, "Chat Clients": INTERNET, "Data Backup and Recovery": UTILITIES,
    "Development": PROGRAMMING, "E-Book Utilities": REFERENCE, "Education": WORK,
    "Email": INTERNET, "File Manager": UTILITIES, "Games": GAMES, "Graphics": GRAPHICS,
    "Internet": INTERNET, "Office": WORK, "Proxy": INTERNET,
    "Security": SYSTEM, "Sharing Files": INTERNET, "Terminal": SYSTEM, "Utilities": UTILITIES,
    "Video": VIDEO, "VPN": INTERNET, "Wiki Software": REFERENCE,
    # Subsections that belong elsewhere than their section.
    "Screen Recorder": VIDEO, "Video Editor": VIDEO, "Streaming": VIDEO,
    "Disk Utilities": SYSTEM, "System Maintenance": SYSTEM, "System Monitoring": SYSTEM,
    "Remote Desktop": INTERNET, "Audio/Utilities": AUDIO,
    # Productivity holds launchers and clipboard tools as well as notes and planners.
    "Automation": UTILITIES, "Dock": UTILITIES, "Local Search": UTILITIES,
    "Widget and Indicator": UTILITIES, "Note Taking": WORK, "Time and Task": WORK,
    "Time and Usage Tracker": WORK,
}

ITEM = re.compile(r"^\s*[-*]\s+(?:\[!\[[^\]]*\]\[[^\]]*\]\]\([^)]*\)\s*)*\[([^\]]+)\]\([^)]*\)"
                  r"(?:\s*\[!\[[^\]]*\]\[[^\]]*\]\]\([^)]*\))*\s*[-–:]?\s*(.*)$")


def clean(text):
    text = re.sub(r"!\[[^\]]*\](\[[^\]]*\]|\([^)]*\))", "", text)
    text = re.sub(r"\[([^\]]*)\]\([^)]*\)", r"\1", text)
    text = re.sub(r"[`*_]", "", text)
    return " ".join(text.split()).strip(" -")


def first_sentence(text):
    match = re.match(r"(.+?[.!?])(\s|$)", text)
    return (match.group(1) if match else text)[:200]


def markdown_entries(path, sections):
    """The entries of a list whose headings name their sections: an entry takes the category of
    the deepest heading above it that has one."""
    entries, headings = [], {}
    for line in open(path, encoding="utf-8"):
        heading = re.match(r"^(#+)\s+(.*)$", line)
        if heading:
            level = len(heading.group(1))
            headings = {k: v for k, v in headings.items() if k < level}
            headings[level] = heading.group(2).replace("\\", "").strip()
            continue
        item = ITEM.match(line)
        if not item:
            continue
        # The deepest heading first, each under its parent's name before its own.
        titles = [title for _, title in sorted(headings.items())]
        keys = []
        for depth in reversed(range(len(titles))):
            if depth:
                keys.append(f"{titles[depth - 1]}/{titles[depth]}")
            keys.append(titles[depth])
        category = next((sections[key] for key in keys if key in sections), None)
        if category is not None:
            entries.append((category, clean(item.group(1)), first_sentence(clean(item.group(2)))))
    return entries


def mac_entries(path):
    text = re.sub(r",(\s*[\]}])", r"\1", open(path, encoding="utf-8").read())
    entries = []
    for app in json.loads(text)["applications"]:
        mapped = {MAC[c] for c in app.get("categories", []) if c in MAC}
        if len(mapped) == 1:
            entries.append((mapped.pop(), clean(app["title"]),
                            first_sentence(clean(app.get("short_description", "")))))
    return entries


def unique(entries):
    seen, kept = set(), []
    for entry in entries:
        category, name, description = entry[:3]
        key = re.sub(r"\W", "", name.casefold())
        if key and key not in seen and "\t" not in name + description:
            seen.add(key)
            kept.append(entry)
    return kept


def sourced(entries, source):
    return [entry + (source,) for entry in entries]


# Programs every Windows or Wine user meets, and the executables whose names do not tell,
# written by the project's developers.
WELL_KNOWN = {
    GAMES: "Solitaire, FreeCell, Minesweeper, Hearts, Spider Solitaire, Pinball, winemine, sol,"
           " Steam, GOG Galaxy, Epic Games Launcher, Origin, Battle.net, Uplay, Ubisoft Connect,"
           " DOSBox, ScummVM, RetroArch, Minecraft, Half-Life, Counter-Strike, StarCraft,"
           " Diablo, Warcraft, Age of Empires, The Sims, SimCity, Doom, Quake, Civilization,"
           " Mahjong, Chess Titans, Purble Place, 0 A.D., SuperTuxKart, Frozen Bubble",
    UTILITIES: "7-Zip, 7zFM, WinRAR, WinZip, PeaZip, Bandizip, Everything, Total Commander,"
               " totalcmd, FreeCommander, Notepad, WordPad, write, Calculator, calc, winefile,"
               " Explorer, Character Map, charmap, Clock, KeePass, Bitwarden, AutoHotkey,"
               " Greenshot, TeraCopy, Bulk Rename Utility, Far Manager",
    GRAPHICS: "Paint, mspaint, Paint.NET, GIMP, Inkscape, Krita, IrfanView, i_view32, i_view64,"
              " XnView, FastStone Image Viewer, Photoshop, Illustrator, CorelDRAW, Blender,"
              " SketchUp, AutoCAD, Photos, Windows Photo Viewer, Picasa, ImageGlass, darktable,"
              " RawTherapee, Lightroom, Affinity Photo, Affinity Designer, GIMP-2.10",
    VIDEO: "VLC media player, vlc, Media Player Classic, mpc-hc, mpc-hc64, MPC-BE, PotPlayer,"
           " KMPlayer, GOM Player, HandBrake, Shotcut, OpenShot, Kdenlive, Avidemux, VirtualDub,"
           " OBS Studio, obs64, Windows Movie Maker, moviemk, DaVinci Resolve, Premiere Pro,"
           " mpv, SMPlayer, MKVToolNix, QuickTime Player",
    AUDIO: "Winamp, foobar2000, AIMP, MusicBee, MediaMonkey, iTunes, Spotify, Audacity,"
           " Windows Media Player, wmplayer, Sound Recorder, sndrec32, LMMS, FL Studio,"
           " Reaper, Ableton Live, Mp3tag, Exact Audio Copy, EAC, MuseScore, Clementine",
    WORK: "Microsoft Word, winword, Microsoft Excel, excel, Microsoft PowerPoint, powerpnt,"
          " Microsoft Access, msaccess, Microsoft Outlook, Microsoft OneNote, onenote,"
          " Microsoft Publisher, mspub, Microsoft Project, winproj, Visio, LibreOffice,"
          " LibreOffice Writer, LibreOffice Calc, LibreOffice Impress, soffice, swriter, scalc,"
          " simpress, OpenOffice, WPS Office, Adobe Acrobat Reader, Acrobat Reader, AcroRd32,"
          " Acrobat, Foxit Reader, SumatraPDF, GnuCash, Scribus, Evernote, Notion, Anki,"
          " Stellarium",
    SYSTEM: "Control Panel, control, Registry Editor, regedit, Wine Configuration, winecfg,"
            " Task Manager, taskmgr, Command Prompt, cmd, PowerShell, Windows PowerShell,"
            " Device Manager, Disk Cleanup, cleanmgr, Disk Defragmenter, dfrg, CCleaner,"
            " CPU-Z, GPU-Z, HWMonitor, Speccy, Process Explorer, procexp, Autoruns,"
            " CrystalDiskInfo, CrystalDiskMark, Malwarebytes, Avast, AVG, Avira, ESET,"
            " Kaspersky, Norton, McAfee, Uninstaller, uninstall, wineconsole, Windows Terminal,"
            " msconfig, System Information, msinfo32, Event Viewer, eventvwr, Recuva,"
            " Rufus, GParted, VirtualBox, VMware Workstation, Sysinternals",
    REFERENCE: "Encarta, Britannica, winhlp32, hh, WinHelp, Kiwix, Calibre,"
               " Google Earth, Marble, Wikipedia, GoldenDict, StarDict",
    PROGRAMMING: "Visual Studio, devenv, Visual Studio Code, Code, VSCodium, Eclipse, IntelliJ IDEA,"
                 " idea64, PyCharm, pycharm64, Android Studio, Code::Blocks, codeblocks,"
                 " Dev-C++, devcpp, Lazarus, Delphi, Notepad++, Sublime Text, Git Bash,"
                 " Git GUI, TortoiseGit, TortoiseSVN, GitHub Desktop, Qt Creator, NetBeans,"
                 " Python, IDLE, WinMerge, HxD, Postman, HeidiSQL, DBeaver, Eclipse IDE",
    INTERNET: "Internet Explorer, iexplore, Mozilla Firefox, Firefox, Google Chrome, Chrome,"
              " Chromium, Microsoft Edge, msedge, Opera, Vivaldi, Brave, Waterfox, Tor Browser,"
              " Thunderbird, Mozilla Thunderbird, Outlook Express, msimn, Windows Mail,"
              " Skype, Zoom, Microsoft Teams, Teams, Discord, Slack, Telegram, Signal, WhatsApp,"
              " Pidgin, HexChat, mIRC, FileZilla, WinSCP, PuTTY, qBittorrent, uTorrent,"
              " BitTorrent, Transmission, eMule, Dropbox, OneDrive, Google Drive, TeamViewer,"
              " AnyDesk, Free Download Manager, Internet Download Manager, IDMan, JDownloader, Xftp",
}


# Programs the lists file where neither the desktops' menus nor most users look for them (a
# debugger among system tools, a network analyser among developer tools, remote desktop clients
# among utilities, PDF viewers among e-book readers, game engines among games, password managers
# among security tools): the table files them by what they do, and so keeps one category for one
# kind of program. The corpus keeps the lists' own categories.
REFILED = {
    GAMES: "Colobot, Steam Link",
    UTILITIES: "bzip3, Czkawka, Alarm Clock, KeePassXC, 1Password, AuthPass, Enpass, gopass,"
               " KeeWeb, LastPass, NordPass, Padloc, Password Safe, Psono, Seahorse",
    GRAPHICS: "Trimage, Upscayl, pngquant, Mcomix",
    VIDEO: "Droidcam, Kodi, Bandicam, Fraps, LICEcap",
    AUDIO: "Pulse Audio, Kaku",
    WORK: "Okular, Zathura, MuPDF, qpdfview, MasterPDF editor, PDF Arranger, PDFsam, PDF Slicer,"
          " Foxit, K2pdfopt, Kexi, Zim",
    SYSTEM: "Process Monitor, Process Hacker, NSudo, Waydroid, Zsh, nushell, Photorec,"
            " System Rescue CD, Ext2Fsd, Sysinternals Suite",
    REFERENCE: "mapscii, Artha, GNOME Dictionary, BibleTime",
    PROGRAMMING: "edb-debugger, GDB, ghidra, radare2, Godot Engine, Unreal Engine, LuaStudio",
    INTERNET: "HTTrack, Retroshare, ZeroNet, Yacy, FreeRDP, Remmina, TightVNC, MobaXterm,"
              " mRemoteNG, MTPuTTY, Termius, Mosh, LocalSend, SyncThing, Wireshark, Termshark,"
              " Tcpdump, vnStat, bandwhich, NetLimiter, OpenSSH, Acrylic DNS Proxy,"
              " Angry IP Scanner, fast-cli",
}


def table_names(table):
    """The category and name of each program of a table the project wrote."""
    for category, text in table.items():
        for name in text.split(","):
            yield category, name.strip()


def write_known_programs(path, known):
    """One record per category in the order of the buttons: the program names and executable
    names of that category, separated by commas."""
    names = {category: [] for category in range(11)}
    # A program has one category: the one written here, else that of the first list naming it.
    category_of = {}

    def add(category, name):
        key = program_key(name)
        if category_of.setdefault(key, category) == category:
            names[category].append(name)

    for table in (WELL_KNOWN, REFILED):
        for category, name in table_names(table):
            add(category, name)
    common = {w.strip().casefold() for w in open("/usr/share/dict/words", encoding="utf-8")}
    for category, name, *_ in known:
        if re.sub(r"\W", "", name.casefold()) not in common:
            add(category, name)
    with open(path, "w", encoding="ascii", newline="\r\n") as f:
        for category in range(11):
            kept = [n for n in names[category]
                    if n.isascii() and "," not in n and '"' not in n and n.strip()]
            f.write('"%s"\n' % ", ".join(dict.fromkeys(kept)))


def write_described_programs(path, corpus):
    """One record of three items per program of the corpus: its category, its name and its
    description. The suggestion learns from them what the words of a description say; it does
    not look them up by name. A program the table refiles teaches its own category."""
    refiled = {program_key(name): category for category, name in table_names(REFILED)}
    with open(path, "w", encoding="ascii", newline="\r\n") as f:
        for category, name, description, *_ in corpus:
            category = refiled.get(program_key(name), category)
            description = " ".join(description.replace('"', "'").split())
            description = description.encode("ascii", "ignore").decode()
            name = name.replace('"', "'").replace("|", " ").encode("ascii", "ignore").decode()
            if description and name.strip():
                f.write('%d,"%s","%s"\n' % (category, name, description))


def agreement(lists):
    """How often the lists that name the same program give it the same category: the ceiling of
    any suggestion measured against them."""
    categories = {}
    for entries in lists:
        for category, name, *_ in unique(entries):
            categories.setdefault(re.sub(r"\W", "", name.casefold()), []).append(category)
    shared = [c for c in categories.values() if len(c) > 1]
    same = sum(1 for c in shared if len(set(c)) == 1)
    return f"{len(shared)} programs in several lists, the same category in {same}"


def main():
    mac_json, windows_md, windows2_md, mac_md, linux_md, out = sys.argv[1:7]
    lists = [sourced(markdown_entries(windows_md, WINDOWS), "Awesome-Windows/Awesome"),
             sourced(markdown_entries(windows2_md, PANDA), "0PandaDEV/awesome-windows"),
             sourced(markdown_entries(linux_md, LINUX), "luong-komorebi/Awesome-Linux-Software"),
             sourced(mac_entries(mac_json), "serhii-londar/open-source-mac-os-apps"),
             sourced(markdown_entries(mac_md, MAC_LIST), "iCHAIT/awesome-macOS")]
    windows_and_linux = unique(lists[0] + lists[1] + lists[2])
    corpus = unique(windows_and_linux + lists[3] + lists[4])
    print(agreement(lists))
    with open(f"{out}/suggestion-corpus.tsv", "w", encoding="utf-8") as f:
        f.write("# category\tname\tdescription\tsource list: programs of public lists, see README\n")
        for entry in corpus:
            f.write("%d\t%s\t%s\t%s\n" % entry)
    write_known_programs(f"{out}/Known programs.tvn", windows_and_linux)
    write_described_programs(f"{out}/Described programs.tvn", corpus)
    print(len(corpus), "corpus entries,", len(windows_and_linux), "programs for the table")


main()
