#!/usr/bin/env bash
# Each folder of src/ includes only its own layer and those below it:
#   fields  <  rules  <  records  <  sheets/<sheet>, print  <  app
# A sheet includes no other sheet. Prints every include that breaks this; fails if any does.
set -uo pipefail
src=${1:?usage: check_layers.sh SRC_DIR}
cd "$src" || exit 2
status=0
while IFS=: read -r file _ include; do
  from=${file%%/*}
  to=$(sed -E 's/.*#include "([^/"]+)\/.*/\1/' <<<"$include")
  case $from in
    fields) allowed="fields" ;;
    rules) allowed="fields rules" ;;
    records) allowed="fields rules records" ;;
    print) allowed="fields rules print" ;;
    sheets) allowed="fields rules records sheets" ;;
    *) allowed="fields rules records sheets print app" ;;
  esac
  if [[ " $allowed " != *" $to "* ]]; then
    echo "$file: $include"
    status=1
  elif [ "$from" = sheets ] && [ "$to" = sheets ]; then
    own=$(cut -d/ -f2 <<<"$file")
    other=$(sed -E 's/.*#include "sheets\/([^/]+)\/.*/\1/' <<<"$include")
    if [ "$own" != "$other" ]; then
      echo "$file: $include (another sheet)"
      status=1
    fi
  fi
done < <(grep -rn --include='*.h' --include='*.cpp' -E '^#include "[^"]+/' .| sed 's#^\./##')
exit $status
