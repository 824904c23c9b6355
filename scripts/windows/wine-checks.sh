#!/usr/bin/env bash
# Checks the Windows release under Wine, in a fresh Wine prefix of its own, against the Linux build:
#   - the unzipped release runs from a folder whose name holds Chinese and Japanese characters,
#     with nothing on WINEPATH (every DLL it needs is in the zip);
#   - tavlor-cli.exe --version prints the project's version;
#   - tavlor-cli.exe paths finds a game registered with `wine reg add` and its edit-data file in
#     the prefix's Documents;
#   - export, csv-export and a resave (edit) of the demo edit-data file give exactly the Linux
#     program's bytes;
#   - the installer installs silently (/S) per user, and keeps a changed Set.ini on reinstall
#     (only where wine32 can run the 32-bit installer; said so otherwise).
# Usage: wine-checks.sh RELEASE.zip LINUX_TAVLOR_CLI DEMO_GAME_FOLDER [SETUP.exe]
set -euo pipefail
zip=$(realpath "$1") linux_cli=$(realpath "$2") demo=$(realpath "$3") setup=${4:+$(realpath "$4")}
work=$(mktemp -d)
trap 'WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEPATH=
# The 64-bit loader for the 64-bit programs (with wine32 installed "wine" starts the 32-bit one).
wine=$( [ -x /usr/lib/wine/wine64 ] && echo /usr/lib/wine/wine64 || command -v wine64 || command -v wine)
failures=0
check() {  # check DESCRIPTION COMMAND...
  if "${@:2}"; then echo "ok   $1"; else echo "FAIL $1"; failures=$((failures + 1)); fi
}
"$wine" wineboot --init >/dev/null 2>&1
wineserver -w

folder="$work/游戏 織田の城"
mkdir -p "$folder"
(cd "$folder" && unzip -q "$zip")
release=$(echo "$folder"/Tavlor-*-windows-x64)
cli() { (cd "$release" && "$wine" ./tavlor-cli.exe "$@" | tr -d '\r'); }

version=$(sed -n 's/^project(Tavlor VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
check "--version names $version" grep -q "$version" <(cli --version)

# A game registered as the game's installer does, and its edit-data file in Documents.
game="$WINEPREFIX/drive_c/Games/信長の野望"
mkdir -p "$game"
cp -r "$demo/grp" "$game/"
documents=$("$wine" cmd /c 'echo %USERPROFILE%' | tr -d '\r')
documents_unix=$(winepath -u "$documents" 2>/dev/null)/Documents
mkdir -p "$documents_unix/KOEI/Nobunaga13/EDIT/SETDATA"
cp "$demo/EDATA000.13S" "$documents_unix/KOEI/Nobunaga13/EDIT/SETDATA/"
"$wine" reg add 'HKCU\Software\KOEI\Nobunaga13\Install' /v InstallInfo /t REG_SZ \
  /d 'C:\Games\信長の野望\' /f >/dev/null 2>&1
paths=$(cli paths || true)
echo "$paths" | sed 's/^/     /'
check "paths finds the registered game folder" grep -q '信長の野望' <<<"$paths"
check "paths finds the edit-data file in Documents" grep -q 'EDATA000.13S' <<<"$paths"

# The same commands on the same bytes give the same bytes on both systems.
cp "$demo/EDATA000.13S" "$work/linux.13S"
cp "$demo/EDATA000.13S" "$release/windows.13S"
"$linux_cli" export "$work/linux.13S" >"$work/linux.json"
cli export windows.13S >"$work/windows.json" || true
check "export gives the Linux bytes" cmp -s "$work/linux.json" "$work/windows.json"
"$linux_cli" csv-export "$work/linux.13S" "$work/linux.csv" >/dev/null
cli csv-export windows.13S windows.csv >/dev/null || true
check "csv-export gives the Linux bytes" cmp -s "$work/linux.csv" "$release/windows.csv"
"$linux_cli" resave "$work/linux.13S" "$work/linux-resaved.13S" >/dev/null
cli resave windows.13S windows-resaved.13S >/dev/null || true
check "resave gives the Linux bytes" cmp -s "$work/linux-resaved.13S" "$release/windows-resaved.13S"
"$linux_cli" edit "$work/linux.13S" 0 FamilyName=織田 >/dev/null
cli edit windows.13S 0 FamilyName=織田 >/dev/null || true
check "an edit saves the Linux bytes" cmp -s "$work/linux.13S" "$release/windows.13S"
check "the save keeps the old file as .bak" cmp -s "$demo/EDATA000.13S" "$release/windows.13S.bak"

# The editor, started from the Chinese- and Japanese-named folder, opens the registered game (its
# faces and the edit-data file in Documents) and photographs its two windows, in Simplified and in
# Traditional Chinese, into dist/wine-check/ for a person to look at.
shots=$(dirname "$zip")/wine-check
rm -rf "$shots"
mkdir -p "$shots"
if [ -z "${DISPLAY:-}" ]; then
  display=:$((90 + RANDOM % 9))
  Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null; WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
  export DISPLAY=$display
  sleep 2
fi
editor() { (cd "$release" && timeout 120 "$wine" ./tavlor.exe "$@" >/dev/null 2>&1); }
editor --pick 1 --screenshot "Form2,Form1=Z:$shots/simplified.png" || true
check "the editor photographs its windows (Simplified)" test -s "$shots/simplified.png"
editor --pick 1 --traditional --screenshot "Form2,Form1=Z:$shots/traditional.png" || true
check "the editor photographs its windows (Traditional)" test -s "$shots/traditional.png"
editor --pick 1 --screenshot "FaceImportWindow=Z:$shots/face-import.png" || true
check "the editor photographs its 导入肖像 window" test -s "$shots/face-import.png"
editor --pick 1 --traditional --screenshot "FaceImportWindow=Z:$shots/face-import-traditional.png" || true
check "the editor photographs its 导入肖像 window (Traditional)" test -s "$shots/face-import-traditional.png"

# A change and 保存数据 in the editor's own windows, driven as a player would: the first general
# moved down (Ctrl+Down in the list), the save button clicked, the question answered. The file in
# Documents must then hold what the Linux program writes for the same move, the old file its .bak.
wait_window() {  # wait_window TITLE_REGEX: prints the window's id once it is on the screen
  local id=""
  for _ in $(seq 1 120); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1) && [ -n "$id" ] && break
    sleep 0.5
  done
  [ -n "$id" ] && echo "$id"
}
edit_data="$documents_unix/KOEI/Nobunaga13/EDIT/SETDATA/EDATA000.13S"
cp "$demo/EDATA000.13S" "$edit_data"
(cd "$release" && "$wine" ./tavlor.exe --pick 1 >/dev/null 2>&1) &
editor_run=$!
saved=0
if list=$(wait_window '^TavlorV'); then
  sleep 2
  eval "$(xdotool getwindowgeometry --shell "$list")"
  # A click on the first general's name gives the grid the keyboard, Ctrl+Down moves it down.
  xdotool mousemove $((X + 75)) $((Y + 100)) click 1
  sleep 0.5
  xdotool key ctrl+Down
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$list")"
  # 保存数据 sits at the list window's lower left, 23 pixels above its bottom edge.
  xdotool mousemove $((X + 157)) $((Y + HEIGHT - 23)) click 1
  if question=$(wait_window '^保存数据$'); then
    xdotool windowfocus "$question" 2>/dev/null || true
    xdotool key Return
    if done_box=$(wait_window '^完成提示'); then
      import -window root "$shots/saved.png" 2>/dev/null || true
      xdotool windowfocus "$done_box" 2>/dev/null || true
      xdotool key Return
      saved=1
    fi
  fi
