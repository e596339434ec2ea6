#!/usr/bin/env bash
# Makes docs/screenshot.png: Tolvane with a small map, on a virtual desktop
# with the openbox window manager, cut to the window's outer frame.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
command -v import >/dev/null || { apt-get install -y -qq imagemagick >/dev/null; }
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/release --target tolvane

folder=$(mktemp -d)
cp build/release/tolvane "$folder/"
printf '[mind]\r\n0=Trip to Kyoto\r\n1-1=Temples\r\n1-2=金阁寺, 清水寺\r\n2-1=Food\r\n2-2=Matcha, ramen\r\n3-1=Budget\r\n3-2=¥120,000\r\n' \
  >"$folder/mindsave.ini"

cat >"$folder/shoot.sh" <<'SHOOT'
. tests/desktop/desktop_session.sh
"$1/tolvane" &
window=$(wait_for_window '^Tolvane \(Pre-Alpha')
sleep 0.5
read -r left top width height < <(outer_rectangle "$window")
import -window root -crop "${width}x${height}+${left}+${top}" +repage docs/screenshot.png
wmctrl -i -c "$window"
wait
SHOOT
scripts/with-desktop.sh bash "$folder/shoot.sh" "$folder"
rm -rf "$folder"
echo "docs/screenshot.png written"
