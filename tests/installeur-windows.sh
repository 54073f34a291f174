#!/usr/bin/env bash
# The Windows installer, made from the Windows build under test and tried as a workstation receives it, under
# Wine in a fresh prefix of its own and a virtual display: installed silently (/S), the files it puts in
# place (the programs and exactly the DLLs and plugins they load) and no configuration, the versions, a
# configuration written by the installed korven-config.exe into the system directory, solvane.exe --check
# against the tests' server loaded with the demo school, the Start-menu entry opening the login window (its
# title read back, a screenshot left in the work directory), then the silent uninstallation, which leaves the
# configuration in place.
#
#   installeur-windows.sh <checkout> <Windows build directory> <work directory> <project version>
#
# The tests' server is 127.0.0.1:$SOLVANE_DB_PORT (directory $SOLVANE_DB_DIR), account solvane / solvane;
# the check owns its databases korven and bd_* while it runs, as every database test does.
set -uo pipefail

src=$1
build=$2
work=$3
version=$4
port=${SOLVANE_DB_PORT:-33307}
dbdir=${SOLVANE_DB_DIR:-$src/.db-test}

# A display of its own for the windows (Wine's windows go to X).
if [ -z "${INSTALLEUR_XVFB:-}" ]; then
  INSTALLEUR_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

# shellcheck source=support/verifications.sh
source "$src/tests/support/verifications.sh"

rm -rf "$work"
mkdir -p "$work"
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine_programme=$(command -v wine || command -v wine64 || echo /usr/lib/wine/wine64)
# Wine's programs and server never hold the lock on the tests' databases (descriptor 9): they outlive the check.
wine() { "$wine_programme" "$@" 9>&-; }
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
finish() {
  "$wineserver" -k 2>/dev/null 9>&-
  echo "$passes passed, $failures failed"
  [ "$failures" -eq 0 ]
  exit $?
}

echo "== the installer"
# zlib rather than the installer's own LZMA: the same files, made in a fraction of the time.
if ! out=$(cpack --config "$build/CPackConfig.cmake" -B "$work/cpack" -D CPACK_NSIS_COMPRESSOR=zlib 2>&1); then
  ko "cpack makes the installer" "$out"
  finish
fi
installer=$work/cpack/Solvane-$version-setup.exe
[ -f "$installer" ] && ok "named Solvane-$version-setup.exe" ||
  { ko "named Solvane-$version-setup.exe" "$(ls "$work/cpack")"; finish; }

wine wineboot --init >/dev/null 2>&1
drive=$WINEPREFIX/drive_c
system32=$drive/windows/system32
dest=$drive/Program\ Files/Solvane
menu=$drive/ProgramData/Microsoft/Windows/Start\ Menu/Programs
out=$(wine "$installer" /S 2>&1)
status=$?
[ "$status" -eq 0 ] && [ -f "$dest/bin/solvane.exe" ] && ok "installed silently into Program Files\\Solvane" ||
  { ko "installed silently into Program Files\\Solvane" "status $status: $out"; finish; }

