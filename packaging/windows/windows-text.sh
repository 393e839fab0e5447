#!/bin/sh
# windows-text.sh IN OUT: a text file of the tree (UTF-8, LF line ends) as
# Windows programs and Notepad read it: Windows-1252 with CR LF line ends. A
# character Windows-1252 lacks fails the build.
set -eu
iconv -f UTF-8 -t WINDOWS-1252 "$1" >"$2.tmp"
sed 's/\r*$/\r/' "$2.tmp" >"$2"
rm -f "$2.tmp"
