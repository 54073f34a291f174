#!/usr/bin/env bash
# The Debian package, made from the build under test and checked as a workstation would receive it: its
# control data and its files, lintian, the desktop entry and the AppStream file, then its programs run from a
# scratch root where it is unpacked (dpkg -x): the versions, the help, a configuration written by the
# packaged korven-config, solvane --check, and the start-up of the desktop entry's command under a virtual
# display against the tests' server, loaded with the packaged schemas and demo school. The Qt plugins that
# start-up loads must come from packages the package depends on. The maintainer script runs in a private
# mount namespace over a copy-on-write /etc (root only; skipped otherwise, and said so).
#
#   paquet-checks.sh <checkout> <build directory> <work directory> <project version> <desktop id>
#
# The tests' server is 127.0.0.1:$SOLVANE_DB_PORT, account solvane / solvane; the check owns its databases
# korven and bd_* while it runs, as every database test does.
set -uo pipefail

src=$1
build=$2
work=$3
version=$4
appid=$5
port=${SOLVANE_DB_PORT:-33307}
# shellcheck source=support/verifications.sh
source "$src/tests/support/verifications.sh"

finish() {
  echo "$passes passed, $failures failed"
  [ "$failures" -eq 0 ]
  exit $?
}

rm -rf "$work"
mkdir -p "$work"

echo "== the package"
if ! out=$(cpack --config "$build/CPackConfig.cmake" -B "$work/cpack" 2>&1); then
  ko "cpack makes the package" "$out"
  finish
fi
deb=$(ls "$work"/cpack/solvane_*.deb 2>/dev/null)
arch=$(dpkg --print-architecture)
if [ "$deb" = "$work/cpack/solvane_${version}_${arch}.deb" ]; then
  ok "named solvane_${version}_${arch}.deb"
else
  ko "named solvane_${version}_${arch}.deb" "made: $deb"
  finish
fi

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = solvane ] && [ "$(field Version)" = "$version" ] && [ "$(field Architecture)" = "$arch" ] &&
  ok "control: package, version, architecture" ||
  ko "control: package, version, architecture" "$(dpkg-deb -f "$deb")"

# The dependencies: the libraries found in the binaries by dpkg-shlibdeps, and what is loaded at run time.
depends=$(field Depends)
missing=""
for p in libc6 libqt6core6 libqt6widgets6 libqt6sql6 libqt6printsupport6 libssl3 libmariadb3 \
  qt6-translations-l10n fonts-liberation2 fonts-urw-base35 libxcursor1 adduser; do
  grep -Eq "(^|, )$p( |,|$)" <<<"$depends" || missing+=" $p"
done
[ -z "$missing" ] && ok "depends on the linked libraries and the run-time pieces" ||
  ko "depends on the linked libraries and the run-time pieces" "missing:$missing
Depends: $depends"

# One maintainer script: postinst. Nothing that would remove a file the package does not own.
control=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | sed 's|^\./||' | grep -v '^$' | sort | tr '\n' ' ')
[ "$control" = "control md5sums postinst " ] && ok "control files: control, md5sums, postinst" ||
  ko "control files: control, md5sums, postinst" "$control"

contents=$(dpkg-deb --contents "$deb")
files=$(awk '{print $6}' <<<"$contents" | sed 's|^\./|/|')
missing=""
for f in /usr/bin/solvane /usr/bin/korven-config \
  "/usr/share/applications/$appid.desktop" "/usr/share/metainfo/$appid.metainfo.xml" \
  "/usr/share/icons/hicolor/scalable/apps/$appid.svg" \
  /usr/share/man/man1/solvane.1.gz /usr/share/man/man1/korven-config.1.gz \
  /usr/share/doc/solvane/copyright /usr/share/doc/solvane/changelog.gz \
  /usr/share/solvane/sql/korven.sql /usr/share/solvane/sql/annee.sql; do
  grep -qxF "$f" <<<"$files" || missing+=" $f"
done
for s in 16 22 24 32 48 64 128 256; do
  grep -qxF "/usr/share/icons/hicolor/${s}x${s}/apps/$appid.png" <<<"$files" || missing+=" ${s}x${s}.png"
