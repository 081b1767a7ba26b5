#!/usr/bin/env bash
# Tests the Debian package the way a user meets it (as root):
#  1. builds it (tools/package.sh) and checks it with lintian (no errors) and
#     its desktop entry with desktop-file-validate;
#  2. makes a clean Debian 12 (debootstrap, minimal) in build/package-test/
#     and installs the package there with `apt-get install ./kestralune_*.deb`;
#  3. starts the program from its desktop entry as an ordinary user on an X
#     server (Xvfb), checks the user's own program directory, opens the
#     settings from the full-screen window, changes one and saves it, ends the
#     program with Escape, starts it again and runs the companion;
#  4. purges the package and checks that nothing of it is left.
# Screenshots and the log stay in build/package-test/. The mirror is
# $KL_DEBIAN_MIRROR (Debian's own by default).
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)
work=$top/build/package-test
root=$work/debian12
mirror=${KL_DEBIAN_MIRROR:-http://deb.debian.org/debian}
user=tester
xvfb_pid=

say() { echo "== $*"; }
fail() {
    echo "package test FAILED: $*" >&2
    exit 1
}

# The processes running inside the test system.
root_pids() {
    local p
    for p in /proc/[0-9]*; do
        [ "$(readlink "$p/root" 2>/dev/null)" = "$root" ] && echo "${p#/proc/}"
    done
    return 0
}
# Nothing may stay mounted in the test system, and it is only ever removed
# when nothing is: a mount left behind would take the host's files with it.
release_root() {
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    [ -d "$root" ] || return 0
    root_pids | xargs -r kill 2>/dev/null || true
    sleep 0.5
    root_pids | xargs -r kill -9 2>/dev/null || true
    { grep -o " $root/[^ ]*" /proc/mounts || true; } | sort -r | while read -r m; do umount -l "$m" || true; done
}
remove_root() {
    release_root
    [ -d "$root" ] || return 0
    if grep -q " $root" /proc/mounts; then
        fail "something is still mounted below $root; not removing it"
    fi
    rm -rf --one-file-system "$root"
}
trap release_root EXIT

in_root() { chroot "$root" "$@"; }
# apt without a terminal of its own: the test system has no /dev/pts.
apt_in_root() { in_root apt-get -o Dpkg::Use-Pty=0 "$@"; }
as_user() {
    chroot --userspec="$user:$user" "$root" env -i HOME="/home/$user" USER="$user" LOGNAME="$user" \
        PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$display" \
        XDG_RUNTIME_DIR="/run/user/$uid" "$@"
}
shot() { import -window root -display "$display" "$work/$1.png"; }
# The program's visible windows, by their class; xdotool's name patterns
# cannot be used, since they do not match Cyrillic titles.
program_windows() { DISPLAY=$display xdotool search --onlyvisible --classname '^kestralune$' 2>/dev/null | sort; }
# Waits until a visible window of the program appears that is none of the
# given ones; prints its id.
new_window() {
    local id
    for _ in $(seq 1 100); do
        # "-e 0" keeps grep's pattern list non-empty when no window is given.
        id=$(program_windows | grep -vxF -e 0 "${@/#/-e}" | head -1) || true
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.2
    done
    return 1
}
# Clicks at x, y inside the window.
click_in() {
    local id=$1 x=$2 y=$3 X Y
    eval "$(DISPLAY=$display xdotool getwindowgeometry --shell "$id" | grep -E '^(X|Y)=')"
    DISPLAY=$display xdotool mousemove $((X + x)) $((Y + y)) click 1
}
program_running() {
    local p
    for p in $(root_pids); do
        [ "$(readlink "/proc/$p/exe" 2>/dev/null)" = "$root/usr/lib/kestralune/kestralune" ] && return 0
    done
    return 1
}
wait_until_ended() {
    for _ in $(seq 1 50); do
        program_running || return 0
        sleep 0.2
    done
    return 1
}

say "building the package"
bash tools/package.sh
deb=$(ls build/kestralune_*.deb)
remove_root
mkdir -p "$work"
rm -f "$work"/*.png

say "lintian"
lintian --fail-on error "$deb" || fail "lintian reports errors"
unpacked=$(mktemp -d)
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked/usr/share/applications/kestralune.desktop" || fail "the desktop entry is not valid"
rm -rf "$unpacked"

say "a clean Debian 12"
t=$(date +%s)
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
    fail "debootstrap failed (see $work/debootstrap.log)"
mount -t proc proc "$root/proc"
cp /etc/resolv.conf "$root/etc/resolv.conf"
export DEBIAN_FRONTEND=noninteractive
apt_in_root update -qq
# The tools the test drives the program with: gio starts it from its
# desktop entry as a desktop's menu does.
apt_in_root install -y -qq --no-install-recommends libglib2.0-bin >/dev/null
# What the system holds before the package comes, to compare after it left.
# The test user is made first, so its account files are part of it. Left
# out: files the system rewrites whoever installs (the library cache), and
# the machine's identity, which the dependencies' set-up writes and Debian
# keeps when they are purged.
in_root useradd -m -s /bin/sh "$user"
inventory() {
    in_root find /usr /etc /opt /var/lib/dpkg/info -xdev -not -path /etc/ld.so.cache -not -path /etc/resolv.conf \
        -not -path /etc/machine-id -not -path /etc/mtab 2>/dev/null | sort
}
inventory >"$work/before.txt"
echo "   $(($(date +%s) - t)) s"

say "apt-get install ./$(basename "$deb")"
t=$(date +%s)
cp "$deb" "$root/root/"
in_root sh -c "cd /root && apt-get -o Dpkg::Use-Pty=0 install -y -qq ./$(basename "$deb")" >"$work/install.log" 2>&1 ||
    fail "the package does not install (see $work/install.log)"
in_root dpkg-query -W -f='${Status}\n' kestralune | grep -q "install ok installed" || fail "not installed"
for f in /usr/bin/kestralune /usr/bin/kestralune-cli /usr/lib/kestralune/kestralune /usr/lib/kestralune/BASE.DRS \
         /usr/lib/kestralune/graphic /usr/share/applications/kestralune.desktop \
         /usr/share/icons/hicolor/48x48/apps/kestralune.png; do
    [ -e "$root$f" ] || fail "$f is not installed"
done
# The packed pictures stand in for their files only while the files keep the
# times they were packed with: the package must carry them over.
for set in graphic graphic2x; do
    [ -e "$root/usr/lib/kestralune/$set/pictures.pack" ] || fail "$set/pictures.pack is not installed"
    for f in build/shipped/$set/*; do
        [ "$(stat -c %Y "$f")" = "$(stat -c %Y "$root/usr/lib/kestralune/$set/${f##*/}")" ] ||
            fail "$set/${f##*/} is installed with another time than it was packed with"
    done
