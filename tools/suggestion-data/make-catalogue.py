#!/usr/bin/env python3
"""Builds data/Program catalogue.tvn from public catalogues of Windows software.

make-catalogue.py OUT_FILE SCOOP_BUCKET_DIR... [--games SCOOP_BUCKET_DIR...] [--choco DIR]
                  [--winget INDEX_JSON] [--slackbuilds DIR] [--haikuports DIR] [--mports DIR]

SCOOP_BUCKET_DIR  a Scoop bucket's folder of manifests (bucket/*.json): ScoopInstaller/Extras,
                  ScoopInstaller/Main, ScoopInstaller/Nonportable (Unlicense)
--games           buckets whose every program is a game: Calinou/scoop-games (CC0 1.0)
--choco DIR       chocolatey-community/chocolatey-packages (Apache 2.0): its *.nuspec files
--winget FILE     index.v2.json of svrooij/winget-pkgs-index (MIT): the name, identifier and tags
                  of every package of the Windows package manager's community manifests
                  (microsoft/winget-pkgs, MIT)
--slackbuilds DIR SlackBuildsOrg/slackbuilds: each build's folder, name and one-line description
                  (slack-desc)
--haikuports DIR  haikuports/haikuports (MIT): each port's folder, name and SUMMARY
--mports DIR      MidnightBSD/mports (BSD-2-Clause), a ports tree grown from FreeBSD's: each
                  port's name, first category and COMMENT (its Makefiles are enough)

The ports trees of free programs file each program in a folder that says what it is
("graphics", "media-sound"): SLACKBUILDS_FOLDERS, HAIKUPORTS_FOLDERS and MPORTS_CATEGORIES map
those that name one category, and leave out those that do not (libraries, desktop themes, a
language's modules).

Each program of the catalogue gives its names (the manifest's name, the names of its shortcuts,
the package's title), its executables (those its shortcuts and commands start) and its one-line
description. The suggestion reads the description where a shortcut has none, and weighs its
words as it weighs a shortcut's own: the catalogue knows what a program is, the words decide its
category. A category is written only where the catalogue itself gives one: every program of a
games bucket is a game, and a Chocolatey package's tags map to categories by TAGS below, when
they point to one category only; a Windows package manager's package's tags, more numerous and
looser, by WINGET_TAGS, when one category has at least twice the tags of any other.

Names a shortcut could bear without being the program are left out: common English words of
fewer than six letters (/usr/share/dict/words) unless two of the program's names agree on one
(its manifest's name and its executable's), the generic executables of GENERIC, and any word
the dictionary writes in small letters when it is an executable's name or a package manager's
package's name ("player.exe", "Desktop"), which stand beside no executable to tie them, unless
it is a long word few descriptions use and the package's identifier gives it too ("Tenacity",
"TenacityTeam.Tenacity").
"""
import collections
import glob
import json
import os
import re
import sys
import xml.etree.ElementTree as ET

from program_key import program_key

GAMES, UTILITIES, GRAPHICS, VIDEO, AUDIO, WORK, SYSTEM, REFERENCE, PROGRAMMING, INTERNET = range(10)