fi
# The editor is done with: every program of the prefix is ended, the editor with them.
kill "$editor_run" 2>/dev/null || true
wineserver -k 2>/dev/null || true
wait "$editor_run" 2>/dev/null || true
check "保存数据 in the editor reports the save" test "$saved" -eq 1
cp "$demo/EDATA000.13S" "$work/linux-moved.13S"
"$linux_cli" move "$work/linux-moved.13S" 0 1 >/dev/null
check "the editor's save under Wine writes what the Linux program writes" cmp -s "$work/linux-moved.13S" "$edit_data"
check "the editor's save keeps the old file as .bak" cmp -s "$demo/EDATA000.13S" "$edit_data.bak"

if [ -n "$setup" ]; then
  # NSIS installers are 32-bit programs: only a Wine with its 32-bit half (Debian's wine32) runs them.
  if dpkg-query -W -f='${Status}' wine32 2>/dev/null | grep -q "install ok installed" &&
    wine "$setup" /S >/dev/null 2>&1 && wineserver -w; then
    installed="$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/AppData/Local/Programs/Tavlor"
    [ -d "$installed" ] || installed=$(find "$WINEPREFIX/drive_c/users" -type d -path '*Programs/Tavlor' | head -1)
    check "the installer puts tavlor.exe in the user's programs" test -f "$installed/tavlor.exe"
    check "the installer adds a Start-menu entry" \
      test -n "$(find "$WINEPREFIX/drive_c" -name 'Tavlor.lnk' | head -1)"
    echo "; the player's own line" >>"$installed/Set.ini"
    wine "$setup" /S >/dev/null 2>&1; wineserver -w
    check "reinstalling keeps the player's Set.ini" grep -q "the player's own line" "$installed/Set.ini"
    wine "$installed/uninstall.exe" /S _?="$(winepath -w "$installed")" >/dev/null 2>&1; wineserver -w
    check "the uninstaller removes the program" test ! -f "$installed/tavlor.exe"
  else
    echo "skip the installer: this Wine cannot run a 32-bit program (install wine32)"
  fi
fi
((failures == 0)) || { echo "$failures Wine check(s) failed"; exit 1; }
echo "all Wine checks passed"
