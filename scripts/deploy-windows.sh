#!/usr/bin/env bash
# Puts beside dovrel.exe what it loads on Windows: the Qt and mingw runtime DLLs its imports reach, the windows
# platform plugin, the JPEG image plugin (and theirs), and Qt's Chinese translation. System DLLs stay the system's.
#   scripts/deploy-windows.sh FOLDER QT_WINDOWS_PREFIX
set -euo pipefail
folder=${1:?usage: deploy-windows.sh FOLDER QT_WINDOWS_PREFIX}
qt=${2:?usage: deploy-windows.sh FOLDER QT_WINDOWS_PREFIX}
[ -f "$folder/dovrel.exe" ] || { echo "deploy-windows: no dovrel.exe in $folder" >&2; exit 1; }

runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
search=("$qt/bin" "$runtime" /usr/x86_64-w64-mingw32/lib)

mkdir -p "$folder/platforms" "$folder/imageformats" "$folder/translations"
cp "$qt/plugins/platforms/qwindows.dll" "$folder/platforms/"
cp "$qt/plugins/imageformats/qjpeg.dll" "$folder/imageformats/"
cp /usr/share/qt6/translations/qtbase_zh_CN.qm "$folder/translations/"

# The imported DLL names of a program or DLL.
imports() { x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p'; }

# Follow the imports breadth first; a name found in none of the search folders belongs to Windows.
declare -A seen=()
queue=("$folder/dovrel.exe" "$folder/platforms/qwindows.dll" "$folder/imageformats/qjpeg.dll")
while [ ${#queue[@]} -gt 0 ]; do
    binary=${queue[0]}
    queue=("${queue[@]:1}")
    while read -r name; do
        key=${name,,}
        [ -n "${seen[$key]:-}" ] && continue
        seen[$key]=1
        for dir in "${search[@]}"; do
            found=$(find "$dir" -maxdepth 1 -iname "$name" -print -quit)
            if [ -n "$found" ]; then
                cp "$found" "$folder/"
                queue+=("$folder/$(basename "$found")")
                break
            fi
        done
    done < <(imports "$binary")
done
x86_64-w64-mingw32-strip --strip-unneeded "$folder"/*.dll "$folder"/*/*.dll "$folder/dovrel.exe"
echo "deploy-windows: $(find "$folder" -maxdepth 1 -iname '*.dll' | wc -l) DLLs beside dovrel.exe"