# Chocolatey tags and the category each points to; tags that do not tell (foss, admin,
# cross-platform, freeware, cli, scanner: of images, ports or viruses...) are not listed, nor the
# languages a program is written in (python, typescript, c++...): a chat program built on Node.js
# is no programming tool.
TAGS = {
    GAMES: "game games gaming emulator steam turn-based strategy",
    UTILITIES: "zip 7zip archive archiver compression file-compression rar tar extract"
               " file-manager clipboard hotkeys keyboard macros search indexing everything"
               " launcher password keepass keepassx 1password backup sync",
    GRAPHICS: "graphics image images photo drawing gif jpg png svg 3d 2d cad modeling icons"
              " paint screenshot art design",
    VIDEO: "video dvd mkv avi subtitle codec quicktime mpc-hc nle vlc youtube vimeo",
    AUDIO: "audio mp3 music flac sound dsp itunes",
    WORK: "office pdf productivity libreoffice kingsoft publishing postscript ghostscript.app"
          " spreadsheet",
    SYSTEM: "driver disk defragment ntfs registry uninstaller cleaner bleachbit antivirus"
            " firewall virtualbox virtual shell multiboot usb iso hosts hostsfile",
    REFERENCE: "ebook dictionary encyclopedia",
    PROGRAMMING: "development programming ide git version-control vcs dvcs compiler"
                 " vscode visualstudiocode"
                 " notepadplusplus notepad-plus-plus cmake make build nuget jetbrains"
                 " docker kubernetes devops testing selenium webdriver",
    INTERNET: "browser web-browser chrome chromium firefox mozilla email ftp sftp scp ssh"
              " telnet putty torrent bittorrent p2p download chat voip conferencing rss"
              " webdav remote vpn",
}
TAG_CATEGORY = {tag: category for category, tags in TAGS.items() for tag in tags.split()}

# The Windows package manager's tags, each written by the package's author: English ones, and
# the Chinese ones many packages carry beside them. Tags that do not tell (cli, ai, tool,
# utility, productivity, windows, open-source, editor, player, viewer, launcher...) are not listed,
# nor the languages and frameworks a program is written in (nodejs, typescript, golang...).
WINGET_TAGS = {
    GAMES: "game games gaming videogame video-game emulator emulation minecraft steam rpg"
           " puzzle arcade shooter fps chess roguelike platformer retro-gaming game-launcher"
           " mod-manager 游戏",
    UTILITIES: "archive archiver compression compressor decompression zip 7zip 7z rar unrar"
               " extract unzip clipboard clipboard-manager hotkey hotkeys macro macros"
               " file-search desktop-search everything file-manager file-explorer password"
               " password-manager keepass backup file-sync rename file-rename duplicate"
               " window-manager tiling taskbar calculator timer 压缩 解压 剪贴板 密码 备份",
    GRAPHICS: "graphics image images image-editor image-viewer photo photos photography picture"
              " pictures drawing draw paint painting svg vector 3d 2d cad modeling modelling"
              " icons screenshot screen-capture pixel-art animation illustration rendering"
              " 图像 图片 照片 绘图 截图 绘画",
    VIDEO: "video videos video-player video-editor video-editing mkv dvd blu-ray subtitle"
           " subtitles codec movie movies film iptv screen-recorder screen-recording"
           " video-downloader 视频 录屏 电影",
    AUDIO: "audio music music-player mp3 flac sound podcast podcasts radio daw midi"
           " synthesizer audio-editor tagger equalizer 音频 音乐 声音",
    WORK: "office pdf word excel spreadsheet presentation document documents notes note-taking"
          " notebook todo calendar finance accounting education learning mind-map mindmap"
          " astronomy planetarium"
          " project-management kanban invoice 办公 教育 笔记 文档",
    SYSTEM: "driver drivers disk disk-space defragment defrag partition ntfs registry"
            " uninstaller cleaner antivirus anti-malware malware firewall virtualization"
            " virtual-machine hypervisor usb iso bootable hardware system-monitor"
            " hardware-monitor benchmark sysinternals task-manager diagnostics temperature"
            " sensors 驱动 硬件 系统",
    REFERENCE: "ebook e-book ebooks epub dictionary encyclopedia bible maps atlas wikipedia"
               " weather 电子书 词典",
    PROGRAMMING: "development developer developer-tools devtools programming ide git"
                 " version-control compiler debugger debug debugging debugging-tools profiler"
                 " profiling build-system build-tool java-ide sdk api-client regex docker"
                 " kubernetes kubectl devops"
                 " hex-editor database sql sqlite mysql postgresql json xml diff"
                 " code-editor 编程 开发 代码 集成开发环境 数据库 调试",
    INTERNET: "browser web-browser webbrowser email mail e-mail ftp sftp ssh telnet torrent"
              " bittorrent p2p download downloader chat messenger messaging irc voip discord"
              " communicate communication comunication"
              " discord-client telegram whatsapp mastodon social-media social-network xmpp"
              " conferencing video-conferencing meeting rss feed-reader remote-desktop"
              " remote-access remote-control vpn proxy network networking internet"
              " cloud-storage file-sharing 浏览器 网页浏览器 电子邮件 邮件 聊天 下载 远程"
              " 远程桌面 代理 网络 网盘 交流 沟通",
}
WINGET_TAG_CATEGORY = {tag: category for category, tags in WINGET_TAGS.items()
                       for tag in tags.split()}