done
for f in "$src"/sql/demo/*.sql; do
  grep -qxF "/usr/share/solvane/sql/demo/$(basename "$f")" <<<"$files" || missing+=" demo/$(basename "$f")"
done
[ -z "$missing" ] && ok "files at their places" || ko "files at their places" "missing:$missing"
stray=$(grep -v -e '^/usr/bin/' -e '^/usr/share/' -e '^/usr/$' <<<"$files")
[ -z "$stray" ] && ok "nothing outside /usr/bin and /usr/share (no /etc: the configuration is never shipped)" ||
  ko "nothing outside /usr/bin and /usr/share" "$stray"
odd=$(awk '$2 != "root/root" || ($1 ~ /^-/ && $1 != "-rw-r--r--" && $1 != "-rwxr-xr-x") ||
  ($1 ~ /^d/ && $1 != "drwxr-xr-x") || ($1 ~ /^-rwx/ && $6 !~ /^\.\/usr\/bin\//)' <<<"$contents")
[ -z "$odd" ] && ok "owned by root, modes 0644, 0755 for the programs and folders" ||
  ko "owned by root, modes 0644, 0755 for the programs and folders" "$odd"
unstripped=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/bin/solvane | file - | grep -v ', stripped')
[ -z "$unstripped" ] && ok "programs stripped" || ko "programs stripped" "$unstripped"

echo "== lintian"
if ! command -v lintian >/dev/null; then
  ko "lintian is installed (scripts/install-deps)"
else
  out=$(lintian --no-tag-display-limit "$deb" 2>&1 | grep -v 'running with root privileges')
  bad=$(grep -E '^[EW]: ' <<<"$out")
  [ -z "$bad" ] && ok "lintian: no error, no warning" || ko "lintian: no error, no warning" "$out"
fi

echo "== unpacked into a scratch root"
root=$work/racine
mkdir -p "$root"
dpkg -x "$deb" "$root"
desktop=$root/usr/share/applications/$appid.desktop
expect "desktop-file-validate" desktop-file-validate "$desktop"
expect "appstreamcli validate" appstreamcli validate --no-net "$root/usr/share/metainfo/$appid.metainfo.xml"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ "$icon" = "$appid" ] && [ -f "$root/usr/share/icons/hicolor/48x48/apps/$icon.png" ] &&
  ok "the entry's icon is the package's" || ko "the entry's icon is the package's" "Icon=$icon"
grep -q "<launchable type=\"desktop-id\">$appid.desktop</launchable>" \
  "$root/usr/share/metainfo/$appid.metainfo.xml" && ok "the AppStream file launches the entry" ||
  ko "the AppStream file launches the entry"
# The entry's command, found in the unpacked /usr/bin.
read -r -a exec_line <<<"$(sed -n 's/^Exec=//p' "$desktop")"
program=$root/usr/bin/${exec_line[0]:-}
if [ "${#exec_line[@]}" -eq 1 ] && [ -x "$program" ]; then
  ok "the entry runs ${exec_line[0]}, a program of the package"
else
  ko "the entry runs a program of the package" "Exec=${exec_line[*]}"
  program=$root/usr/bin/solvane
fi
korven_config=$root/usr/bin/korven-config

out=$("$program" --version 2>&1)
[ "$out" = "solvane $version" ] && ok "solvane --version" || ko "solvane --version" "$out"
out=$("$korven_config" --version 2>&1)
[ "$out" = "korven-config $version" ] && ok "korven-config --version" || ko "korven-config --version" "$out"
expect "korven-config --help" "$korven_config" --help
# Every long option a program lists in its help is in its manual page.
for p in solvane korven-config; do
  page=$(zcat "$root/usr/share/man/man1/$p.1.gz" | sed 's/\\-/-/g')
  missing=""
  for option in $("$root/usr/bin/$p" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u); do
    grep -qF -- "$option" <<<"$page" || missing+=" $option"
  done
  [ -z "$missing" ] && ok "$p's manual page has every option of its help" ||
    ko "$p's manual page has every option of its help" "missing:$missing"
done

echo "== against the tests' server (127.0.0.1:$port), with the packaged schemas and demo school"
db() { mariadb --no-defaults -h127.0.0.1 -P"$port" -usolvane -psolvane --connect-timeout=10 \
  --default-character-set=utf8mb4 "$@"; }
# The tests' databases are everyone's: wait for any other test holding them.
exec 9>"/tmp/solvane-db-$port.lock"
flock 9
drop_databases() {
  for d in korven bd_2025_2026 bd_2026_2027; do db -e "DROP DATABASE IF EXISTS \`$d\`" 2>/dev/null; done
}
trap drop_databases EXIT
sql=$root/usr/share/solvane/sql
load() {
  local d
  for d in korven bd_2025_2026 bd_2026_2027; do
    db -e "DROP DATABASE IF EXISTS \`$d\`; CREATE DATABASE \`$d\` CHARACTER SET utf8mb4 \
      COLLATE utf8mb4_unicode_ci" || return 1
  done
  db korven <"$sql/korven.sql" && db bd_2025_2026 <"$sql/annee.sql" && db bd_2026_2027 <"$sql/annee.sql" &&
    for f in "$sql"/demo/*.sql; do db bd_2025_2026 <"$f" || return 1; done
}
expect "the packaged schemas and demo school load" load
school=$(db -N -B -e "SELECT nom_etablissement FROM korven.annee_scolaire WHERE active = '1'" 2>&1)

etc=$work/etc-korven
wrong=$work/etc-mauvais
mkdir -p "$etc" "$wrong"
write_configuration() {
  printf 'solvane\n' | "$korven_config" --output "$etc/config_korven.ini" --name korven --server 127.0.0.1 \
    --port "$port" --user solvane
}
expect "korven-config writes the configuration" write_configuration
printf 'pas le bon\n' | "$korven_config" --output "$wrong/config_korven.ini" --name korven \
  --server 127.0.0.1 --port "$port" --user solvane

out=$(KORVEN_SYSTEM_DIR=$etc "$program" --check 2>&1)
status=$?
[ "$status" -eq 0 ] && grep -qF "Année active : 2025/2026" <<<"$out" && grep -qF "« $school »" <<<"$out" &&
  ok "solvane --check reaches the demo school" || ko "solvane --check reaches the demo school" "status $status: $out"

# The start-up as the menu entry runs it, under a virtual display. The login window appears first and the
# start-up check runs behind it: a failed check puts its message box beside it and ends the program once
# answered. So the start-up succeeded when, well after the login window appeared, the program still runs
# with that one window. The same run with a wrong password must show the box: the check can tell.
startup() { # startup <configuration directory> <output file>
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    KORVEN_SYSTEM_DIR=$1 "$2" 2>/dev/null &
    pid=$!
    windows() { xwininfo -root -tree | grep -F "(\"solvane\" \"solvane\")" | grep -oE "\"[^\"]*\": \(" | cut -d\" -f2 | sort | tr "\n" " "; }
    for _ in $(seq 300); do
      case "$(windows)" in *Connexion*) break ;; esac
      kill -0 $pid 2>/dev/null || break
      sleep 0.1
    done
    # The check of a local server takes a fraction of a second; a failed one shows its box within that.
    for _ in $(seq 50); do
      [ "$(windows)" != "Connexion " ] && break
      sleep 0.1
    done
    kill -0 $pid 2>/dev/null && echo "running" || echo "ended"
    echo "windows: $(windows)"
    grep -oE "/[^ ]*/qt6/(plugins/[^ ]*\.so|translations/[^ ]*\.qm)|/usr/share/fonts/[^ ]*" /proc/$pid/maps \
      2>/dev/null | sort -u | sed "s/^/loaded: /"
    kill $pid 2>/dev/null
    wait $pid 2>/dev/null
    true
  ' startup "$1" "$program" >"$2" 2>&1
}
startup "$etc" "$work/demarrage.txt"
if grep -qx "running" "$work/demarrage.txt" && grep -qx "windows: Connexion " "$work/demarrage.txt"; then
  ok "the entry's command starts and waits at the login window"
