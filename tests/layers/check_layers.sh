#!/usr/bin/env bash
# Each folder of src/ includes only its own layer and those below it:
#   fields  <  rules  <  sheets/<sheet>, print  <  app
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
    print) allowed="fields print" ;;
    sheets) allowed="fields rules sheets" ;;
    *) allowed="fields rules sheets print app" ;;
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
