#!/usr/bin/env bash
# The installed tree and its launcher, without root: `cmake --install` into a
# staging directory, then the launcher run as a user would run it, with the
# user's program directory in a temporary XDG_DATA_HOME.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
check() {  # check "what" command...
    local what=$1
    shift
    if ! "$@"; then
        echo "FAILED: $what" >&2
        failures=$((failures + 1))
    fi
}

DESTDIR=$tmp/dest cmake --install "$build" --prefix /usr >/dev/null
prefix=$tmp/dest/usr
shipped=$(cd "$prefix/lib/kestralune" && pwd -P)

# The layout a Debian system expects.
for f in bin/kestralune bin/kestralune-cli lib/kestralune/kestralune lib/kestralune/kestralune-cli \
         lib/kestralune/BASE.DRS lib/kestralune/conf.dat lib/kestralune/WindWHP.dat \
         lib/kestralune/graphic/0.bmp lib/kestralune/fonts/kestralune-signs.ttf \
         share/applications/kestralune.desktop share/icons/hicolor/48x48/apps/kestralune.png \
         share/icons/hicolor/256x256/apps/kestralune.png share/man/man1/kestralune.1.gz \
         share/man/man1/kestralune-cli.1.gz share/doc/kestralune/copyright share/doc/kestralune/changelog.gz; do
    check "$f is installed" test -e "$prefix/$f"
done
check "no error report is installed" test -z "$(find "$prefix" -name '*.err')"
check "the shipped files are read-only for others" test -z "$(find "$prefix/lib/kestralune" -type f -perm /022)"
check "the launchers run" test -x "$prefix/bin/kestralune" -a -x "$prefix/bin/kestralune-cli"
# A PNG's width and height, from its header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'; }
for size in 16 24 32 48 64 128 256; do
    check "the ${size}px icon has its size" \
        test "$(png_size "$prefix/share/icons/hicolor/${size}x${size}/apps/kestralune.png")" = "${size}x${size}"
done

export HOME=$tmp/home XDG_DATA_HOME=$tmp/xdg
unset KESTRALUNE_DIR
mkdir -p "$HOME" "$tmp/work"
user=$XDG_DATA_HOME/kestralune

# First start: the user's directory is made, with links and own settings.
out=$(cd "$tmp/work" && "$prefix/bin/kestralune-cli" day 2026-12-08 --json)
check "the companion answers through the launcher" grep -q '"kin":104' <<<"$out"
check "BASE.DRS is linked" test "$(readlink "$user/BASE.DRS")" = "$shipped/BASE.DRS"
check "graphic/ is linked" test "$(readlink "$user/graphic")" = "$shipped/graphic"
check "the executables are not linked" test ! -e "$user/kestralune" -a ! -e "$user/kestralune-cli"
for f in conf.dat WindWHP.dat; do
    check "$f is the user's own file" test -f "$user/$f" -a ! -L "$user/$f" -a -w "$user/$f"
    check "$f starts as shipped" cmp -s "$user/$f" "$shipped/$f"
done

# Later starts keep what the user changed and follow the installed files:
# a link to a file no longer shipped goes, the user's own files stay.
sed -i '9s/N/Y/' "$user/conf.dat"
cp "$user/conf.dat" "$tmp/conf.changed"
ln -s "$shipped/gone.dat" "$user/gone.dat"
ln -s /nowhere "$user/mine"
rm "$user/tech.dat"
echo mine >"$user/tech.dat"
rm "$user/hlp1.dat"
(cd "$tmp/work" && "$prefix/bin/kestralune-cli" day 2026-12-08 >/dev/null)
check "the changed settings are kept" cmp -s "$user/conf.dat" "$tmp/conf.changed"
check "a link to a file no longer shipped is taken away" test ! -L "$user/gone.dat"
check "a link of the user's own stays" test -L "$user/mine"
check "a file of the user's own under a shipped name stays" grep -qx mine "$user/tech.dat"
check "a missing link is made again" test "$(readlink "$user/hlp1.dat")" = "$shipped/hlp1.dat"

# Relative names on the command line are taken from where it is called.
(cd "$tmp/work" && QT_QPA_PLATFORM=offscreen "$prefix/bin/kestralune-cli" render 0 2026-12-08 day.png)
check "render writes beside the caller" test -s "$tmp/work/day.png"
check "and nothing into the user's directory" test ! -e "$user/day.png"

# A relative XDG_DATA_HOME is not used (the XDG rule); HOME's default is.
(cd "$tmp/work" && XDG_DATA_HOME=relative "$prefix/bin/kestralune-cli" day >/dev/null)
check "a relative XDG_DATA_HOME is passed over" test -f "$HOME/.local/share/kestralune/conf.dat"
check "and nothing is made below the working directory" test ! -e "$tmp/work/relative"

# Failures are one line on stderr and exit status 1.
expect_failure() {  # expect_failure "what" env-assignments...
    local what=$1 status=0 err
    shift
    err=$(env "$@" "$prefix/bin/kestralune-cli" day 2>&1 >/dev/null) || status=$?
    check "$what: exit 1" test "$status" = 1
    check "$what: one line on stderr" test "$(wc -l <<<"$err")" = 1 -a -n "$err"
}
touch "$tmp/afile"
expect_failure "no HOME" -u HOME -u XDG_DATA_HOME
expect_failure "a program directory that cannot be made" XDG_DATA_HOME="$tmp/afile"
mkdir -p "$tmp/lonely/bin"
cp "$prefix/bin/kestralune" "$tmp/lonely/bin/kestralune-cli"
status=0
"$tmp/lonely/bin/kestralune-cli" day >/dev/null 2>&1 || status=$?
check "a launcher without the program's files: exit 1" test "$status" = 1

if [ "$failures" -ne 0 ]; then
    echo "$failures checks failed" >&2
    exit 1
fi
echo "all install checks passed"
