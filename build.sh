#!/usr/bin/env bash
# One entry point for building, running, testing, benchmarking and fuzzing Veltrano.
#   ./build.sh run [FILES...]  Release build, then Veltrano on FILES (default: a demo result file)
#   ./build.sh test            sanitizer build, then every test (starts Xvfb when needed)
#   ./build.sh build           Release build of the program, tools and benchmarks
#   ./build.sh bench [FILTER]  Release build, then the benchmarks
#   ./build.sh fuzz [SECONDS]  clang libFuzzer build, then each fuzz target for SECONDS (default 60)
#   ./build.sh fuzz --total S  the same, the targets sharing S seconds between them
# BUILD_ROOT (default ./build) moves the build folders; JOBS sets parallelism.
set -euo pipefail
CALLER_DIR=$(pwd)
cd "$(dirname "$0")"
SRC=$(pwd)
BUILD_ROOT=${BUILD_ROOT:-$SRC/build}
JOBS=${JOBS:-$(nproc)}

PACKAGES=(cmake ninja-build g++ clang libclang-rt-14-dev
  qt6-base-dev libqt6opengl6-dev qt6-svg-dev
  libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri libegl-dev libglut3.12
  libpng-dev libjpeg-dev zlib1g-dev libgtest-dev libbenchmark-dev
  xvfb xauth fontconfig fonts-dejavu-core poppler-utils clang-format git
  emf2svg libwmf-bin fonts-urw-base35 python3-pil  # readers of the exported pictures
  python3-xlrd libxml2-utils)  # readers of the exported series data

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# ccache, when installed, lets several checkouts of one machine share compiled objects.
LAUNCHER=()
if command -v ccache >/dev/null 2>&1; then
  LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(dirname "$SRC")} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
fi

configure_and_build() {  # dir, target, cmake args...
  local dir=$1 target=$2; shift 2
  cmake -S "$SRC" -B "$dir" -G Ninja "${LAUNCHER[@]}" "$@" >/dev/null
  cmake --build "$dir" -j "$JOBS" --target "$target"
}

XVFB_PID=""
stop_xvfb() { [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null; true; }

# One Xvfb for the whole test run, unless a display is already there.
start_xvfb() {
  if [ -n "${DISPLAY:-}" ] && [ "${CI:-}" != "true" ]; then return 0; fi
  local n=99
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  trap stop_xvfb EXIT
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  export DISPLAY=":$n"
}

sanitizer_env() {
  export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
  export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$SRC/tests/lsan.supp:print_suppressions=0}
  export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
}

cmd_test() {
  install_packages
  local dir=$BUILD_ROOT/test
  configure_and_build "$dir" all -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
    -DVELTRANO_TESTS=ON -DVELTRANO_SANITIZE=ON
  start_xvfb
  sanitizer_env
  # Every test runs once: a test that fails only sometimes fails the run. The
  # one exception is the leak checker's own crash ("Tracer caught signal 11"),
  # which GCC 12's LeakSanitizer has while suspending the GL driver's threads
  # (more often on a busy machine): while every failure is that crash, those
  # tests run again, three times at most, and the last lines of the output
  # name them.
  local log; log=$(mktemp)
  local rc=0
  ctest --test-dir "$dir" --output-on-failure -j "$JOBS" "$@" 2>&1 | tee "$log" || rc=${PIPESTATUS[0]}
  local failed="" attempt
  for attempt in 1 2 3; do
    [ "$rc" -eq 0 ] && break
    failed=$(sed -n 's/^[0-9]*:\(.*\)$/\1/p' "$dir/Testing/Temporary/LastTestsFailed.log" 2>/dev/null)
    local nfailed; nfailed=$(echo "$failed" | grep -c . || true)
    local ncrashed; ncrashed=$(grep -c "LeakSanitizer has encountered a fatal error" "$log" || true)
    if [ "$nfailed" -eq 0 ] || [ "$ncrashed" -lt "$nfailed" ]; then break; fi
    # --rerun-failed reads the failed list itself: names with spaces or
    # brackets need no pattern, and a re-run that finds no test fails.
    rc=0
    ctest --test-dir "$dir" --output-on-failure --rerun-failed --no-tests=error 2>&1 | tee "$log" ||
      rc=${PIPESTATUS[0]}
  done
  rm -f "$log"
  if [ "$rc" -eq 0 ] && [ -n "$failed" ]; then
    echo "Run again after the leak checker itself crashed (no test failed):"
    echo "$failed" | sed 's/^/  /'
  fi
  return "$rc"
}

