#!/usr/bin/env bash
# Writes the sample DXF files and has real DXF readers open them.
#   dxf_esterni.sh audit    <campioni_dxf> <folder> <locale> <audit_dxf.py>
#   dxf_esterni.sh librecad <campioni_dxf> <folder>
# Exits 77 (skipped) when the locale or LibreCAD is not installed.
set -euo pipefail
modo=$1 campioni=$2 cartella=$3
rm -rf "$cartella" && mkdir -p "$cartella"
case $modo in
audit)
  loc=$4
  if [ "$loc" != C ] && ! locale -a | grep -qix "${loc/UTF-8/utf8}"; then
    echo "locale $loc not installed"; exit 77
  fi
  LC_ALL=$loc LANG=$loc "$campioni" "$cartella"
  exec /usr/bin/python3 "$5" "$cartella"
  ;;
librecad)
  command -v librecad >/dev/null || { echo "librecad not installed"; exit 77; }
  "$campioni" "$cartella"
  for dxf in "$cartella"/*.dxf; do
    QT_QPA_PLATFORM=offscreen timeout 120 librecad dxf2pdf -a -o "${dxf%.dxf}.pdf" "$dxf"
    [ -s "${dxf%.dxf}.pdf" ] || { echo "no PDF from $dxf"; exit 1; }
  done
  ;;
esac
