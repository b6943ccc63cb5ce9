#!/usr/bin/env bash
# Runs check_layers.sh on small made-up trees: a sound one must pass, and each
# kind of fault must fail with a message that names the file.
set -euo pipefail
check="$(cd "$(dirname "$0")" && pwd)/check_layers.sh"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT

# A sound tree: a core document, a Qt view above it, the shell on top, a CLI.
sound() {
    rm -rf "$tree/src"
    mkdir -p "$tree"/src/{document,view,app,cli,ui}
    printf 'list(APPEND ORVEL_CORE_SOURCES\n    src/document/bytes.cpp\n)\n' >"$tree/src/document/sources.cmake"
    printf 'list(APPEND ORVEL_GUI_SOURCES\n    src/view/view.cpp\n)\n' >"$tree/src/view/sources.cmake"
    printf 'list(APPEND ORVEL_GUI_SOURCES\n    src/app/frame.cpp\n)\n' >"$tree/src/app/sources.cmake"
    printf '#pragma once\n#include <vector>\n' >"$tree/src/document/bytes.h"
    printf '#include "document/bytes.h"\n' >"$tree/src/document/bytes.cpp"
    printf '#pragma once\n#include <cstdint>\n' >"$tree/src/document/offset.h"
    printf '#pragma once\n#include <QWidget>\n#include "document/bytes.h"\n' >"$tree/src/view/view.h"
    printf '#include "view/view.h"\n#include "ui/wait.h"\n' >"$tree/src/view/view.cpp"
    printf '#pragma once\n#include <QCursor>\n' >"$tree/src/ui/wait.h"
    printf '#pragma once\n#include "view/view.h"\n' >"$tree/src/app/frame.h"
    printf '#include "app/frame.h"\n' >"$tree/src/app/frame.cpp"
    printf '#include "document/offset.h"\n' >"$tree/src/cli/main.cpp"
}

failures=0
# expect_fail WHAT PATTERN: the check fails and its output matches PATTERN.
expect_fail() {
    local output
    if output=$(bash "$check" "$tree" 2>&1); then
        echo "FAIL: $1 passed the check"
        failures=$((failures + 1))
    elif ! grep -q -- "$2" <<<"$output"; then
        echo "FAIL: $1: no line matches \"$2\" in:"
        echo "$output"
        failures=$((failures + 1))
    fi
}

sound
if ! output=$(bash "$check" "$tree" 2>&1); then
    echo "FAIL: the sound tree was refused:"
    echo "$output"
    failures=$((failures + 1))
fi

sound
printf '#include <QString>\n' >>"$tree/src/document/bytes.cpp"
expect_fail "a Qt header in a core file" 'src/document/bytes.cpp: .*Qt header <QString>'

sound
printf '#include "ui/wait.h"\n' >>"$tree/src/document/bytes.h"
expect_fail "a Qt-layer file in a core header" 'src/document/bytes.h: .*"ui/wait.h"'

# A header without a source that includes a Qt-layer file is in the Qt layer:
# the core file that includes it is at fault.
sound
printf '#include "ui/wait.h"\n' >>"$tree/src/document/offset.h"
printf '#include "document/offset.h"\n' >>"$tree/src/document/bytes.cpp"
expect_fail "a Qt header-only file in a core file" 'src/document/bytes.cpp: .*"document/offset.h"'

sound
printf '#include "view/view.h"\n' >>"$tree/src/cli/main.cpp"
expect_fail "a Qt-layer file in the CLI" 'src/cli/main.cpp: .*"view/view.h"'

sound
printf '#include "app/frame.h"\n' >>"$tree/src/view/view.cpp"
expect_fail "the shell included below it" 'src/view/view.cpp: .*"app/frame.h"'

sound
printf '#include "view/view.h"\n' >>"$tree/src/ui/wait.h"
expect_fail "an upward include" 'src/ui/wait.h: .*higher floor view:qt'

sound
printf '#include "app/frame.h"\n' >"$tree/src/app/other.h"
printf '#include "app/other.h"\n' >>"$tree/src/app/frame.cpp"
printf '#include "app/frame.h"\n' >"$tree/src/app/other.cpp"
expect_fail "a cycle" 'src/app/other'

sound
mkdir -p "$tree/src/extra"
printf '#pragma once\n' >"$tree/src/extra/thing.h"
expect_fail "a folder without a floor" 'src/extra/thing.h: .*not in the floor list'

if [ "$failures" -ne 0 ]; then
    echo "$failures layer check test(s) failed"
    exit 1
fi
echo "layer check tests passed"
