#!/usr/bin/env bash
# scripts/db-server probed as another local user and as a careless one would: who reaches the server, what
# the test account may do, what start and stop do with a damaged data directory, a foreign pid file, a port
# already taken and two starts at once. Every check runs on scratch servers of its own (directories under a
# scratch directory made for the run, free ports): the tests' and the demo's servers are never touched.
#
#   db-server-checks.sh <checkout>
#
# The checks as another user need root (they run the client as "nobody") and a scratch directory that
# nobody can pass through, which is made under the temporary directory whatever the checkout's location (a
# home directory is often closed to others); without either they are skipped, and say so. The scratch
# directory is removed when every check passed, and kept for a look otherwise.
set -uo pipefail

src=$1
script=$src/scripts/db-server
# shellcheck source=support/verifications.sh
source "$src/tests/support/verifications.sh"

free_port() {
  local p
  for p in $(seq "$1" $(($1 + 500))); do
    if ! (exec 3<>"/dev/tcp/127.0.0.1/$p") 2>/dev/null; then
      echo "$p"
      return 0
    fi
  done
  return 1
}

# db-server with a scratch directory and port: srv <name> <port> <command> [args]
srv() {
  local name=$1 port=$2
  shift 2
  SOLVANE_DB_DIR=$work/$name SOLVANE_DB_PORT=$port "$script" "$@"
}

as_admin() { srv a "$pa" client -N -B -e "$1"; }
as_solvane() {
  mariadb --no-defaults -h127.0.0.1 -P"$pa" -usolvane -psolvane --connect-timeout=5 -N -B -e "$1"
}
as_nobody() { setpriv --reuid=65534 --regid=65534 --clear-groups -- "$@"; }

# The scratch directory: passable (not readable) by other users, on a path they can pass through, so that
# what the checks as nobody find closed is closed by the server's own directory and nothing above it.
nobody_passes() { as_nobody test -x "$1"; }
work=""
for t in "${TMPDIR:-/tmp}" /tmp; do
  candidate=$(mktemp -d "$t/solvane-db-checks.XXXXXX") || continue
  chmod 711 "$candidate"
  if [ "$(id -u)" -ne 0 ] || nobody_passes "$candidate"; then
    work=$candidate
    break
  fi
  rm -rf "$candidate"
done
if [ -z "$work" ]; then
  # Root, but nobody can pass through any temporary directory: the checks as another user would mean
  # nothing; the others run in a scratch directory of the temporary directory all the same.
  work=$(mktemp -d "${TMPDIR:-/tmp}/solvane-db-checks.XXXXXX") || { echo "FAIL  no scratch directory"; exit 1; }
  nobody_skip="no temporary directory that nobody can pass through (${TMPDIR:-/tmp}, /tmp)"
fi
echo "scratch directory: $work"
# Below the system's range for outgoing connections (from 32768), which could take a port between the check
# and the start, and apart from the cluster test's ports (25000 to 29999), which may run at the same time.
base=$((20000 + RANDOM % 4000))
pa=$(free_port "$base")
pc=$(free_port $((pa + 1)))
sleeper=""
cleanup() {
  [ -n "$sleeper" ] && kill "$sleeper" 2>/dev/null
  for n in a b c d; do
    [ -d "$work/$n" ] && srv "$n" 1 stop >/dev/null 2>&1
  done
}
trap cleanup EXIT

echo "== a fresh server (port $pa)"
if ! out=$(srv a "$pa" start 2>&1); then
  ko "start a fresh server" "$out"
  exit 1
fi
ok "start a fresh server"
sock=$work/a/mariadbd.sock
data=$work/a/data

