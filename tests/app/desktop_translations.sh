#!/bin/sh
# Every language the desktop entry and the metainfo are translated into
# keeps its name, comment, keywords and summary: a key lost in an edit
# would leave that desktop's menu and software centre in English.
# Usage: desktop_translations.sh <desktop-file> <metainfo-file>
desktop=$1 metainfo=$2
status=0
for lang in de fr es it pt_BR ru ja zh_CN ar; do
  for key in Name Comment Keywords; do
    grep -q "^${key}\[$lang\]=." "$desktop" || { echo "$desktop: no ${key}[$lang]"; status=1; }
  done
  for tag in name summary; do
    grep -q "<$tag xml:lang=\"$lang\">[^<]" "$metainfo" || { echo "$metainfo: no <$tag xml:lang=\"$lang\">"; status=1; }
  done
done
exit $status