done
echo "   $(($(date +%s) - t)) s"

say "started from the desktop entry by an ordinary user"
uid=$(in_root id -u "$user")
mkdir -p "$root/run/user/$uid"
in_root chown "$user:$user" "/run/user/$uid"
chmod 700 "$root/run/user/$uid"
for n in $(seq 80 99); do
    [ -e "/tmp/.X$n-lock" ] || { display=:$n; break; }
done
# The test system shares the host's network, so its programs reach this
# server through its abstract socket; nothing of the host is mounted there.
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
sleep 1
as_user gio launch /usr/share/applications/kestralune.desktop >"$work/program.log" 2>&1 ||
    fail "gio could not start the desktop entry"
face=$(new_window) || fail "the program's window did not appear"
sleep 1.5
shot desktop-start
home=$root/home/$user/.local/share/kestralune
[ -L "$home/BASE.DRS" ] && [ "$(readlink "$home/BASE.DRS")" = /usr/lib/kestralune/BASE.DRS ] ||
    fail "the user's program directory has no link to BASE.DRS"
[ -L "$home/graphic" ] || fail "the user's program directory has no link to graphic/"
for f in conf.dat WindWHP.dat; do
    [ -f "$home/$f" ] && [ ! -L "$home/$f" ] || fail "$f is not the user's own file"
    [ "$(stat -c %u "$home/$f")" = "$uid" ] || fail "$f does not belong to the user"
    cmp -s "$home/$f" "$root/usr/lib/kestralune/$f" || fail "$f is not the shipped one at first start"
