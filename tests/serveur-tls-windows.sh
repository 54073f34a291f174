#!/usr/bin/env bash
# For test_tls built for Windows and run under Wine, which cannot run the Linux programs the Linux test runs
# itself: the same certificates (two authorities, each certifying itself; the server's certificate for
# 127.0.0.1 signed by the first) and the same private server of its own offering TLS with them, in a
# directory of the build. ctest runs it before test_tls (start) and after it (stop).
#
#   tests/serveur-tls-windows.sh start|stop <checkout> <directory>
#
# The server's port is the tests' (SOLVANE_DB_PORT, 33307 unless set) plus 50, written into <directory>/port.
set -euo pipefail

action=$1
root=$2
dir=$3
port=$((${SOLVANE_DB_PORT:-33307} + 50))
export SOLVANE_DB_DIR=$dir/serveur SOLVANE_DB_PORT=$port
export SOLVANE_DB_TLS_CERT=$dir/serveur-cert.pem SOLVANE_DB_TLS_KEY=$dir/serveur-cle.pem

case $action in
start)
  # What an interrupted run left behind goes first.
  if [ -d "$dir/serveur" ]; then
    "$root/scripts/db-server" stop >/dev/null 2>&1 || true
  fi
  rm -rf "$dir"
  mkdir -p "$dir"
  cd "$dir"
  for nom in autorite autre; do
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Solvane test $nom" \
      -keyout "$nom-cle.pem" -out "$nom.pem" 2>/dev/null
  done
  openssl req -newkey rsa:2048 -nodes -subj /CN=127.0.0.1 -keyout serveur-cle.pem -out serveur.csr 2>/dev/null
  openssl x509 -req -in serveur.csr -CA autorite.pem -CAkey autorite-cle.pem -CAcreateserial -days 2 \
    -out serveur-cert.pem 2>/dev/null
  # Started without the lock scripts/test-windows holds on the tests' databases (descriptor 9).
  "$root/scripts/db-server" start 9>&-
  echo "$port" >port
  ;;
stop)
  "$root/scripts/db-server" stop
  rm -rf "$dir"
  ;;
*)
  echo "usage: $0 start|stop <checkout> <directory>" >&2
  exit 2
  ;;
esac