mode=$(stat -c %a "$work/a")
[ "$mode" = 700 ] && ok "the server's directory is closed to other users" || ko "directory mode" "$mode"
mode=$(stat -c %a "$data")
[ "$mode" = 700 ] && ok "the data directory is closed to other users" || ko "data directory mode" "$mode"
[ -S "$sock" ] && ok "the socket lies in the server's own directory" || ko "socket $sock"
for v in tmpdir secure_file_priv socket log_error pid_file; do
  value=$(as_admin "SELECT @@$v")
  case "$value" in
    "$work/a"/*) ok "$v is inside the server's directory" ;;
    *) ko "$v is inside the server's directory" "$v = $value" ;;
  esac
done

echo "== root and the administrator"
expect "the user who started the server administers it through the socket" \
  srv a "$pa" client -e "SELECT CURRENT_USER()"
refuse "root over TCP, no password" \
  mariadb --no-defaults -h127.0.0.1 -P"$pa" -uroot --connect-timeout=5 -e "SELECT 1"
refuse "root over TCP, empty password" \
  mariadb --no-defaults -h127.0.0.1 -P"$pa" -uroot --password= --connect-timeout=5 -e "SELECT 1"
accounts=$(as_admin "SELECT CONCAT(User, '@', Host, ' ', IF(JSON_VALUE(Priv, '$.plugin') IN ('unix_socket'),
  'socket', 'password')) FROM mysql.global_priv WHERE User NOT IN ('mariadb.sys', 'PUBLIC') ORDER BY 1")
expected="root@localhost socket
solvane@127.0.0.1 password
solvane@localhost password"
if [ "$(id -un)" != root ]; then
  expected=$(printf '%s\n%s' "$(id -un)@localhost socket" "$expected" | sort)
fi
[ "$accounts" = "$expected" ] && ok "no other account than the administrator and solvane" ||
  ko "accounts" "$accounts"

echo "== the test account"
grants=$(as_solvane "SHOW GRANTS")
case "$grants" in
  *FILE* | *"GRANT OPTION"* | *SUPER* | *"ALL PRIVILEGES"*) ko "no FILE, SUPER or GRANT OPTION" "$grants" ;;
  *) ok "no FILE, SUPER or GRANT OPTION" ;;
esac
global=$(printf '%s\n' "$grants" | grep -F 'ON *.*' | sed -e 's/ IDENTIFIED BY.*//')
[ "$global" = "GRANT PROCESS ON *.* TO \`solvane\`@\`127.0.0.1\`" ] &&
  ok "its only global right is PROCESS" || ko "its only global right is PROCESS" "$global"
expect "it creates and drops korven and bd_* databases" \
  as_solvane "CREATE DATABASE korven; CREATE DATABASE bd_2030_2031; CREATE TABLE bd_2030_2031.t (a INT);
    DROP DATABASE bd_2030_2031; DROP DATABASE korven"
refuse "it cannot create another database" as_solvane "CREATE DATABASE autre"
refuse "the underscore of bd_ is not a wildcard" as_solvane "CREATE DATABASE bdx2030"
refuse "it cannot read the system tables" as_solvane "SELECT COUNT(*) FROM mysql.global_priv"
refuse "it cannot write a file" as_solvane "SELECT 'x' INTO OUTFILE '$work/a/fichiers/x'"
refuse "it cannot load a file into a table" \
  as_solvane "CREATE DATABASE IF NOT EXISTS bd_lecture; CREATE TABLE IF NOT EXISTS bd_lecture.t (a TEXT);
    LOAD DATA INFILE '/etc/hostname' INTO TABLE bd_lecture.t"
as_solvane "DROP DATABASE IF EXISTS bd_lecture"
lu=$(as_solvane "SELECT LOAD_FILE('/etc/hostname')")
[ "$lu" = NULL ] && ok "it cannot read a file with LOAD_FILE" || ko "LOAD_FILE read" "$lu"
refuse "it cannot set a global variable" as_solvane "SET GLOBAL general_log_file = '$work/x.log'"
expect "it moves the server's time zone, and back" \
  as_solvane "CALL solvane_serveur.fuseau_horaire('+13:00'); CALL solvane_serveur.fuseau_horaire('SYSTEM')"
tz=$(as_admin "SELECT @@global.time_zone")
[ "$tz" = SYSTEM ] && ok "the time zone is back" || ko "time zone" "$tz"

echo "== tables made outside the data directory"
# DATA DIRECTORY and INDEX DIRECTORY need no FILE right: they would let the account (public, and open to every
# local user) have the server, which may run as root, write files of its choosing anywhere.
secret=$work/secret
mkdir -m 700 "$secret"
for engine in MyISAM Aria InnoDB; do
  as_solvane "CREATE DATABASE IF NOT EXISTS bd_ailleurs; CREATE TABLE bd_ailleurs.t_$engine (a INT)
    ENGINE=$engine DATA DIRECTORY='$secret'; INSERT INTO bd_ailleurs.t_$engine VALUES (1)" >/dev/null 2>&1
  as_solvane "CREATE TABLE bd_ailleurs.i_$engine (a INT, KEY (a)) ENGINE=$engine INDEX DIRECTORY='$secret'" \
    >/dev/null 2>&1
  [ -z "$(ls -A "$secret")" ] && ok "$engine: nothing written in a directory of the server's user" ||
    ko "$engine: files written in $secret" "$(ls -la "$secret")"
done
as_solvane "DROP DATABASE IF EXISTS bd_ailleurs"

echo "== another local user"
if [ -n "${nobody_skip:-}" ]; then
  echo "skip  the checks as another user: $nobody_skip"
