# SPDX-License-Identifier: MIT
# Writes the man page of kestrel-calc from its own help: help2man takes the program's --help and
# --version, and the include file made here adds one section with the help of each subcommand.
# Run with -DCALC=<kestrel-calc> -DHELP2MAN=<help2man> -DOUTPUT=<kestrel-calc.1>.
set(include_file "${OUTPUT}.include")
file(WRITE "${include_file}" "[SUBCOMMANDS]\n")
execute_process(COMMAND "${CALC}" --help OUTPUT_VARIABLE top COMMAND_ERROR_IS_FATAL ANY)
# The subcommands are the words listed under "Subcommands:" in the top-level help.
string(REGEX MATCH "Subcommands:\n(.*)" listing "${top}")
string(REGEX MATCHALL "\n  ([a-z]+)" names "\n${CMAKE_MATCH_1}")
foreach(entry IN LISTS names)
    string(STRIP "${entry}" name)
    execute_process(COMMAND "${CALC}" ${name} --help OUTPUT_VARIABLE help
                    COMMAND_ERROR_IS_FATAL ANY)
    # A backslash starts a roff escape, and a line that starts with a dot a roff request.
    string(REPLACE "\\" "\\e" help "${help}")
    string(REGEX REPLACE "\n\\." "\n\\\\&." help "${help}")
    file(APPEND "${include_file}" ".SS ${name}\n.nf\n${help}\n.fi\n")
endforeach()
execute_process(
    COMMAND "${HELP2MAN}" --no-info --section=1
            "--name=the numbers and pictures of Kestrel's window for scripts and teachers"
            "--include=${include_file}" "--output=${OUTPUT}" "${CALC}"
    COMMAND_ERROR_IS_FATAL ANY)
