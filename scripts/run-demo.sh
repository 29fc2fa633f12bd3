#!/usr/bin/env bash
# Builds the program, lays out a demo installation in demo/ and starts the program there.
# demo/ is made anew on every run, except its Cfg folder and the layout files, so settings and
# layouts made in the demo survive.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
demo="$repo/demo"

# A demo that runs holds the lock in its folder: it is left as it is, settings and all.
refuse_a_running_demo() {
    if [ -f "$demo/.arvok.lock" ] && ! flock -n "$demo/.arvok.lock" true; then
        echo "The demo is running already (in $demo); quit it first. Nothing was changed." >&2
        exit 1
    fi
}
refuse_a_running_demo

# One run of this script builds and lays out at a time: a second one started meanwhile would
# build into the same build/ and lay out demo/ under the first one's feet. The lock is held
# until the program starts, which then holds its own.
mkdir -p build
exec 9>build/.run-demo.lock
if ! flock -n 9; then
    echo "A demo is being built already (in $repo); wait for it to start. Nothing was changed." >&2
    exit 1
fi

bash scripts/deps.sh
bash scripts/build.sh

refuse_a_running_demo
mkdir -p "$demo"
find "$demo" -mindepth 1 -maxdepth 1 ! -iname cfg ! -name layouts.dat ! -name arvok.ini \
    -exec rm -rf {} +
