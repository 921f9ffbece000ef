#!/usr/bin/env bash
# Fails when a folder includes a folder above it: dependencies point one way,
#   base <- model <- link <- session <- pages <- tools, connect, formats <- app
# and the command line and the simulator stay on the link's level (cli also uses the pages'
# widget-free conversions). Nothing below pages/ includes a Qt Widgets header either.
set -uo pipefail
cd "$(dirname "$0")/.."

declare -A allowed=(
  [base]="base"
  [model]="base model"
  [link]="base model link"
  [session]="base model link session"
  [pages]="base model link session pages"
  [tools]="base model link session pages tools"
  [connect]="base model link session pages connect"
  [formats]="base model link session pages formats"
  [app]="base model link session pages tools connect formats app"
  [cli]="base model link pages cli"
  [sim]="base model link sim"
)
widget_free="base model link session"

status=0
for folder in "${!allowed[@]}"; do
  [ -d "$folder" ] || continue
  while IFS= read -r hit; do
    file=${hit%%:*}
    target=$(sed -E 's/.*#include "([a-z_]+)\/.*/\1/' <<<"${hit#*:}")
    [ -d "$target" ] || continue  # not one of our folders
    case " ${allowed[$folder]} " in
      *" $target "*) ;;
      *) echo "layers: $file includes $target/ (above $folder/)"; status=1 ;;
    esac
  done < <(git ls-files "$folder" | grep -E '\.(h|cpp)$' | xargs -r grep -HE '^\s*#\s*include "[a-z_]+/' 2>/dev/null)
done
for folder in $widget_free; do
  if hits=$(git ls-files "$folder" | grep -E '\.(h|cpp)$' |
            xargs -r grep -nE '^\s*#\s*include <(QtWidgets/|Q(Widget|Label|ComboBox|LineEdit|Dialog|MainWindow|MessageBox|Application|AbstractButton|TreeWidget)\b)'); then
    echo "layers: widget header below pages/:"; echo "$hits"; status=1
  fi
done
[ $status -eq 0 ] && echo "layers: every include points down"
exit $status
