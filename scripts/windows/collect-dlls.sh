#!/usr/bin/env bash
# Copies into FOLDER every DLL that the given Windows programs and plugins need, recursively, from
# the cross-built Qt and the MinGW runtime; DLLs found in neither are Windows' own and stay out.
# A cross build has no windeployqt: the import tables (objdump -p) are the list.
# Usage: collect-dlls.sh QT_PREFIX FOLDER FILE.exe|FILE.dll...
set -euo pipefail
qt_prefix=$1 folder=$2
shift 2
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
search=("$qt_prefix/bin" "$runtime" /usr/x86_64-w64-mingw32/lib)
queue=("$@")
declare -A seen=()
while ((${#queue[@]})); do
  file=${queue[0]}
  queue=("${queue[@]:1}")
  while read -r dll; do
    key=${dll,,}
    [[ -n ${seen[$key]:-} ]] && continue
    seen[$key]=1
    for dir in "${search[@]}"; do
      if [[ -f $dir/$dll ]]; then
        cp "$dir/$dll" "$folder/"
        queue+=("$dir/$dll")
        break
      fi
    done
  done < <(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^[[:space:]]*DLL Name: //p')
done
