# SPDX-License-Identifier: MIT
# The man page names the program, and has a section with the options of each subcommand.
file(READ "${PAGE}" page)
foreach(expected IN ITEMS ".TH KESTREL-CALC \"1\"" ".SH SUBCOMMANDS" ".SS table" ".SS profile"
                          ".SS coords" ".SS render" ".SS mach" ".SS flow" "\\-\\-probe" "thickness" "\\-\\-mach" "Exit status")
    string(FIND "${page}" "${expected}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the man page lacks ${expected}")
    endif()
endforeach()