done

say "a setting changed and saved"
# The full-screen button of the compact window, then the settings button at
# the right end of the full-screen window's button row.
click_in "$face" 271 83
full=$(new_window "$face") || fail "the full-screen window did not open"
eval "$(DISPLAY=$display xdotool getwindowgeometry --shell "$full" | grep -E '^WIDTH=')"
[ "$WIDTH" = 1280 ] || fail "the window that opened is not the full-screen window"
click_in "$full" $((WIDTH - 34)) 24
dialog=$(new_window "$face" "$full") ||
    fail "the settings did not open"
sleep 0.5
cp "$home/conf.dat" "$work/conf.before"
# "Григорианская дата в режиме дня", then "Сохранить и выйти".
click_in "$dialog" 225 116
sleep 0.3
shot settings
click_in "$dialog" 122 162
sleep 1
changed=$(diff <(tr -d '\r' <"$work/conf.before") <(tr -d '\r' <"$home/conf.dat") | grep -c '^[<>]') || true
[ "$changed" = 2 ] || fail "saving the settings did not change exactly one line of conf.dat"
[ "$(sed -n 9p "$home/conf.dat" | tr -d '\r')" != "$(sed -n 9p "$work/conf.before" | tr -d '\r')" ] ||
    fail "the changed setting is not the one clicked"
DISPLAY=$display xdotool key Escape
wait_until_ended || fail "Escape did not end the program"
cp "$home/conf.dat" "$work/conf.saved"

say "started again, the companion"
as_user kestralune >>"$work/program.log" 2>&1 &
face=$(new_window) || fail "the program did not start again"
sleep 1.5
shot second-start
# The day view, which now shows the Gregorian date the saved setting asks for.
click_in "$face" 271 83
new_window "$face" >/dev/null || fail "the full-screen window did not open again"
sleep 1.5
shot second-start-day-view
cmp -s "$home/conf.dat" "$work/conf.saved" || fail "the second start did not keep the saved settings"
DISPLAY=$display xdotool key Escape
wait_until_ended || fail "Escape did not end the program"
ls "$home"/*.err >/dev/null 2>&1 && fail "the program wrote an error report: $(ls "$home"/*.err)"
as_user sh -c 'cd && kestralune-cli day 2026-12-08 --json' | grep -q '"kin":104' ||
    fail "kestralune-cli day does not answer"
as_user sh -c 'cd && kestralune-cli render 0 2026-12-08 day.png' && [ -s "$root/home/$user/day.png" ] ||
    fail "kestralune-cli render does not write its picture"
cp "$root/home/$user/day.png" "$work/cli-day.png"

say "purged"
files=$(in_root dpkg-query -L kestralune)
apt_in_root purge -y -qq kestralune >"$work/purge.log" 2>&1 || fail "the package does not purge"
# Everything the package brought goes too, the packages its dependencies
# only recommend included.
apt_in_root -o APT::AutoRemove::RecommendsImportant=false autoremove --purge -y -qq >>"$work/purge.log" 2>&1 ||
    fail "autoremove failed"
while read -r f; do
    [ -n "$f" ] && [ ! -d "$root$f" ] && [ -e "$root$f" ] && fail "$f is left after purging"
done <<<"$files"
[ ! -e "$root/usr/lib/kestralune" ] || fail "/usr/lib/kestralune is left after purging"
in_root dpkg-query -W kestralune >/dev/null 2>&1 && fail "dpkg still knows the package after purging"
inventory >"$work/after.txt"
diff "$work/before.txt" "$work/after.txt" >"$work/leftovers.txt" ||
    fail "the system is not as it was before the package (see $work/leftovers.txt)"

remove_root
say "package test passed; pictures in $work"