elif [ "$(id -u)" -eq 0 ]; then
  expect "nobody can pass through the scratch directory (so the next checks mean something)" \
    nobody_passes "$work"
  refuse "nobody cannot reach the socket" \
    as_nobody mariadb --no-defaults --socket="$sock" -uroot --connect-timeout=5 -e "SELECT 1"
  refuse "nobody cannot see into the server's directory" as_nobody ls "$work/a"
  refuse "nobody cannot sign in as root over TCP" \
    as_nobody mariadb --no-defaults -h127.0.0.1 -P"$pa" -uroot --connect-timeout=5 -e "SELECT 1"
  refuse "nobody, with the test account, cannot write a root-owned file" \
    as_nobody mariadb --no-defaults -h127.0.0.1 -P"$pa" -usolvane -psolvane --connect-timeout=5 \
    -e "SELECT 'x' INTO OUTFILE '/root/solvane-db-server-check'"
  [ ! -e /root/solvane-db-server-check ] && ok "no file was written" ||
    { ko "a file was written in /root"; rm -f /root/solvane-db-server-check; }
else
  echo "skip  the checks as another user need root (they run the client as nobody)"
fi

echo "== a data directory of an older kind is repaired at the next start"
as_admin "CREATE USER 'root'@'127.0.0.1'; GRANT ALL PRIVILEGES ON *.* TO 'root'@'127.0.0.1' WITH GRANT OPTION;
  CREATE USER ''@'localhost'; GRANT ALL PRIVILEGES ON *.* TO 'solvane'@'127.0.0.1' WITH GRANT OPTION"
srv a "$pa" start >/dev/null 2>&1
refuse "root over TCP is gone again" \
  mariadb --no-defaults -h127.0.0.1 -P"$pa" -uroot --connect-timeout=5 -e "SELECT 1"
refuse "solvane lost its global rights" as_solvane "CREATE DATABASE autre"
[ -z "$(as_admin "SELECT 1 FROM mysql.global_priv WHERE User = ''")" ] && ok "the anonymous account is gone" ||
  ko "the anonymous account is still there"

echo "== a pid file that names another process"
sleep 600 &
sleeper=$!
real=$(cat "$work/a/mariadbd.pid")
echo "$sleeper" >"$work/a/mariadbd.pid"
out=$(srv a "$pa" status 2>&1)
case "$out" in
  *"pid $real"*) ok "status finds the server itself" ;;
  *) ko "status finds the server itself" "$out" ;;
esac
expect "stop stops the server" srv a "$pa" stop
kill -0 "$sleeper" 2>/dev/null && ok "the other process was not signalled" || ko "the other process was killed"
# (a process that has ended may linger as a zombie until it is reaped: it has no executable any more)
! readlink "/proc/$real/exe" >/dev/null 2>&1 && ok "the server is gone" || ko "the server $real still runs"
echo "$sleeper" >"$work/a/mariadbd.pid"
refuse "status of a stopped server with a foreign pid file" srv a "$pa" status
expect "stop of a stopped server with a foreign pid file" srv a "$pa" stop
kill -0 "$sleeper" 2>/dev/null && ok "the other process still runs" || ko "the other process was killed"
kill "$sleeper"
sleeper=""

echo "== a data directory without InnoDB's system files is refused, not started empty"
srv a "$pa" start >/dev/null 2>&1
as_admin "CREATE DATABASE bd_garde; CREATE TABLE bd_garde.t (a INT) ENGINE=InnoDB; INSERT INTO bd_garde.t VALUES (7)"
srv a "$pa" stop >/dev/null
mkdir "$work/a/aside"
mv "$data/ibdata1" "$data/ib_logfile0" "$work/a/aside/"
out=$(srv a "$pa" start 2>&1)
status=$?
[ "$status" -ne 0 ] && ok "start refuses" || ko "start refuses" "$out"
case "$out" in
  *damaged*ibdata1*ib_logfile0*) ok "it says the directory is damaged, and why" ;;
  *) ko "it says the directory is damaged, and why" "$out" ;;
esac
refuse "no server runs on it" srv a "$pa" status
[ ! -e "$data/ibdata1" ] && [ ! -e "$data/ib_logfile0" ] && ok "no new system files were made" ||
  ko "no new system files were made" "$(ls -la "$data")"
mv "$work/a/aside/ibdata1" "$work/a/aside/ib_logfile0" "$data/"
expect "with the files back, it starts again" srv a "$pa" start
[ "$(as_admin "SELECT a FROM bd_garde.t" 2>&1)" = 7 ] && ok "and its tables are all there" ||
  ko "its tables are all there" "$(as_admin "SELECT a FROM bd_garde.t" 2>&1)"
as_admin "DROP DATABASE bd_garde"
srv a "$pa" stop >/dev/null