# The folders of the ports trees that hold programs of one category.
SLACKBUILDS_FOLDERS = {
    "academic": WORK, "audio": AUDIO, "business": WORK, "development": PROGRAMMING,
    "games": GAMES, "graphics": GRAPHICS, "multimedia": VIDEO, "network": INTERNET,
    "office": WORK, "system": SYSTEM,
}
HAIKUPORTS_FOLDERS = {
    "app-office": WORK, "app-arch": UTILITIES, "app-backup": UTILITIES,
    "app-admin": SYSTEM, "app-benchmarks": SYSTEM, "media-gfx": GRAPHICS, "media-sound": AUDIO,
    "media-video": VIDEO, "mail-client": INTERNET, "www-client": INTERNET,
    **{"games-" + kind: GAMES for kind in "action arcade board emulation engines fps kids misc mud"
       " puzzle roguelike rpg simulation sports strategy".split()},
    **{"sys-" + kind: SYSTEM for kind in "apps block fs power process".split()},
    **{"dev-" + kind: PROGRAMMING for kind in "build db debug embedded lang util vcs".split()},
    "sys-devel": PROGRAMMING,
    **{"net-" + kind: INTERNET for kind in "analyzer dns ftp im irc misc news nntp p2p proxy voip"
       " vpn".split()},
    **{"sci-" + kind: WORK for kind in "astronomy biology calculators chemistry electronics"
       " geosciences mathematics physics visualization".split()},
}
MPORTS_CATEGORIES = {
    "archivers": UTILITIES, "x11-fm": UTILITIES, "astro": WORK, "audio": AUDIO,
    "benchmarks": SYSTEM, "filesystems": SYSTEM, "shells": SYSTEM, "sysutils": SYSTEM,
    "biology": WORK, "finance": WORK, "math": WORK, "science": WORK, "cad": GRAPHICS,
    "graphics": GRAPHICS, "databases": PROGRAMMING, "devel": PROGRAMMING, "lang": PROGRAMMING,
    "java": PROGRAMMING, "games": GAMES, "multimedia": VIDEO, "dns": INTERNET, "ftp": INTERNET,
    "irc": INTERNET, "mail": INTERNET, "net": INTERNET, "net-im": INTERNET, "net-mgmt": INTERNET,
    "net-p2p": INTERNET, "news": INTERNET, "www": INTERNET,
}
# A ports tree's folder may gather programs the menus file apart. The multimedia folders of
# SlackBuilds and mports hold music programs beside video ones: a port there whose description
# speaks of sound and not of pictures is an audio program. Calculators sit among mathematics
# and science, where the menus and the known programs have them as utilities.
AUDIO_WORDS = re.compile(r"\b(audio|music|sound|songs?|mp3|midi|flac|aac|podcasts?|radio"
                         r"|playlists?|tagger|mixer|synth\w*|drums?|guitar|tracker)\b",
                         re.IGNORECASE)
PICTURE_WORDS = re.compile(r"\b(video\w*|movies?|films?|dvds?|tv|television|subtitles?|webcam"
                           r"|cameras?|mpeg\w*|mkv|avi|blu-?ray|hevc|youtube|image\w*|pictures?"
                           r"|picture|visual\w*|graphics?|media)\b", re.IGNORECASE)
CALCULATOR = re.compile(r"\bcalculators?\b", re.IGNORECASE)


