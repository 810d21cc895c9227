# What the CI scripts share; sourced by .ci/run and the gates' own scripts.

# Installs the Debian packages named that are not installed yet. As root it calls apt-get
# itself, otherwise through sudo.
need() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$' ||
            missing+=("$package")
    done
    if ((${#missing[@]} > 0)); then
        local sudo=()
        [[ $(id -u) -eq 0 ]] || sudo=(sudo)
        echo "installing ${missing[*]}"
        "${sudo[@]}" apt-get update -qq
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
            "${missing[@]}" >/dev/null
    fi
}

# Builds GoogleTest with the toolchain file $1 from the sources that Debian's libgtest-dev
# ships, and installs it under $2/install, for a cross build to find. Done once per folder.
build_googletest() {
    local toolchain=$1 folder=$2
    [[ -f $folder/install/lib/libgtest.a ]] && return
    cmake -S /usr/src/googletest -B "$folder" -G Ninja --toolchain "$PWD/$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF \
        -DCMAKE_INSTALL_PREFIX="$PWD/$folder/install" >/dev/null
    cmake --build "$folder" >/dev/null
    cmake --install "$folder" >/dev/null
}

# Prints fenced block number $4 (from 1) written in language $3 (```sh, ```text) under the
# heading line $2 of the Markdown file $1, up to the next heading.
markdown_block() {
    awk -v heading="$2" -v fence="\`\`\`$3" -v wanted="$4" '
        # A line inside any fenced block is code, never a heading.
        fenced && /^```/ { fenced = 0; if (taken) exit; next }
        fenced { if (taken) print; next }
        /^```/ { fenced = 1; taken = under && $0 == fence && ++n == wanted; next }
        $0 == heading { under = 1; next }
        under && /^#/ { exit }
    ' "$1"
}
