#!/usr/bin/env bash
# Non-blank lines of C++, QML and JavaScript under tests/ against the
# program's own folders (tools/ and bench/ count on neither side), and the
# share the tests take. Keep the share at or under 35 %.
cd "$(dirname "$0")/.." || exit 1
count() {
    git ls-files -- "$@" | grep -E '\.(cpp|h|qml|js)$' | tr '\n' '\0' \
        | xargs -0 cat | grep -cv '^[[:space:]]*$'
}
program=$(count app core links project recording params ui)
tests=$(count tests)
awk -v t="$tests" -v p="$program" 'BEGIN { printf "tests %d / program %d non-blank lines: %.1f %%\n", t, p, 100 * t / p }'
