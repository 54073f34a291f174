#!/usr/bin/env bash
# The layers hold apart, as far as Qt is concerned (a header of a higher layer does not even compile):
#   src/base  Qt Core only
#   src/core  Qt Core, Gui and Sql; of Qt Widgets only QComboBox, the list the entity loaders fill
#
#   couches.sh <src folder> <Qt include root>
set -u
src=$1
qt=$2
status=0

check() {
  local layer=$1
  shift
  local modules=("$@")
  while IFS= read -r hit; do
    local file=${hit%%:*}
    local header=${hit#*<}
    header=${header%%>*}
    case "$header" in Q*) ;; *) continue ;; esac
    local found=0
    for m in "${modules[@]}"; do
      if [ -e "$qt/$m/$header" ]; then found=1; break; fi
    done
    if [ "$layer" = core ] && [ "$header" = QComboBox ]; then found=1; fi
    if [ "$found" -eq 0 ]; then
      echo "layer $layer: $file includes <$header>, which is not in ${modules[*]}"
      status=1
    fi
  done < <(grep -rHn -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$src/$layer" --include='*.h' --include='*.cpp')
}

check base QtCore
check core QtCore QtGui QtSql
[ "$status" -eq 0 ] && echo "layers: base uses Qt Core only; core uses Qt Core, Gui, Sql and QComboBox"
exit "$status"
