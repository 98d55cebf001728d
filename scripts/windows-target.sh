# Sourced: which Windows build this machine builds and tests.
#
# The release is one 32-bit exe, and where the machine runs 32-bit programs
# that exe is the one tested, under 32-bit Wine. Some x86-64 kernels run no
# 32-bit Linux program at all (the 32-bit loader fails with "Exec format
# error"), and so no 32-bit Wine: there the same sources are built for x86-64
# Windows, in a build folder of their own, and tested under 64-bit Wine in a
# prefix of its own. OSTREVIN_WINDOWS_ARCH=i686 or x86_64 chooses by hand.
#
# Sets OSTREVIN_WINDOWS_ARCH, OSTREVIN_WINDOWS_BUILD (the default build
# folder), OSTREVIN_TOOLCHAIN, OSTREVIN_MINGW (the cross tools' prefix) and
# OSTREVIN_WINDOWS_WAY (a line saying which way and why).

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

machine_runs_32_bit_programs() {
  /lib/ld-linux.so.2 --version >/dev/null 2>&1
}

if [ -z "${OSTREVIN_WINDOWS_ARCH:-}" ]; then
  if machine_runs_32_bit_programs; then
    OSTREVIN_WINDOWS_ARCH=i686
    OSTREVIN_WINDOWS_WAY="32-bit: the released i686 exe, under 32-bit Wine"
  else
    OSTREVIN_WINDOWS_ARCH=x86_64
    OSTREVIN_WINDOWS_WAY="64-bit: this machine runs no 32-bit program (/lib/ld-linux.so.2 cannot start), so the same sources are built for x86-64 and run under 64-bit Wine; the released exe stays 32-bit"
  fi
else
  OSTREVIN_WINDOWS_WAY="$OSTREVIN_WINDOWS_ARCH, as OSTREVIN_WINDOWS_ARCH asks"
fi

case "$OSTREVIN_WINDOWS_ARCH" in
  i686) OSTREVIN_WINDOWS_BUILD=build/win32 ;;
  x86_64) OSTREVIN_WINDOWS_BUILD=build/win64 ;;
  *)
    echo "OSTREVIN_WINDOWS_ARCH is i686 or x86_64, not '$OSTREVIN_WINDOWS_ARCH'" >&2
    return 1
    ;;
esac
OSTREVIN_TOOLCHAIN="$repo_root/cmake/mingw-$OSTREVIN_WINDOWS_ARCH.cmake"
OSTREVIN_MINGW="$OSTREVIN_WINDOWS_ARCH-w64-mingw32"
export OSTREVIN_WINDOWS_ARCH OSTREVIN_WINDOWS_BUILD OSTREVIN_TOOLCHAIN OSTREVIN_MINGW OSTREVIN_WINDOWS_WAY
