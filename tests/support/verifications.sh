# The check scripts' reporting, sourced by them: one line per check ("ok" or "FAIL" with what was seen,
# indented below it) and the counts in $passes and $failures.
passes=0
failures=0

ok() {
  passes=$((passes + 1))
  echo "ok    $1"
}
# ko "description" [what was seen]
ko() {
  failures=$((failures + 1))
  echo "FAIL  $1"
  [ $# -gt 1 ] && printf '%s\n' "$2" | sed 's/^/      /'
}
# expect "description" command...: the command must succeed.
expect() {
  local what=$1 out
  shift
  if out=$("$@" 2>&1); then ok "$what"; else ko "$what" "$out"; fi
}
# refuse "description" command...: the command must fail.
refuse() {
  local what=$1 out
  shift
  if out=$("$@" 2>&1); then ko "$what" "succeeded: $out"; else ok "$what"; fi
}
