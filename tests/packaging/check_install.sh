#!/bin/sh
# Checks an installation in a scratch prefix the way a desktop reads it.
#   check_install.sh install BUILD_DIR PREFIX      installs the build there
#   check_install.sh files PREFIX APP_ID [man]     every file in its place
#   check_install.sh desktop|metainfo|mime PREFIX APP_ID
# Exits 77 (skipped) when the tool a check needs is not installed.
set -eu
mode=$1
skip() { echo "skipped: $1 is not installed"; exit 77; }
case $mode in
install)
  rm -rf "$3"
  cmake --install "$2" --prefix "$3" >/dev/null ;;
files)
  prefix=$2 id=$3 man=${4:-}
  for f in bin/velmora bin/velmoraedit share/applications/$id.desktop share/mime/packages/$id.xml \
           share/metainfo/$id.metainfo.xml; do
    [ -s "$prefix/$f" ] || { echo "missing: $f"; exit 1; }
  done
  for size in 16 22 24 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
    # PNG width and height: big-endian words at offsets 16 and 20.
    set -- $(od -An -tu1 -j16 -N8 "$icon")
    [ $# -eq 8 ] && [ $(($1 << 24 | $2 << 16 | $3 << 8 | $4)) -eq "$size" ] &&
      [ $(($5 << 24 | $6 << 16 | $7 << 8 | $8)) -eq "$size" ] || { echo "bad icon: $icon"; exit 1; }
  done
  if [ "$man" = man ]; then
    page=$(gzip -dc "$prefix/share/man/man1/velmora.1.gz")
    for command in info dump check resave sample send receive receiver ports; do
      echo "$page" | grep -q "^\.SS $command\$" || { echo "man page lacks $command"; exit 1; }
    done
  fi ;;
desktop)
  command -v desktop-file-validate >/dev/null || skip desktop-file-validate
  desktop-file-validate "$2/share/applications/$3.desktop" ;;
metainfo)
  command -v appstreamcli >/dev/null || skip appstreamcli
  appstreamcli validate --no-net "$2/share/metainfo/$3.metainfo.xml" ;;
mime)
  command -v update-mime-database >/dev/null || skip update-mime-database
  command -v gio >/dev/null || skip gio
  update-mime-database "$2/share/mime"
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  printf '\125\252\125\252 and the rest' >"$work/list.dat"   # the magic, any name
  printf 'no magic' >"$work/other.sgn"                        # the extension alone
  printf 'no magic' >"$work/plain.dat"
  type_of() { XDG_DATA_DIRS="$2/share:${XDG_DATA_DIRS:-/usr/share}" gio info -a standard::content-type "$1" | sed -n 's/.*content-type: //p'; }
  for f in list.dat other.sgn plain.dat; do
    t=$(type_of "$work/$f" "$2")
    want=application/x-velmora-channels
    [ "$f" = plain.dat ] && want=text/plain
    [ "$t" = "$want" ] || { echo "$f: $t, expected $want"; exit 1; }
  done ;;
esac