else
  ko "the entry's command starts and waits at the login window" "$(cat "$work/demarrage.txt")"
fi
startup "$wrong" "$work/refus.txt"
if grep -Eq "^windows: .*solvane" "$work/refus.txt"; then
  ok "with a wrong password the start-up shows its message box"
else
  ko "with a wrong password the start-up shows its message box" "$(cat "$work/refus.txt")"
fi

# What the start-up loaded besides the linked libraries (Qt's plugins: the platform, image formats ...; Qt's
# French texts; the faces the windows ask for) must come from packages the package depends on by name:
# dpkg-shlibdeps does not see them. The desktop's default face is the desktop's.
default_face=$(fc-match -f '%{family[0]}' sans-serif 2>/dev/null)
loaded=$(sed -n 's/^loaded: //p' "$work/demarrage.txt")
unlisted=""
for f in $loaded; do
  case "$f" in
  /usr/share/fonts/*) [ "$(fc-query -f '%{family[0]}\n' "$f" 2>/dev/null | head -1)" = "$default_face" ] && continue ;;
  esac
  owner=$(dpkg -S "$f" 2>/dev/null | head -1 | cut -d: -f1)
  grep -Eq "(^|, )$owner( |,|$)" <<<"$depends" || unlisted+=" $f ($owner)"
done
if ! grep -q '/platforms/' <<<"$loaded"; then
  ko "what the start-up loads comes from its dependencies" "no platform plugin seen:
$(cat "$work/demarrage.txt")"
elif [ -z "$unlisted" ]; then
  ok "what the start-up loads comes from its dependencies ($(wc -w <<<"$loaded") plugins, translations, faces)"
else
  ko "what the start-up loads comes from its dependencies" "not depended on:$unlisted"
fi

echo "== the maintainer script"
postinst=$work/postinst
dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./postinst >"$postinst"
if [ "$(id -u)" -ne 0 ]; then
  echo "skip  postinst in a private /etc: needs root"
elif ! unshare --mount --propagation private true 2>/dev/null; then
  echo "skip  postinst in a private /etc: this machine gives no mount namespace"
else
  # /etc as an overlay in a mount namespace of its own, its upper layer on a tmpfs there: what postinst
  # writes lands in that layer, listed before the namespace goes, and the machine's /etc is never touched.
  # Run twice (installation, then an upgrade); then with /etc/korven already there under other modes.
  inspect() { # inspect <shell commands run before postinst> [<shell commands run after it>]
    unshare --mount --propagation private sh -c '
      t=$(mktemp -d) && mount -t tmpfs tmpfs "$t" && mkdir "$t/u" "$t/w" &&
        mount -t overlay overlay -o "lowerdir=/etc,upperdir=$t/u,workdir=$t/w" /etc || exit 1
      eval "$1"
      sh "$2" configure && sh "$2" configure 1.0.0 || { echo "postinst failed"; exit 1; }
      getent group korven >/dev/null && echo "group korven"
      stat -c "%a %U:%G" /etc/korven
      eval "$3"
      echo "written: $(cd "$t/u" && find . -mindepth 1 | sed "s|^\./||" | sort | tr "\n" " ")"
      umount /etc "$t"
      rmdir "$t"
    ' inspect "$1" "$postinst" "${2:-}"
  }
  out=$(inspect "" 2>&1)
  expected="group korven
750 root:korven
written: .pwd.lock group group- gshadow gshadow- korven "
  [ "$out" = "$expected" ] &&
    ok "postinst makes the group korven and /etc/korven 0750 root:korven, and nothing else in /etc" ||
    ko "postinst makes the group korven and /etc/korven 0750 root:korven, and nothing else in /etc" "$out"
  out=$(inspect "mkdir -m 0755 /etc/korven" 2>&1)
  grep -qx "755 root:root" <<<"$out" && ok "postinst leaves an /etc/korven already there as it is" ||
    ko "postinst leaves an /etc/korven already there as it is" "$out"
  # What an administrator may have left there: a link (to nowhere, or to a directory anyone may change), a
  # directory anyone may change. The installation goes on, nothing is followed or changed, and the script
  # says what it found and what to do.
  for cas in "a dangling link|ln -s /etc/nulle-part/korven /etc/korven|lien symbolique|test ! -e /etc/nulle-part && echo unfollowed" \
    "a link to a directory anyone may change|mkdir -m 0777 /etc/partage && ln -s /etc/partage /etc/korven|lien symbolique|stat -c %a /etc/partage" \
    "a directory anyone may change|mkdir -m 0777 /etc/korven|chmod 0750|stat -c %a /etc/korven"; do
    IFS='|' read -r nom avant dit apres <<<"$cas"
    out=$(inspect "$avant" "$apres" 2>&1)
    if ! grep -q "postinst failed" <<<"$out" && grep -q "solvane : .*$dit" <<<"$out" &&
      grep -qx "unfollowed\|777" <<<"$out"; then
      ok "postinst with $nom in /etc/korven: installs, changes nothing there, says what to do"
    else
      ko "postinst with $nom in /etc/korven: installs, changes nothing there, says what to do" "$out"
    fi
  done
fi

finish