# Exactly what the programs load: Qt's DLLs and plugins, OpenSSL, Connector/C, the MinGW runtime.
expected=$(LC_ALL=C sort <<'LISTE'
Désinstaller Solvane.exe
bin/Qt6Core.dll
bin/Qt6Gui.dll
bin/Qt6PrintSupport.dll
bin/Qt6Sql.dll
bin/Qt6Widgets.dll
bin/korven-config.exe
bin/libcrypto-3-x64.dll
bin/libgcc_s_seh-1.dll
bin/libmariadb.dll
bin/libssl-3-x64.dll
bin/libstdc++-6.dll
bin/libwinpthread-1.dll
bin/qt.conf
bin/solvane.exe
plugins/imageformats/qgif.dll
plugins/imageformats/qjpeg.dll
plugins/platforms/qwindows.dll
plugins/styles/qwindowsvistastyle.dll
translations/qtbase_fr.qm
LISTE
)
files=$(cd "$dest" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$files" = "$expected" ] && ok "the programs, the DLLs and plugins they load, nothing else" ||
  ko "the programs, the DLLs and plugins they load, nothing else" "$(diff <(echo "$expected") <(echo "$files"))"
[ -f "$menu/Solvane.lnk" ] && ok "a Start-menu entry" || ko "a Start-menu entry" "$(ls "$menu")"
[ ! -e "$system32/config_korven.ini" ] && ok "no configuration written" || ko "no configuration written"

program='C:\Program Files\Solvane\bin\solvane.exe'
korven_config='C:\Program Files\Solvane\bin\korven-config.exe'
out=$(wine "$program" --version 2>&1 | tr -d '\r')
[ "$out" = "solvane $version" ] && ok "solvane.exe --version" || ko "solvane.exe --version" "$out"
out=$(wine "$korven_config" --version 2>&1 | tr -d '\r')
[ "$out" = "korven-config $version" ] && ok "korven-config.exe --version" || ko "korven-config.exe --version" "$out"

echo "== against the tests' server (127.0.0.1:$port), with the demo school"
db() { mariadb --no-defaults -h127.0.0.1 -P"$port" -usolvane -psolvane --connect-timeout=10 \
  --default-character-set=utf8mb4 "$@"; }
# The tests' databases are everyone's: wait for any other test holding them (the fixtures' lock), unless
# scripts/test-windows holds it for the whole Windows run.
if [ -z "${SOLVANE_TEST_BASES_VERROUILLEES:-}" ]; then
  exec 9>>"$dbdir/bases.lock"
  flock 9
fi
drop_databases() {
  for d in korven bd_2025_2026 bd_2026_2027; do db -e "DROP DATABASE IF EXISTS \`$d\`" 2>/dev/null; done
}
trap drop_databases EXIT
load() {
  local d
  for d in korven bd_2025_2026 bd_2026_2027; do
    db -e "DROP DATABASE IF EXISTS \`$d\`; CREATE DATABASE \`$d\` CHARACTER SET utf8mb4 \
      COLLATE utf8mb4_unicode_ci" || return 1
  done
  db korven <"$src/sql/korven.sql" && db bd_2025_2026 <"$src/sql/annee.sql" &&
    db bd_2026_2027 <"$src/sql/annee.sql" &&
    for f in "$src"/sql/demo/*.sql; do db bd_2025_2026 <"$f" || return 1; done
}
expect "the schemas and the demo school load" load
school=$(db -N -B -e "SELECT nom_etablissement FROM korven.annee_scolaire WHERE active = '1'" 2>&1)

out=$(printf 'solvane\n' | wine "$korven_config" --output 'C:\windows\system32\config_korven.ini' \
  --name korven --server 127.0.0.1 --port "$port" --user solvane 2>&1)
[ -f "$system32/config_korven.ini" ] && ok "korven-config.exe writes the configuration into the system directory" ||
  ko "korven-config.exe writes the configuration into the system directory" "$out"
out=$(wine "$program" --check 2>&1 | tr -d '\r')
grep -qF 'Fichier de configuration : C:\windows\system32\config_korven.ini' <<<"$out" &&
  grep -qF "Année active : 2025/2026" <<<"$out" && grep -qF "« $school »" <<<"$out" &&
  ok "solvane.exe --check reads it and reaches the demo school" ||
  ko "solvane.exe --check reads it and reaches the demo school" "$out"

# The Start-menu entry, as Windows' shell runs it. The login window appears first and the start-up check runs
# behind it: a failed check puts its message box beside it. So the start-up succeeded when, well after the
# login window appeared, it is still the program's only window.
windows() { xwininfo -root -tree | grep -F '("solvane.exe" "solvane.exe")' | grep -oE '"[^"]*": \(' |
  cut -d'"' -f2 | grep -vx "Default IME" | sort | tr '\n' ' '; }
wine start 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Solvane.lnk' >/dev/null 2>&1
for _ in $(seq 300); do
  case "$(windows)" in *Connexion*) break ;; esac
  sleep 0.2
done
for _ in $(seq 25); do
  [ "$(windows)" != "Connexion " ] && break
  sleep 0.2
done
seen=$(windows)
import -window root "$work/connexion.png" 2>/dev/null
[ "$seen" = "Connexion " ] && ok "the Start-menu entry opens the login window (connexion.png)" ||
  ko "the Start-menu entry opens the login window (connexion.png)" "windows: $seen"
wine taskkill /f /im solvane.exe >/dev/null 2>&1
"$wineserver" -w 2>/dev/null 9>&-

echo "== the uninstallation"
# The uninstaller runs from a copy of itself and returns at once: wait for the folder to go.
wine "C:\\Program Files\\Solvane\\Désinstaller Solvane.exe" /S >/dev/null 2>&1
for _ in $(seq 150); do
  [ -e "$dest" ] || break
  sleep 0.2
done
[ ! -e "$dest" ] && ok "uninstalled silently: Program Files\\Solvane is gone" ||
  ko "uninstalled silently: Program Files\\Solvane is gone" "$(cd "$dest" && find . | head)"
[ ! -e "$menu/Solvane.lnk" ] && ok "the Start-menu entry is gone" || ko "the Start-menu entry is gone"
[ -f "$system32/config_korven.ini" ] && ok "the configuration stays" || ko "the configuration stays"
finish
