# Helpers shared by the installation checks. Sourced, not run.

failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Stops at once when a tool a check needs is missing, naming the package that has it.
require() {
    local tool=$1 package=$2
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "FAIL: $tool not found; it comes with the Debian package $package" \
             "(scripts/install-deps --test installs it)" >&2
        exit 1
    fi
}

finish() {
    if ((failures > 0)); then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    echo "all checks passed"
}

# The value of KEY in the [Desktop Entry] group of a desktop entry file.
desktop_key() {
    local file=$1 key=$2
    awk -v key="$key" '
        /^\[/ { group = $0; next }
        group == "[Desktop Entry]" && index($0, key "=") == 1 {
            print substr($0, length(key) + 2); exit
        }' "$file"
}

# The files (and links) under a directory, relative to it, sorted.
file_list() {
    (cd "$1" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort)
}
