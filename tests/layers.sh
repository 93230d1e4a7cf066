#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Padmora's layers run one way. Each library (one folder) may include only
# the folders of the libraries it links, directly or through them; the
# libraries link no circle; the programs' logic includes no widget.
#
#   layers.sh SOURCE_DIR TABLE QT_WIDGETS_INCLUDE_DIR
#       checks the tree; TABLE has one line per library:
#       "<target> <folder> <linked padmora libraries...>"
#   layers.sh --self-test SOURCE_DIR TABLE QT_WIDGETS_INCLUDE_DIR
#       plants one wrong include at a time into a copy of the tree and
#       wants each refused.
set -uo pipefail

# The windowless layer: the programs' logic and data.
logic_folders=(chakras tarot guidance astrology reports journal practice)

check() {
    local src=$1 table=$2 widgets=$3
    declare -A folder_of links_of
    local target folder deps
    while read -r target folder deps; do
        [ -n "$target" ] || continue
        folder_of[$target]=$folder
        links_of[$target]=$deps
    done <"$table"

    local problems=0
    complain() {
        echo "$1"
        problems=$((problems + 1))
    }

    # Everything a library reaches through its links; a circle is refused.
    declare -A reach
    closure() {
        local t=$1 path=$2 d
        [ -n "${reach[$t]+x}" ] && return 0
        local all="$t"
        for d in ${links_of[$t]}; do
            if [[ " $path " == *" $d "* ]]; then
                complain "circle of links: $path $d"
                continue
            fi
            [ -n "${folder_of[$d]+x}" ] || { complain "$t links $d, which is no library of the table"; continue; }
            closure "$d" "$path $d"
            all="$all ${reach[$d]}"
        done
        reach[$t]=$all
    }
    for target in "${!folder_of[@]}"; do
        closure "$target" "$target"
    done

    declare -A known
    for target in "${!folder_of[@]}"; do
        known[${folder_of[$target]}]=$target
    done

    local file line included dir allowed t header
    for target in "${!folder_of[@]}"; do
        folder=${folder_of[$target]}
        allowed=" "
        for t in ${reach[$target]}; do
            allowed+="${folder_of[$t]} "
        done
        local logic=0
        [[ " ${logic_folders[*]} " == *" $folder "* ]] && logic=1
        for file in "$src/$folder"/*.h "$src/$folder"/*.cpp; do
            [ -e "$file" ] || continue
            while IFS= read -r line; do
                if [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"]+)\" ]]; then
                    included=${BASH_REMATCH[1]}
                    [[ $included == *.moc ]] && continue
                    dir=${included%/*}
                    if [[ $included != */* || -z ${known[$dir]+x} || ! -f $src/$included ]]; then
                        complain "$folder/${file##*/}: \"$included\" names no header of a library folder"
                    elif [[ $allowed != *" $dir "* ]]; then
                        complain "$folder/${file##*/}: \"$included\" lies in ${known[$dir]}, which $target does not link"
                    fi
                elif ((logic)) && [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<([^\>]+)\> ]]; then
                    header=${BASH_REMATCH[1]}
                    [ -f "$widgets/$header" ] &&
                        complain "$folder/${file##*/}: <$header> is a widget, and $folder is windowless"
                fi
            done <"$file"
        done
    done

    # Every folder with sources belongs to a library.
    local found
    while IFS= read -r found; do
        dir=${found#"$src"/}
        dir=${dir%/*}
        case $dir in tests | tests/* | bench | tools | build* | .git*) continue ;; esac
        [ -n "${known[$dir]+x}" ] || complain "$dir holds sources but is no library of the table"
    done < <(find "$src" -name '*.cpp' -not -path '*/build*' -not -path '*/.git/*' -not -path "$src/tests/*" \
        -not -path "$src/bench/*" -not -path "$src/tools/*" | sort -u)

    return $((problems > 0))
}

self_test() {
    local src=$1 table=$2 widgets=$3
    local scratch
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' RETURN
    local target folder deps
    while read -r target folder deps; do
        [ -n "$target" ] || continue
        mkdir -p "$scratch/$folder"
        cp "$src/$folder"/*.h "$src/$folder"/*.cpp "$scratch/$folder/" 2>/dev/null
    done <"$table"
    check "$scratch" "$table" "$widgets" >/dev/null || { echo "the unchanged copy is refused"; return 1; }

    local failed=0
    plant() {
        local file=$1 line=$2
        cp "$scratch/$file" "$scratch/$file.kept"
        printf '%s\n' "$line" >>"$scratch/$file"
        if check "$scratch" "$table" "$widgets" >/dev/null; then
            echo "not refused: $line in $file"
            failed=1
        fi
        mv "$scratch/$file.kept" "$scratch/$file"
    }
    plant kit/twips.h '#include "app/mainwindow.h"'
    plant chakras/catalogue.cpp '#include "chakras/screens/program.h"'
    plant reports/reportwriter.cpp '#include "../app/mainwindow.h"'
    plant tarot/tarotcards.cpp '#include "tarotsheet.h"'
    plant guidance/opening.cpp '#include <QPushButton>'
    plant outreach/farewell.cpp '#include "tarot/tarotcards.h"'
    # A link that closes a circle.
    cp "$table" "$scratch/table.txt"
    sed -i 's/^padmora_kit kit$/padmora_kit kit padmora_app/; s/^padmora_kit kit \(.*\)/padmora_kit kit \1 padmora_app/' \
        "$scratch/table.txt"
    if check "$scratch" "$scratch/table.txt" "$widgets" >/dev/null; then
        echo "not refused: the kit linking the shell"
        failed=1
    fi
    return $failed
}

if [ "${1:-}" = --self-test ]; then
    shift
    self_test "$@"
else
    check "$@"
fi