echo "== an incomplete data directory is never deleted"
mv "$data/mysql" "$data/mysql.aside"
out=$(srv a "$pa" start 2>&1)
status=$?
[ "$status" -ne 0 ] && ok "start refuses" || ko "start refuses" "$out"
case "$out" in
  *"not a complete data directory"*rm\ -rf*) ok "it says what is wrong and how to start afresh" ;;
  *) ko "it says what is wrong and how to start afresh" "$out" ;;
esac
[ -d "$data/mysql.aside" ] && [ -d "$data/solvane_serveur" ] && ok "nothing was deleted" ||
  ko "nothing was deleted" "$(ls -la "$data" 2>&1)"
mv "$data/mysql.aside" "$data/mysql"
expect "with the system tables back, it starts again" srv a "$pa" start

echo "== a port already in use"
t0=$(date +%s)
out=$(srv b "$pa" start 2>&1)
status=$?
elapsed=$(($(date +%s) - t0))
[ "$status" -ne 0 ] && ok "start fails" || ko "start fails" "$out"
[ "$elapsed" -lt 30 ] && ok "at once (${elapsed} s), not after a minute" || ko "it took $elapsed s"
case "$out" in
  *"Address already in use"* | *"Bind on TCP/IP port"*) ok "with the server's own log line" ;;
  *) ko "with the server's own log line" "$out" ;;
esac
expect "the first server still answers" srv a "$pa" status
srv a "$pa" stop >/dev/null

echo "== two starts at the same moment (port $pc)"
srv c "$pc" start >"$work/c1.out" 2>&1 &
first=$!
srv c "$pc" start >"$work/c2.out" 2>&1 &
second=$!
wait "$first"
s1=$?
wait "$second"
s2=$?
[ "$s1" -eq 0 ] && [ "$s2" -eq 0 ] && ok "both report success" ||
  ko "both report success" "$(cat "$work/c1.out" "$work/c2.out")"
count=0
for p in /proc/[0-9]*; do
  if tr '\0' '\n' <"$p/cmdline" 2>/dev/null | grep -Fxq -- "--datadir=$work/c/data"; then
    count=$((count + 1))
  fi
done
[ "$count" -eq 1 ] && ok "one server runs" || ko "$count servers run"
sleep 3
expect "and it still answers a moment later" srv c "$pc" status
# The same server program with another data directory is another server.
cat "$work/c/mariadbd.pid" >"$work/a/mariadbd.pid"
expect "stop of a stopped server whose pid file names another private server" srv a "$pa" stop
expect "that other server still answers" srv c "$pc" status
srv c "$pc" stop >/dev/null

echo "== what an interrupted installation left aside is kept, and said"
mkdir -p "$work/d/data.new"
echo keep >"$work/d/data.new/marker"
out=$(srv d "$pc" start 2>&1)
[ $? -eq 0 ] && ok "a fresh server starts beside it" || ko "a fresh server starts beside it" "$out"
case "$out" in
  *"$work/d/data.new is what an interrupted installation left"*) ok "start says what it is" ;;
  *) ko "start says what it is" "$out" ;;
esac
[ "$(cat "$work/d/data.new/marker" 2>&1)" = keep ] && ok "it was not deleted" || ko "it was not deleted"
srv d "$pc" stop >/dev/null

echo "== scripts/demo-data takes its lock in the server's own directory"
# A link planted where a shared lock file would be: a run as root must not empty the file it points at.
victim=$work/victim
echo "ne pas vider" >"$victim"
planted=/tmp/solvane-db-$pa.lock
if [ ! -e "$planted" ] && ln -s "$victim" "$planted" 2>/dev/null; then
  srv a "$pa" start >/dev/null 2>&1
  out=$(SOLVANE_DB_DIR=$work/a SOLVANE_DB_PORT=$pa "$src/scripts/demo-data" 2>&1)
  [ $? -eq 0 ] && ok "demo-data loads the demo school" || ko "demo-data loads the demo school" "$out"
  [ "$(cat "$victim")" = "ne pas vider" ] && ok "the file behind the planted link is untouched" ||
    ko "the file behind the planted link was changed"
  [ -f "$work/a/bases.lock" ] && ok "the lock is $work/a/bases.lock" || ko "no lock in $work/a"
  rm -f "$planted"
  srv a "$pa" stop >/dev/null
else
  echo "skip  $planted is already there"
fi

echo "== a socket path too long for the system"
long=$work/$(printf 'd%.0s' $(seq 1 110))
refuse "start refuses a directory whose socket path is too long" \
  env SOLVANE_DB_DIR="$long" SOLVANE_DB_PORT="$pc" "$script" start
[ ! -e "$long" ] && ok "and creates nothing" || ko "it created $long"

echo
echo "$passes passed, $failures failed"
if [ "$failures" -eq 0 ]; then
  cleanup
  trap - EXIT
  rm -rf "$work"
fi
[ "$failures" -eq 0 ]
