# Sourced by the scripts (bash), from the top of the checkout: what more than
# one of them needs, written once.

# velmo_runtime_dir [DIR]: exports XDG_RUNTIME_DIR, private to this user as
# Qt requires: DIR, or the one already set, or a fresh one.
velmo_runtime_dir() {
    export XDG_RUNTIME_DIR="${1:-${XDG_RUNTIME_DIR:-$(mktemp -d)}}"
    mkdir -p "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
}

# velmo_reference_replay: builds the Linux replay tool that the Windows and
# web ones must match, and prints its absolute path.  It comes from
# VELMO_LINUX_BUILD (build/test unless set) where that build is configured,
# else from a light build of its own (build/linux-reference).
velmo_reference_replay() {
    local build=${VELMO_LINUX_BUILD:-build/test}
    if [ ! -f "$build/CMakeCache.txt" ]; then
        build=build/linux-reference
        cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVELMO_BUILD_GUI=OFF -DVELMO_BUILD_TESTS=OFF >/dev/null
    fi
    cmake --build "$build" -j"$(nproc)" --target velmorandine-replay >&2
    realpath "$build/tools/replay/velmorandine-replay"
}

# velmo_web_site: the web build's site folder, as the build names it
# (build/web/site-folder.txt; scripts/bench-web.mjs reads the same file).
velmo_web_site() {
    cat build/web/site-folder.txt
}