def port_category(category, description):
    if (category == VIDEO and AUDIO_WORDS.search(description)
            and not PICTURE_WORDS.search(description)):
        return AUDIO
    if category == WORK and CALCULATOR.search(description):
        return UTILITIES
    return category


# A port of a language's module ("py-requests", "p5-JSON") is a library, not a program.
MODULE_PORT = re.compile(r"^(py|p5|rubygem|php\d*|R-cran|hs|ocaml|rust|go|linux|lua\d*|node)-")

# Executables and names that many programs share.
GENERIC = {
    "uninstall", "uninst", "unins000", "setup", "install", "installer", "update", "updater",
    "launcher", "launch", "start", "run", "app", "main", "program", "readme", "help", "manual",
    "license", "changelog", "config", "settings", "website", "documentation", "gui", "client",
    "server", "console", "tool", "tools", "portable", "bin", "cli",
}


DICTIONARY = [word.strip() for word in open("/usr/share/dict/words", encoding="utf-8")]
COMMON = {word.casefold() for word in DICTIONARY}
# Words the dictionary writes in small letters: "Editor", "Desktop" or "Windows" would name many
# programs' shortcuts, folders and executables, where "Firefox" names one program.
LOWERCASE = {word for word in DICTIONARY if word.islower()}


# Words naming a project's design documents (a tag for them, or development "driven" by them)
# tell nothing of a program's category: they are left out of descriptions and tags.
DESIGN_DOCUMENT_WORDS = re.compile(r"\bspec(s|ifications?)?(-[a-z]+)?\b", re.IGNORECASE)


def first_sentence(text):
    kept = DESIGN_DOCUMENT_WORDS.sub("", text)
    if kept != text:
        # No blank left before the punctuation that followed a word left out.
        text = re.sub(r"\s+([,.;:)])(?=\s|$)", r"\1", kept)
    text = " ".join(text.replace('"', "'").split())
    text = text.encode("ascii", "ignore").decode()
    match = re.match(r"(.+?[.!?])(\s|$)", text)
    return (match.group(1) if match else text)[:160].strip()


def executables(field):
    """The executables a manifest's bin or shortcuts field starts."""
    found = []
    items = field if isinstance(field, list) else [field]
    for item in items:
        path = item[0] if isinstance(item, list) and item else item
        if isinstance(path, str) and path.lower().endswith(".exe"):
            executable = os.path.splitext(os.path.basename(path.replace("\\", "/")))[0]
            if program_key(executable) not in LOWERCASE:
                found.append(executable)
    return found


def shortcut_names(field):
    return [item[1] for item in field or [] if isinstance(item, list) and len(item) > 1]


def scoop_programs(bucket, category):
    # A program before its variants ("cpu-z" before "cpu-z-arm64"), which name it too.
    paths = sorted(glob.glob(os.path.join(bucket, "bucket", "*.json")),
                   key=lambda path: (len(os.path.basename(path)), path))
    for path in paths:
        try:
            manifest = json.load(open(path, encoding="utf-8-sig"))
        except (ValueError, UnicodeDecodeError):
            continue
        parts = [manifest] + list(manifest.get("architecture", {}).values())
        names = [os.path.splitext(os.path.basename(path))[0]]
        exes = []
        for part in parts:
            if isinstance(part, dict):
                names += shortcut_names(part.get("shortcuts"))
                exes += executables(part.get("shortcuts", []))
                exes += executables(part.get("bin", []))
        yield category, names + exes, first_sentence(manifest.get("description", ""))


def choco_programs(folder):
    for path in sorted(glob.glob(os.path.join(folder, "**", "*.nuspec"), recursive=True)):
        try:
            metadata = ET.parse(path).getroot().find("{*}metadata")
        except ET.ParseError:
            continue
        if metadata is None:
            continue
        text = {child.tag.split("}")[-1]: (child.text or "") for child in metadata}
        tags = {TAG_CATEGORY[t] for t in text.get("tags", "").lower().split() if t in TAG_CATEGORY}
        category = tags.pop() if len(tags) == 1 else -1
        names = [text.get("id", ""), text.get("title", "")]
        # A package's id often adds what it installs: "vlc.install", "firefox-nightly".
        names.append(re.split(r"[.]", text.get("id", ""))[0])
        yield category, names, first_sentence(text.get("summary") or text.get("description", ""))


