#!/usr/bin/env bash
# How the program's code holds together, measured on its sources (clang-formatted):
#   - the folders' include graph: no include from a layer to a layer above it (base < core < gui), no circle
#     between folders, and no file of gui/login that includes a header of the wizard;
#   - the wizard class has no public data member;
#   - no function longer than 80 lines, but the table of copy records (the year change's steps), which is a
#     list of records, not logic.
# It prints the figures, and fails on any of these.
#
#   structure.sh <src folder>
set -u
src=$1
status=0
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

rang() {
  case "$1" in base*) echo 0 ;; core*) echo 1 ;; gui*) echo 2 ;; *) echo 3 ;; esac
}

# Every include of a project header, as "from-folder to-folder" (folders relative to src).
find "$src/base" "$src/core" "$src/gui" -name '*.cpp' -o -name '*.h' | sort >"$tmp/fichiers"
while IFS= read -r fichier; do
  de=$(dirname "${fichier#"$src"/}")
  sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\(\(base\|core\|gui\)\/[^"]*\)".*/\1/p' "$fichier" |
    while IFS= read -r entete; do
      vers=$(dirname "$entete")
      echo "$de $vers ${fichier#"$src"/}"
    done
done <"$tmp/fichiers" >"$tmp/includes"

fleches=$(awk '$1 != $2 { print $1, $2 }' "$tmp/includes" | sort -u)
montantes=0
while read -r de vers; do
  [ -z "$de" ] && continue
  if [ "$(rang "$de")" -lt "$(rang "$vers")" ]; then
    echo "FAIL  arrow up: $de includes $vers"
    montantes=$((montantes + 1))
  fi
done <<<"$fleches"
# tsort says "input contains a loop" for every circle it meets.
cercles=$(printf '%s\n' "$fleches" | tsort 2>&1 >/dev/null | grep -c 'input contains a loop' || true)
if [ "$cercles" -gt 0 ]; then
  printf '%s\n' "$fleches" | tsort 2>&1 >/dev/null | sed 's/^/FAIL  circle: /'
fi
login=$(awk '$1 == "gui/login" && $2 ~ /^gui\/wizard/ { print $3 }' "$tmp/includes" | sort -u)
if [ -n "$login" ]; then
  echo "FAIL  gui/login includes the wizard's headers: $login"
fi
echo "include graph: $(printf '%s\n' "$fleches" | grep -c .) arrows between $(awk '{print $1; print $2}' <<<"$fleches" | sort -u | grep -c .) folders, $montantes up, $cercles circles; gui/login includes no wizard header: $([ -z "$login" ] && echo yes || echo no)"
[ "$montantes" -eq 0 ] && [ "$cercles" -eq 0 ] && [ -z "$login" ] || status=1

# The wizard class: no data member in its public part.
assistant="$src/gui/wizard/UAssistantNouvelleAnnee.h"
publics=$(awk '
  /^class TFAssistantNouvelleAnnee/ { dans = 1; next }
  dans && /^};/ { dans = 0 }
  dans && /^(public|public slots):/ { pub = 1; next }
  dans && /^(protected|private|signals|protected slots|private slots):/ { pub = 0; next }
  dans && pub && /^    [A-Za-z_][A-Za-z0-9_:<>,* ]* [A-Za-z_][A-Za-z0-9_]*( = [^;(]*)?;$/ && !/\(/ { print }
' "$assistant")
if [ -n "$publics" ]; then
  echo "FAIL  public data members of the wizard:"
  printf '%s\n' "$publics"
  status=1
fi
constructeur=$(awk '
  /^TFAssistantNouvelleAnnee::TFAssistantNouvelleAnnee\(/ { debut = NR }
  debut && /^}$/ { print NR - debut + 1; exit }
' "$src/gui/wizard/UAssistantNouvelleAnnee.cpp")
echo "wizard: $(grep -c . <<<"$publics" || true) public data members, constructor $constructeur lines"

# Functions: from the line at column 0 that starts a definition to its closing brace at column 0.
longues=0
plus=0
while IFS= read -r fichier; do
  awk -v fichier="${fichier#"$src"/}" '
    /^[A-Za-z_~].*/ && (precedente ~ /^$/ || precedente ~ /^\/\// || precedente ~ /^}/ || precedente ~ /^#/ ||
                        precedente ~ /^namespace/) { debut = NR; nom = $0 }
    /^}$/ && debut { n = NR - debut + 1; print n, fichier ":" debut, nom; debut = 0 }
    { precedente = $0 }
  ' "$fichier"
done < <(grep '\.cpp$' "$tmp/fichiers") | sort -rn >"$tmp/fonctions"
while read -r n ou nom; do
  [ "$n" -le 80 ] && break
  case "$ou" in core/transition/EtapesTransition.cpp:*) [[ "$nom" == *"Etapes()"* ]] && continue ;; esac
  echo "FAIL  $n lines: $ou $nom"
  longues=$((longues + 1))
done <"$tmp/fonctions"
read -r plus ouplus nomplus < <(grep -v 'EtapesTransition.cpp:.* Etapes()' "$tmp/fonctions" | head -1)
echo "functions: $(grep -c . "$tmp/fonctions") in src, $longues over 80 lines; the longest (the copy records aside): $plus lines, $ouplus $nomplus"
[ "$longues" -eq 0 ] || status=1
exit "$status"
