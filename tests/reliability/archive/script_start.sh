#!/usr/bin/env bash
# A scripted host whose start-up raises a message box (a preset caregiver code refused or
# unknown) ends at once with status 1 and the box's text, offscreen and on an X server,
# where a real dialog used to wait for a click nobody would make.
. "$(dirname "$0")/common.sh"
archive demo.db
"$DB_TOOL" --db demo.db seed-demo >/dev/null
echo "expect Txt_CodeAidant Text" >any.script
for way in offscreen xcb; do
  prefix=()
  [ "$way" = xcb ] && prefix=("$SOURCE/tests/e2e/driver/with_xvfb.sh")
  for case in "00010|Vous n'êtes pas autorisé à accéder à cet aidant." "99999|Cet aidant n'existe pas."; do
    run timeout 60 "${prefix[@]}" "$HOST" -platform "$way" --db demo.db \
      --caregiver "${case%%|*}" --script any.script
    expect 1 "any.script: start-up: message box with no script to answer it: \"${case#*|}\"" \
      "code ${case%%|*} preset on $way"
  done
  run timeout 60 "${prefix[@]}" "$HOST" -platform "$way" --db demo.db \
    --caregiver 00012 --script any.script
  expect 1 "expect Txt_CodeAidant Text: found \"00012\"" "a code accepted at start-up on $way"
done
finish