def winget_programs(path):
    for package in json.load(open(path, encoding="utf-8-sig")):
        tags = {tag.casefold().replace(" ", "-") for tag in package.get("Tags") or []}
        counts = [0] * 11
        for tag in tags:
            if tag in WINGET_TAG_CATEGORY:
                counts[WINGET_TAG_CATEGORY[tag]] += 1
        ranked = sorted(range(len(counts)), key=lambda k: -counts[k])
        best, second = counts[ranked[0]], counts[ranked[1]]
        category = ranked[0] if best > 0 and best >= 2 * second else -1
        # The identifier is Publisher.Program[.Variant]: its program part names it too.
        parts = (package.get("PackageId") or "").split(".")
        names = [package.get("Name") or ""] + parts[1:2]
        # Where the tags give no category, their words stand in for the description the index
        # lacks; where they do, the category says it all and the tags teach nothing more.
        words = sorted(tag for tag in tags if re.fullmatch(r"[a-z][a-z0-9-]*", tag))
        text = " ".join(DESIGN_DOCUMENT_WORDS.sub("", " ".join(words).replace("-", " ")).split())
        yield category, names, "" if category >= 0 else text


def slackbuilds_programs(tree):
    for path in sorted(glob.glob(os.path.join(tree, "*", "*", "slack-desc"))):
        folder, name = path.split(os.sep)[-3:-1]
        if folder not in SLACKBUILDS_FOLDERS:
            continue
        # The first line of the description reads "name: name (what it is)".
        for line in open(path, encoding="utf-8", errors="replace"):
            match = re.match(re.escape(name) + r":\s*\S+.*?\((.+)\)\s*$", line)
            if match:
                description = first_sentence(match.group(1))
                yield port_category(SLACKBUILDS_FOLDERS[folder], description), [name], description
                break


def haikuports_programs(tree):
    for folder in sorted(HAIKUPORTS_FOLDERS):
        for port in sorted(glob.glob(os.path.join(tree, folder, "*"))):
            # The newest recipe last: a port keeps one per version.
            recipes = sorted(glob.glob(os.path.join(port, "*.recipe")))
            if not recipes:
                continue
            text = open(recipes[-1], encoding="utf-8", errors="replace").read()
            match = re.search(r'^SUMMARY="([^"]*)"', text, re.MULTILINE)
            if match:
                description = first_sentence(match.group(1))
                yield (port_category(HAIKUPORTS_FOLDERS[folder], description),
                       [os.path.basename(port)], description)


def mports_programs(tree):
    for path in sorted(glob.glob(os.path.join(tree, "*", "*", "Makefile"))):
        name = path.split(os.sep)[-2]
        if MODULE_PORT.match(name):
            continue
        text = open(path, encoding="utf-8", errors="replace").read()
        categories = re.search(r"^CATEGORIES[?+]?=\s*(.*)$", text, re.MULTILINE)
        comment = re.search(r"^COMMENT[?]?=\s*(.*)$", text, re.MULTILINE)
        if not categories or not comment or "$" in comment.group(1):
            continue
        # The first category is the port's own; the rest say where else it may be looked for.
        first = (categories.group(1).split() or [""])[0]
        if first in MPORTS_CATEGORIES:
            description = first_sentence(comment.group(1))
            yield port_category(MPORTS_CATEGORIES[first], description), [name], description


