#!/usr/bin/env bash
# Builds the Debian package with cpack, checks its control data and dependencies, has
# lintian check it against Debian's rules, unpacks it into a temporary root with dpkg -x,
# reads its manual page and starts the unpacked program on a virtual X display, with the
# system's Qt, until its window shows.
#   check-deb.sh BUILD_DIR APP_ID
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../e2e/window-lib.sh"

build=$1 id=$2
window_timeout=20

require cpack cmake
require dpkg-deb dpkg
require dpkg-shlibdeps dpkg-dev
require lintian lintian
require man man-db
require Xvfb xvfb
require xdotool xdotool
require xprop x11-utils

tmp=$(mktemp -d "${TMPDIR:-/tmp}/pathsum-deb.XXXXXX")
work=$tmp
cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$pid" 2>/dev/null || true
    done
    rm -rf "$tmp"
}
trap cleanup EXIT

# Packs into OUT_DIR (extra arguments go to cpack) and prints the path of the package.
pack() {
    local out=$1
    shift
    if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" "$@" >"$out.log" 2>&1; then
        cat "$out.log" >&2
        return 1
    fi
    local debs=("$out"/*.deb)
    if [[ ${#debs[@]} -ne 1 || ! -f "${debs[0]}" ]]; then
        echo "cpack made ${#debs[@]} packages in $out: ${debs[*]}" >&2
        return 1
    fi
    echo "${debs[0]}"
}

# Whether a package of the given name, at the given version if any, is installed here.
installed() {
    local name=$1 op=${2:-} version=${3:-} status
    status=$(dpkg-query -W -f='${Status}\t${Version}' "$name" 2>/dev/null) || return 1
    [[ "${status%%$'\t'*}" == "install ok installed" ]] || return 1
    [[ -z "$op" ]] || dpkg --compare-versions "${status#*$'\t'}" "$op" "$version"
}

# Whether a Depends value names PACKAGE (followed by what SUFFIX, a pattern, matches).
named_in() {
    local depends=$1 package=${2//./\\.} suffix=${3:-}
    package=${package//+/\\+}
    local pattern="[,|] *${package}${suffix}[ ,:]"
    [[ ", $depends," =~ $pattern ]]
}

# Checks the control data of a package and that every dependency it names is met on this
# machine, which has built and runs the program: a misspelt package name or a version this
# machine cannot meet fails here.
check_control() {
    local deb=$1 label=$2
    local package section maintainer depends entry alternative met name op version
    package=$(dpkg-deb -f "$deb" Package)
    section=$(dpkg-deb -f "$deb" Section)
    maintainer=$(dpkg-deb -f "$deb" Maintainer)
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "$label Depends: $depends"
    [[ "$package" == pathsum ]] || fail "$label: Package is '$package'"
    [[ "$section" == science ]] || fail "$label: Section is '$section'"
    local name_and_address='^[^<>]+ <[^<>@]+@[^<>]+>$'
    [[ "$maintainer" =~ $name_and_address ]] ||
        fail "$label: Maintainer '$maintainer' is not 'name <address>'"

    # The Qt libraries the program links, Qt's platform plugins, the fonts the window asks
    # for, and the C and C++ runtimes. (t64 is the suffix Debian gave libraries
    # whose ABI changed with 64-bit time_t.)
    local needed
    for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6 \
                  libqt6multimedia6 qt6-qpa-plugins fonts-liberation2 libstdc++6 libc6; do
        named_in "$depends" "$needed" "(t64)?" || fail "$label: Depends does not name $needed"
    done

    # name[:arch] [(relation version)]
    local dependency='^ *([a-z0-9][a-z0-9.+-]*)(:[a-z0-9]+)? *(\((<<|<=|=|>=|>>) *([^)]+)\))? *$'
    IFS=',' read -ra entries <<<"$depends"
    for entry in "${entries[@]}"; do
        met=0
        IFS='|' read -ra alternatives <<<"$entry"
        for alternative in "${alternatives[@]}"; do
            if [[ "$alternative" =~ $dependency ]]; then
                name=${BASH_REMATCH[1]} op=${BASH_REMATCH[4]} version=${BASH_REMATCH[5]}
                case $op in
                    "<<") op=lt ;; "<=") op=le ;; "=") op=eq ;; ">=") op=ge ;; ">>") op=gt ;;
                esac
                if installed "$name" "$op" "${version% }"; then
                    met=1
                    break
                fi
            else
                fail "$label: cannot read the dependency '$alternative'"
                met=1
            fi
        done
        ((met)) || fail "$label: dependency '${entry# }' is not met on this machine"
    done
}

echo "== cpack -G DEB (dependencies from dpkg-shlibdeps)"
deb=$(pack "$tmp/deb") || { fail "cpack -G DEB failed"; finish; }
dpkg-deb -I "$deb"
check_control "$deb" "package"

echo "== cpack -G DEB -D PATHSUM_DEB_SHLIBDEPS=OFF (the fixed dependency list)"
if fixed_deb=$(pack "$tmp/deb-fixed" -D PATHSUM_DEB_SHLIBDEPS=OFF); then
    check_control "$fixed_deb" "package without dpkg-shlibdeps"
else
    fail "cpack -G DEB without dpkg-shlibdeps failed"
fi

# Every error and warning fails; lintian's informational tags are not counted. Lintian
# will not run as root unless told that it may.
echo "== lintian $deb"
lintian_options=(--fail-on "error,warning")
[[ $(id -u) -ne 0 ]] || lintian_options+=(--allow-root)
if ! lintian "${lintian_options[@]}" "$deb" >"$tmp/lintian.log" 2>&1; then
    sed 's/^/  lintian: /' "$tmp/lintian.log" >&2
    fail "lintian reports errors or warnings on the package"
fi

echo "== dpkg -x into a temporary root"
root=$tmp/root
dpkg -x "$deb" "$root"
expected=$(LC_ALL=C sort <<EOF
usr/bin/pathsum
usr/share/applications/$id.desktop
usr/share/doc/pathsum/changelog.gz
usr/share/doc/pathsum/copyright
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/man/man1/pathsum.1.gz
usr/share/metainfo/$id.metainfo.xml
usr/share/mime/packages/$id.xml
usr/share/pathsum/examples/01-mirror.pathsum
usr/share/pathsum/examples/02-grating-sideways.pathsum
usr/share/pathsum/examples/03-two-slits.pathsum
usr/share/pathsum/examples/04-five-slits.pathsum
usr/share/pathsum/examples/05-far-source.pathsum
usr/share/pathsum/examples/06-shorter-wavelength.pathsum
usr/share/pathsum/examples/07-one-slit-near-and-far.pathsum
usr/share/pathsum/examples/08-grating-orders.pathsum
usr/share/pathsum/examples/09-white-two-slits.pathsum
usr/share/pathsum/examples/10-white-grating.pathsum
EOF
)
actual=$(file_list "$root")
if [[ "$actual" != "$expected" ]]; then
    fail "the package's files differ from the expected layout"
    diff <(echo "$expected") <(echo "$actual") | sed 's/^/  /' >&2 || true
fi

# What `man pathsum` shows once the package is installed.
manual=$root/usr/share/man/man1/pathsum.1.gz
if ! man -l "$manual" >"$tmp/man.txt" 2>"$tmp/man.log"; then
    sed 's/^/  man: /' "$tmp/man.log" >&2
    fail "man cannot read ${manual#"$root"/}"
elif ! grep -q pathsum "$tmp/man.txt"; then
    fail "the manual page renders without naming pathsum"
fi

program=$root/usr/bin/pathsum
[[ -x "$program" ]] || { fail "the package has no executable usr/bin/pathsum"; finish; }

echo "== start $program on a virtual X display"
start_xvfb 1280x1024 >&2 || { fail "Xvfb did not start"; finish; }

mkdir -p "$tmp/home"
(
    cd "$tmp/home"
    exec env -u LD_LIBRARY_PATH -u QT_PLUGIN_PATH -u QT_QPA_PLATFORM_PLUGIN_PATH \
        -u QT_QPA_FONTDIR HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config" \
        QT_QPA_PLATFORM=xcb "$program"
) >"$tmp/app.log" 2>&1 &
app_pid=$!
pids+=("$app_pid")

window=""
deadline=$((SECONDS + window_timeout))
while ((SECONDS < deadline)); do
    if ! kill -0 "$app_pid" 2>/dev/null; then
        break
    fi
    window=$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | head -n1 || true)
    [[ -n "$window" ]] && break
    sleep 0.2
done
if [[ -z "$window" ]]; then
    if kill -0 "$app_pid" 2>/dev/null; then
        fail "no window of the installed program showed within $window_timeout s"
    else
        wait "$app_pid" && status=0 || status=$?
        fail "the installed program ended with status $status before showing a window"
    fi
    sed 's/^/  program: /' "$tmp/app.log" >&2
    finish
fi
title=$(xdotool getwindowname "$window" || true)
echo "window $window: $title"
[[ -n "$title" ]] || fail "the window has no title"

# Desktops match windows to their launcher by the window class.
wm_class=$(xprop -id "$window" WM_CLASS || true)
startup_class=$(desktop_key "$root/usr/share/applications/$id.desktop" StartupWMClass)
[[ "$wm_class" == *", \"$startup_class\"" ]] ||
    fail "window class $wm_class does not match StartupWMClass=$startup_class"

# It is the unpacked program that runs, on libraries the system's packages installed.
[[ "$(readlink "/proc/$app_pid/exe")" == "$program" ]] ||
    fail "the running program is $(readlink "/proc/$app_pid/exe"), not $program"

# The installed package that owns each path, in owners[]; a path dpkg knows by its
# unmerged name (/lib for /usr/lib) is looked up by that too. One dpkg-query for many paths,
# since each call reads the whole package database.
declare -A owners=()
find_owners() {
    local path paths=() line package
    for path in "$@"; do
        [[ -v "owners[$path]" ]] && continue
        owners[$path]=""
        paths+=("$path")
        [[ "$path" == /usr/lib/* ]] && paths+=("${path#/usr}")
    done
    ((${#paths[@]} > 0)) || return 0
    while IFS= read -r line; do
        [[ "$line" == diversion* || "$line" != *": /"* ]] && continue
        path=${line#*: }
        package=${line%%: /*}
        package=${package%%,*}
        package=${package%%:*}
        [[ -v "owners[$path]" ]] || path=/usr$path
        [[ -v "owners[$path]" && -z "${owners[$path]}" ]] && owners[$path]=$package
    done < <(dpkg-query -S "${paths[@]}" 2>/dev/null || true)
}
depends=$(dpkg-deb -f "$deb" Depends)
named_in_depends() {
    named_in "$depends" "$1"
}

# Fonts are mapped once text is drawn, which may be a moment after the window shows.
font_from_depends=""
deadline=$((SECONDS + 10))
while :; do
    mapped=$(awk '$6 ~ /^\// { print $6 }' "/proc/$app_pid/maps" | LC_ALL=C sort -u)
    mapfile -t fonts < <(grep -E '\.(ttf|otf|pfb)$' <<<"$mapped" || true)
    find_owners "${fonts[@]}"
    for path in "${fonts[@]}"; do
        package=${owners[$path]}
        if [[ -n "$package" ]] && named_in_depends "$package"; then
            font_from_depends="$path ($package)"
        fi
    done
    [[ -n "$font_from_depends" ]] || ((SECONDS >= deadline)) || { sleep 0.2; continue; }
    break
done

mapfile -t qt_paths < <(grep -E '/libQt6[^/]*\.so|/platforms/[^/]*\.so$' <<<"$mapped" || true)
find_owners "${qt_paths[@]}"
qt_libraries=0
platform_plugins=0
while read -r path; do
    case $path in
        "$root"/* | "$build"/*)
            [[ "$path" == "$program" ]] || fail "the program maps $path from outside the system" ;;
        */libQt6*.so*)
            qt_libraries=$((qt_libraries + 1))
            [[ -n "${owners[$path]}" ]] || fail "the Qt library $path belongs to no installed package" ;;
        */platforms/*.so)
            platform_plugins=$((platform_plugins + 1))
            package=${owners[$path]}
            if [[ -n "$package" ]]; then
                echo "platform plugin: $path ($package)"
                named_in_depends "$package" ||
                    fail "the platform plugin comes from $package, which the package does not depend on"
            else
                fail "the platform plugin $path belongs to no installed package"
            fi ;;
    esac
done <<<"$mapped"
((qt_libraries > 0)) || fail "the program maps no Qt library"
((platform_plugins == 1)) || fail "the program maps $platform_plugins platform plugins"
if [[ -n "$font_from_depends" ]]; then
    echo "font: $font_from_depends"
else
    fail "the window draws with no font from a package it depends on"
fi

kill "$app_pid" 2>/dev/null || true
finish
