#!/usr/bin/env bash
# Checks the include structure of src/ (of the tree at $1, default this one) and
# fails, naming the file and the include, on:
#  - a core file (or one of orvel-cli) that includes a Qt header or a Qt-layer file;
#  - a file outside src/app that includes src/app/ (the roof);
#  - an include from a lower floor to a higher one;
#  - an include cycle between modules (a header and its source are one module).
#
# A .cpp file is core when its folder's sources.cmake lists it in
# ORVEL_CORE_SOURCES, belongs to orvel-cli when it is listed in ORVEL_CLI_SOURCES
# or lies in src/cli, and is in the Qt layer otherwise. A header goes with its
# source; a header without one is core unless it includes a Qt header or a
# Qt-layer file.
set -euo pipefail
root=${1:-"$(dirname "$0")/.."}
cd "$root"

# The floors, lowest first: folder and layer. Each may include only its own
# floor and those below it.
floors="ui:core jobs:core document:core view:core editing:core search:core marking:core
compare:core tools:core inspector:core app:core
cli
jobs:qt ui:qt document:qt view:qt editing:qt search:qt marking:qt compare:qt tools:qt inspector:qt
app:qt"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
: >"$work/edges"

find src -type f \( -name '*.h' -o -name '*.cpp' \) | LC_ALL=C sort >"$work/files"
# "LIST path" for every file a sources.cmake lists.
awk '/list\(APPEND/ { list = $2; next }
     list != "" && /\)/ { list = ""; next }
     list != "" && NF > 0 { print list, $1 }' src/*/sources.cmake >"$work/lists"
# "file<TAB>included" for every #include line; <...> keeps its brackets.
while IFS= read -r file; do
    sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*\(["<][^">]*[">]\).*/\1/p' "$file" |
        sed -e 's/"//g' -e "s|^|$file\t|"
done <"$work/files" >"$work/includes"

awk -v floors="$floors" -v edges="$work/edges" '
function folder(path,    parts) { split(path, parts, "/"); return parts[2] }
function module(path) { sub(/\.(h|cpp)$/, "", path); return path }
function floorOf(file) { return kind[file] == "cli" ? "cli" : folder(file) ":" kind[file] }
function fail(file, text) { print file ": " text; failed = 1 }
FILENAME == ARGV[1] { known[$0] = 1; order[++count] = $0; next }
FILENAME == ARGV[2] {
    listed[$2] = $1 == "ORVEL_CORE_SOURCES" ? "core" : $1 == "ORVEL_CLI_SOURCES" ? "cli" : "qt"
    next
}
{
    split($0, pair, "\t")
    from[++includes] = pair[1]
    to[includes] = pair[2]
}
END {
    n = split(floors, names, /[ \n]+/)
    for (i = 1; i <= n; ++i)
        rank[names[i]] = i
    # Sources first, then headers with a source, then header-only files.
    for (i = 1; i <= count; ++i) {
        f = order[i]
        if (f ~ /\.cpp$/)
            kind[f] = (f in listed) ? listed[f] : folder(f) == "cli" ? "cli" : "qt"
    }
    for (i = 1; i <= count; ++i) {
        f = order[i]
        if (f !~ /\.h$/)
            continue
        source = module(f) ".cpp"
        if (source in known)
            kind[f] = kind[source]
        else {
            kind[f] = folder(f) == "cli" ? "cli" : "core"
            headerOnly[f] = 1
        }
    }
    do {
        changed = 0
        for (k = 1; k <= includes; ++k) {
            f = from[k]
            if (!(f in headerOnly) || kind[f] == "qt")
                continue
            target = "src/" to[k]
            if (to[k] ~ /^<Q/ || ((target in known) && kind[target] == "qt")) {
                kind[f] = "qt"
                changed = 1
            }
        }
    } while (changed)

    for (i = 1; i <= count; ++i) {
        f = order[i]
        if (!(floorOf(f) in rank))
            fail(f, "its floor " floorOf(f) " is not in the floor list")
    }
    for (k = 1; k <= includes; ++k) {
        f = from[k]
        noQt = kind[f] == "core" || kind[f] == "cli"
        if (to[k] ~ /^</) {
            if (noQt && to[k] ~ /^<Q/)
                fail(f, "a " kind[f] " file includes the Qt header " to[k])
            continue
        }
        target = "src/" to[k]
        if (!(target in known))
            continue
        if (noQt && kind[target] == "qt")
            fail(f, "a " kind[f] " file includes the Qt-layer file \"" to[k] "\"")
        if (folder(target) == "app" && folder(f) != "app")
            fail(f, "includes \"" to[k] "\" of the application shell (src/app)")
        else if (rank[floorOf(target)] > rank[floorOf(f)])
            fail(f, "includes \"" to[k] "\" of the higher floor " floorOf(target) \
                    " from " floorOf(f))
        print module(f), module(target) >edges
    }
    exit failed
}' "$work/files" "$work/lists" "$work/includes" || status=$?

# tsort names every module of a loop it finds.
if ! tsort "$work/edges" >/dev/null 2>"$work/loops"; then
    echo "include cycles between modules (a header and its source are one module):"
    sed -n -e "s/^tsort: .*input contains a loop:/  a cycle of/p" -e "s/^tsort: \(src\/.*\)/    \1/p" "$work/loops"
    status=1
fi
exit "${status:-0}"