# A port's name this long names one program only.
SAFE_PORT_NAME = 6
# A dictionary word this long that both a package's name and its identifier give, and that at
# most this many descriptions use, names the package ("Tenacity", "TenacityTeam.Tenacity").
RARE_WORD_NAME = 7
RARE_WORD_DESCRIPTIONS = 3
# Words too common in descriptions to tie two of them to one program.
UNTELLING_WORDS = {"free", "open", "source", "simple", "tool", "tools", "software", "program",
                   "application", "based", "with", "from", "that", "your", "cross", "platform",
                   "fast", "lightweight", "modern", "powerful", "written", "using", "line",
                   "command", "library", "utility", "client", "server", "version"}


def describe_alike(first, second):
    """Whether two descriptions share a word of some length (compared by its first letters, so
    that "compressor" and "compression" agree)."""
    def stems(text):
        return {word[:5] for word in re.findall(r"[a-z0-9]{4,}", text.lower())
                if word not in UNTELLING_WORDS}
    return bool(stems(first) & stems(second))


def main():
    arguments = sys.argv[1:]
    out, groups, kind = arguments[0], [], "scoop"
    for argument in arguments[1:]:
        if argument in ("--games", "--choco", "--winget", *PORTS_TREES):
            kind = argument
        else:
            groups.append((kind, argument))
    programs = []
    for kind, folder in groups:
        if kind == "--choco":
            programs += [(*program, False, False) for program in choco_programs(folder)]
        elif kind == "--winget":
            # A package's name alone, without an executable beside it, must not be a word.
            programs += [(*program, True, False) for program in winget_programs(folder)]
        elif kind in PORTS_TREES:
            # A port's name, the name of a package, is no executable's either.
            programs += [(*program, True, True) for program in PORTS_TREES[kind](folder)]
        else:
            programs += [(*program, False, False) for program in
                         scoop_programs(folder, GAMES if kind == "--games" else -1)]

    # In how many descriptions each word stands: a word few of them use is a name more than a
    # thing ("tenacity", "windsurf"), where "notepad" or "weather" is what many programs are for.
    described = collections.Counter()
    for program in programs:
        described.update(set(re.findall(r"[a-z0-9]+", program[2].lower())))

    # A key names one program: the first catalogue's, which carries its category if it has one.
    owner, records = {}, []
    for category, names, description, name_only, port in programs:
        keys = []
        # A short common word is a key only where two of the program's names agree on it: a
        # manifest "meld" whose executable is meld.exe, a package "rufus" titled "Rufus".
        named = [program_key(name) for name in names]
        anchored = {key for key in named if named.count(key) > 1}
        for name, key in zip(names, named):
            if (not key or key in GENERIC or key in keys or not name.isascii() or "|" in name
                    or (key in COMMON and len(key) < 6 and key not in anchored)):
                continue
            if key in owner:
                # The same program again (Scoop and Chocolatey): its category is kept. Only
                # by its first name: a suite's record also holds its tools' executables, and a
                # program of another source named like one of them says nothing of the suite.
                # A port named by a short word may be another program than the one of that
                # name ("sam", "zoom"): its category is kept only where the two descriptions
                # share a word.
                record = records[owner[key]]
                if (category >= 0 and record[0] < 0 and record[1][0] == key
                        and (not port or len(key) >= SAFE_PORT_NAME
                             or describe_alike(record[2], description))):
                    record[0] = category
                continue
            if name_only and key in LOWERCASE and not (
                    key in anchored and len(key) >= RARE_WORD_NAME
                    and described[key] <= RARE_WORD_DESCRIPTIONS):
                continue
            keys.append(key)
        if not keys or (not description and category < 0):
            continue
        for key in keys:
            owner[key] = len(records)
        records.append([category, keys, description])
    with open(out, "w", encoding="ascii", newline="\r\n") as f:
        for category, keys, description in records:
            f.write('%d,"%s","%s"\n' % (category, "|".join(keys), description))
    print(len(records), "programs,", len(owner), "names and executables,",
          sum(1 for r in records if r[0] >= 0), "with a category")


PORTS_TREES = {"--slackbuilds": slackbuilds_programs, "--haikuports": haikuports_programs,
               "--mports": mports_programs}

if __name__ == "__main__":
    main()
