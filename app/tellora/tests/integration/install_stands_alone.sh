#!/usr/bin/env bash
# The installed program and its libraries find one another inside the install folder alone,
# with nothing left pointing back into the build tree.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
fail=0
for file in "$prefix"/bin/tellora "$prefix"/lib/*.so; do
    runpath=$(readelf -d "$file" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')
    case "$runpath" in
    '$ORIGIN' | '$ORIGIN/../lib') ;;
    *) echo "${file#$prefix/}: run path '$runpath' reaches outside the install"; fail=1 ;;
    esac
    for needed in $(readelf -d "$file" | sed -n 's/.*(NEEDED).*\[\(lib\(mv\|lame_enc\|QTMLClient\|wmvcore\)[^]]*\)\]/\1/p'); do
        [ -e "$prefix/lib/$needed" ] || { echo "${file#$prefix/} needs $needed, which is not installed"; fail=1; }
    done
done
# The libraries the program loads by name while it runs.
for library in liblame_enc.so libQTMLClient.so libwmvcore.so; do
    [ -e "$prefix/lib/$library" ] || { echo "$library is not installed"; fail=1; }
done
# The program's library folder in the build holds what the install ships and nothing that
# only tests load: the About box lists that folder.
for library in "$build"/lib/*.so; do
    [ -e "$prefix/lib/$(basename "$library")" ] || { echo "$(basename "$library") sits beside the program's libraries but is not installed"; fail=1; }
done
[ -e "$prefix/share/tellora/130.bmp" ] || { echo "the program's pictures are not installed"; fail=1; }
exit $fail
