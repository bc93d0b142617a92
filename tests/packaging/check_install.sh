#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks an installation in a scratch prefix the way a desktop reads it.
#   check_install.sh install BUILD_DIR PREFIX | files PREFIX APP_ID [man] | desktop|metainfo|mime PREFIX APP_ID
# Exits 77 (skipped) when a tool the check needs is not installed.
set -eu
need() { for t; do command -v "$t" >/dev/null || { echo "skipped: no $t"; exit 77; }; done; }
fail() { echo "$*"; exit 1; }
share=${2:-}/share id=${3:-} man=${4:-}
case $1 in
install) rm -rf "$3" && cmake --install "$2" --prefix "$3" >/dev/null ;;
files)
  for f in ../bin/velmora ../bin/velmoraedit applications/$id.desktop mime/packages/$id.xml metainfo/$id.metainfo.xml \
           doc/velmoraedit/copyright velmoraedit/translations/velmoraedit_de.qm; do
    [ -s "$share/$f" ] || fail "missing: $f"
  done
  for size in 16 22 24 32 48 64 128 256; do
    # PNG width and height: big-endian words at offsets 16 and 20.
    set -- $(od -An -tu1 -j16 -N8 "$share/icons/hicolor/${size}x$size/apps/$id.png")
    [ $(($1 << 24 | $2 << 16 | $3 << 8 | $4)) -eq $size ] && [ $(($5 << 24 | $6 << 16 | $7 << 8 | $8)) -eq $size ] ||
      fail "icon $size: not $size x $size"
  done
  if [ "$man" = man ]; then
    [ -s "$share/man/man1/velmoraedit.1.gz" ] || fail "missing: the editor's manual page"
    for command in info dump check resave sample send receive receiver ports delete move fav diff reorder; do
      gzip -dc "$share/man/man1/velmora.1.gz" | grep -q "^\.SS $command\$" || fail "man page lacks $command"
    done
  fi ;;
desktop) need desktop-file-validate && desktop-file-validate "$share/applications/$id.desktop" ;;
metainfo) need appstreamcli && appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" ;;
mime)
  need update-mime-database gio
  update-mime-database "$share/mime" 2>/dev/null
  work=$(mktemp -d) && trap 'rm -rf "$work"' EXIT
  printf '\125\252\125\252 and the rest' >"$work/list.dat" # the magic under any name
  printf 'no magic' >"$work/other.sgn"                     # the extension alone
  printf 'no magic' >"$work/plain.dat"
  for expect in list.dat=application/x-velmora-channels other.sgn=application/x-velmora-channels plain.dat=text/plain; do
    got=$(XDG_DATA_DIRS="$share:/usr/share" gio info -a standard::content-type "$work/${expect%%=*}" | sed -n 's/.*type: //p')
    [ "$got" = "${expect#*=}" ] || fail "${expect%%=*}: $got"
  done ;;
esac