mkdir -p "$demo/Data" "$demo/Anim" "$demo/snap" "$demo/roms"
cp data/*.dat "$demo/Data/"

# Bytes written straight to the output: little-endian 16- and 32-bit numbers, single bytes.
bytes() {
    local escaped
    printf -v escaped '\\x%02x' "$@"
    printf "$escaped"
}
le16() { bytes $(($1 & 255)) $((($1 >> 8) & 255)); }
le32() { bytes $(($1 & 255)) $((($1 >> 8) & 255)) $((($1 >> 16) & 255)) $((($1 >> 24) & 255)); }

# A 64 by 48 picture, 24-bit BMP: the lower half in the first colour, the upper half in the
# second (r g b each).
bmp() {
    local file=$1 px1 px2 row1="" row2="" i
    local width=64 height=48 size=$((64 * 48 * 3))
    printf -v px1 '\\x%02x' "$4" "$3" "$2"
    printf -v px2 '\\x%02x' "$7" "$6" "$5"
    for ((i = 0; i < width; i++)); do
        row1+=$px1
        row2+=$px2
    done
    {
        printf BM
        le32 $((54 + size))
        le32 0
        le32 54
        le32 40
        le32 $width
        le32 $height
        le16 1
        le16 24
        le32 0
        le32 $size
        le32 2835
        le32 2835
        le32 0
        le32 0
        for ((i = 0; i < height / 2; i++)); do printf "$row1"; done
        for ((i = 0; i < height / 2; i++)); do printf "$row2"; done
    } >"$file"
}

# A 64 by 48 GIF in one colour (r g b).
gif() {
    local file=$1
    {
        printf GIF89a
        le16 64
        le16 48
        bytes 0x80 0 0 "$2" "$3" "$4" 0 0 0 0x2c 0 0 0 0
        le16 64
        le16 48
        bytes 0
        printf '\x02\x39\x84\x8f\xa9\xcb\xed\x0f\xa3\x9c\xb4\xda\x8b\xb3\xde\xbc\xfb\x0f\x86\xe2'
        printf '\x48\x96\xe6\x89\xa6\xea\xca\xb6\xee\x0b\xc7\xf2\x4c\xd7\xf6\x8d\xe7\xfa\xce\xf7'
        printf '\xfe\x0f\x0c\x0a\x87\xc4\xa2\xf1\x88\x4c\x2a\x97\xcc\xa6\xf3\x09\x8d\x26\x0b\x00'
        printf '\x3b'
    } >"$file"
}

# Snapshots named after the ROM sets, in both formats, and numbered ones for a slide show.
colour=0
for set in puckman pacman galaga dkong mslug 1942 sf2 ffight rainbow bublbobl goldnaxe shinobi \
    rtype hharry; do
    colour=$(((colour + 47) % 200))
    bmp "$demo/snap/$set.bmp" $((40 + colour)) 40 120 220 $((200 - colour)) 60
    gif "$demo/snap/$set.gif" $((40 + colour)) 80 $((220 - colour))
done
for n in 00 01 02 03; do
    bmp "$demo/snap/galaga$n.bmp" $((n * 50 + 40)) 30 90 20 $((250 - n * 50)) 160
    gif "$demo/snap/galaga$n.gif" $((n * 50 + 40)) 30 90
done

# An animation for one game: the marker picture named after the set, then its numbered frames.
mkdir -p "$demo/Anim/dkong"
gif "$demo/Anim/dkong/dkong.gif" 0 0 0
for n in 00 01 02 03 04 05; do
    gif "$demo/Anim/dkong/dkong$n.gif" $((10#$n * 40 + 20)) $((235 - 10#$n * 40)) 120
done

# ROM sets the user owns: empty zip files are enough for the front end.
declare -A owned=(
    [mame]="puckman pacman galaga dkong 1942 mslug neogeo"
    [callus]="sf2 ffight forgottn"
    [raine]="rainbow bublbobl"
    [system16]="goldnaxe shinobi"
    [m72]="rtype hharry"
)
for emu in "${!owned[@]}"; do
    mkdir -p "$demo/roms/$emu"
    for set in ${owned[$emu]}; do : >"$demo/roms/$emu/$set.zip"; done
done

# Stand-in emulators: each notes where it was started, its arguments and its ROM folder.
log="$demo/emulator-runs.log"
declare -A romdir=([mame]=roms [callus]=. [raine]=ZipRoms [system16]=ziproms [m72]=Ziproms)
for emu in mame callus raine system16 m72; do
    mkdir -p "$demo/emu/$emu/${romdir[$emu]}"
    cat >"$demo/emu/$emu/$emu" <<STANDIN
#!/bin/sh
{
    echo "$emu started in \$(pwd) with: \$*"
    echo "  ROM folder holds: \$(ls ${romdir[$emu]} | tr '\n' ' ')"
} >>"$log"
STANDIN
    chmod +x "$demo/emu/$emu/$emu"
done
mkdir -p "$demo/emu/mame/INP"
: >"$demo/emu/mame/INP/galaga.inp"

# Settings files pointing at the demo folders, written only when absent so that what a user
# changes in the demo is kept.
cfg() {
    local base=$1 name=$2 emu=$3 alt=$4
    shift 4
    local file="$demo/Cfg/$base.cfg" rule=";-----------------------------------------------------"
    [ -e "$file" ] && return
    {
        printf '%s\r\n' "$rule" "; Arvok - demo installation" \
            "; Configuration File for $name - Please do not modify" "$rule" "" "[Paths]" \
            "ExePath=$demo/emu/$emu/$emu" "EmuDir=$demo/emu/$emu" "RomPath=$demo/roms/$emu"
        [ "$alt" = yes ] && printf '%s\r\n' "AltRomPath="
        printf '%s\r\n' "" "[SnapShots]" "SnapPath=$demo/snap" "SnapFormat=BMP" "NoSlideShow=0" \
            "ShowCounter=1" "SlideDelay=2" "" "[Gui]" "FavSize=up" "" "[Favorties]"
        for favourite in "$@"; do printf '"%s"\r\n' "$favourite"; done
    } >"$file"
}
mkdir -p "$demo/Cfg"
cfg Mame Mame mame yes "Galaga (Namco)" "Donkey Kong (US set 1)"
cfg Callus Callus callus no "Street Fighter II - The World Warrior (World)"
cfg Raine Raine raine no "Rainbow Islands"
cfg System16 System16 system16 no "Golden Axe (Version 2)"
cfg M72 M-72 m72 no "Battle Chopper" "Dragon Breed" "Gallop - Armed Police Unit" "Hammerin'Harry" \
    "Image Fight" "Legend of Hero Tonma" "Mr.Heli (JP)" "Ninja Spirit" "R-Type (JP)" "R-Type (US)" \
    "R-Type 2" "X-Multiply"

cat <<NOTE
Demo installation in $demo:
  emulators (stand-ins)  $demo/emu/<name>/<name>   (runs are logged in $log)
  ROM folders            $demo/roms/<name>
  snapshots              $demo/snap
NOTE

cd "$demo"
exec 9>&-
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
    exec xvfb-run -a "$repo/build/arvok"
fi
exec "$repo/build/arvok"
