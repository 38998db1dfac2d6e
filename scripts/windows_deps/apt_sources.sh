# Debian source packages for the cross build: the deb-src entry and the downloads.
# Sourced by build.sh.

DEB_SRC_FILE=/etc/apt/sources.list.d/vivevav-deb-src

# True when apt already knows a deb-src entry, in either format.
has_deb_src() {
    grep -qsE '^[[:space:]]*Types:.*\bdeb-src\b' /etc/apt/sources.list.d/*.sources && return 0
    grep -qsE '^[[:space:]]*deb-src[[:space:]]' /etc/apt/sources.list /etc/apt/sources.list.d/*.list
}

# Copies the machine's own binary entries as source entries, so no archive is named here.
ensure_deb_src() {
    has_deb_src && return 0
    local deb822=/etc/apt/sources.list.d/debian.sources classic=/etc/apt/sources.list
    if [ -f "$deb822" ]; then
        sed -E 's/^([[:space:]]*Types:).*/\1 deb-src/' "$deb822" >"$DEB_SRC_FILE.sources"
    elif grep -qsE '^[[:space:]]*deb[[:space:]]' "$classic"; then
        sed -nE 's/^[[:space:]]*deb([[:space:]])/deb-src\1/p' "$classic" >"$DEB_SRC_FILE.list"
    else
        echo "no Debian entry in $deb822 or $classic to derive deb-src from" >&2
        return 1
    fi
    log "added a deb-src entry; updating apt lists"
    apt-get -o DPkg::Lock::Timeout=900 update -qq
}

APT_GET=(apt-get -o DPkg::Lock::Timeout=900 -o APT::Sandbox::User=root -qq)

# A source package's versions known to apt, newest first.
known_versions() {
    local all v w n
    all=$(apt-cache showsrc --only-source "$1" 2>/dev/null | awk '/^Version:/ { print $2 }' | sort -u)
    for v in $all; do
        # Ranked by how many others each beats in dpkg's order.
        n=0
        for w in $all; do
            if dpkg --compare-versions "$v" gt "$w"; then n=$((n + 1)); fi
        done
        echo "$n $v"
    done | sort -rn | cut -d' ' -f2
}

# The .dsc of NAME at VERSION (the epoch is not in file names).
dsc_path() { echo "$3/${1}_${2#*:}.dsc"; }

# Downloads (once) the newest source of NAME that the archive serves into DOWNLOADS
# and prints its version: an index can list a version whose files are gone.
fetch_source() {
    local name=$1 downloads=$2 versions v dsc
    versions=$(known_versions "$name")
    if [ -z "$versions" ]; then
        "${APT_GET[@]}" update
        versions=$(known_versions "$name")
    fi
    mkdir -p "$downloads"
    for v in $versions; do
        dsc=$(dsc_path "$name" "$v" "$downloads")
        if [ ! -f "$dsc.ok" ]; then
            (cd "$downloads" && "${APT_GET[@]}" source --download-only "$name=$v") >/dev/null 2>&1 || continue
            touch "$dsc.ok"
        fi
        echo "$v"
        return 0
    done
    echo "no source of $name could be fetched (versions: ${versions:-none})" >&2
    return 1
}

# Unpacks a fetched source with Debian's patches applied: unpack_source NAME VERSION DOWNLOADS DEST.
unpack_source() {
    rm -rf "$4"
    dpkg-source --no-copy -x "$(dsc_path "$1" "$2" "$3")" "$4"
}
