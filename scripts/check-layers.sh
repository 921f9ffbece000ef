#!/usr/bin/env bash
# Fails when a folder includes a folder above it: dependencies point one way,
#   base <- model <- link <- session <- pages <- tools, connect, formats <- app
# and the command line and the simulator stay on the link's level (cli also uses the pages'
# widget-free conversions). Nothing below pages/ includes a Qt Widgets header either, nor
# does the widget-free core of the tools (tarvix_tools_core).
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
widget_headers='^\s*#\s*include <(QtWidgets/|QtCharts/|Q(Widget|Label|ComboBox|LineEdit|Dialog|MainWindow|MessageBox|Application|AbstractButton|TreeWidget|TableView|TableWidget|HeaderView|FileDialog|CheckBox|StyledItemDelegate|Chart[A-Za-z]*|LineSeries|DateTimeAxis|ValueAxis)\b)'

# The tools' widget-free core: the sources of tarvix_tools_core and their headers. They may
# include no tools/ header outside that core either.
tools_core=$(sed -n '/add_library(tarvix_tools_core/,/)/p' tools/CMakeLists.txt |
             grep -oE '[a-z_]+\.cpp' | sed 's/\.cpp$//')
tools_core_files=$(for stem in $tools_core; do
                     for ext in h cpp; do [ -f "tools/$stem.$ext" ] && echo "tools/$stem.$ext"; done
                   done)

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
  if hits=$(git ls-files "$folder" | grep -E '\.(h|cpp)$' | xargs -r grep -nE "$widget_headers"); then
    echo "layers: widget header below pages/:"; echo "$hits"; status=1
  fi
done
if hits=$(echo "$tools_core_files" | xargs -r grep -nE "$widget_headers"); then
  echo "layers: widget header in the tools' widget-free core:"; echo "$hits"; status=1
fi
for file in $tools_core_files; do
  while IFS= read -r included; do
    stem=$(basename "$included" .h)
    case " $(echo $tools_core) " in
      *" $stem "*) ;;
      *) echo "layers: $file includes tools/$stem.h, which is not in the widget-free core"; status=1 ;;
    esac
  done < <(grep -oE '^\s*#\s*include "tools/[a-z_]+\.h"' "$file" | sed -E 's/.*"(tools\/[a-z_]+\.h)"/\1/')
done
[ $status -eq 0 ] && echo "layers: every include points down"
exit $status
