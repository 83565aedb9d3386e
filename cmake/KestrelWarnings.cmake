# SPDX-License-Identifier: MIT
# Common compile settings for every Kestrel target.
#
# -ffp-contract=off keeps each multiplication and addition a separate rounding step, so the
# results follow each formula's written order of operations exactly (no fused multiply-add).
# -ffast-math is never used for the same reason.
function(kestrel_settings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror -ffp-contract=off)
    # g++ 12 at -O3 warns that "text" + std::string may copy overlapping memory, a false alarm
    # of its own string header (GCC bug 105651); the release build would otherwise fail.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
    if(KESTREL_SANITIZE)
        target_compile_options(${target} PRIVATE -fsanitize=address,undefined
                                                 -fno-sanitize-recover=all -fno-omit-frame-pointer)
        target_link_options(${target} PRIVATE -fsanitize=address,undefined)
    endif()
endfunction()
