#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite
# headless: first the C++ unit tests and fuzz targets under AddressSanitizer
# and UndefinedBehaviorSanitizer (clang), then the full suite. Exits non-zero
# on any failure; the output ends with the full suite's ctest summary.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh" || exit 1
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software

status=0

echo "=== Sanitizer build (clang, ASan + UBSan): unit tests and fuzz targets ==="
if CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug \
        -DVORN_SANITIZE=ON -DVORN_FUZZ=ON -DVORN_BUILD_UI=OFF -DVORN_BUILD_TOOLS=OFF >/dev/null \
    && cmake --build "$root/build-asan" -j"$jobs"; then
    (cd "$root/build-asan" && ctest -L unit --output-on-failure -j"$jobs") || status=1
else
    echo "Sanitizer build failed"
    status=1
fi

echo "=== Full build and test suite ==="
if cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null \
    && cmake --build "$root/build" -j"$jobs"; then
    (cd "$root/build" && ctest --output-on-failure -j"$jobs") || status=1
else
    echo "Build failed"
    status=1
fi
exit $status