cmd_run() {
  install_packages
  local dir=$BUILD_ROOT/release
  cmake -S "$SRC" -B "$dir" -G Ninja "${LAUNCHER[@]}" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$dir" -j "$JOBS" --target veltrano veltrano-demo
  local demo=$dir/demo/wall-corner.vq3
  if [ ! -f "$demo" ]; then
    mkdir -p "$dir/demo"
    "$dir/tools/demo/veltrano-demo" "$demo"
  fi
  [ $# -gt 0 ] || set -- "$demo"
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Veltrano is built ($dir/app/veltrano) but there is no display to show it on;" >&2
    echo "run it from a desktop session, or start Xvfb and set DISPLAY." >&2
    exit 1
  fi
  # File names are the caller's: resolve them from where build.sh was called.
  cd "$CALLER_DIR"
  exec "$dir/app/veltrano" "$@"
}

# Release build of everything (program, tools, benchmarks): warnings that only
# the optimiser sees fail here, before a user's first run meets them.
cmd_build() {
  install_packages
  configure_and_build "$BUILD_ROOT/release" all -DCMAKE_BUILD_TYPE=Release -DVELTRANO_BENCH=ON
}

cmd_bench() {
  install_packages
  local dir=$BUILD_ROOT/release
  configure_and_build "$dir" benchmarks -DCMAKE_BUILD_TYPE=Release -DVELTRANO_BENCH=ON
  start_xvfb
  local filter=${1:-}
  for b in $(find "$dir/bench" -type f -executable -name 'bench_*' | sort); do
    echo "== $(basename "$b")"
    "$b" ${filter:+--benchmark_filter="$filter"}
  done
}

cmd_fuzz() {
  install_packages
  local seconds=${1:-60} total=""
  if [ "${1:-}" = "--total" ]; then total=${2:?--total needs seconds}; fi
  local dir=$BUILD_ROOT/fuzz
  configure_and_build "$dir" fuzzers -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
    -DCMAKE_CXX_COMPILER=clang++ -DVELTRANO_FUZZ=ON
  export QT_QPA_PLATFORM=offscreen
  local targets; targets=$(find "$dir/fuzz" -type f -executable -name 'fuzz_*' | sort)
  if [ -n "$total" ]; then
    # A shared budget: every target gets an equal share, at least 10 s.
    local count; count=$(echo "$targets" | wc -w)
    seconds=$(( total / (count > 0 ? count : 1) ))
    [ "$seconds" -ge 10 ] || seconds=10
  fi
  for f in $targets; do
    local name; name=$(basename "$f")
    local corpus=$dir/corpus/$name
    mkdir -p "$corpus"
    local seeds=()
    [ -d "$dir/fuzz-seeds/$name" ] && seeds+=("$dir/fuzz-seeds/$name")
    echo "== $name for ${seconds}s"
    "$f" -max_total_time="$seconds" -print_final_stats=1 -rss_limit_mb=2048 \
      -artifact_prefix="$dir/" "$corpus" "${seeds[@]}" 2>&1 | grep -E '^(stat::number_of_executed_units|stat::new_units_added|==|SUMMARY|INFO: Running)' || true
    [ "${PIPESTATUS[0]}" -eq 0 ] || { echo "$name found a failure; see $dir/crash-*"; return 1; }
  done
}

case "${1:-}" in
  run) shift; cmd_run "$@" ;;
  test) shift; cmd_test "$@" ;;
  build) shift; cmd_build ;;
  bench) shift; cmd_bench "$@" ;;
  fuzz) shift; cmd_fuzz "$@" ;;
  *) sed -n '2,7p' "$0" | sed 's/^# \{0,1\}//'; exit 2 ;;
esac
