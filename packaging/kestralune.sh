#!/bin/sh
# Starts an installed Kestralune (or, called as kestralune-cli, its
# command-line companion) from a program directory of the user's own.
#
# The program keeps its settings, the print manager's window sizes and its
# error reports beside its data files, and the installed copy is read-only.
# So each user gets a directory ($XDG_DATA_HOME/kestralune) holding links to
# the shipped files and their own copies of the two files the program
# writes, conf.dat and WindWHP.dat. The directory is made on first start and
# brought in step with the installed files at every start; the user's own
# files are never replaced.

# The installed files sit in lib/kestralune beside the bin directory that
# holds this launcher (/usr/lib/kestralune for the Debian package).
bin=$(dirname "$(readlink -f "$0")")
shipped=$(cd "$bin/../lib/kestralune" 2>/dev/null && pwd -P) || {
    echo "kestralune: the program's files are missing from $bin/../lib/kestralune" >&2
    exit 1
}

case "$(basename "$0")" in
    kestralune-cli) program=kestralune-cli ;;
    *) program=kestralune ;;
esac

fail() {
    echo "$program: $1" >&2
    exit 1
}

case "${XDG_DATA_HOME:-}" in
    /*) data="$XDG_DATA_HOME" ;;
    *)  [ -n "${HOME:-}" ] || fail "HOME is not set, so there is no place for your settings"
        data="$HOME/.local/share" ;;
esac
home="$data/kestralune"

mkdir -p "$home" 2>/dev/null || fail "cannot make the program directory $home"

for target in "$shipped"/*; do
    [ -e "$target" ] || continue
    name=$(basename "$target")
    case "$name" in
        kestralune|kestralune-cli) continue ;;
        conf.dat|WindWHP.dat)
            # The user's own copy, made once; written beside its final name and
            # linked into place, so a second start at the same moment never
            # sees half a file.
            if [ ! -e "$home/$name" ] && [ ! -L "$home/$name" ]; then
                partial="$home/.$name.$$"
                if cp "$target" "$partial" 2>/dev/null && chmod u+w "$partial"; then
                    ln "$partial" "$home/$name" 2>/dev/null || true
                fi
                rm -f "$partial"
            fi
            continue ;;
    esac
    link="$home/$name"
    if [ -L "$link" ]; then
        [ "$(readlink "$link")" = "$target" ] && continue
        rm -f "$link"
    elif [ -e "$link" ]; then
        continue  # a file of the user's own under a shipped name stays
    fi
    ln -s "$target" "$link" 2>/dev/null || [ -e "$link" ] || fail "cannot link $target into $home"
done

# Links to files a later version no longer ships are taken away.
for link in "$home"/*; do
    [ -L "$link" ] && [ ! -e "$link" ] || continue
    case "$(readlink "$link")" in
        "$shipped"/*) rm -f "$link" ;;
    esac
done

[ -e "$home/conf.dat" ] || fail "cannot make your settings file $home/conf.dat"

KESTRALUNE_DIR="$home"
export KESTRALUNE_DIR
exec "$shipped/$program" "$@"
