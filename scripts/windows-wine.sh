# shellcheck shell=bash
# Wine for running the Windows build on Linux; sourced by scripts/windows.sh and the tools that
# run spawnsmith.exe. Sets up the environment and provides wine_prefix, which makes sure the
# prefix exists.
#
# The prefix lives in the cache (SPAWNSMITH_CACHE, as for the Windows Qt), not in ~/.wine, so it
# never mixes with a user's own Wine set-up.

wine_cache=${SPAWNSMITH_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/spawnsmith}
export WINEPREFIX=$wine_cache/wine
export WINEARCH=win64
# Wine's own debug chatter ("fixme:...") says nothing about the program.
export WINEDEBUG=-all
# No prompts to install Mono or Gecko: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="

# Creates the prefix when it does not exist yet (about half a minute) and gives it Wine's
# Tahoma. Windows programs ask for "MS Shell Dlg", which Wine maps to Tahoma; Debian's fonts-wine
# ships Tahoma, but its Wine does not look in that package's folder, and without the font Qt
# falls back to the first family it finds, a serif one. A font in the prefix's C:\windows\Fonts
# is always loaded.
# The prefix is made beside its place and moved there once complete, so that an interrupted
# creation leaves no half-made prefix that later runs would take for a whole one.
wine_prefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Creating the Wine prefix $WINEPREFIX"
        local final=$WINEPREFIX
        rm -rf "$final" "$final.new"
        mkdir -p "$(dirname "$final")"
        WINEPREFIX=$final.new wineboot --init
        WINEPREFIX=$final.new wineserver -w
        mv "$final.new" "$final"
    fi
    local font
    for font in /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf; do
        ln -sf "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
    done
}

# Ends this prefix's Wine server and every Windows program it still runs, and removes a prefix
# whose creation was cut short. For the exit traps of the scripts that run Wine.
wine_cleanup() {
    wineserver -k 2>/dev/null || true
    WINEPREFIX=$WINEPREFIX.new wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX.new"
}
