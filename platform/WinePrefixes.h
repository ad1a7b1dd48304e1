#pragma once

#include <chrono>
#include <QString>
#include <vector>

namespace tvn {

// A Wine prefix found on this machine.
struct WinePrefix {
    // Who keeps it, as the user knows it: "Wine", "Steam", "Bottles (Flatpak)".
    QString manager;
    // The prefix's own name: its folder's, a Steam game's name (its app id where no manifest
    // names it), and empty for Wine's default prefix, ~/.wine.
    QString label;
    // The absolute path of the prefix folder, which holds user.reg.
    QString path;
};

inline constexpr std::chrono::milliseconds kPrefixSearchTime{1500};

// The Wine prefixes in the places where Wine and the usual managers keep them below `home`:
// ~/.wine, `winePrefix` ($WINEPREFIX, when set), winetricks, Bottles (native and Flatpak),
// Lutris games (native, older and Flatpak), Heroic, Steam Proton in every library of each Steam
// installation, PlayOnLinux and CrossOver. Only folders holding user.reg count; each is listed
// once, under the first place that finds it, and the list is sorted by manager and label
// (numbers by their value). Only those places
// are looked at, never deeper; unreadable folders and files that do not read are skipped, and
// the search stops with what it has found once `timeLimit` has passed.
std::vector<WinePrefix> findWinePrefixes(const QString& home, const QString& winePrefix = {},
                                         std::chrono::milliseconds timeLimit = kPrefixSearchTime);

} // namespace tvn
