#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# tools/add-spdx-headers on a small repository of every kind of file: --check names exactly the
# source files without the licence line; adding puts it first (after "#!" in a script), keeps a
# script executable, leaves data files and build folders alone, and changes nothing when run
# again. Usage: spdx_headers_test.sh SCRIPT SCRATCH_DIR
set -u
script=$1
repo=$2/repo
rm -rf "$2"
mkdir -p "$repo/core" "$repo/tools" "$repo/resources" "$repo/build/bin"
printf '#pragma once\nint f();\n' >"$repo/core/thing.h"
printf '#include "core/thing.h"\nint f() { return 1; }\n' >"$repo/core/thing.cpp"
printf '// SPDX-License-Identifier: GPL-3.0-or-later\nint g();\n' >"$repo/core/done.h"
printf '// SPDX-License-Identifier: MIT\nint h();\n' >"$repo/core/other.h"
printf 'add_library(x)\n' >"$repo/core/CMakeLists.txt"
printf '#!/usr/bin/env bash\necho hi\n' >"$repo/tools/script"
chmod +x "$repo/tools/script"
printf 'GROVAN=1\n' >"$repo/tools/setup.sh"
printf 'report "Annual"\n' >"$repo/resources/Annual.rpt"
printf '# Notes\n' >"$repo/resources/notes.md"
printf 'int generated();\n' >"$repo/build/bin/generated.h"

ran=0
failed=0
expect() {
    ran=$((ran + 1))
    if [ "$2" != "$3" ]; then
        printf 'MISMATCH %s\n  expected: %s\n  got:      %s\n' "$1" "$3" "$2"
        failed=$((failed + 1))
    fi
}
line='SPDX-License-Identifier: GPL-3.0-or-later'

listed=$(bash "$script" --check "$repo" 2>/dev/null | cut -d: -f1 | sort | tr '\n' ' ')
expect "check names the files without the line" "$listed" \
    "core/CMakeLists.txt core/thing.cpp core/thing.h tools/script tools/setup.sh "
bash "$script" --check "$repo" >/dev/null 2>&1
expect "check fails while a file lacks it" "$?" 1

bash "$script" "$repo" >/dev/null 2>&1
expect "header" "$(head -n 2 "$repo/core/thing.h" | tr '\n' '|')" "// $line|#pragma once|"
expect "source" "$(head -n 1 "$repo/core/thing.cpp")" "// $line"
expect "cmake" "$(head -n 1 "$repo/core/CMakeLists.txt")" "# $line"
expect "script" "$(head -n 3 "$repo/tools/script" | tr '\n' '|')" "#!/usr/bin/env bash|# $line|echo hi|"
expect "sourced shell file" "$(head -n 1 "$repo/tools/setup.sh")" "# $line"
expect "script still executable" "$([ -x "$repo/tools/script" ] && echo yes)" yes
expect "another licence kept" "$(cat "$repo/core/other.h" | tr '\n' '|')" \
    "// SPDX-License-Identifier: MIT|int h();|"
expect "template untouched" "$(cat "$repo/resources/Annual.rpt")" 'report "Annual"'
expect "markdown untouched" "$(cat "$repo/resources/notes.md")" '# Notes'
expect "build folder untouched" "$(cat "$repo/build/bin/generated.h")" 'int generated();'

before=$(cd "$repo" && find . -type f -exec md5sum {} + | sort)
bash "$script" "$repo" >/dev/null 2>&1
after=$(cd "$repo" && find . -type f -exec md5sum {} + | sort)
expect "a second run changes nothing" "$after" "$before"
listed=$(bash "$script" --check "$repo" 2>&1 | grep -c '^core/')
expect "check then names only the file with another licence" "$listed" 1
bash "$script" --check "$repo" 2>&1 | grep -q '^core/other.h: has another licence line'
expect "which it names" "$?" 0

echo "$((ran - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
